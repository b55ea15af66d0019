// End-to-end check of the real desktop path, run by window_end_to_end.sh under
// a real X server. Without arguments: opens a fixed-size window host with two
// views, placed before it opens at $E2E_WINDOW_AT ("left top") when set, and
// writes the window's screen rectangle to $E2E_DIR/ready. A click turns the
// first view green and gives it the focus; typed text shows as a blue bar, ten
// pixels per character; the second view holds its press until the release;
// Esc writes what the view received to $E2E_DIR/report
// and quits.

#include "EndToEnd.h"
#include "platform/Application.h"
#include "platform/Codes.h"
#include "platform/EventLoop.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

// Holds inside its press until the button comes up, doing a frame's work
// between looks at the button as a press-and-hold button does, then turns
// from yellow to cyan.
class HoldView : public VR2View {
public:
    int holds = 0;

protected:
    bool MouseDown(int32_t, int32_t) override
    {
        while (platform::System::MouseDown()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            platform::YieldToEventLoop();
        }
        ++holds;
        refresh();
        return true;
    }
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        g->SetForeColor(platform::Color{holds > 0 ? 0x00C0C0 : 0xC0C000});
        g->FillRect(0, 0, width(), height());
        return true;
    }
};

class TypingView : public VR2View {
public:
    int clicks = 0;
    std::string text;
    std::weak_ptr<HoldView> held;

protected:
    void Created() override { CanFocus = true; }
    bool MouseDown(int32_t, int32_t) override
    {
        ++clicks;
        changeFocus(codes::kFocusGive);
        refresh();
        return true;
    }
    bool KeyDown(const std::string& key) override
    {
        if (key == platform::Chr(codes::kKeyEscape)) {
            const auto hold = held.lock();
            std::ofstream(testsupport::OutputPath("report"))
                << "clicks " << clicks << " text " << text << " holds " << (hold ? hold->holds : -1) << "\n";
            platform::Application::Current()->Quit(0);
            return true;
        }
        text += key;
        refresh();
        return true;
    }
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        g->SetForeColor(platform::Color{clicks > 0 ? 0x00C000 : 0xC00000});
        g->FillRect(0, 0, width(), height());
        g->SetForeColor(platform::Color{0x0000C0});
        g->FillRect(0, 80, 10 * platform::Len(text), 10);
        return true;
    }
};

std::shared_ptr<platform::Window> Open()
{
    auto window = VR2HostWindow::Create();
    window->Title("end to end");
    window->Width(300);
    window->Height(200);
    window->Resizeable(false);
    window->HasBackColor(true);
    window->BackColor(platform::Color{0xEFEFEF});
    if (const char* at = std::getenv("E2E_WINDOW_AT")) {
        int32_t left = 0;
        int32_t top = 0;
        std::istringstream(at) >> left >> top;
        window->Left(left);
        window->Top(top);
    }
    auto view = VR2View::Create<TypingView>();
    view->move(50, 50, false);
    view->resize(200, 100, false);
    view->attach(window, true, false);
    auto hold = VR2View::Create<HoldView>();
    hold->move(260, 10, false);
    hold->resize(30, 30, false);
    hold->attach(window, true, false);
    view->held = hold;
    window->Show();
    return window;
}

}  // namespace

int main(int argc, char** argv)
{
    return testsupport::RunWindow(argc, argv, Open);
}
