#include "app/DPFoodListRow.h"

#include "app/DPBuild.h"
#include "toolkit/controls/VR2StaticTextView.h"

using DPBuild::Make;

VR2ContainerView::Ref DPFoodListRow::init()
{
    auto row = Make<VR2ContainerView>("DPFoodListRow", 0, 0, 272, 24);
    const auto surface = std::static_pointer_cast<VR2Surface>(row);
    auto name = Make<VR2StaticTextView>("food_name", 5, 1, 193, 22);
    name->Pinning->Top = true;
    name->Pinning->Width = true;
    name->attach(surface, false, false);
    auto calories = Make<VR2StaticTextView>("cal_val", 200, 1, 56, 22);
    calories->Pinning->Top = true;
    calories->alignment = 0;
    calories->attach(surface, false, false);
    return row;
}
