#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A four-character code: four ASCII characters in one Int32, the first in the
// most significant byte ('actn', 'top ').
constexpr int32_t FourCC(const char (&code)[5])
{
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
                                (static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
                                (static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
                                static_cast<uint32_t>(static_cast<unsigned char>(code[3])));
}

// The four characters of a code, most significant byte first.
inline std::string FourCCText(int32_t code)
{
    const auto bits = static_cast<uint32_t>(code);
    return {static_cast<char>(bits >> 24), static_cast<char>((bits >> 16) & 0xFF),
            static_cast<char>((bits >> 8) & 0xFF), static_cast<char>(bits & 0xFF)};
}

}  // namespace platform
