#pragma once

#include "platform/Object.h"

#include <memory>

// How a view follows its parent's size change. The layout that applies the
// flags lives with the views; VR2Rect::expand reads only the centring flags.
class VR2Pinning : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Pinning>;

    static Ref Create() { return Ref(new VR2Pinning()); }

    bool Top = false;
    bool Left = false;
    bool Width = false;
    bool Right = false;
    bool Bottom = false;
    bool Height = false;
    bool Center_Horizontal = false;
    bool Center_Vertical = false;

    // Top, Left, Right and Bottom; the stretch and centring flags stay as they are.
    void LockAllSides();
    bool isLocked() const;
    Ref copy() const;
    // Raises NilObjectException for nil before anything is written.
    void setPinningWithPinning(const Ref& other);

private:
    VR2Pinning() = default;
    void CopyFlags(const VR2Pinning& other);
};
