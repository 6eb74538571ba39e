#include "instrument_sim.h"

#include "live_registers.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

// A request longer than this is garbage on the line, not a frame worth keeping.
constexpr std::size_t kMaxFrameChars = 520;
// How long the serving thread sleeps in poll(): bounds how late stop() is noticed.
constexpr int kPollMs = 10;

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void appendHex(std::string& out, std::uint8_t b, bool lowerCase) {
    const char* digits = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    out += digits[b >> 4];
    out += digits[b & 0x0F];
}

void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
}

// One character of 8N1 framing is 10 bit times; 0 when pacing is off.
std::chrono::nanoseconds charTime(int baud) {
    return baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud) : std::chrono::nanoseconds(0);
}

void checkAddress(int address) {
    if (address < 0 || address >= static_cast<int>(Instrument::kMemorySize))
        throw std::out_of_range("instrument memory address " + std::to_string(address));
}

}  // namespace

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

std::optional<Type> typeFromName(const std::string& name) {
    if (name == "H9") return Type::H9;
    if (name == "H5") return Type::H5;
    if (name == "H7") return Type::H7;
    if (name == "H8") return Type::H8;
    return std::nullopt;
}

bool modeValid(Type type, int mode) {
    switch (type) {
    case Type::H9: return mode >= 0 && mode <= 6;
    case Type::H5: return mode >= 0 && mode <= 2;
    case Type::H7: return mode >= 3 && mode <= 8;
    case Type::H8: return mode >= 0 && mode <= 8;
    }
    return false;
}

int defaultMode(Type type) { return type == Type::H7 ? 3 : 0; }

std::string validModesText(Type type) {
    switch (type) {
    case Type::H9: return "0-6";
    case Type::H5: return "0-2";
    case Type::H7: return "3-8";
    case Type::H8: return "0-8";
    }
    return {};
}

Instrument::Instrument(Type type, int slaveId, std::optional<int> mode)
    : type_(type), slaveId_(slaveId), memory_(kMemorySize, 0), epoch_(std::chrono::steady_clock::now()) {
    memory_[kRegFamily1] = kFamilyMark;
    memory_[kRegFamily2] = kFamilyMark;
    memory_[kRegDeviceType] = 0x0A;
    memory_[kRegDeviceType + 1] = static_cast<std::uint8_t>(type);
    memory_[kRegWritePermission_H5H7] = 1;
    setFunctionMode(mode.value_or(defaultMode(type)));
}

void Instrument::setFunctionMode(int mode) {
    std::lock_guard lock(memMutex_);
    auto set = [&](int address, int value) {
        memory_[address] = static_cast<std::uint8_t>(value);
        memory_[address + 1] = 0;
    };
    if (type_ != Type::H9) {
        memory_[kRegFuncMode] = static_cast<std::uint8_t>(mode);
        return;
    }
    // Function group 1542, channel B kind 1552, dual kind 1584, dual counter sub-mode 1648.
    switch (mode) {
    case 0: set(kRegFuncType_H9, 0); set(kRegFuncB_H9, 0); break;
    case 1: set(kRegFuncType_H9, 0); set(kRegFuncB_H9, 1); break;
    case 2:
    case 3:
    case 4:
        set(kRegFuncType_H9, 1);
        set(kRegFuncB_H9, 0);
        set(kRegDualFunc_H9, 1);
        set(kRegDualCounterMode_H9, mode - 2);
        break;
    case 5: set(kRegFuncType_H9, 1); set(kRegDualFunc_H9, 0); break;
    case 6: set(kRegFuncType_H9, 1); set(kRegFuncB_H9, 1); set(kRegDualFunc_H9, 2); break;
    default: set(kRegFuncType_H9, mode); break;
    }
}

void Instrument::setSimulatedTime(std::chrono::milliseconds t) {
    std::lock_guard lock(clockMutex_);
    fixedTime_ = t;
}

void Instrument::resumeClock() {
    std::lock_guard lock(clockMutex_);
    if (!fixedTime_) return;
    epoch_ = std::chrono::steady_clock::now() - *fixedTime_;
    fixedTime_.reset();
}

std::chrono::milliseconds Instrument::simulatedTime() const {
    std::lock_guard lock(clockMutex_);
    if (fixedTime_) return *fixedTime_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - epoch_);
}

std::int64_t Instrument::cycleMs() const {
    const auto now = simulatedTime();
    std::lock_guard lock(clockMutex_);
    return (now - cycleOrigin_).count();
}

void Instrument::updateLiveRegisters() {
    const std::int64_t ms = cycleMs();
    std::lock_guard lock(memMutex_);
    writeLiveRegisters(type_, memory_, ms);
}

Instrument::~Instrument() { stop(); }

void Instrument::start() {
    if (thread_.joinable()) return;
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        throw std::system_error(errno, std::generic_category(), "openpty");
    fcntl(master, F_SETFD, FD_CLOEXEC);
    fcntl(slave, F_SETFD, FD_CLOEXEC);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    // Both ends raw: otherwise the line discipline turns CR into LF and echoes requests back.
    makeRaw(slave);
    makeRaw(master);
    char name[256] = {};
    if (ttyname_r(slave, name, sizeof name) != 0 && ptsname_r(master, name, sizeof name) != 0) {
        const int err = errno;
        close(master);
        close(slave);
        throw std::system_error(err, std::generic_category(), "pty name");
    }
    {
        std::lock_guard lock(stateMutex_);
        stop_ = false;
        path_ = name;
    }
    masterFd_ = master;
    slaveFd_ = slave;
    thread_ = std::thread([this] { run(); });
}

void Instrument::stop() {
    {
        std::lock_guard lock(stateMutex_);
        stop_ = true;
        path_.clear();
    }
    stopCv_.notify_all();
    if (thread_.joinable()) thread_.join();
    if (masterFd_ >= 0) close(masterFd_);
    if (slaveFd_ >= 0) close(slaveFd_);
    masterFd_ = -1;
    slaveFd_ = -1;
}

std::string Instrument::path() const {
    std::lock_guard lock(stateMutex_);
    return path_;
}

std::uint8_t Instrument::peek(int address) const {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    return memory_[address];
}

void Instrument::poke(int address, std::uint8_t value) {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    memory_[address] = value;
}

void Instrument::pokeBytes(int address, const Bytes& bytes) {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    const std::size_t n = std::min(bytes.size(), kMemorySize - address);
    std::copy_n(bytes.begin(), n, memory_.begin() + address);
}

Bytes Instrument::peekBytes(int address, int count) const {
    checkAddress(address);
    std::lock_guard lock(memMutex_);
    const std::size_t n = std::min<std::size_t>(std::max(count, 0), kMemorySize - address);
    return Bytes(memory_.begin() + address, memory_.begin() + address + n);
}

std::uint16_t Instrument::read16(int address) const {
    checkAddress(address + 1);
    std::lock_guard lock(memMutex_);
    return static_cast<std::uint16_t>(memory_[address] | (memory_[address + 1] << 8));
}

void Instrument::write16(int address, std::uint16_t value) {
    checkAddress(address + 1);
    std::lock_guard lock(memMutex_);
    memory_[address] = static_cast<std::uint8_t>(value & 0xFF);
    memory_[address + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Instrument::setFault(const Fault& fault, const FaultScope& scope) {
    std::lock_guard lock(faultMutex_);
    faults_.push_back({fault, scope});
}

void Instrument::clearFaults() {
    std::lock_guard lock(faultMutex_);
    faults_.clear();
}

void Instrument::setPacingBaud(int baud) { pacingBaud_ = std::max(baud, 0); }

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

bool Instrument::sleepUntil(SteadyTime deadline) {
    std::unique_lock lock(stateMutex_);
    stopCv_.wait_until(lock, deadline, [&] { return stop_; });
    return !stop_;
}

bool Instrument::writeAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(masterFd_, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        // The client is not draining its side: wait for room, but stay stoppable.
        pollfd p{masterFd_, POLLOUT, 0};
        poll(&p, 1, kPollMs);
        std::lock_guard lock(stateMutex_);
        if (stop_) return false;
    }
    return true;
}

void Instrument::run() {
    std::string frame;
    bool inFrame = false;
    SteadyTime firstByte{};
    char buf[512];
    for (;;) {
        {
            std::lock_guard lock(stateMutex_);
            if (stop_) return;
        }
        pollfd p{masterFd_, POLLIN, 0};
        const int r = poll(&p, 1, kPollMs);
        if (r <= 0) continue;
        if (!(p.revents & POLLIN)) {
            // Hang-up or error without data; cannot happen while our slave descriptor is open, but never spin.
            sleepUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(kPollMs));
            continue;
        }
        const ssize_t n = ::read(masterFd_, buf, sizeof buf);
        if (n <= 0) {
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
            sleepUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(kPollMs));
            continue;
        }
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buf[i];
            if (c == ':') {
                // A colon always starts a new frame; whatever was pending is abandoned.
                frame.assign(1, c);
                inFrame = true;
                firstByte = std::chrono::steady_clock::now();
                continue;
            }
            if (!inFrame) continue;
            frame += c;
            if (c == '\n') {
                inFrame = false;
                handleFrame(frame, firstByte);
            } else if (frame.size() > kMaxFrameChars) {
                inFrame = false;
                Request req;
                req.time = std::chrono::steady_clock::now();
                req.raw = frame;
                logRequest(std::move(req));
            }
        }
    }
}

std::vector<Fault> Instrument::takeFaults(int firstByte, int lastByte) {
    std::vector<Fault> hit;
    std::lock_guard lock(faultMutex_);
    for (auto it = faults_.begin(); it != faults_.end();) {
        bool applies = false;
        switch (it->scope.kind) {
        case FaultScope::Kind::Always:
            applies = true;
            break;
        case FaultScope::Kind::Next:
            applies = it->scope.count > 0;
            break;
        case FaultScope::Kind::Address:
            applies = firstByte >= 0 && it->scope.address >= firstByte && it->scope.address <= lastByte;
            break;
        }
        if (applies) hit.push_back(it->fault);
        if (applies && it->scope.kind == FaultScope::Kind::Next && --it->scope.count <= 0) {
            it = faults_.erase(it);
            continue;
        }
        ++it;
    }
    return hit;
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

    std::optional<int> exceptionCode;
    bool silent = false;
    bool badLrc = false;
    bool lowerCase = false;
    std::optional<int> wrongSlave;
    std::optional<int> truncateTo;
    std::string prefix;
    std::string suffix;
    for (const Fault& f : faults) {
        switch (f.kind) {
        case Fault::Kind::NoReply: silent = true; break;
        case Fault::Kind::Exception: exceptionCode = f.value; break;
        case Fault::Kind::BadLrc: badLrc = true; break;
        case Fault::Kind::LowerCase: lowerCase = true; break;
        case Fault::Kind::WrongSlave: wrongSlave = f.value; break;
        case Fault::Kind::Truncate: truncateTo = std::max(f.value, 0); break;
        case Fault::Kind::StrayByte: prefix += static_cast<char>(f.value); break;
        case Fault::Kind::TrailingBytes: suffix += f.text; break;
        case Fault::Kind::Delay:
        case Fault::Kind::ByteGap: break;  // timing, applied while sending
        }
    }

    Bytes content = serve(req, exceptionCode);
    if (wrongSlave) content[0] = static_cast<std::uint8_t>(*wrongSlave);
    std::string text = ":";
    for (std::uint8_t b : content) appendHex(text, b, lowerCase);
    appendHex(text, static_cast<std::uint8_t>(lrc(content) + (badLrc ? 1 : 0)), lowerCase);
    text += "\r\n";
    if (truncateTo && static_cast<std::size_t>(*truncateTo) < text.size()) text.resize(*truncateTo);
    text = prefix + text + suffix;

    // Pacing: the request itself took its length in character times to cross the line.
    SteadyTime notBefore = rq.time;
    if (const auto ct = charTime(pacingBaud_); ct.count() > 0)
        notBefore = std::max(notBefore, firstByte + ct * static_cast<std::chrono::nanoseconds::rep>(raw.size()));

    if (silent || text.empty()) {
        logRequest(std::move(rq));
        return;
    }
    rq.answered = true;
    rq.reply = text;
    // Logged before sending, so a client that has read the reply always finds its request in the log.
    logRequest(std::move(rq));
    sendReply(text, faults, notBefore);
}

void Instrument::sendReply(const std::string& bytes, const std::vector<Fault>& faults, SteadyTime notBefore) {
    std::chrono::milliseconds delay{0};
    std::chrono::milliseconds gap{0};
    for (const Fault& f : faults) {
        if (f.kind == Fault::Kind::Delay) delay += std::chrono::milliseconds(std::max(f.value, 0));
        if (f.kind == Fault::Kind::ByteGap) gap += std::chrono::milliseconds(std::max(f.value, 0));
    }
    const std::chrono::nanoseconds perChar = charTime(pacingBaud_);
    SteadyTime t = std::max(std::chrono::steady_clock::now(), notBefore) + delay;
    if (perChar.count() == 0 && gap.count() == 0) {
        if (sleepUntil(t)) writeAll(bytes.data(), bytes.size());
        return;
    }
    // One byte at a time on an absolute timeline, so that pacing does not drift with scheduling delays.
    for (char c : bytes) {
        t += perChar;
        if (!sleepUntil(t) || !writeAll(&c, 1)) return;
        t += gap;
    }
}

}  // namespace sim
