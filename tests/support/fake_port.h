#pragma once
// An in-process serial device for the link tests: records everything the control does
// to it and answers each frame written with whatever the test's responder returns,
// delivered through the event loop as a real port would.
#include "link/mscomm.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <memory>

namespace linktest {

// What the tests look at; it outlives the device objects the control makes and drops.
struct FakeLine {
    // Answer to a written frame; empty = silence.
    std::function<QByteArray(const QByteArray& frame)> responder;
    SerialDevice::OpenResult openResult = SerialDevice::OpenResult::Ok;
    // A pseudo-terminal refuses the modem lines.
    bool modemLinesRefused = true;

    // In order: "open <name> <baud>,<parity>,<bits>,<stop>", "configure <baud>,...",
    // "close", "clearIn", "clearOut", "write <frame>", "dtr", "rts", "hold <ms>",
    // "resume" (a hold ended early; the fake reads on while it holds).
    QStringList log;
    QList<QByteArray> frames;
    QByteArray input;      // bytes waiting to be read
    bool open = false;
    int devicesMade = 0;

    // Puts bytes into the input as if they had just arrived.
    void arrive(const QByteArray& bytes);
    // Raises a line event on the open device.
    void lineEvent(int commEvent);
    // The other side disappears.
    void lose();

    class Device;
    Device* current = nullptr;
};

class FakeLine::Device : public SerialDevice {
public:
    explicit Device(std::shared_ptr<FakeLine> line) : line_(std::move(line)) {}
    ~Device() override;

    OpenResult open(const QString& deviceName, const SerialLineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool configure(const SerialLineSettings& settings) override;
    qint64 bytesAvailable() const override { return open_ ? line_->input.size() : 0; }
    qint64 bytesToWrite() const override { return 0; }
    QByteArray read(qint64 maxBytes) override;
    bool write(const QByteArray& bytes) override;
    void clearInput() override;
    void clearOutput() override;
    bool setDataTerminalReady(bool on) override;
    bool setRequestToSend(bool on) override;
    QString errorText() const override { return QStringLiteral("fake failure"); }
    void holdInput(int ms) override;
    void resumeInput() override;

    void deliver(const QByteArray& bytes);
    void emitLineEvent(int e) { emit lineEvent(e); }
    void emitLost()
    {
        open_ = false;
        line_->open = false;
        emit lost();
    }

private:
    std::shared_ptr<FakeLine> line_;
    bool open_ = false;
    bool holding_ = false;
};

// Installs a device factory making FakeLine devices for the lifetime of the object.
class ScopedFakeLine {
public:
    ScopedFakeLine();
    ~ScopedFakeLine();
    FakeLine& line() { return *line_; }

private:
    std::shared_ptr<FakeLine> line_;
};

} // namespace linktest
