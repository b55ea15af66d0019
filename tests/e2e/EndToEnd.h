#pragma once

// Shared by the end-to-end programs: the folder their script reads, and their
// "--pixel FILE X Y" mode, which prints the colour at (X, Y) of the image FILE
// as RRGGBB.

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace endtoend {

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

}  // namespace endtoend
