// An upload with a pause after each exchange, on the real clock against the simulated
// instrument: the requests keep the pause between them, and the transfer window goes on
// painting while a pause of seconds runs, the request holding the line meanwhile.
#include "sim_jobs_fixture.h"

#include "core/common_registers.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace simtest;

namespace {

using Steady = std::chrono::steady_clock;

double msBetween(Steady::time_point a, Steady::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Notes when the watched window paints.
class PaintLog : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            times.push_back(Steady::now());
        return QObject::eventFilter(watched, event);
    }
    std::vector<Steady::time_point> times;
};

class UploadPause : public SimTransferTest {
protected:
    platform::RealClock real;
    platform::ScopedClock useReal{&real};
};

TEST_F(UploadPause, EveryRequestWaitsOutThePauseAfterThePreviousExchange)
{
    start(sim::Type::H9);
    commSettings.nCommDelay = 50;
    EXPECT_NE(runJob(0), res(260));
    const std::vector<sim::Request> log = instrument->requests();
    ASSERT_EQ(log.size(), 21u);
    std::vector<double> gaps;
    for (std::size_t i = 1; i < log.size(); ++i)
        gaps.push_back(msBetween(log[i - 1].time, log[i].time));
    EXPECT_GE(*std::min_element(gaps.begin(), gaps.end()), 50.0);
    std::sort(gaps.begin(), gaps.end());
    EXPECT_LT(gaps[gaps.size() / 2], 50.0 + 30);
}

TEST_F(UploadPause, TheTransferWindowPaintsThroughAPauseOfThreeSeconds)
{
    sim::Instrument& inst = start(sim::Type::H9);
    // The second request goes unanswered: the upload ends after one whole pause.
    inst.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegFamily2));
    commSettings.nCommDelay = 3000;

    PaintLog paints;
    frmWriteProcess1::instance().installEventFilter(&paints);
    // Every 100 ms the window is asked to paint, as a window dragged over it would ask;
    // one tick in the pause tries a request of its own.
    int ticks = 0, innerRead = -1;
    QTimer exposer;
    exposer.setInterval(100);
    QObject::connect(&exposer, &QTimer::timeout, [&] {
        if (frmWriteProcess1* w = frmWriteProcess1::loaded())
            w->update();
        if (++ticks == 10 && instrument->requests().size() == 1) {
            QByteArray other;
            innerRead = ReadHoldingRegisters(1, kRegDeviceType, 1, other, 0);
        }
    });
    exposer.start();
    EXPECT_EQ(runJob(0), res(260));
    exposer.stop();

    EXPECT_EQ(innerRead, 3) << "the pause keeps the line for its request";
    const std::vector<sim::Request> log = instrument->requests();
    ASSERT_EQ(log.size(), 2u);
    const double gap = msBetween(log[0].time, log[1].time);
    EXPECT_GE(gap, 3000.0);
    EXPECT_LT(gap, 3000.0 + 200);
    std::vector<Steady::time_point> inPause;
    for (Steady::time_point t : paints.times)
        if (t > log[0].time && t < log[1].time)
            inPause.push_back(t);
    ASSERT_GE(inPause.size(), 20u) << "the window painted through the pause";
    double longest = msBetween(log[0].time, inPause.front());
    for (std::size_t i = 1; i < inPause.size(); ++i)
        longest = std::max(longest, msBetween(inPause[i - 1], inPause[i]));
    EXPECT_LT(longest, 500.0);
    EXPECT_EQ(boxTexts(), QStringList({"Time out !"}));
}

} // namespace
