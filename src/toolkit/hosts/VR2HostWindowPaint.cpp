#include "toolkit/hosts/VR2HostWindow.h"

#include "platform/Exceptions.h"
#include "platform/Picture.h"
#include "toolkit/core/AppSeam.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2RectClip.h"
#include "toolkit/geometry/VireoColor.h"

namespace {

// Clears the "drawing in progress" mark however the painting ends.
class DrawingMark {
public:
    explicit DrawingMark(bool& mark) : mMark(mark) { mMark = true; }
    ~DrawingMark() { mMark = false; }
    DrawingMark(const DrawingMark&) = delete;
    DrawingMark& operator=(const DrawingMark&) = delete;

private:
    bool& mMark;
};

}  // namespace

platform::Picture::Ref VR2HostWindow::Compose(const VR2Rect::Ref& rect)
{
    const auto picture = platform::Picture::NewPicture(rect->width, rect->height, 32);
    if (!picture)
        return nullptr;
    ComposeInto(picture, rect);
    return picture;
}

void VR2HostWindow::ComposeInto(const platform::Picture::Ref& picture, const VR2Rect::Ref& rect)
{
    const auto background = VR2Graphics::Create(picture->Graphics());
    if (HasBackColor()) {
        background->SetForeColor(BackColor());
        background->FillRect(0, 0, background->Width, background->Height);
    }
    PaintRect(background, rect);

    const auto views = VR2Graphics::Create(picture->Graphics());
    views->Offset(-rect->left, -rect->top);
    views->Background = picture;
    Vireo2Engine::VR2CompositeRect(views, mView, rect, nullptr);
}

void VR2HostWindow::OnPaint(const platform::Graphics::Ref& g)
{
    // Everything, also while updates are locked. A port of the window's size
    // is painted as a new picture would be, without making and copying one.
    const auto rect = VR2Rect::Create(0, 0, Width(), Height());
    const auto target = g->Target();
    if (target->Width() != rect->width || target->Height() != rect->height) {
        if (const auto picture = Compose(rect))
            g->DrawPicture(picture, 0, 0);
        return;
    }
    g->ResetState();
    g->SetForeColor(VireoColor::kWhite);
    g->FillRect(0, 0, rect->width, rect->height);
    ComposeInto(target, rect);
    g->ResetState();
}

void VR2HostWindow::VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>&)
{
    // A request made while painting (a view refreshing from its paint code) is dropped.
    if (mDrawInProgress)
        return;
    // Only the part inside the window is painted or collected: a huge request
    // must not allocate a huge picture, nor a far-off one wrap a batch's bounds.
    const auto visible = VR2ClipRect(platform::Require(rect), 0, 0, Width(), Height());
    if (!visible)
        return;
    if (mLockUpdate) {
        if (!mUpdateRegion)
            mUpdateRegion = VR2Region::Create();
        mUpdateRegion->append(visible);
        return;
    }
    // The window's next paint composes all of it: a window being filled
    // before it is first shown composes once, not once per view it fills.
    if (WholePaintPending())
        return;
    {
        DrawingMark mark(mDrawInProgress);
        const auto picture = Compose(visible);
        if (!picture)
            return;
        Graphics()->DrawPicture(picture, visible->left, visible->top);
        Invalidate(visible->left, visible->top, visible->width, visible->height);
    }
    UpdateNow();
}

void VR2HostWindow::LockUpdate()
{
    mLockUpdate = true;
    if (!mUpdateRegion)
        mUpdateRegion = VR2Region::Create();
}

void VR2HostWindow::UnlockUpdate()
{
    if (!mLockUpdate)
        return;
    mLockUpdate = false;
    const auto region = std::move(mUpdateRegion);
    mUpdateRegion = nullptr;
    if (region)
        UpdateRect(region->getRect(), nullptr);
}

void VR2HostWindow::VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    HandleMessage(sender, message);
    if (codes::EndsRoad(platform::Require(message).result))
        return;
    // What the window leaves unhandled goes on to the application object,
    // when there is one that takes messages; otherwise the result stays as it is.
    const auto receiver = std::dynamic_pointer_cast<VR2Object>(toolkit::App());
    if (!receiver)
        return;
    Vireo2Engine::VR2ForwardMessage(Self(), sender, receiver, message);
}
