#pragma once

namespace platform::Keyboard {

// Shift held during the key or mouse event being handled.
bool ShiftKey();
// Shift held now, whatever event is being handled.
bool AsyncShiftKey();
// The command modifier (Ctrl) held during the event being handled.
bool CommandKey();

}  // namespace platform::Keyboard
