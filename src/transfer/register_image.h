#pragma once
// The register image: the instrument's byte-addressed parameter space, block by block,
// with the value every byte should have and whether the current set owns that byte.
// Encoders fill it, the block writers send its flagged words, the compare reads it back.
#include "core/h9_registers.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

// One block of byte addresses lb..ub (both inclusive). Addresses outside the block
// are a programming fault: they throw std::out_of_range, which a transfer reports as
// its unexpected-failure message instead of touching memory it does not own.
class RegBlock {
public:
    RegBlock(int lb, int ub, quint8 fillValue, bool fillFlag);

    int lb() const { return lb_; }
    int ub() const { return ub_; }
    int size() const { return ub_ - lb_ + 1; }

    quint8 byReg(int addr) const;
    void setByReg(int addr, quint8 value);
    bool bRegFlag(int addr) const;
    void setRegFlag(int addr, bool flag);

    // Every value to the block's fill value, every flag to its fill flag.
    void Clear();
    // A one-byte setting fills a whole register: the setting at n, 0 at n + 1.
    void PutSetting(int n, quint8 setting);
    // An 8-digit text into the four bytes n..n+3, the last two characters at n.
    // Refuses (false, nothing changed) anything but eight decimal digits.
    [[nodiscard]] bool PutDigits(int n, const QString& digits8);
    // Register n as it travels: byte n in the low half, byte n + 1 in the high half.
    int Word(int n) const;

    // The registers a flagged-word walk visits: lb, lb + 2, ... up to the last
    // register that lies wholly inside the block.
    std::vector<int> WalkRegisters() const;
    // Writes each visited register whose even byte is flagged; stops at the first
    // non-zero result of `write` and returns it.
    int WriteFlaggedWords(const std::function<int(int reg, int value)>& write) const;

private:
    std::size_t index(int addr) const;

    int lb_;
    int ub_;
    quint8 fillValue_;
    bool fillFlag_;
    std::vector<quint8> values_;
    std::vector<bool> flags_;
};

// The H9 image. The counter B block and the tachometer counter registers are two
// separate images of the same addresses 1356-1381.
struct RegImageH9 {
    // byReg_TimerA_H9 / bRegFlag_TimerA_H9
    RegBlock TimerA{kRegTimerAFirst_H9, kRegTimerALast_H9, 0xFF, false};
    // byReg_CounterB_H9 / bRegFlag_CounterB_H9
    RegBlock CounterB{kRegCounterBFirst_H9, kRegCounterBLast_H9, 0xFF, false};
    // byReg_TachoB_H9 / bRegFlag_TachoB_H9
    RegBlock TachoB{kRegTachoBFirst_H9, kRegTachoBLast_H9, 0xFF, false};
    // byReg_TachoCnt_H9 / bRegFlag_TachoCnt_H9
    RegBlock TachoCnt{kRegCounterBFirst_H9, kRegCounterBLast_H9, 0xFF, false};
    // byReg_TwoStage_H9 / bRegFlag_TwoStage_H9
    RegBlock TwoStage{kRegTwoStageFirst_H9, kRegTwoStageLast_H9, 0xFF, false};
    // byReg_DualCounter_H9 / bRegFlag_DualCounter_H9
    RegBlock DualCounter{kRegDualCounterFirst_H9, kRegDualCounterLast_H9, 0xFF, false};
    // byReg_DualTacho_H9 / bRegFlag_DualTacho_H9
    RegBlock DualTacho{kRegDualTachoFirst_H9, kRegDualTachoLast_H9, 0xFF, false};

    // Back to the state of a fresh process: zeros, no flags.
    void Reset();
};

extern RegImageH9 RegImage_H9;

// The value text of a digit row (core/digit_rows.h): its labels 0 to 5, most
// significant first, with "." before the last `decimals` characters when that is not 0.
// Returns an empty text when one of them is not "0" to "9" or `decimals` is outside 0
// to 6, so no half-read number can go any further.
QString DigitRowText(const QString& rowText, int decimals);

// The 8-digit text of a value text. Flag 1: fixed point, integer field of four digits
// followed by the fraction field (kind 2: "00" and two decimals; kind 3: "0" and
// three decimals); any other flag: the whole value with eight digits. Returns an
// empty text for a text that is not a plain decimal number or does not fit.
QString FormatValueDigits(quint8 flag, const QString& text, int kind);

// The three digit layouts of six digits D1..D6 (D1 most significant):
// plain "00" D1..D6, split D1 D2 D3 D4 "00" D5 D6. An empty text unless `six` is six
// decimal digits. The prescale layout is FormatValueDigits(1, text, 3).
QString PlainDigits(const QString& six);
QString SplitDigits(const QString& six);
