#pragma once

// Reaches the Qt widget behind a platform window, so that tests can drive it
// with real input events and read the pixels it put on screen.

#include "platform/Window.h"
#include "support/EventLoop.h"

#include <QImage>
#include <QPoint>

class QWidget;
class QWindow;

namespace testsupport {

QWidget* WidgetOf(const platform::Window& window);
QWindow* HandleOf(const platform::Window& window);

// Shows the window and waits until it is exposed and active.
void ShowAndActivate(platform::Window& window);

// What the window shows on screen, read back from the desktop (its menu bar included).
QImage ScreenPixels(const platform::Window& window);
// The content's top-left corner in the widget and in ScreenPixels: below the
// menu bar when the window shows one. Add it to content points for QTest.
QPoint ContentOrigin(const platform::Window& window);

// Runs the event loop for that long.
inline void ProcessEventsFor(int milliseconds)
{
    RunEventLoopUntil([] { return false; }, milliseconds);
}

}  // namespace testsupport
