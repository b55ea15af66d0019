#include "toolkit/geometry/VR2Point.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/geometry/VR2Rect.h"

#include <algorithm>

std::string VR2Point::description() const
{
    return platform::Format(x, "#") + "," + platform::Format(y, "#");
}

VR2Point::Ref VR2Point::offsetCopy(int32_t dx, int32_t dy) const
{
    return Create(platform::WrapAdd(x, dx), platform::WrapAdd(y, dy));
}

void VR2Point::offset(int32_t dx, int32_t dy, const std::shared_ptr<VR2Rect>& bounds) noexcept
{
    x = platform::WrapAdd(x, dx);
    y = platform::WrapAdd(y, dy);
    if (!bounds)
        return;
    // The lower bound is applied last, so an inverted rectangle pins to its left or top edge.
    x = std::max(std::min(bounds->right(), x), bounds->left);
    y = std::max(std::min(bounds->bottom(), y), bounds->top);
}

void VR2Point::offset(const Ref& delta, const std::shared_ptr<VR2Rect>& bounds)
{
    const auto& move = platform::Require(delta);
    offset(move.x, move.y, bounds);
}

bool VR2Point::equal(const Ref& other) const noexcept
{
    return other && other->x == x && other->y == y;
}
