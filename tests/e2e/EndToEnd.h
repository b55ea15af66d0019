#pragma once

// Shared by the end-to-end programs: the folder their script reads, and their
// "--pixel FILE X Y" mode, which prints the colour at (X, Y) of the image FILE
// as RRGGBB.

#include "platform/Application.h"
#include "toolkit/hosts/VR2Application.h"

#include <QGuiApplication>
#include <QImage>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
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

// True when the arguments ask for a pixel; status is then the program's exit status.
inline bool PixelMode(int argc, char** argv, int& status)
{
    if (argc != 5 || std::string(argv[1]) != "--pixel")
        return false;
    QGuiApplication application(argc, argv);
    const QImage image(QString::fromLocal8Bit(argv[2]));
    const int x = std::atoi(argv[3]);
    const int y = std::atoi(argv[4]);
    status = image.isNull() || !image.rect().contains(x, y) ? 1 : 0;
    if (status == 0)
        std::printf("%06X\n", image.pixel(x, y) & 0xFFFFFF);
    return true;
}

// Runs the toolkit's application, whose NewDocument calls open to make and show
// the window. Once the desktop has placed and painted it, "left top width
// height" and then what readyExtra answers go to $E2E_DIR/ready. A program
// that goes wrong ends after 30 seconds.
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
            QTimer::singleShot(300, [this] {
                std::ofstream(OutputPath("ready")) << mWindow->Left() << " " << mWindow->Top() << " "
                                                   << mWindow->Width() << " " << mWindow->Height()
                                                   << (mReadyExtra ? mReadyExtra() : "") << "\n";
            });
            QTimer::singleShot(30000, [] { QCoreApplication::exit(2); });
        }

    private:
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
