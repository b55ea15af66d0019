#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Region.h"

#include <gtest/gtest.h>

#include <limits>

using platform::NilObjectException;

namespace {

testing::AssertionResult Is(const VR2Rect::Ref& rect, int32_t left, int32_t top, int32_t width, int32_t height)
{
    if (rect->left == left && rect->top == top && rect->width == width && rect->height == height)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << rect->description();
}

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

}  // namespace

TEST(VR2Region, BoundingBoxSpansEveryMember)
{
    auto region = VR2Region::Create();
    region->append(VR2Rect::Create(10, 20, 30, 40));
    region->append(VR2Rect::Create(50, 5, 10, 10));
    EXPECT_EQ(region->left(), 10);
    EXPECT_EQ(region->top(), 5);
    EXPECT_EQ(region->right(), 60);
    EXPECT_EQ(region->bottom(), 60);
    EXPECT_EQ(region->width(), 50);
    EXPECT_EQ(region->height(), 55);
    EXPECT_TRUE(Is(region->getRect(), 10, 5, 50, 55));
    EXPECT_TRUE(region->equal(VR2Rect::Create(10, 5, 50, 55)));
    EXPECT_FALSE(region->equal(VR2Rect::Create(10, 5, 50, 54)));
    EXPECT_TRUE(region->area()->equal(VR2Area::Create(50, 55)));
    EXPECT_THROW(region->equal(nullptr), NilObjectException);

    // Far edges start from 0: a member at negative coordinates stretches the box to the origin.
    auto negative = VR2Region::Create();
    negative->append(VR2Rect::Create(-10, -20, 5, 5));
    EXPECT_TRUE(Is(negative->getRect(), -10, -20, 10, 20));
}

TEST(VR2Region, WithoutMembersEverythingIsEmptyAndFalse)
{
    auto region = VR2Region::Create();
    EXPECT_TRUE(region->empty());
    EXPECT_FALSE(region->intersects(VR2Rect::Create(0, 0, 100, 100)));
    EXPECT_FALSE(region->containsPoint(0, 0));
    EXPECT_FALSE(region->containsRect(0, 0, 0, 0));
    auto box = region->getRect();
    EXPECT_TRUE(Is(box, kMax, kMax, -kMax, -kMax));
    EXPECT_TRUE(box->empty());
    EXPECT_TRUE(region->area()->empty());
    // The identities right = left + width and bottom = top + height hold here too.
    EXPECT_EQ(box->right(), 0);
    EXPECT_EQ(box->bottom(), 0);
    region->offset(5, 5);
    region->offset(nullptr);
    EXPECT_TRUE(Is(region->getRect(), kMax, kMax, -kMax, -kMax));
}

TEST(VR2Region, AppendKeepsOutNilAndEmptyButTheArrayKeepsEmptyOnes)
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
