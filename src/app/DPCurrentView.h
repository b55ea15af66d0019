#pragma once

#include "toolkit/hosts/VR2ContainerView.h"

// Builds the main content, 799 x 444: the entry fields and add buttons, the
// food list and the history list with their headers, the day's and the
// month's goal bars with their captions, and the rules that turn the entries
// and the food list's events into the controller's messages.
namespace DPCurrentView {

VR2ContainerView::Ref init();

}  // namespace DPCurrentView
