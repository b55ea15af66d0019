#pragma once

#include "toolkit/hosts/VR2ContainerView.h"

// Builds a food row, 272 x 24, with its empty "food_name" and "cal_val"
// fields, no handlers and no user data.
namespace DPFoodListRow {

VR2ContainerView::Ref init();

}  // namespace DPFoodListRow
