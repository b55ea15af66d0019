#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A zero-filled block of bytes with typed access. Reads and writes outside the
// block raise OutOfBoundsException.
class MemoryBlock : public Object {
public:
    using Ref = std::shared_ptr<MemoryBlock>;
    static Ref Create(int32_t size);

    int32_t Size() const { return static_cast<int32_t>(mBytes.size()); }
    bool LittleEndian = true;

    // Writes text into length bytes at offset: cut when longer, zero-filled when shorter.
    void StringValue(int32_t offset, int32_t length, std::string_view text);
    std::string StringValue(int32_t offset, int32_t length) const;

    int32_t Long(int32_t offset) const;
    void Long(int32_t offset, int32_t value);

private:
    explicit MemoryBlock(int32_t size) : mBytes(size < 0 ? 0 : static_cast<size_t>(size), 0) {}
    void Check(int32_t offset, int32_t length) const;

    std::vector<uint8_t> mBytes;
};

}  // namespace platform
