#pragma once

// The platform's own named values: the key codes a window reports and the
// actions of a drop. The toolkit's protocol lives in toolkit/core/VR2Codes.h.
// Code spells these names, never the bare numbers.

#include <cstdint>

namespace codes {

// Key codes: the code point of the one-character key text a window reports.
constexpr int32_t kKeyHome = 1;
constexpr int32_t kKeyEnter = 3;
constexpr int32_t kKeyEnd = 4;
constexpr int32_t kKeyBackspace = 8;
constexpr int32_t kKeyTab = 9;
constexpr int32_t kKeyReturn = 13;
constexpr int32_t kKeyEscape = 27;
constexpr int32_t kKeyLeft = 28;
constexpr int32_t kKeyRight = 29;
constexpr int32_t kKeyUp = 30;
constexpr int32_t kKeyDown = 31;
constexpr int32_t kKeyDelete = 127;

// Platform window: the action of a drag from the desktop.
constexpr int32_t kDropCopy = 1;
constexpr int32_t kDropMove = 2;
constexpr int32_t kDropLink = 3;

}  // namespace codes
