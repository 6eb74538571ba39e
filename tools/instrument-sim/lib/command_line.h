// The instrument-sim program's options, parsed apart from main() so that tests can check them.
#pragma once

#include "instrument_sim.h"

#include <string>
#include <vector>

namespace sim {

struct Options {
    Type type = Type::H9;
    int slaveId = 1;
    int mode = 0;     // a mode the type has (defaultMode() when --mode is not given)
    int baud = 0;     // 0: no pacing
    bool animate = true;
};

struct ParsedCommandLine {
    enum class Outcome { Run, Help, Error };
    Outcome outcome = Outcome::Error;
    Options options;    // valid for Run
    std::string error;  // one line, for Error
};

// Parses the arguments after the program name.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args);

// The --help text: options, valid modes per type and what the simulator animates.
std::string usageText(const std::string& program);

}  // namespace sim
