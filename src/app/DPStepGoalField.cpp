#include "app/DPStepGoalField.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2Graphics.h"

using platform::Variant;
using platform::WrapAdd;
using platform::WrapSub;
using VireoStandardProperties::kColorKey;
using VireoStandardProperties::kTextKey;
using VireoStandardProperties::PropertyTable;
using VireoStandardProperties::VR2ObjectGetProperty;
using VireoStandardProperties::VR2ObjectSetProperty;

namespace {

// The children's view names: the caption, and the field that edits the goal.
constexpr const char* kCaptionViewName = "label";
constexpr const char* kGoalViewName = "text";
constexpr int32_t kSlack = 8;

}  // namespace

void DPStepGoalField::ContainerCreated()
{
    const auto surface = std::dynamic_pointer_cast<VR2Surface>(Self());
    auto label = VR2View::Create<VR2StaticTextView>();
    label->Name = kCaptionViewName;
    label->text = "Goal: ";
    label->AutoSizeForText();
    label->resize(label->width(), 18, false);
    label->attach(surface, false, false);
    auto value = VR2ClickToEditField::Create();
    value->Name = kGoalViewName;
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

std::string DPStepGoalField::text() { return VR2ObjectGetProperty(Child(kGoalViewName), kTextKey, Variant()).StringValue(); }

void DPStepGoalField::text(const std::string& value)
{
    VR2ObjectSetProperty(Child(kGoalViewName), kTextKey, value);
    ArrangeViews();
}

platform::Color DPStepGoalField::textColor()
{
    return VR2ObjectGetProperty(Child(kGoalViewName), kColorKey, Variant()).ColorValue();
}

void DPStepGoalField::textColor(platform::Color value)
{
    VR2ObjectSetProperty(Child(kGoalViewName), kColorKey, value);
    VR2ObjectSetProperty(Child(kCaptionViewName), kColorKey, value);
}

void DPStepGoalField::ArrangeViews()
{
    const auto measure = VR2Graphics::Create();
    // The font the value is drawn in, so the slack only absorbs rounding.
    measure->SetTextFont("System");
    measure->SetTextSize(0);
    const auto value = std::dynamic_pointer_cast<VR2ClickToEditField>(Child(kGoalViewName));
    const auto label = Child(kCaptionViewName);
    value->resize(WrapAdd(measure->StringWidth(platform::Require(value).Text), kSlack), height(), false);
    label->move(WrapSub(WrapSub(width(), value->width()), label->width()), 0, false);
    value->move(WrapSub(width(), value->width()), 0, false);
}

PropertyTable DPStepGoalField::Properties()
{
    return {{kTextKey, [this] { return Variant(text()); },
             [this](const Variant& value) {
                 text(value.StringValue());
                 refresh();
             }},
            {kColorKey, [this] { return Variant(textColor()); },
             [this](const Variant& value) {
                 textColor(value.ColorValue());
                 refresh();
             }}};
}

bool DPStepGoalField::PropertyCheck(const std::vector<Variant>& keys)
{
    return VireoStandardProperties::CheckProperties(Properties(), keys);
}

bool DPStepGoalField::PropertyGet(const std::vector<Variant>& keys, const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::GetProperties(Properties(), keys, values);
}

bool DPStepGoalField::PropertySet(const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::SetProperties(Properties(), values);
}
