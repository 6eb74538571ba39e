// The link against the simulated instrument over a real pseudo-terminal, on the real
// clock and the real serial port.
#include "link/comm_records.h"
#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/modbus_ascii.h"
#include "link/mscomm.h"
#include "platform/clock.h"
#include "platform/strings.h"
#include "support/link_support.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"

#include "instrument_sim.h"
#include "line_format.h"
#include "support/form_access.h"
#include "support/modal.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using sim::Fault;
using sim::FaultScope;

class OverPty : public ::testing::Test {
protected:
    explicit OverPty(sim::Type type = sim::Type::H5, int slave = 1) : inst(type, slave) {}

    void SetUp() override
    {
        inst.start();
        qputenv("TCPANEL_COM1", QByteArray::fromStdString(inst.path()));
        SetStartValues();
        commState = CommState{};
        boxes.autoAcknowledgeOk();
    }

    void TearDown() override
    {
        platform::setLanguage(platform::Language::English);
        testsupport::closeLink();
        qunsetenv("TCPANEL_COM1");
        inst.stop();
    }

    std::string lastRequest() const
    {
        const auto log = inst.requests();
        return log.empty() ? std::string() : log.back().raw;
    }

    sim::Instrument inst;
    testsupport::RecordingShell shell;
    testsupport::ScriptedMessages boxes;
};

TEST_F(OverPty, OpensThroughTheEnvironmentAndPutsTheExactBytesOnTheLine)
{
    ASSERT_EQ(OpenCommPort(), 0) << "DTR and RTS refused by the pty are no failure";
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
    EXPECT_EQ(reply, QByteArray(":010302020AEE\r\n"));
    EXPECT_EQ(lastRequest(), ":010304040001F3\r\n");

    EXPECT_EQ(WriteSingleRegister(1, 1280, 1, 0), 0);
    EXPECT_EQ(lastRequest(), ":010605000001F3\r\n");
    EXPECT_EQ(inst.read16(1280), 1);

    EXPECT_EQ(ReadHoldingRegisters(1, 1024, 3, reply, 0), 0);
    EXPECT_EQ(ReplyRegisterLow(reply, 0), 0x25);
    EXPECT_EQ(ReplyRegisterLow(reply, 1), 0x25);
    EXPECT_EQ(ReplyRegisterHigh(reply, 2), 2);

    inst.clearRequests();
    EXPECT_TRUE(SendCommandDD(1, 0));
    ASSERT_TRUE(inst.waitForRequests(1, 1000ms)) << "the frame reaches the line without a wait";
    EXPECT_EQ(lastRequest(), ":01DD0000000022\r\n");
    EXPECT_FALSE(inst.requests().back().answered);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(OverPty, TheDialogsParityDataAndStopBitsReachTheTerminal)
{
    linktest::UartLikeTerminals uart;
    // Held before the program opens the terminal, which then takes it for itself alone.
    const int fd = ::open(inst.path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    frmCommSetup& d = frmCommSetup::instance();
    for (int parity = 0; parity <= 2; ++parity) {
        for (int dataBits = 0; dataBits <= 1; ++dataBits) {
            for (int stopBits = 0; stopBits <= 1; ++stopBits) {
                SCOPED_TRACE((ui(d).cboParity->itemText(parity) + ", " + ui(d).cboDataBits->itemText(dataBits) + ", "
                              + ui(d).cboStopBits->itemText(stopBits)).toStdString());
                ui(d).cboParity->setCurrentIndex(parity);
                ui(d).cboDataBits->setCurrentIndex(dataBits);
                ui(d).cboStopBits->setCurrentIndex(stopBits);
                d.cmdApply_Click();
                ASSERT_EQ(OpenCommPort(), 0) << CommControl().lastErrorText().toStdString() << boxes.count() << commSettings.nCommPort;
                termios t{};
                ASSERT_EQ(::tcgetattr(fd, &t), 0);
                EXPECT_EQ((t.c_cflag & PARENB) != 0, parity != 0);
                if (parity != 0) {
                    EXPECT_EQ((t.c_cflag & PARODD) != 0, parity == 1);
                }
                EXPECT_EQ(t.c_cflag & CSIZE, dataBits == 0 ? tcflag_t(CS7) : tcflag_t(CS8));
                EXPECT_EQ((t.c_cflag & CSTOPB) != 0, stopBits == 1);
                CommControl().setPortOpen(false);
            }
        }
    }
    EXPECT_EQ(boxes.count(), 0);
    ::close(fd);
}

TEST_F(OverPty, SecondOpenGivesMessage2AndKeepsThePortOpen)
{
    ASSERT_EQ(OpenCommPort(), 0);
    EXPECT_EQ(OpenCommPort(), 2);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(267));
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0) << "the port still works";
}

// The box keeps its text; its detail names the device tried, the system's reason and
// what to do.
TEST_F(OverPty, MissingOrLockedDeviceGivesMessage1WithTheDeviceAndTheReason)
{
    qputenv("TCPANEL_COM1", "/nonexistent/tty-of-nobody");
    EXPECT_EQ(OpenCommPort(), 1);
    EXPECT_FALSE(CommControl().PortOpen());
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(266));
    const QString missing = boxes.last().detail;
    EXPECT_TRUE(missing.startsWith("COM1 is /nonexistent/tty-of-nobody: No such file or directory."))
        << missing.toStdString();
    EXPECT_TRUE(missing.contains("TCPANEL_COM1=/dev/ttyUSB0")) << missing.toStdString();
    // In the user's language, the device and the system's reason as the system gives them.
    for (const auto& [lang, start] : {std::pair{platform::Language::TraditionalChinese, "COM1 對應 "},
                                      {platform::Language::SimplifiedChinese, "COM1 对应 "}}) {
        platform::setLanguage(lang);
        EXPECT_EQ(OpenCommPort(), 1);
        EXPECT_TRUE(boxes.last().detail.startsWith(QString::fromUtf8(start) + "/nonexistent/tty-of-nobody：No such"))
            << boxes.last().detail.toStdString();
    }
    platform::setLanguage(platform::Language::English);
    boxes.clear();

    // Another program holds the device.
    qputenv("TCPANEL_COM1", QByteArray::fromStdString(inst.path()));
    QSerialPort other(QString::fromStdString(inst.path()));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    EXPECT_EQ(OpenCommPort(), 1);
    EXPECT_FALSE(CommControl().PortOpen());
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(266));
    const QString held = boxes.last().detail;
    EXPECT_TRUE(held.startsWith(QString("COM1 is %1: ").arg(inst.path().c_str()))) << held.toStdString();
    EXPECT_TRUE(held.contains("Another program is using the device")) << held.toStdString();
    EXPECT_FALSE(held.contains("dialout")) << held.toStdString();
    other.close();
    EXPECT_EQ(OpenCommPort(), 0);

    // A failure before any device was tried names none.
    testsupport::closeLink();
    commSettings.nBaudIndex = 9;
    EXPECT_EQ(OpenCommPort(), 1);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.last().detail.isEmpty()) << boxes.last().detail.toStdString();
}

TEST_F(OverPty, DeviceWithoutPermissionPointsToTheDialoutGroup)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may open any device";
    QTemporaryDir dir;
    const QString path = dir.filePath("ttyUSB0");
    QFile device(path);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    device.close();
    ASSERT_TRUE(device.setPermissions(QFileDevice::Permissions()));
    qputenv("TCPANEL_COM1", QFile::encodeName(path));
    EXPECT_EQ(OpenCommPort(), 1);
    EXPECT_FALSE(CommControl().PortOpen());
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(266));
    const QString detail = boxes.last().detail;
    EXPECT_TRUE(detail.startsWith(QString("COM1 is %1: Permission denied.").arg(path))) << detail.toStdString();
    EXPECT_TRUE(detail.contains("add yourself to the dialout group: sudo usermod -aG dialout $USER, then log in again"))
        << detail.toStdString();
}

// What the user sees: the message box itself, with the detail under the text.
TEST_F(OverPty, TheBoxShowsTheDetailUnderTheMessage)
{
    qputenv("TCPANEL_COM3", "/nonexistent/tty-of-nobody");
    commSettings.nCommPort = 3;
    platform::setMessagePresenter(nullptr);
    QString text;
    QString informative;
    testsupport::whenModalShown([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        text = box->text();
        informative = box->informativeText();
        const auto* label = box->findChild<QWidget*>("qt_msgbox_informativelabel");
        EXPECT_LE(label->fontMetrics().horizontalAdvance("TCPANEL_COM3=/dev/ttyUSB0"), label->contentsRect().width());
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(OpenCommPort(), 1);
    platform::setMessagePresenter(&boxes);
    qunsetenv("TCPANEL_COM3");
    EXPECT_EQ(text, platform::LoadResString(266));
    EXPECT_TRUE(informative.startsWith("COM3 is /nonexistent/tty-of-nobody: No such file or directory."))
        << informative.toStdString();
    EXPECT_TRUE(informative.endsWith("\nTCPANEL_COM3=/dev/ttyUSB0")) << "the command whole, on a line of its own";
}

TEST_F(OverPty, BytePacedReplyMustFinishWithinTheTimeOut)
{
    ASSERT_EQ(OpenCommPort(), 0);
    commState.bSilentComm = 1;
    // 15 reply characters, 40 ms after each: about 600 ms for the whole reply.
    inst.setFault(Fault::byteGap(40));
    QByteArray reply;
    commSettings.nTimeOut = 1200;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0);
    EXPECT_EQ(reply, QByteArray(":010302020AEE\r\n"));

    commSettings.nTimeOut = 150;
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3) << "bytes still arriving at the deadline";
    EXPECT_GE(t.elapsed(), 150);
    EXPECT_LT(t.elapsed(), 450) << "ended at the deadline, not with the reply";
    EXPECT_FALSE(reply.isEmpty());
    EXPECT_FALSE(reply.endsWith('\n'));

    // The rest of that reply, once it has come in, is thrown away before the next request.
    inst.clearFaults();
    platform::pumpFor(600);
    commSettings.nTimeOut = 1000;
    EXPECT_EQ(ReadHoldingRegisters(1, 1024, 1, reply, 0), 0);
    EXPECT_EQ(ReplyRegisterLow(reply, 0), 0x25);

    // Asked again at once, while the rest still trickles in: the next request waits
    // until the line has fallen quiet, so its reply comes alone.
    inst.setFault(Fault::byteGap(40), FaultScope::next());
    commSettings.nTimeOut = 150;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
    EXPECT_EQ(ReadHoldingRegisters(1, 1024, 1, reply, 0), 0);
    EXPECT_EQ(ReplyRegisterLow(reply, 0), 0x25);
}

TEST_F(OverPty, SilenceTimesOutOnTimeAndReportsIt)
{
    ASSERT_EQ(OpenCommPort(), 0);
    inst.setFault(Fault::noReply());
    commSettings.nTimeOut = 300;
    QElapsedTimer t;
    t.start();
    QByteArray reply;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
    EXPECT_GE(t.elapsed(), 300);
    EXPECT_LT(t.elapsed(), 600);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(268));
    EXPECT_EQ(shell.PanelText(4), "Read Error");
    EXPECT_FALSE(CommControl().PortOpen());
}

TEST_F(OverPty, FaultyRepliesAreRefused)
{
    ASSERT_EQ(OpenCommPort(), 0);
    commState.bSilentComm = 1;
    QByteArray reply;
    struct Case { Fault fault; int code; };
    const Case cases[] = {
        {Fault::badLrc(), 12},      {Fault::wrongSlave(2), 12}, {Fault::strayByte(), 12},
        {Fault::truncate(9), 3},    {Fault::exception(2), 29},  {Fault::exception(1), 28},
        {Fault::exception(4), 23},  {Fault::lowerCase(), 0},    {Fault::trailingBytes(":01"), 0},
    };
    for (const Case& c : cases) {
        inst.setFault(c.fault, FaultScope::next());
        commSettings.nTimeOut = 300;
        EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), c.code) << static_cast<int>(c.fault.kind);
    }
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 0) << "bytes after the LF were cleared";
    EXPECT_EQ(reply, QByteArray(":010302020AEE\r\n"));
    // A line shorter than any answer never reaches what the wait waits for: it is looked
    // at when the time is up and refused as broken, not taken for silence.
    inst.setFault(Fault::truncate(7), FaultScope::next());
    inst.setFault(Fault::trailingBytes("\r\n"), FaultScope::next());
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 12);
    EXPECT_EQ(reply, QByteArray(":010302\r\n"));
    // So also when the line is held for a long reply beyond the time-out (14 registers at
    // 1200 baud) and the short line comes during the hold.
    CommControl().setPortOpen(false);
    commSettings.nBaudIndex = 0;
    ASSERT_EQ(OpenCommPort(), 0);
    for (const Fault& f : {Fault::truncate(7), Fault::trailingBytes("\r\n"), Fault::byteGap(5)})
        inst.setFault(f, FaultScope::next());
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 14, reply, 0), 12);
    EXPECT_EQ(reply, QByteArray(":01031C\r\n"));
    inst.setFault(Fault::exception(2), FaultScope::next());
    commState.bSilentComm = 0;
    EXPECT_EQ(WriteSingleRegister(1, 1280, 5, 0), 29);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(341));
}

TEST_F(OverPty, PortClosesWhenTheOtherSideGoesAway)
{
    ASSERT_EQ(OpenCommPort(), 0);
    inst.stop();
    platform::pumpFor(600);
    EXPECT_FALSE(CommControl().PortOpen());
    QByteArray reply;
    commState.bSilentComm = 1;
    EXPECT_EQ(ReadHoldingRegisters(1, 1028, 1, reply, 0), 3);
}

class SearchOverPty : public OverPty {
protected:
    SearchOverPty() : OverPty(sim::Type::H5, 0x0A) {}
};

TEST_F(SearchOverPty, SearchFindsTheInstrument)
{
    commSettings.nTimeOut = 60;
    frmCommSetup& d = frmCommSetup::instance();
    ui(d).OptModeSelect[1]->click();
    // Stop once the instrument is listed, so the test need not wait for all 255 IDs.
    QObject::connect(ui(d).cboAddress_Auto->model(), &QAbstractItemModel::rowsInserted, &d, [&d] {
        QMetaObject::invokeMethod(ui(d).cmdStop, &QPushButton::click, Qt::QueuedConnection);
    });
    ui(d).cmdSearch->click();
    ASSERT_EQ(ui(d).cboAddress_Auto->count(), 1);
    EXPECT_EQ(ui(d).cboAddress_Auto->itemText(0), "0A : QD-Max730");
    EXPECT_EQ(ui(d).txtDeviceID_Auto->text(), "0A");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(d.MSComm1()->PortOpen());
    EXPECT_GE(inst.requests().size(), 10u);

    ui(d).cmdOK->click();
    EXPECT_EQ(commSettings.nSlaveID, 0x0A);
    EXPECT_EQ(commSettings.bAutoIdMode, 1);
    EXPECT_EQ(shell.PanelText(3), "Device ID(Hex) : 0A");
}

} // namespace
