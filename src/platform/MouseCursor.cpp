#include "platform/MouseCursor.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

namespace platform {

namespace {

// Gives the pointer back at the first mouse movement after ObscureCursor.
class ShowCursorOnMove : public QObject {
public:
    bool obscured = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (obscured && (event->type() == QEvent::MouseMove || event->type() == QEvent::HoverMove)) {
            obscured = false;
            QGuiApplication::restoreOverrideCursor();
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void ObscureCursor()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    static auto* filter = [] {
        auto* created = new ShowCursorOnMove();
        QCoreApplication::instance()->installEventFilter(created);
        return created;
    }();
    if (filter->obscured)
        return;
    filter->obscured = true;
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
}

}  // namespace platform
