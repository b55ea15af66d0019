#pragma once

#include "app/DPStatusContainer.h"

// Builds the status bar, 799 x 89: the day on view, the day's calorie and
// step figures in white, and the two goals edited in place ('chgd' sends
// "dp_event_food" or "dp_event_steps" 'goal' to the window).
namespace DPStatusBar {

DPStatusContainer::Ref init();

}  // namespace DPStatusBar
