#include "platform/Exceptions.h"
#include "platform/Timer.h"
#include "platform/UnhandledException.h"
#include "support/EventLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

using platform::Timer;

namespace {

class CountingTimer : public Timer {
public:
    static std::shared_ptr<CountingTimer> Create() { return std::shared_ptr<CountingTimer>(new CountingTimer()); }
    int firings = 0;
    std::thread::id thread;
    std::function<void()> onFire;

protected:
    void Action() override
    {
        ++firings;
        thread = std::this_thread::get_id();
        if (onFire)
            onFire();
    }
};

}  // namespace

TEST(Timer, SingleFiresOnceOnTheEventLoopThenTurnsOff)
{
    auto timer = CountingTimer::Create();
    timer->Period(1);
    EXPECT_EQ(timer->Mode(), Timer::kModeOff);
    timer->Mode(Timer::kModeSingle);
    ASSERT_TRUE(RunEventLoopUntil([&] { return timer->firings > 0; }));
    EXPECT_EQ(timer->thread, std::this_thread::get_id());
    EXPECT_EQ(timer->Mode(), Timer::kModeOff);

    // A second timer fires several times meanwhile; the first stays quiet.
    auto other = CountingTimer::Create();
    other->Period(1);
    other->Mode(Timer::kModeMultiple);
    ASSERT_TRUE(RunEventLoopUntil([&] { return other->firings >= 3; }));
    EXPECT_EQ(timer->firings, 1);
}

TEST(Timer, StopsWhenTurnedOffOrGone)
{
    auto timer = CountingTimer::Create();
    timer->Period(1);
    timer->Mode(Timer::kModeMultiple);
    timer->onFire = [&] { timer->Mode(Timer::kModeOff); };
    ASSERT_TRUE(RunEventLoopUntil([&] { return timer->firings == 1; }));

    // A timer that drops the last reference to itself while firing.
    auto doomed = CountingTimer::Create();
    std::weak_ptr<CountingTimer> watch = doomed;
    doomed->Period(1);
    doomed->onFire = [&doomed] { doomed.reset(); };
    doomed->Mode(Timer::kModeMultiple);
    ASSERT_TRUE(RunEventLoopUntil([&] { return watch.expired(); }));

    // Give both a chance to fire again: neither does.
    auto marker = CountingTimer::Create();
    marker->Period(5);
    marker->Mode(Timer::kModeMultiple);
    ASSERT_TRUE(RunEventLoopUntil([&] { return marker->firings >= 3; }));
    EXPECT_EQ(timer->firings, 1);
}

TEST(Timer, ExceptionGoesToTheUnhandledExceptionHandler)
{
    std::string caught;
    auto previous = platform::SetUnhandledExceptionHandler([&caught](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const platform::RuntimeException& exception) {
            caught = exception.what();
        }
        return true;
    });
    auto timer = CountingTimer::Create();
    timer->Period(1);
    timer->onFire = [] { throw platform::RuntimeException("tick failed"); };
    timer->Mode(Timer::kModeSingle);
    EXPECT_TRUE(RunEventLoopUntil([&] { return !caught.empty(); }));
    EXPECT_EQ(caught, "tick failed");
    platform::SetUnhandledExceptionHandler(previous);
}
