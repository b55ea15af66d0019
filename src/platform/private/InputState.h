#pragma once

#include <cstdint>

namespace platform {

// What the window layer saw of the keyboard and the mouse in the event being
// handled; Keyboard and System answer from it. Written only by the windows.
struct InputState {
    bool shift = false;
    bool command = false;
    bool buttonDown = false;
    bool contextualClick = false;
    // A window's press hook has not returned yet (it may hold until the release).
    bool pressHookRunning = false;
    int32_t screenX = 0;
    int32_t screenY = 0;
};

InputState& CurrentInput();

}  // namespace platform
