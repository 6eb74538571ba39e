#pragma once
// One request to the simulated instrument as the transfer tests write it: "R1074" a read of
// one register, "R1098x2" a read of two, "W1074=0003" a write, "DD" the one-way request.
#include <cstdio>
#include <string>

namespace simtext {

inline std::string requestText(int function, int address, int countOrValue)
{
    char buf[32];
    if (function == 0x03 && countOrValue == 1)
        std::snprintf(buf, sizeof buf, "R%d", address);
    else if (function == 0x03)
        std::snprintf(buf, sizeof buf, "R%dx%d", address, countOrValue);
    else if (function == 0x06)
        std::snprintf(buf, sizeof buf, "W%d=%04X", address, countOrValue);
    else if (function == 0xDD)
        return "DD";
    else
        std::snprintf(buf, sizeof buf, "?%02X", function);
    return buf;
}

} // namespace simtext
