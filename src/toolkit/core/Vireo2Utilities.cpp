#include "toolkit/core/Vireo2Utilities.h"

#include "platform/Exceptions.h"
#include "platform/MemoryBlock.h"
#include "platform/MouseCursor.h"
#include "platform/Ticks.h"

namespace Vireo2Utilities {

namespace {

struct ClickSeries {
    int32_t lastDoubleClickObject = 0;
    int64_t lastDoubleClickTime = 0;
    int32_t sameObjectClickCount = 0;
};

ClickSeries& Clicks()
{
    static ClickSeries series;
    return series;
}

}  // namespace

VR2Rect::Ref VR2NewRect(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return VR2Rect::Create(left, top, width, height);
}

VR2Point::Ref VR2NewPoint(int32_t x, int32_t y) { return VR2Point::Create(x, y); }

VR2Message::Ref VR2MakeMessage(const std::string& category, int32_t selector, const platform::Dictionary::Ref& params)
{
    auto message = VR2Message::Create(category, selector);
    if (params)
        message->params = params;
    return message;
}

platform::Dictionary::Ref VR2MakeDictionary(const std::vector<platform::Variant>& values)
{
    auto d = platform::Dictionary::Create();
    for (size_t i = 0; i + 1 < values.size(); i += 2)
        d->SetValue(values[i], values[i + 1]);
    return d;
}

platform::Dictionary::Ref VR2RectListToDictionary(const std::vector<VR2Rect::Ref>& rects)
{
    auto d = platform::Dictionary::Create();
    for (const auto& rect : rects)
        d->SetValue(rect, nullptr);
    return d;
}

std::vector<VR2Rect::Ref> VR2RectListFromDictionary(const platform::Dictionary::Ref& d)
{
    platform::Require(d);
    std::vector<VR2Rect::Ref> rects;
    for (const auto& key : d->Keys()) {
        auto rect = key.As<VR2Rect>();
        if (!rect)
            throw platform::TypeMismatchException("a key is not a rectangle");
        rects.push_back(std::move(rect));
    }
    return rects;
}

int32_t VR2DoubleClickTime() { return platform::DoubleClickTicks(); }

void VR2ObscureCursor() { platform::ObscureCursor(); }

int32_t VR2SelectorStringToInteger(std::string_view text)
{
    auto block = platform::MemoryBlock::Create(4);
    block->LittleEndian = false;
    block->StringValue(0, 4, text);
    return block->Long(0);
}

VR2MenuInfo::Ref VR2MenuItemToMenuInfo(const platform::MenuItem::Ref& item)
{
    platform::Require(item);
    auto info = VR2MenuInfo::Create();
    info->Enabled = item->Enabled;
    info->Tag = item->Tag;
    info->Text = item->Text;
    return info;
}

bool VR2CheckClickCount(const platform::Variant& object, int32_t& count)
{
    auto& series = Clicks();
    const int32_t hash = platform::VariantHash(object);
    if (hash != series.lastDoubleClickObject) {
        series.lastDoubleClickObject = hash;
        series.lastDoubleClickTime = platform::Ticks();
        series.sameObjectClickCount = 1;
        return false;
    }
    // The series keeps the time of its first click: every click must come within one interval of it.
    if (platform::Ticks() - series.lastDoubleClickTime > VR2DoubleClickTime()) {
        series.lastDoubleClickTime = platform::Ticks();
        series.sameObjectClickCount = 1;
        return false;
    }
    count = ++series.sameObjectClickCount;
    return true;
}

bool VR2CheckDoubleClick(const platform::Variant& object)
{
    int32_t ignored = 0;
    return VR2CheckClickCount(object, ignored);
}

}  // namespace Vireo2Utilities
