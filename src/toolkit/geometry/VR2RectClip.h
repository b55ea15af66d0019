#pragma once

#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>

// Every repaint request is clipped to what holds it before it is painted,
// collected or passed up: the part of rect that lies inside the holder's
// visible rectangle (left, top, width, height, in rect's coordinates), moved
// by (dx, dy) into the coordinates of the holder's parent. Nil when nothing of
// it is inside. Sums are taken in 64 bits, so no rectangle, however far off or
// large, wraps into the holder; a result beyond Int32 after the move is clamped.
VR2Rect::Ref VR2ClipRect(const VR2Rect& rect, int64_t left, int64_t top, int64_t width, int64_t height,
                         int64_t dx = 0, int64_t dy = 0);
