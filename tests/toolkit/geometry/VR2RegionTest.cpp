#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Region.h"

#include "RectIs.h"

#include <gtest/gtest.h>

#include <limits>

using platform::NilObjectException;

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

}  // namespace

TEST(VR2Region, BoundingBoxSpansEveryMemberWithFarEdgesFromTheOrigin)
{
    auto region = VR2Region::Create();
    region->append(VR2Rect::Create(10, 20, 30, 40));
    region->append(VR2Rect::Create(50, 5, 10, 10));
    EXPECT_EQ(region->right(), 60);
    EXPECT_EQ(region->bottom(), 60);
    EXPECT_TRUE(Is(region->getRect(), 10, 5, 50, 55));
    EXPECT_TRUE(region->equal(VR2Rect::Create(10, 5, 50, 55)));
    EXPECT_FALSE(region->equal(VR2Rect::Create(10, 5, 50, 54)));
    EXPECT_TRUE(region->area()->equal(VR2Area::Create(50, 55)));
    EXPECT_THROW(region->equal(nullptr), NilObjectException);

    auto negative = VR2Region::Create();
    negative->append(VR2Rect::Create(-10, -20, 5, 5));
    EXPECT_TRUE(Is(negative->getRect(), -10, -20, 10, 20));

    // Without members: an empty box whose far edges are still left + width and top + height.
    auto none = VR2Region::Create();
    auto box = none->getRect();
    EXPECT_TRUE(Is(box, kMax, kMax, -kMax, -kMax));
    EXPECT_TRUE(none->area()->empty());
    EXPECT_TRUE(none->empty());
    EXPECT_FALSE(none->intersects(VR2Rect::Create(0, 0, 100, 100)));
    EXPECT_FALSE(none->containsPoint(0, 0));
    EXPECT_FALSE(none->containsRect(0, 0, 0, 0));
    none->offset(nullptr);  // nothing to move, so the point is never read
}

TEST(VR2Region, AppendKeepsOutNilAndEmptyButTheArrayOnlyNil)
{
    auto region = VR2Region::Create();
    region->append(nullptr);
    region->append(VR2Rect::Create(5, 5, 0, 10));
    region->append(VR2Rect::Create(5, 5, 10, -1));
    EXPECT_TRUE(Is(region->getRect(), kMax, kMax, -kMax, -kMax));

    auto fromArray = VR2Region::Create({VR2Rect::Create(5, 5, 0, 0)});
    EXPECT_TRUE(Is(fromArray->getRect(), 5, 5, 0, 0));
    EXPECT_TRUE(fromArray->empty());

    // A nil element is dropped rather than left to break every later question.
    auto withNil = VR2Region::Create({VR2Rect::Create(1, 1, 2, 2), nullptr, VR2Rect::Create(4, 4, 2, 2)});
    EXPECT_TRUE(Is(withNil->getRect(), 1, 1, 5, 5));
    EXPECT_TRUE(withNil->containsPoint(6, 6));
    withNil->offset(1, 1);
    EXPECT_FALSE(withNil->empty());
}

TEST(VR2Region, MemberTestsAskOneMemberAtATime)
{
    auto region = VR2Region::Create({VR2Rect::Create(0, 0, 10, 10), VR2Rect::Create(10, 0, 10, 10)});
    EXPECT_FALSE(region->containsRect(5, 0, 10, 10));
    EXPECT_TRUE(region->containsRect(12, 1, 5, 5));
    EXPECT_TRUE(region->containsPoint(10, 5));
    EXPECT_TRUE(region->containsPoint(VR2Point::Create(20, 10)));
    EXPECT_FALSE(region->containsPoint(21, 5));
    EXPECT_TRUE(region->intersects(20, 10, 5, 5));
    EXPECT_FALSE(region->intersects(VR2Point::Create(21, 0), VR2Area::Create(5, 5)));
    EXPECT_THROW(region->intersects(VR2Rect::Ref()), NilObjectException);
    EXPECT_THROW(region->offset(VR2Point::Ref()), NilObjectException);
    EXPECT_TRUE(Is(region->getRect(), 0, 0, 20, 10));
}

TEST(VR2Region, MembersAreSharedWithTheirOtherHolders)
{
    auto rect = VR2Rect::Create(0, 0, 10, 10);
    auto region = VR2Region::Create();
    region->append(rect);
    rect->offset(5, 5);
    EXPECT_TRUE(Is(region->getRect(), 5, 5, 10, 10));
    region->offset(VR2Point::Create(5, 5));
    EXPECT_TRUE(Is(rect, 10, 10, 10, 10));
}
