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
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/core/VR2MenuInfo.h"
#include "toolkit/hosts/VR2Application.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QTimer>

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
        std::ofstream(endtoend::OutputPath("report")) << received << "\n";
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

class EndToEndApplication : public VR2Application {
public:
    static std::shared_ptr<EndToEndApplication> Create()
    {
        return std::shared_ptr<EndToEndApplication>(new EndToEndApplication());
    }

protected:
    void NewDocument() override
    {
        mWindow = ControlsWindow::Create();
        mWindow->Width(400);
        mWindow->Height(200);
        mWindow->HasBackColor(true);
        mWindow->BackColor(platform::Color{0xC00000});
        auto button = VR2PushButtonView::Create();
        button->text = "Press me";
        button->resize(120, 30, false);
        Add(mWindow, button, 20, 20);
        auto box = VR2StateButtonView::Create();
        box->setupCheckbox("Remember");
        Add(mWindow, box, 20, 80);
        const int32_t tickY = 80 + box->HotSpot[0]->top + 3;
        auto popup = VR2PopupMenuView::Create();
        for (const char* row : {"One", "Two", "Three"})
            popup->AddRow(row, nullptr);
        popup->Text = "One";
        popup->resize(120, 22, false);
        Add(mWindow, popup, 20, 130);
        mWindow->Show();
        QTimer::singleShot(300, [window = mWindow, tickY] {
            std::ofstream(endtoend::OutputPath("ready")) << window->Left() << " " << window->Top() << " "
                                                         << window->Width() << " " << window->Height() << " 23 "
                                                         << tickY << "\n";
        });
        QTimer::singleShot(30000, [] { QCoreApplication::exit(2); });
    }

private:
    EndToEndApplication() = default;
    std::shared_ptr<ControlsWindow> mWindow;
};

}  // namespace

int main(int argc, char** argv)
{
    if (int status = 0; endtoend::PixelMode(argc, argv, status))
        return status;
    Vireo2Theme::RegisterStandardTheme();
    const auto application = EndToEndApplication::Create();
    platform::Application::Register(application);
    const int status = application->Run(argc, argv);
    platform::Application::Register(nullptr);
    return status;
}
