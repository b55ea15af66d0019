#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <functional>

// Runs the event loop until done() holds or a generous limit passes; answers done().
inline bool RunEventLoopUntil(const std::function<bool()>& done, int limitMilliseconds = 5000)
{
    QDeadlineTimer deadline(limitMilliseconds);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}
