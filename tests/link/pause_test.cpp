// The pause after each exchange on the real clock, against the in-process fake line.
#include "link_fixture.h"

#include <QElapsedTimer>
#include <QTimer>

namespace linktest {
namespace {

class Pause : public LinkTest {
protected:
    platform::RealClock real;
    platform::ScopedClock useReal{&real};
};

TEST_F(Pause, EventsRunThroughThePauseWhichHoldsTheLineAndKeepsTheRequestsApart)
{
    openPort();
    QElapsedTimer time;
    time.start();
    std::vector<qint64> sentAt;
    fake.line().responder = [&](const QByteArray& frame) {
        sentAt.push_back(time.nsecsElapsed());
        return InstrumentReply(frame, [](int) { return 0x0025; });
    };
    commSettings.nCommDelay = 300;

    // A timer every 10 ms; its fifth tick, in the first pause, tries a request of its own.
    int ticks = 0, innerRead = -1;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (++ticks == 5) {
            QByteArray other;
            innerRead = ReadHoldingRegisters(1, 1026, 1, other, 0);
        }
    });
    ticker.start();
    QByteArray reply;
    ASSERT_EQ(ReadHoldingRegisters(1, 1024, 1, reply, 0), 0);
    ASSERT_EQ(WriteSingleRegister(1, 1280, 1, 0), 0);
    const qint64 total = time.elapsed();
    ticker.stop();

    EXPECT_GE(ticks, 30) << "the event loop ran through the pauses";
    EXPECT_EQ(innerRead, 3) << "the pause keeps the line for its request";
    ASSERT_EQ(sentAt.size(), 2u);
    const double gapMs = static_cast<double>(sentAt[1] - sentAt[0]) / 1e6;
    EXPECT_GE(gapMs, 300.0);
    EXPECT_LT(gapMs, 300.0 + 100);
    EXPECT_GE(total, 600);
    EXPECT_EQ(boxes.count(), 0);
}

} // namespace
} // namespace linktest
