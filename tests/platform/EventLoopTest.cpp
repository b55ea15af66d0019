#include "platform/EventLoop.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(EventLoop, YieldRunsPendingWorkOnlyOnTheApplicationThread)
{
    int runs = 0;
    QTimer::singleShot(0, QCoreApplication::instance(), [&runs] { ++runs; });

    // Off the application's thread a yield does nothing.
    std::thread([] { platform::YieldToEventLoop(); }).join();
    EXPECT_EQ(runs, 0);

    // Past the pause between yields, pending work runs.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    platform::YieldToEventLoop();
    EXPECT_EQ(runs, 1);
}
