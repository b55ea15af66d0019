#include "app/DPCurrentView.h"

#include "app/DPBuild.h"
#include "app/DPCodes.h"
#include "app/DPDailyList.h"
#include "app/DPDailyListHeader.h"
#include "app/DPFoodEntryList.h"
#include "app/DPFoodListHeader.h"
#include "app/ResourcePictures.h"
#include "platform/Codes.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/controls/VR2ChartBarControl.h"
#include "toolkit/controls/VR2PictureButton.h"
#include "toolkit/controls/VR2ProgressBar.h"

using DPBuild::Make;

namespace {

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
    auto bar = Make<VR2ProgressBar>(name, 369, top, 410, 30);
    bar->Pinning->Top = true;
    bar->Pinning->Width = true;
    bar->allowOverMax = true;
    return bar;
}

VR2ChartBarControl::Ref MonthlyBar(const std::string& name, int32_t top)
{
    auto bar = Make<VR2ChartBarControl>(name, 369, top, 410, 30);
    bar->Pinning->Left = true;
    bar->Pinning->Width = true;
    return bar;
}

VR2PictureButton::Ref AddButton(int32_t left)
{
    auto button = Make<VR2PictureButton>("", left, 10, 22, 22);
    button->Pinning->Top = true;
    button->Pinning->Left = true;
    button->initWithPictureAndMask(addBtnPic());
    return button;
}

VR2ContainerView::Ref Placeholder(int32_t left, int32_t top, int32_t width, const VR2View::Ref& content)
{
    auto holder = Make<VR2ContainerView>("", left, top, width, 17);
    holder->Pinning->Width = true;
    holder->initWithContentView(content);
    return holder;
}

}  // namespace

VR2ContainerView::Ref DPCurrentView::init()
{
    auto root = Make<VR2ContainerView>("DPCurrentView", 0, 0, 799, 444);
    root->Pinning->Width = true;
    root->Pinning->Height = true;
    const auto surface = std::static_pointer_cast<VR2Surface>(root);
    const auto add = [&](const VR2View::Ref& view) { view->attach(surface, false, false); };

    auto steps = Make<SLTEView>(dpcodes::kStepsEntryField, 704, 10, 50, 22);
    AddStepsRule(*steps, codes::kTargetTop);
    add(steps);

    auto foodList = Make<DPFoodEntryList>(dpcodes::kFoodEntryList, 20, 54, 272, 370);
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

    auto dailyList = Make<DPDailyList>(dpcodes::kDailyList, 303, 256, 476, 168);
    dailyList->Pinning->Width = true;
    dailyList->Pinning->Bottom = true;
    dailyList->Pinning->Height = true;
    dailyList->border = true;
    add(dailyList);

    add(DPBuild::Caption("Calories:", 303, 70, 60, 22));
    add(DPBuild::Caption("Steps:", 303, 107, 60, 22));
    add(DailyBar(dpcodes::kCalorieBarDaily, 65));
    add(DailyBar(dpcodes::kStepsBarDaily, 102));
    add(DPBuild::Caption("Today's Goals", 518, 43, 100, 22));
    // Wide enough for "September Goals" in the standard font; its text still starts at 517.
    auto month = DPBuild::Caption("Month's Goals", 517, 139, 120, 22);
    month->Name = dpcodes::kMonthLabel;
    add(month);
    auto monthCalories = DPBuild::Caption("Calories:", 303, 166, 60, 22);
    monthCalories->Pinning->Left = true;
    add(monthCalories);
    add(MonthlyBar(dpcodes::kCalorieBarMonthly, 162));
    auto monthSteps = DPBuild::Caption("Steps:", 303, 202, 60, 22);
    monthSteps->Pinning->Left = true;
    add(monthSteps);
    add(MonthlyBar(dpcodes::kStepsBarMonthly, 199));

    for (const auto& [name, left, width] :
         {std::tuple{dpcodes::kFoodEntryField, 20, 144}, {dpcodes::kCalorieEntryField, 172, 50}}) {
        auto field = Make<SLTEView>(name, left, 10, width, 22);
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

    add(Placeholder(303, 239, 476, DPDailyListHeader::init()));
    add(Placeholder(20, 37, 272, DPFoodListHeader::init()));
    return root;
}
