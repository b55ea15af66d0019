#include "platform/EventLoop.h"

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
    // Counted from the end, so a slow batch of events still leaves the loop its time.
    last = std::chrono::steady_clock::now();
}

}  // namespace platform
