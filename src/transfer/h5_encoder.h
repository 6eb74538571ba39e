#pragma once
// The H5 timer's parameter block (registers 1074-1165) and its encoder. The same map
// serves an H8 instrument in function modes 0 to 2.
#include "core/h5h7_registers.h"
#include "transfer/register_image.h"

struct RegImageH5 {
    RegBlock H5{kRegFuncMode, kRegBlockLast_H5, 0x00, false}; // byReg_H5 / bRegFlag_H5

    // Back to the state of a fresh process: zeros, no flags.
    void Reset();
};

extern RegImageH5 RegImage_H5;

// Rebuilds RegImage_H5 from the edited set: the function mode, the timer bytes, key
// protection and the H5/H7 digit rows, every timer section whatever the mode. Returns
// 0, or 1 when a step failed (no mode chosen, no editor's rows, a digit that is not one
// decimal digit); the image then keeps what was written before that step.
int Encode_H5();

// The value packers, one per digit row; false when the row does not hold six digits.
bool EncodeHoldTimeA_H5();
bool EncodeSetValueA_H5();
bool EncodeCycleTimeA_H5();
bool EncodeDutyRatioA_H5();
bool EncodeSetValueOffB_H5();
bool EncodeSetValueOnB_H5();
bool EncodeSV1C_H5();
bool EncodeSV2C_H5();

// The six-digit packing of the H5 and H7 maps: labels 0 to 5 of a row's text exactly
// as shown, no numeric conversion, into bytes n (d4d5), n+1 (d2d3), n+2 (d0d1), n+3
// (0), flagged. false, with nothing written, unless the row holds six decimal digits.
bool PackSixDigits(RegBlock& block, int n, const QString& rowText);
