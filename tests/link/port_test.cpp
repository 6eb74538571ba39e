// Opening the port: what the control is given, and the failures of the open.
#include "link_fixture.h"

#include "platform/strings.h"

namespace linktest {
namespace {

class OpenPort : public LinkTest {
protected:
    void TearDown() override
    {
        qunsetenv("TCPANEL_COM1");
        qunsetenv("TCPANEL_COM3");
        LinkTest::TearDown();
    }
};

TEST_F(OpenPort, StartValuesConfigureTheControlThenRaiseTheModemLines)
{
    qunsetenv("TCPANEL_COM1");
    EXPECT_EQ(OpenCommPort(), 0);
    EXPECT_EQ(fake.line().log, QStringList({"open /dev/ttyS0 9600,n,8,1", "dtr", "rts"}))
        << "refused modem lines (a pseudo-terminal) are no failure";
    MSComm& port = CommControl();
    EXPECT_EQ(port.CommPort(), 1);
    EXPECT_EQ(port.Settings(), "9600,n,8,1");
    EXPECT_EQ(port.InputMode(), 1);
    EXPECT_EQ(port.InputLen(), 1);
    EXPECT_TRUE(port.PortOpen());
    EXPECT_TRUE(port.DTREnable());
    EXPECT_TRUE(port.RTSEnable());
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(OpenPort, SettingsTextAndDeviceNameFollowTheRecords)
{
    qputenv("TCPANEL_COM3", "/tmp/some-pty");
    commSettings.nCommPort = 3;
    commSettings.nBaudIndex = 8;
    commSettings.nParityIndex = 2;
    commSettings.nDataBitsIndex = 0;
    commSettings.nStopBitsIndex = 1;
    EXPECT_EQ(OpenCommPort(), 0);
    EXPECT_EQ(CommControl().Settings(), "57600,e,7,2");
    EXPECT_EQ(fake.line().log.value(0), "open /tmp/some-pty 57600,e,7,2");

    CommControl().setPortOpen(false);
    commSettings.nCommPort = 12;
    EXPECT_EQ(OpenCommPort(), 0);
    EXPECT_EQ(fake.line().log.filter("open ").last(), "open /dev/ttyS11 57600,e,7,2");
}

TEST_F(OpenPort, PortNumberBelowOneIsRefusedWithoutAnOpen)
{
    commSettings.nCommPort = 0;
    EXPECT_EQ(OpenCommPort(), 1);
    EXPECT_EQ(fake.line().devicesMade, 0);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(266));
    commSettings.nCommPort = -5;
    EXPECT_EQ(OpenCommPort(), 1);
    EXPECT_EQ(fake.line().devicesMade, 0);
}

TEST_F(OpenPort, SecondOpenReportsTheOpenPortAndKeepsIt)
{
    commState.bSilentComm = 1; // the opener shows its messages whatever the flag holds
    EXPECT_EQ(OpenCommPort(), 0);
    EXPECT_EQ(OpenCommPort(), 2);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(267));
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(CommControl().PortOpen());
    EXPECT_EQ(fake.line().devicesMade, 1);
}

TEST_F(OpenPort, AnyOtherFailureShowsMessage1WithThePortClosed)
{
    commState.bSilentComm = 1;
    for (auto result : {SerialDevice::OpenResult::NotFound, SerialDevice::OpenResult::Busy,
                        SerialDevice::OpenResult::Failed}) {
        boxes.clear();
        fake.line().openResult = result;
        EXPECT_EQ(OpenCommPort(), 1);
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().text, platform::LoadResString(266));
        EXPECT_FALSE(CommControl().PortOpen());
    }
    // Indices the settings text has no entry for.
    fake.line().openResult = SerialDevice::OpenResult::Ok;
    commSettings.nBaudIndex = 9;
    EXPECT_EQ(OpenCommPort(), 1);
    EXPECT_FALSE(CommControl().PortOpen());
}

TEST_F(OpenPort, LostDeviceClosesThePortOnce)
{
    ASSERT_EQ(OpenCommPort(), 0);
    fake.line().lose();
    QCoreApplication::processEvents();
    EXPECT_FALSE(CommControl().PortOpen());
    // The control opens afresh afterwards.
    EXPECT_EQ(OpenCommPort(), 0);
}

TEST_F(OpenPort, BufferCountsAndInput)
{
    MSComm& port = CommControl();
    EXPECT_FALSE(port.setInBufferCount(0)) << "needs the port open";
    EXPECT_EQ(port.lastError(), kCommErrPortNotOpen);
    ASSERT_EQ(OpenCommPort(), 0);
    fake.line().arrive("abc");
    EXPECT_EQ(port.InBufferCount(), 3);
    EXPECT_EQ(port.Input(), QByteArray("a")) << "InputLen 1: one byte per read";
    EXPECT_FALSE(port.setInBufferCount(2));
    EXPECT_TRUE(port.setInBufferCount(0));
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_FALSE(port.setCommPort(2)) << "the port number cannot change while open";
    EXPECT_EQ(port.lastError(), kCommErrPortAlreadyOpen);

    // Input beyond the control's buffer raises the overflow event once.
    setPanel4("");
    fake.line().arrive(QByteArray(MSComm::kInBufferSize + 1, 'x'));
    EXPECT_EQ(panel4(), "Receive buffer overflow");
    setPanel4("");
    fake.line().arrive("y");
    EXPECT_EQ(panel4(), "");
}

// While a reply trickles in, the port is not read until all but its last two characters
// can have crossed the line; the wait's end reads in what waits at once.
TEST_F(OpenPort, ATricklingReplyIsHeldForTheLineTimeOfAllButItsLastTwoCharacters)
{
    ASSERT_EQ(OpenCommPort(), 0); // 9600,n,8,1: ten bits a character
    MSComm& port = CommControl();
    fake.line().log.clear();
    port.setWakeThreshold(11, 15);
    fake.line().arrive(":");  // 12 of 14 to come: 12.5 ms
    fake.line().arrive("0");
    port.setWakeThreshold(1);
    port.setWakeThreshold(3, 5);
    fake.line().arrive("1"); // 2 ms would save nothing
    port.setWakeThreshold(2, 15);
    fake.line().arrive("23"); // the threshold is reached: no hold
    EXPECT_EQ(fake.line().log, QStringList({"hold 12", "resume"}));
    port.setInBufferCount(0);
    port.setPortOpen(false);

    commSettings.nBaudIndex = 0;   // 1200,e,7,2: eleven bits a character
    commSettings.nParityIndex = 2;
    commSettings.nDataBitsIndex = 0;
    commSettings.nStopBitsIndex = 1;
    ASSERT_EQ(OpenCommPort(), 0);
    fake.line().log.clear();
    port.setWakeThreshold(11, 15);
    fake.line().arrive(":");
    EXPECT_EQ(fake.line().log, QStringList({"hold 110"}));
}

} // namespace
} // namespace linktest
