#include "toolkit/core/VR2View.h"

#include "platform/Exceptions.h"
#include "platform/UnhandledException.h"
#include "toolkit/core/AppSeam.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/geometry/VR2Pinning.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"
#include "toolkit/geometry/VR2RectClip.h"

namespace {

uint64_t gFrameChanges = 0;

void WriteFrame(int32_t& field, int32_t value)
{
    if (field == value)
        return;
    field = value;
    ++gFrameChanges;
}

}  // namespace

VR2View::~VR2View() = default;

void VR2View::Constructor()
{
    mBounds = VR2Rect::Create();
    Visible = true;
    Enabled = true;
    Pinning = VR2Pinning::Create();
    EventHandlerTable = VR2EventHandlerTable::Create();
    Created();
}

void VR2View::Dispose(VR2View* view) noexcept
{
    // The object is still whole here, so a subclass's Disposed runs.
    platform::RunGuarded([view] { view->Disposed(); });
    delete view;
}

VR2View::Ref VR2View::Self()
{
    return std::dynamic_pointer_cast<VR2View>(weak_from_this().lock());
}

// Geometry

VR2Rect::Ref VR2View::bounds(int32_t space)
{
    if (space == codes::kSpaceLocal)
        return mBounds->copy();
    if (space == codes::kSpaceScreen) {
        auto rect = platform::Require(mSurface.lock()).Bounds(codes::kSpaceScreen);
        platform::Require(rect);
        rect->width = width();
        rect->height = height();
        rect->offset(left(), top());
        return rect;
    }
    return nullptr;
}

int32_t VR2View::width() const { return mBounds->width; }
void VR2View::width(int32_t value) { WriteFrame(mBounds->width, value); }
int32_t VR2View::height() const { return mBounds->height; }
void VR2View::height(int32_t value) { WriteFrame(mBounds->height, value); }
int32_t VR2View::left() const { return mBounds->left; }
void VR2View::left(int32_t value) { WriteFrame(mBounds->left, value); }
int32_t VR2View::top() const { return mBounds->top; }
void VR2View::top(int32_t value) { WriteFrame(mBounds->top, value); }

uint64_t VR2View::FrameChanges() { return gFrameChanges; }

VR2Point::Ref VR2View::position() const { return VR2Point::Create(left(), top()); }

VR2Rect::Ref VR2View::frame() const { return VR2Rect::Create(0, 0, width(), height()); }

void VR2View::resize(int32_t newWidth, int32_t newHeight, bool notify)
{
    const auto old = mBounds->copy();
    WriteFrame(mBounds->width, newWidth);
    WriteFrame(mBounds->height, newHeight);
    if (mBounds->equal(old))
        return;
    Resized(old);
    if (auto surface = mSurface.lock(); notify && surface)
        surface->SubviewDidChangeBounds(Self(), old, true, false);
}

void VR2View::move(int32_t x, int32_t y, bool notify)
{
    const auto old = bounds(codes::kSpaceLocal);
    WriteFrame(mBounds->top, y);
    WriteFrame(mBounds->left, x);
    if (auto surface = mSurface.lock(); notify && surface)
        surface->SubviewDidChangeBounds(Self(), old, false, true);
}

bool VR2View::containsPoint(int32_t x, int32_t y) { return mBounds->containsPoint(x, y); }

// Life cycle

void VR2View::attach(const VR2Surface::Ref& surface, bool refresh, bool noAttach)
{
    if (mReleased)
        return;
    mSurface = surface;
    if (!surface || noAttach)
        return;
    surface->AttachView(Self());
    if (refresh)
        this->refresh();
}

void VR2View::detach(bool refreshParent, bool noDetach)
{
    if (mReleased)
        return;
    // Keeps the view alive while its surface lets go of it.
    const auto self = Self();
    // A Close handler that detaches the view again does the detaching without
    // a second Close (which would detach again, for ever).
    if (!mClosing) {
        mClosing = true;
        try {
            Close();
        } catch (...) {
            mClosing = false;
            throw;
        }
        mClosing = false;
    }
    const auto surface = mSurface.lock();
    if (!surface)
        return;
    // The focus inside a leaving view is given up while the view still hangs
    // in its tree, so that what the loss of focus sends still finds its way up.
    if (const auto root = surface->RootSurface())
        if (const auto focus = root->focusView())
            for (auto inside = focus; inside; inside = std::dynamic_pointer_cast<VR2View>(inside->parent(false)))
                if (inside == self) {
                    root->ChangeFocus(focus, codes::kFocusTake);
                    break;
                }
    if (!noDetach)
        surface->DetachView(self);
    if (refreshParent)
        surface->UpdateRect(bounds(codes::kSpaceLocal), nullptr);
    mSurface.reset();
    if (!Retained)
        release();
}

void VR2View::release()
{
    // Marked first: a ViewWillRelease handler that releases or detaches the
    // view again finds nothing left to break.
    if (mReleased)
        return;
    mReleased = true;
    const auto self = Self();
    ViewWillRelease();
    if (EventHandlerTable)
        EventHandlerTable->Release();
    EventHandlerTable = nullptr;
    if (const auto surface = mSurface.lock()) {
        mSurface.reset();
        surface->DetachView(self);
    }
    mSurface.reset();
    Pinning = nullptr;
    ViewDidRelease();
}

VR2Surface::Ref VR2View::parent(bool root) const
{
    auto surface = mSurface.lock();
    if (!surface || !root)
        return surface;
    return surface->RootSurface();
}

// Repaint requests

void VR2View::refresh()
{
    const auto surface = mSurface.lock();
    if (!surface)
        return;
    auto rect = frame();
    if (rect->empty())
        return;
    rect->offset(left(), top());
    surface->UpdateRect(rect, nullptr);
}

void VR2View::refreshRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture)
{
    const auto surface = mSurface.lock();
    if (!surface)
        return;
    // Clipped in 64 bits: a huge rectangle must not wrap past the frame.
    if (const auto part = VR2ClipRect(platform::Require(rect), 0, 0, width(), height(), left(), top()))
        surface->UpdateRect(part, picture);
}

// Focus

void VR2View::changeFocus(int32_t code)
{
    if (const auto surface = mSurface.lock())
        surface->ChangeFocus(Self(), code);
}

bool VR2View::hasFocus()
{
    const auto surface = mSurface.lock();
    return surface && surface->isFocusView(Self());
}

bool VR2View::doesAcceptFocus() { return Enabled && CanFocus; }

// User data

platform::Variant VR2View::UserData(const platform::Variant& key, const platform::Variant& fallback) const
{
    return mUserData ? mUserData->Lookup(key, fallback) : fallback;
}

void VR2View::SetUserData(const platform::Variant& key, const platform::Variant& value)
{
    if (!mUserData)
        mUserData = platform::Dictionary::Create();
    mUserData->SetValue(key, value);
}

// Messages

void VR2View::sendMessage(const VR2Message::Ref& message)
{
    platform::Require(message);
    if (const auto surface = mSurface.lock()) {
        // Every surface is a receiver too; one that is not gets nothing.
        if (const auto target = std::dynamic_pointer_cast<VR2Object>(surface))
            Vireo2Engine::VR2SendMessage(Self(), target, message);
        return;
    }
    if (const auto application = std::dynamic_pointer_cast<VR2Object>(toolkit::App()))
        Vireo2Engine::VR2SendMessage(Self(), application, message);
}
