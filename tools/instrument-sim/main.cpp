// instrument-sim: serves one simulated instrument on a pseudo-terminal until SIGINT or SIGTERM.
// The first line of stdout is the path to open as the serial port.
#include "command_line.h"
#include "instrument_sim.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include <pthread.h>

int main(int argc, char** argv) {
    const sim::ParsedCommandLine cmd = sim::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (cmd.outcome) {
    case sim::ParsedCommandLine::Outcome::Help:
        std::cout << sim::usageText(argv[0]);
        return 0;
    case sim::ParsedCommandLine::Outcome::Error:
        std::cerr << argv[0] << ": " << cmd.error << "\nTry '" << argv[0] << " --help'.\n";
        return 2;
    case sim::ParsedCommandLine::Outcome::Run:
        break;
    }
    const sim::Options& o = cmd.options;

    // Block the stop signals before the serving thread exists, so it inherits the mask and sigwait()
    // below is the only place they arrive.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    sim::Instrument instrument(o.type, o.slaveId, o.mode);
    instrument.setPacingBaud(o.baud);
    instrument.setAnimated(o.animate);
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
