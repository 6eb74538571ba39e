#include "platform/clock.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <ctime>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

} // namespace

TEST(RealClock, TimedWaitRunsEventsAndReachesItsDeadlineWithoutSpinning)
{
    platform::RealClock c;
    bool timerRan = false;
    QTimer::singleShot(20, [&] { timerRan = true; });
    const qint64 start = c.tickMs();
    const double cpu0 = cpuSeconds();
    c.waitUntil(start + 300, {});
    const qint64 elapsed = c.tickMs() - start;
    const double cpu = cpuSeconds() - cpu0;
    EXPECT_TRUE(timerRan);
    EXPECT_GE(elapsed, 300);
    EXPECT_LT(elapsed, 400);
    // An idle wait must leave the core alone.
    EXPECT_LT(cpu, 0.05);
}

TEST(RealClock, ConditionWaitEndsWhenWokenNotAtDeadline)
{
    platform::RealClock c;
    bool ready = false;
    QTimer::singleShot(30, [&] {
        ready = true;
        platform::wakeWaiters();
    });
    const qint64 start = c.tickMs();
    EXPECT_TRUE(c.waitUntil(start + 5000, [&] { return ready; }));
    EXPECT_LT(c.tickMs() - start, 1000);

    // A condition that never holds gives up at the deadline.
    const qint64 t0 = c.tickMs();
    EXPECT_FALSE(c.waitUntil(t0 + 50, [] { return false; }));
    EXPECT_GE(c.tickMs() - t0, 50);
}

TEST(FakeClock, SleepsAndTimedWaitsCostNothingButAdvanceTheTick)
{
    platform::FakeClock fake;
    platform::ScopedClock scope(&fake);
    QElapsedTimer real;
    real.start();
    const qint64 t0 = platform::tickMs();
    platform::pumpFor(8000);
    platform::sleepMs(4000);
    EXPECT_GE(platform::tickMs() - t0, 12000);
    EXPECT_LT(real.elapsed(), 500);
    ASSERT_EQ(fake.log().size(), 2u);
    EXPECT_EQ(fake.log()[0].kind, platform::FakeClock::Entry::TimedWait);
    EXPECT_EQ(fake.log()[0].ms, 8000);
    EXPECT_EQ(fake.log()[1].kind, platform::FakeClock::Entry::Sleep);
    EXPECT_EQ(fake.virtualMsSpent(), 12000);
}

TEST(FakeClock, InstantTimeoutsDeliverQueuedEventsThenJumpToTheDeadline)
{
    platform::FakeClock fake;
    fake.setInstantTimeouts(true);
    platform::ScopedClock scope(&fake);

    bool ready = false;
    QTimer::singleShot(0, [&] { ready = true; });
    EXPECT_TRUE(fake.waitUntil(fake.tickMs() + 1000, [&] { return ready; }));

    const qint64 t0 = fake.tickMs();
    EXPECT_FALSE(fake.waitUntil(t0 + 1000, [] { return false; }));
    EXPECT_GE(fake.tickMs() - t0, 1000);
}
