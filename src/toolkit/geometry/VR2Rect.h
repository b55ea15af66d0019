#pragma once

#include "platform/Object.h"
#include "toolkit/geometry/VR2Area.h"
#include "toolkit/geometry/VR2Pinning.h"
#include "toolkit/geometry/VR2Point.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A rectangle of Int32 pixels, y growing downwards: right = left + width and
// bottom = top + height, summed with 32-bit wrap-around. Empty when width or
// height is 0 or less; negative sizes are legal. Edges are closed: every hit
// test counts the right and bottom edges as inside.
//
// Shared and mutable: operations that change a rectangle change it for every
// holder; operations that answer a rectangle, point or area answer a new one.
// A nil argument that an operation reads raises NilObjectException before any
// field is written.
class VR2Rect : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Rect>;

    static Ref Create() { return Ref(new VR2Rect()); }
    // Left first, the reverse of the field order.
    static Ref Create(int32_t left, int32_t top, int32_t width, int32_t height)
    {
        return Ref(new VR2Rect(left, top, width, height));
    }
    static Ref Create(int32_t width, int32_t height) { return Ref(new VR2Rect(0, 0, width, height)); }
    // Reads the text form of description(): "l,t,w,h" or "w,h"; anything else gives all zeros.
    static Ref Create(std::string_view text) { return Ref(new VR2Rect(text)); }

    int32_t top = 0;
    int32_t left = 0;
    int32_t width = 0;
    int32_t height = 0;

    int32_t right() const noexcept;
    int32_t bottom() const noexcept;
    // Change the size only: width = value - left, height = value - top.
    void setRight(int32_t value) noexcept;
    void setBottom(int32_t value) noexcept;
    bool empty() const noexcept { return width <= 0 || height <= 0; }

    VR2Area::Ref area() const;
    VR2Point::Ref position() const;
    // A nil point sets left and top to 0.
    void setPosition(const VR2Point::Ref& point) noexcept;
    VR2Point::Ref topLeft() const;
    VR2Point::Ref topRight() const;
    VR2Point::Ref bottomLeft() const;
    VR2Point::Ref bottomRight() const;

    void reset() noexcept;
    // Always a plain, untagged rectangle.
    Ref copy() const;
    // Values only; class and tag are not compared. Raises for nil.
    bool equal(const Ref& other) const;
    // (left - other left, top - other top, width - other width, height - other height).
    Ref deltaOfRect(const Ref& other) const;
    void offset(int32_t dx, int32_t dy) noexcept;
    void offset(const VR2Point::Ref& delta);
    // "l,t,w,h", zero written as the empty text: (0, 5, 10, 0) gives ",5,10,".
    std::string description() const;

    // Overlap with closed edges: rectangles that share an edge or a corner
    // intersect; there is no emptiness test.
    bool intersects(const Ref& other) const;
    bool intersects(int32_t x, int32_t y, int32_t width, int32_t height) const noexcept;
    bool intersects(const VR2Point::Ref& point, int32_t width, int32_t height) const;
    bool intersects(int32_t x, int32_t y, const VR2Area::Ref& area) const;
    bool intersects(const VR2Point::Ref& point, const VR2Area::Ref& area) const;

    // The common part, with no emptiness test: touching rectangles give a size
    // of 0, disjoint ones a size of 0 or less.
    Ref intersection(const Ref& other) const;
    Ref intersection(int32_t x, int32_t y, int32_t width, int32_t height) const;
    Ref intersection(const VR2Point::Ref& point, int32_t width, int32_t height) const;
    Ref intersection(int32_t x, int32_t y, const VR2Area::Ref& area) const;
    Ref intersection(const VR2Point::Ref& point, const VR2Area::Ref& area) const;

    // The other lies wholly inside, edges included. The edges are tested top,
    // left, right, bottom; an argument the deciding test never reads may be nil.
    bool containsRect(const Ref& other) const;
    bool containsRect(const VR2Point::Ref& point, const VR2Area::Ref& area) const;
    bool containsRect(int32_t x, int32_t y, int32_t width, int32_t height) const noexcept;
    bool containsRect(int32_t x, int32_t y, const VR2Area::Ref& area) const;

    // False for an empty rectangle (the point is then not read); otherwise
    // left <= x <= right and top <= y <= bottom.
    bool containsPoint(int32_t x, int32_t y) const noexcept;
    bool containsPoint(const VR2Point::Ref& point) const;

    // Grows by (dw, dh): to the right and downwards with a nil pinning; with a
    // pinning only about the centre on the axes whose centring flag is set.
    void expand(int32_t dw, int32_t dh, const VR2Pinning::Ref& pinning) noexcept;
    // Union in place; an empty rectangle still pulls the union towards it.
    void expand(const Ref& other);
    // Union in place that ignores the receiver's start edges while it is
    // empty on that axis, so a fresh (0, 0, 0, 0) accumulates exactly the
    // union of what it receives.
    void addRect(const Ref& other);

    // Takes the source's values, then enforces the minimum size keeping the
    // corner opposite the dragged one in place.
    static constexpr int32_t kCornerTopLeft = 0x746C6674;      // 'tlft'
    static constexpr int32_t kCornerTopRight = 0x74726774;     // 'trgt'
    static constexpr int32_t kCornerBottomLeft = 0x626C6674;   // 'blft'
    static constexpr int32_t kCornerBottomRight = 0x62726774;  // 'brgt'
    void resize(const Ref& source, int32_t corner, int32_t minWidth, int32_t minHeight);

protected:
    VR2Rect() = default;
    VR2Rect(int32_t left, int32_t top, int32_t width, int32_t height)
        : top(top), left(left), width(width), height(height)
    {
    }
    explicit VR2Rect(std::string_view text);

private:
    void StoreEdges(int32_t newTop, int32_t newLeft, int32_t newBottom, int32_t newRight) noexcept;
};
