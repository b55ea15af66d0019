#include "platform/private/WindowWidget.h"

#include "platform/Codes.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/UnhandledException.h"
#include "platform/Window.h"
#include "platform/private/InputState.h"
#include "platform/private/WindowList.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Drags repeat at this pace while the button is held still, so that a view
// can scroll while the pointer rests beyond its edge.
int gDragRepeatMilliseconds = 30;
// A live resize counts as finished once the size has rested this long.
constexpr int kResizeSettleMilliseconds = 150;

int32_t DropActionCode(Qt::DropAction action)
{
    switch (action) {
    case Qt::MoveAction:
        return codes::kDropMove;
    case Qt::LinkAction:
        return codes::kDropLink;
    default:
        return codes::kDropCopy;
    }
}

}  // namespace

std::optional<std::string> KeyText(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    switch (key) {
    case Qt::Key_Enter:
        return Chr(codes::kKeyEnter);
    case Qt::Key_Return:
        return Chr(modifiers.testFlag(Qt::KeypadModifier) ? codes::kKeyEnter : codes::kKeyReturn);
    case Qt::Key_Backspace:
        return Chr(codes::kKeyBackspace);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Chr(codes::kKeyTab);
    case Qt::Key_Escape:
        return Chr(codes::kKeyEscape);
    case Qt::Key_Left:
        return Chr(codes::kKeyLeft);
    case Qt::Key_Right:
        return Chr(codes::kKeyRight);
    case Qt::Key_Up:
        return Chr(codes::kKeyUp);
    case Qt::Key_Down:
        return Chr(codes::kKeyDown);
    case Qt::Key_Delete:
        return Chr(codes::kKeyDelete);
    case Qt::Key_Home:
        return Chr(codes::kKeyHome);
    case Qt::Key_End:
        return Chr(codes::kKeyEnd);
    default:
        break;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        // Under Ctrl the event's text differs between X ("\x03") and synthetic
        // events ("c"): the key itself decides.
        if (key < 0x20 || key > 0x7E)
            return std::nullopt;
        const QChar letter(key);
        return QString(modifiers.testFlag(Qt::ShiftModifier) ? letter.toUpper() : letter.toLower()).toStdString();
    }
    // Alt, Super and Meta make shortcuts, not text; AltGr (a group switch) composes text.
    if (text.isEmpty() || modifiers.testAnyFlags(Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    for (const QChar character : text)
        if (character.unicode() < 0x20 || character.unicode() == 0x7F)
            return std::nullopt;
    return text.toStdString();
}

WindowWidget::WindowWidget(Window* owner) : mOwner(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
    setMaximumSize(Window::kMaxSide, Window::kMaxSide);

    QObject::connect(&mDragRepeat, &QTimer::timeout, this, [this] {
        if (mPressTaken)
            Raise([&] { mOwner->OnMouseDrag(mPointer.x(), mPointer.y()); });
    });
    mResizeSettle.setSingleShot(true);
    mResizeSettle.setInterval(kResizeSettleMilliseconds);
    QObject::connect(&mResizeSettle, &QTimer::timeout, this, [this] { HandleSizeChange(true); });
}

WindowWidget::~WindowWidget() = default;

void WindowWidget::SetDragRepeatInterval(int milliseconds) { gDragRepeatMilliseconds = milliseconds; }

template <typename Body>
bool WindowWidget::Dispatch(Body&& body, bool fallback)
{
    if (!mOwner || !mOwner->IsOpen())
        return fallback;
    bool result = fallback;
    ++mDispatchDepth;
    {
        // The window may drop its last other reference inside the hook.
        auto keepAlive = mOwner->weak_from_this().lock();
        RunGuarded([&] { result = body(); });
        keepAlive.reset();
    }
    --mDispatchDepth;
    return result;
}

template <typename Hook>
void WindowWidget::Raise(Hook&& hook)
{
    Dispatch([&] {
        hook();
        return true;
    });
}

bool WindowWidget::DispatchHook(const std::function<bool()>& hook) { return Dispatch(hook); }

const Picture::Ref& WindowWidget::BackPicture()
{
    const QSize size = ContentSize();
    if (!mBack || mBack->Width() != size.width() || mBack->Height() != size.height()) {
        // Nil when memory runs out; the window then shows nothing new.
        mBack = Picture::NewPicture(std::max(size.width(), 1), std::max(size.height(), 1));
        mBackValid = false;
    }
    return mBack;
}

void WindowWidget::PaintBackPicture(const Picture::Ref& back)
{
    back->Image().fill(mOwner && mOwner->HasBackColor() ? QColor::fromRgb(static_cast<QRgb>(mOwner->BackColor().value))
                                                        : QColor(Qt::white));
    mBackValid = true;
    Raise([&] {
        mOwner->OnPaint(back->Graphics());
        mOwner->PaintControls(back->Graphics());
    });
}

void WindowWidget::FlushDirty()
{
    const auto back = BackPicture();
    if (!back)
        return;
    const QRect content(QPoint(0, 0), ContentSize());
    if (mDirty.isEmpty() && back->Generation() != mShownGeneration)
        mDirty = content;
    const QRect dirty = (mDirty & content).translated(0, mMenuHeight);
    mDirty = QRect();
    if (!isVisible() || dirty.isEmpty())
        return;
    // Inside a paint the widget cannot paint again at once: it follows shortly.
    if (mPainting)
        update(dirty);
    else
        repaint(dirty);
}

void WindowWidget::ApplyResize(int width, int height)
{
    mApplyingResize = true;
    height += mMenuHeight;
    if (minimumSize() == maximumSize())
        setFixedSize(width, height);
    else
        resize(width, height);
    mApplyingResize = false;
    if (size() == mLastSize)
        return;
    mLastSize = size();
    mResizeSettle.stop();
    if (mOwner && mOwner->IsOpen())
        mOwner->OnResized();
}

void WindowWidget::HandleSizeChange(bool finished)
{
    if (finished) {
        Raise([&] { mOwner->OnResized(); });
        return;
    }
    if (mApplyingResize || size() == mLastSize)
        return;
    mLastSize = size();
    Raise([&] { mOwner->OnResizing(); });
    mResizeSettle.start();
}

void WindowWidget::RestartDragRepeat()
{
    if (gDragRepeatMilliseconds > 0)
        mDragRepeat.start(gDragRepeatMilliseconds);
}

bool WindowWidget::HandleKey(QKeyEvent* event)
{
    auto& input = CurrentInput();
    input.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    input.command = event->modifiers().testFlag(Qt::ControlModifier);
    const auto key = KeyText(event->key(), event->modifiers(), event->text());
    if (!key)
        return false;
    // A menu command that something takes wins over the window's own keys.
    if (const auto item = MenuCommandForKey(event, *key); item && ChooseMenuItem(item))
        return true;
    return Dispatch([&] { return mOwner->OnKeyDown(*key); });
}

bool WindowWidget::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Menu commands that something takes come first, then the window;
        // what it leaves goes on to Qt's shortcuts.
        auto* key = static_cast<QKeyEvent*>(event);
        // Alt with a letter opens a menu by its mnemonic.
        if (mMenuBar && key->modifiers().testFlag(Qt::AltModifier) &&
            !key->modifiers().testFlag(Qt::ControlModifier)) {
            key->setAccepted(false);
            return true;
        }
        const bool handled = HandleKey(key);
        mCheckedKey = CheckedKey{key->key(), key->modifiers(), key->timestamp(), handled};
        key->setAccepted(handled);
        return true;
    }
    case QEvent::KeyPress: {
        // Handled here, not by QWidget, so that Tab and Shift-Tab reach the window.
        auto* key = static_cast<QKeyEvent*>(event);
        bool handled;
        if (mCheckedKey && mCheckedKey->key == key->key() && mCheckedKey->modifiers == key->modifiers() &&
            mCheckedKey->timestamp == key->timestamp())
            handled = mCheckedKey->handled;
        else
            handled = HandleKey(key);
        mCheckedKey.reset();
        key->setAccepted(handled);
        return true;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        CurrentInput().shift = key->modifiers().testFlag(Qt::ShiftModifier);
        CurrentInput().command = key->modifiers().testFlag(Qt::ControlModifier);
        return true;
    }
    default:
        return QWidget::event(event);
    }
}

void WindowWidget::paintEvent(QPaintEvent* event)
{
    const auto back = BackPicture();
    if (!back)
        return;
    mPainting = true;
    if (!mBackValid)
        PaintBackPicture(back);
    back->EndPainting();
    QPainter painter(this);
    const QRect target = event->rect() & QRect(QPoint(0, mMenuHeight), ContentSize());
    painter.drawImage(target, back->ImageForReading(), target.translated(0, -mMenuHeight));
    mShownGeneration = back->Generation();
    mPainting = false;
}

void WindowWidget::TrackPointer(const QPointF& position, const QPointF& globalPosition,
                                Qt::KeyboardModifiers modifiers)
{
    mPointer = QPoint(static_cast<int>(std::floor(position.x())),
                      static_cast<int>(std::floor(position.y())) - mMenuHeight);
    auto& input = CurrentInput();
    input.screenX = static_cast<int32_t>(std::floor(globalPosition.x()));
    input.screenY = static_cast<int32_t>(std::floor(globalPosition.y()));
    input.shift = modifiers.testFlag(Qt::ShiftModifier);
    input.command = modifiers.testFlag(Qt::ControlModifier);
}

void WindowWidget::HandlePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    TrackPointer(event->position(), event->globalPosition(), event->modifiers());
    auto& input = CurrentInput();
    input.buttonDown = true;
    // A press while another button holds the window belongs to that press.
    if (mPressTaken || input.pressHookRunning)
        return;
    const bool contextual = event->button() == Qt::RightButton;
    input.contextualClick = contextual;
    const int32_t x = mPointer.x();
    const int32_t y = mPointer.y();
    input.pressHookRunning = true;
    mPressTaken = Dispatch([&] { return mOwner->OnMouseDown(x, y); });
    input.pressHookRunning = false;
    if (mPressTaken && !input.buttonDown) {
        // The hook held on until the button came up: that release ends the press.
        mPressTaken = false;
        Raise([&] { mOwner->OnMouseUp(mPointer.x(), mPointer.y()); });
    } else if (mPressTaken) {
        RestartDragRepeat();
    } else if (contextual) {
        ShowContextualMenu(x, y);
    }
}

void WindowWidget::ShowContextualMenu(int32_t x, int32_t y)
{
    // One dispatch around the menu's own event loop keeps the window alive through it.
    Dispatch([&] {
        const auto base = MenuItem::Create();
        if (!mOwner->OnConstructContextualMenu(base, x, y) || base->Count() == 0)
            return false;
        const QPoint global = mapToGlobal(QPoint(x, y + mMenuHeight));
        const auto hit = PopUpMenu(base, global.x(), global.y());
        // The menu took the release.
        CurrentInput().buttonDown = false;
        if (hit && mOwner && mOwner->IsOpen())
            mOwner->OnContextualMenuAction(hit);
        return true;
    });
}

void WindowWidget::mousePressEvent(QMouseEvent* event) { HandlePress(event); }

// The toolkit counts clicks itself: a second click is a second press.
void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) { HandlePress(event); }

void WindowWidget::mouseMoveEvent(QMouseEvent* event)
{
    TrackPointer(event->position(), event->globalPosition(), event->modifiers());
    const int32_t x = mPointer.x();
    const int32_t y = mPointer.y();
    if (mPressTaken) {
        RestartDragRepeat();
        Raise([&] { mOwner->OnMouseDrag(x, y); });
    } else if (event->buttons() == Qt::NoButton) {
        Raise([&] { mOwner->OnMouseMove(x, y); });
    }
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    TrackPointer(event->position(), event->globalPosition(), event->modifiers());
    if (event->buttons() != Qt::NoButton)
        return;
    CurrentInput().buttonDown = false;
    if (!mPressTaken)
        return;
    mPressTaken = false;
    mDragRepeat.stop();
    const int32_t x = mPointer.x();
    const int32_t y = mPointer.y();
    Raise([&] { mOwner->OnMouseUp(x, y); });
}

void WindowWidget::wheelEvent(QWheelEvent* event)
{
    TrackPointer(event->position(), event->globalPosition(), event->modifiers());
    // One notch is 120; finer wheels add up until they make a whole step.
    mWheelX -= event->angleDelta().x() / 120.0;
    mWheelY -= event->angleDelta().y() / 120.0;
    const auto deltaX = static_cast<int32_t>(mWheelX);
    const auto deltaY = static_cast<int32_t>(mWheelY);
    mWheelX -= deltaX;
    mWheelY -= deltaY;
    if (deltaX == 0 && deltaY == 0)
        return;
    const int32_t x = mPointer.x();
    const int32_t y = mPointer.y();
    event->setAccepted(Dispatch([&] { return mOwner->OnMouseWheel(x, y, deltaX, deltaY); }));
}

void WindowWidget::enterEvent(QEnterEvent* event)
{
    TrackPointer(event->position(), event->globalPosition(), event->modifiers());
    Raise([&] { mOwner->OnMouseEnter(); });
}

void WindowWidget::leaveEvent(QEvent*)
{
    Raise([&] { mOwner->OnMouseExit(); });
}

void WindowWidget::focusInEvent(QFocusEvent*)
{
    Raise([&] { mOwner->OnGotFocus(); });
}

void WindowWidget::focusOutEvent(QFocusEvent*)
{
    Raise([&] { mOwner->OnLostFocus(); });
}

void WindowWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (mOwner)
                BringToFront(mOwner);
            Raise([&] { mOwner->OnActivate(); });
        } else {
            Raise([&] { mOwner->OnDeactivate(); });
        }
    } else if (event->type() == QEvent::WindowStateChange) {
        if (windowState().testFlag(Qt::WindowMinimized))
            Raise([&] { mOwner->OnMinimize(); });
        else if (windowState().testFlag(Qt::WindowMaximized))
            Raise([&] { mOwner->OnMaximize(); });
    }
    QWidget::changeEvent(event);
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    if (mMenuBar)
        mMenuBar->resize(width(), mMenuHeight);
    HandleSizeChange(false);
}

void WindowWidget::moveEvent(QMoveEvent*)
{
    const QPoint position = geometry().topLeft();
    if (position == mLastPosition)
        return;
    mLastPosition = position;
    Raise([&] { mOwner->OnMoved(); });
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    // The window decides, and hides itself when it closes.
    event->ignore();
    Dispatch([&] { return mOwner->CloseWindow(false); });
}

void WindowWidget::dragEnterEvent(QDragEnterEvent* event)
{
    const auto item = DragItem::Create();
    const int32_t action = DropActionCode(event->proposedAction());
    if (Dispatch([&] { return mOwner->OnDragEnter(item, action); }))
        event->acceptProposedAction();
    else
        event->ignore();
}

void WindowWidget::dragMoveEvent(QDragMoveEvent* event)
{
    const auto item = DragItem::Create();
    const int32_t action = DropActionCode(event->proposedAction());
    const QPoint point = event->position().toPoint() - QPoint(0, mMenuHeight);
    if (Dispatch([&] { return mOwner->OnDragOver(point.x(), point.y(), item, action); }))
        event->acceptProposedAction();
    else
        event->ignore();
}

void WindowWidget::dragLeaveEvent(QDragLeaveEvent*)
{
    const auto item = DragItem::Create();
    Raise([&] { mOwner->OnDragExit(item, codes::kDropCopy); });
}

void WindowWidget::dropEvent(QDropEvent* event)
{
    const auto item = DragItem::Create();
    const int32_t action = DropActionCode(event->proposedAction());
    Raise([&] { mOwner->OnDropObject(item, action); });
    event->acceptProposedAction();
}

}  // namespace platform
