#pragma once

#include "toolkit/controls/VR2ButtonView.h"

#include <cstdint>
#include <memory>
#include <string>

// A push button with a caption, drawn by the theme as "push_button". Its one
// hot spot follows the frame. A click triggers 'actn'; when no handler takes
// it, the button raises ButtonAction.
class VR2PushButtonView : public VR2ButtonView {
public:
    using Ref = std::shared_ptr<VR2PushButtonView>;
    static Ref Create() { return VR2View::Create<VR2PushButtonView>(); }

    // The caption; changing it neither repaints nor resizes.
    std::string text;

    // Sizes the button to its caption: 18 pixels wider, at least 22 high.
    void AutoSizeForText();

    using VR2Object::Action;

protected:
    void Created() override;
    void Resized(const VR2Rect::Ref& oldBounds) override;
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    void Action(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y) final;

    // A click that no 'actn' handler took.
    virtual void ButtonAction(const VR2Rect::Ref& /*hotSpot*/, int32_t /*x*/, int32_t /*y*/) {}
};
