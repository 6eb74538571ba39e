// Stop and closing the monitoring window end the pause after a poll's exchange at once,
// as they end a waiting read.
#include "monitor_window.h"

namespace {

// On the real clock: a pause that blocked the thread would hold the clicks back.
class MonitorPause : public montest::MonitorWindow {
protected:
    platform::RealClock real;
    platform::ScopedClock useReal{&real};
};

} // namespace

TEST_F(MonitorPause, StopOrClosingEndsThePauseAfterAnExchange)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    frmMonitoring& f = window();
    QPointer<frmMonitoring> guard(&f);
    QElapsedTimer sincePause;
    // Polls with a pause of 3 s; `act` runs 200 ms into the pause after the next request.
    // True once the poll has ended, the time from its last request on in sincePause.
    const auto inThePause = [&](const std::function<void()>& act) {
        commSettings.nCommDelay = 3000;
        const std::size_t before = dev.requests().size();
        QTimer watcher;
        watcher.setInterval(5);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (dev.requests().size() > before) {
                watcher.stop();
                sincePause.start();
                QTimer::singleShot(200, act);
            }
        });
        watcher.start();
        return QTest::qWaitFor(
            [&] { return sincePause.isValid() && !LinkRequestInProgress() && (!guard || !guard->Polling()); }, 5000);
    };

    clickStart();
    ASSERT_TRUE(waitPolls(1));
    ASSERT_TRUE(inThePause([&] { clickStop(); }));
    EXPECT_LT(sincePause.elapsed(), 1000);
    EXPECT_FALSE(portOpen());
    EXPECT_EQ(ui(f).ImageStart->requestedName(), "IMAGE_START_E");
    const std::size_t sent = dev.requests().size();
    QTest::qWait(50);
    EXPECT_EQ(dev.requests().size(), sent) << "nothing goes out after Stop";

    commSettings.nCommDelay = 0;
    clickStart();
    ASSERT_TRUE(waitPolls(1));
    sincePause.invalidate();
    ASSERT_TRUE(inThePause([&] { guard->close(); }));
    EXPECT_LT(sincePause.elapsed(), 1000);
    testsupport::dropDeferredDeletes();
    EXPECT_TRUE(guard.isNull());
    EXPECT_FALSE(portOpen());
    EXPECT_FALSE(monitorState.bMonitoring);
    EXPECT_FALSE(commState.bSilentComm);
    EXPECT_EQ(boxes.count(), 0);
}
