#pragma once

#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/MenuBar.h"
#include "platform/Object.h"
#include "platform/ResourceFork.h"
#include "platform/Window.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace platform {

// The program's application object and its event loop. One object is
// registered as the running application; the desktop's application events
// reach its protected On... hooks, whose defaults mean "not handled".
class Application : public virtual Object {
public:
    using Ref = std::shared_ptr<Application>;

    ~Application() override;

    // The registered application, nil before one is registered.
    static Ref Current();
    // Makes application the running one (nil unregisters it). From then on an
    // exception that nothing catches goes to its UnhandledException.
    static void Register(Ref application);

    // Runs the event loop until the application quits and answers the exit
    // status. Once the loop runs: Open, then OpenDocument with the first
    // argument that names a file, or NewDocument when there is none.
    int32_t Run(int& argc, char** argv);
    // Asks CancelClose, closes every window (each may cancel), raises Close and
    // ends the event loop with status.
    void Quit(int32_t status = 0);

    // Quit as soon as the last window closes.
    bool AutoQuit() const { return mAutoQuit; }
    void AutoQuit(bool autoQuit) { mAutoQuit = autoQuit; }

    // Version numbers; StageCode 0 development, 1 alpha, 2 beta, 3 final.
    int32_t MajorVersion() const { return mMajorVersion; }
    int32_t MinorVersion() const { return mMinorVersion; }
    int32_t BugVersion() const { return mBugVersion; }
    int32_t StageCode() const { return mStageCode; }
    int32_t NonReleaseVersion() const { return mNonReleaseVersion; }
    void SetVersion(int32_t major, int32_t minor, int32_t bug, int32_t stageCode, int32_t nonRelease);

    // The open windows, front to back; nil outside 0 .. WindowCount - 1.
    static int32_t WindowCount();
    static platform::Window::Ref Window(int32_t index);

    // Before menus are shown or their shortcuts looked up: the front window's
    // EnableMenuItems, then the application's.
    void RaiseEnableMenuItems();

    // The menu bar the windows show; set before the event loop starts.
    platform::MenuBar::Ref MenuBar() const { return mMenuBar; }
    void MenuBar(platform::MenuBar::Ref menuBar) { mMenuBar = std::move(menuBar); }
    // The application's handler of the menu items of that Name (one per name).
    void AddMenuHandler(const std::string& name, MenuHandler handler);
    // The item chosen, by click or shortcut, in window (nil: the front one):
    // that window's handler, then the running application's, then the
    // platform's own (Quit quits). Answers whether one of them took it.
    static bool ChooseMenuItem(const MenuItem::Ref& item, const platform::Window::Ref& window = nullptr);
    // Whether choosing item in window would reach a handler or Quit.
    static bool HasMenuCommand(const MenuItem::Ref& item, const platform::Window::Ref& window);

    // The resources the application reads its pictures from: the program's own.
    platform::ResourceFork::Ref ResourceFork() const { return platform::ResourceFork::Program(); }

protected:
    Application() = default;

    virtual void OnOpen() {}
    virtual void OnNewDocument() {}
    virtual void OnOpenDocument(const FolderItem::Ref& /*item*/) {}
    virtual void OnActivate() {}
    virtual void OnDeactivate() {}
    virtual void OnClose() {}
    virtual bool OnCancelClose() { return false; }
    virtual void OnEnableMenuItems() {}
    // Answers true when it dealt with the error; otherwise the program reports
    // it and quits.
    virtual bool OnUnhandledException(const RuntimeException& /*error*/) { return false; }

private:
    friend bool HandleUncaughtError(const Ref& application, const RuntimeException& error);

    void StartRunning(const std::string& document);

    platform::MenuBar::Ref mMenuBar;
    std::map<std::string, MenuHandler> mMenuHandlers;
    bool mAutoQuit = false;
    bool mQuitting = false;
    int32_t mMajorVersion = 1;
    int32_t mMinorVersion = 0;
    int32_t mBugVersion = 0;
    int32_t mStageCode = 3;
    int32_t mNonReleaseVersion = 0;
};

}  // namespace platform
