// Reads, writes, the 0xDD request and the waits, against the in-process fake line.
#include "link_fixture.h"

#include "link/modbus_ascii.h"
#include "link/messages.h"
#include "platform/strings.h"
#include "support/test_scope.h"

#include <QMetaObject>
#include <QTimer>

namespace linktest {
namespace {

using platform::FakeClock;
using platform::MsgIcon;

int typeRegister(int reg) { return reg == 1028 ? 0x010A : 0x0025; }

QByteArray instrument(const QByteArray& frame) { return InstrumentReply(frame, typeRegister); }

// Whether the clock's last entry is the pause after an exchange of `ms`: a wait that runs
// the event loop (never a blocking sleep) for `ms`.
bool endsWithPause(const FakeClock& clock, qint64 ms)
{
    return !clock.log().empty() && clock.log().back().kind == FakeClock::Entry::ConditionWait
        && clock.log().back().ms == ms;
}

class Transactions : public LinkTest {};

TEST_F(Transactions, ReadSendsTheFrameAndHandsBackTheWholeReply)
{
    openPort();
    fake.line().responder = instrument;
    commSettings.nCommDelay = 500;
    clock.clearLog();

    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
    EXPECT_EQ(reply, QByteArray(":010302010AEF\r\n"));
    EXPECT_EQ(fake.line().log,
              QStringList({"clearOut", "clearIn", "write :010304040001F3\r\n"}));
    EXPECT_EQ(panel4(), "Read...");
    EXPECT_EQ(commState.nErrCode, 0);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(endsWithPause(clock, 500));
    EXPECT_TRUE(fake.line().open);
}

TEST_F(Transactions, StaleBytesAreDiscardedBeforeTheRequest)
{
    openPort();
    // A late reply to an earlier request is waiting in the input.
    fake.line().arrive(":010302FFFFFE\r\n:0103");
    fake.line().responder = instrument;
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
    EXPECT_EQ(reply, QByteArray(":010302010AEF\r\n"));

    // Characters after the first LF stay behind and go with the next request's clearing.
    fake.line().responder = [](const QByteArray& f) { return instrument(f) + ":01"; };
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
    EXPECT_EQ(fake.line().input, QByteArray(":01"));
    EXPECT_EQ(ReadHoldingRegisters(1, 1024, 1, reply, 0), 0);
    EXPECT_EQ(reply, instrument(BuildAsciiFrame(ReadRequestText(1, 1024, 1))));
}

TEST_F(Transactions, TimeOutShowsTheBoxThenTheErrorTextThenClosesWithoutAPause)
{
    openPort();
    commSettings.nTimeOut = 1000;
    commSettings.nCommDelay = 250;
    clock.clearLog();
    const qint64 start = clock.tickMs();

    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
    EXPECT_GT(clock.tickMs() - start, 1000);
    EXPECT_EQ(commState.nErrCode, 3);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(268));
    EXPECT_EQ(boxes.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(boxes.last().title, "Error");
    EXPECT_EQ(boxes.panelAtBox.value(0), "Read...") << "the box comes before the error text";
    EXPECT_TRUE(boxes.portOpenAtBox.at(0)) << "the port closes after the box";
    EXPECT_EQ(panel4(), "Read Error");
    EXPECT_FALSE(fake.line().open);
    EXPECT_EQ(fake.line().log.last(), "close");
    // The job ends here: with the port closed there is no line to pause on.
    EXPECT_LT(clock.tickMs() - start, 1000 + 250);
}

TEST_F(Transactions, SilentTimeOutShowsNothingAndLeavesThePortOpen)
{
    openPort();
    commState.bSilentComm = 1;
    commSettings.nCommDelay = 40;
    clock.clearLog();
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(7, 1028, 1, reply, 0), 3);
    EXPECT_EQ(commState.nErrCode, 3);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(panel4(), "Read...");
    EXPECT_TRUE(fake.line().open);
    EXPECT_TRUE(endsWithPause(clock, 40));

    // A failed write is silent in the same way.
    EXPECT_EQ(WriteSingleRegister(7, 1280, 1, 0), 3);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(panel4(), "Write...");
    EXPECT_TRUE(fake.line().open);
}

TEST_F(Transactions, ReplyChecksGiveTheirCodes)
{
    openPort();
    commState.bSilentComm = 1;
    clock.setInstantTimeouts(false); // the pieces of a reply come in real time
    commSettings.nTimeOut = 400;
    QObject guard;
    QByteArray reply;
    // `cuts`: where the answer breaks into pieces that arrive a few milliseconds apart.
    struct Case { QByteArray answer; int code; const char* why; std::vector<qsizetype> cuts = {}; };
    const Case cases[] = {
        {":010302010BEF\r\n", 12, "LRC mismatch"},
        {BuildAsciiFrame("020302010A"), 12, "another slave answering late"},
        {BuildAsciiFrame("0103"), 12, "a short reply with a good LRC"},
        {BuildAsciiFrame("018301"), 28, "exception 01"},
        {BuildAsciiFrame("018302"), 29, "exception 02"},
        {BuildAsciiFrame("018306"), 23, "another exception"},
        {":010302010AEF\r\n", 0, "a whole reply"},
        {":010302010AEF\r\n", 0, "split at the header", {5}},
        {":010302010AEF\r\n", 0, "in pieces, the LF alone", {1, 5, 9, 14}},
        {":010302010AEF\r\n", 0, "one short of an exception reply, then the rest", {10}},
        {BuildAsciiFrame("018302"), 29, "an exception split at its header", {5}},
        {BuildAsciiFrame("01030201"), 12, "shorter than expected, split", {5}},
        {BuildAsciiFrame("010304010A0000"), 12, "longer than expected, split", {5, 15}},
        // Last: a reply refused before its LF has the next request wait for a quiet line.
        {QByteArray(600, '0'), 12, "no line feed within the longest frame"},
    };
    for (const Case& c : cases) {
        fake.line().responder = [&](const QByteArray&) {
            for (std::size_t k = 0; k < c.cuts.size(); ++k) {
                const qsizetype end = k + 1 < c.cuts.size() ? c.cuts[k + 1] : c.answer.size();
                QTimer::singleShot(3 * static_cast<int>(k + 1), &guard,
                                   [this, piece = c.answer.mid(c.cuts[k], end - c.cuts[k])] { fake.line().arrive(piece); });
            }
            return c.answer.left(c.cuts.empty() ? c.answer.size() : c.cuts[0]);
        };
        clock.clearLog();
        const qint64 start = clock.tickMs();
        EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), c.code) << c.why;
        EXPECT_EQ(commState.nErrCode, c.code) << c.why;
        EXPECT_EQ(reply, c.answer.left(kMaxReplyLength + 1)) << c.why;
        ASSERT_EQ(clock.log().size(), 1u) << c.why << ": one wait for the whole reply";
        // It looks at its start and end and once what it misses has come (twice in pieces).
        EXPECT_LE(clock.log().back().looks, c.cuts.size() > 1 ? 4 : 3) << c.why;
        // The wait looks at a reply once an exception reply's worth is there, else at its
        // deadline.
        EXPECT_EQ(clock.tickMs() - start < commSettings.nTimeOut, c.answer.size() >= 11) << c.why;
    }
    EXPECT_LE(reply.size(), kMaxReplyLength + 1);
}

TEST_F(Transactions, WriteErrorTextComesBeforeTheBox)
{
    openPort();
    fake.line().responder = [](const QByteArray&) { return BuildAsciiFrame("018602"); };
    commSettings.nCommDelay = 10;
    clock.clearLog();
    EXPECT_EQ(WriteSingleRegister(1, 1280, 1, 0), 29);
    EXPECT_EQ(fake.line().frames.value(0), QByteArray(":010605000001F3\r\n"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.panelAtBox.value(0), "Write Error");
    EXPECT_EQ(boxes.last().text, platform::LoadResString(341));
    EXPECT_EQ(boxes.last().icon, MsgIcon::None);
    EXPECT_EQ(panel4(), "Write Error");
    EXPECT_FALSE(fake.line().open);
    EXPECT_FALSE(endsWithPause(clock, 10)) << "no pause once the port is closed";

    // A good echo succeeds, leaves "Write..." for the caller and is waited out as a
    // read is.
    openPort();
    fake.line().responder = instrument;
    EXPECT_EQ(WriteSingleRegister(1, 1280, 0x1234, 0), 0);
    EXPECT_EQ(panel4(), "Write...");
    EXPECT_TRUE(endsWithPause(clock, 10));
    EXPECT_EQ(fake.line().frames.value(0), BuildAsciiFrame("010605001234"));
}

TEST_F(Transactions, ClosedPortIsAnUnexpectedFailureWithoutPause)
{
    commState.nErrCode = 77;
    commSettings.nCommDelay = 500;
    clock.clearLog();
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(268));
    EXPECT_EQ(panel4(), "Read Error");

    EXPECT_EQ(WriteSingleRegister(1, 1280, 1, 0), 5);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(270));
    EXPECT_EQ(boxes.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(panel4(), "Write...");

    EXPECT_TRUE(clock.log().empty()) << "no wait and no pause on this path";
    EXPECT_EQ(commState.nErrCode, 77);
    EXPECT_TRUE(fake.line().frames.isEmpty());
}

TEST_F(Transactions, ArgumentsOutOfRangeSendNothing)
{
    openPort();
    commState.bSilentComm = 1;
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(256, 1028, 1, reply, 0), 3);
    EXPECT_EQ(ReadHoldingRegisters(1, 70000, 1, reply, 0), 3);
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 0, reply, 0), 3);
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 126, reply, 0), 3);
    EXPECT_EQ(WriteSingleRegister(1, 1280, 65536, 0), 5);
    EXPECT_EQ(WriteSingleRegister(-1, 1280, 1, 0), 5);
    EXPECT_FALSE(SendCommandDD(256, 0));
    EXPECT_TRUE(fake.line().frames.isEmpty());
}

TEST_F(Transactions, PortClosingDuringTheWaitEndsIt)
{
    openPort();
    fake.line().responder = [this](const QByteArray&) {
        // The other side goes away while the request waits.
        QMetaObject::invokeMethod(qApp, [this] { fake.line().lose(); }, Qt::QueuedConnection);
        return QByteArray();
    };
    commState.bSilentComm = 1;
    commSettings.nTimeOut = 100000;
    const qint64 start = clock.tickMs();
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 12);
    EXPECT_LT(clock.tickMs() - start, 100000) << "the wait ended with the port, not at the deadline";
    EXPECT_FALSE(CommControl().PortOpen());
}

TEST_F(Transactions, CommandDDIsFramedAndNeverWaitedFor)
{
    openPort();
    fake.line().responder = instrument;
    clock.clearLog();
    setPanel4("before");
    EXPECT_TRUE(SendCommandDD(1, 0));
    EXPECT_EQ(fake.line().log, QStringList({"write :01DD0000000022\r\n"}));
    EXPECT_TRUE(clock.log().empty()) << "no wait and no pause";
    EXPECT_EQ(panel4(), "before");
    EXPECT_EQ(boxes.count(), 0);

    CommControl().setPortOpen(false);
    EXPECT_FALSE(SendCommandDD(1, 0));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Transactions, SecondRequestWhileOneWaitsIsRefusedWithoutTouchingThePort)
{
    openPort();
    int innerRead = -1, innerWrite = -1;
    bool innerDD = true;
    qsizetype logAtInner = -1;
    QString panelAtInner;
    fake.line().responder = [&](const QByteArray& frame) {
        QMetaObject::invokeMethod(qApp, [&] {
            EXPECT_TRUE(LinkRequestInProgress());
            logAtInner = fake.line().log.size();
            QByteArray other;
            innerRead = ReadHoldingRegisters(1, 1024, 1, other, 0);
            innerWrite = WriteSingleRegister(1, 1280, 1, 0);
            innerDD = SendCommandDD(1, 0);
            panelAtInner = panel4();
            EXPECT_EQ(fake.line().log.size(), logAtInner) << "the port was touched";
        }, Qt::QueuedConnection);
        return instrument(frame);
    };
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
    EXPECT_EQ(reply, QByteArray(":010302010AEF\r\n"));
    EXPECT_EQ(innerRead, 3);
    EXPECT_EQ(innerWrite, 5);
    EXPECT_FALSE(innerDD);
    EXPECT_EQ(panelAtInner, "Read...");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(fake.line().frames.size(), 1);
    EXPECT_FALSE(LinkRequestInProgress());
}

TEST_F(Transactions, LineEventsShowInPanel4WithoutEndingTheRequest)
{
    openPort();
    fake.line().responder = [this](const QByteArray& frame) {
        QMetaObject::invokeMethod(qApp, [this] { fake.line().lineEvent(comEventFrame); },
                                  Qt::QueuedConnection);
        return instrument(frame);
    };
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
    EXPECT_EQ(panel4(), "Frameing Error") << "the last writer of the panel wins";
    EXPECT_TRUE(fake.line().open);

    const std::pair<int, const char*> texts[] = {
        {1001, "Receive Error"}, {1002, "Timeout"}, {1003, "Timeout"}, {1004, "Frameing Error"},
        {1006, "Data lost"}, {1007, "Timeout"}, {1008, "Receive buffer overflow"},
        {1009, "Parity Error"}, {1010, "Transmit buffer full"}, {1011, "Receive Error!"},
    };
    for (auto [event, text] : texts) {
        setPanel4("x");
        fake.line().lineEvent(event);
        EXPECT_EQ(panel4(), text) << event;
    }
    for (int other : {1005, 2, 0, 1012}) {
        setPanel4("unchanged");
        fake.line().lineEvent(other);
        EXPECT_EQ(panel4(), "unchanged") << other;
    }
    EXPECT_EQ(CommControl().CommEvent(), 1012);
}

TEST_F(Transactions, WaitMsRunsTheEventLoopForTheWholePause)
{
    clock.clearLog();
    bool ran = false;
    QTimer::singleShot(0, testsupport::testScope(), [&] { ran = true; });
    const qint64 start = clock.tickMs();
    WaitMs(8000);
    EXPECT_TRUE(ran);
    EXPECT_GE(clock.tickMs() - start, 8000);
    ASSERT_EQ(clock.log().size(), 1u);
    EXPECT_EQ(clock.log()[0].kind, FakeClock::Entry::TimedWait);
    EXPECT_EQ(clock.log()[0].ms, 8000);
    WaitMs(0);
    WaitMs(-5);
    EXPECT_EQ(clock.log().size(), 1u);
}

TEST_F(Transactions, HugeTimeOutDoesNotOverflowTheDeadline)
{
    openPort();
    commState.bSilentComm = 1;
    commSettings.nTimeOut = std::numeric_limits<qint32>::max();
    const qint64 start = clock.tickMs();
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
    EXPECT_GE(commState.nTickDeadline - start, std::numeric_limits<qint32>::max());
    EXPECT_LT(commState.nTickDeadline - start, qint64(std::numeric_limits<qint32>::max()) + 60000);
}

} // namespace
} // namespace linktest
