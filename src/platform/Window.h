#pragma once

#include "platform/Color.h"
#include "platform/DragItem.h"
#include "platform/MenuItem.h"
#include "platform/MouseCursor.h"
#include "platform/Graphics.h"
#include "platform/Object.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class RectControl;
class WindowWidget;

// A top-level desktop window. The desktop's events reach the protected On...
// hooks; each hook's default means "not handled". Coordinates handed to the
// hooks are content coordinates: origin at the content's top-left corner.
// An open window stays alive, listed by Application::Window, until it closes.
class Window : public virtual Object {
public:
    using Ref = std::shared_ptr<Window>;

    // The largest width and height a window takes, so that its back picture
    // can always be made.
    static constexpr int32_t kMaxSide = 8192;

    ~Window() override;

    // The content rectangle, in screen coordinates.
    int32_t Left() const;
    void Left(int32_t left);
    int32_t Top() const;
    void Top(int32_t top);
    int32_t Width() const;
    void Width(int32_t width);
    int32_t Height() const;
    void Height(int32_t height);

    std::string Title() const;
    void Title(const std::string& title);
    // An open window with Visible set is on screen; a new window is shown once its Open has run.
    bool Visible() const;
    void Visible(bool visible);
    bool Resizeable() const;
    void Resizeable(bool resizeable);
    bool HasBackColor() const;
    void HasBackColor(bool hasBackColor);
    Color BackColor() const;
    void BackColor(Color color);
    // Nil is the standard pointer.
    platform::MouseCursor::Ref MouseCursor() const;
    void MouseCursor(platform::MouseCursor::Ref cursor);

    // The pointer as last seen over this window, in content coordinates.
    int32_t MouseX() const;
    int32_t MouseY() const;

    // The port of the window's retained image, for drawing outside Paint.
    platform::Graphics::Ref Graphics();
    // True while the next paint draws the whole content anyway (before the
    // window's first paint, after a resize): drawing now would be lost work.
    bool WholePaintPending() const;
    // Marks part of the retained image as drawn and due on screen; only the
    // part inside the window counts, however far off the rectangle lies.
    void Invalidate(int32_t x, int32_t y, int32_t width, int32_t height);
    // Puts what was drawn on screen now: the parts marked with Invalidate, or
    // the whole image when it was drawn into without marking.
    void UpdateNow();

    bool IsOpen() const;
    void Show();
    // Asks CancelClose(false) first; answers false when the close was cancelled.
    bool Close();
    // Brings the window to the front and gives it the keyboard.
    void SetFocus();
    // Paints the whole content again (Paint, then the controls).
    void Refresh();

    // The application's menu bar above the content, when the application has
    // one; on by default.
    bool MenuBarVisible() const { return mMenuBarVisible; }
    void MenuBarVisible(bool visible);
    // Takes the menu items of that Name while this window is in front, before
    // the application's handler (one per name).
    void AddMenuHandler(const std::string& name, MenuHandler handler);
    MenuHandler MenuHandlerFor(const std::string& name) const;

    // Platform controls, drawn over what Paint drew in the order added.
    // Adding one raises its Open.
    void AddControl(const std::shared_ptr<RectControl>& control);

protected:
    Window();

    // Every window factory ends here: lists the window, raises Open and, when
    // Visible, shows it. A window whose Open raises is closed and unlisted.
    template <typename T>
    static std::shared_ptr<T> Opened(std::shared_ptr<T> window)
    {
        window->OpenWindow();
        return window;
    }

    virtual void OnOpen() {}
    virtual void OnClose() {}
    virtual bool OnCancelClose(bool /*appQuitting*/) { return false; }
    // Paints the whole content into g, the retained image's port (filled with
    // BackColor first when HasBackColor).
    virtual void OnPaint(const platform::Graphics::Ref& /*g*/) {}
    // Answers whether the window takes the press: only then do drags (repeated
    // while the button is held still) and the release follow.
    virtual bool OnMouseDown(int32_t /*x*/, int32_t /*y*/) { return false; }
    virtual void OnMouseDrag(int32_t /*x*/, int32_t /*y*/) {}
    virtual void OnMouseUp(int32_t /*x*/, int32_t /*y*/) {}
    virtual void OnMouseMove(int32_t /*x*/, int32_t /*y*/) {}
    virtual void OnMouseEnter() {}
    virtual void OnMouseExit() {}
    // Positive deltas scroll down and right, in wheel steps.
    virtual bool OnMouseWheel(int32_t /*x*/, int32_t /*y*/, int32_t /*deltaX*/, int32_t /*deltaY*/) { return false; }
    // The key as text: Chr of a key code of codes (Enter, Backspace, Tab,
    // Return, Esc, the arrows, forward Delete); with the command modifier the
    // key's letter; typed text otherwise.
    virtual bool OnKeyDown(const std::string& /*key*/) { return false; }
    virtual void OnGotFocus() {}
    virtual void OnLostFocus() {}
    virtual void OnActivate() {}
    virtual void OnDeactivate() {}
    virtual void OnResizing() {}
    virtual void OnResized() {}
    virtual void OnMoved() {}
    virtual void OnMaximize() {}
    virtual void OnMinimize() {}
    virtual void OnEnableMenuItems() {}
    // A contextual click: fill base with the menu's items and answer true to show it.
    virtual bool OnConstructContextualMenu(const MenuItem::Ref& /*base*/, int32_t /*x*/, int32_t /*y*/) { return false; }
    virtual bool OnContextualMenuAction(const MenuItem::Ref& /*hitItem*/) { return false; }
    // Drags from the desktop; action codes::kDropCopy, kDropMove or kDropLink. True accepts.
    virtual bool OnDragEnter(const DragItem::Ref& /*item*/, int32_t /*action*/) { return false; }
    virtual bool OnDragOver(int32_t /*x*/, int32_t /*y*/, const DragItem::Ref& /*item*/, int32_t /*action*/) { return false; }
    virtual void OnDragExit(const DragItem::Ref& /*item*/, int32_t /*action*/) {}
    virtual void OnDropObject(const DragItem::Ref& /*item*/, int32_t /*action*/) {}

private:
    friend class WindowWidget;
    friend class Application;

    void OpenWindow();
    bool CloseWindow(bool appQuitting);
    void ShowMenuBar();
    void PaintControls(const platform::Graphics::Ref& g);
    // Marks the window closed and takes it off the list of open windows.
    void Unlist();

    struct Impl;
    std::unique_ptr<Impl> mImpl;
    bool mMenuBarVisible = true;
    std::map<std::string, MenuHandler> mMenuHandlers;
    std::vector<std::shared_ptr<RectControl>> mControls;
};

}  // namespace platform
