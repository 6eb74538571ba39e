// The client end of the simulator's pty, as a serial program would open it: plain POSIX, raw mode.
#pragma once

#include <chrono>
#include <string>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace simtest {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class PtyClient {
public:
    explicit PtyClient(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        if (fd_ < 0) return;
        termios t{};
        tcgetattr(fd_, &t);
        cfmakeraw(&t);
        tcsetattr(fd_, TCSANOW, &t);
        tcflush(fd_, TCIOFLUSH);
    }
    ~PtyClient() {
        if (fd_ >= 0) ::close(fd_);
    }
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool ok() const { return fd_ >= 0; }
    int reads() const { return reads_; }

    bool send(const std::string& text) { return ::write(fd_, text.data(), text.size()) == ssize_t(text.size()); }

    // Up to and including the first LF, or whatever arrived when the time is up.
    std::string readLine(std::chrono::milliseconds timeout = 1000ms) {
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            if (auto lf = pending_.find('\n'); lf != std::string::npos) {
                std::string line = pending_.substr(0, lf + 1);
                pending_.erase(0, lf + 1);
                return line;
            }
            if (!fill(deadline)) return std::exchange(pending_, {});
        }
    }

    // Everything that arrives within the window.
    std::string readFor(std::chrono::milliseconds window) {
        const auto deadline = Clock::now() + window;
        while (fill(deadline)) {
        }
        return std::exchange(pending_, {});
    }

    std::string transact(const std::string& frame, std::chrono::milliseconds timeout = 1000ms) {
        send(frame);
        return readLine(timeout);
    }

private:
    bool fill(Clock::time_point deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0) return false;
        char buf[256];
        const ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n <= 0) return false;
        ++reads_;
        pending_.append(buf, size_t(n));
        return true;
    }

    int fd_ = -1;
    int reads_ = 0;
    std::string pending_;
};

}  // namespace simtest
