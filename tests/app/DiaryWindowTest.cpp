#include "DiaryWindowFixture.h"

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

TEST_F(DiaryWindowTest, RefusesWhatIsNotANumberAndShowsWhatTheStoreHolds)
{
    for (const auto& [name, calories] :
         {std::pair{"", "100"}, {"Pear", "1o0"}, {"Pear", "0"}, {"Pear", "3000000000"}}) {
        SCOPED_TRACE(std::string(name) + " / " + calories);
        Fill("food_entry_field", name);
        Fill("calorie_entry_field", std::string(calories) + "\r");
        EXPECT_EQ(Messages(), Lines({"Either the food name or the calorie amount was missing."}));
        EXPECT_EQ(Text("food_entry_field") + "/" + Text("calorie_entry_field"), std::string(name) + "/" + calories);
    }
    Fill("steps_entry_field", "12x\r");
    EXPECT_EQ(Messages(), Lines({"Error updating the steps."}));
    EXPECT_EQ(Text("steps_entry_field"), "12x");
    Fill("steps_entry_field", " 0 \r");
    EXPECT_EQ(Text("steps_entry_field"), "");
    EditInPlace(View("dailyStat_calGoal"), "2k");
    EditInPlace(View("dailyStat_stepGoal"), "1.5");
    EXPECT_EQ(Messages(), Lines({"Couldn't update goal.", "Couldn't update goal."}));
    EXPECT_EQ(Status(), "0 (0%) | 2000 | Calories to Goal: 2000 | Steps to Goal: 10000 | Total: 0 (0%) | 10000");
    Fill("food_entry_field", "Pear\t50\r");
    Click(List()->getViewList().at(0), 190);
    EditInPlace(View("cal_val", List()->getViewList().at(0)), "5o");
    EXPECT_EQ(Messages(), Lines({"Couldn't update database with new values."}));
    EXPECT_EQ(Text("cal_val", List()->getViewList().at(0)), "50");
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
    EXPECT_EQ(send(View("daily_list"), dpcodes::kCategoryFood, dpcodes::kDeleteFood, codes::kKeyKeyPress, "\b"), 1);
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
