// The instrument's life: the pty line it serves on from a thread of its own, the pacing of what it sends,
// and its clock (simulated time and the origin of its work cycle).
#include "instrument_sim.h"

#include "live_registers.h"
#include "sim_parts.h"

#include <algorithm>
#include <cerrno>
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

void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
}

}  // namespace

std::chrono::nanoseconds charTime(int baud) {
    return baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud) : std::chrono::nanoseconds(0);
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

void Instrument::setPacingBaud(int baud) { pacingBaud_ = std::max(baud, 0); }

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

}  // namespace sim
