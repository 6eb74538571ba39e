// The registers a running instrument changes by itself: present values, status bits and lamps.
//
// Everything here is a pure function of the configuration held in memory and of the time since the
// instrument's cycle began, so a test that fixes the time knows every byte the monitor will read.
#pragma once

#include "instrument_sim.h"

#include <cstdint>
#include <vector>

namespace sim {

// One work cycle of the simulated instrument. Every type runs the same 10 s cycle, so its lamps and
// indicators change at known moments:
//   0 .. 8 s    running: present values advance (a counter 10 counts a second, 80 a cycle)
//   4 s ..      OUT1 lit (half of the run)
//   8 s ..      time up: present values hold, OUT2 lit
//   9 s ..      RST2 lit
//   9.5 s ..    RST1 lit (the reset that starts the next cycle)
struct Cycle {
    static constexpr int kCycleMs = 10000;
    static constexpr int kRunMs = 8000;
    static constexpr long kCountsPerRun = 80;

    explicit Cycle(std::int64_t ms);

    std::int64_t completed = 0;  // whole cycles before this one
    int phase = 0;               // ms into this cycle

    bool running() const { return phase < kRunMs; }
    int elapsed() const { return phase < kRunMs ? phase : kRunMs; }
    bool out1() const { return phase >= kRunMs / 2; }
    bool out2() const { return phase >= kRunMs; }
    bool rst1() const { return phase >= 9500; }
    bool rst2() const { return phase >= 9000; }

    long count() const { return elapsed() / 100; }        // the main counter, 0 .. 80
    long secondCount() const { return elapsed() / 250; }  // a second input, 0 .. 32
    long total() const { return completed * kCountsPerRun + count(); }
    long batches() const { return completed + (out2() ? 1 : 0); }
    // A measured rate in thousandths: 100.000 rising to 150.000 at mid-cycle and falling back.
    long rateMilli() const;
};

// Writes the live registers of the function that memory selects (H9: 1542, 1552, 1584, 1648; the
// other types: the mode byte 1074, 0-2 timer, 3-8 counter) for the moment `ms` of the instrument's
// life. Other registers are left alone; within a status byte only the bits the panel shows change.
void writeLiveRegisters(Type type, std::vector<std::uint8_t>& memory, std::int64_t ms);

}  // namespace sim
