// What the parts of the simulated instrument share among themselves; its users have
// instrument_sim.h.
#pragma once

#include "instrument_sim.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// The two hex digits of a byte, as a frame carries it.
void appendHex(std::string& out, std::uint8_t b, bool lowerCase);

// One character of 8N1 framing is 10 bit times; 0 when pacing is off.
std::chrono::nanoseconds charTime(int baud);

// What the faults that hit one request do to its reply (Delay and ByteGap act while it is sent).
struct ReplyShape {
    std::optional<int> exceptionCode;  // replaces the normal reply; the request is not carried out
    bool silent = false;
    bool badLrc = false;
    bool lowerCase = false;
    std::optional<int> wrongSlave;
    std::optional<int> truncateTo;
    std::string prefix;
    std::string suffix;
};
ReplyShape shapeOf(const std::vector<Fault>& faults);
// The text sent for the reply bytes before the LRC, as the shape has it; empty when truncated to nothing.
std::string replyText(Bytes content, const ReplyShape& shape);

}  // namespace sim
