#include "app/DPStatusBar.h"

#include "app/DPBuild.h"
#include "app/DPCodes.h"
#include "app/DPStepGoalField.h"
#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/geometry/VireoColor.h"

using DPBuild::Make;

namespace {

constexpr int32_t kLeft = 0, kRight = 1, kCentred = 2;

VR2StaticTextView::Ref Label(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t alignment,
                             const std::string& text = "")
{
    auto label = Make<VR2StaticTextView>(name, left, top, width, 18);
    label->textColor = VireoColor::kWhite;
    label->alignment = alignment;
    label->text = text;
    return label;
}

}  // namespace

DPStatusContainer::Ref DPStatusBar::init()
{
    auto bar = Make<DPStatusContainer>("DPStatusBar", 0, 0, 799, 89);
    bar->Pinning->Top = true;
    bar->Pinning->Width = true;
    const auto surface = std::static_pointer_cast<VR2Surface>(bar);

    auto date = Label(dpcodes::kDateFieldLabel, 274, 5, 250, kCentred);
    date->Pinning->Top = true;
    date->Pinning->Center_Horizontal = true;
    date->attach(surface, false, false);

    auto total = Label("", 98, 5, 44, kLeft, "Total:");
    total->Pinning->Top = true;
    total->Pinning->Left = true;
    total->attach(surface, false, false);

    auto stepTotal = Label(dpcodes::kStepTotalLabel, 525, 5, 176, kRight);
    stepTotal->Pinning->Top = true;
    stepTotal->Pinning->Right = true;
    stepTotal->attach(surface, false, false);

    Label(dpcodes::kCalorieTotalLabel, 143, 5, 128, kLeft)->attach(surface, false, false);

    auto calorieGoal = Make<VR2ClickToEditField>(dpcodes::kCalorieGoalField, 139, 23, 70, 18);
    calorieGoal->TextColor = VireoColor::kWhite;
    DPBuild::AddHandler(*calorieGoal, codes::kEventChanged, dpcodes::kCategoryFood, dpcodes::kGoal, codes::kTargetTop);
    calorieGoal->attach(surface, false, false);

    Label("", 98, 23, 40, kLeft, "Goal:")->attach(surface, false, false);

    for (const auto& [name, top] : {std::pair{dpcodes::kCaloriesToGoalLabel, 23}, {dpcodes::kStepsToGoalLabel, 41}}) {
        auto toGoal = Label(name, 274, top, 250, kCentred);
        toGoal->Pinning->Top = true;
        toGoal->Pinning->Center_Horizontal = true;
        toGoal->attach(surface, false, false);
    }

    auto stepGoal = Make<DPStepGoalField>(dpcodes::kStepGoalField, 525, 23, 176, 18);
    stepGoal->textColor(VireoColor::kWhite);
    DPBuild::AddHandler(*stepGoal, codes::kEventChanged, dpcodes::kCategorySteps, dpcodes::kGoal, codes::kTargetTop);
    stepGoal->attach(surface, false, false);
    return bar;
}
