#include "toolkit/geometry/VR2Pinning.h"

#include "platform/Exceptions.h"

void VR2Pinning::LockAllSides()
{
    Top = Left = Right = Bottom = true;
}

bool VR2Pinning::isLocked() const
{
    return Top || Left || Width || Right || Bottom || Height || Center_Horizontal || Center_Vertical;
}

VR2Pinning::Ref VR2Pinning::copy() const
{
    auto result = Create();
    result->CopyFlags(*this);
    return result;
}

void VR2Pinning::setPinningWithPinning(const Ref& other)
{
    CopyFlags(platform::Require(other));
}

void VR2Pinning::CopyFlags(const VR2Pinning& other)
{
    Top = other.Top;
    Left = other.Left;
    Width = other.Width;
    Right = other.Right;
    Bottom = other.Bottom;
    Height = other.Height;
    Center_Horizontal = other.Center_Horizontal;
    Center_Vertical = other.Center_Vertical;
}
