// End-to-end check of the real desktop path, run by window_end_to_end.sh under
// a real X server. Without arguments: opens a window host with one view and
// writes the window's screen rectangle to $E2E_DIR/ready. A click turns the
// view green and gives it the focus; typed text shows as a blue bar, ten
// pixels per character; Esc writes what the view received to $E2E_DIR/report
// and quits. With "--pixel FILE X Y": prints the colour at (X, Y) of the
// image FILE as RRGGBB.

#include "platform/Application.h"
#include "platform/Text.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/hosts/VR2Application.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QGuiApplication>
#include <QImage>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string OutputPath(const char* name)
{
    const char* folder = std::getenv("E2E_DIR");
    return std::string(folder ? folder : ".") + "/" + name;
}

class TypingView : public VR2View {
public:
    int clicks = 0;
    std::string text;

protected:
    void Created() override { CanFocus = true; }
    bool MouseDown(int32_t, int32_t) override
    {
        ++clicks;
        changeFocus(0);
        refresh();
        return true;
    }
    bool KeyDown(const std::string& key) override
    {
        if (key == platform::Chr(27)) {
            std::ofstream(OutputPath("report")) << "clicks " << clicks << " text " << text << "\n";
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
        mWindow = VR2HostWindow::Create();
        mWindow->Title("end to end");
        mWindow->Width(300);
        mWindow->Height(200);
        mWindow->HasBackColor(true);
        mWindow->BackColor(platform::Color{0xEFEFEF});
        auto view = VR2View::Create<TypingView>();
        view->move(50, 50, false);
        view->resize(200, 100, false);
        view->attach(mWindow, true, false);
        mWindow->Show();
        // Reported once the desktop has placed and painted the window.
        QTimer::singleShot(300, [window = mWindow] {
            std::ofstream(OutputPath("ready"))
                << window->Left() << " " << window->Top() << " " << window->Width() << " " << window->Height() << "\n";
        });
        // Never outlives a test that went wrong.
        QTimer::singleShot(30000, [] { QCoreApplication::exit(2); });
    }

private:
    EndToEndApplication() = default;
    VR2HostWindow::Ref mWindow;
};

int PrintPixel(const char* file, int x, int y)
{
    const QImage image(QString::fromLocal8Bit(file));
    if (image.isNull() || !image.rect().contains(x, y))
        return 1;
    std::printf("%06X\n", image.pixel(x, y) & 0xFFFFFF);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "--pixel") {
        QGuiApplication application(argc, argv);
        return PrintPixel(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    const auto application = EndToEndApplication::Create();
    platform::Application::Register(application);
    const int status = application->Run(argc, argv);
    platform::Application::Register(nullptr);
    return status;
}
