#include "toolkit/core/Vireo2Engine.h"

#include "platform/Color.h"
#include "platform/Exceptions.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Graphics.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cmath>

namespace Vireo2Engine {

namespace {

// The working state of one compositing call.
class OffscreenPainter {
public:
    // Aims the off-screen context at a picture the size of part, cleared,
    // holding what lies under it in g, and masked by the view's opacity.
    const VR2Graphics::Ref& Prepare(const VR2Graphics::Ref& g, const VR2View& view, const VR2Rect& part)
    {
        if (!mPicture || mPicture->Width() != part.width || mPicture->Height() != part.height) {
            mPicture = platform::Picture::NewPicture(part.width, part.height, 32);
            if (!mPicture)
                throw platform::OutOfBoundsException("no memory for an off-screen picture");
        } else {
            mPicture->Graphics()->ClearRect(0, 0, mPicture->Width(), mPicture->Height());
            FillMask(platform::Color{0});
        }
        g->PutBackground(mPicture, part.left, part.top);
        if (view.Opacity < 1.0) {
            const int32_t grey = platform::DoubleToInt32(std::abs(255.0 - view.Opacity * 255.0));
            FillMask(platform::RGB(grey, grey, grey));
        }
        if (!mContext)
            mContext = VR2Graphics::Create();
        mContext->Reset(mPicture->Graphics(), platform::WrapSub(view.left(), part.left),
                        platform::WrapSub(view.top(), part.top), mPicture);
        return mContext;
    }

    const platform::Picture::Ref& Picture() const { return mPicture; }

private:
    void FillMask(platform::Color color)
    {
        const auto mask = mPicture->Mask()->Graphics();
        mask->SetForeColor(color);
        mask->FillRect(0, 0, mPicture->Width(), mPicture->Height());
    }

    platform::Picture::Ref mPicture;
    VR2Graphics::Ref mContext;
};

}  // namespace

void VR2CompositeRect(const VR2Graphics::Ref& g, const ViewList& views, const VR2Rect::Ref& dirty,
                      const std::shared_ptr<platform::Picture>&)
{
    OffscreenPainter offscreen;
    // The size is read again before each view: a view appended while painting is painted too.
    for (size_t index = 0; index < views.size(); ++index) {
        // Skipping a view must cost next to nothing: no reference count, no allocation.
        const VR2View& candidate = platform::Require(views[index]);
        if (!candidate.Visible)
            continue;
        const int32_t left = candidate.left(), top = candidate.top();
        const int32_t width = candidate.width(), height = candidate.height();
        if (width <= 0 || height <= 0)
            continue;
        platform::Require(dirty);
        if (!dirty->intersects(left, top, width, height))
            continue;
        const auto part = dirty->intersection(left, top, width, height);
        if (part->empty())
            continue;
        platform::Require(g);

        // Held while it paints: its DoPaint may change the list.
        const auto view = views[index];
        const bool holder = dynamic_cast<VR2Surface*>(view.get()) != nullptr;
        const bool offscreenPath = view->AutoClip || view->Opacity < 1.0 ||
                                   (!holder && !dirty->containsRect(left, top, width, height));
        VR2Graphics::Ref context;
        if (offscreenPath) {
            context = offscreen.Prepare(g, *view, *part);
        } else {
            context = g->Copy();
            context->Offset(left, top);
        }
        context->Width = width;
        context->Height = height;
        part->offset(platform::WrapNeg(left), platform::WrapNeg(top));
        if (!view->DoPaint(context, part))
            continue;
        constexpr int32_t own = platform::Graphics::kOwnSize;
        if (offscreenPath)
            g->DrawPicture(offscreen.Picture(), platform::WrapAdd(left, part->left), platform::WrapAdd(top, part->top),
                           own, own, own, own, own, own);
    }
}

void VR2AutoSizeRectForString(const std::string& text, const VR2Rect::Ref& rect, const VR2Graphics::Ref& g)
{
    platform::Require(rect);
    auto context = g;
    if (!context) {
        context = VR2Graphics::Create();
        context->SetTextSize(0);
        context->SetTextFont("System");
    }
    rect->width = context->StringWidth(text);
    rect->height = context->TextHeight();
}

}  // namespace Vireo2Engine
