#pragma once

#include "platform/Picture.h"
#include "toolkit/controls/VR2ButtonView.h"

#include <cstdint>
#include <memory>

// A button drawn from one masked picture: darker while pressed with the mouse
// inside, faded while disabled. A click triggers 'actn' with no parameters.
// Its hot spot is its frame when it is opened; later resizes keep it.
class VR2PictureButton : public VR2ButtonView {
public:
    using Ref = std::shared_ptr<VR2PictureButton>;
    static Ref Create() { return VR2View::Create<VR2PictureButton>(); }

    // The normal face; nothing is drawn while it is nil.
    platform::Picture::Ref Image;

    // picture holds the image over its mask: Image becomes the masked upper
    // half and the button takes its size.
    void initWithPictureAndMask(const platform::Picture::Ref& picture);
    // Resizes to Image without telling the parent; NilObjectException without one.
    void AutoSize();

    using VR2Object::Action;

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    void Action(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y) override;
};
