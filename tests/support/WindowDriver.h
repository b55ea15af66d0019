#pragma once

// Reaches the Qt widget behind a platform window, so that tests can drive it
// with real input events and read the pixels it put on screen.

#include "platform/Window.h"

#include <QImage>
#include <QPoint>

class QWidget;
class QWindow;

namespace testing_support {

QWidget* WidgetOf(const platform::Window& window);
QWindow* HandleOf(const platform::Window& window);

// Shows the window and waits until it is exposed and active.
void ShowAndActivate(platform::Window& window);

// What the window shows on screen, read back from the desktop.
QImage ScreenPixels(const platform::Window& window);

// Runs the event loop until condition holds or about two seconds pass.
template <typename Condition>
bool WaitFor(Condition condition);

void ProcessEventsFor(int milliseconds);

}  // namespace testing_support

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

template <typename Condition>
bool testing_support::WaitFor(Condition condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 2000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}
