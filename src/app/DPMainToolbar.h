#pragma once

#include "app/DPToolbarContainer.h"

// Builds the toolbar, 799 x 26: two captions and the back, today and next
// buttons, which send "dp_event_navigation" 'back', 'home' and 'frwd' to the window.
namespace DPMainToolbar {

DPToolbarContainer::Ref init();

}  // namespace DPMainToolbar
