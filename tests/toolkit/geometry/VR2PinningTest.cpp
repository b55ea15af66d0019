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
    EXPECT_TRUE(pinning->Top && pinning->Left && pinning->Right && pinning->Bottom);
    EXPECT_FALSE(pinning->Width || pinning->Height || pinning->Center_Horizontal);
    EXPECT_TRUE(pinning->Center_Vertical);

    auto copy = pinning->copy();
    pinning->Top = false;
    EXPECT_TRUE(copy->Top && copy->Center_Vertical && !copy->Width);

    auto target = VR2Pinning::Create();
    target->Width = true;
    target->setPinningWithPinning(copy);
    EXPECT_FALSE(target->Width);
    EXPECT_TRUE(target->Top && target->Bottom && target->Center_Vertical);
    EXPECT_THROW(target->setPinningWithPinning(nullptr), platform::NilObjectException);
    EXPECT_TRUE(target->Top);
}
