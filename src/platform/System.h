#pragma once

#include "platform/MouseCursor.h"

#include <cstdint>

namespace platform {

namespace System {

// The mouse button is down now.
bool MouseDown();
// The pointer in screen coordinates, as last seen by a window.
int32_t MouseX();
int32_t MouseY();

namespace Cursors {
MouseCursor::Ref StandardPointer();
MouseCursor::Ref IBeam();
}  // namespace Cursors

}  // namespace System

// The press being handled asks for a contextual menu (the secondary button).
bool IsCMMClick();

}  // namespace platform
