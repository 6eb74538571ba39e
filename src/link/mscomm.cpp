#include "link/mscomm.h"

#include "platform/clock.h"

#include <QFile>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QTimer>

#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// The serial device of the program: a QSerialPort, with the traps of the serial layer
// handled here so the control above stays plain.
class QtSerialDevice : public SerialDevice {
public:
    QtSerialDevice()
    {
        resume_.setSingleShot(true);
        resume_.setTimerType(Qt::PreciseTimer);
        connect(&resume_, &QTimer::timeout, this, [this] { readOn(); });
        connect(&port_, &QSerialPort::readyRead, this, [this] {
            pollLineCounters();
            emit dataArrived();
        });
        connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
            // When the other side goes away the port keeps reporting ReadError many
            // thousand times a second while it stays "open": close it once.
            if ((e == QSerialPort::ReadError || e == QSerialPort::ResourceError) && port_.isOpen()) {
                lastError_ = port_.errorString();
                port_.close();
                emit lost();
            }
        });
    }

    OpenResult open(const QString& deviceName, const SerialLineSettings& settings) override
    {
        port_.setPortName(deviceName);
        if (!applySettings(settings)) {
            lastError_ = port_.errorString();
            return OpenResult::Failed;
        }
        if (!port_.open(QIODevice::ReadWrite)) {
            lastError_ = port_.errorString();
            const QSerialPort::SerialPortError e = port_.error();
            port_.clearError();
            if (e == QSerialPort::DeviceNotFoundError)
                return OpenResult::NotFound;
            if (e == QSerialPort::PermissionError) {
                // Qt gives the same error for a device the user may not open and for
                // one another program holds ("while locking the device", or busy).
                if (accessDenied(deviceName))
                    return OpenResult::Denied;
                return OpenResult::Busy;
            }
            return OpenResult::Failed;
        }
        // Settings given before open are applied by open(); apply again so a device
        // that refuses one is noticed now.
        if (!applySettings(settings)) {
            lastError_ = port_.errorString();
            port_.close();
            return OpenResult::Failed;
        }
        countersKnown_ = readCounters(counters_);
        return OpenResult::Ok;
    }

    void close() override
    {
        if (port_.isOpen())
            port_.close();
    }

    bool isOpen() const override { return port_.isOpen(); }
    bool configure(const SerialLineSettings& settings) override { return applySettings(settings); }
    qint64 bytesAvailable() const override { return port_.bytesAvailable(); }
    qint64 bytesToWrite() const override { return port_.bytesToWrite(); }
    QByteArray read(qint64 maxBytes) override { return port_.read(maxBytes); }

    bool write(const QByteArray& bytes) override
    {
        if (port_.write(bytes) != bytes.size())
            return false;
        // Without a flush nothing reaches the line until the event loop runs, and a
        // later clear of the output would throw the request away.
        port_.flush();
        return true;
    }

    void clearInput() override { port_.clear(QSerialPort::Input); }
    void clearOutput() override { port_.clear(QSerialPort::Output); }

    // A pseudo-terminal has no modem lines; its refusal is not a fault of the port.
    bool setDataTerminalReady(bool on) override
    {
        const bool ok = port_.setDataTerminalReady(on);
        port_.clearError();
        return ok;
    }
    bool setRequestToSend(bool on) override
    {
        const bool ok = port_.setRequestToSend(on);
        port_.clearError();
        return ok;
    }

    QString errorText() const override { return lastError_; }

    void holdInput(int ms) override
    {
        if (resume_.isActive() || ms <= 0)
            return;
        // QSerialPort stops watching the line once its buffer holds what it may hold.
        port_.setReadBufferSize(std::max<qint64>(port_.bytesAvailable(), 1));
        resume_.start(ms);
    }

    void resumeInput() override
    {
        if (!resume_.isActive())
            return;
        resume_.stop();
        readOn();
        // Whatever came during the hold counts now, not at the next turn of the event
        // loop: a wait that ends at its deadline must see it.
        int queued = 0;
        const int fd = static_cast<int>(port_.handle());
        if (fd >= 0 && ::ioctl(fd, FIONREAD, &queued) == 0 && queued > 0)
            port_.waitForReadyRead(0);
    }

private:
    // No limit on what QSerialPort buffers: it reads the line again.
    void readOn() { port_.setReadBufferSize(0); }

    static bool accessDenied(const QString& deviceName)
    {
        const QByteArray path = QFile::encodeName(deviceName);
        return ::access(path.constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
    }

    bool applySettings(const SerialLineSettings& s)
    {
        QSerialPort::Parity parity = QSerialPort::NoParity;
        switch (s.parity) {
        case 'o': parity = QSerialPort::OddParity; break;
        case 'e': parity = QSerialPort::EvenParity; break;
        case 'm': parity = QSerialPort::MarkParity; break;
        case 's': parity = QSerialPort::SpaceParity; break;
        default: break;
        }
        const QSerialPort::StopBits stop = s.stopBits == 2 ? QSerialPort::TwoStop
                                         : s.stopBits == 3 ? QSerialPort::OneAndHalfStop
                                                           : QSerialPort::OneStop;
        return port_.setBaudRate(s.baud) && port_.setParity(parity)
            && port_.setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits))
            && port_.setStopBits(stop);
    }

    // The kernel counts break, framing, parity and overrun conditions of a real UART;
    // a rise since the last look becomes a line event. Pseudo-terminals have no counters.
    bool readCounters(serial_icounter_struct& c) const
    {
        const int fd = static_cast<int>(port_.handle());
        return fd >= 0 && ::ioctl(fd, TIOCGICOUNT, &c) == 0;
    }

    void pollLineCounters()
    {
        if (!countersKnown_)
            return;
        serial_icounter_struct now{};
        if (!readCounters(now))
            return;
        const serial_icounter_struct before = counters_;
        counters_ = now;
        if (now.brk > before.brk)
            emit lineEvent(comEventBreak);
        if (now.frame > before.frame)
            emit lineEvent(comEventFrame);
        if (now.overrun > before.overrun)
            emit lineEvent(comEventOverrun);
        if (now.buf_overrun > before.buf_overrun)
            emit lineEvent(comEventRxOver);
        if (now.parity > before.parity)
            emit lineEvent(comEventRxParity);
    }

    QSerialPort port_;
    QString lastError_;
    serial_icounter_struct counters_{};
    bool countersKnown_ = false;
    QTimer resume_; // ends a hold
};

SerialDeviceFactory g_factory;

std::unique_ptr<SerialDevice> makeDevice()
{
    if (g_factory)
        return g_factory();
    return std::make_unique<QtSerialDevice>();
}

} // namespace

void setSerialDeviceFactory(SerialDeviceFactory factory) { g_factory = std::move(factory); }

QString SerialDeviceName(int commPort)
{
    const QByteArray var = "TCPANEL_COM" + QByteArray::number(commPort);
    const QString fromEnv = qEnvironmentVariable(var.constData());
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStringLiteral("/dev/ttyS%1").arg(commPort - 1);
}

bool ParseSerialSettings(const QString& text, SerialLineSettings& out)
{
    const QStringList parts = text.trimmed().split(',');
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const qint64 baud = parts[0].trimmed().toLongLong(&ok);
    if (!ok || baud < 1 || baud > 4000000)
        return false;
    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("noems").contains(parity[0]))
        return false;
    const int dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8)
        return false;
    const QString stop = parts[3].trimmed();
    int stopBits = 0;
    if (stop == QLatin1String("1"))
        stopBits = 1;
    else if (stop == QLatin1String("2"))
        stopBits = 2;
    else if (stop == QLatin1String("1.5"))
        stopBits = 3;
    else
        return false;
    out.baud = static_cast<qint32>(baud);
    out.parity = parity[0].toLatin1();
    out.dataBits = dataBits;
    out.stopBits = stopBits;
    return true;
}

MSComm::MSComm(QObject* parent) : QObject(parent)
{
    ParseSerialSettings(settingsText_, settings_);
}

MSComm::~MSComm()
{
    if (device_ && device_->isOpen())
        device_->close();
}

bool MSComm::fail(int number, const QString& text)
{
    lastError_ = number;
    lastErrorText_ = text;
    return false;
}

bool MSComm::setCommPort(int port)
{
    if (PortOpen())
        return fail(kCommErrPortAlreadyOpen, QStringLiteral("Port already open"));
    if (port < 1 || port > 255)
        return fail(kCommErrInvalidPort, QStringLiteral("Invalid port number"));
    commPort_ = port;
    return true;
}

bool MSComm::setSettings(const QString& text)
{
    SerialLineSettings parsed;
    if (!ParseSerialSettings(text, parsed))
        return fail(kCommErrInvalidValue, QStringLiteral("Invalid property value"));
    if (PortOpen() && !device_->configure(parsed)) {
        raiseEvent(comEventDCB);
        return fail(kCommErrInvalidValue, device_->errorText());
    }
    settings_ = parsed;
    settingsText_ = text;
    return true;
}

bool MSComm::setInputMode(int mode)
{
    if (mode != 0 && mode != 1)
        return fail(kCommErrInvalidValue, QStringLiteral("Invalid property value"));
    inputMode_ = mode;
    return true;
}

bool MSComm::setInputLen(int len)
{
    if (len < 0)
        return fail(kCommErrInvalidValue, QStringLiteral("Invalid property value"));
    inputLen_ = len;
    return true;
}

bool MSComm::PortOpen() const { return device_ && device_->isOpen(); }

bool MSComm::setPortOpen(bool open)
{
    if (!open) {
        dropDevice();
        // A reply wait watching this port must see that it has gone.
        platform::wakeWaiters();
        return true;
    }
    if (PortOpen())
        return fail(kCommErrPortAlreadyOpen, QStringLiteral("Port already open"));

    deviceLost_ = false;
    device_ = makeDevice();
    SerialDevice* dev = device_.get();
    connect(dev, &SerialDevice::dataArrived, this, [this] {
        checkInputOverflow();
        const int count = InBufferCount();
        if (count >= wakeThreshold_)
            platform::wakeWaiters();
        else
            holdUntilLikelyCome(count);
    });
    connect(dev, &SerialDevice::lineEvent, this, &MSComm::raiseEvent);
    connect(dev, &SerialDevice::lost, this, [this] { deviceLost_ = true; });
    connect(dev, &SerialDevice::lost, this, &MSComm::deviceLost, Qt::QueuedConnection);

    const SerialDevice::OpenResult r = dev->open(SerialDeviceName(commPort_), settings_);
    if (r != SerialDevice::OpenResult::Ok) {
        const QString text = dev->errorText();
        dropDevice();
        switch (r) {
        case SerialDevice::OpenResult::NotFound: return fail(kCommErrInvalidPort, text);
        case SerialDevice::OpenResult::Busy: return fail(kCommErrPortUnavailable, text);
        case SerialDevice::OpenResult::Denied: return fail(kCommErrPortAccessDenied, text);
        default: return fail(kCommErrPortOpenFailed, text);
        }
    }
    rxOverRaised_ = false;
    wakeThreshold_ = likelyCount_ = 1;
    if (dtr_)
        dev->setDataTerminalReady(true);
    if (rts_)
        dev->setRequestToSend(true);
    return true;
}

void MSComm::deviceLost()
{
    // The device object closed itself; drop it so PortOpen reads False and a wait ends.
    if (device_ && !device_->isOpen())
        dropDevice();
    platform::wakeWaiters();
}

void MSComm::dropDevice()
{
    if (!device_)
        return;
    device_->close();
    device_->disconnect(this);
    // Deferred: the device may be the sender of the signal whose handler closes the port.
    device_.release()->deleteLater();
}

void MSComm::setDTREnable(bool on)
{
    dtr_ = on;
    if (PortOpen())
        device_->setDataTerminalReady(on);
}

void MSComm::setRTSEnable(bool on)
{
    rts_ = on;
    if (PortOpen())
        device_->setRequestToSend(on);
}

int MSComm::InBufferCount() const
{
    if (!PortOpen())
        return 0;
    return static_cast<int>(std::min<qint64>(device_->bytesAvailable(), INT_MAX));
}

bool MSComm::setInBufferCount(int count)
{
    if (!PortOpen())
        return fail(kCommErrPortNotOpen, QStringLiteral("Operation valid only when the port is open"));
    if (count != 0)
        return fail(kCommErrInvalidValue, QStringLiteral("Invalid property value"));
    device_->clearInput();
    rxOverRaised_ = false;
    return true;
}

void MSComm::setWakeThreshold(int count, int likely)
{
    wakeThreshold_ = std::clamp(count, 1, kInBufferSize);
    likelyCount_ = std::clamp(likely, wakeThreshold_, kInBufferSize);
    if (wakeThreshold_ == 1 && PortOpen())
        device_->resumeInput();
}

void MSComm::holdUntilLikelyCome(int count)
{
    // The last two are left to wake the program as they come, so that even a timer that
    // fires a little late does not make a reply later than the line does; a hold
    // shorter than 2 ms saves nothing.
    const int bits = 1 + settings_.dataBits + (settings_.parity == 'n' ? 0 : 1) + (settings_.stopBits == 2 ? 2 : 1);
    const qint64 ms = qint64{likelyCount_ - count - 2} * bits * 1000 / settings_.baud;
    if (ms >= 2)
        device_->holdInput(static_cast<int>(ms));
}

bool MSComm::setOutBufferCount(int count)
{
    if (!PortOpen())
        return fail(kCommErrPortNotOpen, QStringLiteral("Operation valid only when the port is open"));
    if (count != 0)
        return fail(kCommErrInvalidValue, QStringLiteral("Invalid property value"));
    device_->clearOutput();
    return true;
}

bool MSComm::Output(const QByteArray& bytes)
{
    if (!PortOpen())
        return fail(kCommErrPortNotOpen, QStringLiteral("Operation valid only when the port is open"));
    if (device_->bytesToWrite() + bytes.size() > kOutBufferSize) {
        raiseEvent(comEventTxFull);
        return fail(kCommErrInvalidValue, QStringLiteral("Transmit buffer full"));
    }
    if (!device_->write(bytes))
        return fail(kCommErrPortOpenFailed, device_->errorText());
    return true;
}

QByteArray MSComm::Input()
{
    if (!PortOpen()) {
        fail(kCommErrPortNotOpen, QStringLiteral("Operation valid only when the port is open"));
        return {};
    }
    const QByteArray bytes = device_->read(inputLen_ > 0 ? inputLen_ : device_->bytesAvailable());
    if (device_->bytesAvailable() <= kInBufferSize)
        rxOverRaised_ = false;
    return bytes;
}

void MSComm::checkInputOverflow()
{
    if (!rxOverRaised_ && PortOpen() && device_->bytesAvailable() > kInBufferSize) {
        rxOverRaised_ = true;
        raiseEvent(comEventRxOver);
    }
}

void MSComm::raiseEvent(int commEvent)
{
    commEvent_ = commEvent;
    emit OnComm();
}
