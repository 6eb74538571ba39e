// The instrument's replies, as the port hands them over: one request (a read of 1 to
// 14 registers or a write) answered by arbitrary bytes in arbitrary chunks at
// arbitrary times, then sometimes a second request on the same line.
//
// Input: a request byte (bit 0 write, bit 1 silent, bit 2 a second request, bit 3 a
// pause after each exchange), the slave ID, the count and register of a read (three
// bytes) or the register and value of a write (four), the time-out (50 ms and 10 ms a
// step), then chunks: a length, a delay in ms before the chunk arrives, and that many
// bytes.
//
// Every request must go out as its frame. The first request's result is checked
// against what arrived before its deadline: the reply is the first line; a line that is
// a good answer is taken and any other is refused with the code its kind of fault has.
// After the second request only what holds of every result is checked.
#include "fuzz_support.h"

#include "core/hex_digit.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "link/mscomm.h"
#include "platform/clock.h"
#include "support/fake_port.h"
#include "support/link_support.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"

#include <QCoreApplication>

#include <deque>

namespace {

struct Chunk {
    qint64 delayMs;
    QByteArray bytes;
};

// Time that passes only when the link waits: each wait lets the chunks whose time has
// come arrive, one at a time, until its condition holds or its deadline is reached.
class ChunkClock : public platform::Clock {
public:
    ChunkClock(linktest::FakeLine& line, std::deque<Chunk> chunks) : line_(line), chunks_(std::move(chunks)) {}

    qint64 tickMs() override { return tick_; }
    QDateTime now() override { return QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addMSecs(tick_); }
    void sleepMs(qint64 ms) override { tick_ += std::max<qint64>(ms, 0); }
    bool waitUntil(qint64 deadline, const std::function<bool()>& done, bool) override
    {
        for (;;) {
            QCoreApplication::processEvents();
            if (done && done())
                return true;
            if (chunks_.empty() || tick_ + chunks_.front().delayMs > deadline)
                break;
            Chunk p = std::move(chunks_.front());
            chunks_.pop_front();
            tick_ += p.delayMs;
            arrived_.push_back({tick_, p.bytes});
            line_.arrive(p.bytes);
        }
        tick_ = std::max(tick_, deadline);
        QCoreApplication::processEvents();
        return done ? done() : false;
    }

    struct Arrival {
        qint64 at;
        QByteArray bytes;
    };
    // What arrived so far, with the tick it arrived at.
    const std::vector<Arrival>& arrived() const { return arrived_; }

private:
    linktest::FakeLine& line_;
    std::deque<Chunk> chunks_;
    std::vector<Arrival> arrived_;
    qint64 tick_ = 1000;
};

// The code a complete line (":" up to its LF) deserves, worked out from the frame's
// bytes: framing, LRC, slave, then an exception or the answer the request expects.
int codeFor(const QByteArray& line, const ExpectedReply& e)
{
    const qsizetype n = line.size();
    if (n < 5 || line[0] != ':' || !line.endsWith("\r\n") || (n - 3) % 2 != 0)
        return kBadReply;
    std::vector<int> bytes;
    for (qsizetype i = 1; i + 1 < n - 2; i += 2) {
        const int hi = HexDigitValue(line[i]);
        const int lo = HexDigitValue(line[i + 1]);
        if (hi < 0 || lo < 0)
            return kBadReply;
        bytes.push_back(hi * 16 + lo);
    }
    int sum = 0;
    for (int b : bytes)
        sum += b; // the LRC byte included: a good frame sums to 0 modulo 256
    if (sum % 256 != 0 || bytes.size() < 2)
        return kBadReply;
    if (bytes[0] != e.slaveId)
        return kBadReply;
    if (bytes[1] == (e.function | 0x80)) {
        if (n != 11)
            return kBadReply;
        return bytes[2] == 1 ? kIllegalFunction : bytes[2] == 2 ? kIllegalDataAddress : kDataError;
    }
    if (bytes[1] != e.function || n != e.length)
        return kBadReply;
    if (e.echoRegister >= 0
        && (bytes[2] * 256 + bytes[3] != e.echoRegister || bytes[4] * 256 + bytes[5] != e.echoValue))
        return kBadReply;
    return 0;
}

bool isReplyCode(int code, bool write)
{
    switch (code) {
    case 0: case kTimeOut: case kBadReply: case kIllegalFunction: case kIllegalDataAddress: case kDataError:
        return true;
    case kWriteFailed: return write;
    default: return false;
    }
}

struct Request {
    bool write = false;
    int slave = 1;
    int count = 1;
    int reg = 0;
    int value = 0;
    ExpectedReply expected() const
    {
        return write ? ExpectedReply::forWrite(slave, reg, value) : ExpectedReply::forRead(slave, count);
    }
};

// The frame the request must go out as: ":", the six bytes in upper-case hexadecimal,
// the LRC that makes the bytes sum to 0, CR LF.
QByteArray frameOf(const Request& r)
{
    const int word1 = r.reg;
    const int word2 = r.write ? r.value : r.count;
    const int bytes[] = {r.slave, r.write ? 0x06 : 0x03, word1 >> 8, word1 & 0xFF, word2 >> 8, word2 & 0xFF};
    QByteArray frame = ":";
    int sum = 0;
    for (int b : bytes) {
        frame += QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
        sum += b;
    }
    return frame + QByteArray::number((0x100 - sum % 0x100) % 0x100, 16).rightJustified(2, '0').toUpper() + "\r\n";
}

int send(const Request& r, QByteArray& reply)
{
    if (r.write)
        return WriteSingleRegister(r.slave, r.reg, r.value, 0);
    return ReadHoldingRegisters(r.slave, r.reg, static_cast<quint8>(r.count), reply, 0);
}

// What holds of every result on a port that was open: a known code, at most one LF and
// that one last, a taken reply that is the answer asked for, and the port left open by
// a silent failure and closed by a reported one.
void checkResult(const Request& r, int code, const QByteArray& reply, bool silent)
{
    FUZZ_CHECK(isReplyCode(code, r.write), "code " + std::to_string(code));
    FUZZ_CHECK(!LinkRequestInProgress(), "");
    FUZZ_CHECK(reply.count('\n') <= 1 && (reply.count('\n') == 0 || reply.endsWith('\n')), fuzz::printable(reply));
    FUZZ_CHECK(reply.size() <= kMaxReplyLength + 1, std::to_string(reply.size()));
    if (code == 0 && !r.write) {
        FUZZ_CHECK(codeFor(reply, r.expected()) == 0, fuzz::printable(reply));
        for (int k = 0; k < r.count; ++k)
            FUZZ_CHECK(ReplyRegister(reply, k).has_value(), "register " + std::to_string(k));
    }
    if (code != 0)
        FUZZ_CHECK(CommControl().PortOpen() == silent, silent ? "a silent failure closed the port" : "a failure left the port open");
}

} // namespace

TCPANEL_FUZZ_TARGET(reply)
{
    fuzz::Input in(data, size);
    const std::uint8_t flags = in.byte();
    Request first;
    first.write = flags & 1;
    const bool silent = flags & 2;
    const bool second = flags & 4;
    first.slave = in.byte();
    const std::uint8_t a = in.byte(), b = in.byte(), c = in.byte();
    if (first.write) {
        first.reg = a * 256 + b;
        first.value = c * 256 + in.byte();
    } else {
        first.count = 1 + a % 14;
        first.reg = b * 256 + c;
    }
    const int timeOut = 50 + 10 * (in.byte() % 100);
    std::deque<Chunk> chunks;
    while (!in.empty()) {
        const std::size_t length = in.byte();
        const qint64 delay = in.byte();
        chunks.push_back({delay, in.bytes(length)});
    }

    testsupport::RecordingShell shell;
    testsupport::ScriptedMessages boxes;
    boxes.autoAcknowledgeOk();
    linktest::ScopedFakeLine fake;
    qint64 sentAt = -1;
    ChunkClock clock(fake.line(), std::move(chunks));
    fake.line().responder = [&](const QByteArray& frame) {
        FUZZ_CHECK(frame == frameOf(first), "sent " + fuzz::printable(frame));
        if (sentAt < 0)
            sentAt = clock.tickMs();
        return QByteArray();
    };
    platform::ScopedClock useClock(&clock);
    SetStartValues();
    commState = CommState{};
    commSettings.nTimeOut = timeOut;
    commSettings.nCommDelay = (flags & 8) ? 20 : 0;
    if (OpenCommPort() != 0) {
        FUZZ_CHECK(false, "the fake port did not open");
        return;
    }
    commState.bSilentComm = silent ? 1 : 0;

    QByteArray reply;
    const int code = send(first, reply);
    checkResult(first, code, reply, silent);
    FUZZ_CHECK(commState.nErrCode == code, std::to_string(commState.nErrCode) + " for " + std::to_string(code));
    FUZZ_CHECK(sentAt >= 0, "no request was sent");

    // What came before the deadline, up to the first LF, is the reply and decides it.
    QByteArray inTime;
    for (const auto& arrival : clock.arrived())
        if (arrival.at <= sentAt + timeOut)
            inTime += arrival.bytes;
    const qsizetype lf = inTime.indexOf('\n');
    const QByteArray line = lf >= 0 ? inTime.left(lf + 1) : QByteArray();
    if (lf >= 0 && lf <= kMaxReplyLength) {
        FUZZ_CHECK(reply == line || first.write, fuzz::printable(reply) + " taken from " + fuzz::printable(line));
        FUZZ_CHECK(code == codeFor(line, first.expected()),
                   "code " + std::to_string(code) + " for " + fuzz::printable(line));
    } else if ((lf >= 0 ? lf : inTime.size()) > kMaxReplyLength) {
        FUZZ_CHECK(code == kBadReply, "an overlong line gave " + std::to_string(code));
    } else {
        FUZZ_CHECK(code == kTimeOut, "no line in time gave " + std::to_string(code));
    }

    if (second) {
        // The same request again: whatever is left of the chunks may be a late answer.
        const bool open = CommControl().PortOpen();
        QByteArray again;
        const int code2 = send(first, again);
        if (open)
            checkResult(first, code2, again, silent);
        else
            FUZZ_CHECK(code2 == (first.write ? kWriteFailed : kTimeOut), "a request on a closed port gave " + std::to_string(code2));
    }
    testsupport::closeLink();
}
