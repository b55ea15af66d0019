// Run by text_end_to_end.sh under a real X server: a window with one text edit
// in a large font; writes "left top width height" to $E2E_DIR/ready.
// With "--match FILE X Y TEXT": prints how many pixels of the text area of an
// unfocused edit showing TEXT differ from the image FILE's, the edit's corner
// at (X, Y) in it. With "--selection TEXT": prints "left right top RRGGBB",
// the columns and the top row of TEXT selected whole in the edit and the
// selection's colour.
#include "EndToEnd.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int32_t kWidth = 360;
constexpr int32_t kHeight = 34;
constexpr int32_t kTextSize = 24;

std::shared_ptr<platform::Window> Open()
{
    auto window = VR2HostWindow::Create();
    window->Width(400);
    window->Height(80);
    auto edit = SLTEView::Create();
    edit->TextSize(kTextSize);
    edit->move(20, 20, false);
    edit->resize(kWidth, kHeight, false);
    edit->attach(window, true, false);
    window->Show();
    return window;
}

int Match(const char* file, int x, int y, const std::string& text)
{
    const QImage shot(QString::fromLocal8Bit(file));
    auto picture = platform::Picture::NewPicture(kWidth, kHeight);
    auto g = picture->Graphics();
    g->ClearRect(0, 0, kWidth, kHeight);
    g->SetTextSize(kTextSize);
    g->DrawString(text, 3, platform::DoubleToInt32(kHeight / 2.0 - g->TextHeight() / 2.0 + g->TextAscent()));
    const QImage& drawn = picture->ImageForReading();
    int differ = 0;
    for (int row = 2; row < kHeight - 2; ++row)
        for (int column = 3; column < 3 + g->StringWidth(text); ++column)
            differ += (shot.pixel(x + column, y + row) & 0xFFFFFF) != (drawn.pixel(column, row) & 0xFFFFFF) ? 1 : 0;
    return differ;
}

void Selection(const std::string& text)
{
    auto g = platform::Picture::NewPicture(1, 1)->Graphics();
    g->SetTextSize(kTextSize);
    const int top = platform::DoubleToInt32(kHeight / 2.0 - g->TextHeight() / 2.0 + g->TextAscent()) - g->TextAscent();
    std::printf("3 %d %d %06X\n", 3 + g->StringWidth(text), top,
                static_cast<unsigned>(platform::HighlightColor().value));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 6 && std::string(argv[1]) == "--match") {
        QGuiApplication application(argc, argv);
        std::printf("%d\n", Match(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argv[5]));
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--selection") {
        QGuiApplication application(argc, argv);
        Selection(argv[2]);
        return 0;
    }
    return testsupport::RunWindow(argc, argv, Open);
}
