#pragma once

#include "toolkit/hosts/VR2ContainerView.h"

// Builds the main window's whole view tree, 799 x 559: the status bar on
// top, the toolbar under it and the main content below, each in a
// placeholder pinned to the top.
namespace DPMainView {

VR2ContainerView::Ref init();

}  // namespace DPMainView
