#pragma once
// Time for the whole program: a monotonic 64-bit millisecond tick, a blocking sleep and
// waits that keep the event loop running. Everything that measures or spends time goes
// through the current Clock so tests can replace it (see FakeClock).
#include <QDateTime>
#include <QtGlobal>
#include <functional>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic clock; never wraps.
    virtual qint64 tickMs() = 0;
    // The local date and time, for what the user reads (time stamps).
    virtual QDateTime now() = 0;
    // Blocks the thread without running the event loop.
    virtual void sleepMs(qint64 ms) = 0;
    // Runs the event loop until `done()` holds or the tick reaches `deadline`.
    // `done` is checked at the start, after every wakeWaiters() and at the deadline;
    // an empty `done` makes a plain timed wait. Returns whether `done()` held.
    // `excludeUserInput` keeps queued clicks and keys out while waiting.
    virtual bool waitUntil(qint64 deadline, const std::function<bool()>& done,
                           bool excludeUserInput = false) = 0;
};

Clock& clock();
// Installs `c` (not owned) as the program's clock; nullptr restores the real one.
void setClock(Clock* c);

// Asks every running waitUntil() to check its condition again. Event sources that can
// satisfy a wait (a serial port's readyRead, a closing port) call this.
void wakeWaiters();

inline qint64 tickMs() { return clock().tickMs(); }
inline void sleepMs(qint64 ms) { clock().sleepMs(ms); }
// A timed wait of `ms` that keeps windows responsive.
inline void pumpFor(qint64 ms) { Clock& c = clock(); c.waitUntil(c.tickMs() + ms, {}); }

class RealClock : public Clock {
public:
    qint64 tickMs() override;
    QDateTime now() override;
    void sleepMs(qint64 ms) override;
    bool waitUntil(qint64 deadline, const std::function<bool()>& done,
                   bool excludeUserInput = false) override;
};

// Test clock: real monotonic time plus a virtual offset. Sleeps and plain timed waits
// advance the offset at once instead of passing real time. A conditional wait runs the
// real event loop (a simulated instrument on a pty answers in real time), unless
// setInstantTimeouts(true): then it only drains pending events and, when the condition
// still fails, jumps to the deadline (for in-process fakes that answer through events).
class FakeClock : public Clock {
public:
    // `looks`: how often a wait on the real event loop checked its condition.
    struct Entry { enum Kind { Sleep, TimedWait, ConditionWait } kind; qint64 at; qint64 ms; int looks = 0; };

    qint64 tickMs() override;
    // Moves with the tick: what setNow() gave plus the ticks since (the real date and
    // time when the clock was made, until setNow()).
    QDateTime now() override;
    void sleepMs(qint64 ms) override;
    bool waitUntil(qint64 deadline, const std::function<bool()>& done,
                   bool excludeUserInput = false) override;

    void setNow(const QDateTime& at);
    void advance(qint64 ms) { offset_ += ms; }
    void setInstantTimeouts(bool on) { instant_ = on; }
    const std::vector<Entry>& log() const { return log_; }
    void clearLog() { log_.clear(); }
    // Sum of the sleeps and timed waits made so far.
    qint64 virtualMsSpent() const;

private:
    RealClock real_;
    qint64 offset_ = 0;
    QDateTime nowBase_ = QDateTime::currentDateTime();
    qint64 nowBaseTick_ = real_.tickMs();
    bool instant_ = false;
    std::vector<Entry> log_;
};

// Installs a clock for the lifetime of a scope.
class ScopedClock {
public:
    explicit ScopedClock(Clock* c) { setClock(c); }
    ~ScopedClock() { setClock(nullptr); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};

} // namespace platform
