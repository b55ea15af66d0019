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

#include <algorithm>
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
        // A reused picture's port still holds the drawing state the view before left.
        mPicture->Graphics()->ResetState();
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
    // Held until the call ends, so that their identities stay unique.
    ViewList painted;
    // Set once a paint handler took the view it painted out of the list: the
    // walk then starts again from the bottom, passing over the views painted.
    bool rewalking = false;
    // The size is read again before each view: a view appended while painting is painted too.
    for (size_t next = 0; next < views.size();) {
        const size_t index = next++;
        // Skipping a view must cost next to nothing: no reference count, no allocation.
        const VR2View& candidate = platform::Require(views[index]);
        if (!candidate.Visible)
            continue;
        const int32_t left = candidate.left(), top = candidate.top();
        const int32_t width = candidate.width(), height = candidate.height();
        if (width <= 0 || height <= 0)
            continue;
        if (!platform::Require(dirty).intersects(left, top, width, height))
            continue;
        const auto part = dirty->intersection(left, top, width, height);
        if (part->empty())
            continue;
        platform::Require(g);
        if (rewalking && std::any_of(painted.begin(), painted.end(), [&](const VR2View::Ref& done) {
                return VR2SameObject(done.get(), &candidate);
            }))
            continue;

        const auto view = views[index];
        painted.push_back(view);
        const bool holder = dynamic_cast<VR2Surface*>(view.get()) != nullptr;
        const bool offscreenPath = view->AutoClip || view->Opacity < 1.0 ||
                                   (!holder && !dirty->containsRect(left, top, width, height));
        VR2Graphics::Ref context;
        if (offscreenPath) {
            context = offscreen.Prepare(g, *view, *part);
        } else {
            // Every view starts from a fresh port's drawing state, whatever the one before it set.
            g->Port()->ResetState();
            context = g->Copy();
            context->Offset(left, top);
        }
        context->Width = width;
        context->Height = height;
        part->offset(platform::WrapNeg(left), platform::WrapNeg(top));
        const bool drawn = view->DoPaint(context, part);
        constexpr int32_t own = platform::Graphics::kOwnSize;
        if (drawn && offscreenPath)
            g->DrawPicture(offscreen.Picture(), platform::WrapAdd(left, part->left), platform::WrapAdd(top, part->top),
                           own, own, own, own, own, own);
        // A paint handler may detach or release siblings: go on above the view
        // just painted, wherever it is now.
        if (index < views.size() && views[index] == view)
            continue;
        const auto moved = std::find(views.begin(), views.end(), view);
        rewalking = rewalking || moved == views.end();
        next = moved == views.end() ? 0 : static_cast<size_t>(moved - views.begin()) + 1;
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
