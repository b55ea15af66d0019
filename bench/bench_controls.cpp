// A full repaint of a 799 x 559 window host holding 50 push buttons, 50 check
// boxes, 50 radio buttons and 4 scroll bars, all drawn by the default theme,
// until its pixels are in the window; beside it, a bare QWidget of the same
// size that fills itself with QPainter, repainted the same way. Prints both
// medians, their ratio and the repaint against a quarter of a 60 Hz frame.
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "platform/TestSeam.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2PushButtonView.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/controls/VR2StateButtonView.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

constexpr int kWidth = 799;
constexpr int kHeight = 559;
constexpr int kRounds = 101;
constexpr double kQuarterFrameMicroseconds = 16700.0 / 4;

void Place(const VR2View::Ref& view, int32_t left, int32_t top, const VR2HostWindow::Ref& window)
{
    view->move(left, top, false);
    view->attach(window, false, false);
}

VR2HostWindow::Ref MakeControlsWindow()
{
    auto window = VR2HostWindow::Create();
    window->Width(kWidth);
    window->Height(kHeight);
    window->HasBackColor(true);
    window->BackColor(platform::Color{0xEFEFEF});
    for (int i = 0; i < 50; ++i) {
        const int32_t left = 10 + (i % 10) * 74;
        const int32_t row = i / 10;
        auto button = VR2PushButtonView::Create();
        button->text = "Button " + platform::Str(i);
        button->resize(70, 22, false);
        Place(button, left, 10 + row * 28, window);
        auto box = VR2StateButtonView::Create();
        box->setupCheckbox("Box " + platform::Str(i));
        box->IntegerValue(i % 2);
        Place(box, left, 160 + row * 24, window);
        auto radio = VR2StateButtonView::Create();
        radio->setupRadioButton("Radio " + platform::Str(i));
        radio->family = row;
        radio->IntegerValue(i % 10 == row ? 1 : 0);
        Place(radio, left, 290 + row * 24, window);
    }
    for (int i = 0; i < 4; ++i) {
        auto bar = VR2ScrollbarView::Create();
        bar->Orientation = i < 2 ? VR2ScrollbarView::kVertical : VR2ScrollbarView::kHorizontal;
        if (i < 2)
            bar->resize(16, 120, false);
        else
            bar->resize(360, 16, false);
        bar->Value(true, 25 * i);
        Place(bar, i < 2 ? 760 + 20 * (i - 1) : 10 + 380 * (i - 2), i < 2 ? 420 : 530, window);
    }
    return window;
}

}  // namespace

int main(int argc, char** argv)
{
    const HeadlessRun headless("controls");
    QApplication qt(argc, argv);
    Vireo2Theme::InstallStandardTheme();

    BareWidget bare;
    bare.resize(kWidth, kHeight);
    bare.show();
    Settle(300);
    const double bareMicros = MedianMicroseconds([&] { bare.repaint(); }, kRounds);
    bare.hide();

    auto window = MakeControlsWindow();
    window->Show();
    Settle(300);
    const auto whole = VR2Rect::Create(0, 0, kWidth, kHeight);
    const double controlsMicros = MedianMicroseconds([&] { window->UpdateRect(whole, nullptr); }, kRounds);
    // The first push button's frame, read back from the screen once.
    const QImage shown = Shown(*window);
    const bool onScreen = (shown.pixel(45, 10) & 0xFFFFFF) == 0xADADADu;
    window->Close();

    std::printf("full repaint, bare QPainter fill of %dx%d:        %8.1f us (median of %d)\n", kWidth, kHeight,
                bareMicros, kRounds);
    std::printf("full repaint, 150 themed buttons and 4 scroll bars: %8.1f us (median of %d)%s\n", controlsMicros,
                kRounds, onScreen ? "" : "  [pixels NOT on screen]");
    std::printf("ratio controls / bare: %.1f; %.0f%% of a quarter frame (goal: at most 100%%)\n",
                controlsMicros / bareMicros, 100.0 * controlsMicros / kQuarterFrameMicroseconds);
    return 0;
}
