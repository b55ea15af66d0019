// Run by controls_end_to_end.sh under a real X server: a window with a pop-up
// menu, a push button and a check box whose reports reach the window; the
// button's turns the window's background (the marker) green. Writes "left top width height tickX
// tickY" (tickX, tickY: a pixel of the check box's tick, in the window) to
// $E2E_DIR/ready; Esc writes the actions received to $E2E_DIR/report and quits.
#include "EndToEnd.h"
#include "platform/Application.h"
#include "platform/Codes.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2PopupMenuView.h"
#include "toolkit/controls/VR2PushButtonView.h"
#include "toolkit/controls/VR2StateButtonView.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/core/VR2MenuInfo.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <fstream>
#include <string>

namespace {

class ControlsWindow : public VR2HostWindow {
public:
    static std::shared_ptr<ControlsWindow> Create()
    {
        return Opened(std::shared_ptr<ControlsWindow>(new ControlsWindow()));
    }
    std::string received;

protected:
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override
    {
        message->result = codes::kResultHandled;
        if (const auto menu = message->params->Lookup("menu", {}).As<VR2MenuInfo>()) {
            received += "menu " + menu->Text + " ";
            return;
        }
        if (std::dynamic_pointer_cast<VR2StateButtonView>(sender)) {
            received += "box " + message->params->Value(codes::kKeyValue).StringValue() + " ";
            return;
        }
        received += "button ";
        BackColor(platform::Color{0x00C000});
        UpdateRect(VR2Rect::Create(300, 0, 100, 100), nullptr);
    }
    bool KeyDown(const std::string& key) override
    {
        if (key != platform::Chr(codes::kKeyEscape))
            return false;
        std::ofstream(testsupport::OutputPath("report")) << received << "\n";
        platform::Application::Current()->Quit(0);
        return true;
    }

private:
    ControlsWindow() = default;
};

void Add(const std::shared_ptr<ControlsWindow>& window, const VR2View::Ref& view, int32_t left, int32_t top)
{
    auto handler = VR2EventHandler::Create();
    handler->targetCode = codes::kTargetParent;
    view->EventHandlerTable->addHandler(codes::kEventAction, handler);
    view->EventHandlerTable->addHandler(codes::kEventMenuAction, handler);
    view->move(left, top, false);
    view->attach(window, true, false);
}

// A pixel row of the check box's tick, in the window.
int32_t gTickY = 0;

std::shared_ptr<platform::Window> Open()
{
    auto window = ControlsWindow::Create();
    window->Width(400);
    window->Height(200);
    window->HasBackColor(true);
    window->BackColor(platform::Color{0xC00000});
    auto button = VR2PushButtonView::Create();
    button->text = "Press me";
    button->resize(120, 30, false);
    Add(window, button, 20, 20);
    auto box = VR2StateButtonView::Create();
    box->setupCheckbox("Remember");
    Add(window, box, 20, 80);
    gTickY = 80 + box->FindHotSpotWithTag(hotspottags::kPicture)->top + 3;
    auto popup = VR2PopupMenuView::Create();
    for (const char* row : {"One", "Two", "Three"})
        popup->AddRow(row, nullptr);
    popup->Text = "One";
    popup->resize(120, 22, false);
    Add(window, popup, 20, 130);
    window->Show();
    return window;
}

}  // namespace

int main(int argc, char** argv)
{
    Vireo2Theme::RegisterStandardTheme();
    return testsupport::RunWindow(argc, argv, Open, [] { return " 23 " + std::to_string(gTickY); });
}
