#include "support/WindowDriver.h"

#include "platform/WindowWidget.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace testing_support {

QWidget* WidgetOf(const platform::Window& window)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* windowWidget = dynamic_cast<platform::WindowWidget*>(widget);
            windowWidget && windowWidget->Owner() == &window)
            return windowWidget;
    return nullptr;
}

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

}  // namespace testing_support
