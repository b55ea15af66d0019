#include "toolkit/geometry/VR2RectClip.h"

#include "platform/Text.h"

#include <algorithm>

using platform::ClampToInt32;

VR2Rect::Ref VR2ClipRect(const VR2Rect& rect, int64_t left, int64_t top, int64_t width, int64_t height, int64_t dx,
                         int64_t dy)
{
    const int64_t clipLeft = std::max<int64_t>(rect.left, left);
    const int64_t clipTop = std::max<int64_t>(rect.top, top);
    const int64_t right = std::min<int64_t>(int64_t{rect.left} + rect.width, left + width);
    const int64_t bottom = std::min<int64_t>(int64_t{rect.top} + rect.height, top + height);
    if (right <= clipLeft || bottom <= clipTop)
        return nullptr;
    return VR2Rect::Create(ClampToInt32(clipLeft + dx), ClampToInt32(clipTop + dy), ClampToInt32(right - clipLeft),
                           ClampToInt32(bottom - clipTop));
}
