// 1. One wheel step in a row list of 365 rows and of 3,650 rows (the history
//    list's shape: 476 x 168, rows of seven cells, 24 pixels high), each until
//    its pixels are in the window: medians and their ratio (goal: at most 1.2,
//    the cost following the rows on screen, not the rows in the list).
// 2. Reloading a food list: DeleteAllRows, then 31 AddRow and one ArrangeRows.
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "platform/TestSeam.h"
#include "toolkit/controls/VR2ListServiceView.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/hosts/VR2Application.h"
#include "toolkit/hosts/VR2ContainerView.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRounds = 201;

class CellView : public VR2View {
public:
    platform::Color color{0x6080A0};

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&) override
    {
        g->SetForeColor(color);
        g->FillRect(0, 0, width(), height());
        return true;
    }
};

// A row of seven cells, as the history list's rows are.
VR2View::Ref MakeRow(int index)
{
    auto row = VR2ContainerView::Create();
    row->resize(460, 24, false);
    for (int cell = 0; cell < 7; ++cell) {
        auto view = VR2View::Create<CellView>();
        view->move(cell * 66, 2, false);
        view->resize(60, 20, false);
        view->color = platform::Color{0x405060 + ((index * 7 + cell) * 0x030507 & 0x3F3F3F)};
        view->attach(row, false, false);
    }
    return row;
}

// Median microseconds of one wheel step over a list of rows rows, to pixels.
double WheelStep(int rows)
{
    auto window = VR2HostWindow::Create();
    window->Width(799);
    window->Height(559);
    auto list = VR2ListServiceView::Create();
    list->move(20, 20, false);
    list->resize(476, 168, false);
    list->attach(window, false, false);
    for (int index = 0; index < rows; ++index)
        list->AddRow(MakeRow(index), false);
    list->ArrangeRows(false);
    window->Show();
    Settle();

    int step = 0;
    const double micros = MedianMicroseconds(
        [&] { window->OnMouseWheel(100, 100, 0, (++step & 1) ? 1 : -1); }, kRounds);
    const QImage shown = Shown(*window);
    const bool scrolled = list->documentArea()->top == ((step & 1) ? -10 : 0);
    const bool painted = (shown.pixel(30, 30) & 0xFFFFFF) != 0xFFFFFFu;
    std::printf("wheel step, %5d rows:                     %7.1f us (median of %d)%s\n", rows, micros, kRounds,
                scrolled && painted ? "" : "  [NOT scrolled on screen]");
    window->Close();
    return micros;
}

void Reload()
{
    auto window = VR2HostWindow::Create();
    window->Width(799);
    window->Height(559);
    auto list = VR2ListServiceView::Create();
    list->resize(476, 168, false);
    list->attach(window, false, false);
    window->Show();
    Settle();
    const double micros = MedianMicroseconds(
        [&] {
            list->DeleteAllRows();
            for (int index = 0; index < 31; ++index)
                list->AddRow(MakeRow(index), false);
            list->ArrangeRows(false);
        },
        kRounds);
    std::printf("DeleteAllRows + 31 AddRow + ArrangeRows:       %7.1f us (median of %d)%s\n", micros, kRounds,
                list->count() == 31 ? "" : "  [wrong row count]");
    window->Close();
}

}  // namespace

int main(int argc, char** argv)
{
    const HeadlessRun headless("lists");
    QApplication qt(argc, argv);
    // As the program starts: the scroll bars paint through the standard theme.
    Vireo2Theme::RegisterStandardTheme();
    VR2Application::Create()->standardVireoSetup();
    const double few = WheelStep(365);
    const double many = WheelStep(3650);
    std::printf("ratio 3,650 / 365 rows: %.2f (goal: at most 1.2)\n", many / few);
    Reload();
    return 0;
}
