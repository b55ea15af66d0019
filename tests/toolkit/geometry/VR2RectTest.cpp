#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2TagRect.h"

#include "RectIs.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

using platform::NilObjectException;

namespace {

std::vector<VR2Rect::Ref> RandomRects(int count)
{
    std::mt19937 random(1234);
    std::uniform_int_distribution<int32_t> position(-50, 50), size(-5, 40);
    std::vector<VR2Rect::Ref> rects;
    for (int i = 0; i < count; ++i)
        rects.push_back(VR2Rect::Create(position(random), position(random), size(random), size(random)));
    return rects;
}

}  // namespace

TEST(VR2Rect, ConstructorsTakeLeftFirstAndFarEdgesAreSums)
{
    auto rect = VR2Rect::Create(1, 2, 30, 40);
    EXPECT_EQ(rect->left, 1);
    EXPECT_EQ(rect->top, 2);
    EXPECT_EQ(rect->right(), 31);
    EXPECT_EQ(rect->bottom(), 42);
    EXPECT_TRUE(Is(VR2Rect::Create(30, 40), 0, 0, 30, 40));
    EXPECT_TRUE(Is(VR2Rect::Create(), 0, 0, 0, 0));
    EXPECT_TRUE(Is(VR2Rect::Create(10, 10, 100, 50)->deltaOfRect(VR2Rect::Create(4, 6, 100, 20)), 6, 4, 0, 30));

    // Setters of the far edges change the size only, and may make it negative.
    auto narrow = VR2Rect::Create(10, 0, 5, 5);
    narrow->setRight(3);
    narrow->setBottom(20);
    EXPECT_TRUE(Is(narrow, 10, 0, -7, 20));
    EXPECT_TRUE(narrow->empty());

    EXPECT_EQ(VR2Rect::Create(std::numeric_limits<int32_t>::max(), 0, 1, 1)->right(),
              std::numeric_limits<int32_t>::min());
}

TEST(VR2Rect, OverlapHasClosedEdgesAndNoEmptinessTest)
{
    auto box = VR2Rect::Create(0, 0, 10, 10);
    EXPECT_TRUE(box->intersects(VR2Rect::Create(10, 10, 5, 5)));
    EXPECT_TRUE(box->intersects(-5, -5, 5, 5));
    EXPECT_FALSE(box->intersects(11, 0, 5, 5));
    EXPECT_FALSE(box->intersects(0, -6, 5, 5));
    EXPECT_TRUE(box->intersects(VR2Rect::Create(5, 5, 0, 0)));
    EXPECT_TRUE(box->containsRect(VR2Rect::Create(5, 5, 0, 0)));
    EXPECT_TRUE(Is(box->intersection(VR2Rect::Create(10, 10, 5, 5)), 10, 10, 0, 0));
    EXPECT_TRUE(Is(box->intersection(VR2Rect::Create(20, 0, 5, 5)), 20, 0, -10, 5));

    // The five forms of the other rectangle agree.
    auto point = VR2Point::Create(5, 6);
    auto area = VR2Area::Create(20, 2);
    EXPECT_TRUE(Is(box->intersection(point, area), 5, 6, 5, 2));
    EXPECT_TRUE(Is(box->intersection(point, 20, 2), 5, 6, 5, 2));
    EXPECT_TRUE(Is(box->intersection(5, 6, area), 5, 6, 5, 2));
    EXPECT_TRUE(Is(box->intersection(5, 6, 20, 2), 5, 6, 5, 2));
    EXPECT_TRUE(box->intersects(point, area) && box->intersects(point, 1, 1) && box->intersects(5, 6, area));
    EXPECT_FALSE(box->intersects(VR2Point::Create(11, 0), 1, 1));
    EXPECT_FALSE(box->containsRect(point, area));
    EXPECT_FALSE(box->containsRect(5, 6, area));
    EXPECT_TRUE(box->containsRect(5, 6, 5, 4));
}

TEST(VR2Rect, IntersectionLiesInsideBothAndUnionCoversBoth)
{
    const auto rects = RandomRects(40);
    for (const auto& a : rects) {
        for (const auto& b : rects) {
            auto common = a->intersection(b);
            EXPECT_EQ(a->intersects(b), b->intersects(a));
            if (!common->empty()) {
                EXPECT_TRUE(a->containsRect(common) && b->containsRect(common) && a->intersects(b));
            }
            auto both = a->copy();
            both->expand(b);
            EXPECT_TRUE(both->containsRect(a) && both->containsRect(b));
            // The union is the smallest such box: each edge comes from one of the two.
            EXPECT_TRUE(both->left == a->left || both->left == b->left);
            EXPECT_TRUE(both->bottom() == a->bottom() || both->bottom() == b->bottom());
        }
    }
}

TEST(VR2Rect, PointsOnEveryEdgeAreInside)
{
    auto box = VR2Rect::Create(0, 0, 10, 10);
    EXPECT_TRUE(box->containsPoint(10, 10));
    EXPECT_TRUE(box->containsPoint(VR2Point::Create(0, 0)));
    EXPECT_FALSE(box->containsPoint(5, -1));
    int columns = 0;
    for (int x = -5; x < 20; ++x)
        columns += box->containsPoint(x, 5) ? 1 : 0;
    EXPECT_EQ(columns, 11);

    // An empty rectangle contains no point, and decides before it reads one.
    auto flat = VR2Rect::Create(0, 0, 0, 10);
    EXPECT_FALSE(flat->containsPoint(0, 0));
    EXPECT_FALSE(flat->containsPoint(VR2Point::Ref()));
    EXPECT_THROW(box->containsPoint(VR2Point::Ref()), NilObjectException);
}

TEST(VR2Rect, TextFormWritesZeroAsEmptyAndReadsBack)
{
    EXPECT_EQ(VR2Rect::Create(10, 20, 300, 40)->description(), "10,20,300,40");
    EXPECT_EQ(VR2Rect::Create(0, 5, 10, 0)->description(), ",5,10,");
    EXPECT_EQ(VR2Rect::Create(-3, 0, 0, -7)->description(), "-3,,,-7");
    for (const auto& rect : RandomRects(50))
        EXPECT_TRUE(VR2Rect::Create(rect->description())->equal(rect)) << rect->description();

    EXPECT_TRUE(Is(VR2Rect::Create(std::string("5,6,7,8")), 5, 6, 7, 8));
    EXPECT_TRUE(Is(VR2Rect::Create(std::string("30,40")), 0, 0, 30, 40));
    EXPECT_TRUE(Is(VR2Rect::Create(std::string("1,2,3")), 0, 0, 0, 0));
    EXPECT_TRUE(Is(VR2Rect::Create(std::string("")), 0, 0, 0, 0));
    EXPECT_TRUE(Is(VR2Rect::Create(std::string("a,2.9,-2.9,1e12")), 0, 2, -2, 2147483647));
}

TEST(VR2Rect, ChangesAreSharedByEveryHolderUntilCopied)
{
    auto frame = VR2Rect::Create(1, 2, 3, 4);
    auto alias = frame;
    auto own = frame->copy();
    alias->offset(10, 10);
    alias->expand(5, 5, nullptr);
    EXPECT_TRUE(Is(frame, 11, 12, 8, 9));
    EXPECT_TRUE(Is(own, 1, 2, 3, 4));

    // Answers are new objects, never the receiver.
    EXPECT_NE(frame->intersection(frame), frame);
    frame->position()->x = 99;
    frame->bottomRight()->y = 99;
    EXPECT_TRUE(Is(frame, 11, 12, 8, 9));
    EXPECT_TRUE(frame->topRight()->equal(VR2Point::Create(19, 12)));
    frame->setPosition(nullptr);
    EXPECT_TRUE(Is(frame, 0, 0, 8, 9));

    auto tagged = VR2TagRect::Create(16, 16);
    tagged->Tag = "thumb";
    VR2Rect::Ref plain = tagged->copy();
    EXPECT_EQ(std::dynamic_pointer_cast<VR2TagRect>(plain), nullptr);
    EXPECT_TRUE(plain->equal(tagged) && tagged->equal(plain));
}

TEST(VR2Rect, ExpandGrowsDownRightOrAboutTheCentre)
{
    auto grown = VR2Rect::Create(10, 10, 20, 20);
    grown->expand(5, 5, nullptr);
    EXPECT_TRUE(Is(grown, 10, 10, 25, 25));

    auto sides = VR2Pinning::Create();
    sides->LockAllSides();
    auto still = VR2Rect::Create(10, 10, 20, 20);
    still->expand(5, 5, sides);
    EXPECT_TRUE(Is(still, 10, 10, 20, 20));

    auto centring = VR2Pinning::Create();
    centring->Center_Vertical = true;
    auto centred = VR2Rect::Create(10, 10, 20, 20);
    centred->expand(5, 5, centring);
    EXPECT_TRUE(Is(centred, 10, 7, 20, 25));  // 10 - 2.5 truncates to 7
    centring->Center_Horizontal = true;
    centred->expand(-6, -5, centring);
    EXPECT_TRUE(Is(centred, 13, 9, 14, 20));  // 7 + 2.5 truncates to 9
}

TEST(VR2Rect, UnionAndAccumulatingUnionDifferOnlyInTheStartEdges)
{
    auto fresh = VR2Rect::Create();
    fresh->expand(VR2Rect::Create(10, 10, 5, 5));
    EXPECT_TRUE(Is(fresh, 0, 0, 15, 15));

    auto accumulated = VR2Rect::Create();
    accumulated->addRect(VR2Rect::Create(10, 10, 5, 5));
    EXPECT_TRUE(Is(accumulated, 10, 10, 5, 5));
    accumulated->addRect(VR2Rect::Create(30, 2, 5, 5));
    EXPECT_TRUE(Is(accumulated, 10, 2, 25, 13));
}

TEST(VR2Rect, ResizeKeepsTheCornerOppositeTheDraggedOne)
{
    auto source = VR2Rect::Create(100, 100, 10, 50);
    auto rect = VR2Rect::Create();
    rect->resize(source, VR2Rect::kCornerTopLeft, 40, 20);
    EXPECT_TRUE(Is(rect, 70, 100, 40, 50));
    rect->resize(source, VR2Rect::kCornerBottomRight, 40, 20);
    EXPECT_TRUE(Is(rect, 100, 100, 40, 50));
    rect->resize(source, 0x61626364, 40, 20);
    EXPECT_TRUE(Is(rect, 100, 100, 10, 50));
    rect->resize(VR2Rect::Create(100, 100, 60, 5), VR2Rect::kCornerTopRight, 40, 20);
    EXPECT_TRUE(Is(rect, 100, 85, 60, 20));
    rect->resize(VR2Rect::Create(100, 100, 5, 5), VR2Rect::kCornerBottomLeft, 40, 20);
    EXPECT_TRUE(Is(rect, 65, 100, 40, 20));
}

TEST(VR2Rect, NilArgumentsRaiseOnlyWhenReadAndBeforeAnyWrite)
{
    auto rect = VR2Rect::Create(10, 10, 10, 10);
    const VR2Rect::Ref noRect;
    const VR2Point::Ref noPoint;
    const VR2Area::Ref noArea;
    EXPECT_THROW(rect->equal(noRect), NilObjectException);
    EXPECT_THROW(rect->intersects(noRect), NilObjectException);
    EXPECT_THROW(rect->intersection(noPoint, 1, 1), NilObjectException);
    EXPECT_THROW(rect->intersects(1, 1, noArea), NilObjectException);
    EXPECT_THROW(rect->deltaOfRect(noRect), NilObjectException);
    EXPECT_THROW(rect->resize(noRect, VR2Rect::kCornerTopLeft, 1, 1), NilObjectException);
    EXPECT_THROW(rect->offset(noPoint), NilObjectException);
    EXPECT_THROW(rect->expand(noRect), NilObjectException);
    EXPECT_THROW(rect->addRect(noRect), NilObjectException);
    EXPECT_TRUE(Is(rect, 10, 10, 10, 10));

    // containsRect tests top, then left, before it reads the size.
    EXPECT_FALSE(rect->containsRect(15, 5, noArea));
    EXPECT_FALSE(rect->containsRect(5, 15, noArea));
    EXPECT_THROW(rect->containsRect(15, 15, noArea), NilObjectException);
    EXPECT_FALSE(rect->containsRect(VR2Point::Create(5, 15), noArea));
    EXPECT_THROW(rect->containsRect(noPoint, VR2Area::Create(1, 1)), NilObjectException);
}
