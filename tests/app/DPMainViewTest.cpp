#include "MainViewFixture.h"

#include "app/DPDailyList.h"
#include "app/DPFoodEntryList.h"
#include "app/DPListHeader.h"
#include "app/DPStatusContainer.h"
#include "app/DPStepGoalField.h"
#include "app/DPToolbarContainer.h"
#include "app/ResourcePictures.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/controls/VR2ChartBarControl.h"
#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/controls/VR2PictureButton.h"
#include "toolkit/controls/VR2ProgressBar.h"
#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2PictureExtras.h"

namespace {

template <typename T>
bool IsA(const VR2View::Ref& view)
{
    return dynamic_cast<T*>(view.get()) != nullptr;
}

struct Expected {
    const char* name;
    bool (*isA)(const VR2View::Ref&);
    int left, top, width, height;
    const char* text = "";  // a label's text
};

std::string Describe(const VR2View::Ref& view)
{
    const auto frame = view->bounds(codes::kSpaceLocal);
    std::string text;
    if (const auto label = std::dynamic_pointer_cast<VR2StaticTextView>(view))
        text = " " + label->text;
    return view->Name + " " + std::to_string(frame->left) + "," + std::to_string(frame->top) + " " +
           std::to_string(frame->width) + "x" + std::to_string(frame->height) + text;
}

// The children of holder, in attach order, as tabled.
void ExpectChildren(const VR2View::Ref& holder, const std::vector<Expected>& table)
{
    const auto& children = std::dynamic_pointer_cast<VR2Surface>(holder)->getViewList();
    ASSERT_EQ(children.size(), table.size()) << holder->Name;
    for (size_t index = 0; index < table.size(); ++index) {
        const auto& row = table[index];
        const Expected& e = row;
        SCOPED_TRACE(holder->Name + " child " + std::to_string(index + 1));
        EXPECT_TRUE(e.isA(children[index]));
        EXPECT_EQ(Describe(children[index]), std::string(e.name) + " " + std::to_string(e.left) + "," +
                                                 std::to_string(e.top) + " " + std::to_string(e.width) + "x" +
                                                 std::to_string(e.height) +
                                                 (IsA<VR2StaticTextView>(children[index]) ? std::string(" ") + e.text
                                                                                          : ""));
    }
}

}  // namespace

class DPMainViewTest : public MainViewFixture {};

TEST_F(DPMainViewTest, TheTreeIsBuiltAsTabledAndKeepsItsFramesWhenTheRootGrows)
{
    using C = VR2ContainerView;
    using T = VR2StaticTextView;
    const auto addButton = VR2PictureExtras::PictureAndMask(addBtnPic());
    const int bw = addButton->Width(), bh = addButton->Height();
    const auto check = [&] {
        ExpectChildren(root, {{"main_content", IsA<C>, 0, 115, 799, 444},
                              {"", IsA<C>, 0, 0, 799, 89},
                              {"", IsA<C>, 0, 89, 799, 26}});
        const auto current = std::dynamic_pointer_cast<VR2Surface>(Find("main_content"))->getViewList().at(0);
        EXPECT_EQ(Describe(current), "DPCurrentView 0,0 799x444");
        ExpectChildren(current, {{"steps_entry_field", IsA<SLTEView>, 704, 10, 50, 22},
                                 {"food_entry_list", IsA<DPFoodEntryList>, 20, 54, 272, 370},
                                 {"daily_list", IsA<DPDailyList>, 303, 256, 476, 168},
                                 {"", IsA<T>, 303, 70, 60, 22, "Calories:"},
                                 {"", IsA<T>, 303, 107, 60, 22, "Steps:"},
                                 {"calorie_bar_daily", IsA<VR2ProgressBar>, 369, 65, 410, 30},
                                 {"steps_bar_daily", IsA<VR2ProgressBar>, 369, 102, 410, 30},
                                 {"", IsA<T>, 518, 43, 100, 22, "Today's Goals"},
                                 {"month_label", IsA<T>, 517, 139, 120, 22, "Month's Goals"},
                                 {"", IsA<T>, 303, 166, 60, 22, "Calories:"},
                                 {"calorie_bar_monthly", IsA<VR2ChartBarControl>, 369, 162, 410, 30},
                                 {"", IsA<T>, 303, 202, 60, 22, "Steps:"},
                                 {"steps_bar_monthly", IsA<VR2ChartBarControl>, 369, 199, 410, 30},
                                 {"food_entry_field", IsA<SLTEView>, 20, 10, 144, 22},
                                 {"calorie_entry_field", IsA<SLTEView>, 172, 10, 50, 22},
                                 {"", IsA<VR2PictureButton>, 225, 10, bw, bh},
                                 {"", IsA<VR2PictureButton>, 757, 10, bw, bh},
                                 {"", IsA<C>, 303, 239, 476, 17},
                                 {"", IsA<C>, 20, 37, 272, 17}});
        const auto status = std::dynamic_pointer_cast<VR2Surface>(root->getViewList().at(1))->getViewList().at(0);
        EXPECT_EQ(Describe(status), "DPStatusBar 0,0 799x89");
        EXPECT_TRUE(IsA<DPStatusContainer>(status));
        ExpectChildren(status, {{"date_field_label", IsA<T>, 274, 5, 250, 18},
                                {"", IsA<T>, 98, 5, 44, 18, "Total:"},
                                {"dailyStat_stepTotal", IsA<T>, 525, 5, 176, 18},
                                {"dailyStat_calTot", IsA<T>, 143, 5, 128, 18},
                                {"dailyStat_calGoal", IsA<VR2ClickToEditField>, 139, 23, 70, 18},
                                {"", IsA<T>, 98, 23, 40, 18, "Goal:"},
                                {"dailyStat_CalToGoal", IsA<T>, 274, 23, 250, 18},
                                {"dailyStat_stepsToGoal", IsA<T>, 274, 41, 250, 18},
                                {"dailyStat_stepGoal", IsA<DPStepGoalField>, 525, 23, 176, 18}});
        const auto toolbar = std::dynamic_pointer_cast<VR2Surface>(root->getViewList().at(2))->getViewList().at(0);
        EXPECT_EQ(Describe(toolbar), "DPMainToolbar 0,0 799x26");
        EXPECT_TRUE(IsA<DPToolbarContainer>(toolbar));
        ExpectChildren(toolbar, {{"", IsA<T>, 20, 2, 268, 22, "Add food or drink item"},
                                 {"", IsA<T>, 585, 2, 194, 22, "Add more steps"},
                                 {"", IsA<VR2PictureButton>, 388, 2, 22, 22},
                                 {"", IsA<VR2PictureButton>, 363, 2, 22, 22},
                                 {"", IsA<VR2PictureButton>, 412, 2, 22, 22}});
    };
    {
        SCOPED_TRACE("as built");
        check();
    }
    {
        SCOPED_TRACE("the root grown by 100 each way");
        root->resize(899, 659, true);
        check();
    }
}

TEST_F(DPMainViewTest, EntriesButtonsAndTheFoodListSendTheirMessages)
{
    const auto& current = std::dynamic_pointer_cast<VR2Surface>(Find("main_content"))->getViewList().at(0);
    const auto& children = std::dynamic_pointer_cast<VR2Surface>(current)->getViewList();
    const auto addFood = children.at(15), addSteps = children.at(16);
    {
        SCOPED_TRACE("Return in either food field and the add-food button");
        Click(Find("food_entry_field"));
        Type("Apple pie");
        Key(Qt::Key_Tab);
        Type("95");
        Key(Qt::Key_Enter, Qt::KeypadModifier);
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        Key(Qt::Key_Return);
        Click(addFood);
        EXPECT_EQ(Sent(), Lines(3, "window: dp_event_food nfud food_name=Apple pie calorie_amount=95"));
    }
    {
        SCOPED_TRACE("Return in the steps field goes to the window, the add-steps button to the first responder");
        Click(Find("steps_entry_field"));
        Type("500");
        Key(Qt::Key_Return);
        Click(addSteps);
        EXPECT_EQ(Sent(), (Lines{"window: dp_event_steps astp steps=500", "dp_event_steps astp steps=500"}));
    }
    {
        SCOPED_TRACE("Tab goes steps, food, calories and round again");
        for (const char* name : {"food_entry_field", "calorie_entry_field", "steps_entry_field", "food_entry_field"}) {
            Key(Qt::Key_Tab);
            EXPECT_TRUE(Find(name)->hasFocus()) << name;
        }
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_TRUE(Find("steps_entry_field")->hasFocus());
    }
    {
        SCOPED_TRACE("the toolbar's buttons send on a release inside only");
        const auto& toolbar =
            std::dynamic_pointer_cast<VR2Surface>(std::dynamic_pointer_cast<VR2Surface>(root->getViewList().at(2))
                                                      ->getViewList()
                                                      .at(0))
                ->getViewList();
        const QPoint back = Corner(toolbar.at(3)) + QPoint(8, 8);
        QTest::mousePress(handle, Qt::LeftButton, {}, back);
        QTest::mouseMove(handle, back + QPoint(0, 40));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, back + QPoint(0, 40));
        EXPECT_EQ(Sent(), Lines{});
        for (const size_t index : {3, 2, 4})
            Click(toolbar.at(index), 8, 8);
        EXPECT_EQ(Sent(), (Lines{"window: dp_event_navigation back", "window: dp_event_navigation home",
                                 "window: dp_event_navigation frwd"}));
    }
    {
        SCOPED_TRACE("every key in the food list becomes 'delf', Tab too");
        const auto list = Find<DPFoodEntryList>("food_entry_list");
        list->AddRow("Tea", 2, 41, true);
        Click(list, 100, 10);
        ASSERT_TRUE(list->hasFocus());
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Tab);
        Type("x");
        EXPECT_TRUE(list->hasFocus());
        EXPECT_EQ(Sent(), (Lines{"window: dp_event_food delf keyp=\b", "window: dp_event_food delf keyp=\t",
                                 "window: dp_event_food delf keyp=x"}));
    }
}

TEST_F(DPMainViewTest, EditsInPlaceSendTheRowsIdOrTheGoalOnlyWhenTheTextChanged)
{
    const auto list = Find<DPFoodEntryList>("food_entry_list");
    list->AddRow("Tea", 2, 40, false);
    list->AddRow("Tea", 2, 41, true);
    const auto edit = [&](const VR2View::Ref& view, int dx, int dy, const char* text) {
        Click(view, dx, dy);
        Type(text);
        Key(Qt::Key_Return);
    };
    {
        SCOPED_TRACE("a food row: the first click selects, the next edits");
        Click(list, 10, 34);
        EXPECT_EQ(list->selectedRows().at(0), list->getViewList().at(1));
        EXPECT_FALSE(VR2ClickToEditField::EditedField());
        edit(list, 10, 34, "Green tea");
        edit(list, 205, 34, "5");
        edit(list, 205, 34, "5");
        EXPECT_EQ(Sent(), (Lines{"window: food_entry_list food food_id=41 food_name=Green tea",
                                 "window: food_entry_list cals food_id=41 cal_amount=5"}));
    }
    {
        SCOPED_TRACE("the two goals");
        VireoStandardProperties::VR2ObjectSetProperty(Find("dailyStat_calGoal"), "text", 2000);
        VireoStandardProperties::VR2ObjectSetProperty(Find("dailyStat_stepGoal"), "text", 10000);
        edit(Find("dailyStat_calGoal"), 5, 9, "2000");
        edit(Find("dailyStat_calGoal"), 5, 9, "1800");
        const auto stepGoal = Find("dailyStat_stepGoal");
        edit(stepGoal, stepGoal->width() - 20, 9, "12000");
        EXPECT_EQ(Sent(), (Lines{"window: dp_event_food goal valu=1800", "window: dp_event_steps goal valu=12000"}));
    }
    {
        SCOPED_TRACE("an edit still open when the list is emptied is committed with its row's id first");
        Click(list, 10, 10);
        Click(list, 10, 10);
        Type("Milk");
        ASSERT_TRUE(VR2ClickToEditField::EditedField());
        list->DeleteAllRows();
        EXPECT_FALSE(VR2ClickToEditField::EditedField());
        EXPECT_EQ(Sent(), Lines{"window: food_entry_list food food_id=40 food_name=Milk"});
    }
}
