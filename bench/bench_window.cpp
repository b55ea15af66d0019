// 1. Process start to the first painted frame: a window host holding 200 views,
//    started through the toolkit's application, against a bare QWidget window
//    started the same way (the same program, a child process each round).
//    Prints both medians and their ratio (goal: at most 1.5).
//    Then the diary's case: that host with a line of text and the application
//    icon, as the diary's window has, with the application's menu bar above it
//    against without (goal: at most 1.05).
// 2. A 100x100 UpdateRect on that window until its pixels are in the window:
//    median time per request.
#include "BenchStart.h"
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "app/AppCommands.h"
#include "app/MenuBar1.h"
#include "app/ResourcePictures.h"
#include "platform/Application.h"
#include "platform/TestSeam.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2PictureExtras.h"
#include "toolkit/hosts/VR2Application.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 799;
constexpr int kHeight = 559;
constexpr int kViews = 200;
constexpr int kRounds = 41;

// A framed tile in one colour.
class TileView : public VR2View {
public:
    platform::Color color{0x6080A0};

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        g->SetForeColor(color);
        g->FillRect(0, 0, width(), height());
        g->SetForeColor(platform::Color{0x303030});
        g->DrawRect(0, 0, width(), height());
        return true;
    }
};

// The application icon, as the diary's window loads its pictures.
platform::Picture::Ref LabelPicture()
{
    const auto picture = iconPic();
    return picture ? VR2PictureExtras::PictureAndMask(picture) : nullptr;
}

// A line of text over a picture, the first text and picture the window draws.
class LabelView : public VR2View {
public:
    platform::Picture::Ref picture;

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        if (picture)
            g->DrawPicture(picture, 0, 0, -1, 0, 0, 0, 0, 0);
        g->SetForeColor(platform::Color{0x000000});
        g->DrawString("Today's Goals", 0, 14, -1, false);
        return true;
    }
};

// 200 tiles of 38 x 26 in a grid of 20 columns and 10 rows; with labelled, a label below them.
VR2HostWindow::Ref MakeTiledWindow(std::vector<std::shared_ptr<TileView>>* tiles = nullptr, bool labelled = false)
{
    auto window = VR2HostWindow::Create();
    window->Width(kWidth);
    window->Height(kHeight);
    window->HasBackColor(true);
    window->BackColor(platform::Color{0xEFEFEF});
    for (int i = 0; i < kViews; ++i) {
        auto tile = VR2View::Create<TileView>();
        tile->move(10 + (i % 20) * 39, 10 + (i / 20) * 27, false);
        tile->resize(38, 26, false);
        tile->color = platform::Color{0x406080 + (i * 0x010203 & 0x3F3F3F)};
        tile->attach(window, false, false);
        if (tiles)
            tiles->push_back(tile);
    }
    if (labelled) {
        auto label = VR2View::Create<LabelView>();
        label->move(10, 300, false);
        label->resize(200, 64, false);
        label->picture = LabelPicture();
        label->attach(window, false, false);
    }
    return window;
}

class TiledApplication : public VR2Application {
public:
    static std::shared_ptr<TiledApplication> Create(bool labelled)
    {
        return std::shared_ptr<TiledApplication>(new TiledApplication(labelled));
    }

protected:
    void NewDocument() override { mWindow = MakeTiledWindow(nullptr, mLabelled); }

private:
    explicit TiledApplication(bool labelled) : mLabelled(labelled) {}
    bool mLabelled;
    VR2HostWindow::Ref mWindow;
};

int RunChild(const std::string& kind, int argc, char** argv)
{
    QApplication qt(argc, argv);
    FirstFrameReporter reporter;
    qt.installEventFilter(&reporter);
    if (kind == "bare") {
        BareWidget widget;
        widget.resize(kWidth, kHeight);
        widget.show();
        return QApplication::exec();
    }
    const auto application = TiledApplication::Create(kind != "host");
    if (kind == "menus") {
        application->MenuBar(MenuBar1::Instance());
        for (const auto& [name, handler] : AppCommands::Handlers())
            application->AddMenuHandler(name, handler);
    }
    platform::Application::Register(application);
    int noArguments = 1;
    const int status = application->Run(noArguments, argv);
    platform::Application::Register(nullptr);
    return status;
}

struct ChildTimes {
    double wall;  // from starting the child to reading its report of the first frame
    double cpu;   // the processor time the child had spent by then
};

ChildTimes TimeChild(const char* self, const char* kind)
{
    const ChildRun run = RunSelf(self, {"--child", kind});
    if (run.output.rfind("painted", 0) != 0) {
        std::fprintf(stderr, "the %s child reported no frame\n", kind);
        std::exit(1);
    }
    return {run.firstOutputMs, std::atof(run.output.c_str() + 8)};
}

void MeasureStart(const char* self)
{
    const char* const kinds[] = {"bare", "host", "labelled", "menus"};
    constexpr int kKinds = 4;
    std::vector<double> wall[kKinds], cpu[kKinds];
    for (int round = 0; round < kRounds; ++round) {
        // Rotating the order spreads the machine's noise over all kinds.
        for (int step = 0; step < kKinds; ++step) {
            const int kind = (round + step) % kKinds;
            const ChildTimes times = TimeChild(self, kinds[kind]);
            wall[kind].push_back(times.wall);
            cpu[kind].push_back(times.cpu);
        }
    }
    double medians[kKinds], cpuMedians[kKinds];
    for (int kind = 0; kind < kKinds; ++kind) {
        medians[kind] = Median(wall[kind]);
        cpuMedians[kind] = Median(cpu[kind]);
    }
    std::printf("start to first frame, bare QWidget:          %7.2f ms (median of %d)\n", medians[0], kRounds);
    std::printf("start to first frame, host with %d views:   %7.2f ms (median of %d)\n", kViews, medians[1],
                kRounds);
    std::printf("ratio host / bare: %.2f (goal: at most 1.5)\n", medians[1] / medians[0]);
    std::printf("start to first frame, with text and icon:    %7.2f ms, processor %6.2f ms (medians of %d)\n",
                medians[2], cpuMedians[2], kRounds);
    std::printf("start to first frame, the same with menus:   %7.2f ms, processor %6.2f ms (medians of %d)\n",
                medians[3], cpuMedians[3], kRounds);
    std::printf("ratio menus / without: %.3f, processor %.3f (goal: at most 1.05)\n", medians[3] / medians[2],
                cpuMedians[3] / cpuMedians[2]);
}

void MeasureUpdate(int argc, char** argv)
{
    QApplication qt(argc, argv);
    std::vector<std::shared_ptr<TileView>> tiles;
    auto window = MakeTiledWindow(&tiles);
    window->Show();
    Settle(300);

    // The area covers parts of a dozen tiles.
    const auto area = VR2Rect::Create(100, 50, 100, 100);
    int round = 0;
    const double micros = MedianMicroseconds(
        [&] {
            for (auto& tile : tiles)
                tile->color = platform::Color{(++round & 1) ? 0xC04040 : 0x40C040};
            window->UpdateRect(area, nullptr);
        },
        201);
    // The last request is on screen: read it back once.
    const QImage shown = Shown(*window);
    const bool onScreen = (shown.pixel(150, 100) & 0xFFFFFF) == ((round & 1) ? 0xC04040u : 0x40C040u);
    std::printf("UpdateRect of 100x100 to pixels in the window: %7.1f us (median of 201)%s\n", micros,
                onScreen ? "" : "  [pixels NOT on screen]");
    window->Close();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--child")
        return RunChild(argv[2], argc, argv);
    const HeadlessRun headless("window");
    MeasureStart(argv[0]);
    MeasureUpdate(argc, argv);
    return 0;
}
