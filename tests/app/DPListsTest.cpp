#include "MainViewFixture.h"

#include "app/DPDailyList.h"
#include "app/DPStatusContainer.h"
#include "app/ResourcePictures.h"
#include "support/PaintedView.h"
#include "toolkit/controls/VR2PictureView.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/controls/VR2StaticTextView.h"

#include <limits>

using platform::Color;

namespace {

// "Sun. 1st|1800|hit -200|12000|hit 2000": date, calories, calorie goal column, steps, steps goal column.
std::string Shown(const VR2View::Ref& row)
{
    const auto find = [&](const char* name) {
        return std::dynamic_pointer_cast<VR2Surface>(row)->FindViewByName(name, true, false);
    };
    const auto text = [&](const char* name) {
        return std::dynamic_pointer_cast<VR2StaticTextView>(find(name))->text;
    };
    const auto icon = [&](const char* name) {
        const auto shown = std::dynamic_pointer_cast<VR2PictureView>(find(name))->Contents;
        return shown == DPDailyList::GoalReachedPic() ? "hit "
               : shown == DPDailyList::GoalMissedPic() ? "missed "
               : shown == DPDailyList::GoalEmptyPic()  ? "empty "
                                                       : "? ";
    };
    return text("date_field") + "|" + text("calorie_field") + "|" + icon("calorie_goal_reached") +
           text("calorie_difference") + "|" + text("steps_field") + "|" + icon("steps_goal_reached") +
           text("steps_difference");
}

DPDailyRecord::Ref Day(int day, int calories = 0, bool calorieHit = false, int steps = 0, bool stepsHit = false)
{
    auto record = DPDailyRecord::Create();
    record->EntryDate = platform::Date::Create(2026, 11, day);
    record->CalorieTotal = calories;
    record->CalorieGoal = 2000;
    record->CalGoalReached = calorieHit;
    record->Steps = steps;
    record->StepsGoal = 10000;
    record->StepsGoalReached = stepsHit;
    return record;
}

// Totals and goals at the ends of Int32: the differences do not wrap round.
DPDailyRecord::Ref Extreme()
{
    auto record = Day(24, std::numeric_limits<int32_t>::max(), false, std::numeric_limits<int32_t>::min(), false);
    record->CalorieGoal = std::numeric_limits<int32_t>::min();
    record->StepsGoal = std::numeric_limits<int32_t>::max();
    return record;
}

}  // namespace

class DPListsTest : public MainViewFixture {};

TEST_F(DPListsTest, HistoryRowsShowTheDayItsGoalsAndTheirDistance)
{
    const auto list = Find<DPDailyList>("daily_list");
    const std::pair<DPDailyRecord::Ref, const char*> days[] = {
        {Day(1, 1800, true, 12000, true), "Sun. 1st|1800|hit -200|12000|hit 2000"},
        {Day(2, 2300, false, 7500, false), "Mon. 2nd|2300|missed 300|7500|missed 2500"},
        {Day(3, 0, true, 0, true), "Tue. 3rd|0|empty -|0|empty -"},
        {Day(11, 2000, false, 9000, true), "Wed. 11th|2000|missed 0|9000|hit -1000"},
        {Day(12, 1, true, 10000, false), "Thu. 12th|1|hit -1999|10000|missed 0"},
        {Day(13), "Fri. 13th|0|empty -|0|empty -"}, {Day(21), "Sat. 21st|0|empty -|0|empty -"},
        {Day(22), "Sun. 22nd|0|empty -|0|empty -"}, {Day(23), "Mon. 23rd|0|empty -|0|empty -"},
        {Extreme(), "Tue. 24th|2147483647|missed 4294967295|-2147483648|missed 4294967295"}};
    for (const auto& [day, shown] : days)
        list->AddRow(day, false);
    for (size_t index = 0; index < std::size(days); ++index) {
        SCOPED_TRACE(days[index].second);
        EXPECT_EQ(Shown(list->getViewList().at(index)), days[index].second);
        EXPECT_EQ(list->getViewList()[index]->top(), 0) << "nothing is laid out before ArrangeViews";
    }
    list->ArrangeViews(true);
    const auto shown = testsupport::ScreenPixels(*window);
    const auto at = [&](int x, int y) { return shown.pixel(At(list, x, y)) & 0xFFFFFF; };
    EXPECT_EQ(at(285, 30), 0xEEEEEEu) << "the second row's separator";
    EXPECT_NE(at(195, 12), 0xFFFFFFu) << "the first row's calorie icon";
    EXPECT_EQ(at(210, 12), 0xFFFFFFu) << "between the icon and the difference";
}

TEST_F(DPListsTest, HistoryRowsLeaveRoomForTheBarOnlyWhenTheyOverflow)
{
    const auto list = Find<DPDailyList>("daily_list");
    // Last row's width, document height and offset, the bars shown.
    const auto rows = [&] {
        const auto area = list->documentArea();
        return std::to_string(list->getViewList().back()->width()) + " " + std::to_string(area->height) + " " +
               std::to_string(area->top) + (list->verticalScrollbar()->Visible ? " bar" : "") +
               (list->horizontalScrollbar()->Visible ? " across" : "");
    };
    for (int day = 1; day <= 7; ++day)
        list->AddRow(Day(day), day == 7);
    EXPECT_EQ(rows(), "476 168 0") << "seven rows fill the list exactly";
    list->AddRow(Day(8), true);
    EXPECT_EQ(rows(), "460 192 0 bar");
    list->DoMouseWheel(100, 100, 0, 10);
    list->DeleteAllRows();
    EXPECT_EQ(list->documentArea()->height, 192) << "the document keeps its size until arranged";
    list->AddRow(Day(1), false);
    list->ArrangeViews(false);
    EXPECT_EQ(rows(), "476 24 0") << "scrolled to the end before, back in range now";
}

TEST_F(DPListsTest, TheStatusBarFetchesItsPictureOnceAndWithoutOneDrawsNothing)
{
    static int fetches = 0;
    DPStatusContainer::FetchHeaderFrom([] {
        ++fetches;
        return platform::Picture::Ref();
    });
    const auto status = DPStatusContainer::Create();
    status->resize(799, 89, false);
    EXPECT_EQ(testsupport::Painted(status).Ink(), 0);
    EXPECT_EQ(testsupport::Painted(status).Ink(), 0);
    EXPECT_EQ(fetches, 1);
    DPStatusContainer::FetchHeaderFrom(headerBackgroundPic);
    EXPECT_EQ(testsupport::Painted(status, VR2Rect::Create(0, 0, 1, 1)).At(400, 80),
              testsupport::PixelAt(headerBackgroundPic(), 400, 80));
}
