#include "toolkit/geometry/VR2Area.h"

#include "platform/Text.h"

bool VR2Area::equal(const Ref& other) const noexcept
{
    return other && other->width() == width() && other->height() == height();
}

int32_t VR2Area::Operator_Compare(const Ref& other) const noexcept
{
    if (!other)
        return -1;
    const int32_t mine = platform::WrapMul(width(), height());
    const int32_t theirs = platform::WrapMul(other->width(), other->height());
    if (theirs < mine)
        return 1;
    if (mine < theirs)
        return -1;
    return 0;
}

std::string VR2Area::description() const
{
    return platform::Format(width(), "#") + "," + platform::Format(height(), "#");
}
