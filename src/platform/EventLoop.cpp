#include "platform/EventLoop.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <chrono>

namespace platform {

void YieldToEventLoop()
{
    constexpr auto kInterval = std::chrono::milliseconds(16);
    static std::chrono::steady_clock::time_point last;

    auto* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread())
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last < kInterval)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Input that came meanwhile is set aside, and the X event source is looked
    // at again only once more events arrive: wake the loop, so that its next
    // full pass delivers it (else a release leaves a press hook waiting until
    // the pointer moves).
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    // Counted from the end, so a slow batch of events still leaves the loop its time.
    last = std::chrono::steady_clock::now();
}

}  // namespace platform
