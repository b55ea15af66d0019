#include "DiaryWindowFixture.h"

#include "toolkit/controls/VR2ListServiceView.h"
#include "toolkit/core/VR2Codes.h"

TEST_F(DiaryWindowTest, OpensOnTodayAndAddsFoodAndStepsBothWays)
{
    EXPECT_EQ(window->Title() + " " + platform::Str(window->Width()) + "x" + platform::Str(window->Height()),
              "Di Rizezoz 799x559");
    EXPECT_TRUE(app->AutoQuit());
    EXPECT_EQ(Text("date_field_label") + " / " + Text("month_label"), "Friday, January 1, 2027 / January Goals");
    EXPECT_EQ(Status(), "0 (0%) | 2000 | Calories to Goal: 2000 | Steps to Goal: 10000 | Total: 0 (0%) | 10000");
    EXPECT_EQ(Query("SELECT entry_date, cal_goal, step_goal FROM daily"), Rows({{"2027-01-01", "2000", "10000"}}));
    EXPECT_TRUE(View("food_entry_field")->hasFocus());
    Type("Apple\t95\rTea\t-5");
    Press(kAddFood);
    EXPECT_EQ(Query("SELECT caloric_item, cal_val, eaten_date FROM food"),
              Rows({{"Apple", "95", "2027-01-01"}, {"Tea", "-5", "2027-01-01"}}));
    EXPECT_EQ(Text("food_entry_field") + Text("calorie_entry_field"), "");
    EXPECT_TRUE(View("food_entry_field")->hasFocus());
    ASSERT_EQ(List()->count(), 2);
    EXPECT_EQ(Text("food_name", List()->getViewList()[1]) + " " + Text("cal_val", List()->getViewList()[1]), "Tea -5");
    Fill("steps_entry_field", "4000\r");
    EXPECT_EQ(Text("dailyStat_stepTotal"), "Total: 4000 (40%)");
    Type("6000");
    Press(kAddSteps);
    EXPECT_EQ(Query("SELECT calorie_total, steps, steps_goal_reached FROM daily"), Rows({{"90", "10000", "1"}}));
    EXPECT_EQ(Status(), "90 (5%) | 2000 | Calories to Goal: 1910 | Steps Over Goal: 0 | Total: 10000 (100%) | 10000");
    EXPECT_EQ(Text("steps_entry_field") + Text("calorie_entry_field"), "");
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryWindowTest, EditsGoalsAndRowsInPlaceAndDeletesSelectedRowsWithBackspaceOnly)
{
    Type("Apple\t95\rSoup\t300\rBread\t200\r");
    EditInPlace(View("dailyStat_calGoal"), "595");
    EditInPlace(View("dailyStat_stepGoal"), "0");
    EXPECT_EQ(Query("SELECT cal_goal, step_goal FROM daily"), Rows({{"595", "0"}}));
    EXPECT_EQ(Status(), "595 (100%) | 595 | Calories over Goal: 0 | Steps Over Goal: 0 | Total: 0 (-) | 0");
    const auto rows = List()->getViewList();
    Click(rows[0], 190);  // selects the row; its fields take the next clicks
    EditInPlace(View("food_name", rows[0]), "Green apple");
    EditInPlace(View("cal_val", rows[0]), "120");
    EXPECT_EQ(Query("SELECT caloric_item, cal_val FROM food LIMIT 1"), Rows({{"Green apple", "120"}}));
    EXPECT_EQ(Text("dailyStat_calTot"), "620 (104%)");
    SCOPED_TRACE("two selected rows: forward Delete keeps them, Backspace deletes both");
    Click(List());  // below the rows: no selection, the focus in the list
    Click(rows[0], 190);
    List()->SelectRow(2, true);
    QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_Delete);
    EXPECT_EQ(Query("SELECT count(*) FROM food"), Rows({{"3"}}));
    Type("\b");
    EXPECT_EQ(Query("SELECT caloric_item FROM food"), Rows({{"Soup"}}));
    EXPECT_EQ(List()->count(), 1);
    EXPECT_EQ(Text("dailyStat_CalToGoal") + " / " + Text("dailyStat_calTot"), "Calories to Goal: 295 / 300 (50%)");
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryWindowTest, AnEmptyNameAndAGoalOf0OpenOnAClickWellRightOfTheirText)
{
    // As an older diary may hold it: an item whose name was emptied.
    auto item = DPFoodRecord::Create();
    item->EatenDate = platform::Date::Now();
    item->CalVal = 80;
    ASSERT_NE(DiaryDB::AddFood(item), -1);
    Press(kToday);
    const auto row = List()->getViewList().at(0);
    Click(row, 190);
    const auto name = View("food_name", row);
    Click(name, 30);
    Type("Fig\r");
    EditInPlace(View("dailyStat_calGoal"), "0");
    EditInPlace(View("dailyStat_stepGoal"), "0");
    // Well right of the one digit: at the step goal's far end.
    Click(View("dailyStat_calGoal"), 38);
    Type("1800\r");
    const auto stepGoal = View("text", View("dailyStat_stepGoal"));
    Click(stepGoal, stepGoal->width() - 2);
    Type("8000\r");
    EXPECT_EQ(Query("SELECT caloric_item, cal_goal, step_goal FROM food, daily"), Rows({{"Fig", "1800", "8000"}}));
    EXPECT_EQ(Messages(), Lines());
}

// A day bar as the store fills it and as it looks: "500/2000: 102 value, 308 empty", the drawn widths read
// along the bar's second row by the nearest of its three colours.
std::string DayBar(const QImage& pixels, const QPoint& corner, const VR2View::Ref& bar, platform::Color over)
{
    using VireoStandardProperties::VR2ObjectGetProperty;
    std::string seen = VR2ObjectGetProperty(bar, "int", 0).StringValue() + "/" +
                       VR2ObjectGetProperty(bar, "max", 0).StringValue() + ":";
    const std::pair<const char*, uint32_t> colours[] = {
        {"value", 0x39B449}, {"over", static_cast<uint32_t>(over.value)}, {"empty", 0x313131}};
    const auto nearest = [&](QRgb pixel) {
        const auto distance = [pixel](uint32_t colour) {
            const auto d = [](int a, int b) { return (a - b) * (a - b); };
            return d(qRed(pixel), (colour >> 16) & 0xFF) + d(qGreen(pixel), (colour >> 8) & 0xFF) +
                   d(qBlue(pixel), colour & 0xFF);
        };
        return std::min_element(std::begin(colours), std::end(colours), [&](const auto& a, const auto& b) {
                   return distance(a.second) < distance(b.second);
               })->first;
    };
    // The frame's columns belong to the runs they close.
    std::vector<std::pair<std::string, int>> runs;
    for (int x = 1; x < bar->width() - 1; ++x) {
        const std::string kind = nearest(pixels.pixel(corner.x() + x, corner.y() + 1));
        if (runs.empty() || runs.back().first != kind)
            runs.emplace_back(kind, 0);
        ++runs.back().second;
    }
    runs.front().second++, runs.back().second++;
    for (std::size_t index = 0; index < runs.size(); ++index)
        seen += (index ? ", " : " ") + std::to_string(runs[index].second) + " " + runs[index].first;
    return seen;
}

TEST_F(DiaryWindowTest, TheDayBarsShowTheTotalsAgainstTheGoalsAfterEveryChange)
{
    const auto bars = [&] {
        const QImage pixels = testsupport::ScreenPixels(*window);
        std::string seen;
        for (const auto& [name, over] : {std::pair{"calorie_bar_daily", platform::Color{0xDE423F}},
                                         {"steps_bar_daily", platform::Color{0x31FC4C}}}) {
            const auto at = View(name)->bounds(codes::kSpaceScreen);
            const QPoint corner = testsupport::ContentOrigin(*window) +
                                  QPoint(at->left - window->Left(), at->top - window->Top());
            seen += (seen.empty() ? "" : " | ") + DayBar(pixels, corner, View(name), over);
        }
        return seen;
    };
    EXPECT_EQ(bars(), "0/2000: 410 empty | 0/10000: 410 empty");
    Type("Soup\t1000\r");
    Fill("steps_entry_field", "5000\r");
    EXPECT_EQ(bars(), "1000/2000: 205 value, 205 empty | 5000/10000: 205 value, 205 empty");
    SCOPED_TRACE("over the goals: the goal's share of the bar, then the over colour");
    const auto row = List()->getViewList().at(0);
    Click(row, 190);
    EditInPlace(View("cal_val", row), "3000");
    Fill("steps_entry_field", "10000\r");
    EXPECT_EQ(bars(), "3000/2000: 273 value, 137 over | 15000/10000: 273 value, 137 over");
    SCOPED_TRACE("a changed goal and a removed item");
    EditInPlace(View("dailyStat_calGoal"), "6000");
    Click(List());  // below the rows: no selection, the focus in the list
    Click(List()->getViewList().at(0), 190);
    Type("\b");
    EXPECT_EQ(bars(), "0/6000: 410 empty | 15000/10000: 273 value, 137 over");
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryWindowTest, RefusesWhatIsNotANumberOrABlankNameAndShowsWhatTheStoreHolds)
{
    const char* const missing = "Either the food name or the calorie amount was missing.";
    const char* const notCalories = "The calorie amount must be a whole number, such as 350.";
    for (const auto& [name, calories, message] :
         {std::tuple{"", "100", missing}, {"   ", "100", missing}, {"Pear", "1,500", notCalories},
          {"Pear", "0", missing}, {"Pear", "12abc", notCalories}, {"Pear", "3000000000", notCalories}}) {
        SCOPED_TRACE(std::string(name) + " / " + calories);
        Fill("food_entry_field", name);
        Fill("calorie_entry_field", std::string(calories) + "\r");
        EXPECT_EQ(Messages(), Lines({message}));
        EXPECT_EQ(Text("food_entry_field") + "/" + Text("calorie_entry_field"), std::string(name) + "/" + calories);
    }
    Fill("steps_entry_field", "1,500\r");
    EXPECT_EQ(Messages(), Lines({"The steps must be a whole number, such as 4200."}));
    EXPECT_EQ(Text("steps_entry_field"), "1,500");
    Fill("steps_entry_field", " 0 \r");
    EXPECT_EQ(Text("steps_entry_field"), "");
    EditInPlace(View("dailyStat_calGoal"), "2k");
    EditInPlace(View("dailyStat_stepGoal"), "1.5");
    EXPECT_EQ(Messages(), Lines({"The goal must be a whole number, such as 2000.",
                                 "The goal must be a whole number, such as 2000."}));
    EXPECT_EQ(Status(), "0 (0%) | 2000 | Calories to Goal: 2000 | Steps to Goal: 10000 | Total: 0 (0%) | 10000");
    Fill("food_entry_field", "Pear\t50\r");
    Click(List()->getViewList().at(0), 190);
    EditInPlace(View("cal_val", List()->getViewList().at(0)), "5o");
    EXPECT_EQ(Messages(), Lines({notCalories}));
    EXPECT_EQ(Text("cal_val", List()->getViewList().at(0)), "50");
    Click(List()->getViewList().at(0), 190);
    EditInPlace(View("food_name", List()->getViewList().at(0)), "  ");
    EXPECT_EQ(Messages(), Lines({missing}));
    EXPECT_EQ(Text("food_name", List()->getViewList().at(0)), "Pear");
    SCOPED_TRACE("messages the table cannot take: handled, nothing happens; outside the table: not handled");
    const auto send = [&](const VR2Object::Ref& sender, const char* category, int32_t selector,
                          const platform::Variant& key = {}, const platform::Variant& value = {}) {
        auto message = VR2Message::Create(category, selector);
        if (!key.IsNil())
            message->params->SetValue(key, value);
        window->Action(sender, message);
        return message->result;
    };
    List()->SelectRow(0, false);
    EXPECT_EQ(send(View("daily_list"), dpcodes::kCategoryFood, dpcodes::kDeleteFood, VR2ListServiceView::kKeyPressKey, "\b"), 1);
    EXPECT_EQ(send(List(), dpcodes::kCategoryFood, dpcodes::kDeleteFood), 1);
    EXPECT_EQ(send(List(), dpcodes::kCategoryFoodList, dpcodes::kCalories, "food_id", 1), 1);
    EXPECT_EQ(send(List(), dpcodes::kCategoryFoodList, dpcodes::kFoodName, "food_name", "Plum"), 1);
    EXPECT_EQ(send(List(), dpcodes::kCategorySteps, dpcodes::kGoal), 1);
    EXPECT_EQ(send(List(), dpcodes::kCategoryFood, dpcodes::kAddSteps), codes::kResultNone);
    EXPECT_EQ(Query("SELECT caloric_item, cal_val, calorie_total, steps, cal_goal, step_goal FROM food, daily"),
              Rows({{"Pear", "50", "50", "0", "2000", "10000"}}));
    EXPECT_EQ(Messages(), Lines());
    SCOPED_TRACE("an unreadable diary: the views keep what they show");
    const auto status = Status();
    std::filesystem::remove(File());
    std::filesystem::create_directory(File());
    Press(kBack);
    Press(kToday);
    EXPECT_EQ(Status() + " " + platform::Str(List()->count()), status + " 1");
    Fill("food_entry_field", "Plum\t20\r");
    EXPECT_EQ(Messages(), Lines({"There was a problem adding the food to the database."}));
    std::filesystem::remove(File());
}

// The monthly bar's coloured cells, along its top row: "1 green 29 red".
std::string Cells(const QImage& pixels, const QRect& bar)
{
    int green = 0, red = 0;
    for (int x = bar.left() + 1, previous = 0; x < bar.right(); ++x) {
        const int colour = static_cast<int>(pixels.pixel(x, bar.top() + 1) & 0xFFFFFF);
        green += colour == 0x39B449 && colour != previous;
        red += colour == 0xDE423F && colour != previous;
        previous = colour;
    }
    return std::to_string(green) + " green " + std::to_string(red) + " red";
}

TEST_F(DiaryWindowTest, MovesAcrossTheYearsStartKeepingTheTimeAndCarryingGoalsOver)
{
    // December 29th under its calorie goal; the 30th over it, with its steps goal met.
    for (const auto& [day, calories, steps] : {std::tuple{29, 1500, 0}, {30, 2500, 12000}}) {
        auto item = DPFoodRecord::Create();
        item->EatenDate = platform::Date::Create(2026, 12, day);
        DiaryDB::GetDaily(item->EatenDate);
        item->CaloricItem = "Dinner";
        item->CalVal = calories;
        DiaryDB::AddFood(item);
        DiaryDB::AddTo_Steps(item->EatenDate, steps);
    }
    const auto look = [&] {
        const QImage pixels = testsupport::ScreenPixels(*window);
        std::string seen = Text("date_field_label") + " / " + Text("month_label");
        for (const char* bar : {"calorie_bar_monthly", "steps_bar_monthly"}) {
            const auto at = View(bar)->bounds(codes::kSpaceScreen);
            const QPoint corner = testsupport::ContentOrigin(*window) +
                                  QPoint(at->left - window->Left(), at->top - window->Top());
            seen += " / " + Cells(pixels, QRect(corner, QSize(at->width, at->height)));
        }
        for (const auto& row : std::dynamic_pointer_cast<VR2Surface>(View("daily_list"))->getViewList())
            seen += " / " + Text("date_field", row) + " " + Text("calorie_field", row) + " " + Text("steps_field", row);
        return seen;
    };
    EXPECT_EQ(look(), "Friday, January 1, 2027 / January Goals / 0 green 0 red / 0 green 0 red");
    Click(View("dailyStat_calGoal"));
    Type("1800");  // left open: back commits it before the views are rebuilt
    Press(kBack);
    EXPECT_EQ(look(), "Thursday, December 31, 2026 / December Goals / 1 green 29 red / 1 green 29 red / "
                      "Wed. 30th 2500 12000 / Tue. 29th 1500 0");
    EXPECT_EQ(Query("SELECT entry_date, cal_goal FROM daily WHERE entry_date > '2026-12-30' ORDER BY id"),
              Rows({{"2027-01-01", "1800"}, {"2026-12-31", "1800"}}));
    const auto controller = std::dynamic_pointer_cast<MainWindowController>(window->owner.lock());
    EXPECT_EQ(controller->current_date->SQLDateTime(), "2026-12-31 10:30:00");
    Press(kNext);
    Press(kNext);
    EXPECT_EQ(look(), "Saturday, January 2, 2027 / January Goals / 0 green 1 red / 0 green 1 red / Fri. 1st 0 0");
    EXPECT_EQ(Query("SELECT cal_goal FROM daily WHERE entry_date = '2027-01-02'"), Rows({{"1800"}}));
    platform::Date::SetNowForTesting(platform::Date::Create(2027, 1, 1, 23, 5)->TotalSeconds());
    Press(kToday);
    EXPECT_EQ(controller->current_date->SQLDateTime(), "2027-01-01 23:05:00");
    EXPECT_EQ(look(), "Friday, January 1, 2027 / January Goals / 0 green 0 red / 0 green 0 red");
    EXPECT_EQ(Messages(), Lines());
}

TEST(DiaryStart, ADocumentToOpenIsRefusedAndTheApplicationQuits)
{
    testsupport::ScopedRecordingServices services;
    const auto app = AppMain::NewAppInstance();
    app->OnOpen();
    app->OnOpenDocument(platform::FolderItem::Create("/etc/hostname"));
    EXPECT_EQ(services->messages,
              Lines({"Opening documents this way is not supported. Launch the application alone."}));
    EXPECT_EQ(platform::Application::WindowCount(), 0);
    EXPECT_TRUE(Vireo2Engine::VR2ResponderChainCopy().empty());
    platform::Application::Register(nullptr);
}
