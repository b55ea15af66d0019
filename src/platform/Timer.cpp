#include "platform/Timer.h"

#include "platform/UnhandledException.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimerEvent>

#include <unordered_map>

namespace platform {

namespace {

// One QObject serves every timer, so that a timer may go away inside its own
// firing without deleting a Qt object that is still emitting.
class TimerDispatcher : public QObject {
public:
    int Start(Timer* timer, int32_t period)
    {
        const int id = startTimer(period < 0 ? 0 : period, Qt::PreciseTimer);
        if (id != 0)
            mTimers[id] = timer;
        return id;
    }

    void Stop(int id)
    {
        if (mTimers.erase(id) != 0 && QCoreApplication::instance())
            killTimer(id);
    }

protected:
    void timerEvent(QTimerEvent* event) override
    {
        const auto found = mTimers.find(event->timerId());
        if (found != mTimers.end())
            found->second->Fire();
    }

private:
    std::unordered_map<int, Timer*> mTimers;
};

TimerDispatcher& Dispatcher()
{
    // Lives as long as the process; reachable, so not a leak.
    static auto* dispatcher = new TimerDispatcher();
    return *dispatcher;
}

}  // namespace

Timer::Ref Timer::Create() { return Ref(new Timer()); }

Timer::~Timer() { Stop(); }

void Timer::Mode(int32_t mode)
{
    if (mode == mMode)
        return;
    Stop();
    mMode = mode;
    if (mMode != kModeOff)
        Start();
}

void Timer::Period(int32_t milliseconds)
{
    mPeriod = milliseconds;
    Reset();
}

void Timer::Reset()
{
    if (mTimerId == 0)
        return;
    Stop();
    Start();
}

void Timer::Start()
{
    if (QCoreApplication::instance())
        mTimerId = Dispatcher().Start(this, mPeriod);
}

void Timer::Stop()
{
    if (mTimerId != 0)
        Dispatcher().Stop(mTimerId);
    mTimerId = 0;
}

void Timer::Fire()
{
    // Keep the timer alive while its handler runs: the handler may drop the last reference.
    const auto keepAlive = weak_from_this().lock();
    if (!keepAlive)
        return;
    if (mMode == kModeSingle) {
        Stop();
        mMode = kModeOff;
    }
    RunGuarded([this] { Action(); });
}

}  // namespace platform
