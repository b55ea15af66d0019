#include "platform/Application.h"

#include "platform/Services.h"
#include "platform/UnhandledException.h"
#include "platform/private/QtStart.h"
#include "platform/private/WindowList.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include <filesystem>

namespace platform {

namespace {

Application::Ref& Registered()
{
    // Lives as long as the process, like the application object it holds.
    static auto* application = new Application::Ref();
    return *application;
}

}  // namespace

bool HandleUncaughtError(const Application::Ref& application, const RuntimeException& error)
{
    bool handled = false;
    if (application) {
        try {
            handled = application->OnUnhandledException(error);
        } catch (...) {
            handled = false;
        }
    }
    if (!handled)
        MsgBox(std::string("An exception was not handled: ") + error.what() + ". The application must shut down.");
    return handled;
}

namespace {

bool RaiseUnhandledException(std::exception_ptr error)
{
    const auto application = Application::Current();
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeException& exception) {
        return HandleUncaughtError(application, exception);
    } catch (const std::exception& exception) {
        return HandleUncaughtError(application, RuntimeException(exception.what()));
    } catch (...) {
        return HandleUncaughtError(application, RuntimeException());
    }
}

}  // namespace

Application::~Application() = default;

Application::Ref Application::Current() { return Registered(); }

void Application::Register(Ref application)
{
    Registered() = std::move(application);
    SetUnhandledExceptionHandler(Registered() ? UnhandledExceptionHandler(RaiseUnhandledException)
                                              : UnhandledExceptionHandler());
}

int32_t Application::Run(int& argc, char** argv)
{
    if (!QCoreApplication::instance()) {
        BeginFontConfiguration();
        // Kept to the end of the process: windows still referenced at exit must
        // not outlive it.
        static QApplication* application = new QApplication(argc, argv);
        (void)application;
    }
    QApplication::setStyle(NewStartStyle());
    QGuiApplication::setQuitOnLastWindowClosed(false);
    mQuitting = false;

    std::string document;
    for (int index = 1; index < argc && document.empty(); ++index) {
        std::error_code error;
        if (std::filesystem::is_regular_file(argv[index], error))
            document = argv[index];
    }

    QObject context;
    const std::weak_ptr<Object> weakSelf = weak_from_this();
    auto self = [weakSelf] { return std::dynamic_pointer_cast<Application>(weakSelf.lock()); };
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, &context,
                     [self](Qt::ApplicationState state) {
                         const auto application = self();
                         if (!application)
                             return;
                         RunGuarded([&] {
                             if (state == Qt::ApplicationActive)
                                 application->OnActivate();
                             else if (state == Qt::ApplicationInactive)
                                 application->OnDeactivate();
                         });
                     });
    QTimer::singleShot(0, &context, [self, document] {
        if (const auto application = self())
            RunGuarded([&] { application->StartRunning(document); });
    });
    return QCoreApplication::exec();
}

void Application::StartRunning(const std::string& document)
{
    OnOpen();
    if (document.empty())
        OnNewDocument();
    else
        OnOpenDocument(FolderItem::Create(document));
}

void Application::Quit(int32_t status)
{
    if (mQuitting)
        return;
    mQuitting = true;
    bool cancelled = false;
    try {
        cancelled = OnCancelClose();
        while (!cancelled && !OpenWindows().empty()) {
            const auto window = OpenWindows().front();
            cancelled = !window->CloseWindow(true);
        }
        if (!cancelled)
            OnClose();
    } catch (...) {
        mQuitting = false;
        throw;
    }
    if (cancelled) {
        mQuitting = false;
        return;
    }
    QCoreApplication::exit(status);
}

void Application::SetVersion(int32_t major, int32_t minor, int32_t bug, int32_t stageCode, int32_t nonRelease)
{
    mMajorVersion = major;
    mMinorVersion = minor;
    mBugVersion = bug;
    mStageCode = stageCode;
    mNonReleaseVersion = nonRelease;
}

int32_t Application::WindowCount() { return static_cast<int32_t>(OpenWindows().size()); }

platform::Window::Ref Application::Window(int32_t index)
{
    if (index < 0 || index >= WindowCount())
        return nullptr;
    return OpenWindows()[static_cast<size_t>(index)];
}

void Application::RaiseEnableMenuItems()
{
    if (const auto front = Window(0))
        front->OnEnableMenuItems();
    OnEnableMenuItems();
}

}  // namespace platform
