#include "toolkit/controls/VR2StateButtonView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2NotificationCenter.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/geometry/VR2TagRect.h"

#include <algorithm>

namespace {

const std::string kFamilyCategory = "_vr2_statebutton";
using hotspottags::kLabel;
using hotspottags::kPicture;

constexpr int32_t kBoxSize = 13;
constexpr int32_t kLabelGap = 4;

}  // namespace

void VR2StateButtonView::Created()
{
    for (const auto* tag : {&kPicture, &kLabel}) {
        auto spot = VR2TagRect::Create();
        spot->Tag = *tag;
        HotSpot.push_back(spot);
    }
    ArrangeSpots();
    Vireo2Engine::VR2DefaultNotificationCenter()->addObserver(Self(), kFamilyCategory, codes::kStateButtonChanged);
}

void VR2StateButtonView::ViewWillRelease()
{
    Vireo2Engine::VR2DefaultNotificationCenter()->removeObserver(Self(), "", 0);
}

void VR2StateButtonView::setupCheckbox(const std::string& label) { Setup(label, kCheckbox); }
void VR2StateButtonView::setupRadioButton(const std::string& label) { Setup(label, kRadioButton); }

void VR2StateButtonView::Setup(const std::string& label, int32_t style)
{
    int32_t totalWidth = 0;
    int32_t totalHeight = 0;
    for (const auto& spot : HotSpot) {
        const std::string tag = TagOf(spot);
        if (tag == kLabel) {
            Vireo2Engine::VR2AutoSizeRectForString(label, spot, nullptr);
            mLabel = label;
        } else if (tag == kPicture) {
            spot->width = kBoxSize;
            spot->height = kBoxSize;
        }
        totalWidth = platform::WrapAdd(totalWidth, spot->width);
        totalHeight = std::max(totalHeight, spot->height);
    }
    mStateStyle = style;
    resize(platform::WrapAdd(totalWidth, kLabelGap), totalHeight, false);
    mMaximum = 1;
    mMinimum = 0;
    mStep = 1;
    soloStyle = style == kRadioButton;
    wrapValue = style == kCheckbox;
    ArrangeSpots();
}

void VR2StateButtonView::ArrangeSpots()
{
    const auto picture = FindHotSpotWithTag(kPicture);
    const auto label = FindHotSpotWithTag(kLabel);
    const double middle = height() / 2.0;
    if (label) {
        label->top = platform::DoubleToInt32(middle - label->height / 2.0);
        label->left = platform::WrapAdd(picture ? picture->width : 0, kLabelGap);
    }
    if (picture) {
        picture->top = platform::DoubleToInt32(middle - picture->height / 2.0);
        picture->left = 0;
    }
}

void VR2StateButtonView::Resized(const VR2Rect::Ref&) { ArrangeSpots(); }
void VR2StateButtonView::Resizing(const VR2Rect::Ref&) { ArrangeSpots(); }

bool VR2StateButtonView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    if (mStateStyle != kCheckbox && mStateStyle != kRadioButton)
        return false;
    const auto& part = mStateStyle == kCheckbox ? themeparts::kCheckbox : themeparts::kRadioButton;
    return Vireo2Theme::VR2Theme_DrawPart(g, part, 0,
                                          {Self(), Vireo2Utilities::VR2RectListToDictionary(HotSpot), mLabel,
                                           mStateStyle, mValue, DownFrame, MouseWithin});
}

void VR2StateButtonView::Action(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y)
{
    // A radio button that is on refuses the click.
    if (int64_t{mValue} + mStep > mMaximum && !wrapValue)
        return;
    const int64_t stepped = int64_t{mValue} + mStep;
    if (stepped > mMaximum)
        mValue = mMinimum;
    else if (stepped < mMinimum)
        mValue = mMaximum;
    else
        mValue = static_cast<int32_t>(stepped);
    const auto self = Self();
    if (soloStyle)
        Vireo2Engine::VR2DefaultNotificationCenter()->postNotification(self, codes::kStateButtonChanged,
                                                                       kFamilyCategory, nullptr);
    const auto params = Vireo2Utilities::VR2MakeDictionary({codes::kKeyValue, mValue});
    if (!platform::Require(EventHandlerTable).triggerHandler(codes::kEventAction, self, params))
        ButtonAction(hotSpot, x, y);
}

void VR2StateButtonView::HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    if (message->category != kFamilyCategory) {
        StateButtonHandleMessage(sender, message);
        return;
    }
    const auto other = std::dynamic_pointer_cast<VR2StateButtonView>(sender);
    if (message->selector == codes::kStateButtonChanged && other && other.get() != this && other->soloStyle &&
        other->stateStyle() == mStateStyle && other->Value() && other->family == family && mValue != 0) {
        mValue = 0;
        refresh();
    }
    message->result = codes::kResultHandled;
}

VireoStandardProperties::PropertyTable VR2StateButtonView::Properties()
{
    return {{VireoStandardProperties::kBoolKey, [this] { return platform::Variant(Value()); },
             [this](const platform::Variant& value) { Value(value.BooleanValue()); }},
            {VireoStandardProperties::kIntKey, [this] { return platform::Variant(mValue); },
             [this](const platform::Variant& value) { IntegerValue(value.Int32Value()); }}};
}

// Keys of other types are passed over; an unknown String key is refused.
bool VR2StateButtonView::PropertyCheck(const std::vector<platform::Variant>& keys)
{
    const auto properties = Properties();
    for (const auto& key : keys)
        if (key.Type() == platform::VariantType::String && !VireoStandardProperties::FindProperty(properties, key))
            return false;
    return true;
}

bool VR2StateButtonView::PropertyGet(const std::vector<platform::Variant>& keys,
                                     const platform::Dictionary::Ref& values)
{
    const auto properties = Properties();
    for (const auto& key : keys) {
        if (key.Type() != platform::VariantType::String)
            continue;
        const auto* property = VireoStandardProperties::FindProperty(properties, key);
        if (!property)
            return false;
        values->SetValue(key, property->get());
    }
    return true;
}

bool VR2StateButtonView::PropertySet(const platform::Dictionary::Ref& values)
{
    const auto properties = Properties();
    for (const auto& key : values->Keys()) {
        if (key.Type() != platform::VariantType::String)
            continue;
        const auto* property = VireoStandardProperties::FindProperty(properties, key);
        if (!property)
            return false;
        property->set(values->Value(key));
    }
    return true;
}
