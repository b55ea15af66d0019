#pragma once

#include "platform/Color.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

using EventLog = std::vector<std::string>;

std::string PointText(int32_t x, int32_t y);
// A key as a log shows it: control characters as "#" and their code.
std::string KeyLabel(const std::string& key);

// A view that fills its frame with one colour and logs its events, prefixed
// with its name, into a log it shares with the window and its neighbours.
class ProbeView : public VR2View {
public:
    using Ref = std::shared_ptr<ProbeView>;
    static Ref Create(const std::shared_ptr<EventLog>& log, std::string name, int32_t left, int32_t top,
                      int32_t width, int32_t height, platform::Color color = platform::Color{0x808080});

    std::shared_ptr<EventLog> log;
    platform::Color color;
    bool takePress = true;
    bool takeKeys = false;
    bool takeWheel = true;
    bool takeMenuAction = true;
    bool cancelClose = false;
    bool cancelDragOnDrag = false;
    int paints = 0;
    std::function<void()> onPaint;

protected:
    void Add(const std::string& line) { log->push_back(Name + " " + line); }

    void Open() override { Add("Open"); }
    void Close() override { Add("Close"); }
    void Activate() override { Add("Activate"); }
    void Deactivate() override { Add("Deactivate"); }
    void MouseEnter() override { Add("MouseEnter"); }
    void MouseExit() override { Add("MouseExit"); }
    void GotFocus() override { Add("GotFocus"); }
    void LostFocus() override { Add("LostFocus"); }
    void MouseUp(int32_t x, int32_t y) override { Add("MouseUp " + PointText(x, y)); }
    void MouseMove(int32_t x, int32_t y) override { Add("MouseMove " + PointText(x, y)); }
    void Resized(const VR2Rect::Ref& oldBounds) override { Add("Resized " + oldBounds->description()); }
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        Add("HandleMessage " + message->category);
    }
    bool CancelClose(bool) override
    {
        Add("CancelClose");
        return cancelClose;
    }
    bool MouseDown(int32_t x, int32_t y) override
    {
        Add("MouseDown " + PointText(x, y));
        return takePress;
    }
    void MouseDrag(int32_t x, int32_t y) override
    {
        Add("MouseDrag " + PointText(x, y));
        CancelDragging = CancelDragging || cancelDragOnDrag;
    }
    bool MouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY) override
    {
        Add("MouseWheel " + PointText(x, y) + " " + PointText(deltaX, deltaY));
        return takeWheel;
    }
    bool KeyDown(const std::string& key) override
    {
        Add("KeyDown " + KeyLabel(key));
        return takeKeys;
    }
    bool ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) override;
    bool ContextualMenuAction(const platform::MenuItem::Ref& hitItem) override
    {
        Add("ContextualMenuAction " + hitItem->Text);
        return takeMenuAction;
    }
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
};

// A view that holds views, as containers do: focus, repaint and root requests
// go up to its parent; it routes no events of its own.
class TestHolder : public VR2View, public VR2Surface {
public:
    using Ref = std::shared_ptr<TestHolder>;
    static Ref Create(std::string name, int32_t left, int32_t top, int32_t width, int32_t height);

    std::vector<ViewRef> views;

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;

    void VR2Surface_AttachView(const ViewRef& view) override;
    void VR2Surface_DetachView(const ViewRef& view) override;
    ViewRef VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly) override;
    ViewRef VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse,
                                       int32_t passOn) override;
    VR2Point::Ref VR2Surface_MousePosition(int32_t) override { return nullptr; }
    void VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref&) override {}
    void VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture) override;
    void VR2Surface_SwapView(const ViewRef&, const ViewRef&) override {}
    VR2Point::Ref VR2Surface_TranslatePoint(const VR2Point::Ref&, int32_t, int32_t) override { return nullptr; }
    std::shared_ptr<VR2DragObject> VR2Surface_CreateDragObject(const VR2Rect::Ref&, int32_t) override
    {
        return nullptr;
    }
    ViewRef VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap) override;
    VR2Surface::Ref VR2Surface_RootSurface() override;
    void VR2Surface_ChangeFocus(const ViewRef& view, int32_t code) override;
    bool VR2Surface_isFocusView(const ViewRef& view) override;
    VR2Rect::Ref VR2Surface_Bounds(int32_t) override { return frame(); }
    void VR2Surface_SubviewDidChangeBounds(const ViewRef&, const VR2Rect::Ref&, bool, bool) override {}
    std::vector<ViewRef>& VR2Surface_getViewList() override { return views; }
    ViewRef VR2Surface_focusView() override { return nullptr; }
};

// A window host that logs what reaches its own events.
class TestHostWindow : public VR2HostWindow {
public:
    using Ref = std::shared_ptr<TestHostWindow>;
    static Ref Create(const std::shared_ptr<EventLog>& log, int32_t width = 400, int32_t height = 300);

    std::shared_ptr<EventLog> log;
    bool takePress = false;
    bool takeKeys = false;
    bool handleMessages = false;
    bool cancelClose = false;
    int paintRects = 0;
    std::vector<std::string> paintRectArguments;
    std::function<void(const VR2Graphics::Ref&, const VR2Rect::Ref&)> onPaintRect;

protected:
    void Add(const std::string& line) { log->push_back("window " + line); }

    void Activate() override { Add("Activate"); }
    void Deactivate() override { Add("Deactivate"); }
    void Closed() override { Add("Closed"); }
    void Resized() override { Add("Resized"); }
    void MouseUp(int32_t x, int32_t y) override { Add("MouseUp " + PointText(x, y)); }
    void MouseDrag(int32_t x, int32_t y) override { Add("MouseDrag " + PointText(x, y)); }
    void MouseMove(int32_t x, int32_t y) override { Add("MouseMove " + PointText(x, y)); }
    bool MouseDown(int32_t x, int32_t y) override
    {
        Add("MouseDown " + PointText(x, y));
        return takePress;
    }
    bool MouseWheel(int32_t x, int32_t y, int32_t deltaX, int32_t deltaY) override
    {
        Add("MouseWheel " + PointText(x, y) + " " + PointText(deltaX, deltaY));
        return false;
    }
    bool KeyDown(const std::string& key) override
    {
        Add("KeyDown " + KeyLabel(key));
        return takeKeys;
    }
    bool CancelClose(bool) override
    {
        Add("CancelClose");
        return cancelClose;
    }
    bool ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) override;
    bool ContextualMenuAction(const platform::MenuItem::Ref& hitItem) override
    {
        Add("ContextualMenuAction " + hitItem->Text);
        return true;
    }
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;
    bool PaintRect(const VR2Graphics::Ref& g, const VR2Rect::Ref& rect) override;

private:
    TestHostWindow() = default;
};
