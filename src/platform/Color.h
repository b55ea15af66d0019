#pragma once

#include <cstdint>

namespace platform {

// A 24-bit colour, &hRRGGBB: red in bits 16-23, green 8-15, blue 0-7.
struct Color {
    int32_t value = 0;

    constexpr int32_t Red() const { return (value >> 16) & 0xFF; }
    constexpr int32_t Green() const { return (value >> 8) & 0xFF; }
    constexpr int32_t Blue() const { return value & 0xFF; }

    friend constexpr bool operator==(Color, Color) = default;
};

// Channels outside 0-255 are clamped.
constexpr Color RGB(int32_t red, int32_t green, int32_t blue)
{
    auto clamp = [](int32_t channel) { return channel < 0 ? 0 : channel > 255 ? 255 : channel; };
    return Color{(clamp(red) << 16) | (clamp(green) << 8) | clamp(blue)};
}

// The desktop's selection colour: a fixed light blue that black text reads well on.
constexpr Color HighlightColor() { return Color{0xB5D5FF}; }

}  // namespace platform
