// Run by text_end_to_end.sh under a real X server: a window with one text edit
// in a large font. Writes "left top width height" to $E2E_DIR/ready; Esc in the
// edit writes its text to $E2E_DIR/report and quits.
// With "--match FILE X Y TEXT": draws TEXT as the edit draws it and prints how
// many pixels of its text area differ from the image FILE's at (X, Y), the
// edit's corner in the image.
#include "EndToEnd.h"
#include "platform/Application.h"
#include "platform/Codes.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <fstream>

namespace {

constexpr int32_t kWidth = 360;
constexpr int32_t kHeight = 34;
constexpr int32_t kTextSize = 24;

class TextWindow : public VR2HostWindow {
public:
    static std::shared_ptr<TextWindow> Create() { return Opened(std::shared_ptr<TextWindow>(new TextWindow())); }

protected:
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override
    {
        message->result = codes::kResultHandled;
        std::ofstream(endtoend::OutputPath("report")) << std::dynamic_pointer_cast<SLTEView>(sender)->Text() << "\n";
        platform::Application::Current()->Quit(0);
    }

private:
    TextWindow() = default;
};

std::shared_ptr<platform::Window> Open()
{
    auto window = TextWindow::Create();
    window->Width(400);
    window->Height(80);
    auto edit = SLTEView::Create();
    edit->TextSize(kTextSize);
    edit->move(20, 20, false);
    edit->resize(kWidth, kHeight, false);
    auto handler = VR2EventHandler::Create();
    handler->targetCode = codes::kTargetParent;
    edit->EventHandlerTable->addHandler(codes::kEventCancel, handler);
    edit->attach(window, true, false);
    window->Show();
    return window;
}

// The text area of an edit showing text, unfocused, drawn alone.
int Match(const char* file, int x, int y, const std::string& text)
{
    const QImage shot(QString::fromLocal8Bit(file));
    auto picture = platform::Picture::NewPicture(kWidth, kHeight);
    auto g = picture->Graphics();
    g->ClearRect(0, 0, kWidth, kHeight);
    g->SetTextSize(kTextSize);
    const int32_t baseline = platform::DoubleToInt32(kHeight / 2.0 - g->TextHeight() / 2.0 + g->TextAscent());
    g->DrawString(text, 3, baseline);
    const int32_t right = 3 + g->StringWidth(text);
    const QImage& drawn = picture->ImageForReading();
    int differ = 0;
    for (int row = 2; row < kHeight - 2; ++row)
        for (int column = 3; column < right; ++column)
            differ += (shot.pixel(x + column, y + row) & 0xFFFFFF) != (drawn.pixel(column, row) & 0xFFFFFF) ? 1 : 0;
    return differ;
}

}  // namespace

int main(int argc, char** argv)
{
    if (int status = 0; endtoend::PixelMode(argc, argv, status))
        return status;
    if (argc == 6 && std::string(argv[1]) == "--match") {
        QGuiApplication application(argc, argv);
        std::printf("%d\n", Match(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), argv[5]));
        return 0;
    }
    return endtoend::RunWindow(argc, argv, Open);
}
