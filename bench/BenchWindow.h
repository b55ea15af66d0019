#pragma once

// What the benchmarks that show windows share: a headless start, time for a
// window to be shown and painted, and reading its pixels back.

#include "platform/TestSeam.h"
#include "platform/Window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Off screen unless there is a display; without a runtime folder (which Qt
// warns about, children included) one of its own, removed at the end.
class HeadlessRun {
public:
    explicit HeadlessRun(const char* name)
    {
        if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::snprintf(mRuntime, sizeof mRuntime, "/tmp/bench-%s-XXXXXX", name);
        mMade = !std::getenv("XDG_RUNTIME_DIR") && mkdtemp(mRuntime);
        if (mMade)
            setenv("XDG_RUNTIME_DIR", mRuntime, 1);
    }
    ~HeadlessRun()
    {
        if (mMade)
            rmdir(mRuntime);
    }
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

private:
    char mRuntime[64] = {};
    bool mMade = false;
};

// Runs the event loop for a while, so that a shown window is painted.
inline void Settle(int milliseconds = 200)
{
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The window's pixels as they are on the screen.
inline QImage Shown(const platform::Window& window)
{
    QWidget* widget = platform::testseam::WidgetOf(window);
    return widget->screen()->grabWindow(widget->winId()).toImage();
}

// The floor the toolkit's windows are measured against: a plain QWidget
// filled in the windows' back colour.
class BareWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xEF, 0xEF, 0xEF));
    }
};
