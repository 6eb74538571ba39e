#pragma once
// The only way the program talks to the instrument: open the port, one request and its
// reply at a time, the one-way 0xDD request and the timed pause of the downloads.
//
// Every routine runs on the user-interface thread. The reply wait, the pause after each
// exchange and WaitMs keep the event loop running (timers, line events, repaints, the
// search's and the monitor's Stop buttons) without spinning.
//
// Result codes are message codes (see link/messages.h): 0 success, kCommError and
// kPortAlreadyOpen from OpenCommPort, kTimeOut time-out or an unexpected failure inside a
// read, kWriteFailed an unexpected failure inside a write, kBadReply a reply that fails
// its checks, kIllegalFunction / kIllegalDataAddress / kDataError an exception reply
// with exception code 01 / 02 / other.
//
// With commState.bSilentComm clear, a failed read or write has shown its message (with
// LostPortDetail under it when the device has gone), set
// status panel 4 to "Read Error" / "Write Error" and closed the port before it returns;
// the caller only stops its job. With it set (slave-ID search, monitor polling) a failure
// shows nothing, leaves panel 4 and the port as they are and only returns the code.
//
// A read or write whose open port the program itself closes while it waits (for its
// reply or for a quiet line: the monitor's Stop, closing the monitoring window) is
// called off, silent or not: it returns its failure code as usual (what arrived fails
// the checks), but shows no message, emits no requestFailed and leaves panel 4 to
// whoever closed the port. A port closed because its device went away is a failure like
// any other, its message naming the device.
//
// A late reply is never taken for the next answer: after a wait that ended without a
// whole reply (time-out, port closed under it) the next read or write first discards
// what arrives until the line has been quiet for the guard time (the reply time-out,
// at least 50 ms), and fails like a refused send when it does not fall quiet. A write's
// reply must echo its own register and value, or the write fails with kBadReply.
//
// One request on the line at a time: a read, write or 0xDD request started while
// another read or write waits for its reply is refused (read kTimeOut, write kWriteFailed, 0xDD false)
// without touching the port, the status bar or nErrCode, and without a message.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtGlobal>

class MSComm;
struct ExpectedReply;

// Panel 4 while a read waits for its reply, and after a read failed.
inline constexpr const char* kActivityRead = "Read...";
inline constexpr const char* kActivityReadError = "Read Error";

// What the link tells the windows above it as it happens.
class LinkEvents : public QObject {
    Q_OBJECT
signals:
    // A read or write has failed with `code` (silent or not): emitted before its
    // message is shown, so that a window can take the failure into account while the
    // box waits for its OK.
    void requestFailed(int code);
};
LinkEvents& linkEvents();

// When the port's device went away under the program (an adapter pulled) since the
// port was last opened: the detail its boxes show under their message, naming the
// device and that it has gone. "" otherwise.
QString LostPortDetail();

// Configures the control from commSettings and opens the port. 0 open; kCommError the
// port cannot be opened (its message shown, port closed); kPortAlreadyOpen the port is
// open already (its message shown, port left open). Shows its message whatever
// bSilentComm holds.
int OpenCommPort();

// The program's only serial control, owned by the link and made on first use; its line
// events are shown in status panel 4. Jobs close the port at their end with
// `if (CommControl().PortOpen()) CommControl().setPortOpen(false);`.
MSComm& CommControl();

// Function 03: reads `count` registers (1 to 14 in practice, at most 125) from
// `startRegister` of slave `slaveId` (0 to 255). On 0 `reply` holds the whole reply from
// ":" to LF, already checked (slave, function, length 4 * count + 11, LRC); read its
// bytes with the accessors of link/modbus_ascii.h (ReplyRegisterHigh(reply, k), ...).
// After a failure `reply` holds whatever had arrived. Stores the code in nErrCode and
// pauses nCommDelay ms after every completed exchange; the windows stay responsive, and
// a port closed before or during the pause (a reported failure, Stop) ends it.
// Arguments out of range count as an unexpected failure (kTimeOut) and send nothing.
int ReadHoldingRegisters(qint32 slaveId, qint32 startRegister, quint8 count, QByteArray& reply,
                         int protocol);

// Function 06: writes `value` (0 to 65535: the byte at the even register address in the
// low byte, the next byte in the high byte) to register `reg` of slave `slaveId` and
// checks the echo. Stores the code in nErrCode and pauses as the read does. Arguments out of
// range count as an unexpected failure (kWriteFailed) and send nothing.
int WriteSingleRegister(qint32 slaveId, qint32 reg, qint32 value, int protocol);

// Sends the 0xDD request to `slaveId`: no reply is read, no status text, no buffer
// clearing, no pause, no message. Returns false when the frame could not be handed to
// the port (port not open, slave ID out of range, a request waiting): the calling
// download treats that as its own unexpected failure.
bool SendCommandDD(qint32 slaveId, int protocol);

// The reply wait shared by the read and the write: collects characters up to the first
// LF within nTimeOut ms of its start and checks the reply against `expected`. One wait
// of the event loop covers the whole reply, however it is split, and the port wakes it
// only when the characters it still misses have come (an exception reply's 11 first,
// then the rest of the expected length, then one by one), when the port closes or at
// the deadline. While a reply trickles in, the port is not read before all but the last
// two of the expected characters can have come at the line's speed, and never past the
// deadline. A reply that ends short of what the wait misses (a broken one: no
// instrument answers in fewer than 11 characters) is looked at, and refused, at the
// deadline.
int ReceiveAsciiReply(QByteArray& reply, const ExpectedReply& expected);

// A timed pause of `ms` milliseconds that keeps the windows responsive.
void WaitMs(qint64 ms);

// Whether a read or write is on the line right now: from its request to the end of its
// pause.
bool LinkRequestInProgress();
