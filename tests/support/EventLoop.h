#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <functional>

// Runs the event loop until done() holds or a generous limit passes (a loaded
// machine under the sanitizers is slow; the wait ends as soon as done() holds);
// answers done().
inline bool RunEventLoopUntil(const std::function<bool()>& done, int limitMilliseconds = 30000)
{
    QDeadlineTimer deadline(limitMilliseconds);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}
