#pragma once

#include "app/DPListHeader.h"

// Builds the food list's column header, 272 x 17.
namespace DPFoodListHeader {

DPListHeader::Ref init();

}  // namespace DPFoodListHeader
