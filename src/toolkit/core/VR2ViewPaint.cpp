#include "toolkit/core/VR2View.h"

#include "platform/Color.h"
#include "platform/Exceptions.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Graphics.h"

bool VR2View::DoPaint(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect)
{
    if (mReleased)
        return false;
    if (!rect) {
        Paint(g);
        return true;
    }
    if (!PaintRect(g, rect)) {
        // Views that only know Paint draw their whole frame into a picture first.
        const auto picture = platform::Picture::NewPicture(width(), height(), 32);
        if (!picture)
            return true;
        Paint(VR2Graphics::Create(picture->Graphics()));
        platform::Require(g);
        constexpr int32_t own = platform::Graphics::kOwnSize;
        g->DrawPicture(picture, 0, 0, own, own, own, own, own, own);
        return true;
    }
    if (Vireo2Engine::VR2DebugBoundingBox && g) {
        g->SetForeColor(platform::RGB(255, 0, 0));
        g->DrawRect(0, 0, g->Width, g->Height);
    }
    return true;
}
