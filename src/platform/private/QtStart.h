#pragma once

// Private to the platform layer: work that Qt would do on the first window's
// way to the screen, done off that way.

class QStyle;

namespace platform {

// Starts reading the font configuration on a worker, before the application
// object is made.
void BeginFontConfiguration();
// Returns once that reading is done; before any font is asked for, so that
// Qt never reads it a second time alongside.
void AwaitFontConfiguration();

// The desktop's own style, but for one picture read only when it is drawn.
QStyle* NewStartStyle();

}  // namespace platform
