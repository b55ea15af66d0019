#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// Sixtieths of a second since the program started.
int64_t Ticks();

// Microseconds since the program started.
double Microseconds();

// The desktop's double-click interval, in ticks (read anew on every call).
int32_t DoubleClickTicks();

// Test seam: while set, Ticks() answers this value.
void SetTicksForTesting(std::optional<int64_t> ticks);
// Test seam: while set, Microseconds() answers this value.
void SetMicrosecondsForTesting(std::optional<double> microseconds);

}  // namespace platform
