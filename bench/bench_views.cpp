// The main window's views, each until its pixels are in a shown 799 x 559
// window (goal for each median: within half a 16.7 ms frame, 8.3 ms):
// 1. building the whole view tree, attaching it and painting it;
// 2. refilling the food list with 20 items (DeleteAllRows, 20 AddRow, ArrangeRows, repaint);
// 3. refilling the history list with 31 days (DeleteAllRows, 31 AddRow, ArrangeViews(True)).
// With --show SECONDS it only shows the window filled with a made-up day, to be looked at.
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "app/DPCodes.h"
#include "app/DPDailyList.h"
#include "app/DPFoodEntryList.h"
#include "app/DPMainView.h"
#include "platform/Application.h"
#include "platform/TestSeam.h"
#include "toolkit/controls/VR2ChartBarControl.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/hosts/VR2Application.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using VireoStandardProperties::VR2ObjectSetProperty;

namespace {

constexpr int kRounds = 101;
constexpr double kGoalMicros = 8333.0;

const char* const kFoods[] = {"Porridge with honey", "Coffee, milk", "Banana", "Chicken salad sandwich",
                              "Apple", "Green tea", "Spaghetti bolognese", "Dark chocolate (2 squares)",
                              "Orange juice", "Yoghurt"};
const int kCalories[] = {310, 45, 105, 430, 95, 2, 680, 110, 120, 150};

void Set(const VR2HostWindow::Ref& window, const char* name, const char* key, const platform::Variant& value)
{
    VR2ObjectSetProperty(window->FindViewByName(name, true, false), key, value);
}

template <typename T>
std::shared_ptr<T> Find(const VR2HostWindow::Ref& window, const char* name)
{
    return std::dynamic_pointer_cast<T>(window->FindViewByName(name, true, false));
}

void FillFood(const DPFoodEntryList::Ref& list, int items)
{
    list->DeleteAllRows();
    for (int index = 0; index < items; ++index)
        list->AddRow(kFoods[index % 10], kCalories[index % 10], 100 + index, false);
    list->ArrangeRows(false);
}

// Days of November 2026 before the 30th, newest first.
void FillHistory(const DPDailyList::Ref& list, int days)
{
    list->DeleteAllRows();
    for (int index = 0; index < days; ++index) {
        auto record = DPDailyRecord::Create();
        record->EntryDate = platform::Date::Create(2026, 11, 29 - index % 29);
        record->CalorieGoal = 2000;
        record->StepsGoal = 10000;
        record->CalorieTotal = index % 7 == 3 ? 0 : 1500 + (index * 173) % 1100;
        record->CalGoalReached = record->CalorieTotal < 2000;
        record->Steps = index % 5 == 4 ? 0 : 4000 + (index * 1931) % 9000;
        record->StepsGoalReached = record->Steps >= 10000;
        list->AddRow(record, false);
    }
    list->ArrangeViews(false);
}

// What the controller would show for a made-up day.
void FillDay(const VR2HostWindow::Ref& window)
{
    Set(window, dpcodes::kDateFieldLabel, "text", "Monday, November 30, 2026");
    Set(window, dpcodes::kMonthLabel, "text", "November Goals");
    Set(window, dpcodes::kCalorieTotalLabel, "text", "1667 (83%)");
    Set(window, dpcodes::kCalorieGoalField, "text", 2000);
    Set(window, dpcodes::kCaloriesToGoalLabel, "text", "Calories to Goal: 333");
    Set(window, dpcodes::kStepsToGoalLabel, "text", "Steps Over Goal: 2450");
    Set(window, dpcodes::kStepTotalLabel, "text", "Total: 12450 (125%)");
    Set(window, dpcodes::kStepGoalField, "text", 10000);
    for (const auto& [name, over, max, value] : {std::tuple{dpcodes::kCalorieBarDaily, 0xDE423F, 2000, 1667},
                                                 {dpcodes::kStepsBarDaily, 0x31FC4C, 10000, 12450}}) {
        Set(window, name, "over_color", platform::Color{over});
        Set(window, name, "value_color", platform::Color{0x39B449});
        Set(window, name, "max", max);
        Set(window, name, "int", value);
    }
    for (const auto& [name, hit] : {std::pair{dpcodes::kCalorieBarMonthly, 18}, {dpcodes::kStepsBarMonthly, 9}}) {
        const auto bar = window->FindViewByName(name, true, false);
        for (const auto& [color, count] : {std::pair{0x39B449, hit}, {0xDE423F, 29 - hit}})
            Vireo2Engine::VR2SendMessage(nullptr, bar,
                                         Vireo2Utilities::VR2MakeMessage(
                                             "vr2chartbarcontrol", VR2ChartBarControl::kAddColor,
                                             Vireo2Utilities::VR2MakeDictionary(
                                                 {"color", platform::Color{color}, "count", count})));
    }
    Set(window, dpcodes::kStepsEntryField, "text", "");
    FillFood(Find<DPFoodEntryList>(window, dpcodes::kFoodEntryList), 8);
    FillHistory(Find<DPDailyList>(window, dpcodes::kDailyList), 12);
}

VR2HostWindow::Ref MakeWindow()
{
    auto window = VR2HostWindow::Create();
    window->Width(799);
    window->Height(559);
    return window;
}

VR2ContainerView::Ref AttachTree(const VR2HostWindow::Ref& window)
{
    auto root = DPMainView::init();
    root->Pinning->LockAllSides();
    root->attach(window, false, false);
    return root;
}

bool Shows(const VR2HostWindow::Ref& window, int x, int y, unsigned rgb)
{
    const QImage shown = Shown(*window);
    return (shown.pixel(x, y) & 0xFFFFFF) == rgb;
}

void Report(const char* what, double micros, bool shown)
{
    std::printf("%-52s %7.1f us (median of %d), %.2f of the goal%s\n", what, micros, kRounds, micros / kGoalMicros,
                shown ? "" : "  [NOT on screen]");
}

}  // namespace

int main(int argc, char** argv)
{
    const bool show = argc > 2 && std::strcmp(argv[1], "--show") == 0;
    const HeadlessRun headless("views");
    QApplication qt(argc, argv);
    Vireo2Theme::RegisterStandardTheme();
    const auto application = VR2Application::Create();
    application->standardVireoSetup();
    platform::Application::Register(application);

    auto window = MakeWindow();
    auto root = AttachTree(window);
    FillDay(window);
    if (show) {
        window->Left(0);
        window->Top(0);
    }
    window->Show();
    if (show) {
        Settle(std::atoi(argv[2]) * 1000);
        window->Close();
        platform::Application::Register(nullptr);
        return 0;
    }
    Settle();

    // The tree alone, as the window opens: built, attached and painted whole.
    const double build = MedianMicroseconds(
        [&] {
            root->detach(false, false);
            root = AttachTree(window);
            root->refresh();
        },
        kRounds);
    // The list header's top edge and the toolbar's first row.
    Report("tree built, attached and painted:", build, Shows(window, 30, 152, 0x999999));

    FillDay(window);
    root->refresh();
    const auto food = Find<DPFoodEntryList>(window, dpcodes::kFoodEntryList);
    const double refillFood = MedianMicroseconds(
        [&] {
            FillFood(food, 20);
            food->refresh();
        },
        kRounds);
    Report("food list refilled, 20 items:", refillFood, food->count() == 20 && !Shows(window, 30, 180, 0xFFFFFF));

    const auto history = Find<DPDailyList>(window, dpcodes::kDailyList);
    const double refillHistory = MedianMicroseconds(
        [&] {
            FillHistory(history, 31);
            history->refresh();
        },
        kRounds);
    Report("history list refilled, 31 days:", refillHistory,
           history->getViewList().size() == 31 && Shows(window, 303 + 280 + 5, 115 + 256 + 10, 0xEEEEEE));
    window->Close();
    platform::Application::Register(nullptr);
    return 0;
}
