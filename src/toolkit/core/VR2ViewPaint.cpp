#include "toolkit/core/VR2View.h"

#include "platform/Color.h"
#include "platform/Exceptions.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/Text.h"
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
        // Views that only know Paint draw into a picture first, as large as
        // the part being painted: the view may be far larger than the repaint.
        if (!rect->intersects(0, 0, width(), height()))
            return true;
        const auto part = rect->intersection(0, 0, width(), height());
        if (part->empty())
            return true;
        const auto picture = platform::Picture::NewPicture(part->width, part->height, 32);
        if (!picture)
            return true;
        auto pg = VR2Graphics::Create(picture->Graphics());
        pg->Offset(platform::WrapNeg(part->left), platform::WrapNeg(part->top));
        pg->Width = width();
        pg->Height = height();
        Paint(pg);
        constexpr int32_t own = platform::Graphics::kOwnSize;
        platform::Require(g).DrawPicture(picture, part->left, part->top, own, own, own, own, own, own);
        return true;
    }
    if (Vireo2Engine::VR2DebugBoundingBox && g) {
        g->SetForeColor(platform::RGB(255, 0, 0));
        g->DrawRect(0, 0, g->Width, g->Height);
    }
    return true;
}
