#include "toolkit/controls/VR2PictureView.h"

#include "platform/Exceptions.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

using platform::Variant;
using platform::VariantType;

namespace {

constexpr const char* kPictureKey = "pict";

bool IsPictureKey(const Variant& key)
{
    return key.Type() == VariantType::String && key.StringValue() == kPictureKey;
}

}  // namespace

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

bool VR2PictureView::PropertyCheck(const std::vector<Variant>& keys)
{
    return std::all_of(keys.begin(), keys.end(), IsPictureKey);
}

bool VR2PictureView::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys) {
        if (!IsPictureKey(key))
            return false;
        values->SetValue(key, Contents);
    }
    return true;
}

bool VR2PictureView::PropertySet(const platform::Dictionary::Ref& values)
{
    for (const auto& key : values->Keys()) {
        if (IsPictureKey(key)) {
            Contents = values->Value(key).As<platform::Picture>();
            refresh();
        }
    }
    return true;
}
