#pragma once
// A known H9 set for the transfer tests: every parameter byte 0, every digit row
// "000000" unless a test sets it otherwise.
#include "editors/h9/frmModeSetting_H9.h"
#include "transfer/register_image.h"

#include <gtest/gtest.h>

#include <map>

namespace h9test {

inline void resetParams()
{
    for (quint8* b : {&nFuncType_H9, &nFuncB_H9, &nDualFunc_H9, &nDualCounterMode_H9, &nTimeRangeA_H9,
                      &nCountDirectionA_H9, &nOutputModeA_H9, &nCountInputModeB_H9, &nDotAdjB_H9,
                      &nMaxFreqB_H9, &nOutputModeB_H9, &nSampleAvgB_F_H9, &nDotAdjB_F_H9, &nMaxFreqB_F_H9,
                      &nOutputModeB_F_H9, &nOutputMode_T_Dual_0_H9, &nOutputMode_T_Dual_1_H9,
                      &nOutputMode_C_Dual_0_H9, &nCountInputMode_C_Dual_1_H9, &nMaxFreq_C_Dual_1_H9,
                      &nOutputMode_C_Dual_1_H9, &nOutputModeA_Dual_F_H9, &nOutputModeB_Dual_F_H9,
                      &nSampleAvgB_Dual_F_H9, &nMaxFreqB_Dual_F_H9, &nSGWidth_H9, &nInputMethod_H9,
                      &bPowerSaving_H9, &bKeyProtect})
        *b = 0;
    frmModeSetting_H9& f = frmModeSetting_H9::instance();
    for (DigitLabelArray* row : f.findChildren<DigitLabelArray*>())
        row->setDigits("000000");
}

class H9Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetParams();
        RegImage_H9.Reset();
    }
    frmModeSetting_H9& f() { return frmModeSetting_H9::instance(); }
};

// Register -> word of every flagged even address of a block.
inline std::map<int, int> flaggedWords(const RegBlock& b)
{
    std::map<int, int> words;
    for (int n : b.WalkRegisters())
        if (b.bRegFlag(n))
            words[n] = b.Word(n);
    return words;
}

} // namespace h9test
