#pragma once
// The option choices of the H9 set being edited (TimerCounterParamsH9): one byte per
// setting, holding the list index of the setting's combo on frmModeSetting_H9, or a
// flag. Numeric values are not here; they live as the captions of the editor's digit
// rows. The transfer and settings-file code read these bytes directly and write them
// only through the editor's combos and handlers.
#include "core/key_protect.h"

#include <QtGlobal>

struct TimerCounterParamsH9 {
    // Function-mode coding, written only by the function-mode handlers.
    quint8 nFuncType_H9 = 0;        // 0 modes 0-1 (timer A + channel B), 1 modes 2-6 (dual)
    quint8 nFuncB_H9 = 0;           // 0 counter (mode 0), 1 tachometer (mode 1)
    quint8 nDualFunc_H9 = 0;        // 0 2-stage timer (5), 1 dual counter (2-4), 2 dual tachometer (6)
    quint8 nDualCounterMode_H9 = 0; // 0 total counter (2), 1 batch counter (3), 2 two counters (4)

    // Timer A.
    quint8 nTimeRangeA_H9 = 0;      // cboCountModeA
    quint8 nCountDirectionA_H9 = 0; // cboCountDirectionA
    quint8 nOutputModeA_H9 = 0;     // cboOutputModeA

    // Channel B counter.
    quint8 nCountInputModeB_H9 = 0; // cboCountInputModeB
    quint8 nDotAdjB_H9 = 0;         // cboDotAdjB
    quint8 nMaxFreqB_H9 = 0;        // cboMaxFreqB
    quint8 nOutputModeB_H9 = 0;     // cboOutputModeB

    // Channel B tachometer.
    quint8 nSampleAvgB_F_H9 = 0;    // cboSampleAvgB_F
    quint8 nDotAdjB_F_H9 = 0;       // cboDotAdjB_F
    quint8 nMaxFreqB_F_H9 = 0;      // cboMaxFreqB_F
    quint8 nOutputModeB_F_H9 = 0;   // cboOutputModeB_F

    // 2-stage timer.
    quint8 nOutputMode_T_Dual_0_H9 = 0; // cboOutputMode_T_Dual_0
    quint8 nOutputMode_T_Dual_1_H9 = 0; // cboOutputMode_T_Dual_1

    // Dual counter.
    quint8 nOutputMode_C_Dual_0_H9 = 0;     // cboOutputMode_C_Dual_0
    quint8 nCountInputMode_C_Dual_1_H9 = 0; // cboCountInputMode_C_Dual_1
    quint8 nMaxFreq_C_Dual_1_H9 = 0;        // cboMaxFreq_C_Dual_1
    // Always a code of the fourteen-item counter output list ("0 : N-1" .. "13 : Q-2");
    // with a batch counter the four-item list stores 4, 10, 12, 13.
    quint8 nOutputMode_C_Dual_1_H9 = 0;     // cboOutputMode_C_Dual_1

    // Dual tachometer.
    quint8 nOutputModeA_Dual_F_H9 = 0; // cboOutputModeA_Dual_F
    quint8 nOutputModeB_Dual_F_H9 = 0; // cboOutputModeB_Dual_F
    quint8 nSampleAvgB_Dual_F_H9 = 0;  // cboSampleAvgB_Dual_F
    quint8 nMaxFreqB_Dual_F_H9 = 0;    // cboMaxFreqB_Dual_F

    // Common row and flags.
    quint8 nSGWidth_H9 = 0;     // cboSGWidth_All
    quint8 nInputMethod_H9 = 0; // cboInputMethod_All
    quint8 bPowerSaving_H9 = 0; // 0 off, 1 on
};

extern TimerCounterParamsH9 timerCounterParamsH9;
