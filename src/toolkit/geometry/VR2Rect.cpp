#include "toolkit/geometry/VR2Rect.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"

#include <algorithm>

using platform::Require;
using platform::WrapAdd;
using platform::WrapSub;

VR2Rect::VR2Rect(std::string_view text)
{
    const auto parts = platform::Split(text, ",");
    auto read = [&](size_t index) { return platform::DoubleToInt32(platform::Val(parts[index])); };
    if (parts.size() == 4) {
        left = read(0);
        top = read(1);
        width = read(2);
        height = read(3);
    } else if (parts.size() == 2) {
        width = read(0);
        height = read(1);
    }
}

int32_t VR2Rect::right() const noexcept { return WrapAdd(left, width); }
int32_t VR2Rect::bottom() const noexcept { return WrapAdd(top, height); }
void VR2Rect::setRight(int32_t value) noexcept { width = WrapSub(value, left); }
void VR2Rect::setBottom(int32_t value) noexcept { height = WrapSub(value, top); }

VR2Area::Ref VR2Rect::area() const { return VR2Area::Create(width, height); }
VR2Point::Ref VR2Rect::position() const { return VR2Point::Create(left, top); }

void VR2Rect::setPosition(const VR2Point::Ref& point) noexcept
{
    left = point ? point->x : 0;
    top = point ? point->y : 0;
}

VR2Point::Ref VR2Rect::topLeft() const { return VR2Point::Create(left, top); }
VR2Point::Ref VR2Rect::topRight() const { return VR2Point::Create(right(), top); }
VR2Point::Ref VR2Rect::bottomLeft() const { return VR2Point::Create(left, bottom()); }
VR2Point::Ref VR2Rect::bottomRight() const { return VR2Point::Create(right(), bottom()); }

void VR2Rect::reset() noexcept { top = left = width = height = 0; }

VR2Rect::Ref VR2Rect::copy() const { return Create(left, top, width, height); }

bool VR2Rect::equal(const Ref& other) const
{
    const auto& rect = Require(other);
    return left == rect.left && top == rect.top && width == rect.width && height == rect.height;
}

VR2Rect::Ref VR2Rect::deltaOfRect(const Ref& other) const
{
    const auto& rect = Require(other);
    return Create(WrapSub(left, rect.left), WrapSub(top, rect.top), WrapSub(width, rect.width),
                  WrapSub(height, rect.height));
}

void VR2Rect::offset(int32_t dx, int32_t dy) noexcept
{
    left = WrapAdd(left, dx);
    top = WrapAdd(top, dy);
}

void VR2Rect::offset(const VR2Point::Ref& delta)
{
    const auto& point = Require(delta);
    offset(point.x, point.y);
}

std::string VR2Rect::description() const
{
    return platform::Format(left, "#") + "," + platform::Format(top, "#") + "," + platform::Format(width, "#") +
           "," + platform::Format(height, "#");
}

bool VR2Rect::intersects(const Ref& other) const
{
    const auto& rect = Require(other);
    return intersects(rect.left, rect.top, rect.width, rect.height);
}

bool VR2Rect::intersects(int32_t x, int32_t y, int32_t otherWidth, int32_t otherHeight) const noexcept
{
    if (WrapAdd(x, otherWidth) < left)
        return false;
    if (right() < x)
        return false;
    if (WrapAdd(y, otherHeight) < top)
        return false;
    if (bottom() < y)
        return false;
    return true;
}

bool VR2Rect::intersects(const VR2Point::Ref& point, int32_t otherWidth, int32_t otherHeight) const
{
    const auto& origin = Require(point);
    return intersects(origin.x, origin.y, otherWidth, otherHeight);
}

bool VR2Rect::intersects(int32_t x, int32_t y, const VR2Area::Ref& area) const
{
    const auto& size = Require(area);
    return intersects(x, y, size.width(), size.height());
}

bool VR2Rect::intersects(const VR2Point::Ref& point, const VR2Area::Ref& area) const
{
    const auto& origin = Require(point);
    const auto& size = Require(area);
    return intersects(origin.x, origin.y, size.width(), size.height());
}

VR2Rect::Ref VR2Rect::intersection(const Ref& other) const
{
    const auto& rect = Require(other);
    return intersection(rect.left, rect.top, rect.width, rect.height);
}

VR2Rect::Ref VR2Rect::intersection(int32_t x, int32_t y, int32_t otherWidth, int32_t otherHeight) const
{
    auto result = Create();
    result->left = std::max(left, x);
    result->top = std::max(top, y);
    result->setRight(std::min(right(), WrapAdd(x, otherWidth)));
    result->setBottom(std::min(bottom(), WrapAdd(y, otherHeight)));
    return result;
}

VR2Rect::Ref VR2Rect::intersection(const VR2Point::Ref& point, int32_t otherWidth, int32_t otherHeight) const
{
    const auto& origin = Require(point);
    return intersection(origin.x, origin.y, otherWidth, otherHeight);
}

VR2Rect::Ref VR2Rect::intersection(int32_t x, int32_t y, const VR2Area::Ref& area) const
{
    const auto& size = Require(area);
    return intersection(x, y, size.width(), size.height());
}

VR2Rect::Ref VR2Rect::intersection(const VR2Point::Ref& point, const VR2Area::Ref& area) const
{
    const auto& origin = Require(point);
    const auto& size = Require(area);
    return intersection(origin.x, origin.y, size.width(), size.height());
}

bool VR2Rect::containsRect(const Ref& other) const
{
    const auto& rect = Require(other);
    return containsRect(rect.left, rect.top, rect.width, rect.height);
}

bool VR2Rect::containsRect(const VR2Point::Ref& point, const VR2Area::Ref& area) const
{
    const auto& origin = Require(point);
    if (!(top <= origin.y) || !(left <= origin.x))
        return false;
    return containsRect(origin.x, origin.y, area);
}

bool VR2Rect::containsRect(int32_t x, int32_t y, int32_t otherWidth, int32_t otherHeight) const noexcept
{
    return top <= y && left <= x && WrapAdd(x, otherWidth) <= right() && WrapAdd(y, otherHeight) <= bottom();
}

bool VR2Rect::containsRect(int32_t x, int32_t y, const VR2Area::Ref& area) const
{
    // The near edges decide before the area is read.
    if (!(top <= y) || !(left <= x))
        return false;
    const auto& size = Require(area);
    return containsRect(x, y, size.width(), size.height());
}

bool VR2Rect::containsPoint(int32_t x, int32_t y) const noexcept
{
    if (empty())
        return false;
    return left <= x && x <= right() && top <= y && y <= bottom();
}

bool VR2Rect::containsPoint(const VR2Point::Ref& point) const
{
    if (empty())
        return false;
    const auto& where = Require(point);
    return containsPoint(where.x, where.y);
}

void VR2Rect::expand(int32_t dw, int32_t dh, const VR2Pinning::Ref& pinning) noexcept
{
    if (!pinning) {
        width = WrapAdd(width, dw);
        height = WrapAdd(height, dh);
        return;
    }
    if (pinning->Center_Horizontal) {
        left = platform::DoubleToInt32(static_cast<double>(left) - static_cast<double>(dw) / 2.0);
        width = WrapAdd(width, dw);
    }
    if (pinning->Center_Vertical) {
        top = platform::DoubleToInt32(static_cast<double>(top) - static_cast<double>(dh) / 2.0);
        height = WrapAdd(height, dh);
    }
}

void VR2Rect::expand(const Ref& other)
{
    const auto& rect = Require(other);
    const int32_t newTop = std::min(top, rect.top);
    const int32_t newLeft = std::min(left, rect.left);
    const int32_t newBottom = std::max(bottom(), rect.bottom());
    StoreEdges(newTop, newLeft, newBottom, std::max(right(), rect.right()));
}

void VR2Rect::addRect(const Ref& other)
{
    const auto& rect = Require(other);
    const int32_t newTop = (rect.top <= top || height < 1) ? rect.top : top;
    const int32_t newLeft = (rect.left <= left || width < 1) ? rect.left : left;
    const int32_t newBottom = std::max(bottom(), rect.bottom());
    StoreEdges(newTop, newLeft, newBottom, std::max(right(), rect.right()));
}

void VR2Rect::StoreEdges(int32_t newTop, int32_t newLeft, int32_t newBottom, int32_t newRight) noexcept
{
    left = newLeft;
    height = WrapSub(newBottom, newTop);
    width = WrapSub(newRight, newLeft);
    top = newTop;
}

void VR2Rect::resize(const Ref& source, int32_t corner, int32_t minWidth, int32_t minHeight)
{
    const auto& from = Require(source);
    width = from.width;
    height = from.height;
    top = from.top;
    left = from.left;
    if (width < minWidth) {
        if (corner == kCornerTopLeft || corner == kCornerBottomLeft) {
            left = WrapSub(WrapAdd(left, width), minWidth);
            width = minWidth;
        } else if (corner == kCornerTopRight || corner == kCornerBottomRight) {
            width = minWidth;
        }
    }
    if (height < minHeight) {
        if (corner == kCornerTopLeft || corner == kCornerTopRight) {
            top = WrapSub(WrapAdd(top, height), minHeight);
            height = minHeight;
        } else if (corner == kCornerBottomLeft || corner == kCornerBottomRight) {
            height = minHeight;
        }
    }
}
