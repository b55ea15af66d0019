#include "app/App.h"

#include "app/AppCommands.h"
#include "app/MainWindow.h"
#include "app/MainWindowController.h"
#include "app/MenuBar1.h"
#include "app/ResourcePictures.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "store/DiaryDB.h"
#include "store/DiaryFileCheck.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/Vireo2Engine.h"

// One copy per diary, and only on a file it can use: a second copy brings
// the first to the front; a file it cannot use is named, left as it is, and
// never shown as an empty diary.
bool App::ClaimDiary()
{
    const auto file = DiaryDB::DatabaseFile();
    mDiaryClaim = platform::SingleInstance::Claim(file->NativePath());
    if (!mDiaryClaim) {
        Quit(0);
        return false;
    }
    ResourcePictures::Preload();
    mDiaryClaim->SetOnAnotherStart([] {
        for (int32_t index = 0; const auto window = platform::Application::Window(index); ++index)
            if (std::dynamic_pointer_cast<MainWindow>(window))
                window->Show();
    });
    // The check reads the whole file on its own connection, changing nothing:
    // it runs while the window is built, hidden, and is awaited before the
    // window's first read of the diary.
    mFileCheck = std::async(std::launch::async,
                            [path = file->NativePath()] { return DiaryFileCheck::Of(platform::FolderItem::Create(path)); });
    return true;
}

bool App::DiaryFileUsable()
{
    if (!mFileCheck.valid())
        return mFileUsable;
    const auto check = mFileCheck.get();
    mFileUsable = check.Usable();
    if (!mFileUsable) {
        platform::MsgBox(check.Message());
        Quit(kUnusableDiaryStatus);
    }
    return mFileUsable;
}

void App::NewDocument()
{
    if (!ClaimDiary())
        return;
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

void ReleaseAtEndOfRun()
{
    Vireo2Engine::ReleaseAtEndOfRun();
    ResourcePictures::Release();
}

int32_t Main(int& argc, char** argv)
{
    Vireo2Theme::RegisterStandardTheme();
    const auto app = NewAppInstance();
    ApplicationAddMenuHandlers();
    const int32_t status = app->Run(argc, argv);
    ReleaseAtEndOfRun();
    return status;
}

}  // namespace AppMain
