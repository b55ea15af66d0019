#include "platform/Application.h"

namespace platform {

void Application::AddMenuHandler(const std::string& name, MenuHandler handler)
{
    mMenuHandlers[name] = std::move(handler);
}

bool Application::HasMenuCommand(const MenuItem::Ref& item, const platform::Window::Ref& window)
{
    if (!item)
        return false;
    if (window && window->MenuHandlerFor(item->Name))
        return true;
    const auto application = Current();
    return item->Role == MenuRole::Quit ||
           (application && application->mMenuHandlers.count(item->Name) > 0);
}

bool Application::ChooseMenuItem(const MenuItem::Ref& item, const platform::Window::Ref& window)
{
    const auto& chosen = Require(item);
    // The handlers may close the window or replace themselves: hold on to both.
    const auto front = window ? window : Window(0);
    if (front) {
        if (const auto handler = front->MenuHandlerFor(chosen.Name); handler && handler())
            return true;
    }
    const auto application = Current();
    if (application) {
        const auto found = application->mMenuHandlers.find(chosen.Name);
        if (found != application->mMenuHandlers.end()) {
            const auto handler = found->second;
            if (handler())
                return true;
        }
    }
    if (chosen.Role == MenuRole::Quit && application) {
        application->Quit(0);
        return true;
    }
    return false;
}

}  // namespace platform
