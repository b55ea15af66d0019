#include "toolkit/controls/VR2ChartBarControl.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Extends.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VireoColor.h"

#include <algorithm>
#include <numeric>

using platform::Variant;
using platform::VariantType;
using VireoStandardProperties::IsKey;
using VireoStandardProperties::kEmptyCountKey;

namespace {

constexpr platform::Color kBackground{0x313131};
constexpr platform::Color kBlack{0x000000};

}  // namespace

void VR2ChartBarControl::AddColor(platform::Color color, int32_t count, bool redraw)
{
    mColor.push_back(color);
    mCount.push_back(count);
    if (redraw)
        refresh();
}

void VR2ChartBarControl::Reset(bool redraw)
{
    mColor.clear();
    mCount.clear();
    emptyCount = 0;
    if (redraw)
        refresh();
}

bool VR2ChartBarControl::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& /*rect*/)
{
    auto& port = platform::Require(g);
    port.FillGradientRect(0, 0, port.Width, port.Height, kBackground, VireoColor::Lighten(kBackground, 0.5), false);
    port.SetForeColor(kBlack);
    port.DrawRect(0, 0, port.Width, port.Height);

    // In 64 bits, so that no count can overflow the sum. A total of 0 or less
    // (only negative counts give one) leaves the bar without cells.
    const int64_t total = std::accumulate(mCount.begin(), mCount.end(), int64_t{emptyCount});
    if (total <= 0 || width() <= 1 || height() <= 0)
        return true;
    const int32_t inside = width() - 1;
    const int32_t cellWidth = platform::DoubleToInt32(static_cast<double>(inside) / static_cast<double>(total));
    // The first leftover cells are one pixel wider, so that the cells fill the bar.
    int64_t leftover = inside - int64_t{cellWidth} * total;

    int32_t x = 1;
    for (size_t run = 0; run < mCount.size(); ++run) {
        for (int32_t cell = 0; cell < mCount[run]; ++cell) {
            // Cells past the bar's right edge (negative empty counts) are not drawn.
            const int32_t w = std::min(cellWidth + (leftover > 0 ? 1 : 0), width() - x);
            if (w <= 0)
                return true;
            if (leftover > 0)
                --leftover;
            port.FillGradientRect(x, 1, w, height() - 2, mColor[run], VireoColor::Darken(mColor[run], 0.25), false);
            if (w > 1) {
                port.SetForeColor(kBlack);
                port.DrawLine(x + w - 1, 1, x + w - 1, height() - 1);
            }
            x += w;
        }
    }
    return true;
}

void VR2ChartBarControl::HandleMessage(const VR2Object::Ref& /*sender*/, const VR2Message::Ref& message)
{
    if (message->category != kCategory)
        return;
    const auto& params = message->params;
    const bool redraw = Vireo2Extends::FindValue(params, "redraw", false).BooleanValue();
    if (message->selector == VR2ChartBarControl::kAddColor) {
        if (!Vireo2Extends::keysExist(params, {"color", "count"})) {
            message->result = codes::kResultStop;
            return;
        }
        AddColor(params->Value("color").ColorValue(), params->Value("count").Int32Value(), redraw);
        message->result = codes::kResultHandled;
    } else if (message->selector == VR2ChartBarControl::kReset) {
        Reset(redraw);
        message->result = codes::kResultHandled;
    }
}

bool VR2ChartBarControl::PropertyCheck(const std::vector<Variant>& keys)
{
    return std::all_of(keys.begin(), keys.end(), [](const Variant& key) {
        return key.Type() != VariantType::String || IsKey(key, kEmptyCountKey);
    });
}

bool VR2ChartBarControl::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys) {
        if (!IsKey(key, kEmptyCountKey))
            return false;
        values->SetValue(key, emptyCount);
    }
    return true;
}

bool VR2ChartBarControl::PropertySet(const platform::Dictionary::Ref& values)
{
    bool known = true;
    for (const auto& key : values->Keys()) {
        if (IsKey(key, kEmptyCountKey))
            emptyCount = values->Value(key).Int32Value();
        else
            known = false;
    }
    refresh();
    return known;
}
