#include "app/DPStepGoalField.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

using platform::Variant;
using platform::VariantType;
using platform::WrapAdd;
using platform::WrapSub;
using VireoStandardProperties::VR2ObjectGetProperty;
using VireoStandardProperties::VR2ObjectSetProperty;

namespace {

constexpr const char* kLabel = "label";
constexpr const char* kValue = "text";
constexpr int32_t kSlack = 8;

bool IsKey(const Variant& key, const char* name)
{
    return key.Type() == VariantType::String && key.StringValue() == name;
}

}  // namespace

void DPStepGoalField::ContainerCreated()
{
    const auto surface = std::dynamic_pointer_cast<VR2Surface>(Self());
    auto label = VR2View::Create<VR2StaticTextView>();
    label->Name = kLabel;
    label->text = "Goal: ";
    label->AutoSizeForText();
    label->resize(label->width(), 18, false);
    label->attach(surface, false, false);
    auto value = VR2ClickToEditField::Create();
    value->Name = kValue;
    value->resize(40, 18, false);
    value->attach(surface, false, false);
    value->EventHandlerTable = EventHandlerTable;
}

VR2View::Ref DPStepGoalField::Child(const std::string& name)
{
    // Created made both children; losing one is a fault of the caller.
    auto child = FindViewByName(name, true, false);
    platform::Require(child);
    return child;
}

std::string DPStepGoalField::text() { return VR2ObjectGetProperty(Child(kValue), "text", Variant()).StringValue(); }

void DPStepGoalField::text(const std::string& value)
{
    VR2ObjectSetProperty(Child(kValue), "text", value);
    ArrangeViews();
}

platform::Color DPStepGoalField::textColor()
{
    return VR2ObjectGetProperty(Child(kValue), "color", Variant()).ColorValue();
}

void DPStepGoalField::textColor(platform::Color value)
{
    VR2ObjectSetProperty(Child(kValue), "color", value);
    VR2ObjectSetProperty(Child(kLabel), "color", value);
}

void DPStepGoalField::ArrangeViews()
{
    const auto measure = VR2Graphics::Create();
    // The font the value is drawn in, so the slack only absorbs rounding.
    measure->SetTextFont("System");
    measure->SetTextSize(0);
    const auto value = std::dynamic_pointer_cast<VR2ClickToEditField>(Child(kValue));
    const auto label = Child(kLabel);
    value->resize(WrapAdd(measure->StringWidth(platform::Require(value).Text), kSlack), height(), false);
    label->move(WrapSub(WrapSub(width(), value->width()), label->width()), 0, false);
    value->move(WrapSub(width(), value->width()), 0, false);
}

bool DPStepGoalField::PropertyCheck(const std::vector<Variant>& keys)
{
    return std::all_of(keys.begin(), keys.end(),
                       [](const Variant& key) { return IsKey(key, "text") || IsKey(key, "color"); });
}

bool DPStepGoalField::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys) {
        if (IsKey(key, "text"))
            values->SetValue(key, text());
        else if (IsKey(key, "color"))
            values->SetValue(key, textColor());
        else
            return false;
    }
    return true;
}

bool DPStepGoalField::PropertySet(const platform::Dictionary::Ref& values)
{
    for (const auto& key : values->Keys()) {
        if (IsKey(key, "text"))
            text(values->Value(key).StringValue());
        else if (IsKey(key, "color"))
            textColor(values->Value(key).ColorValue());
        else
            continue;
        refresh();
    }
    return true;
}
