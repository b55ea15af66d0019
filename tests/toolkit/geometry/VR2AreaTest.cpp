#include "toolkit/geometry/VR2Area.h"

#include <gtest/gtest.h>

TEST(VR2Area, ComparesByPixelCountButEqualsBySides)
{
    auto area = VR2Area::Create(3, 4);
    EXPECT_EQ(area->Operator_Compare(VR2Area::Create(2, 6)), 0);
    EXPECT_FALSE(area->equal(VR2Area::Create(2, 6)));
    EXPECT_TRUE(area->equal(VR2Area::Create(3, 4)));
    EXPECT_FALSE(area->equal(nullptr));
    EXPECT_EQ(area->Operator_Compare(VR2Area::Create(3, 3)), 1);
    EXPECT_EQ(area->Operator_Compare(VR2Area::Create(5, 5)), -1);
    EXPECT_EQ(area->Operator_Compare(nullptr), -1);
    // Products wrap as 32-bit integers instead of overflowing.
    EXPECT_EQ(VR2Area::Create(65536, 65536)->Operator_Compare(VR2Area::Create(1, 1)), -1);

    auto copy = area->copy();
    area->setWidth(7);
    EXPECT_TRUE(copy->equal(VR2Area::Create(3, 4)));
}

TEST(VR2Area, EmptinessAndText)
{
    EXPECT_TRUE(VR2Area::Create(0, 10)->empty());
    EXPECT_TRUE(VR2Area::Create(10, -1)->empty());
    EXPECT_FALSE(VR2Area::Create(1, 1)->empty());
    EXPECT_EQ(VR2Area::Create(640, 480)->description(), "640,480");
    EXPECT_EQ(VR2Area::Create(0, 0)->description(), ",");
}
