#include "toolkit/controls/VR2PictureView.h"

#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

using platform::Variant;

bool VR2PictureView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    if (!Contents)
        return true;
    // The part of the picture under the dirty rectangle, where it lies in the
    // view: nothing past the frame or the picture's own edges.
    const auto& dirty = platform::Require(rect);
    const int32_t left = std::max(dirty.left, 0);
    const int32_t top = std::max(dirty.top, 0);
    const int32_t right = std::min({dirty.right(), width(), Contents->Width()});
    const int32_t bottom = std::min({dirty.bottom(), height(), Contents->Height()});
    if (right > left && bottom > top)
        platform::Require(g).DrawPicture(Contents, left, top, right - left, bottom - top, left, top, right - left,
                                         bottom - top);
    return true;
}

VireoStandardProperties::PropertyTable VR2PictureView::Properties()
{
    return {{VireoStandardProperties::kPictureKey, [this] { return Variant(Contents); },
             [this](const Variant& value) {
                 Contents = value.As<platform::Picture>();
                 refresh();
             }}};
}

bool VR2PictureView::PropertyCheck(const std::vector<Variant>& keys)
{
    return VireoStandardProperties::CheckProperties(Properties(), keys);
}

bool VR2PictureView::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::GetProperties(Properties(), keys, values);
}

bool VR2PictureView::PropertySet(const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::SetProperties(Properties(), values);
}
