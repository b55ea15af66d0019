#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/private/WindowList.h"
#include "platform/private/WindowWidget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace platform {

struct Window::Impl {
    QPointer<WindowWidget> widget;
    bool open = false;
    bool visible = true;
    bool resizeable = true;
    bool hasBackColor = false;
    Color backColor{0xFFFFFF};
    platform::MouseCursor::Ref cursor;
};

std::vector<Window::Ref>& OpenWindows()
{
    // Never destroyed: a window still open at exit must not outlive Qt's teardown.
    static auto* windows = new std::vector<Window::Ref>();
    return *windows;
}

void BringToFront(const Window* window)
{
    auto& windows = OpenWindows();
    const auto found =
        std::find_if(windows.begin(), windows.end(), [window](const Window::Ref& entry) { return entry.get() == window; });
    if (found != windows.end())
        std::rotate(windows.begin(), found, found + 1);
}

namespace {

Qt::CursorShape CursorShape(MouseCursor::Shape shape)
{
    switch (shape) {
    case MouseCursor::Shape::IBeam:
        return Qt::IBeamCursor;
    case MouseCursor::Shape::PointingHand:
        return Qt::PointingHandCursor;
    case MouseCursor::Shape::Cross:
        return Qt::CrossCursor;
    case MouseCursor::Shape::Wait:
        return Qt::WaitCursor;
    case MouseCursor::Shape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

Window::Window() : mImpl(std::make_unique<Impl>())
{
    mImpl->widget = new WindowWidget(this);
    QRect frame(0, 0, 300, 300);
    if (const auto* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    mImpl->widget->setGeometry(frame);
    mImpl->widget->RememberGeometry();
}

Window::~Window()
{
    // Past the end of Qt (a window still referenced at exit) there is nothing to delete.
    if (WindowWidget* widget = mImpl->widget; widget && QCoreApplication::instance()) {
        widget->Detach();
        // A window can go away inside one of its own widget's events.
        if (widget->InDispatch())
            widget->deleteLater();
        else
            delete widget;
    }
}

int32_t Window::Left() const { return mImpl->widget->geometry().left(); }
int32_t Window::Top() const { return mImpl->widget->geometry().top() + mImpl->widget->ContentTop(); }
int32_t Window::Width() const { return mImpl->widget->width(); }
int32_t Window::Height() const { return mImpl->widget->ContentSize().height(); }

void Window::Left(int32_t left)
{
    auto geometry = mImpl->widget->geometry();
    geometry.moveLeft(left);
    mImpl->widget->setGeometry(geometry);
    if (!mImpl->open)
        mImpl->widget->RememberGeometry();
}

void Window::Top(int32_t top)
{
    auto geometry = mImpl->widget->geometry();
    geometry.moveTop(top - mImpl->widget->ContentTop());
    mImpl->widget->setGeometry(geometry);
    if (!mImpl->open)
        mImpl->widget->RememberGeometry();
}

void Window::Width(int32_t width) { mImpl->widget->ApplyResize(std::clamp(width, 1, kMaxSide), Height()); }
void Window::Height(int32_t height) { mImpl->widget->ApplyResize(Width(), std::clamp(height, 1, kMaxSide)); }

std::string Window::Title() const { return mImpl->widget->windowTitle().toStdString(); }
void Window::Title(const std::string& title) { mImpl->widget->setWindowTitle(QString::fromStdString(title)); }

bool Window::Visible() const { return mImpl->visible; }

void Window::Visible(bool visible)
{
    mImpl->visible = visible;
    if (mImpl->open)
        mImpl->widget->setVisible(visible);
}

bool Window::Resizeable() const { return mImpl->resizeable; }

void Window::Resizeable(bool resizeable)
{
    mImpl->resizeable = resizeable;
    auto* widget = mImpl->widget.data();
    if (resizeable) {
        widget->setMinimumSize(1, 1);
        widget->setMaximumSize(kMaxSide, kMaxSide);
    } else {
        widget->setFixedSize(widget->size());
    }
    widget->OfferResize(resizeable);
}

bool Window::HasBackColor() const { return mImpl->hasBackColor; }
void Window::HasBackColor(bool hasBackColor) { mImpl->hasBackColor = hasBackColor; }
Color Window::BackColor() const { return mImpl->backColor; }
void Window::BackColor(Color color) { mImpl->backColor = color; }

platform::MouseCursor::Ref Window::MouseCursor() const { return mImpl->cursor; }

void Window::MouseCursor(platform::MouseCursor::Ref cursor)
{
    mImpl->cursor = std::move(cursor);
    if (mImpl->cursor)
        mImpl->widget->setCursor(QCursor(CursorShape(mImpl->cursor->shape())));
    else
        mImpl->widget->unsetCursor();
}

int32_t Window::MouseX() const { return mImpl->widget->Pointer().x(); }
int32_t Window::MouseY() const { return mImpl->widget->Pointer().y(); }

platform::Graphics::Ref Window::Graphics() { return Require(mImpl->widget->BackPicture()).Graphics(); }

bool Window::WholePaintPending() const { return !mImpl->widget->BackValid(); }

void Window::Invalidate(int32_t x, int32_t y, int32_t width, int32_t height)
{
    // Summed wide: QRect's own right edge would overflow for a far-off rectangle.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + width, Width());
    const int64_t bottom = std::min<int64_t>(int64_t{y} + height, Height());
    if (right > left && bottom > top)
        mImpl->widget->MarkDirty(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                                       static_cast<int>(bottom - top)));
}

void Window::UpdateNow() { mImpl->widget->FlushDirty(); }

bool Window::IsOpen() const { return mImpl->open; }

void Window::Show()
{
    Visible(true);
    if (!mImpl->open)
        return;
    mImpl->widget->raise();
    mImpl->widget->activateWindow();
    BringToFront(this);
}

bool Window::Close() { return CloseWindow(false); }

void Window::SetFocus()
{
    if (!mImpl->open)
        return;
    // A hidden window takes the keyboard when it is shown.
    if (mImpl->widget->isVisible())
        mImpl->widget->activateWindow();
    mImpl->widget->setFocus(Qt::OtherFocusReason);
    BringToFront(this);
}

void Window::Refresh()
{
    if (mImpl->widget)
        mImpl->widget->RepaintContent();
}

void Window::ShowMenuBar()
{
    const auto application = Application::Current();
    mImpl->widget->ShowMenuBar(application && mMenuBarVisible ? application->MenuBar() : nullptr);
}

void Window::OpenWindow()
{
    auto self = std::dynamic_pointer_cast<Window>(shared_from_this());
    OpenWindows().insert(OpenWindows().begin(), self);
    mImpl->open = true;
    // Made now, while the font configuration may still be being read on a
    // worker, rather than on the way to the first frame.
    mImpl->widget->BackPicture();
    ShowMenuBar();
    try {
        OnOpen();
    } catch (...) {
        // Half opened: not a window anyone may count, search or wait for.
        Unlist();
        throw;
    }
    if (mImpl->open && mImpl->visible)
        mImpl->widget->show();
}

void Window::Unlist()
{
    // A closed window raises no more events, also not those of hiding it.
    mImpl->open = false;
    auto& windows = OpenWindows();
    const auto listed = [this](const Ref& entry) { return entry.get() == this; };
    windows.erase(std::remove_if(windows.begin(), windows.end(), listed), windows.end());
}

bool Window::CloseWindow(bool appQuitting)
{
    if (!mImpl->open)
        return true;
    auto self = std::dynamic_pointer_cast<Window>(shared_from_this());
    if (OnCancelClose(appQuitting))
        return false;
    // Unlisted before Close runs, so that a Close handler that quits or walks
    // the windows no longer meets this one.
    Unlist();
    try {
        OnClose();
    } catch (...) {
        mImpl->widget->hide();
        throw;
    }
    mImpl->widget->hide();
    // The last window closing ends a program that asked for it.
    const auto application = Application::Current();
    if (!appQuitting && application && application->AutoQuit() && OpenWindows().empty())
        application->Quit(0);
    return true;
}

}  // namespace platform
