#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <gtest/gtest.h>

#include <limits>

TEST(VR2Point, ClampedMoveIncludesTheFarEdges)
{
    auto point = VR2Point::Create(5, 5);
    point->offset(10, -10, VR2Rect::Create(0, 0, 10, 10));
    EXPECT_EQ(point->x, 10);
    EXPECT_EQ(point->y, 0);

    auto free = VR2Point::Create(5, 5);
    free->offset(10, -10, nullptr);
    EXPECT_EQ(free->x, 15);
    EXPECT_EQ(free->y, -5);

    // The near edge is applied last and wins over an inverted width.
    auto pinned = VR2Point::Create(5, 5);
    pinned->offset(0, 0, VR2Rect::Create(20, 20, -5, 10));
    EXPECT_TRUE(pinned->equal(VR2Point::Create(20, 20)));

    auto moved = VR2Point::Create(1, 1);
    moved->offset(VR2Point::Create(2, 3), nullptr);
    EXPECT_TRUE(moved->equal(VR2Point::Create(3, 4)));
    EXPECT_THROW(moved->offset(VR2Point::Ref(), nullptr), platform::NilObjectException);
    EXPECT_TRUE(moved->equal(VR2Point::Create(3, 4)));

    auto edge = VR2Point::Create(std::numeric_limits<int32_t>::max(), 0);
    edge->offset(1, 0, nullptr);
    EXPECT_EQ(edge->x, std::numeric_limits<int32_t>::min());
}

TEST(VR2Point, CopiesAreIndependentAndAliasesAreNot)
{
    auto point = VR2Point::Create(3, 4);
    auto alias = point;
    auto moved = point->offsetCopy(1, 2);
    auto copy = point->copy();
    alias->x = 30;
    EXPECT_EQ(point->x, 30);
    EXPECT_TRUE(moved->equal(VR2Point::Create(4, 6)));
    EXPECT_TRUE(copy->equal(VR2Point::Create(3, 4)));

    EXPECT_TRUE(VR2Point::Create(1, 2)->equal(VR2Point::Create(1, 2)));
    EXPECT_FALSE(VR2Point::Create(1, 2)->equal(VR2Point::Create(2, 1)));
    EXPECT_FALSE(VR2Point::Create(1, 2)->equal(nullptr));

    EXPECT_EQ(VR2Point::Create(12, 34)->description(), "12,34");
    EXPECT_EQ(VR2Point::Create(0, 7)->description(), ",7");
    EXPECT_EQ(VR2Point::Create(-3, 0)->description(), "-3,");
}
