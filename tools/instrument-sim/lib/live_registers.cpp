#include "live_registers.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"

#include <array>
#include <cstdlib>

namespace sim {

namespace {

using Memory = std::vector<std::uint8_t>;
using Bcd6 = std::array<std::uint8_t, 3>;  // six decimal digits, most significant pair first

std::uint8_t bcd(long twoDigits) { return static_cast<std::uint8_t>((twoDigits / 10) << 4 | twoDigits % 10); }

// The lower six decimal digits of |v|.
Bcd6 bcd6(long v) {
    v = std::labs(v) % 1000000;
    return {bcd(v / 10000), bcd(v / 100 % 100), bcd(v % 100)};
}

long pow10(int n) {
    long p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

void setBit(Memory& m, int address, int bit, bool on) {
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    m[address] = on ? (m[address] | mask) : (m[address] & ~mask);
}

void putWord(Memory& m, int address, unsigned value) {
    m[address] = static_cast<std::uint8_t>(value & 0xFF);
    m[address + 1] = static_cast<std::uint8_t>(value >> 8 & 0xFF);
}

// Six digits over two registers N, N+2: upper four in N+2, lower two in the low byte of N.
void putSplit(Memory& m, int n, long v) {
    const Bcd6 b = bcd6(v);
    m[n] = b[2];
    m[n + 1] = 0;
    m[n + 2] = b[1];
    m[n + 3] = b[0];
}

// Six digits over two registers N, N+2: lower four in N, upper two in the low byte of N+2.
void putPlain(Memory& m, int n, long v) {
    const Bcd6 b = bcd6(v);
    m[n] = b[2];
    m[n + 1] = b[1];
    m[n + 2] = b[0];
    m[n + 3] = 0;
}

// Six integer digits and three decimals over three registers N, N+2, N+4 (a value in thousandths):
// the decimals in the low digit of byte N+1 and in byte N, the integer in N+5, N+4 and N+2.
void putNineDigits(Memory& m, int n, long milli) {
    const long frac = std::labs(milli) % 1000;
    const Bcd6 i = bcd6(std::labs(milli) / 1000);
    m[n] = bcd(frac % 100);
    m[n + 1] = static_cast<std::uint8_t>(frac / 100);
    m[n + 2] = i[2];
    m[n + 3] = 0;
    m[n + 4] = i[1];
    m[n + 5] = i[0];
}

// Six digits in bytes N+2, N+1, N (most significant first) and a sign word at `sign`: 1 when negative.
void putSigned(Memory& m, int n, int sign, long v) {
    const Bcd6 b = bcd6(v);
    m[n] = b[2];
    m[n + 1] = b[1];
    m[n + 2] = b[0];
    putWord(m, sign, v < 0 ? 1 : 0);
}

// ---- H9 -------------------------------------------------------------------------------------------

// The timer's value for time code c: hundredths of a second for codes 0 and 1; whole units for the
// others (the minute and hour ranges step once a second, so that the panel visibly runs).
long h9TimerValue(int c, const Cycle& cy) {
    const int unitMs = c < 2 ? 10 : 1000;
    const long up = cy.elapsed() / unitMs;
    return c % 2 == 0 ? up : Cycle::kRunMs / unitMs - up;
}

// The counter of channel B with its decimal point d: the count in 1504 (up-counting input modes) or
// counting down from 80 in 1510.
void h9Counter(Memory& m, long up) {
    const int mode = m[kRegCountInputModeB_H9];
    const int d = m[kRegDotAdjB_H9] <= 3 ? m[kRegDotAdjB_H9] : 0;
    const bool countingUp = mode == 0 || mode == 1 || mode == 2 || mode == 6;
    const long value = countingUp ? up : Cycle::kCountsPerRun - up;
    putNineDigits(m, countingUp ? kRegCounterPresentUpB_H9 : kRegCounterPresentDownB_H9, value * pow10(3 - d));
}

void liveH9(Memory& m, const Cycle& cy) {
    setBit(m, kRegLamps_H9, 4, cy.out1());
    setBit(m, kRegLamps_H9, 5, cy.out2());
    setBit(m, kRegOnOff_H9, 0, cy.running());  // the ON/OFF indicator: on while timing
    if (m[kRegFuncType_H9] == 0) {
        if (const int c = m[kRegTimeCodeA_H9]; c < 8) {
            const long v = h9TimerValue(c, cy);
            c < 2 ? putSplit(m, kRegTimerPresentA_H9[c], v) : putPlain(m, kRegTimerPresentA_H9[c], v);
        }
        if (m[kRegFuncB_H9] == 0)
            h9Counter(m, cy.count());
        else
            putNineDigits(m, kRegTachoPresentB_H9, cy.rateMilli());
        return;
    }
    if (m[kRegFuncType_H9] != 1) return;
    switch (m[kRegDualFunc_H9]) {
    case 0:  // 2-stage timer, whole seconds
        putSplit(m, kRegTwoStagePresent_H9, cy.elapsed() / 1000);
        break;
    case 1: {  // dual counter: display A totals, counts batches or is a second input
        const int sub = m[kRegDualCounterMode_H9];
        const long a = sub == 0 ? cy.total() : sub == 1 ? cy.batches() : cy.secondCount();
        putSplit(m, kRegDualCounterPresent_H9, a);
        h9Counter(m, cy.count());
        break;
    }
    default:  // dual tachometer: 1564 is the integer part of the 1562 block
        putNineDigits(m, kRegTachoPresentB_H9, cy.rateMilli());
        break;
    }
}

// ---- Timer modes 0-2 --------------------------------------------------------------------------------

// Milliseconds per step of the last digit of time range r; the minute and hour ranges step once a
// second.
int unitMs(int r) {
    switch (r) {
    case 0: return 10;
    case 1: return 100;
    case 9: return 1;
    default: return 1000;
    }
}

// The digits of `ms` of timing in range r, counting up, or down from `fromMs`.
long timerDigits(int r, int ms, bool down, int fromMs) {
    const long units = (down ? fromMs - ms : ms) / unitMs(r);
    return (r == 3 || r == 6) ? units / 60 * 100 + units % 60 : units;  // min:s and h:min rows
}

void lamps(Memory& m, bool rst1, bool rst2, bool out1, bool out2) {
    setBit(m, kRegOutLamps_H5H7, 3, out1);
    setBit(m, kRegOutLamps_H5H7, 4, out2);
    setBit(m, kRegRst1Lamp_H5, 3, rst1);
    setBit(m, kRegRst2Lamp_H5, 0, rst2);
}

void liveTimer(Memory& m, int mode, const Cycle& cy) {
    if (mode == 1) {
        // Twin timer: OFF phase for the first half of the cycle, ON for the second; the lower row shows
        // the set value of the running phase, both outputs follow the ON phase.
        const bool on = cy.phase >= Cycle::kCycleMs / 2;
        const int within = on ? cy.phase - Cycle::kCycleMs / 2 : cy.phase;
        const int range = on ? m[kRegTimerRangeON_B_H5] : m[kRegTimerRangeOFF_B_H5];
        putPlain(m, kRegPresentValue_H5, timerDigits(range, within, m[kRegTimerDir_B_H5] == 1, Cycle::kCycleMs / 2));
        const int setValue = on ? kRegSettingValueON_B_H5 : kRegSettingValueOFF_B_H5;
        for (int i = 0; i < 4; ++i) m[kRegTwinValue_H5 + i] = m[setValue + i];
        putWord(m, kRegTwinPhaseUpper_H5, on);
        putWord(m, kRegTwinPhaseLower_H5, on);
        setBit(m, kRegStatus_H5, 0, true);
        setBit(m, kRegStatus_H5, 2, cy.rst1());
        setBit(m, kRegStatus_H5, 4, false);
        lamps(m, cy.rst1(), cy.rst2(), on, on);
        return;
    }
    const int range = mode == 0 ? m[kRegTimerRange_A_H5] : m[kRegTimerRange_C_H5];
    const bool down = mode == 0 && m[kRegTimerDir_A_H5] == 1;
    putPlain(m, kRegPresentValue_H5, timerDigits(range, cy.elapsed(), down, Cycle::kRunMs));
    // Whole seconds left while timing, which the panel takes as "still counting".
    putWord(m, kRegCount_H5, cy.running() ? (Cycle::kRunMs - cy.phase + 999) / 1000 : 0);
    setBit(m, kRegStatus_H5, 0, cy.running());
    setBit(m, kRegStatus_H5, 2, cy.rst1());
    setBit(m, kRegStatus_H5, 4, cy.out2());
    lamps(m, cy.rst1(), cy.rst2(), cy.out1(), cy.out2());
}

// ---- Counter modes 3-8 ------------------------------------------------------------------------------

void liveCounter(Memory& m, int mode, const Cycle& cy) {
    setBit(m, kRegOutLamps_H5H7, 3, cy.out1());
    setBit(m, kRegOutLamps_H5H7, 4, cy.out2());
    setBit(m, kRegRstLamps_H7, 0, !cy.rst1());  // reset lamps are lit while their bit is clear
    setBit(m, kRegRstLamps_H7, 1, !cy.rst2());
    // Input mode DOWN counts from zero into negative values; the up/down modes count up here.
    const long count = (mode != 7 && m[kRegCountInputMode_H7] == 1) ? -cy.count() : cy.count();
    switch (mode) {
    case 3:
    case 4:
        putSigned(m, kRegPresentValue1_H7, kRegPresentSign1_H7, count);
        break;
    case 5:
        putSigned(m, kRegPresentValue1_H7, kRegPresentSign1_H7, count);
        putSigned(m, kRegPresentValue2_H7, kRegPresentSign2_H7, cy.total());
        break;
    case 6:
        putSigned(m, kRegPresentValue1_H7, kRegPresentSign1_H7, count);
        putSigned(m, kRegPresentValue2_H7, kRegPresentSign2_H7, cy.batches());
        break;
    case 7: {
        // Dual counter: input A in the first value, input B above and A plus or minus B below on B.
        const long a = cy.count();
        const long b = cy.secondCount();
        putSigned(m, kRegPresentValue1_H7, kRegPresentSign1_H7, a);
        putSigned(m, kRegDualPresentUpper_H7, kRegDualPresentUpperSign_H7, b);
        const long sum = m[kRegDualInputMode_H7] == 1 ? a - b : a + b;
        putSigned(m, kRegDualPresentLower_H7, kRegDualPresentLowerSign_H7, sum);
        break;
    }
    case 8: {
        const int dp = m[kRegDotAdj_H7] <= 3 ? m[kRegDotAdj_H7] : 0;
        putSigned(m, kRegPresentValue1_H7, kRegPresentSign1_H7, cy.rateMilli() / pow10(3 - dp));
        break;
    }
    default:
        break;
    }
}

}  // namespace

Cycle::Cycle(std::int64_t ms) {
    if (ms < 0) ms = 0;
    completed = ms / kCycleMs;
    phase = static_cast<int>(ms % kCycleMs);
}

long Cycle::rateMilli() const {
    const int half = kCycleMs / 2;
    const int rise = phase < half ? phase : kCycleMs - phase;
    return 100000 + 10L * rise;
}

void writeLiveRegisters(Type type, std::vector<std::uint8_t>& memory, std::int64_t ms) {
    if (memory.size() < Instrument::kMemorySize) return;
    const Cycle cy(ms);
    if (type == Type::H9) {
        liveH9(memory, cy);
        return;
    }
    const int mode = memory[kRegFuncMode];
    if (mode <= 2)
        liveTimer(memory, mode, cy);
    else if (mode <= 8)
        liveCounter(memory, mode, cy);
}

}  // namespace sim
