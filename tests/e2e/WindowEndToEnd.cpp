// End-to-end check of the real desktop path, run by window_end_to_end.sh under
// a real X server. Without arguments: opens three windows, each made fixed-size
// or resizable the way the diary's own windows are.
// - "end to end": made fixed-size, placed ($E2E_WINDOW_AT, "left top", when set)
//   and hidden before it opens, then shown, as the diary's main window is. It
//   holds two views; its screen rectangle goes to $E2E_DIR/ready, then the
//   other two windows' places. A click turns the first view green and gives
//   it the focus; typed text shows as a blue bar, ten pixels per character;
//   the second view holds its press until the release.
// - "end to end about": made fixed-size before it opens and shown by opening,
//   as the about box is.
// - "end to end toggled": made fixed and resizable again before it opens; each
//   click on it makes it fixed-size, then resizable again.
// Esc writes what the windows received to $E2E_DIR/report and quits.

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

std::string Report();

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
            std::ofstream(testsupport::OutputPath("report")) << "clicks " << clicks << " text " << text << " holds "
                                                             << (hold ? hold->holds : -1) << Report() << "\n";
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

// What every window counts: moves and resizes, none expected, as nothing
// moves or resizes them once they are open.
class CountingWindow : public VR2HostWindow {
public:
    int moves = 0;
    int resizes = 0;

protected:
    void Moved() override { ++moves; }
    void Resizing() override { ++resizes; }
    void Resized() override { ++resizes; }
};

// Laid out as the diary's main window: everything set before it opens, and
// kept hidden until its views are in.
class MainLikeWindow : public CountingWindow {
public:
    static std::shared_ptr<MainLikeWindow> Create() { return Opened(std::shared_ptr<MainLikeWindow>(new MainLikeWindow())); }

private:
    MainLikeWindow()
    {
        Width(300);
        Height(200);
        if (const char* at = std::getenv("E2E_WINDOW_AT")) {
            int32_t left = 0;
            int32_t top = 0;
            std::istringstream(at) >> left >> top;
            Left(left);
            Top(top);
        }
        Resizeable(false);
        HasBackColor(true);
        BackColor(platform::Color{0xEFEFEF});
        Title("end to end");
        Visible(false);
    }
    void Open() override
    {
        auto view = VR2View::Create<TypingView>();
        view->move(50, 50, false);
        view->resize(200, 100, false);
        view->attach(Surface(), true, false);
        auto hold = VR2View::Create<HoldView>();
        hold->move(260, 10, false);
        hold->resize(30, 30, false);
        hold->attach(Surface(), true, false);
        view->held = hold;
    }
    std::shared_ptr<VR2Surface> Surface() { return std::dynamic_pointer_cast<VR2Surface>(shared_from_this()); }
};

// Laid out as the about box: fixed-size before it opens, shown by opening.
class AboutLikeWindow : public CountingWindow {
public:
    static std::shared_ptr<AboutLikeWindow> Create() { return Opened(std::shared_ptr<AboutLikeWindow>(new AboutLikeWindow())); }

private:
    AboutLikeWindow()
    {
        Width(200);
        Height(150);
        Resizeable(false);
        Title("end to end about");
        Visible(true);
    }
};

// Resizable after all before it opens; a click makes it fixed, the next one
// resizable again. Placed top first, the other way round from the main window.
class ToggledWindow : public CountingWindow {
public:
    static std::shared_ptr<ToggledWindow> Create()
    {
        return Opened(std::shared_ptr<ToggledWindow>(new ToggledWindow()));
    }
    int toggles = 0;

protected:
    bool MouseDown(int32_t, int32_t) override
    {
        ++toggles;
        Resizeable(!Resizeable());
        return true;
    }

private:
    ToggledWindow()
    {
        Width(200);
        Height(150);
        Top(500);
        Left(900);
        Resizeable(false);
        Resizeable(true);
        Title("end to end toggled");
    }
};

std::weak_ptr<MainLikeWindow> gMain;
std::weak_ptr<AboutLikeWindow> gAbout;
std::weak_ptr<ToggledWindow> gToggled;

// " moves M A T resizes M A T toggles N" for the main, about and toggled windows.
std::string Report()
{
    const std::shared_ptr<CountingWindow> windows[] = {gMain.lock(), gAbout.lock(), gToggled.lock()};
    std::ostringstream report;
    report << " moves";
    for (const auto& window : windows)
        report << " " << (window ? window->moves : -1);
    report << " resizes";
    for (const auto& window : windows)
        report << " " << (window ? window->resizes : -1);
    const auto toggled = gToggled.lock();
    report << " toggles " << (toggled ? toggled->toggles : -1);
    return report.str();
}

std::shared_ptr<platform::Window> Open()
{
    const auto about = AboutLikeWindow::Create();
    about->Show();
    gAbout = about;
    gToggled = ToggledWindow::Create();
    const auto window = MainLikeWindow::Create();
    gMain = window;
    window->Show();
    return window;
}

}  // namespace

int main(int argc, char** argv)
{
    // After the main window's rectangle: the places of the about and toggled windows.
    return testsupport::RunWindow(argc, argv, Open, [] {
        const auto about = gAbout.lock();
        const auto toggled = gToggled.lock();
        std::ostringstream places;
        places << " " << about->Left() << " " << about->Top() << " " << toggled->Left() << " " << toggled->Top();
        return places.str();
    });
}
