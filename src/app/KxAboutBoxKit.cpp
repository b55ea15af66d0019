#include "app/KxAboutBoxKit.h"

#include "app/AboutWindow.h"

namespace KxAboutBoxKit {

namespace {

std::shared_ptr<AboutWindow>& OpenWindow()
{
    // Emptied when the box closes, as every window does before the event loop
    // ends; reachable to the end so that no static destructor meets a window.
    static auto* window = new std::shared_ptr<AboutWindow>();
    return *window;
}

}  // namespace

void KxAboutShowStandardAbout(const platform::Picture::Ref& icon, const std::string& name,
                              const std::string& copyright)
{
    if (!OpenWindow()) {
        OpenWindow() = AboutWindow::Create();
        OpenWindow()->Setup(icon, name, copyright);
    }
    // Held here: the window's Show may run events that close it.
    const auto window = OpenWindow();
    window->Show();
}

void KxAboutWindowDidClose() { OpenWindow().reset(); }

std::shared_ptr<AboutWindow> KxAboutBoxWindow() { return OpenWindow(); }

}  // namespace KxAboutBoxKit
