#include "platform/Ticks.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <chrono>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

const Clock::time_point kStart = Clock::now();
std::optional<int64_t> gTicksForTesting;
std::optional<double> gMicrosecondsForTesting;

}  // namespace

int64_t Ticks()
{
    if (gTicksForTesting)
        return *gTicksForTesting;
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - kStart).count() * 60 / 1000000;
}

double Microseconds()
{
    if (gMicrosecondsForTesting)
        return *gMicrosecondsForTesting;
    return std::chrono::duration<double, std::micro>(Clock::now() - kStart).count();
}

int32_t DoubleClickTicks()
{
    const int milliseconds = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                 ? QGuiApplication::styleHints()->mouseDoubleClickInterval()
                                 : 400;
    return milliseconds * 60 / 1000;
}

void SetTicksForTesting(std::optional<int64_t> ticks) { gTicksForTesting = ticks; }

void SetMicrosecondsForTesting(std::optional<double> microseconds) { gMicrosecondsForTesting = microseconds; }

}  // namespace platform
