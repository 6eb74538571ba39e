#pragma once
// The H7 counter's parameter blocks (common registers 1074-1085, counter registers
// 1696-1737) and their encoder. The same map serves an H8 instrument in function
// modes 3 to 8.
#include "core/h5h7_registers.h"
#include "transfer/register_image.h"

struct RegImageH7 {
    RegBlock Comm{kRegFuncMode, kRegCommLast_H7, 0x00, false}; // byReg_Comm_H7 / bRegFlag_Comm_H7
    // Every word of the counter block is written and compared in every mode; a word
    // the mode does not feed goes out as 0.
    RegBlock Cnt{kRegCntFirst_H7, kRegCntLast_H7, 0x00, true}; // byReg_Cnt_H7 / bRegFlag_Cnt_H7

    void Reset();
};

extern RegImageH7 RegImage_H7;

// Rebuilds both blocks of RegImage_H7 from the edited set. Returns 0, or 1 when a step
// failed (no mode chosen, no editor's rows, a digit that is not a decimal digit, or a
// "-" anywhere but in label 0 of a signed row).
int Encode_H7();

// Packs the six digits of a row's text into the four counter-block bytes at `reg`.
// kind 0 unsigned; 1 signed with the sign byte at 1734; 2 signed, sign at 1736.
// false, with nothing written, when the row cannot be packed.
bool PackDigits_H7(int reg, const QString& rowText, int kind);
