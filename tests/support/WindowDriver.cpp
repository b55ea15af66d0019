#include "support/WindowDriver.h"

#include "platform/TestSeam.h"

#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testsupport {

QWidget* WidgetOf(const platform::Window& window) { return platform::testseam::WidgetOf(window); }

QWindow* HandleOf(const platform::Window& window)
{
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return nullptr;
    widget->winId();
    return widget->windowHandle();
}

void ShowAndActivate(platform::Window& window)
{
    window.Show();
    QWidget* widget = WidgetOf(window);
    (void)QTest::qWaitForWindowExposed(widget);
    widget->activateWindow();
    (void)QTest::qWaitForWindowActive(widget);
}

QImage ScreenPixels(const platform::Window& window)
{
    QWidget* widget = WidgetOf(window);
    QScreen* screen = widget->screen();
    return screen->grabWindow(widget->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint ContentOrigin(const platform::Window& window)
{
    return QPoint(0, window.Top() - WidgetOf(window)->geometry().top());
}

}  // namespace testsupport
