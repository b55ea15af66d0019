#include "toolkit/geometry/VR2Region.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t kNearStart = std::numeric_limits<int32_t>::max();

}  // namespace

VR2Region::Ref VR2Region::Create(const std::vector<VR2Rect::Ref>& rects)
{
    auto region = Create();
    for (const auto& rect : rects)
        if (rect)
            region->mRect.push_back(rect);
    return region;
}

void VR2Region::append(const VR2Rect::Ref& rect)
{
    if (rect && !rect->empty())
        mRect.push_back(rect);
}

int32_t VR2Region::left() const noexcept
{
    int32_t result = kNearStart;
    for (const auto& member : mRect)
        result = std::min(result, member->left);
    return result;
}

int32_t VR2Region::top() const noexcept
{
    int32_t result = kNearStart;
    for (const auto& member : mRect)
        result = std::min(result, member->top);
    return result;
}

int32_t VR2Region::right() const noexcept
{
    int32_t result = 0;
    for (const auto& member : mRect)
        result = std::max(result, member->right());
    return result;
}

int32_t VR2Region::bottom() const noexcept
{
    int32_t result = 0;
    for (const auto& member : mRect)
        result = std::max(result, member->bottom());
    return result;
}

int32_t VR2Region::width() const noexcept { return platform::WrapSub(right(), left()); }
int32_t VR2Region::height() const noexcept { return platform::WrapSub(bottom(), top()); }

VR2Area::Ref VR2Region::area() const { return VR2Area::Create(width(), height()); }

VR2Rect::Ref VR2Region::getRect() const { return VR2Rect::Create(left(), top(), width(), height()); }

bool VR2Region::equal(const VR2Rect::Ref& rect) const
{
    const auto& other = platform::Require(rect);
    return other.left == left() && other.top == top() && other.width == width() && other.height == height();
}

bool VR2Region::intersects(const VR2Rect::Ref& rect) const
{
    return AnyMember([&](const VR2Rect& member) { return member.intersects(rect); });
}

bool VR2Region::intersects(int32_t x, int32_t y, int32_t w, int32_t h) const
{
    return AnyMember([&](const VR2Rect& member) { return member.intersects(x, y, w, h); });
}

bool VR2Region::intersects(const VR2Point::Ref& point, int32_t w, int32_t h) const
{
    return AnyMember([&](const VR2Rect& member) { return member.intersects(point, w, h); });
}

bool VR2Region::intersects(int32_t x, int32_t y, const VR2Area::Ref& size) const
{
    return AnyMember([&](const VR2Rect& member) { return member.intersects(x, y, size); });
}

bool VR2Region::intersects(const VR2Point::Ref& point, const VR2Area::Ref& size) const
{
    return AnyMember([&](const VR2Rect& member) { return member.intersects(point, size); });
}

bool VR2Region::containsPoint(int32_t x, int32_t y) const
{
    return AnyMember([&](const VR2Rect& member) { return member.containsPoint(x, y); });
}

bool VR2Region::containsPoint(const VR2Point::Ref& point) const
{
    return AnyMember([&](const VR2Rect& member) { return member.containsPoint(point); });
}

bool VR2Region::containsRect(const VR2Rect::Ref& rect) const
{
    return AnyMember([&](const VR2Rect& member) { return member.containsRect(rect); });
}

bool VR2Region::containsRect(const VR2Point::Ref& point, const VR2Area::Ref& size) const
{
    return AnyMember([&](const VR2Rect& member) { return member.containsRect(point, size); });
}

bool VR2Region::containsRect(int32_t x, int32_t y, int32_t w, int32_t h) const
{
    return AnyMember([&](const VR2Rect& member) { return member.containsRect(x, y, w, h); });
}

bool VR2Region::containsRect(int32_t x, int32_t y, const VR2Area::Ref& size) const
{
    return AnyMember([&](const VR2Rect& member) { return member.containsRect(x, y, size); });
}

bool VR2Region::empty() const
{
    return !AnyMember([](const VR2Rect& member) { return !member.empty(); });
}

void VR2Region::offset(int32_t dx, int32_t dy)
{
    for (const auto& member : mRect)
        member->offset(dx, dy);
}

void VR2Region::offset(const VR2Point::Ref& delta)
{
    if (mRect.empty())
        return;
    const auto& move = platform::Require(delta);
    for (const auto& member : mRect)
        member->offset(move.x, move.y);
}
