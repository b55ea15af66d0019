#pragma once

#include "platform/Files.h"
#include "platform/SingleInstance.h"
#include "store/DiaryFileCheck.h"
#include "toolkit/hosts/VR2Application.h"

#include <cstdint>
#include <future>
#include <memory>

// The diary's application object: opens the main window through its
// controller on NewDocument and refuses to open documents. One per process,
// registered as the running application and kept until the process ends.
class App : public VR2Application {
public:
    using Ref = std::shared_ptr<App>;

    static Ref Create() { return Ref(new App()); }

    static constexpr const char* kOpenDocumentRefusal =
        "Opening documents this way is not supported. Launch the application alone.";
    // The exit status when the diary's file cannot be used.
    static constexpr int32_t kUnusableDiaryStatus = 2;

    // Waits for the check of the diary's file begun at start; when the file
    // cannot be used, names it, ends the program and answers false. True when
    // no check was begun or it passed. Nothing may read or write the diary
    // before this answered true.
    bool DiaryFileUsable();

protected:
    App() = default;

    void NewDocument() override;
    void OpenDocument(const platform::FolderItem::Ref& item) override;

private:
    bool ClaimDiary();

    std::unique_ptr<platform::SingleInstance> mDiaryClaim;
    std::future<DiaryFileCheck> mFileCheck;
    bool mFileUsable = true;
};

// The registered application object; nil before start-up made it (or when
// the running application is not an App). Named apart from the class.
App::Ref TheApp();

// Start-up, in the order the program runs it.
namespace AppMain {

// Creates the App with MenuBar1 as its menu bar and registers it.
App::Ref NewAppInstance();
// Attaches the application's menu commands to the items of the same Name.
void ApplicationAddMenuHandlers();
// Once the event loop has returned, while the platform still runs: lets go of
// what the run kept for the life of the process (the responder chain with the
// controller and its window, the notification center, the pictures), so that
// no static destructor meets a window after the platform has ended.
void ReleaseAtEndOfRun();
// The whole program: registers the standard theme, makes the application,
// attaches its menu commands, runs the event loop and releases what the run
// kept; the exit status.
int32_t Main(int& argc, char** argv);

}  // namespace AppMain
