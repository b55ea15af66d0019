#pragma once

#include "platform/Color.h"

// Colour arithmetic on the three 8-bit channels; results stay in 0-255.
namespace VireoColor {

// Each channel becomes channel * fraction + 255 * fraction: at 0.5 the
// midpoint between the colour and white.
platform::Color Lighten(platform::Color color, double fraction);
// Each channel becomes channel * (1 - fraction).
platform::Color Darken(platform::Color color, double fraction);

}  // namespace VireoColor
