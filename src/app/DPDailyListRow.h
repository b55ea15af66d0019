#pragma once

#include "toolkit/hosts/VR2ContainerView.h"

// Builds a history row, 460 x 24, with empty texts and no pictures:
// date, calories, calorie goal icon and difference, a separator, steps,
// steps goal icon and difference.
namespace DPDailyListRow {

VR2ContainerView::Ref init();

}  // namespace DPDailyListRow
