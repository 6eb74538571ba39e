#include "link/link.h"

#include "core/shell.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "link/mscomm.h"
#include "platform/clock.h"
#include "platform/strings.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

// Set while a read or write is between its first and last step; a second request in
// that time would share the port's input and the wait's deadline with it.
bool g_requestOnLine = false;

class RequestOnLine {
public:
    RequestOnLine() { g_requestOnLine = true; }
    ~RequestOnLine() { g_requestOnLine = false; }
    RequestOnLine(const RequestOnLine&) = delete;
    RequestOnLine& operator=(const RequestOnLine&) = delete;
};

// The link's activity texts go to status panel 4 of the main window.
void setActivityText(const char* text)
{
    if (text)
        core::SetStatusPanel(4, QString::fromLatin1(text));
}

// A line event of the control, as the user is told of it in panel 4; other events
// leave the panel as it is.
void reportLineEvent(int commEvent)
{
    const char* text = nullptr;
    switch (commEvent) {
    case comEventBreak: text = "Receive Error"; break;
    case comEventCTSTO: case comEventDSRTO: case comEventCDTO: text = "Timeout"; break;
    case comEventFrame: text = "Frameing Error"; break;
    case comEventOverrun: text = "Data lost"; break;
    case comEventRxOver: text = "Receive buffer overflow"; break;
    case comEventRxParity: text = "Parity Error"; break;
    case comEventTxFull: text = "Transmit buffer full"; break;
    case comEventDCB: text = "Receive Error!"; break;
    default: return;
    }
    setActivityText(text);
}

MSComm* g_control = nullptr;

void dropControl()
{
    delete g_control;
    g_control = nullptr;
}

void closePort(MSComm& port)
{
    if (port.PortOpen())
        port.setPortOpen(false);
}

// How long the line must be quiet after a failed wait before the next request goes
// out: the reply time-out (at least 50 ms, the shortest the settings take). The
// instrument may answer at any time up to a time-out after the request, so a wait cut
// short by a closed port is covered, and an answer that comes after its time-out is
// caught when it starts within one more time-out. The price is one time-out more after
// every failed wait (a search through silent slave IDs takes twice as long).
qint64 lateReplyGuardMs() { return std::max<qint64>(commSettings.nTimeOut, 50); }

void noteLateReplyPossible()
{
    commState.bLateReplyPossible = true;
    commState.nQuietSince = platform::clock().tickMs();
}

// Discards whatever arrives until the line has been quiet for the guard time. False
// when it does not fall quiet within ten guard times (or the port closes): then no
// request can go out safely.
bool discardLateReply(MSComm& port)
{
    if (!commState.bLateReplyPossible)
        return true;
    platform::Clock& clock = platform::clock();
    const qint64 guard = lateReplyGuardMs();
    const qint64 giveUp = clock.tickMs() + 10 * guard;
    // A failure noted on another clock (one put in since) is long past.
    if (commState.nQuietSince > clock.tickMs())
        commState.nQuietSince = clock.tickMs() - guard;
    const auto arrived = [&port] { return !port.PortOpen() || port.InBufferCount() > 0; };
    for (;;) {
        if (!port.PortOpen())
            return false;
        if (port.InBufferCount() > 0) {
            port.setInBufferCount(0);
            commState.nQuietSince = clock.tickMs();
        }
        const qint64 quietEnough = commState.nQuietSince + guard;
        if (clock.tickMs() >= quietEnough)
            break;
        if (quietEnough > giveUp)
            return false;
        clock.waitUntil(quietEnough, arrived);
    }
    commState.bLateReplyPossible = false;
    return true;
}

// Clears both directions (a late reply to an earlier request included) and sends the
// frame; false when the control refused any step or the line would not fall quiet.
bool sendRequest(MSComm& port, const QByteArray& text)
{
    const QByteArray frame = BuildAsciiFrame(text);
    if (frame.isEmpty())
        return false;
    return discardLateReply(port) && port.setOutBufferCount(0) && port.setInBufferCount(0)
        && port.Output(frame);
}

constexpr int kMaxReadRegisters = (kMaxReplyLength - 11) / 4;

// The pause after an exchange (nCommDelay, up to a minute): the windows keep painting
// and answering, as in a reply wait, so a desktop never takes the program for hung in
// the middle of a download. The request still holds the line meanwhile, so nothing
// else goes out before the pause is over. A port closed under the pause ends it, as it
// ends a reply wait: Stop, Return or closing the monitoring window, a lost device; once
// the port is closed there is no line left to keep quiet.
void pauseAfterExchange(MSComm& port)
{
    if (commSettings.nCommDelay <= 0 || !port.PortOpen())
        return;
    platform::Clock& clock = platform::clock();
    clock.waitUntil(clock.tickMs() + commSettings.nCommDelay, [&port] { return !port.PortOpen(); });
}

// What the user needs to act on a port that would not open: the device tried, the
// system's reason and the usual remedy.
QString openFailureDetail(const MSComm& port)
{
    using platform::LoadResString;
    const int n = port.CommPort();
    QString reason = port.lastErrorText();
    if (reason.isEmpty())
        reason = LoadResString(res::kDetailCannotBeOpened);
    // One pass over the placeholders: the device path and the system's reason are
    // shown as the system gives them, even when they hold a "%".
    QString detail = LoadResString(res::kDetailPortIs).arg(QString::number(n), SerialDeviceName(n), reason);
    switch (port.lastError()) {
    case kCommErrInvalidPort:
        // The command on a line of its own: the box wraps a long line at its slashes, and
        // a user copying "TCPANEL_COM1=/dev/" gets a broken one.
        detail += LoadResString(res::kDetailNameTheDevice).arg(n);
        break;
    case kCommErrPortAccessDenied:
        detail += LoadResString(res::kDetailJoinDialout);
        break;
    case kCommErrPortUnavailable:
        detail += LoadResString(res::kDetailDeviceInUse);
        break;
    default: break;
    }
    return detail;
}

// Whether the program itself closed the port while this request was on the line (Stop,
// closing the monitoring window): the request was called off, not answered badly, and
// whoever closed the port has told the user what they need to know. A device that went
// away closes the port too, but that the user must hear of.
bool cancelledByProgram(const MSComm& port, bool openAtStart)
{
    return openAtStart && !port.PortOpen() && !port.DeviceLost();
}

// A read or write has failed: the windows above hear of it first. Unless the link is
// silent, the box tells the user, naming a device that has gone, panel 4 gets its
// text before or after the box, and the port closes. A request the program called off
// by closing its port tells nobody anything.
void reportFailure(MSComm& port, bool openAtStart, int code, const char* textBeforeBox, const char* textAfterBox)
{
    if (cancelledByProgram(port, openAtStart))
        return;
    emit linkEvents().requestFailed(code);
    if (commState.bSilentComm)
        return;
    setActivityText(textBeforeBox);
    ShowErrorMessage(code, LostPortDetail());
    setActivityText(textAfterBox);
    closePort(port);
}

} // namespace

LinkEvents& linkEvents()
{
    static LinkEvents events;
    return events;
}

QString LostPortDetail()
{
    const MSComm& port = CommControl();
    if (!port.DeviceLost())
        return {};
    const int n = port.CommPort();
    // The system's reason says nothing more: a vanished terminal reports a failed
    // control request, a pulled adapter an input/output error.
    return platform::LoadResString(res::kDetailDeviceGone).arg(QString::number(n), SerialDeviceName(n));
}

MSComm& CommControl()
{
    if (!g_control) {
        g_control = new MSComm;
        g_control->setObjectName(QStringLiteral("MSComm1"));
        QObject::connect(g_control, &MSComm::OnComm, g_control, [] { reportLineEvent(g_control->CommEvent()); });
        // Ended while the application still runs, so the device closes cleanly.
        qAddPostRoutine(dropControl);
    }
    return *g_control;
}

bool LinkRequestInProgress() { return g_requestOnLine; }

int OpenCommPort()
{
    static const std::array<const char*, 9> kBaud = {"1200",  "2400",  "4800",  "9600", "14400",
                                                     "19200", "28800", "38400", "57600"};
    static const std::array<const char*, 3> kParity = {"n", "o", "e"};
    static const std::array<const char*, 2> kDataBits = {"7", "8"};
    static const std::array<const char*, 2> kStopBits = {"1", "2"};
    auto pick = [](const auto& table, qint64 index) -> QString {
        return index >= 0 && index < static_cast<qint64>(table.size())
                   ? QString::fromLatin1(table[static_cast<std::size_t>(index)])
                   : QString();
    };

    MSComm& port = CommControl();
    const QString settings = pick(kBaud, commSettings.nBaudIndex) + ','
                           + pick(kParity, commSettings.nParityIndex) + ','
                           + pick(kDataBits, commSettings.nDataBitsIndex) + ','
                           + pick(kStopBits, commSettings.nStopBitsIndex);

    bool ok = port.setCommPort(commSettings.nCommPort) && port.setSettings(settings)
           && port.setInputMode(1) && port.setInputLen(1);
    if (ok && commSettings.nCommPort < 1) {
        ShowErrorMessage(kCommError);
        return kCommError;
    }
    bool openTried = false;
    if (ok) {
        openTried = true;
        ok = port.setPortOpen(true);
        if (ok) {
            // Refused on a pseudo-terminal; that is no failure of the port.
            port.setDTREnable(true);
            port.setRTSEnable(true);
        }
    }
    if (ok)
        return 0;
    if (port.lastError() == kCommErrPortAlreadyOpen) {
        ShowErrorMessage(kPortAlreadyOpen);
        return kPortAlreadyOpen;
    }
    const QString detail = openTried ? openFailureDetail(port) : QString();
    closePort(port);
    ShowErrorMessage(kCommError, detail);
    return kCommError;
}

int ReceiveAsciiReply(QByteArray& reply, const ExpectedReply& expected)
{
    reply.clear();
    MSComm& port = CommControl();
    platform::Clock& clock = platform::clock();
    // The whole reply has to arrive within nTimeOut of this moment, however it is split.
    commState.nTickDeadline = clock.tickMs() + std::max<qint64>(commSettings.nTimeOut, 0);

    enum class End { NotYet, LineFeed, TooLong, PortClosed, Deadline };
    End end = End::NotYet;
    bool holdBack = true; // until the deadline: past it, every character counts alone
    // Takes the characters waiting, one per Input, up to the first LF; characters after
    // it stay for the next request's clearing.
    const auto take = [&] {
        while (end == End::NotYet && port.InBufferCount() > 0) {
            const QByteArray bytes = port.Input();
            if (bytes.isEmpty())
                break;
            for (char c : bytes) {
                reply.append(c);
                if (c == '\n') {
                    end = End::LineFeed;
                    break;
                }
            }
            if (end == End::NotYet && reply.size() > kMaxReplyLength)
                end = End::TooLong;
        }
    };
    // The wait's condition, checked when it starts and when the control wakes it: takes
    // what has come and tells whether the reply has ended. The control wakes it only
    // once the characters still missing are there: an exception reply's worth first (the
    // shortest answer), then the rest of the expected reply, then, for a reply longer
    // than expected, each one. Told how much of the reply is still to come, the port
    // also leaves a trickling reply unread until all but its last two characters can
    // have come. The port's settings stay as they are: on a USB adapter each settings write
    // would cost a round trip per reply.
    const auto replyEnded = [&] {
        if (end != End::NotYet)
            return true;
        if (!port.PortOpen()) {
            end = End::PortClosed;
            return true;
        }
        commState.nTickNow = clock.tickMs();
        if (commState.nTickNow > commState.nTickDeadline) {
            end = End::Deadline;
            return true;
        }
        take();
        if (end == End::NotYet && holdBack) {
            const qsizetype upTo = reply.size() < kExceptionReplyLength
                                       ? std::min(expected.length, kExceptionReplyLength)
                                       : expected.length;
            port.setWakeThreshold(static_cast<int>(std::max<qsizetype>(upTo - reply.size(), 1)),
                                  static_cast<int>(expected.length - reply.size()));
        }
        return end != End::NotYet;
    };
    while (!replyEnded() && clock.tickMs() < commState.nTickDeadline)
        clock.waitUntil(commState.nTickDeadline, replyEnded);

    // Each arrival wakes a wait again: the late-reply guard counts every character.
    holdBack = false;
    port.setWakeThreshold(1);
    if (end == End::NotYet || end == End::Deadline) {
        // The deadline has come. What arrived below the threshold came by then: a reply
        // that ended short of it is refused as it deserves, not taken for silence.
        // Whatever comes after the deadline does not count.
        end = End::NotYet;
        take();
        while (!replyEnded())
            clock.waitUntil(commState.nTickDeadline + 1, replyEnded);
    }
    switch (end) {
    case End::Deadline: noteLateReplyPossible(); return kTimeOut;
    case End::TooLong: noteLateReplyPossible(); return kBadReply;
    // What had arrived goes through the checks, which refuse an empty or partial reply.
    case End::PortClosed: noteLateReplyPossible(); break;
    case End::LineFeed:
    case End::NotYet: break;
    }
    return ValidateReply(reply, expected);
}

int ReadHoldingRegisters(qint32 slaveId, qint32 startRegister, quint8 count, QByteArray& reply,
                         int protocol)
{
    Q_UNUSED(protocol); // Modbus ASCII is the only framing.
    if (g_requestOnLine)
        return kTimeOut;
    RequestOnLine onLine;

    MSComm& port = CommControl();
    const bool openAtStart = port.PortOpen();
    if (!commState.bKeepActivityText)
        setActivityText(kActivityRead);
    const QByteArray text = count >= 1 && count <= kMaxReadRegisters
                                ? ReadRequestText(slaveId, startRegister, count)
                                : QByteArray();
    if (!sendRequest(port, text)) {
        reportFailure(port, openAtStart, kTimeOut, nullptr, kActivityReadError);
        return kTimeOut;
    }
    const int code = ReceiveAsciiReply(reply, ExpectedReply::forRead(slaveId, count));
    commState.nErrCode = code;
    if (code != 0)
        reportFailure(port, openAtStart, code, nullptr, kActivityReadError);
    pauseAfterExchange(port);
    return code;
}

int WriteSingleRegister(qint32 slaveId, qint32 reg, qint32 value, int protocol)
{
    Q_UNUSED(protocol);
    if (g_requestOnLine)
        return kWriteFailed;
    RequestOnLine onLine;

    MSComm& port = CommControl();
    const bool openAtStart = port.PortOpen();
    if (!commState.bKeepActivityText)
        setActivityText("Write...");
    if (!sendRequest(port, WriteRequestText(slaveId, reg, value))) {
        reportFailure(port, openAtStart, kWriteFailed, nullptr, nullptr);
        return kWriteFailed;
    }
    QByteArray echo;
    const int code = ReceiveAsciiReply(echo, ExpectedReply::forWrite(slaveId, reg, value));
    commState.nErrCode = code;
    if (code != 0)
        reportFailure(port, openAtStart, code, "Write Error", nullptr);
    pauseAfterExchange(port);
    return code;
}

bool SendCommandDD(qint32 slaveId, int protocol)
{
    Q_UNUSED(protocol);
    if (g_requestOnLine)
        return false;
    const QByteArray frame = BuildAsciiFrame(CommandDDRequestText(slaveId));
    return !frame.isEmpty() && CommControl().Output(frame);
}

void WaitMs(qint64 ms)
{
    if (ms > 0)
        platform::pumpFor(ms);
}
