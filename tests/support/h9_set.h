#pragma once
// The H9 set of a fresh process: every option byte and flag 0.
#include "core/h9_params.h"
#include "core/key_protect.h"

namespace testsupport {

inline void resetH9Params()
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
}

} // namespace testsupport
