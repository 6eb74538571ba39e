// The instrument's side of Modbus ASCII: frames to and from text, and what a request does, from the
// frame received to the reply sent, with the log of every request.
#include "instrument_sim.h"

#include "live_registers.h"
#include "sim_parts.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"

#include <algorithm>

namespace sim {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

void appendHex(std::string& out, std::uint8_t b, bool lowerCase) {
    const char* digits = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    out += digits[b >> 4];
    out += digits[b & 0x0F];
}

std::uint8_t lrc(const Bytes& bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes) sum += b;
    return static_cast<std::uint8_t>((256 - (sum & 0xFF)) & 0xFF);
}

std::string buildFrame(const Bytes& bytes, bool lowerCase) {
    std::string out = ":";
    for (std::uint8_t b : bytes) appendHex(out, b, lowerCase);
    appendHex(out, lrc(bytes), lowerCase);
    out += "\r\n";
    return out;
}

std::optional<Bytes> parseFrame(const std::string& frame) {
    if (frame.empty() || frame[0] != ':') return std::nullopt;
    std::size_t end = frame.size();
    if (end > 1 && frame[end - 1] == '\n') --end;
    if (end > 1 && frame[end - 1] == '\r') --end;
    const std::size_t digits = end - 1;
    if (digits == 0 || digits % 2 != 0) return std::nullopt;
    Bytes out;
    out.reserve(digits / 2);
    for (std::size_t i = 1; i < end; i += 2) {
        const int hi = hexValue(frame[i]);
        const int lo = hexValue(frame[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    return out;
}

void Instrument::handleFrame(const std::string& raw, SteadyTime firstByte) {
    Request rq;
    rq.time = std::chrono::steady_clock::now();
    rq.raw = raw;
    const bool terminated = raw.size() >= 2 && raw[raw.size() - 2] == '\r';
    const auto bytes = terminated ? parseFrame(raw) : std::nullopt;
    if (!bytes || bytes->size() < 3) {
        logRequest(std::move(rq));
        return;
    }
    const Bytes& req = *bytes;
    rq.lrcOk = lrc(Bytes(req.begin(), req.end() - 1)) == req.back();
    rq.slave = req[0];
    rq.function = req[1];
    if (req.size() == 7) {
        rq.address = req[2] << 8 | req[3];
        rq.countOrValue = req[4] << 8 | req[5];
    }
    if (!rq.lrcOk || rq.slave != slaveId_ || rq.function == 0xDD) {
        logRequest(std::move(rq));
        return;
    }

    int firstAddr = -1;
    int lastAddr = -1;
    if (req.size() == 7 && rq.function == 0x03) {
        firstAddr = rq.address;
        lastAddr = rq.address + 2 * rq.countOrValue - 1;
    } else if (req.size() == 7 && rq.function == 0x06) {
        firstAddr = rq.address;
        lastAddr = rq.address + 1;
    }
    const std::vector<Fault> faults = takeFaults(firstAddr, lastAddr);
    const ReplyShape shape = shapeOf(faults);
    const std::string text = replyText(serve(req, shape.exceptionCode), shape);

    // Pacing: the request itself took its length in character times to cross the line.
    SteadyTime notBefore = rq.time;
    if (const auto ct = charTime(pacingBaud_); ct.count() > 0)
        notBefore = std::max(notBefore, firstByte + ct * static_cast<std::chrono::nanoseconds::rep>(raw.size()));

    if (shape.silent || text.empty()) {
        logRequest(std::move(rq));
        return;
    }
    rq.answered = true;
    rq.reply = text;
    // Logged before sending, so a client that has read the reply always finds its request in the log.
    logRequest(std::move(rq));
    sendReply(text, faults, notBefore);
}

Bytes Instrument::serve(const Bytes& req, std::optional<int> exceptionCode) {
    const std::uint8_t slave = req[0];
    const std::uint8_t function = req[1];
    auto exception = [&](int code) {
        return Bytes{slave, static_cast<std::uint8_t>(function | 0x80), static_cast<std::uint8_t>(code)};
    };
    if (exceptionCode) return exception(*exceptionCode);
    // req holds the LRC as its last byte: 03 and 06 carry 4 data bytes, 7 bytes in all.
    if (function != 0x03 && function != 0x06) return exception(1);
    if (req.size() != 7) return exception(3);
    const int address = req[2] << 8 | req[3];
    if (function == 0x03) {
        const int count = req[4] << 8 | req[5];
        if (count < 1 || count > 14) return exception(3);
        if (address + 2 * count > static_cast<int>(kMemorySize)) return exception(2);
        Bytes reply{slave, function, static_cast<std::uint8_t>(2 * count)};
        const std::int64_t ms = cycleMs();
        std::lock_guard lock(memMutex_);
        if (animated_) writeLiveRegisters(type_, memory_, ms);
        for (int k = 0; k < count; ++k) {
            reply.push_back(memory_[address + 2 * k + 1]);  // high byte first on the line
            reply.push_back(memory_[address + 2 * k]);
        }
        return reply;
    }
    if (address + 1 >= static_cast<int>(kMemorySize)) return exception(2);
    {
        std::lock_guard lock(memMutex_);
        memory_[address] = req[5];
        memory_[address + 1] = req[4];
    }
    if (address == (type_ == Type::H9 ? kRegBegin_H9 : kRegBegin_H5H7)) {
        const auto now = simulatedTime();
        std::lock_guard lock(clockMutex_);
        cycleOrigin_ = now;
    }
    return Bytes(req.begin(), req.end() - 1);
}

std::vector<Request> Instrument::requests() const {
    std::lock_guard lock(logMutex_);
    return log_;
}

void Instrument::clearRequests() {
    std::lock_guard lock(logMutex_);
    log_.clear();
}

bool Instrument::waitForRequests(std::size_t n, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(logMutex_);
    return logCv_.wait_for(lock, timeout, [&] { return log_.size() >= n; });
}

void Instrument::logRequest(Request req) {
    {
        std::lock_guard lock(logMutex_);
        log_.push_back(std::move(req));
    }
    logCv_.notify_all();
}

}  // namespace sim
