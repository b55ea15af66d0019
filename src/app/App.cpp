#include "app/App.h"

#include "app/AppCommands.h"
#include "app/MainWindowController.h"
#include "app/MenuBar1.h"
#include "platform/Services.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/Vireo2Engine.h"

void App::NewDocument()
{
    // The responder chain keeps the controller; the controller keeps its window.
    const auto controller = MainWindowController::Create();
    Vireo2Engine::VR2Responder_AcquireFocus(controller);
    controller->init();
}

void App::OpenDocument(const platform::FolderItem::Ref& /*item*/)
{
    platform::MsgBox(kOpenDocumentRefusal);
    Quit(0);
}

App::Ref TheApp() { return std::dynamic_pointer_cast<App>(platform::Application::Current()); }

namespace AppMain {

App::Ref NewAppInstance()
{
    const auto app = App::Create();
    app->MenuBar(MenuBar1::Instance());
    platform::Application::Register(app);
    return app;
}

void ApplicationAddMenuHandlers()
{
    auto& app = platform::Require(TheApp());
    for (const auto& [name, handler] : AppCommands::Handlers())
        app.AddMenuHandler(name, handler);
}

int32_t Main(int& argc, char** argv)
{
    Vireo2Theme::RegisterStandardTheme();
    const auto app = NewAppInstance();
    ApplicationAddMenuHandlers();
    return app->Run(argc, argv);
}

}  // namespace AppMain
