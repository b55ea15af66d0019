#include "app/DPFoodListRow.h"

#include "app/DPBuild.h"
#include "toolkit/controls/VR2ClickToEditField.h"

using DPBuild::Make;

VR2ContainerView::Ref DPFoodListRow::init()
{
    auto row = Make<VR2ContainerView>("DPFoodListRow", 0, 0, 272, 24);
    const auto surface = std::static_pointer_cast<VR2Surface>(row);
    auto name = Make<VR2ClickToEditField>("food_name", 5, 1, 193, 22);
    name->Pinning->Top = true;
    name->Pinning->Width = true;
    name->attach(surface, false, false);
    auto calories = Make<VR2ClickToEditField>("cal_val", 200, 1, 56, 22);
    calories->Pinning->Top = true;
    calories->Alignment = 0;
    calories->attach(surface, false, false);
    return row;
}
