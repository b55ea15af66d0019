#pragma once

#include "app/DPListHeader.h"

// Builds the history list's column header, 476 x 17, pinned in width and height.
namespace DPDailyListHeader {

DPListHeader::Ref init();

}  // namespace DPDailyListHeader
