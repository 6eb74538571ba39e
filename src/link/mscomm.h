#pragma once
// The program's serial control, hosted by the settings dialog: CommPort, Settings
// ("9600,n,8,1"), PortOpen, InputMode, InputLen, the buffer counts, Output, Input,
// DTREnable, RTSEnable, CommEvent and the OnComm signal.
//
// It drives a SerialDevice: the real one is a QSerialPort; tests install a factory that
// makes an in-process fake. Port n opens the device named by the environment variable
// TCPANEL_COM<n> when it is set, else /dev/ttyS<n-1>.
//
// A property or method that cannot do its work returns false (or an empty result) and
// leaves an error number in lastError().
#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// Error numbers of the control.
enum MSCommErrorNumber : int {
    kCommErrNone = 0,
    kCommErrInvalidValue = 380,      // invalid property value
    kCommErrInvalidPort = 8002,      // invalid port number
    kCommErrPortAlreadyOpen = 8005,  // our own port is open already
    kCommErrPortUnavailable = 8010,  // the device is held by another program
    kCommErrPortAccessDenied = 8011, // the user may not open the device
    kCommErrPortOpenFailed = 8012,   // the device cannot be opened
    kCommErrPortNotOpen = 8018,      // the operation needs the port open
};

// Line events (CommEvent values of the OnComm signal).
enum MSCommEvent : int {
    comEventBreak = 1001,
    comEventCTSTO = 1002,
    comEventDSRTO = 1003,
    comEventFrame = 1004,
    comEventOverrun = 1006,
    comEventCDTO = 1007,
    comEventRxOver = 1008,
    comEventRxParity = 1009,
    comEventTxFull = 1010,
    comEventDCB = 1011,
};

struct SerialLineSettings {
    qint32 baud = 9600;
    char parity = 'n';   // n, o, e, m, s
    int dataBits = 8;    // 5 to 8
    int stopBits = 1;    // 1 or 2 (1.5 is stored as 3)
};

// One serial device as the control needs it. Implementations emit dataArrived() when
// bytes have come in, lineEvent() for a line error they can observe, and lost() when
// the device went away (the control then closes itself).
class SerialDevice : public QObject {
    Q_OBJECT
public:
    enum class OpenResult { Ok, Busy, NotFound, Denied, Failed };

    ~SerialDevice() override = default;
    virtual OpenResult open(const QString& deviceName, const SerialLineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Applies settings to the open device; false when the device refuses them.
    virtual bool configure(const SerialLineSettings& settings) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual qint64 bytesToWrite() const = 0;
    virtual QByteArray read(qint64 maxBytes) = 0;
    // Queues the bytes and pushes them towards the line without waiting.
    virtual bool write(const QByteArray& bytes) = 0;
    virtual void clearInput() = 0;
    virtual void clearOutput() = 0;
    // Modem lines; false when the device has none (a pseudo-terminal).
    virtual bool setDataTerminalReady(bool on) = 0;
    virtual bool setRequestToSend(bool on) = 0;
    // The system's reason for the last failure, e.g. "No such file or directory".
    virtual QString errorText() const = 0;
    // Leaves what arrives in the system's buffer, unread and unreported, for `ms`
    // milliseconds (or until resumeInput), then reads it in one go. The line's settings
    // are not touched for it. A device that cannot hold its input reads on.
    virtual void holdInput(int ms) { Q_UNUSED(ms); }
    // Ends a hold at once and reads in what waits.
    virtual void resumeInput() {}

signals:
    void dataArrived();
    void lineEvent(int commEvent);
    void lost();
};

// Makes the device behind a port; tests replace it (nullptr restores QSerialPort).
using SerialDeviceFactory = std::function<std::unique_ptr<SerialDevice>()>;
void setSerialDeviceFactory(SerialDeviceFactory factory);

// The device path of port n: TCPANEL_COM<n>, else /dev/ttyS<n-1>.
QString SerialDeviceName(int commPort);

class MSComm : public QObject {
    Q_OBJECT
public:
    explicit MSComm(QObject* parent = nullptr);
    ~MSComm() override;

    // Default sizes of the control's buffers; input or output beyond them raises
    // comEventRxOver / comEventTxFull.
    static constexpr int kInBufferSize = 1024; // bytes, not a register
    static constexpr int kOutBufferSize = 512;

    int CommPort() const { return commPort_; }
    bool setCommPort(int port);
    QString Settings() const { return settingsText_; }
    bool setSettings(const QString& text);
    int InputMode() const { return inputMode_; }   // 0 text, 1 binary
    bool setInputMode(int mode);
    int InputLen() const { return inputLen_; }     // bytes per Input, 0 = everything
    bool setInputLen(int len);

    bool PortOpen() const;
    bool setPortOpen(bool open);

    bool DTREnable() const { return dtr_; }
    void setDTREnable(bool on);
    bool RTSEnable() const { return rts_; }
    void setRTSEnable(bool on);

    // Bytes waiting to be read. Setting a count to 0 empties that buffer, the input or
    // the output (the only value accepted).
    int InBufferCount() const;
    bool setInBufferCount(int count);
    bool setOutBufferCount(int count);

    // Waits on the input are woken by arrivals only once InBufferCount reaches `count`
    // (1, as after every open: each arrival; at most kInBufferSize), so a reply wait
    // looks at its condition once per reply, not once per character. `likely` is how
    // many the other side will most likely send in all (at least `count`): once they
    // have begun to come, the port is not read again before all but the last two of
    // them can have crossed the line at its speed, so that a reply which trickles in wakes
    // the program a few times, not once per character. A threshold of 1 reads in at once
    // what waits. The port's own settings are never touched for any of it, since every
    // settings write is a round trip to a USB adapter. Closing the port still wakes.
    void setWakeThreshold(int count, int likely = 0);

    // Sends the bytes; returns false when the port is not open or refuses them.
    bool Output(const QByteArray& bytes);
    // Takes up to InputLen bytes (all with 0) from the input.
    QByteArray Input();

    int CommEvent() const { return commEvent_; }

    int lastError() const { return lastError_; }
    QString lastErrorText() const { return lastErrorText_; }

    // The device went away under the open port (an adapter pulled) since the port was
    // last opened. Known as soon as the device notices, before the port is dropped, so
    // a wait the loss ended can tell why.
    bool DeviceLost() const { return deviceLost_; }

signals:
    void OnComm();

private:
    bool fail(int number, const QString& text);
    void raiseEvent(int commEvent);
    void deviceLost();
    void dropDevice();
    void checkInputOverflow();
    void holdUntilLikelyCome(int count);

    std::unique_ptr<SerialDevice> device_;
    int commPort_ = 1;
    QString settingsText_ = QStringLiteral("9600,n,8,1");
    SerialLineSettings settings_;
    int inputMode_ = 0;
    int inputLen_ = 0;
    bool dtr_ = false;
    bool rts_ = false;
    int commEvent_ = 0;
    int wakeThreshold_ = 1;
    int likelyCount_ = 1;
    bool rxOverRaised_ = false;
    int lastError_ = kCommErrNone;
    QString lastErrorText_;
    bool deviceLost_ = false;
};

// Parses a settings text such as "9600,n,8,1"; false when it is not one.
bool ParseSerialSettings(const QString& text, SerialLineSettings& out);
