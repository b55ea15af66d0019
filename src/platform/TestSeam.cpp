#include "platform/TestSeam.h"

#include "platform/private/QtStart.h"
#include "platform/private/WindowWidget.h"

#include <QApplication>

namespace platform::testseam {

QWidget* WidgetOf(const Window& window)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* windowWidget = dynamic_cast<WindowWidget*>(widget); windowWidget && windowWidget->Owner() == &window)
            return windowWidget;
    return nullptr;
}

void SetDragRepeatInterval(int milliseconds) { WindowWidget::SetDragRepeatInterval(milliseconds); }

std::optional<std::string> KeyText(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    return platform::KeyText(key, modifiers, text);
}

QStyle* NewStartStyle() { return platform::NewStartStyle(); }

}  // namespace platform::testseam
