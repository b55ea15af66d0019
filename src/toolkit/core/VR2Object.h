#pragma once

#include "platform/Object.h"
#include "toolkit/core/VR2Message.h"

#include <memory>

// The receiver of messages: every delivery ends in Action. A receiver answers
// only through the message (its result, reply and params).
class VR2Object : public virtual platform::Object {
public:
    using Ref = std::shared_ptr<VR2Object>;

    void Action(const Ref& sender, const VR2Message::Ref& message)
    {
        VR2Object_Action(sender, message);
    }

protected:
    virtual void VR2Object_Action(const Ref& sender, const VR2Message::Ref& message) = 0;
};

// One object seen through different interfaces (a view as VR2View, VR2Object
// or VR2Surface) has one identity: compare through the common base.
inline bool VR2SameObject(const platform::Object* a, const platform::Object* b) { return a == b; }
