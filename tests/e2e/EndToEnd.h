#pragma once

// Shared by the end-to-end programs: the folder their script reads, and the
// window they run, which says where it is once it shows on the screen.

#include "platform/Application.h"
#include "platform/TestSeam.h"
#include "toolkit/hosts/VR2Application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace testsupport {

inline std::string OutputPath(const char* name)
{
    const char* folder = std::getenv("E2E_DIR");
    return std::string(folder ? folder : ".") + "/" + name;
}

// Runs the toolkit's application, whose NewDocument calls open to make and show
// the window. Once the X server shows it and it has painted, "left top width
// height" and then what readyExtra answers go to $E2E_DIR/ready, whole at once.
// A program its script left behind ends after ten minutes.
inline int RunWindow(int argc, char** argv, std::function<std::shared_ptr<platform::Window>()> open,
                     std::function<std::string()> readyExtra = {})
{
    class EndToEndApplication : public VR2Application {
    public:
        EndToEndApplication(std::function<std::shared_ptr<platform::Window>()> open,
                            std::function<std::string()> readyExtra)
            : mOpen(std::move(open)), mReadyExtra(std::move(readyExtra))
        {
        }

    protected:
        void NewDocument() override
        {
            AutoQuit(true);
            mWindow = mOpen();
            QWidget* widget = platform::testseam::WidgetOf(*mWindow);
            auto* paints = new PaintWatch(widget);
            auto* poll = new QTimer(widget);
            QObject::connect(poll, &QTimer::timeout, poll, [this, widget, paints, poll] {
                if (!paints->painted || !widget->windowHandle() || !widget->windowHandle()->isExposed())
                    return;
                poll->stop();
                const std::string ready = OutputPath("ready");
                std::ofstream(ready + ".new") << mWindow->Left() << " " << mWindow->Top() << " "
                                              << mWindow->Width() << " " << mWindow->Height()
                                              << (mReadyExtra ? mReadyExtra() : "") << "\n";
                std::filesystem::rename(ready + ".new", ready);
            });
            poll->start(10);
            QTimer::singleShot(600000, [] { QCoreApplication::exit(2); });
        }

    private:
        // Notes whether the widget has painted; lets every event through.
        struct PaintWatch : QObject {
            explicit PaintWatch(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
            bool painted = false;
            bool eventFilter(QObject*, QEvent* event) override
            {
                painted = painted || event->type() == QEvent::Paint;
                return false;
            }
        };

        std::function<std::shared_ptr<platform::Window>()> mOpen;
        std::function<std::string()> mReadyExtra;
        std::shared_ptr<platform::Window> mWindow;
    };
    const auto application = std::make_shared<EndToEndApplication>(std::move(open), std::move(readyExtra));
    platform::Application::Register(application);
    const int status = application->Run(argc, argv);
    platform::Application::Register(nullptr);
    return status;
}

}  // namespace testsupport
