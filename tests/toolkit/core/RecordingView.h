#pragma once

#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Rect.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A view that logs its events by name and answers as told.
class RecordingView : public VR2View {
public:
    using Ref = std::shared_ptr<RecordingView>;
    static Ref Create() { return VR2View::Create<RecordingView>(); }

    std::shared_ptr<std::vector<std::string>> events = std::make_shared<std::vector<std::string>>();
    bool answer = false;             // Boolean events answer this
    bool cancelDragOnDrag = false;   // MouseDrag sets CancelDragging
    bool createdSawTable = false;
    std::shared_ptr<std::vector<std::string>> disposedLog;  // outlives the view
    std::function<void(const std::string& event)> onEvent;  // runs after each logged event

protected:
    void Log(const std::string& event)
    {
        events->push_back(event);
        if (onEvent)
            onEvent(event);
    }

    void Created() override
    {
        createdSawTable = EventHandlerTable && Pinning && mBounds;
        Log("Created");
    }
    void Activate() override { Log("Activate"); }
    void Close() override { Log("Close"); }
    void Deactivate() override { Log("Deactivate"); }
    bool DragEnter(const VR2DragObject::Ref&, int32_t) override { Log("DragEnter"); return answer; }
    void DragExit(const VR2DragObject::Ref&, int32_t) override { Log("DragExit"); }
    void DropObject(const VR2DragObject::Ref&, int32_t) override { Log("DropObject"); }
    bool KeyDown(const std::string& key) override { Log("KeyDown " + key); return answer; }
    bool MouseDown(int32_t x, int32_t y) override { Log("MouseDown " + Point(x, y)); return answer; }
    void MouseDrag(int32_t x, int32_t y) override
    {
        Log("MouseDrag " + Point(x, y));
        if (cancelDragOnDrag)
            CancelDragging = true;
    }
    void MouseUp(int32_t x, int32_t y) override { Log("MouseUp " + Point(x, y)); }
    void Open() override { Log("Open"); }
    void Resized(const VR2Rect::Ref& old) override { Log("Resized " + old->description()); }
    void Resizing(const VR2Rect::Ref& old) override { Log("Resizing " + old->description()); }
    void ViewWillRelease() override { Log("ViewWillRelease"); }
    void ViewDidRelease() override { Log("ViewDidRelease"); }
    void GotFocus() override { Log("GotFocus"); }
    void LostFocus() override { Log("LostFocus"); }
    void HandleMessage(const VR2Object::Ref&, const VR2Message::Ref& message) override
    {
        Log("HandleMessage " + message->category);
    }
    void Disposed() override
    {
        if (disposedLog)
            disposedLog->push_back("Disposed");
    }

private:
    static std::string Point(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }
};

// A view with one property of its own, "text".
class TextView : public VR2View {
public:
    using Ref = std::shared_ptr<TextView>;
    static Ref Create(std::string text = {})
    {
        auto view = VR2View::Create<TextView>();
        view->text = std::move(text);
        return view;
    }

    std::string text;

protected:
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override
    {
        for (const auto& key : keys)
            if (!(key == platform::Variant("text")))
                return false;
        return true;
    }
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override
    {
        for (const auto& key : keys)
            if (key == platform::Variant("text"))
                values->SetValue(key, text);
        return true;
    }
    bool PropertySet(const platform::Dictionary::Ref& values) override
    {
        if (!values->HasKey("text"))
            return false;
        text = values->Value("text").StringValue();
        return true;
    }
};
