#pragma once

#include "platform/Dictionary.h"
#include "platform/MenuItem.h"
#include "platform/Variant.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2DragObject.h"
#include "toolkit/core/VR2EventHandlerTable.h"
#include "toolkit/core/VR2Object.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/geometry/VR2Pinning.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

class VR2Graphics;

// The root of every view: a frame in its parent surface's coordinates, state
// flags, pinning, a name, an event handler table, user data and an opacity.
//
// A subclass customises a view by overriding the protected event hooks (each
// defaults to "not handled"); the public Do hooks do the toolkit's own work and
// then raise the event. A subclass that handles an event and offers a new one
// to its own subclasses marks its override final.
//
// Every view is made by VR2View::Create<T>(): Created is raised once the object
// is complete, and Disposed when the last reference goes. After release a view
// is inert: its hooks do nothing and it answers no message.
class VR2View : public VR2Object {
public:
    using Ref = std::shared_ptr<VR2View>;

    template <typename T>
    static std::shared_ptr<T> Create();

    ~VR2View() override;

    // Fields that builders and subclasses use directly.
    bool Visible = true;
    bool Enabled = true;
    bool CancelDragging = false;  // a MouseDrag handler ends the current drag
    VR2Pinning::Ref Pinning;
    bool CanFocus = false;
    bool AutoClip = false;  // paint through an off-screen picture clipped to the frame
    std::string Name;
    VR2EventHandlerTable::Ref EventHandlerTable;
    bool Retained = false;  // detach does not release the view
    double Opacity = 1.0;

    // Geometry: codes::kSpaceLocal a copy of the frame in the parent's
    // coordinates, codes::kSpaceScreen the frame on the screen (needs a
    // parent), any other code nil.
    VR2Rect::Ref bounds(int32_t space);
    // The setters write the frame and nothing else (but count the change).
    int32_t width() const;
    void width(int32_t value);
    int32_t height() const;
    void height(int32_t value);
    int32_t left() const;
    void left(int32_t value);
    int32_t top() const;
    void top(int32_t value);
    VR2Point::Ref position() const;  // (left, top)
    VR2Rect::Ref frame() const;      // (0, 0, width, height): the view in its own coordinates
    // Raises Resized when the size changed; notify tells the parent.
    void resize(int32_t width, int32_t height, bool notify);
    // Raises nothing; notify tells the parent, also when nothing moved.
    void move(int32_t x, int32_t y, bool notify);
    // (x, y) in the parent's coordinates; edges count as inside.
    virtual bool containsPoint(int32_t x, int32_t y);
    // Grows with every change of any view's frame, however it was made, so
    // that a holder that relies on how its views lie knows when to look again.
    static uint64_t FrameChanges();

    // Life cycle.
    void attach(const VR2Surface::Ref& surface, bool refresh, bool noAttach);
    void detach(bool refreshParent, bool noDetach);
    void release();
    VR2Surface::Ref parent(bool root) const;

    // Repaint requests go to the parent; rect is in the view's own coordinates.
    void refresh();
    void refreshRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture);

    // Focus.
    void changeFocus(int32_t code);
    bool hasFocus();
    virtual bool doesAcceptFocus();

    bool Active() const { return mActive; }
    void Active(bool active) { mActive = active; }
    bool isDragWithin() const { return Enabled && mDragOver; }

    platform::Variant UserData(const platform::Variant& key, const platform::Variant& fallback) const;
    void SetUserData(const platform::Variant& key, const platform::Variant& value);

    // Starts a message at the parent (or the application object when the view
    // has none), with the view as sender. A nil message raises NilObjectException.
    void sendMessage(const VR2Message::Ref& message);

    // The Do hooks: the view hosts, layout and compositing call these.
    void DoActivate();
    bool DoCancelClose(bool appQuitting);
    void DoClose();
    bool DoConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y);
    bool DoContextualMenuAction(const platform::MenuItem::Ref& hitItem);
    void DoDeactivate();
    bool DoDragEnter(const VR2DragObject::Ref& drag, int32_t action);
    void DoDragExit(const VR2DragObject::Ref& drag, int32_t action);
    bool DoDragOver(int32_t x, int32_t y, const VR2DragObject::Ref& drag, int32_t action);
    void DoDropObject(const VR2DragObject::Ref& drag, int32_t action);
    void DoEnableMenuItems();
    bool DoKeyDown(const std::string& key);
    void DoMaximize();
    void DoMinimize();
    bool DoMouseDown(int32_t x, int32_t y);
    void DoMouseDrag(int32_t x, int32_t y, bool& cancel);
    void DoMouseEnter();
    void DoMouseExit();
    void DoMouseMove(int32_t x, int32_t y);
    void DoMouseUp(int32_t x, int32_t y);
    bool DoMouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY);
    void DoMoved();
    void DoOpen();
    // g draws at the view's origin; rect is the dirty part in the view's coordinates.
    bool DoPaint(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect);
    void DoResized(const VR2Rect::Ref& oldBounds);
    void DoResizing(const VR2Rect::Ref& oldBounds);
    void DoRestore();
    void DoGotFocus();
    void DoLostFocus();

    // The property protocol: "height", "left", "top", "width" and "visible"
    // are the view's own; other keys go to the Property events.
    bool DoPropertyCheck(const std::vector<platform::Variant>& keys);
    bool DoPropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values);
    bool DoPropertySet(const platform::Dictionary::Ref& values);

protected:
    VR2View() = default;

    // Built-in requests ("vr2view", "vr2o_property"), then HandleMessage, then
    // the parent unless the result ends the road (codes::EndsRoad).
    void VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message) final;

    // Events. Boolean results mean handled (or accepted); the defaults say no.
    virtual void Created() {}
    virtual void Activate() {}
    virtual bool CancelClose(bool /*appQuitting*/) { return false; }
    virtual void Close() {}
    virtual bool ConstructContextualMenu(const platform::MenuItem::Ref& /*base*/, int32_t /*x*/, int32_t /*y*/)
    {
        return false;
    }
    virtual bool ContextualMenuAction(const platform::MenuItem::Ref& /*hitItem*/) { return false; }
    virtual void Deactivate() {}
    virtual bool DragEnter(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) { return false; }
    virtual void DragExit(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual bool DragOver(int32_t /*x*/, int32_t /*y*/, const VR2DragObject::Ref& /*drag*/, int32_t /*action*/)
    {
        return false;
    }
    virtual void DropObject(const VR2DragObject::Ref& /*drag*/, int32_t /*action*/) {}
    virtual void EnableMenuItems() {}
    virtual bool KeyDown(const std::string& /*key*/) { return false; }
    virtual void Maximize() {}
    virtual void Minimize() {}
    virtual bool MouseDown(int32_t /*x*/, int32_t /*y*/) { return false; }
    virtual void MouseDrag(int32_t /*x*/, int32_t /*y*/) {}
    virtual void MouseEnter() {}
    virtual void MouseExit() {}
    virtual void MouseMove(int32_t /*x*/, int32_t /*y*/) {}
    virtual void MouseUp(int32_t /*x*/, int32_t /*y*/) {}
    virtual bool MouseWheel(int32_t /*x*/, int32_t /*y*/, int32_t /*deltaX*/, int32_t /*deltaY*/) { return false; }
    virtual void Moved() {}
    virtual void Open() {}
    virtual void Paint(const std::shared_ptr<VR2Graphics>& /*g*/) {}
    // Answers whether it painted; False makes DoPaint paint through Paint.
    virtual bool PaintRect(const std::shared_ptr<VR2Graphics>& /*g*/, const VR2Rect::Ref& /*rect*/) { return false; }
    virtual void Resized(const VR2Rect::Ref& /*oldBounds*/) {}
    virtual void Resizing(const VR2Rect::Ref& /*oldBounds*/) {}
    virtual void Restore() {}
    virtual void ViewWillRelease() {}
    virtual void GotFocus() {}
    virtual void LostFocus() {}
    virtual void HandleMessage(const VR2Object::Ref& /*sender*/, const VR2Message::Ref& /*message*/) {}
    virtual void ViewDidRelease() {}
    // Raised when the last reference goes; the view can no longer be shared.
    virtual void Disposed() {}
    virtual bool PropertyCheck(const std::vector<platform::Variant>& /*keys*/) { return false; }
    virtual bool PropertyGet(const std::vector<platform::Variant>& /*keys*/,
                             const platform::Dictionary::Ref& /*values*/)
    {
        return false;
    }
    virtual bool PropertySet(const platform::Dictionary::Ref& /*values*/) { return false; }

    // This view as a shared reference (nil while it is being disposed).
    Ref Self();
    bool isReleased() const { return mReleased; }

    // The frame; written only through the geometry setters, which count the change.
    VR2Rect::Ref mBounds;
    std::weak_ptr<VR2Surface> mSurface;
    bool mActive = false;
    bool mDragOver = false;
    bool mMouseUpCalled = false;
    platform::Dictionary::Ref mUserData;

private:
    void Constructor();
    static void Dispose(VR2View* view) noexcept;

    bool mReleased = false;
    bool mClosing = false;  // detach is raising Close
};

template <typename T>
std::shared_ptr<T> VR2View::Create()
{
    static_assert(std::is_base_of_v<VR2View, T>, "VR2View::Create makes views");
    std::shared_ptr<T> view(new T(), [](T* doomed) { Dispose(doomed); });
    view->Constructor();
    return view;
}
