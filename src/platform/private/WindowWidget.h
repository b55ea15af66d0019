#pragma once

// Private to the platform layer: the Qt widget behind a platform Window.

#include "platform/MenuBar.h"
#include "platform/Picture.h"

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QKeyEvent;
class QMenuBar;

namespace platform {

class Window;

// The key of a key event as the window hands it on (see Window::OnKeyDown);
// nothing for keys that carry no text, such as a modifier alone.
std::optional<std::string> KeyText(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// One top-level widget per window: it turns Qt's events into the window's
// hooks and keeps the retained image the window draws into.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window* owner);
    ~WindowWidget() override;

    // Test seam: the pace of repeated drags; 0 switches the repeat off.
    static void SetDragRepeatInterval(int milliseconds);

    Window* Owner() const { return mOwner; }
    void Detach() { mOwner = nullptr; }
    // Takes the geometry set in code as the known one, so showing raises no resize or move.
    void RememberGeometry()
    {
        mLastSize = size();
        mLastPosition = geometry().topLeft();
    }
    bool InDispatch() const { return mDispatchDepth > 0; }

    // The retained image, always the widget's size; a new one is painted
    // whole (Paint) before it is shown. Nil when it cannot be made.
    const Picture::Ref& BackPicture();
    // False until the retained image has been painted whole.
    bool BackValid() const { return mBack && mBackValid; }
    // Marks part of the retained image as drawn and not yet on screen.
    void MarkDirty(const QRect& rect) { mDirty |= rect; }
    void FlushDirty();

    QPoint Pointer() const { return mPointer; }

    // Applies a content size set in code: the resize is handled at once.
    void ApplyResize(int width, int height);
    // Whether the window manager may offer to resize and maximise the window
    // (on X; elsewhere the fixed size says enough).
    void OfferResize(bool offered);

    // Shows the menus of bar above the content (nil takes them away); the
    // content keeps its size and moves down below them.
    void ShowMenuBar(const MenuBar::Ref& bar);
    // The content's top edge in the widget and its size.
    int ContentTop() const { return mMenuHeight; }
    QSize ContentSize() const { return QSize(width(), std::max(height() - mMenuHeight, 1)); }
    // The whole content is painted again.
    void RepaintContent()
    {
        mBackValid = false;
        update(QRect(QPoint(0, mMenuHeight), ContentSize()));
    }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Runs a hook of the owner with the owner kept alive and no exception
    // leaving; answers fallback when there is no owner or the hook raised.
    template <typename Body>
    bool Dispatch(Body&& body, bool fallback = false);
    // Dispatch for a hook without an answer.
    template <typename Hook>
    void Raise(Hook&& hook);

    void TrackPointer(const QPointF& position, const QPointF& globalPosition, Qt::KeyboardModifiers modifiers);
    void HandlePress(QMouseEvent* event);
    void RestartDragRepeat();
    void ShowContextualMenu(int32_t x, int32_t y);
    bool HandleKey(QKeyEvent* event);
    // The menu item that a key chooses before the window sees it: one with a
    // handler, or Quit. Nil for every other key.
    MenuItem::Ref MenuCommandForKey(const QKeyEvent* event, const std::string& key);
    bool ChooseMenuItem(const MenuItem::Ref& item);
    // One EnableMenuItems round over bar.
    void UpdateMenus(const MenuBar::Ref& bar);
    // Dispatch for code outside this file.
    bool DispatchHook(const std::function<bool()>& hook);
    void HandleSizeChange(bool finished);
    void WriteResizeHints();

    Window* mOwner;
    int mDispatchDepth = 0;

    void PaintBackPicture(const Picture::Ref& back);

    Picture::Ref mBack;
    bool mBackValid = false;
    bool mPainting = false;
    QRect mDirty;
    uint64_t mShownGeneration = 0;
    QPointer<QMenuBar> mMenuBar;
    int mMenuHeight = 0;

    QPoint mPointer;
    bool mPressTaken = false;
    QTimer mDragRepeat;
    QTimer mResizeSettle;
    QSize mLastSize;
    bool mResizeOffered = true;
    bool mResizeHintsChanged = false;
    bool mApplyingResize = false;
    QPoint mLastPosition;
    double mWheelX = 0;
    double mWheelY = 0;

    // A key already handed on during its shortcut check, so the key press that
    // follows is not handed on twice.
    struct CheckedKey {
        int key;
        Qt::KeyboardModifiers modifiers;
        quint64 timestamp;
        bool handled;
    };
    std::optional<CheckedKey> mCheckedKey;
};

}  // namespace platform
