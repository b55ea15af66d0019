#pragma once

#include "platform/Color.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/hosts/VR2ContainerView.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using EventLog = std::vector<std::string>;

inline std::string PointText(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }

// A key as a log shows it: control characters as "#" and their code.
inline std::string KeyLabel(const std::string& key)
{
    const auto code = static_cast<unsigned char>(key[0]);
    return code < 0x20 || code == 0x7F ? "#" + std::to_string(code) : key;
}

// A view that fills its frame with one colour and logs its events, prefixed
// with its name, into a log it shares with the window and its neighbours.
class ProbeView : public VR2View {
public:
    using Ref = std::shared_ptr<ProbeView>;
    static Ref Create(const std::shared_ptr<EventLog>& log, std::string name, int32_t left, int32_t top,
                      int32_t width, int32_t height, platform::Color color = platform::Color{0x808080})
    {
        auto view = VR2View::Create<ProbeView>();
        view->log = log;
        view->Name = std::move(name);
        view->color = color;
        view->move(left, top, false);
        view->resize(width, height, false);
        return view;
    }

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
    std::function<void(const std::string& line)> onLine;  // runs after each logged line

protected:
    void Add(const std::string& line)
    {
        log->push_back(Name + " " + line);
        if (onLine)
            onLine(line);
    }

    void Open() override { Add("Open"); }
    void Close() override { Add("Close"); }
    void Activate() override { Add("Activate"); }
    void Deactivate() override { Add("Deactivate"); }
    void EnableMenuItems() override { Add("EnableMenuItems"); }
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
    bool DragEnter(const VR2DragObject::Ref&, int32_t) override
    {
        Add("DragEnter");
        return true;
    }
    bool DragOver(int32_t x, int32_t y, const VR2DragObject::Ref&, int32_t) override
    {
        Add("DragOver " + PointText(x, y));
        return true;
    }
    void DropObject(const VR2DragObject::Ref&, int32_t) override { Add("DropObject"); }
    bool ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) override
    {
        Add("ConstructContextualMenu " + PointText(x, y));
        base->Append(platform::MenuItem::Create("Cut"));
        base->Append(platform::MenuItem::Create("Copy"));
        return true;
    }
    bool ContextualMenuAction(const platform::MenuItem::Ref& hitItem) override
    {
        Add("ContextualMenuAction " + hitItem->Text);
        return takeMenuAction;
    }
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        ++paints;
        g->SetForeColor(color);
        g->FillRect(0, 0, width(), height());
        if (onPaint)
            onPaint();
        return true;
    }
};

// A plain container of 100 x 100 at (left, top), to hold views a level down.
inline VR2ContainerView::Ref MakeHolder(int32_t left, int32_t top)
{
    auto holder = VR2ContainerView::Create();
    holder->move(left, top, false);
    holder->resize(100, 100, false);
    return holder;
}

// A window host that logs what reaches its own events.
class TestHostWindow : public VR2HostWindow {
public:
    using Ref = std::shared_ptr<TestHostWindow>;
    static Ref Create(const std::shared_ptr<EventLog>& log)
    {
        Ref window(new TestHostWindow());
        window->log = log;
        window->Width(400);
        window->Height(300);
        return Opened(window);
    }

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
    bool DragEnter(const VR2DragObject::Ref&, int32_t) override
    {
        Add("DragEnter");
        return false;
    }
    bool ConstructContextualMenu(const platform::MenuItem::Ref& base, int32_t x, int32_t y) override
    {
        Add("ConstructContextualMenu " + PointText(x, y));
        base->Append(platform::MenuItem::Create("Window item"));
        return true;
    }
    bool ContextualMenuAction(const platform::MenuItem::Ref& hitItem) override
    {
        Add("ContextualMenuAction " + hitItem->Text);
        return true;
    }
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        Add("HandleMessage " + (message ? message->category : std::string("nil")));
        if (handleMessages && message)
            message->result = 1;
    }
    bool PaintRect(const VR2Graphics::Ref& g, const VR2Rect::Ref& rect) override
    {
        ++paintRects;
        paintRectArguments.push_back(rect->description());
        if (onPaintRect)
            onPaintRect(g, rect);
        return false;
    }

private:
    TestHostWindow() = default;
};
