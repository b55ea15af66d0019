#include "DiaryWindowFixture.h"

#include "app/DPCodes.h"
#include "app/DPDailyList.h"
#include "app/DPFoodEntryList.h"
#include "platform/Codes.h"
#include "platform/Text.h"
#include "store/DiaryDB.h"

namespace {

std::shared_ptr<DPFoodEntryList> FoodList(const VR2View::Ref& view)
{
    return std::dynamic_pointer_cast<DPFoodEntryList>(view);
}

}  // namespace

TEST_F(DiaryWindowTest, OpensOnTodayAndAddsFoodAndStepsBothWays)
{
    EXPECT_EQ(window->Title(), "Di Rizezoz");
    EXPECT_EQ(std::vector<int32_t>({window->Width(), window->Height()}), std::vector<int32_t>({799, 559}));
    EXPECT_TRUE(app->AutoQuit());
    EXPECT_EQ(Text("date_field_label"), "Friday, January 1, 2027");
    EXPECT_EQ(Text("month_label"), "January Goals");
    EXPECT_EQ(Status(), Lines({"0 (0%)", "2000", "Calories to Goal: 2000", "Steps to Goal: 10000", "Total: 0 (0%)",
                               "10000"}));
    EXPECT_EQ(Query("SELECT entry_date, cal_goal, step_goal FROM daily"), Rows({{"2027-01-01", "2000", "10000"}}));
    const auto food = View("food_entry_field");
    EXPECT_TRUE(food->hasFocus());
    {
        SCOPED_TRACE("Return in the calorie field; then the add button with negative calories");
        Type("Apple");
        Key(Qt::Key_Tab);
        Type("95");
        Key(Qt::Key_Return);
        Type("Tea");
        Key(Qt::Key_Tab);
        Type("-5");
        Press(kAddFood);
        EXPECT_EQ(Messages(), Lines());
        EXPECT_EQ(Query("SELECT caloric_item, cal_val, eaten_date FROM food ORDER BY id"),
                  Rows({{"Apple", "95", "2027-01-01"}, {"Tea", "-5", "2027-01-01"}}));
        EXPECT_EQ(Query("SELECT calorie_total, cal_goal_reached FROM daily"), Rows({{"90", "1"}}));
        EXPECT_EQ(Lines({Text("food_entry_field"), Text("calorie_entry_field")}), Lines({"", ""}));
        EXPECT_TRUE(food->hasFocus());
        const auto rows = FoodList(View("food_entry_list"))->getViewList();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(Lines({Text("food_name", rows[1]), Text("cal_val", rows[1])}), Lines({"Tea", "-5"}));
        EXPECT_EQ(Status()[0], "90 (5%)");
        EXPECT_EQ(Status()[2], "Calories to Goal: 1910");
    }
    SCOPED_TRACE("Return in the steps field, then the add-steps button up to the goal exactly");
    Click(View("steps_entry_field"));
    Type("4000");
    Key(Qt::Key_Return);
    EXPECT_EQ(Status()[4], "Total: 4000 (40%)");
    Type("6000");
    Press(kAddSteps);
    EXPECT_EQ(Query("SELECT steps, steps_goal_reached FROM daily"), Rows({{"10000", "1"}}));
    EXPECT_EQ(Text("steps_entry_field"), "");
    EXPECT_EQ(Status(), Lines({"90 (5%)", "2000", "Calories to Goal: 1910", "Steps Over Goal: 0",
                               "Total: 10000 (100%)", "10000"}));
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryWindowTest, EditsGoalsAndRowsInPlaceAndDeletesSelectedRowsWithBackspaceOnly)
{
    for (const auto& [name, calories] : {std::pair{"Apple", 95}, {"Soup", 300}, {"Bread", 200}}) {
        Type(name);
        Key(Qt::Key_Tab);
        Type(platform::Str(calories));
        Key(Qt::Key_Return);
    }
    {
        SCOPED_TRACE("both goals; a goal equal to the total");
        EditInPlace(View("dailyStat_calGoal"), "595");
        EditInPlace(View("dailyStat_stepGoal"), "0");
        EXPECT_EQ(Query("SELECT cal_goal, step_goal FROM daily"), Rows({{"595", "0"}}));
        EXPECT_EQ(Status(), Lines({"595 (100%)", "595", "Calories over Goal: 0", "Steps Over Goal: 0",
                                   "Total: 0 (-)", "0"}));
    }
    const auto list = FoodList(View("food_entry_list"));
    auto rows = list->getViewList();
    {
        SCOPED_TRACE("a row's name and calories: select the row, then edit its field");
        Click(rows[0], 190);
        EditInPlace(View("food_name", rows[0]), "Green apple");
        EditInPlace(View("cal_val", rows[0]), "120");
        EXPECT_EQ(Query("SELECT caloric_item, cal_val FROM food ORDER BY id LIMIT 1"), Rows({{"Green apple", "120"}}));
        EXPECT_EQ(Query("SELECT calorie_total FROM daily"), Rows({{"620"}}));
        EXPECT_EQ(Status()[0], "620 (104%)");
    }
    SCOPED_TRACE("two selected rows: forward Delete keeps them, Backspace deletes both");
    Click(list);  // below the rows: nothing selected, the list has the focus
    Click(rows[0], 190);
    list->SelectRow(2, true);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Query("SELECT count(*) FROM food"), Rows({{"3"}}));
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Query("SELECT caloric_item FROM food"), Rows({{"Soup"}}));
    EXPECT_EQ(Query("SELECT calorie_total FROM daily"), Rows({{"300"}}));
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(Status()[2], "Calories to Goal: 295");
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryWindowTest, RefusesWhatIsNotANumberAndShowsWhatTheStoreHolds)
{
    const std::string missing = "Either the food name or the calorie amount was missing.";
    for (const auto& [name, calories] : {std::pair{"", "100"}, {"Pear", "1o0"}, {"Pear", "0"}, {"Pear", "9999999999"}}) {
        SCOPED_TRACE(std::string(name) + " / " + calories);
        Fill("food_entry_field", name);
        Fill("calorie_entry_field", calories);
        Key(Qt::Key_Return);
        EXPECT_EQ(Messages(), Lines({missing}));
        EXPECT_EQ(Lines({Text("food_entry_field"), Text("calorie_entry_field")}), Lines({name, calories}));
    }
    EXPECT_EQ(Query("SELECT count(*) FROM food"), Rows({{"0"}}));
    {
        SCOPED_TRACE("steps: a typo keeps its text, 0 clears the field");
        Click(View("steps_entry_field"));
        Type("12x");
        Key(Qt::Key_Return);
        EXPECT_EQ(Messages(), Lines({"Error updating the steps."}));
        EXPECT_EQ(Text("steps_entry_field"), "12x");
        Type(" 0 ");
        Key(Qt::Key_Return);
        EXPECT_EQ(Messages(), Lines());
        EXPECT_EQ(Text("steps_entry_field"), "");
        EXPECT_EQ(Query("SELECT steps FROM daily"), Rows({{"0"}}));
    }
    for (const char* goal : {"dailyStat_calGoal", "dailyStat_stepGoal"}) {
        SCOPED_TRACE(goal);
        EditInPlace(View(goal), "2k");
        EXPECT_EQ(Messages(), Lines({"Couldn't update goal."}));
    }
    EXPECT_EQ(Status(), Lines({"0 (0%)", "2000", "Calories to Goal: 2000", "Steps to Goal: 10000", "Total: 0 (0%)",
                               "10000"}));
    EXPECT_EQ(Query("SELECT cal_goal, step_goal FROM daily"), Rows({{"2000", "10000"}}));
    {
        SCOPED_TRACE("a row's calories");
        Fill("food_entry_field", "Pear");
        Fill("calorie_entry_field", "50");
        Key(Qt::Key_Return);
        const auto row = FoodList(View("food_entry_list"))->getViewList().at(0);
        Click(row, 190);
        EditInPlace(View("cal_val", row), "5o");
        EXPECT_EQ(Messages(), Lines({"Couldn't update database with new values."}));
        EXPECT_EQ(Query("SELECT cal_val FROM food"), Rows({{"50"}}));
        EXPECT_EQ(Text("cal_val", FoodList(View("food_entry_list"))->getViewList().at(0)), "50");
    }
    SCOPED_TRACE("messages that the table cannot take: handled, and nothing happens");
    const auto send = [&](const VR2Object::Ref& sender, const char* category, int32_t selector,
                          std::vector<platform::Variant> params) {
        auto message = VR2Message::Create(category, selector);
        for (size_t i = 0; i + 1 < params.size(); i += 2)
            message->params->SetValue(params[i], params[i + 1]);
        window->Action(sender, message);
        return message->result;
    };
    const auto list = FoodList(View("food_entry_list"));
    list->SelectRow(0, false);
    const platform::Variant backspace = platform::Chr(codes::kKeyBackspace);
    EXPECT_EQ(send(View("daily_list"), "dp_event_food", dpcodes::kDeleteFood, {codes::kKeyKeyPress, backspace}), 1);
    EXPECT_EQ(send(list, "dp_event_food", dpcodes::kDeleteFood, {}), 1);
    EXPECT_EQ(send(list, "food_entry_list", dpcodes::kCalories, {"food_id", 1}), 1);
    EXPECT_EQ(send(list, "food_entry_list", dpcodes::kFoodName, {"food_name", "Plum"}), 1);
    EXPECT_EQ(send(list, "dp_event_steps", dpcodes::kGoal, {}), 1);
    EXPECT_EQ(send(list, "dp_event_food", dpcodes::kAddSteps, {}), codes::kResultNone);
    EXPECT_EQ(Query("SELECT caloric_item, cal_val FROM food"), Rows({{"Pear", "50"}}));
    EXPECT_EQ(Query("SELECT step_goal, steps FROM daily"), Rows({{"10000", "0"}}));
    EXPECT_EQ(Messages(), Lines());
}

namespace {

// The monthly bar's coloured cells, read along its top row: "1 green 29 red".
std::string Cells(const QImage& pixels, const QRect& bar)
{
    int green = 0, red = 0;
    QRgb previous = 0;
    for (int x = bar.left() + 1; x < bar.right(); ++x) {
        const QRgb colour = pixels.pixel(x, bar.top() + 1) & 0xFFFFFF;
        green += colour == 0x39B449 && previous != colour;
        red += colour == 0xDE423F && previous != colour;
        previous = colour;
    }
    return std::to_string(green) + " green " + std::to_string(red) + " red";
}

}  // namespace

TEST_F(DiaryWindowTest, MovesAcrossTheYearsStartKeepingTheTimeAndCarryingGoalsOver)
{
    // Earlier days of December: the 29th under its calorie goal, the 30th over it with its steps met.
    for (const auto& [day, calories, steps] : {std::tuple{29, 1500, 0}, {30, 2500, 12000}}) {
        const auto date = platform::Date::Create(2026, 12, day);
        DiaryDB::GetDaily(date);
        auto item = DPFoodRecord::Create();
        item->CaloricItem = "Dinner";
        item->CalVal = calories;
        item->EatenDate = date;
        DiaryDB::AddFood(item);
        DiaryDB::AddTo_Steps(date, steps);
    }
    const auto monthBars = [&] {
        const QImage pixels = testsupport::ScreenPixels(*window);
        Lines cells;
        for (const char* name : {"calorie_bar_monthly", "steps_bar_monthly"}) {
            const auto frame = View(name)->bounds(codes::kSpaceScreen);
            const QPoint corner = testsupport::ContentOrigin(*window) +
                                  QPoint(frame->left - window->Left(), frame->top - window->Top());
            cells.push_back(Cells(pixels, QRect(corner, QSize(frame->width, frame->height))));
        }
        return cells;
    };
    EXPECT_EQ(monthBars(), Lines({"0 green 0 red", "0 green 0 red"}));
    {
        SCOPED_TRACE("an open goal edit is committed before back rebuilds the views");
        Click(View("dailyStat_calGoal"));
        Type("1800");
        Press(kBack);
        EXPECT_EQ(Query("SELECT entry_date, cal_goal FROM daily WHERE entry_date >= '2026-12-31'"),
                  Rows({{"2027-01-01", "1800"}, {"2026-12-31", "1800"}}));
    }
    EXPECT_EQ(Lines({Text("date_field_label"), Text("month_label")}),
              Lines({"Thursday, December 31, 2026", "December Goals"}));
    Lines history;
    for (const auto& row : std::dynamic_pointer_cast<VR2Surface>(View("daily_list"))->getViewList())
        history.push_back(Text("date_field", row) + " " + Text("calorie_field", row) + " " + Text("steps_field", row));
    EXPECT_EQ(history, Lines({"Wed. 30th 2500 12000", "Tue. 29th 1500 0"}));
    EXPECT_EQ(monthBars(), Lines({"1 green 29 red", "1 green 29 red"}));
    EXPECT_EQ(controller->current_date->Hour() * 60 + controller->current_date->Minute(), 10 * 60 + 30);
    {
        SCOPED_TRACE("forward twice: the 1st of a month has no history; a new day takes the latest goals");
        Press(kNext);
        EXPECT_EQ(Lines({Text("date_field_label"), Text("month_label")}),
                  Lines({"Friday, January 1, 2027", "January Goals"}));
        EXPECT_TRUE(std::dynamic_pointer_cast<VR2Surface>(View("daily_list"))->getViewList().empty());
        EXPECT_EQ(monthBars(), Lines({"0 green 0 red", "0 green 0 red"}));
        Press(kNext);
        EXPECT_EQ(Text("date_field_label"), "Saturday, January 2, 2027");
        EXPECT_EQ(Query("SELECT cal_goal, step_goal FROM daily WHERE entry_date = '2027-01-02'"),
                  Rows({{"1800", "10000"}}));
        EXPECT_EQ(monthBars(), Lines({"0 green 1 red", "0 green 1 red"}));
    }
    SCOPED_TRACE("today: the moment of now, time of day included");
    platform::Date::SetNowForTesting(platform::Date::Create(2027, 1, 1, 23, 5)->TotalSeconds());
    Press(kToday);
    EXPECT_EQ(Text("date_field_label"), "Friday, January 1, 2027");
    EXPECT_EQ(controller->current_date->Hour(), 23);
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryWindowTest, AnUnreadableStoreLeavesTheViewsAsTheyWere)
{
    Fill("food_entry_field", "Apple");
    Fill("calorie_entry_field", "95");
    Key(Qt::Key_Return);
    const Lines status = Status();
    std::filesystem::remove(File());
    std::filesystem::create_directory(File());
    Press(kBack);
    Press(kToday);
    EXPECT_EQ(Status(), status);
    EXPECT_EQ(FoodList(View("food_entry_list"))->count(), 1);
    Fill("food_entry_field", "Pear");
    Fill("calorie_entry_field", "50");
    Key(Qt::Key_Return);
    EXPECT_EQ(Messages(), Lines({"There was a problem adding the food to the database."}));
    std::filesystem::remove(File());
}

TEST(DiaryStart, ADocumentToOpenIsRefusedAndTheApplicationQuits)
{
    testsupport::ScopedRecordingServices services;
    const auto app = AppMain::NewAppInstance();
    app->OnOpen();
    app->OnOpenDocument(platform::FolderItem::Create("/etc/hostname"));
    EXPECT_EQ(services->messages, Lines({"Opening documents this way is not supported. Launch the application alone."}));
    EXPECT_EQ(platform::Application::WindowCount(), 0);
    EXPECT_TRUE(Vireo2Engine::VR2ResponderChainCopy().empty());
    platform::Application::Register(nullptr);
}
