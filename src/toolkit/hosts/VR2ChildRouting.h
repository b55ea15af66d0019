#pragma once

#include "platform/MenuItem.h"
#include "platform/MouseCursor.h"
#include "toolkit/core/VR2View.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What a holder of views remembers of its children between events: the child
// that took the current press (it gets the drags and the release), the child
// under the pointer, and the child asked for the last contextual menu. Points
// are in the holder's coordinates; each child gets them in its own.
class VR2ChildRouting {
public:
    using ViewRef = std::shared_ptr<VR2View>;

    // The child under the press; true when it took it, and it is captured.
    bool Press(const ViewRef& child, int32_t x, int32_t y);
    // To the captured child (none once it cancelled dragging); false without
    // one, so the holder raises its own event.
    bool Drag(int32_t x, int32_t y);
    // Ends the capture; false without one.
    bool Release(int32_t x, int32_t y);
    // Exit of the old hover child, entry of child, then its move; false when
    // child is nil (after the old one's exit).
    bool Track(const ViewRef& child, int32_t x, int32_t y);
    // The hover child, when there is one, is told the pointer left.
    void Exit();
    // The holder closes: the menu child is forgotten, the hover child exited.
    void Close();
    // To the child under the pointer; true when it took the wheel.
    static bool Wheel(const ViewRef& child, int32_t x, int32_t y, int32_t deltaX, int32_t deltaY);
    // The child is remembered for the chosen item; nothing without a child.
    std::optional<bool> ConstructMenu(const ViewRef& child, const platform::MenuItem::Ref& base, int32_t x, int32_t y);
    // True when the remembered child took the item (and is forgotten).
    bool MenuAction(const platform::MenuItem::Ref& item);

    ViewRef Hovered() const { return mMouseOver.lock(); }

    // newView takes oldView's place in views: the old view is closed and
    // loses its parent, the new one gets holder as parent and is opened;
    // neither goes through the holder's own attach or detach. False when
    // oldView is not in views.
    static bool Swap(std::vector<ViewRef>& views, const ViewRef& newView, const ViewRef& oldView,
                     const VR2Surface::Ref& holder);
    // Detaches every view, first to last, without calling back into the
    // holder, and empties the list.
    static void DetachAll(std::vector<ViewRef>& views);
    // Drops every reference to view, without telling it.
    void Forget(const ViewRef& view);

    // The holder's event to each child, over a copy of the list (a child may
    // change it). afterEach runs after every child that did not end the walk
    // (the window lets the event loop run there).
    static void Activate(const std::vector<ViewRef>& views, const std::function<void()>& afterEach = nullptr);
    static void Deactivate(const std::vector<ViewRef>& views, const std::function<void()>& afterEach = nullptr);
    static void EnableMenuItems(const std::vector<ViewRef>& views, const std::function<void()>& afterEach = nullptr);
    // True at the first child that cancels the close.
    static bool CancelClose(const std::vector<ViewRef>& views, bool appQuitting,
                            const std::function<void()>& afterEach = nullptr);

    // A surface nested in another answers these through parent, the surface
    // holding it (nil once detached); left and top place it in the parent.
    // MousePosition and ChangeMouseCursor need the parent.
    static VR2Point::Ref MousePosition(const VR2Surface::Ref& parent, int32_t space, int32_t left, int32_t top);
    static void ChangeMouseCursor(const VR2Surface::Ref& parent, const platform::MouseCursor::Ref& cursor);
    // The part of rect inside the nested surface's width and height.
    static void UpdateRect(const VR2Surface::Ref& parent, const VR2Rect::Ref& rect,
                           const std::shared_ptr<platform::Picture>& picture, int32_t left, int32_t top,
                           int32_t width, int32_t height);
    // The parent's root; unheld without a parent.
    static VR2Surface::Ref RootSurface(const VR2Surface::Ref& parent, const VR2Surface::Ref& unheld);
    static void ChangeFocus(const VR2Surface::Ref& parent, const ViewRef& view, int32_t code);
    static bool isFocusView(const VR2Surface::Ref& parent, const ViewRef& view);

private:
    std::weak_ptr<VR2View> mMouseDown;
    std::weak_ptr<VR2View> mMouseOver;
    std::weak_ptr<VR2View> mContextualMenu;
};
