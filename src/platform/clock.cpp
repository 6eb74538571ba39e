#include "platform/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <QThread>

#include <vector>

namespace platform {

namespace {

RealClock g_realClock;
Clock* g_clock = &g_realClock;

// Every running waitUntil() registers here so wakeWaiters() can reach it.
struct Waiter {
    const std::function<bool()>* done;
    QEventLoop* loop;
};
std::vector<Waiter*> g_waiters;

qint64 monotonicMs()
{
    static QElapsedTimer timer = [] { QElapsedTimer t; t.start(); return t; }();
    return timer.elapsed();
}

} // namespace

Clock& clock() { return *g_clock; }
void setClock(Clock* c) { g_clock = c ? c : &g_realClock; }

void wakeWaiters()
{
    // Copy: a woken loop may unregister while we iterate.
    const std::vector<Waiter*> waiters = g_waiters;
    for (Waiter* w : waiters) {
        if (w->done && *w->done && (*w->done)())
            w->loop->quit();
    }
}

qint64 RealClock::tickMs() { return monotonicMs(); }

QDateTime RealClock::now() { return QDateTime::currentDateTime(); }

void RealClock::sleepMs(qint64 ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

bool RealClock::waitUntil(qint64 deadline, const std::function<bool()>& done,
                          bool excludeUserInput)
{
    if (done && done())
        return true;
    const qint64 remaining = deadline - tickMs();
    if (remaining <= 0)
        return done ? done() : false;
    if (!QCoreApplication::instance()) {
        // No event loop to run (command-line tools): a plain sleep keeps the contract
        // for timed waits; conditions can only be checked at the end.
        sleepMs(remaining);
        return done ? done() : false;
    }

    QEventLoop loop;
    Waiter waiter{&done, &loop};
    g_waiters.push_back(&waiter);

    QTimer deadlineTimer;
    deadlineTimer.setTimerType(Qt::PreciseTimer);
    deadlineTimer.setSingleShot(true);
    // A precise timer still may fire a little early; re-arm until the tick has passed.
    QObject::connect(&deadlineTimer, &QTimer::timeout, &loop, [&] {
        const qint64 left = deadline - tickMs();
        if (left > 0)
            deadlineTimer.start(static_cast<int>(std::min<qint64>(left, INT_MAX)));
        else
            loop.quit();
    });
    deadlineTimer.start(static_cast<int>(std::min<qint64>(remaining, INT_MAX)));

    loop.exec(excludeUserInput ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);

    std::erase(g_waiters, &waiter);
    return done ? done() : false;
}

qint64 FakeClock::tickMs() { return real_.tickMs() + offset_; }

QDateTime FakeClock::now() { return nowBase_.addMSecs(tickMs() - nowBaseTick_); }

void FakeClock::setNow(const QDateTime& at)
{
    nowBase_ = at;
    nowBaseTick_ = tickMs();
}

void FakeClock::sleepMs(qint64 ms)
{
    log_.push_back({Entry::Sleep, tickMs(), ms});
    if (ms > 0)
        offset_ += ms;
}

bool FakeClock::waitUntil(qint64 deadline, const std::function<bool()>& done,
                          bool excludeUserInput)
{
    const qint64 start = tickMs();
    const auto flags = excludeUserInput ? QEventLoop::ExcludeUserInputEvents
                                        : QEventLoop::AllEvents;
    if (!done || instant_) {
        log_.push_back({done ? Entry::ConditionWait : Entry::TimedWait, start, deadline - start});
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(flags);
        if (done && done())
            return true;
        if (deadline > tickMs())
            offset_ += deadline - tickMs();
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(flags);
        return done ? done() : false;
    }
    const std::size_t entry = log_.size();
    log_.push_back({Entry::ConditionWait, start, deadline - start});
    const std::function<bool()> counted = [&] {
        if (entry < log_.size())
            ++log_[entry].looks;
        return done();
    };
    return real_.waitUntil(deadline - offset_, counted, excludeUserInput);
}

qint64 FakeClock::virtualMsSpent() const
{
    qint64 sum = 0;
    for (const Entry& e : log_)
        if (e.kind != Entry::ConditionWait)
            sum += e.ms;
    return sum;
}

} // namespace platform
