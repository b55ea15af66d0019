#pragma once

// Private to the platform layer: the open windows, front to back.

#include "platform/Window.h"

#include <vector>

namespace platform {

std::vector<Window::Ref>& OpenWindows();
void BringToFront(const Window* window);

}  // namespace platform
