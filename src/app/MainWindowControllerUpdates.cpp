#include "app/MainWindowController.h"

#include "app/App.h"
#include "app/DPCodes.h"
#include "app/DPDailyList.h"
#include "app/DPFoodEntryList.h"
#include "platform/EventLoop.h"
#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "store/DiaryDB.h"
#include "toolkit/controls/VR2ChartBarControl.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Utilities.h"

using platform::Color;
using platform::Variant;
using VireoStandardProperties::kEmptyCountKey;
using VireoStandardProperties::kIntKey;
using VireoStandardProperties::kMaxKey;
using VireoStandardProperties::kOverColorKey;
using VireoStandardProperties::kTextKey;
using VireoStandardProperties::kValueColorKey;

namespace {

constexpr Color kGreen{0x39B449};
constexpr Color kRed{0xDE423F};
constexpr Color kBrightGreen{0x31FC4C};

// The whole per cent of part in whole, never a bare "%": "0%" for nothing
// yet, "-" when the goal is 0 or below and there is nothing to measure against.
std::string Percent(int32_t part, int32_t whole)
{
    if (whole <= 0)
        return "-";
    return platform::Format(static_cast<double>(part) / whole, "0%");
}

// "Calories to Goal: 500" while under the goal, else "Calories over Goal: 0".
// Computed wide, so that no pair of Int32 values overflows.
std::string ToGoal(int64_t value, int64_t goal, const char* under, const char* over)
{
    return goal > value ? under + platform::Str(goal - value) : over + platform::Str(value - goal);
}

}  // namespace

void MainWindowController::init()
{
    current_date = platform::Date::Now();
    contentView = MainWindow::Create();
    contentView->owner = std::dynamic_pointer_cast<VR2Object>(shared_from_this());
    SetProperty(dpcodes::kDateFieldLabel, kTextKey, current_date->LongDate());
    SetProperty(dpcodes::kMonthLabel, kTextKey, NameOfMonth(current_date->Month()) + " Goals");
    SetProperty(dpcodes::kCalorieBarDaily, kOverColorKey, kRed);
    SetProperty(dpcodes::kCalorieBarDaily, kValueColorKey, kGreen);
    SetProperty(dpcodes::kStepsBarDaily, kOverColorKey, kBrightGreen);
    SetProperty(dpcodes::kStepsBarDaily, kValueColorKey, kGreen);
    // Never shown, and the diary never read, unless its file passed the check.
    if (const auto app = TheApp(); app && !app->DiaryFileUsable())
        return;
    Update_GoalProgress_Calories(false);
    Update_GoalProgress_Steps(false);
    ReloadFoodList(false);
    ReloadDailyList(false);
    Update_MonthlyStats(false);
    Update_DailyStats(false);
    if (const auto field = Find(dpcodes::kFoodEntryField))
        field->changeFocus(codes::kFocusGive);
    contentView->Show();
}

std::string MainWindowController::NameOfMonth(int32_t month) const
{
    static const char* const kNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? kNames[month - 1] : "";
}

void MainWindowController::UpdateAll()
{
    Update_DateField(true);
    Update_GoalProgress_Calories(true);
    Update_GoalProgress_Steps(true);
    ReloadFoodList(true);
    ReloadDailyList(true);
    Update_MonthlyStats(true);
    Update_DailyStats(true);
}

void MainWindowController::Update_DateField(bool refresh)
{
    SetProperty(dpcodes::kDateFieldLabel, kTextKey, current_date->LongDate());
    if (refresh)
        Refresh(dpcodes::kDateFieldLabel);
}

void MainWindowController::Update_GoalProgress_Calories(bool refresh)
{
    if (const auto day = DiaryDB::GetDaily(current_date))
        FillGoalBar(dpcodes::kCalorieBarDaily, day->CalorieGoal, day->CalorieTotal, refresh);
}

void MainWindowController::Update_GoalProgress_Steps(bool refresh)
{
    if (const auto day = DiaryDB::GetDaily(current_date))
        FillGoalBar(dpcodes::kStepsBarDaily, day->StepsGoal, day->Steps, refresh);
}

void MainWindowController::FillGoalBar(const std::string& name, int32_t goal, int32_t value, bool refresh)
{
    SetProperty(name, kMaxKey, goal);
    SetProperty(name, kIntKey, value);
    if (refresh)
        Refresh(name);
}

void MainWindowController::Update_MonthlyStats(bool refresh)
{
    // The label names the month on view whatever the store answers.
    if (const auto stats = DiaryDB::GetMonthlyStats(current_date)) {
        FillChartBar(dpcodes::kCalorieBarMonthly, stats->CalEmpty, stats->CalHit, stats->CalMiss);
        if (refresh)
            Refresh(dpcodes::kCalorieBarMonthly);
        FillChartBar(dpcodes::kStepsBarMonthly, stats->StepEmpty, stats->StepHit, stats->StepMissed);
        if (refresh)
            Refresh(dpcodes::kStepsBarMonthly);
    }
    SetProperty(dpcodes::kMonthLabel, kTextKey, NameOfMonth(current_date->Month()) + " Goals");
    if (refresh)
        Refresh(dpcodes::kMonthLabel);
}

void MainWindowController::FillChartBar(const std::string& name, int32_t empty, int32_t hits, int32_t misses)
{
    const auto bar = Find(name);
    if (!bar)
        return;
    const auto self = std::dynamic_pointer_cast<VR2Object>(shared_from_this());
    auto send = [&](int32_t selector, const platform::Dictionary::Ref& params) {
        Vireo2Engine::VR2SendMessage(
            self, bar, Vireo2Utilities::VR2MakeMessage(VR2ChartBarControl::kCategory, selector, params));
    };
    // Without "redraw" the messages do not repaint; the property set does.
    send(VR2ChartBarControl::kReset, nullptr);
    VireoStandardProperties::VR2ObjectSetProperty(bar, kEmptyCountKey, empty);
    send(VR2ChartBarControl::kAddColor, Vireo2Utilities::VR2MakeDictionary({"color", kGreen, "count", hits}));
    send(VR2ChartBarControl::kAddColor, Vireo2Utilities::VR2MakeDictionary({"color", kRed, "count", misses}));
}

void MainWindowController::Update_DailyStats(bool refresh)
{
    const auto day = DiaryDB::GetDaily(current_date);
    if (!day)
        return;
    using platform::Str;
    SetProperty(dpcodes::kCalorieTotalLabel, kTextKey,
                Str(day->CalorieTotal) + " (" + Percent(day->CalorieTotal, day->CalorieGoal) + ")");
    SetProperty(dpcodes::kCalorieGoalField, kTextKey, day->CalorieGoal);
    SetProperty(dpcodes::kCaloriesToGoalLabel, kTextKey,
                ToGoal(day->CalorieTotal, day->CalorieGoal, "Calories to Goal: ", "Calories over Goal: "));
    SetProperty(dpcodes::kStepsToGoalLabel, kTextKey,
                ToGoal(day->Steps, day->StepsGoal, "Steps to Goal: ", "Steps Over Goal: "));
    SetProperty(dpcodes::kStepTotalLabel, kTextKey,
                "Total: " + Str(day->Steps) + " (" + Percent(day->Steps, day->StepsGoal) + ")");
    SetProperty(dpcodes::kStepGoalField, kTextKey, day->StepsGoal);
    // The other texts repaint themselves when set.
    if (refresh)
        Refresh(dpcodes::kStepGoalField);
}

void MainWindowController::ReloadFoodList(bool refresh)
{
    const auto list = std::dynamic_pointer_cast<DPFoodEntryList>(Find(dpcodes::kFoodEntryList));
    // The day's items at any time of it, without reading every item ever eaten.
    const auto items = list ? DiaryDB::GetFoodOfDay(current_date) : std::nullopt;
    if (!items)
        return;
    list->DeleteAllRows();
    for (const auto& item : *items) {
        list->AddRow(item->CaloricItem, item->CalVal, item->id, false);
        platform::YieldToEventLoop();
    }
    list->ArrangeRows(false);
    if (refresh)
        list->refresh();
}

void MainWindowController::ReloadDailyList(bool refresh)
{
    const auto list = std::dynamic_pointer_cast<DPDailyList>(Find(dpcodes::kDailyList));
    // The earlier days of the month on view, newest first: never the day itself, never a later one.
    const auto days = list ? DiaryDB::GetDaysOfMonthBefore(current_date) : std::nullopt;
    if (!days)
        return;
    list->DeleteAllRows();
    for (const auto& day : *days) {
        list->AddRow(day, false);
        platform::YieldToEventLoop();
    }
    list->ArrangeViews(false);
    if (refresh)
        list->refresh();
}

MainWindow& MainWindowController::Window() const { return platform::Require(contentView); }

VR2View::Ref MainWindowController::Find(const std::string& name) const
{
    return contentView ? contentView->FindViewByName(name, true, false) : nullptr;
}

void MainWindowController::SetProperty(const std::string& name, const Variant& key, const Variant& value) const
{
    if (const auto view = Find(name))
        VireoStandardProperties::VR2ObjectSetProperty(view, key, value);
}

void MainWindowController::Refresh(const std::string& name) const
{
    if (const auto view = Find(name))
        view->refresh();
}
