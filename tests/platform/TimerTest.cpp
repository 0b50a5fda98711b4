// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The grid timer with its clock in the test's hand; ticks are delivered by hand too.
#include "platform/Timer.h"
#include "platform/ClockChangeWatch.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

TEST(TimerGrid, NextTickIsTheGridTickAfterNow)
{
    EXPECT_EQ(nextGridTick(0, 100), 100);
    EXPECT_EQ(nextGridTick(99, 100), 100);
    EXPECT_EQ(nextGridTick(100, 100), 200); // never the tick being delivered again
    EXPECT_EQ(nextGridTick(101, 100), 200);
    EXPECT_EQ(nextGridTick(1350, 100), 1400); // missed ticks are not made up
}

class GridTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        TTimer::setMonotonic([this] { return m_now; });
        QObject::connect(&timer, &TTimer::timeout, [this] {
            ++ticks;
            m_now += handlerCost;
            if (again >= 0)
                timer.tickAgainIn(again);
        });
    }
    void TearDown() override { TTimer::setMonotonic({}); }
    // Delivers the tick due at `at` (the system timer's shot, which may come late).
    void deliverAt(qint64 at)
    {
        m_now = 1'000'000 + at;
        QMetaObject::invokeMethod(&timer, "deliver");
    }

    qint64 m_now = 1'000'000;
    qint64 again = -1;
    qint64 handlerCost = 0;
    int ticks = 0;
    TTimer timer;
};

TEST_F(GridTimer, TicksOnTheGridUnlessToldWhenTheNextIsWanted)
{
    timer.setInterval(100);
    timer.start();
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.nextTickAt(), 100);
    deliverAt(100);
    EXPECT_EQ(timer.nextTickAt(), 200);
    again = 871; // counted from the delivery, not from when the handler gets to it
    handlerCost = 30;
    deliverAt(203);
    EXPECT_EQ(timer.nextTickAt(), 1074);
    again = -1;
    handlerCost = 0;
    deliverAt(1074);
    EXPECT_EQ(timer.nextTickAt(), 1100); // back on the grid
    deliverAt(1350);
    EXPECT_EQ(timer.nextTickAt(), 1400);
    again = 0; // never the same moment again
    deliverAt(1400);
    EXPECT_EQ(timer.nextTickAt(), 1401);
    EXPECT_EQ(ticks, 5);
}

TEST_F(GridTimer, WakeReturnsToTheGridAndStopEndsTheTicks)
{
    timer.start();
    again = 5000;
    deliverAt(100);
    EXPECT_EQ(timer.nextTickAt(), 5100);
    m_now += 420;
    timer.wake();
    EXPECT_EQ(timer.nextTickAt(), 600);
    timer.stop();
    EXPECT_FALSE(timer.isActive());
    deliverAt(600);
    EXPECT_EQ(ticks, 1); // a shot already on its way after stop() is dropped
    timer.wake(); // and waking a stopped timer starts nothing
    EXPECT_FALSE(timer.isActive());
}

TEST_F(GridTimer, StartBeginsAFreshGrid)
{
    timer.start();
    deliverAt(100);
    m_now += 37;
    timer.start();
    EXPECT_EQ(timer.nextTickAt(), 100);
    deliverAt(137 + 100);
    EXPECT_EQ(timer.nextTickAt(), 200);
}

TEST(ClockChangeWatch, WatchesOnLinux)
{
    ClockChangeWatch watch;
#ifdef __linux__
    EXPECT_TRUE(watch.isWatching());
#endif
}

} // namespace
