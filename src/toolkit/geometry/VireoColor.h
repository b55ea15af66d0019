#pragma once

#include "platform/Color.h"

// The toolkit's palette, and colour arithmetic on the three 8-bit channels;
// results stay in 0-255.
namespace VireoColor {

// The background of windows, containers, lists and text fields.
inline constexpr platform::Color kWhite{0xFFFFFF};
// A selection in a view that does not have the focus.
inline constexpr platform::Color kUnfocusedSelection{0xE0E0E0};

// Each channel becomes channel * fraction + 255 * fraction: at 0.5 the
// midpoint between the colour and white.
platform::Color Lighten(platform::Color color, double fraction);
// Each channel becomes channel * (1 - fraction).
platform::Color Darken(platform::Color color, double fraction);

}  // namespace VireoColor
