#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <memory>
#include <string>

class VR2Rect;

// A position in pixels, y growing downwards. Shared and mutable: a change made
// through one holder is seen by every holder; copy() gives an independent one.
class VR2Point : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Point>;

    static Ref Create() { return Ref(new VR2Point()); }
    static Ref Create(int32_t x, int32_t y) { return Ref(new VR2Point(x, y)); }

    int32_t x = 0;
    int32_t y = 0;

    // "x,y", zero written as the empty text: (0, 7) gives ",7".
    std::string description() const;
    Ref copy() const { return Create(x, y); }
    Ref offsetCopy(int32_t dx, int32_t dy) const;

    // Moves in place; a non-nil bounds clamps the result to it, edges included.
    void offset(int32_t dx, int32_t dy, const std::shared_ptr<VR2Rect>& bounds) noexcept;
    // Raises NilObjectException for a nil delta, before anything changes.
    void offset(const Ref& delta, const std::shared_ptr<VR2Rect>& bounds);

    // False for nil.
    bool equal(const Ref& other) const noexcept;

private:
    VR2Point() = default;
    VR2Point(int32_t x, int32_t y) : x(x), y(y) {}
};
