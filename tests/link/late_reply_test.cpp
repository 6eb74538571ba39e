// A reply that comes after its time-out is never taken for the next answer: against the
// simulated instrument's delayed replies, and with a fake line that answers a write
// with another write's echo or never falls quiet.
#include "link_fixture.h"

#include "link/modbus_ascii.h"
#include "support/link_support.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"
#include "support/test_scope.h"

#include "instrument_sim.h"

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>

namespace {

using sim::Fault;
using sim::FaultScope;

class LateReplyOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.start();
        qputenv("TCPANEL_COM1", QByteArray::fromStdString(inst.path()));
        SetStartValues();
        commState = CommState{};
        commState.bSilentComm = 1;
        commSettings.nTimeOut = 300;
        inst.write16(1040, 0x1040);
        inst.write16(1042, 0x1042);
        ASSERT_EQ(OpenCommPort(), 0);
    }
    void TearDown() override
    {
        testsupport::closeLink();
        qunsetenv("TCPANEL_COM1");
        inst.stop();
    }
    double msBetween(std::size_t a, std::size_t b) const
    {
        const auto log = inst.requests();
        return std::chrono::duration<double, std::milli>(log.at(b).time - log.at(a).time).count();
    }

    sim::Instrument inst{sim::Type::H5, 1};
    testsupport::RecordingShell shell;
    testsupport::ScriptedMessages boxes;
};

} // namespace

TEST_F(LateReplyOverPty, ALateReadReplyIsDiscardedBeforeTheNextRead)
{
    QByteArray reply;
    inst.setFault(Fault::delay(450), FaultScope::atAddress(1040));
    EXPECT_EQ(ReadHoldingRegisters(1, 1040, 1, reply, 0), 3);
    inst.clearFaults();
    EXPECT_EQ(ReadHoldingRegisters(1, 1042, 1, reply, 0), 0);
    EXPECT_EQ(ReplyRegister(reply, 0), 0x1042);
    // The late reply came 150 ms after the time-out; the next request waited for it
    // and then for a quiet line of one time-out.
    EXPECT_GE(msBetween(0, 1), 450 + 300);
    // A quiet line costs nothing more once it has been quiet long enough.
    EXPECT_EQ(ReadHoldingRegisters(1, 1040, 1, reply, 0), 0);
    EXPECT_EQ(ReplyRegister(reply, 0), 0x1040);
    EXPECT_LT(msBetween(1, 2), 100);
}

TEST_F(LateReplyOverPty, ALateEchoIsNoAnswerToTheNextWrite)
{
    inst.setFault(Fault::delay(450), FaultScope::next());
    EXPECT_EQ(WriteSingleRegister(1, 1280, 5, 0), 3);
    EXPECT_EQ(WriteSingleRegister(1, 1282, 7, 0), 0);
    EXPECT_EQ(inst.read16(1282), 7);
    EXPECT_GE(msBetween(0, 1), 450 + 300);

    // The port closed under a waiting read: whatever comes after a reopen is suspect too.
    inst.setFault(Fault::delay(200), FaultScope::next());
    QTimer::singleShot(50, testsupport::testScope(), [] { CommControl().setPortOpen(false); });
    QByteArray reply;
    EXPECT_NE(ReadHoldingRegisters(1, 1040, 1, reply, 0), 0);
    ASSERT_EQ(OpenCommPort(), 0);
    EXPECT_EQ(ReadHoldingRegisters(1, 1042, 1, reply, 0), 0);
    EXPECT_EQ(ReplyRegister(reply, 0), 0x1042);
}

namespace linktest {
namespace {

class LateReplyFakeLine : public LinkTest {};

} // namespace

TEST_F(LateReplyFakeLine, AWriteMustEchoItsOwnRegisterAndValue)
{
    openPort();
    commState.bSilentComm = 1;
    fake.line().responder = [](const QByteArray&) { return BuildAsciiFrame("010605001234"); };
    EXPECT_EQ(WriteSingleRegister(1, 1280, 0x1234, 0), 0);
    EXPECT_EQ(WriteSingleRegister(1, 1282, 0x1234, 0), 12) << "another register's echo";
    EXPECT_EQ(WriteSingleRegister(1, 1280, 0x1235, 0), 12) << "another value's echo";
}

TEST_F(LateReplyFakeLine, ALineThatNeverFallsQuietSendsNothing)
{
    openPort();
    commState.bSilentComm = 1;
    commSettings.nTimeOut = 100;
    clock.setInstantTimeouts(false); // the chatter comes in real time
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
    const int framesBefore = static_cast<int>(fake.line().frames.size());
    QTimer chatter;
    QObject::connect(&chatter, &QTimer::timeout, [this] { fake.line().arrive("0"); });
    chatter.start(20);
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
    EXPECT_EQ(static_cast<int>(fake.line().frames.size()), framesBefore);
    // Once it is quiet, requests go out again.
    chatter.stop();
    fake.line().responder = [](const QByteArray& f) { return InstrumentReply(f, [](int) { return 0x010A; }); };
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
}

} // namespace linktest
