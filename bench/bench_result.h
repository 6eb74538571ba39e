#pragma once
// Beside its own text, each benchmark prints one line per figure for scripts/bench:
//
//   RESULT <name> <value> <unit> <op> <target>
//
// <op> is <, <=, >, >= or ==, read as "value op target"; a figure that could not be
// measured has the value n/a and meets no target. Returns whether the figure meets it.
#include <cmath>
#include <cstdio>
#include <cstring>

inline bool benchResult(const char* name, double value, const char* unit, const char* op, double target)
{
    const bool measured = std::isfinite(value);
    bool met = false;
    if (measured) {
        if (std::strcmp(op, "<") == 0)
            met = value < target;
        else if (std::strcmp(op, "<=") == 0)
            met = value <= target;
        else if (std::strcmp(op, ">") == 0)
            met = value > target;
        else if (std::strcmp(op, ">=") == 0)
            met = value >= target;
        else if (std::strcmp(op, "==") == 0)
            met = value == target;
    }
    if (measured)
        std::printf("RESULT %s %.6g %s %s %g\n", name, value, unit, op, target);
    else
        std::printf("RESULT %s n/a %s %s %g\n", name, unit, op, target);
    std::fflush(stdout);
    return met;
}
