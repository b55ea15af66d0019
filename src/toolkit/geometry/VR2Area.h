#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <string>

// A size in pixels. Shared and mutable like every geometry value; a width or
// height of 0 or less makes it empty.
class VR2Area : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Area>;

    static Ref Create() { return Ref(new VR2Area()); }
    static Ref Create(int32_t width, int32_t height) { return Ref(new VR2Area(width, height)); }

    int32_t mWidth = 0;
    int32_t mHeight = 0;

    int32_t width() const { return mWidth; }
    int32_t height() const { return mHeight; }
    void setWidth(int32_t value) { mWidth = value; }
    void setHeight(int32_t value) { mHeight = value; }

    bool empty() const { return mHeight <= 0 || mWidth <= 0; }
    Ref copy() const { return Create(mWidth, mHeight); }
    // Width and height both equal; False for nil.
    bool equal(const Ref& other) const noexcept;
    // Orders by pixel count (32-bit products): 1 when this area has more
    // pixels, -1 when fewer or when other is nil, 0 when the same.
    int32_t Operator_Compare(const Ref& other) const noexcept;
    // "width,height", zero written as the empty text.
    std::string description() const;

private:
    VR2Area() = default;
    VR2Area(int32_t width, int32_t height) : mWidth(width), mHeight(height) {}
};
