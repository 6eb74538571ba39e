// instrument-sim: serves one simulated instrument on a pseudo-terminal until SIGINT or SIGTERM.
// The first line of stdout is the path to open as the serial port.
#include "instrument_sim.h"

#include <csignal>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

#include <pthread.h>

namespace {

void usage(const char* argv0) {
    std::cerr << "usage: " << argv0 << " --type H9|H5|H7|H8 [--id N] [--mode M] [--baud B]\n"
              << "  --type  instrument type (required)\n"
              << "  --id    slave ID, 0-255 (default 1)\n"
              << "  --mode  function mode byte, 0-255 (default 0)\n"
              << "  --baud  pace replies at this baud rate, 8N1 (default: no pacing)\n"
              << "Prints the pseudo-terminal's path on the first line, then serves until interrupted.\n";
}

// Whole decimal number within [lo, hi]; false on anything else.
bool parseInt(const std::string& text, long lo, long hi, int& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<sim::Type> type;
    int id = 1;
    int mode = 0;
    int baud = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            usage(argv[0]);
            return 0;
        }
        if (i + 1 >= argc) {
            usage(argv[0]);
            return 2;
        }
        const std::string value = argv[++i];
        bool ok = false;
        if (arg == "--type") {
            type = sim::typeFromName(value);
            ok = type.has_value();
        } else if (arg == "--id") {
            ok = parseInt(value, 0, 255, id);
        } else if (arg == "--mode") {
            ok = parseInt(value, 0, 255, mode);
        } else if (arg == "--baud") {
            ok = parseInt(value, 1, 10'000'000, baud);
        }
        if (!ok) {
            std::cerr << argv[0] << ": bad argument " << arg << " " << value << "\n";
            usage(argv[0]);
            return 2;
        }
    }
    if (!type) {
        usage(argv[0]);
        return 2;
    }

    // Block the stop signals before the serving thread exists, so it inherits the mask and sigwait()
    // below is the only place they arrive.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    sim::Instrument instrument(*type, id, mode);
    instrument.setPacingBaud(baud);
    try {
        instrument.start();
    } catch (const std::exception& e) {
        std::cerr << argv[0] << ": " << e.what() << "\n";
        return 1;
    }
    std::cout << instrument.path() << std::endl;

    int sig = 0;
    sigwait(&stopSignals, &sig);
    instrument.stop();
    return 0;
}
