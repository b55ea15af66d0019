#include "platform/MemoryBlock.h"

#include "platform/Exceptions.h"

#include <algorithm>

namespace platform {

MemoryBlock::Ref MemoryBlock::Create(int32_t size) { return Ref(new MemoryBlock(size)); }

void MemoryBlock::Check(int32_t offset, int32_t length) const
{
    if (offset < 0 || length < 0 || static_cast<int64_t>(offset) + length > Size())
        throw OutOfBoundsException();
}

void MemoryBlock::StringValue(int32_t offset, int32_t length, std::string_view text)
{
    Check(offset, length);
    const size_t copied = std::min(text.size(), static_cast<size_t>(length));
    std::copy_n(text.begin(), copied, mBytes.begin() + offset);
    std::fill(mBytes.begin() + offset + static_cast<std::ptrdiff_t>(copied), mBytes.begin() + offset + length, 0);
}

std::string MemoryBlock::StringValue(int32_t offset, int32_t length) const
{
    Check(offset, length);
    return std::string(mBytes.begin() + offset, mBytes.begin() + offset + length);
}

int32_t MemoryBlock::Long(int32_t offset) const
{
    Check(offset, 4);
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const uint32_t byte = mBytes[static_cast<size_t>(offset + i)];
        value |= LittleEndian ? byte << (8 * i) : byte << (8 * (3 - i));
    }
    return static_cast<int32_t>(value);
}

void MemoryBlock::Long(int32_t offset, int32_t value)
{
    Check(offset, 4);
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        const int shift = LittleEndian ? 8 * i : 8 * (3 - i);
        mBytes[static_cast<size_t>(offset + i)] = static_cast<uint8_t>(bits >> shift);
    }
}

}  // namespace platform
