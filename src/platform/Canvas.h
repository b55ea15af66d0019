#pragma once

#include "platform/Picture.h"
#include "platform/RectControl.h"

#include <memory>

namespace platform {

// A drawing area on a plain window; its Backdrop picture is drawn at its
// top-left corner, through the picture's mask, cut to the canvas.
class Canvas : public RectControl {
public:
    using Ref = std::shared_ptr<Canvas>;
    static Ref Create() { return Ref(new Canvas()); }

    // Nil draws nothing.
    const Picture::Ref& Backdrop() const { return mBackdrop; }
    void Backdrop(Picture::Ref picture);

protected:
    Canvas() = default;
    void Paint(Graphics& g) override;

private:
    Picture::Ref mBackdrop;
};

}  // namespace platform
