#include "app/DPCodes.h"
#include "app/DPDailyList.h"
#include "app/DPDailySeparatorBar.h"
#include "app/DPFoodEntryList.h"
#include "app/DPListHeader.h"
#include "app/DPStatusContainer.h"
#include "app/DPToolbarContainer.h"
#include "app/ResourcePictures.h"
#include "platform/Application.h"
#include "platform/Codes.h"
#include "support/Pixels.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/controls/VR2PictureView.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/hosts/VR2ContainerView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Holds a list and records, as "selector key=value ...", what reaches it.
class Holder : public VR2ContainerView {
public:
    std::vector<std::string> lines;

protected:
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        std::string line = platform::FourCCText(message->selector);
        for (const auto& key : message->params->Keys())
            line += " " + key.StringValue() + "=" + message->params->Value(key).StringValue();
        lines.push_back(line);
        message->result = codes::kResultHandled;
    }
};

std::string Text(const VR2View::Ref& row, const std::string& name)
{
    return std::dynamic_pointer_cast<VR2StaticTextView>(
               std::dynamic_pointer_cast<VR2Surface>(row)->FindViewByName(name, true, false))
        ->text;
}

platform::Picture::Ref Icon(const VR2View::Ref& row, const std::string& name)
{
    return std::dynamic_pointer_cast<VR2PictureView>(
               std::dynamic_pointer_cast<VR2Surface>(row)->FindViewByName(name, true, false))
        ->Contents;
}

DPDailyRecord::Ref Day(int day, int calories, int calorieGoal, bool calorieHit, int steps, int stepsGoal,
                       bool stepsHit)
{
    auto record = DPDailyRecord::Create();
    record->EntryDate = platform::Date::Create(2026, 11, day);
    record->CalorieTotal = calories;
    record->CalorieGoal = calorieGoal;
    record->CalGoalReached = calorieHit;
    record->Steps = steps;
    record->StepsGoal = stepsGoal;
    record->StepsGoalReached = stepsHit;
    return record;
}

}  // namespace

class DPListsTest : public ::testing::Test {
protected:
    struct TestApplication : platform::Application {};
    void SetUp() override { platform::Application::Register(std::make_shared<TestApplication>()); }
    void TearDown() override { platform::Application::Register(previous); }
    platform::Application::Ref previous = platform::Application::Current();
};

TEST_F(DPListsTest, HistoryRowsShowTheDayTheGoalsAndTheirDistance)
{
    auto list = DPDailyList::Create();
    list->resize(476, 168, false);
    const struct {
        DPDailyRecord::Ref day;
        std::vector<std::string> texts;  // date, calories, calorie difference, steps, steps difference
        platform::Picture::Ref calorieIcon, stepsIcon;
    } cases[] = {
        {Day(1, 1800, 2000, true, 12000, 10000, true), {"Sun. 1st", "1800", "-200", "12000", "2000"},
         DPDailyList::GoalReachedPic(), DPDailyList::GoalReachedPic()},
        {Day(2, 2300, 2000, false, 7500, 10000, false), {"Mon. 2nd", "2300", "300", "7500", "2500"},
         DPDailyList::GoalMissedPic(), DPDailyList::GoalMissedPic()},
        {Day(3, 0, 2000, true, 0, 10000, true), {"Tue. 3rd", "0", "-", "0", "-"}, DPDailyList::GoalEmptyPic(),
         DPDailyList::GoalEmptyPic()},
        {Day(11, 2000, 2000, false, 9000, 10000, true), {"Wed. 11th", "2000", "0", "9000", "-1000"},
         DPDailyList::GoalMissedPic(), DPDailyList::GoalReachedPic()},
        {Day(12, 1, 2000, true, 1, 1, true), {"Thu. 12th", "1", "-1999", "1", "0"}, DPDailyList::GoalReachedPic(),
         DPDailyList::GoalReachedPic()},
        {Day(13, 0, 0, false, 5, 0, false), {"Fri. 13th", "0", "-", "5", "-5"}, DPDailyList::GoalEmptyPic(),
         DPDailyList::GoalMissedPic()},
        {Day(21, 0, 0, false, 0, 0, false), {"Sat. 21st", "0", "-", "0", "-"}, DPDailyList::GoalEmptyPic(),
         DPDailyList::GoalEmptyPic()},
        {Day(22, 0, 0, false, 0, 0, false), {"Sun. 22nd", "0", "-", "0", "-"}, DPDailyList::GoalEmptyPic(),
         DPDailyList::GoalEmptyPic()},
        {Day(23, 0, 0, false, 0, 0, false), {"Mon. 23rd", "0", "-", "0", "-"}, DPDailyList::GoalEmptyPic(),
         DPDailyList::GoalEmptyPic()},
        {Day(30, 0, 0, false, 0, 0, false), {"Mon. 30th", "0", "-", "0", "-"}, DPDailyList::GoalEmptyPic(),
         DPDailyList::GoalEmptyPic()},
    };
    for (const auto& c : cases)
        list->AddRow(c.day, false);
    ASSERT_EQ(list->getViewList().size(), std::size(cases));
    const auto rows = list->getViewList();
    for (size_t index = 0; index < rows.size(); ++index) {
        const auto& c = cases[index];
        SCOPED_TRACE(c.texts[0]);
        const auto& row = rows[index];
        EXPECT_EQ((std::vector<std::string>{Text(row, "date_field"), Text(row, "calorie_field"),
                                            Text(row, "calorie_difference"), Text(row, "steps_field"),
                                            Text(row, "steps_difference")}),
                  c.texts);
        EXPECT_EQ(Icon(row, "calorie_goal_reached"), c.calorieIcon);
        EXPECT_EQ(Icon(row, "steps_goal_reached"), c.stepsIcon);
        EXPECT_EQ(row->top(), 0) << "nothing is laid out before ArrangeViews";
    }
    EXPECT_EQ(DPDailyList::GoalReachedPic(), DPDailyList::GoalReachedPic());
    EXPECT_NE(DPDailyList::GoalReachedPic(), DPDailyList::GoalMissedPic());
    auto date = platform::Date::Create(2027, 1, 31);
    EXPECT_EQ(list->date_converter(date), "Sun. 31st");
}

TEST_F(DPListsTest, HistoryRowsLeaveRoomForTheBarOnlyWhenTheyOverflow)
{
    auto list = DPDailyList::Create();
    list->resize(476, 168, false);
    const auto bar = list->verticalScrollbar();
    for (int day = 1; day <= 7; ++day)
        list->AddRow(Day(day, 0, 0, false, 0, 0, false), day == 7);
    EXPECT_EQ(list->getViewList().back()->width(), 476);
    EXPECT_EQ(list->getViewList().back()->top(), 144);
    EXPECT_FALSE(bar->Visible);
    {
        SCOPED_TRACE("an eighth row overflows");
        list->AddRow(Day(8, 0, 0, false, 0, 0, false), true);
        for (const auto& row : list->getViewList())
            EXPECT_EQ(row->width(), 460);
        EXPECT_TRUE(bar->Visible);
        EXPECT_EQ(list->documentArea()->height, 192);
    }
    {
        SCOPED_TRACE("scrolled to the end, then emptied and refilled with two rows");
        list->DoMouseWheel(100, 100, 0, 10);
        ASSERT_EQ(list->documentArea()->top, -24);
        list->DeleteAllRows();
        EXPECT_TRUE(list->getViewList().empty());
        EXPECT_EQ(list->documentArea()->height, 192) << "the document keeps its size until arranged";
        list->AddRow(Day(1, 0, 0, false, 0, 0, false), false);
        list->AddRow(Day(2, 0, 0, false, 0, 0, false), false);
        list->ArrangeViews(false);
        const auto area = list->documentArea();
        EXPECT_EQ(area->height, 48);
        EXPECT_EQ(area->top, 0);
        EXPECT_EQ(list->getViewList()[1]->width(), 476);
        EXPECT_FALSE(bar->Visible);
    }
}

TEST_F(DPListsTest, FoodRowsReportEditsWithTheirIds)
{
    auto holder = VR2View::Create<Holder>();
    auto list = DPFoodEntryList::Create();
    list->resize(272, 370, false);
    list->attach(std::static_pointer_cast<VR2Surface>(holder), false, false);
    for (const int32_t code : {dpcodes::kFoodName, dpcodes::kCalories}) {
        auto handler = VR2EventHandler::Create();
        handler->targetCode = codes::kTargetParent;
        handler->messageSelector = code;
        list->EventHandlerTable->addHandler(code, handler);
    }
    list->AddRow("Apple", 95, 7, false);
    list->AddRow("Apple", 95, 8, true);
    const auto rows = list->getViewList();
    ASSERT_EQ(rows.size(), 2u);
    const auto row = std::dynamic_pointer_cast<VR2Surface>(rows[1]);
    EXPECT_EQ(rows[1]->width(), 256);
    EXPECT_EQ(rows[1]->top(), 24);
    EXPECT_EQ(row->FindViewByName("food_name", true, false)->width(), 177);
    EXPECT_EQ(row->FindViewByName("cal_val", true, false)->bounds(codes::kSpaceLocal)->right(), 256);
    EXPECT_EQ(rows[1]->UserData(dpcodes::kFoodId, {}).Int32Value(), 8);

    const auto edit = [&](const std::string& name, const std::string& text) {
        const auto field = row->FindViewByName(name, true, false);
        VireoStandardProperties::VR2ObjectSetProperty(field, "text", text);
        auto params = platform::Dictionary::Create();
        params->SetValue(codes::kKeyValue, text);
        field->EventHandlerTable->triggerHandler(codes::kEventChanged, field, params);
    };
    edit("food_name", "Pear");
    edit("cal_val", " 120 ");
    edit("cal_val", "12O");
    EXPECT_EQ(holder->lines, (std::vector<std::string>{"food food_id=8 food_name=Pear",
                                                       "cals food_id=8 cal_amount=120",
                                                       "cals food_id=8 cal_amount=12O"}));
}

TEST_F(DPListsTest, StripsPaintTheirWholeArea)
{
    const auto paint = [](const VR2View::Ref& view, int width, int height) {
        view->resize(width, height, false);
        testsupport::Canvas canvas(width, height);
        auto g = VR2Graphics::Create(canvas.picture->Graphics());
        g->Width = width;
        g->Height = height;
        view->DoPaint(g, VR2Rect::Create(2, 2, 1, 1));
        return canvas;
    };
    using platform::Color;
    {
        SCOPED_TRACE("a list header: framed on three sides, gradient inside and along the bottom");
        const auto header = paint(DPListHeader::Create(), 30, 17);
        EXPECT_EQ(header.At(15, 0), Color{0x999999});
        EXPECT_EQ(header.At(0, 16), Color{0x999999});
        EXPECT_EQ(header.At(29, 8), Color{0x999999});
        EXPECT_EQ(header.At(15, 1), Color{0xD9D9D9});
        EXPECT_EQ(header.At(15, 16), Color{0xBCBCBC});
        EXPECT_EQ(paint(DPListHeader::Create(), 30, 1).At(15, 0), Color{0x999999});
    }
    {
        SCOPED_TRACE("a separator: flat");
        const auto bar = paint(DPDailySeparatorBar::Create(), 10, 24);
        EXPECT_EQ(bar.At(0, 0), Color{0xEEEEEE});
        EXPECT_EQ(bar.At(9, 23), Color{0xEEEEEE});
    }
    {
        SCOPED_TRACE("the toolbar: two gradients over its 26 rows");
        const auto toolbar = paint(DPToolbarContainer::Create(), 799, 26);
        EXPECT_EQ(toolbar.At(798, 0), Color{0x6C829A});
        EXPECT_EQ(toolbar.At(0, 12), Color{0xBBCCDB});
        EXPECT_NE(toolbar.At(400, 25), Color{0xFFFFFF});
    }
    {
        SCOPED_TRACE("the status bar: the header picture, fetched once; without one, nothing and no error");
        static int fetches = 0;
        DPStatusContainer::FetchHeaderFrom([] {
            ++fetches;
            return platform::Picture::Ref();
        });
        const auto status = DPStatusContainer::Create();
        EXPECT_EQ(paint(status, 799, 89).Ink(), 0);
        EXPECT_EQ(paint(status, 799, 89).Ink(), 0);
        EXPECT_EQ(fetches, 1);
        DPStatusContainer::FetchHeaderFrom(headerBackgroundPic);
        EXPECT_EQ(paint(status, 799, 89).At(400, 80), testsupport::PixelAt(headerBackgroundPic(), 400, 80));
    }
}
