#include "toolkit/hosts/VR2Application.h"

#include "platform/EventLoop.h"
#include "toolkit/core/VR2Surface.h"

namespace {

bool gDidSetupVireoSetup = false;

std::function<void()>& ThemeInstaller()
{
    static std::function<void()> installer;
    return installer;
}

// Asks each window that holds views, front to back, until one answers.
template <typename Ask>
VR2View::Ref AskWindows(Ask ask)
{
    for (int32_t index = 0; index <= platform::Application::WindowCount() - 1; ++index) {
        const auto surface = std::dynamic_pointer_cast<VR2Surface>(platform::Application::Window(index));
        if (surface)
            if (auto view = ask(*surface))
                return view;
        platform::YieldToEventLoop();
    }
    return nullptr;
}

}  // namespace

VR2Application::VR2Application()
{
    // The toolkit below reaches the application and its windows through this.
    toolkit::SetAppSeam({
        [] { return platform::ObjectRef(platform::Application::Current()); },
        [] { return platform::Application::WindowCount(); },
        [](int32_t index) { return platform::ObjectRef(platform::Application::Window(index)); },
    });
}

void VR2Application::SetStandardThemeInstaller(std::function<void()> installer)
{
    ThemeInstaller() = std::move(installer);
}

bool VR2Application::DidSetupVireoSetup() { return gDidSetupVireoSetup; }

void VR2Application::ResetVireoSetupForTesting() { gDidSetupVireoSetup = false; }

void VR2Application::standardVireoSetup()
{
    if (gDidSetupVireoSetup)
        return;
    if (ThemeInstaller())
        ThemeInstaller()();
    gDidSetupVireoSetup = true;
}

VR2View::Ref VR2Application::focusView()
{
    return AskWindows([](VR2Surface& window) { return window.focusView(); });
}

VR2View::Ref VR2Application::findViewByName(const std::string& name, bool deep, bool visibleOnly)
{
    return AskWindows([&](VR2Surface& window) { return window.FindViewByName(name, deep, visibleOnly); });
}

void VR2Application::OnOpen()
{
    standardVireoSetup();
    Open();
}

void VR2Application::OnNewDocument()
{
    standardVireoSetup();
    NewDocument();
}

void VR2Application::OnOpenDocument(const platform::FolderItem::Ref& item)
{
    standardVireoSetup();
    OpenDocument(item);
}

void VR2Application::OnActivate() { Activate(); }
void VR2Application::OnDeactivate() { Deactivate(); }
void VR2Application::OnClose() { Close(); }
bool VR2Application::OnCancelClose() { return CancelClose(); }
void VR2Application::OnEnableMenuItems() { EnableMenuItems(); }

bool VR2Application::OnUnhandledException(const platform::RuntimeException& error)
{
    return UnhandledException(error);
}

void VR2Application::VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    HandleMessage(sender, message);
}
