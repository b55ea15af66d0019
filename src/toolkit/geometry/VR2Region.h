#pragma once

#include "platform/Object.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A list of rectangles answering questions about the whole list: its
// bounding box and whether some single member overlaps, contains a point or
// contains a rectangle. Members are held by reference, never copied, so a
// member moved by another holder moves the region's answers. Nothing is
// merged or cached.
//
// The bounding box starts from left = top = INT32_MAX and right = bottom = 0:
// a region without members gives (INT32_MAX, INT32_MAX, -INT32_MAX,
// -INT32_MAX), which is empty, and far edges never lie below 0.
class VR2Region : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Region>;

    static Ref Create() { return Ref(new VR2Region()); }
    // Takes every element, empty rectangles included; nil elements are
    // dropped, since a nil member would break every later question.
    static Ref Create(const std::vector<VR2Rect::Ref>& rects);

    // Adds the rectangle object itself; nil and empty rectangles are ignored.
    void append(const VR2Rect::Ref& rect);

    int32_t left() const noexcept;
    int32_t top() const noexcept;
    int32_t right() const noexcept;
    int32_t bottom() const noexcept;
    int32_t width() const noexcept;
    int32_t height() const noexcept;
    VR2Area::Ref area() const;
    VR2Rect::Ref getRect() const;
    // The rectangle's values against the bounding box; raises for nil.
    bool equal(const VR2Rect::Ref& rect) const;

    // True at the first member that answers True; False without members.
    bool intersects(const VR2Rect::Ref& rect) const;
    bool intersects(int32_t x, int32_t y, int32_t width, int32_t height) const;
    bool intersects(const VR2Point::Ref& point, int32_t width, int32_t height) const;
    bool intersects(int32_t x, int32_t y, const VR2Area::Ref& area) const;
    bool intersects(const VR2Point::Ref& point, const VR2Area::Ref& area) const;
    bool containsPoint(int32_t x, int32_t y) const;
    bool containsPoint(const VR2Point::Ref& point) const;
    // One single member must contain the whole rectangle.
    bool containsRect(const VR2Rect::Ref& rect) const;
    bool containsRect(const VR2Point::Ref& point, const VR2Area::Ref& area) const;
    bool containsRect(int32_t x, int32_t y, int32_t width, int32_t height) const;
    bool containsRect(int32_t x, int32_t y, const VR2Area::Ref& area) const;
    // Every member is empty (True without members).
    bool empty() const;

    // Moves every member in place (the shared rectangle objects themselves).
    void offset(int32_t dx, int32_t dy);
    void offset(const VR2Point::Ref& delta);

    // Rectangle operations that have no meaning for a region: they accept
    // their arguments and change nothing.
    std::string description() const { return {}; }
    VR2Rect::Ref copy() const { return nullptr; }
    VR2Rect::Ref intersection(const VR2Rect::Ref&) const { return nullptr; }
    VR2Rect::Ref intersection(int32_t, int32_t, int32_t, int32_t) const { return nullptr; }
    VR2Rect::Ref intersection(const VR2Point::Ref&, int32_t, int32_t) const { return nullptr; }
    VR2Rect::Ref intersection(int32_t, int32_t, const VR2Area::Ref&) const { return nullptr; }
    VR2Rect::Ref intersection(const VR2Point::Ref&, const VR2Area::Ref&) const { return nullptr; }
    void expand(int32_t, int32_t, const VR2Pinning::Ref&) {}
    void expand(const VR2Rect::Ref&) {}
    void setLeft(int32_t) {}
    void setTop(int32_t) {}
    void setRight(int32_t) {}
    void setBottom(int32_t) {}
    void setWidth(int32_t) {}
    void setHeight(int32_t) {}

private:
    VR2Region() = default;

    template <typename Test>
    bool AnyMember(Test test) const
    {
        for (const auto& member : mRect)
            if (test(*member))
                return true;
        return false;
    }

    std::vector<VR2Rect::Ref> mRect;
};
