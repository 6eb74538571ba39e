#include "command_line.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

namespace sim {

namespace {

// Whole decimal number within [lo, hi].
std::optional<int> parseInt(const std::string& text, long lo, long hi) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return std::nullopt;
    return static_cast<int>(v);
}

ParsedCommandLine fail(std::string message) {
    ParsedCommandLine r;
    r.error = std::move(message);
    return r;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
    std::optional<Type> type;
    std::optional<int> mode;
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            ParsedCommandLine r;
            r.outcome = ParsedCommandLine::Outcome::Help;
            return r;
        }
        if (arg == "--no-animate") {
            o.animate = false;
            continue;
        }
        if (arg != "--type" && arg != "--id" && arg != "--mode" && arg != "--baud")
            return fail("unknown option " + arg);
        if (i + 1 >= args.size()) return fail(arg + " needs a value");
        const std::string& value = args[++i];
        std::optional<int> number;
        if (arg == "--type") {
            type = typeFromName(value);
            if (!type) return fail("bad argument --type " + value + " (H9, H5, H7 or H8)");
        } else if (arg == "--id") {
            if (!(number = parseInt(value, 0, 255))) return fail("bad argument --id " + value + " (0-255)");
            o.slaveId = *number;
        } else if (arg == "--mode") {
            if (!(number = parseInt(value, 0, 255))) return fail("bad argument --mode " + value);
            mode = number;
        } else {
            if (!(number = parseInt(value, 1, 10'000'000))) return fail("bad argument --baud " + value);
            o.baud = *number;
        }
    }
    if (!type) return fail("--type is required");
    o.type = *type;
    // Checked once the type is known, whatever the order of the options.
    if (mode && !modeValid(*type, *mode)) {
        const char* name = *type == Type::H9 ? "H9" : *type == Type::H5 ? "H5" : *type == Type::H7 ? "H7" : "H8";
        return fail(std::string("an ") + name + " has no function mode " + std::to_string(*mode) +
                    " (valid: " + validModesText(*type) + ")");
    }
    o.mode = mode.value_or(defaultMode(*type));
    ParsedCommandLine r;
    r.outcome = ParsedCommandLine::Outcome::Run;
    r.options = o;
    return r;
}

std::string usageText(const std::string& program) {
    return "usage: " + program + " --type H9|H5|H7|H8 [--id N] [--mode M] [--baud B] [--no-animate]\n"
           "  --type        instrument type (required)\n"
           "  --id          slave ID, 0-255 (default 1)\n"
           "  --mode        function mode the instrument runs (default: the type's first):\n"
           "                  H9 0 timer + counter, 1 timer + tachometer, 2 counter + total counter,\n"
           "                     3 counter + batch counter, 4 two counters, 5 2-stage timer,\n"
           "                     6 dual tachometer\n"
           "                  H5 0 timer, 1 twin timer, 2 2-stage timer\n"
           "                  H7 3 1-stage, 4 2-stage, 5 total, 6 batch, 7 dual counter, 8 tachometer\n"
           "                  H8 any of H5's and H7's, 0-8\n"
           "  --baud        pace replies at this baud rate, 8N1 (default: no pacing)\n"
           "  --no-animate  keep the live registers still\n"
           "Prints the pseudo-terminal's path on the first line, then serves until interrupted.\n"
           "\n"
           "The panel runs a 10 s cycle: present values advance for 8 s and hold, OUT1 lights at 4 s,\n"
           "OUT2 at 8 s, RST2 at 9 s and RST1 at 9.5 s, all dark again as the next cycle starts. Set\n"
           "values and all settings come from memory (zero, or what a download wrote), and the\n"
           "function follows what memory selects.\n"
           "  timers     the present value times in the set range, up or down (hundredths, tenths or\n"
           "             seconds as the range shows them; minute and hour ranges step once a second);\n"
           "             H9 ON/OFF on while timing; H5 status bits timing, reset and time up\n"
           "  twin timer OFF phase 0-5 s, ON phase 5-10 s, the phase's set value on the lower row\n"
           "  counters   count 10 a second to 80 (H7 input mode DOWN: to -80; H9 down modes: 80 to 0);\n"
           "             total and batch counters carry on over the cycles; the second input of a\n"
           "             dual counter counts 4 a second\n"
           "  tachometer a rate of 100.000 rising to 150.000 at 5 s and falling back\n"
           "  lamps      OUT1, OUT2, RST1, RST2 as above (an H9 shows OUT1 and OUT2)\n"
           "A write to the download's begin register (H9 1248, others 1234) restarts the cycle.\n";
}

}  // namespace sim
