#pragma once

#include "platform/Dictionary.h"
#include "platform/DragItem.h"
#include "platform/Object.h"

#include <memory>

// What views receive during drag and drop. Nothing in the toolkit fills it yet;
// its operations do nothing.
class VR2DragObject : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2DragObject>;
    static Ref Create() { return Ref(new VR2DragObject()); }
    // No data of the platform's drag item is taken over.
    static Ref Create(const platform::DragItem::Ref&) { return Create(); }

    platform::Dictionary::Ref UserData;

    virtual void ContinueDragTracking() {}
    virtual void ProcessMouseUp() {}
    virtual void performDrag() {}

protected:
    VR2DragObject() = default;
};
