#include "app/DPCurrentView.h"

#include "app/DPBuild.h"
#include "app/DPCodes.h"
#include "app/DPDailyList.h"
#include "app/DPDailyListHeader.h"
#include "app/DPFoodEntryList.h"
#include "app/DPFoodListHeader.h"
#include "app/ResourcePictures.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/controls/VR2ChartBarControl.h"
#include "toolkit/controls/VR2PictureButton.h"
#include "toolkit/controls/VR2ProgressBar.h"
#include "toolkit/core/VR2Codes.h"

using DPBuild::Make;

namespace {

// The view's grid: a left column with the food list and a right column with
// the goals and the day's history, each list under its header, all kMargin in
// from the view's sides and bottom.
constexpr int32_t kViewWidth = 799;
constexpr int32_t kViewHeight = 444;
constexpr int32_t kMargin = 20;
constexpr int32_t kListsBottom = kViewHeight - kMargin;
constexpr int32_t kLeftColumn = kMargin;
constexpr int32_t kLeftColumnWidth = 272;
constexpr int32_t kRightColumn = 303;
constexpr int32_t kRightColumnWidth = kViewWidth - kMargin - kRightColumn;
constexpr int32_t kFoodHeaderTop = 37;
constexpr int32_t kDailyHeaderTop = 239;
constexpr int32_t kListHeaderHeight = 17;
// The goal bars sit beside their captions and end with the right column.
constexpr int32_t kBarColumn = 369;
constexpr int32_t kBarWidth = kRightColumn + kRightColumnWidth - kBarColumn;
constexpr int32_t kBarHeight = 30;
// The entry fields and buttons along the top, and the captions.
constexpr int32_t kEntryRowTop = 10;
constexpr int32_t kLineHeight = 22;
constexpr int32_t kCaptionWidth = 60;

// Return in either food field or the add-food button: both fields' texts as 'nfud'.
void AddNewFoodRule(VR2View& view)
{
    const auto handler = DPBuild::AddHandler(view, codes::kEventAction, dpcodes::kCategoryFood, dpcodes::kNewFood,
                                             codes::kTargetParent);
    DPBuild::AddTextRecipe(*handler, dpcodes::kParamFoodName, dpcodes::kFoodEntryField);
    DPBuild::AddTextRecipe(*handler, dpcodes::kParamCalorieAmount, dpcodes::kCalorieEntryField);
}

void AddStepsRule(VR2View& view, int32_t targetCode)
{
    const auto handler = DPBuild::AddHandler(view, codes::kEventAction, dpcodes::kCategorySteps, dpcodes::kAddSteps,
                                             targetCode);
    DPBuild::AddTextRecipe(*handler, dpcodes::kParamSteps, dpcodes::kStepsEntryField);
}

VR2ProgressBar::Ref DailyBar(const std::string& name, int32_t top)
{
    auto bar = Make<VR2ProgressBar>(name, kBarColumn, top, kBarWidth, kBarHeight);
    bar->Pinning->Top = true;
    bar->Pinning->Width = true;
    bar->allowOverMax = true;
    return bar;
}

VR2ChartBarControl::Ref MonthlyBar(const std::string& name, int32_t top)
{
    auto bar = Make<VR2ChartBarControl>(name, kBarColumn, top, kBarWidth, kBarHeight);
    bar->Pinning->Left = true;
    bar->Pinning->Width = true;
    return bar;
}

VR2PictureButton::Ref AddButton(int32_t left)
{
    auto button = Make<VR2PictureButton>("", left, kEntryRowTop, kLineHeight, kLineHeight);
    button->Pinning->Top = true;
    button->Pinning->Left = true;
    button->initWithPictureAndMask(addBtnPic());
    return button;
}

VR2ContainerView::Ref Placeholder(int32_t left, int32_t top, int32_t width, const VR2View::Ref& content)
{
    auto holder = Make<VR2ContainerView>("", left, top, width, kListHeaderHeight);
    holder->Pinning->Width = true;
    holder->initWithContentView(content);
    return holder;
}

}  // namespace

VR2ContainerView::Ref DPCurrentView::init()
{
    auto root = Make<VR2ContainerView>("DPCurrentView", 0, 0, kViewWidth, kViewHeight);
    root->Pinning->Width = true;
    root->Pinning->Height = true;
    const auto surface = std::static_pointer_cast<VR2Surface>(root);
    const auto add = [&](const VR2View::Ref& view) { view->attach(surface, false, false); };

    auto steps = Make<SLTEView>(dpcodes::kStepsEntryField, 704, kEntryRowTop, 50, kLineHeight);
    AddStepsRule(*steps, codes::kTargetTop);
    add(steps);

    constexpr int32_t foodListTop = kFoodHeaderTop + kListHeaderHeight;
    auto foodList = Make<DPFoodEntryList>(dpcodes::kFoodEntryList, kLeftColumn, foodListTop, kLeftColumnWidth,
                                          kListsBottom - foodListTop);
    foodList->Pinning->Left = true;
    foodList->Pinning->Height = true;
    foodList->border = true;
    DPBuild::AddHandler(*foodList, dpcodes::kFoodName, dpcodes::kCategoryFoodList, dpcodes::kFoodName,
                        codes::kTargetTop);
    DPBuild::AddHandler(*foodList, dpcodes::kCalories, dpcodes::kCategoryFoodList, dpcodes::kCalories,
                        codes::kTargetTop);
    DPBuild::AddHandler(*foodList, codes::kEventKeyPress, dpcodes::kCategoryFood, dpcodes::kDeleteFood,
                        codes::kTargetTop);
    add(foodList);

    constexpr int32_t dailyListTop = kDailyHeaderTop + kListHeaderHeight;
    auto dailyList = Make<DPDailyList>(dpcodes::kDailyList, kRightColumn, dailyListTop, kRightColumnWidth,
                                       kListsBottom - dailyListTop);
    dailyList->Pinning->Width = true;
    dailyList->Pinning->Bottom = true;
    dailyList->Pinning->Height = true;
    dailyList->border = true;
    add(dailyList);

    add(DPBuild::Caption("Calories:", kRightColumn, 70, kCaptionWidth, kLineHeight));
    add(DPBuild::Caption("Steps:", kRightColumn, 107, kCaptionWidth, kLineHeight));
    add(DailyBar(dpcodes::kCalorieBarDaily, 65));
    add(DailyBar(dpcodes::kStepsBarDaily, 102));
    add(DPBuild::Caption("Today's Goals", 518, 43, 100, kLineHeight));
    // Wide enough for "September Goals" in the standard font; its text still starts at 517.
    auto month = DPBuild::Caption("Month's Goals", 517, 139, 120, kLineHeight);
    month->Name = dpcodes::kMonthLabel;
    add(month);
    auto monthCalories = DPBuild::Caption("Calories:", kRightColumn, 166, kCaptionWidth, kLineHeight);
    monthCalories->Pinning->Left = true;
    add(monthCalories);
    add(MonthlyBar(dpcodes::kCalorieBarMonthly, 162));
    auto monthSteps = DPBuild::Caption("Steps:", kRightColumn, 202, kCaptionWidth, kLineHeight);
    monthSteps->Pinning->Left = true;
    add(monthSteps);
    add(MonthlyBar(dpcodes::kStepsBarMonthly, 199));

    for (const auto& [name, left, width] :
         {std::tuple{dpcodes::kFoodEntryField, kLeftColumn, 144}, {dpcodes::kCalorieEntryField, 172, 50}}) {
        auto field = Make<SLTEView>(name, left, kEntryRowTop, width, kLineHeight);
        field->Pinning->Top = true;
        field->Pinning->Left = true;
        AddNewFoodRule(*field);
        add(field);
    }
    auto addFood = AddButton(225);
    AddNewFoodRule(*addFood);
    add(addFood);
    auto addSteps = AddButton(757);
    // The first of the responder chain: the controller, whatever route a message took.
    AddStepsRule(*addSteps, codes::kTargetFirstResponder);
    add(addSteps);

    add(Placeholder(kRightColumn, kDailyHeaderTop, kRightColumnWidth, DPDailyListHeader::init()));
    add(Placeholder(kLeftColumn, kFoodHeaderTop, kLeftColumnWidth, DPFoodListHeader::init()));
    return root;
}
