#pragma once

#include "RecordingReceiver.h"

#include "toolkit/core/VR2Surface.h"
#include "platform/Color.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A stand-in for the view hosts. Without a parent it plays the window: it
// keeps the focus, records repaint requests and messages, and sits at
// screenLeft, screenTop on the screen. With a parent it plays a container: it
// clips repaint requests to its frame and passes them and focus requests up.
class TestSurface : public VR2View, public VR2Surface {
public:
    using Ref = std::shared_ptr<TestSurface>;
    static Ref Create(int32_t width = 400, int32_t height = 300)
    {
        auto surface = VR2View::Create<TestSurface>();
        surface->resize(width, height, false);
        return surface;
    }

    int32_t screenLeft = 100;
    int32_t screenTop = 200;
    bool active = true;
    std::vector<VR2Rect::Ref> updates;
    std::vector<std::string> subviewChanges;
    std::shared_ptr<std::vector<RecordingReceiver::Entry>> log = std::make_shared<std::vector<RecordingReceiver::Entry>>();
    std::function<void(const VR2Object::Ref&, const VR2Message::Ref&)> reaction;
    std::vector<ViewRef> views;
    ViewRef focus;
    // When painted: fills its whole frame with this colour (if set), then composites its views.
    std::optional<platform::Color> fillColor;

    // Attaches a new plain view with the given frame and name.
    VR2View::Ref AddView(int32_t left, int32_t top, int32_t width, int32_t height, std::string name = {});
    // Attaches a new nested surface.
    Ref AddSurface(int32_t left, int32_t top, int32_t width, int32_t height, std::string name = {});

protected:
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;

    void VR2Surface_AttachView(const ViewRef& view) override;
    void VR2Surface_DetachView(const ViewRef& view) override;
    ViewRef VR2Surface_FindViewByName(const std::string& name, bool deep, bool visibleOnly) override;
    ViewRef VR2Surface_FindViewAtPoint(const VR2Point::Ref& point, bool visibleOnly, bool recurse, int32_t passOn) override;
    VR2Point::Ref VR2Surface_MousePosition(int32_t) override { return nullptr; }
    void VR2Surface_ChangeMouseCursor(const platform::MouseCursor::Ref&) override {}
    void VR2Surface_UpdateRect(const VR2Rect::Ref& rect, const std::shared_ptr<platform::Picture>& picture) override;
    void VR2Surface_SwapView(const ViewRef&, const ViewRef&) override {}
    VR2Point::Ref VR2Surface_TranslatePoint(const VR2Point::Ref&, int32_t, int32_t) override { return nullptr; }
    std::shared_ptr<VR2DragObject> VR2Surface_CreateDragObject(const VR2Rect::Ref&, int32_t) override { return nullptr; }
    ViewRef VR2Surface_FindViewSibling(const ViewRef& view, bool forward, bool wrap) override;
    VR2Surface::Ref VR2Surface_RootSurface() override;
    void VR2Surface_ChangeFocus(const ViewRef& view, int32_t code) override;
    bool VR2Surface_isFocusView(const ViewRef& view) override;
    VR2Rect::Ref VR2Surface_Bounds(int32_t space) override;
    void VR2Surface_SubviewDidChangeBounds(const ViewRef& view, const VR2Rect::Ref& oldBounds, bool resized,
                                           bool moved) override;
    std::vector<ViewRef>& VR2Surface_getViewList() override { return views; }
    ViewRef VR2Surface_focusView() override { return focus; }
};
