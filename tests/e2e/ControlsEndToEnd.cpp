// End-to-end check of themed controls under a real X server, run by
// controls_end_to_end.sh. Without arguments: opens a window with a push button
// and a check box, each with an 'actn' handler; a push-button click turns a
// marker green. Writes "left top width height tickX tickY" (the window on the
// screen and a pixel of the check box's tick, in the window) to
// $E2E_DIR/ready; Esc writes the 'actn' messages received to $E2E_DIR/report
// and quits. With "--pixel FILE X Y": prints the colour at (X, Y) of FILE.

#include "EndToEnd.h"
#include "platform/Application.h"
#include "platform/Codes.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2PushButtonView.h"
#include "toolkit/controls/VR2StateButtonView.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/hosts/VR2Application.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QTimer>

#include <fstream>
#include <string>

namespace {

void SendActionToParent(VR2View& view)
{
    auto handler = VR2EventHandler::Create();
    handler->targetCode = codes::kTargetParent;
    handler->messageSelector = codes::kEventAction;
    view.EventHandlerTable->addHandler(codes::kEventAction, handler);
}

class ControlsWindow : public VR2HostWindow {
public:
    static std::shared_ptr<ControlsWindow> Create() { return Opened(std::shared_ptr<ControlsWindow>(new ControlsWindow())); }
    std::string received;

protected:
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override
    {
        const auto box = std::dynamic_pointer_cast<VR2StateButtonView>(sender);
        received += box ? "box " + message->params->Value(codes::kKeyValue).StringValue() + " " : "button ";
        message->result = codes::kResultHandled;
        if (!box)
            BackColor(platform::Color{0x00C000});
        UpdateRect(VR2Rect::Create(300, 0, 100, 100), nullptr);
    }
    bool PaintRect(const VR2Graphics::Ref&, const VR2Rect::Ref&) override { return false; }
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

class EndToEndApplication : public VR2Application {
public:
    static std::shared_ptr<EndToEndApplication> Create()
    {
        return std::shared_ptr<EndToEndApplication>(new EndToEndApplication());
    }

protected:
    void NewDocument() override
    {
        AutoQuit(true);
        mWindow = ControlsWindow::Create();
        mWindow->Width(400);
        mWindow->Height(200);
        mWindow->HasBackColor(true);
        mWindow->BackColor(platform::Color{0xC00000});
        auto button = VR2PushButtonView::Create();
        button->text = "Press me";
        button->move(20, 20, false);
        button->resize(120, 30, false);
        SendActionToParent(*button);
        button->attach(mWindow, true, false);
        auto box = VR2StateButtonView::Create();
        box->setupCheckbox("Remember");
        box->move(20, 80, false);
        SendActionToParent(*box);
        box->attach(mWindow, true, false);
        const int32_t tickX = 20 + 3;
        const int32_t tickY = 80 + box->HotSpot[0]->top + 3;
        mWindow->Show();
        QTimer::singleShot(300, [window = mWindow, tickX, tickY] {
            std::ofstream(endtoend::OutputPath("ready")) << window->Left() << " " << window->Top() << " " << window->Width()
                                               << " " << window->Height() << " " << tickX << " " << tickY << "\n";
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
