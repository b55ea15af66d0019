#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Pinning.h"

#include <gtest/gtest.h>

TEST(VR2Pinning, LockingCopyingAndNil)
{
    auto pinning = VR2Pinning::Create();
    EXPECT_FALSE(pinning->isLocked());
    pinning->Center_Vertical = true;
    EXPECT_TRUE(pinning->isLocked());
    pinning->LockAllSides();
    EXPECT_FALSE(pinning->Width || pinning->Height || pinning->Center_Horizontal);

    // A copy and a copied-into pinning keep every flag, and then go their own way.
    auto copy = pinning->copy();
    pinning->Top = false;
    auto target = VR2Pinning::Create();
    target->Width = true;
    target->setPinningWithPinning(copy);
    EXPECT_TRUE(target->Top && target->Bottom && target->Center_Vertical && !target->Width);
    EXPECT_THROW(target->setPinningWithPinning(nullptr), platform::NilObjectException);
    EXPECT_TRUE(target->Top);
}
