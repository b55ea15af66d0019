#pragma once

#include "toolkit/controls/VR2ButtonView.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <cstdint>
#include <memory>
#include <string>

// A check box or radio button: a box or circle with a label, drawn by the
// theme as "checkbox" or "radio_button". Each accepted click steps the value;
// a radio button that turns on clears the others of its family (same style,
// same family number, anywhere in the process) through the default
// notification center. A click triggers 'actn' with {'valu': value}; when no
// handler takes it, the view raises ButtonAction. Properties "bool" and "int".
class VR2StateButtonView : public VR2ButtonView {
public:
    using Ref = std::shared_ptr<VR2StateButtonView>;
    static Ref Create() { return VR2View::Create<VR2StateButtonView>(); }

    static constexpr int32_t kCheckbox = 0;
    static constexpr int32_t kRadioButton = 1;

    // Radio family number.
    int32_t family = 0;
    // Radio buttons: an accepted click clears the family.
    bool soloStyle = false;
    // Check boxes: a step past the maximum wraps to the minimum; otherwise the click is refused.
    bool wrapValue = false;

    // Make the view a check box or a radio button with label, sized to fit.
    void setupCheckbox(const std::string& label);
    void setupRadioButton(const std::string& label);

    // Only store: no repaint, no notification, no 'actn'.
    bool Value() const { return mValue != mMinimum; }
    void Value(bool on) { mValue = on ? mMaximum : mMinimum; }
    int32_t IntegerValue() const { return mValue; }
    void IntegerValue(int32_t value) { mValue = value; }
    int32_t stateStyle() const { return mStateStyle; }

    // Centres the box at the left and the label 4 pixels to its right.
    void ArrangeSpots();

    using VR2Object::Action;

protected:
    void Created() override;
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    void Resized(const VR2Rect::Ref& oldBounds) override;
    void Resizing(const VR2Rect::Ref& oldBounds) override;
    void Action(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y) final;
    void ViewWillRelease() override;
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) final;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    bool PropertySet(const platform::Dictionary::Ref& values) override;

    // Events for subclasses: an accepted click that no 'actn' handler took;
    // a message of any category but the family's.
    virtual void ButtonAction(const VR2Rect::Ref& /*hotSpot*/, int32_t /*x*/, int32_t /*y*/) {}
    virtual void StateButtonHandleMessage(const VR2Object::Ref& /*sender*/, const VR2Message::Ref& /*message*/) {}

private:
    void Setup(const std::string& label, int32_t style);
    VireoStandardProperties::PropertyTable Properties();

    int32_t mValue = 0;
    int32_t mMaximum = 0;
    int32_t mMinimum = 0;
    int32_t mStep = 0;
    std::string mLabel;
    int32_t mStateStyle = kCheckbox;
};
