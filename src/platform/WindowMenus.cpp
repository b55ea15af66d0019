#include "platform/Exceptions.h"
#include "platform/RectControl.h"
#include "platform/Window.h"

namespace platform {

void Window::MenuBarVisible(bool visible)
{
    if (visible == mMenuBarVisible)
        return;
    mMenuBarVisible = visible;
    if (IsOpen())
        ShowMenuBar();
}

void Window::AddMenuHandler(const std::string& name, MenuHandler handler)
{
    mMenuHandlers[name] = std::move(handler);
}

MenuHandler Window::MenuHandlerFor(const std::string& name) const
{
    const auto found = mMenuHandlers.find(name);
    return found == mMenuHandlers.end() ? MenuHandler() : found->second;
}

void Window::AddControl(const RectControl::Ref& control)
{
    auto& added = Require(control);
    added.mWindow = std::dynamic_pointer_cast<Window>(shared_from_this());
    mControls.push_back(control);
    if (added.Open)
        added.Open();
    Refresh();
}

void Window::PaintControls(const platform::Graphics::Ref& g)
{
    for (const auto& control : mControls)
        control->Paint(*g);
}

}  // namespace platform
