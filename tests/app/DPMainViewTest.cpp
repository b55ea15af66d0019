#include "MainViewFixture.h"

#include "app/DPFoodEntryList.h"
#include "app/ResourcePictures.h"
#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2PictureExtras.h"

namespace {

// "Class name left,top widthxheight", and a label's text.
std::string Describe(const VR2View::Ref& view)
{
    std::string text = typeid(*view).name();
    text.erase(0, text.find_first_not_of("0123456789"));
    const auto frame = view->bounds(codes::kSpaceLocal);
    text += " " + view->Name + " " + std::to_string(frame->left) + "," + std::to_string(frame->top) + " " +
            std::to_string(frame->width) + "x" + std::to_string(frame->height);
    if (const auto label = std::dynamic_pointer_cast<VR2StaticTextView>(view))
        text += " " + label->text;
    return text;
}

// The view, then what the containers and strips hold, in attach order.
Lines Walk(const VR2View::Ref& view)
{
    Lines lines{Describe(view)};
    const std::string kind = lines[0].substr(0, lines[0].find(' '));
    if (kind == "VR2ContainerView" || kind == "DPStatusContainer" || kind == "DPToolbarContainer")
        for (const auto& child : std::dynamic_pointer_cast<VR2Surface>(view)->getViewList()) {
            const auto below = Walk(child);
            lines.insert(lines.end(), below.begin(), below.end());
        }
    return lines;
}

}  // namespace

class DPMainViewTest : public MainViewFixture {};

TEST_F(DPMainViewTest, TheTreeIsBuiltAsTabledAndKeepsItsFramesWhenTheRootGrows)
{
    const auto add = VR2PictureExtras::PictureAndMask(addBtnPic());
    const std::string addSize = std::to_string(add->Width()) + "x" + std::to_string(add->Height());
    const Lines tree{
        "VR2ContainerView DPMainView 0,0 799x559", "VR2ContainerView main_content 0,115 799x444",
        "VR2ContainerView DPCurrentView 0,0 799x444", "SLTEView steps_entry_field 704,10 50x22",
        "DPFoodEntryList food_entry_list 20,54 272x370", "DPDailyList daily_list 303,256 476x168",
        "VR2StaticTextView  303,70 60x22 Calories:", "VR2StaticTextView  303,107 60x22 Steps:",
        "VR2ProgressBar calorie_bar_daily 369,65 410x30", "VR2ProgressBar steps_bar_daily 369,102 410x30",
        "VR2StaticTextView  518,43 100x22 Today's Goals",
        "VR2StaticTextView month_label 517,139 120x22 Month's Goals", "VR2StaticTextView  303,166 60x22 Calories:",
        "VR2ChartBarControl calorie_bar_monthly 369,162 410x30", "VR2StaticTextView  303,202 60x22 Steps:",
        "VR2ChartBarControl steps_bar_monthly 369,199 410x30", "SLTEView food_entry_field 20,10 144x22",
        "SLTEView calorie_entry_field 172,10 50x22", "VR2PictureButton  225,10 " + addSize,
        "VR2PictureButton  757,10 " + addSize, "VR2ContainerView  303,239 476x17",
        "DPListHeader DPDailyListHeader 0,0 476x17", "VR2ContainerView  20,37 272x17",
        "DPListHeader DPFoodListHeader 0,0 272x17", "VR2ContainerView  0,0 799x89",
        "DPStatusContainer DPStatusBar 0,0 799x89", "VR2StaticTextView date_field_label 274,5 250x18 ",
        "VR2StaticTextView  98,5 44x18 Total:", "VR2StaticTextView dailyStat_stepTotal 525,5 176x18 ",
        "VR2StaticTextView dailyStat_calTot 143,5 128x18 ", "VR2ClickToEditField dailyStat_calGoal 139,23 70x18",
        "VR2StaticTextView  98,23 40x18 Goal:", "VR2StaticTextView dailyStat_CalToGoal 274,23 250x18 ",
        "VR2StaticTextView dailyStat_stepsToGoal 274,41 250x18 ", "DPStepGoalField dailyStat_stepGoal 525,23 176x18",
        "VR2ContainerView  0,89 799x26", "DPToolbarContainer DPMainToolbar 0,0 799x26",
        "VR2StaticTextView  20,2 268x22 Add food or drink item", "VR2StaticTextView  585,2 194x22 Add more steps",
        "VR2PictureButton  388,2 22x22", "VR2PictureButton  363,2 22x22", "VR2PictureButton  412,2 22x22"};
    EXPECT_EQ(Walk(root), tree);
    root->resize(899, 659, true);
    Lines grown = tree;
    grown[0] = "VR2ContainerView DPMainView 0,0 899x659";
    EXPECT_EQ(Walk(root), grown) << "the placeholders, pinned to the top only, keep every frame";
}

TEST_F(DPMainViewTest, EntriesButtonsAndTheFoodListSendTheirMessages)
{
    const auto& current = std::dynamic_pointer_cast<VR2Surface>(Find("main_content"))->getViewList().at(0);
    const auto& children = std::dynamic_pointer_cast<VR2Surface>(current)->getViewList();
    {
        SCOPED_TRACE("Return or Enter in either food field and the add-food button");
        Click(Find("food_entry_field"));
        Type("Apple pie");
        Key(Qt::Key_Tab);
        Type("95");
        Key(Qt::Key_Enter, Qt::KeypadModifier);
        Key(Qt::Key_Tab, Qt::ShiftModifier);
        Key(Qt::Key_Return);
        Click(children.at(15));
        EXPECT_EQ(Sent(), Lines(3, "window: dp_event_food nfud food_name=\"Apple pie\" calorie_amount=\"95\""));
    }
    {
        SCOPED_TRACE("Return in the steps field goes to the window, the add-steps button to the first responder");
        Click(Find("steps_entry_field"));
        Type("500");
        Key(Qt::Key_Return);
        Click(children.at(16));
        EXPECT_EQ(Sent(), (Lines{"window: dp_event_steps astp steps=\"500\"", "dp_event_steps astp steps=\"500\""}));
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
        SCOPED_TRACE("the toolbar's buttons");
        const auto toolbar = Find<VR2ContainerView>("DPMainToolbar")->getViewList();
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
        EXPECT_EQ(Sent(), (Lines{"window: dp_event_food delf keyp=\"\b\"", "window: dp_event_food delf keyp=\"\t\"",
                                 "window: dp_event_food delf keyp=\"x\""}));
    }
}

TEST_F(DPMainViewTest, EditsInPlaceSendTheRowsIdOrTheGoalOnlyWhenTheTextChanged)
{
    const auto list = Find<DPFoodEntryList>("food_entry_list");
    list->AddRow("Tea", 2, 40, false);
    list->AddRow("Tea", 2, 41, true);
    const auto row = std::dynamic_pointer_cast<VR2Surface>(list->getViewList().at(1));
    EXPECT_EQ(Describe(list->getViewList().at(1)), "VR2ContainerView DPFoodListRow 0,24 256x24");
    EXPECT_EQ(Describe(row->FindViewByName("food_name", true, false)), "VR2ClickToEditField food_name 5,1 177x22");
    EXPECT_EQ(Describe(row->FindViewByName("cal_val", true, false)), "VR2ClickToEditField cal_val 200,1 56x22");
    const auto edit = [&](const VR2View::Ref& view, int dx, int dy, const char* text) {
        Click(view, dx, dy);
        Type(text);
        Key(Qt::Key_Return);
    };
    {
        SCOPED_TRACE("a food row: the first click selects, the next edits; a number or the typed text");
        Click(list, 10, 34);
        EXPECT_EQ(list->selectedRows().at(0), list->getViewList().at(1));
        EXPECT_FALSE(VR2ClickToEditField::EditedField());
        edit(list, 10, 34, "Green tea");
        edit(list, 205, 34, " 5");
        edit(list, 205, 34, "5O");
        EXPECT_EQ(Sent(), (Lines{"window: food_entry_list food food_id=41 food_name=\"Green tea\"",
                                 "window: food_entry_list cals food_id=41 cal_amount=5",
                                 "window: food_entry_list cals food_id=41 cal_amount=\"5O\""}));
    }
    {
        SCOPED_TRACE("the two goals; the step goal's value ends at the field's right edge, its caption just left");
        VireoStandardProperties::VR2ObjectSetProperty(Find("dailyStat_calGoal"), "text", 2000);
        VireoStandardProperties::VR2ObjectSetProperty(Find("dailyStat_stepGoal"), "text", 10000);
        const auto label = Find("label"), value = Find("text");
        EXPECT_EQ(value->left() + value->width(), 176);
        EXPECT_EQ(label->left() + label->width(), value->left());
        EXPECT_EQ(std::dynamic_pointer_cast<VR2StaticTextView>(label)->textColor, platform::Color{0xFFFFFF});
        edit(Find("dailyStat_calGoal"), 5, 9, "1800");
        const auto stepGoal = Find("dailyStat_stepGoal");
        edit(stepGoal, stepGoal->width() - 20, 9, "12000");
        EXPECT_EQ(Sent(),
                  (Lines{"window: dp_event_food goal valu=\"1800\"", "window: dp_event_steps goal valu=\"12000\""}));
    }
    {
        SCOPED_TRACE("an edit still open when the list is emptied is committed with its row's id first");
        Click(list, 10, 10);
        Click(list, 10, 10);
        Type("Milk");
        ASSERT_TRUE(VR2ClickToEditField::EditedField());
        list->DeleteAllRows();
        EXPECT_FALSE(VR2ClickToEditField::EditedField());
        EXPECT_EQ(Sent(), Lines{"window: food_entry_list food food_id=40 food_name=\"Milk\""});
    }
}

TEST_F(DPMainViewTest, TheStepGoalsColourIsThatOfBothItsTextsAndIsDrawnAtOnce)
{
    using VireoStandardProperties::VR2ObjectGetProperty;
    using VireoStandardProperties::VR2ObjectSetProperty;
    const auto field = Find("dailyStat_stepGoal");
    VR2ObjectSetProperty(field, "text", 10000);
    const auto label = Find<VR2StaticTextView>("label");
    const auto value = Find<VR2ClickToEditField>("text");
    ASSERT_TRUE(label && value);
    // Pixels of the child, as the window shows it, that are plainly red.
    const auto red = [&](const VR2View::Ref& child) {
        const QImage shown = testsupport::ScreenPixels(*window);
        const QPoint corner = testsupport::ContentOrigin(*window) + At(child, 0, 0);
        int count = 0;
        for (int y = 0; y < child->height(); ++y)
            for (int x = 0; x < child->width(); ++x) {
                const QColor pixel(shown.pixel(corner + QPoint(x, y)));
                count += pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80 ? 1 : 0;
            }
        return count;
    };
    EXPECT_EQ(VR2ObjectGetProperty(field, "color", platform::Variant()).ColorValue(), platform::Color{0xFFFFFF});
    EXPECT_EQ(red(label), 0);
    EXPECT_EQ(red(value), 0);

    VR2ObjectSetProperty(field, "color", platform::Color{0xFF0000});
    EXPECT_EQ(label->textColor, platform::Color{0xFF0000});
    EXPECT_EQ(value->TextColor, platform::Color{0xFF0000});
    EXPECT_EQ(VR2ObjectGetProperty(field, "color", platform::Variant()).ColorValue(), platform::Color{0xFF0000});
    EXPECT_GT(red(label), 20) << "Goal: ";
    EXPECT_GT(red(value), 20) << "10000";
}
