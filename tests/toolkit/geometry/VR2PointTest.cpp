#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <gtest/gtest.h>

#include <limits>

TEST(VR2Point, ClampedMoveIncludesTheFarEdgesAndTheNearEdgeWins)
{
    auto point = VR2Point::Create(5, 5);
    point->offset(10, -10, VR2Rect::Create(0, 0, 10, 10));
    EXPECT_TRUE(point->equal(VR2Point::Create(10, 0)));
    point = VR2Point::Create(5, 5);
    point->offset(10, -10, nullptr);
    EXPECT_TRUE(point->equal(VR2Point::Create(15, -5)));

    // The near edge is applied last and wins over an inverted width.
    point = VR2Point::Create(5, 5);
    point->offset(0, 0, VR2Rect::Create(20, 20, -5, 10));
    EXPECT_TRUE(point->equal(VR2Point::Create(20, 20)));

    point = VR2Point::Create(1, 1);
    point->offset(VR2Point::Create(2, 3), nullptr);
    EXPECT_TRUE(point->equal(VR2Point::Create(3, 4)));
    EXPECT_THROW(point->offset(VR2Point::Ref(), nullptr), platform::NilObjectException);
    EXPECT_TRUE(point->equal(VR2Point::Create(3, 4)));

    point = VR2Point::Create(std::numeric_limits<int32_t>::max(), 0);
    point->offset(1, 0, nullptr);
    EXPECT_EQ(point->x, std::numeric_limits<int32_t>::min());
}

TEST(VR2Point, CopiesAreIndependentEqualityAndText)
{
    auto point = VR2Point::Create(3, 4);
    auto moved = point->offsetCopy(1, 2);
    auto copy = point->copy();
    point->x = 30;
    EXPECT_TRUE(moved->equal(VR2Point::Create(4, 6)));
    EXPECT_TRUE(copy->equal(VR2Point::Create(3, 4)));
    EXPECT_FALSE(copy->equal(VR2Point::Create(4, 3)));
    EXPECT_FALSE(copy->equal(nullptr));

    EXPECT_EQ(VR2Point::Create(12, 34)->description(), "12,34");
    EXPECT_EQ(VR2Point::Create(0, 7)->description(), ",7");
    EXPECT_EQ(VR2Point::Create(-3, 0)->description(), "-3,");
}
