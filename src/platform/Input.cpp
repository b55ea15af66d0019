#include "platform/private/InputState.h"
#include "platform/Keyboard.h"
#include "platform/System.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>

namespace platform {

InputState& CurrentInput()
{
    static InputState state;
    return state;
}

bool Keyboard::ShiftKey() { return CurrentInput().shift; }

bool Keyboard::AsyncShiftKey()
{
    // keyboardModifiers() follows every event Qt has processed, synthetic ones too.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier))
        return true;
    return CurrentInput().shift;
}

bool Keyboard::CommandKey() { return CurrentInput().command; }

bool System::MouseDown()
{
    auto& input = CurrentInput();
    // A press hook that waits for the release yields without user input, so
    // the release would stay queued: deliver what the desktop has sent.
    auto* application = QCoreApplication::instance();
    if (input.buttonDown && input.pressHookRunning && application &&
        QThread::currentThread() == application->thread())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return input.buttonDown;
}
int32_t System::MouseX() { return CurrentInput().screenX; }
int32_t System::MouseY() { return CurrentInput().screenY; }

MouseCursor::Ref System::Cursors::StandardPointer()
{
    static const auto cursor = MouseCursor::Create(MouseCursor::Shape::Arrow);
    return cursor;
}

MouseCursor::Ref System::Cursors::IBeam()
{
    static const auto cursor = MouseCursor::Create(MouseCursor::Shape::IBeam);
    return cursor;
}

bool IsCMMClick() { return CurrentInput().contextualClick; }

}  // namespace platform
