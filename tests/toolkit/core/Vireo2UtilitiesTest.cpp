#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "platform/Ticks.h"
#include "toolkit/core/Vireo2Utilities.h"

#include <gtest/gtest.h>

using namespace Vireo2Utilities;
using platform::Variant;

namespace {

struct Clicked : platform::Object {
    static std::shared_ptr<Clicked> Create() { return std::shared_ptr<Clicked>(new Clicked()); }
};

class ClickCounting : public testing::Test {
protected:
    // The series is process-wide: start from a click on something else.
    void SetUp() override { ClickAt(0, "elsewhere"); }
    void TearDown() override { platform::SetTicksForTesting(std::nullopt); }

    // Clicks object at the given tick; answers the result and the count seen.
    std::pair<bool, int32_t> ClickAt(int64_t tick, const Variant& object)
    {
        platform::SetTicksForTesting(tick);
        int32_t count = -1;
        const bool continues = VR2CheckClickCount(object, count);
        return {continues, count};
    }

    const int32_t interval = VR2DoubleClickTime();
    Variant a = Clicked::Create();
    Variant b = Clicked::Create();
};

}  // namespace

TEST_F(ClickCounting, ASeriesLastsOneIntervalFromItsFirstClick)
{
    ASSERT_GT(interval, 10);
    EXPECT_EQ(ClickAt(100, a), std::make_pair(false, -1));
    EXPECT_EQ(ClickAt(100 + interval - 10, a), std::make_pair(true, 2));
    EXPECT_EQ(ClickAt(100 + interval - 5, a), std::make_pair(true, 3));
    // Exactly one interval after the first click still counts.
    EXPECT_EQ(ClickAt(100 + interval, a), std::make_pair(true, 4));
    // One tick later a new series starts, timed from this click.
    EXPECT_EQ(ClickAt(101 + interval, a), std::make_pair(false, -1));
    EXPECT_EQ(ClickAt(102 + interval, a), std::make_pair(true, 2));
}

TEST_F(ClickCounting, AnotherObjectStartsANewSeries)
{
    EXPECT_FALSE(ClickAt(500, a).first);
    EXPECT_FALSE(ClickAt(501, b).first);
    EXPECT_FALSE(ClickAt(502, a).first);
    platform::SetTicksForTesting(503);
    EXPECT_TRUE(VR2CheckDoubleClick(a));
    EXPECT_TRUE(VR2CheckDoubleClick(a));
}

TEST(Vireo2Utilities, DictionariesFromPairsAndRectangleLists)
{
    auto d = VR2MakeDictionary({"text", 1, "color"});
    EXPECT_EQ(d->Count(), 1);
    EXPECT_EQ(d->Value("text").Int32Value(), 1);
    d = VR2MakeDictionary({"text", 1, "text", 2});
    EXPECT_EQ(d->Count(), 1);
    EXPECT_EQ(d->Value("text").Int32Value(), 2);
    EXPECT_EQ(VR2MakeDictionary({})->Count(), 0);

    auto first = VR2NewRect(1, 2, 3, 4);
    auto second = VR2NewRect(1, 2, 3, 4);
    auto list = VR2RectListToDictionary({first, second, first});
    EXPECT_EQ(list->Count(), 2);  // the same object once; equal values stay apart
    const auto back = VR2RectListFromDictionary(list);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], first);
    EXPECT_EQ(back[1], second);
    EXPECT_THROW(VR2RectListFromDictionary(nullptr), platform::NilObjectException);
    list->SetValue("text", nullptr);
    EXPECT_THROW(VR2RectListFromDictionary(list), platform::TypeMismatchException);
}

TEST(Vireo2Utilities, MessagesCodesAndMenuInfo)
{
    auto params = platform::Dictionary::Create();
    auto message = VR2MakeMessage("dp_event_food", platform::FourCC("nfud"), params);
    params->SetValue("food_name", "Apple");
    EXPECT_EQ(message->params, params);
    auto bare = VR2MakeMessage("x", 1, nullptr);
    ASSERT_TRUE(bare->params);
    EXPECT_EQ(bare->params->Count(), 0);

    EXPECT_EQ(VR2SelectorStringToInteger("top "), 0x746F7020);
    EXPECT_EQ(VR2SelectorStringToInteger("valuable"), 0x76616C75);
    EXPECT_EQ(VR2SelectorStringToInteger("ab"), 0x61620000);

    auto item = platform::MenuItem::Create("Cu&t", 5);
    item->Enabled = false;
    const auto info = VR2MenuItemToMenuInfo(item);
    EXPECT_FALSE(info->Enabled);
    EXPECT_EQ(info->Text, "Cu&t");
    EXPECT_EQ(info->Tag.Int32Value(), 5);
    EXPECT_THROW(VR2MenuItemToMenuInfo(nullptr), platform::NilObjectException);
}
