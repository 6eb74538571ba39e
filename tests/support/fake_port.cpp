#include "support/fake_port.h"

#include <QMetaObject>
#include <QPointer>

#include <utility>

namespace linktest {

void FakeLine::arrive(const QByteArray& bytes)
{
    if (current)
        current->deliver(bytes);
}

void FakeLine::lineEvent(int commEvent)
{
    if (current)
        current->emitLineEvent(commEvent);
}

void FakeLine::lose()
{
    if (current)
        current->emitLost();
}

FakeLine::Device::~Device()
{
    if (line_->current == this)
        line_->current = nullptr;
}

namespace {
QString settingsText(const SerialLineSettings& s)
{
    return QStringLiteral("%1,%2,%3,%4").arg(s.baud).arg(QChar::fromLatin1(s.parity)).arg(s.dataBits).arg(s.stopBits);
}
} // namespace

SerialDevice::OpenResult FakeLine::Device::open(const QString& deviceName,
                                                const SerialLineSettings& s)
{
    line_->log << QStringLiteral("open %1 ").arg(deviceName) + settingsText(s);
    if (line_->openResult != OpenResult::Ok)
        return line_->openResult;
    open_ = true;
    line_->open = true;
    line_->current = this;
    return OpenResult::Ok;
}

void FakeLine::Device::close()
{
    if (!open_)
        return;
    open_ = false;
    line_->open = false;
    line_->log << QStringLiteral("close");
}

QByteArray FakeLine::Device::read(qint64 maxBytes)
{
    const QByteArray out = line_->input.left(maxBytes);
    line_->input.remove(0, out.size());
    return out;
}

bool FakeLine::Device::write(const QByteArray& bytes)
{
    line_->log << QStringLiteral("write ") + QString::fromLatin1(bytes);
    line_->frames << bytes;
    if (!line_->responder)
        return true;
    const QByteArray answer = line_->responder(bytes);
    if (!answer.isEmpty()) {
        QPointer<Device> self(this);
        // The answer comes in later, through the event loop, as from a real line.
        QMetaObject::invokeMethod(
            this, [self, answer] { if (self) self->deliver(answer); }, Qt::QueuedConnection);
    }
    return true;
}

void FakeLine::Device::deliver(const QByteArray& bytes)
{
    if (!open_)
        return;
    line_->input.append(bytes);
    emit dataArrived();
}

void FakeLine::Device::clearInput()
{
    line_->log << QStringLiteral("clearIn");
    line_->input.clear();
}

// Every settings write counts: on a USB adapter each one is a round trip.
bool FakeLine::Device::configure(const SerialLineSettings& s)
{
    line_->log << QStringLiteral("configure ") + settingsText(s);
    return true;
}

void FakeLine::Device::holdInput(int ms)
{
    if (!std::exchange(holding_, true))
        line_->log << QStringLiteral("hold %1").arg(ms);
}

void FakeLine::Device::resumeInput()
{
    if (std::exchange(holding_, false))
        line_->log << QStringLiteral("resume");
}

void FakeLine::Device::clearOutput() { line_->log << QStringLiteral("clearOut"); }

bool FakeLine::Device::setDataTerminalReady(bool on)
{
    line_->log << (on ? QStringLiteral("dtr") : QStringLiteral("dtr off"));
    return !line_->modemLinesRefused;
}

bool FakeLine::Device::setRequestToSend(bool on)
{
    line_->log << (on ? QStringLiteral("rts") : QStringLiteral("rts off"));
    return !line_->modemLinesRefused;
}

ScopedFakeLine::ScopedFakeLine() : line_(std::make_shared<FakeLine>())
{
    std::shared_ptr<FakeLine> line = line_;
    setSerialDeviceFactory([line]() -> std::unique_ptr<SerialDevice> {
        ++line->devicesMade;
        return std::make_unique<FakeLine::Device>(line);
    });
}

ScopedFakeLine::~ScopedFakeLine()
{
    setSerialDeviceFactory(nullptr);
    if (line_->current)
        line_->current = nullptr;
}

} // namespace linktest

#include "link/modbus_ascii.h"

namespace linktest {

QByteArray InstrumentReply(const QByteArray& frame, const std::function<int(int)>& value)
{
    if (frame.size() != 17 || frame[0] != ':')
        return {};
    const int slave = ReplyByte(frame, 2).value_or(-1);
    const int function = ReplyByte(frame, 4).value_or(-1);
    const int word1 = ReplyRegister(QByteArray("xxxxxxx") + frame.mid(5, 4), 0).value_or(0);
    const int word2 = ReplyRegister(QByteArray("xxxxxxx") + frame.mid(9, 4), 0).value_or(0);
    if (function == 0x06)
        return frame;
    if (function != 0x03)
        return {};
    QByteArray text = QByteArray::number(slave, 16).rightJustified(2, '0').toUpper() + "03"
                    + QByteArray::number(word2 * 2, 16).rightJustified(2, '0').toUpper();
    for (int k = 0; k < word2; ++k)
        text += QByteArray::number(value(word1 + k) & 0xFFFF, 16).rightJustified(4, '0').toUpper();
    return BuildAsciiFrame(text);
}

} // namespace linktest
