#pragma once
// The H9 register map: where an H9 keeps each parameter of a set, the registers a download
// writes around them and the live registers the monitor reads. Each parameter register is
// named after the byte of TimerCounterParamsH9 or the digit row of the H9 editor it carries.
// A one-byte setting fills a whole register (the setting in the low byte, 0 in the high
// byte); a value fills two registers, four bytes from the address named.
#include <array>

// ---- around a download
constexpr int kRegBegin_H9 = 1248;      // written 0 before the first block
constexpr int kRegEnd_H9 = 1280;        // written 1 after the system flags
constexpr int kRegKeyProtect_H9 = 1278; // bKeyProtect, written last; bit 0 read as the panel's key protection

// ---- function selection
constexpr int kRegFuncType_H9 = 1542; // nFuncType_H9: 0 timer A with channel B, 1 dual function
constexpr int kRegDeviceId_H9 = 1544; // the device ID byte (named by the compare only)
constexpr int kRegFuncB_H9 = 1552;    // nFuncB_H9: channel B 0 counter, 1 tachometer
constexpr int kRegDualFunc_H9 = 1584; // nDualFunc_H9: 0 2-stage timer, 1 dual counter, 2 dual tachometer

// ---- settings of every function
constexpr int kRegSGWidth_H9 = 1178;     // nSGWidth_H9 (inside the timer A block, never filled there)
constexpr int kRegInputMethod_H9 = 1358; // nInputMethod_H9 (inside the counter B block, never filled there)
constexpr int kRegPowerSaving_H9 = 1686; // bPowerSaving_H9
constexpr int kRegSysFlags_H9 = 1780;    // the first of the system-flag registers, one flag byte each
constexpr int kSysFlagCount_H9 = 6;

// ---- timer A block (byReg_TimerA_H9)
constexpr int kRegTimeCodeA_H9 = 1114;   // time code c = nTimeRangeA_H9 x 2 + nCountDirectionA_H9
constexpr int kRegHoldTimeA_H9 = 1172;   // lblHoldTimeA
constexpr int kRegOutputModeA_H9 = 1176; // nOutputModeA_H9
constexpr int kRegTimerAFirst_H9 = kRegTimeCodeA_H9;
constexpr int kRegTimerALast_H9 = 1179;

// Each time code c (0 to 7) has a set-value slot of its own for lblTimerSettingA, with the
// words in front of it that are written 0 together with it. Only the slot of the set's time
// code is written and compared.
struct TimerSlotA_H9 {
    int zeros[3];
    int zeroCount;
    int setValue;
};
constexpr TimerSlotA_H9 kTimerSlotsA_H9[8] = {
    {{}, 0, 1116},
    {{}, 0, 1120},
    {{1124}, 1, 1126},
    {{1130}, 1, 1132},
    {{1136, 1138}, 2, 1140},
    {{1144, 1146}, 2, 1148},
    {{1152, 1154, 1156}, 3, 1158},
    {{1162, 1164, 1166}, 3, 1168},
};

// ---- counter B block (byReg_CounterB_H9); the tachometer counter registers
// (byReg_TachoCnt_H9) are a second image of the same addresses.
constexpr int kRegMaxFreqB_H9 = 1356;           // nMaxFreqB_H9 (counting speed)
constexpr int kRegMagnificationB_H9 = 1360;     // lblMagnificationB (prescale value)
constexpr int kRegDotAdjB_H9 = 1364;            // nDotAdjB_H9 (decimals 0 to 3)
constexpr int kRegCounterSettingUpB_H9 = 1366;  // lblCounterSettingB for the up-counting input modes
constexpr int kRegCounterSettingDownB_H9 = 1370; // lblCounterSettingB for the down-counting input modes
constexpr int kRegCountInputModeB_H9 = 1374;    // nCountInputModeB_H9
constexpr int kRegOutputModeB_H9 = 1376;        // nOutputModeB_H9
constexpr int kRegHoldCounterB_H9 = 1378;       // lblHoldCounterB (output time)
constexpr int kRegCounterBFirst_H9 = kRegMaxFreqB_H9;
constexpr int kRegCounterBLast_H9 = 1381;

// ---- tachometer block (byReg_TachoB_H9)
constexpr int kRegOutputModeB_F_H9 = 1554;  // nOutputModeB_F_H9
constexpr int kRegSampleAvgB_F_H9 = 1556;   // nSampleAvgB_F_H9 (average processing)
constexpr int kRegHoldCounterB_F_H9 = 1574; // lblHoldCounterB_F (startup time)
constexpr int kRegTachoBFirst_H9 = kRegOutputModeB_F_H9;
constexpr int kRegTachoBLast_H9 = 1577;

// ---- 2-stage timer block (byReg_TwoStage_H9), from kRegDualFunc_H9 on
constexpr int kRegTimerSetting_T_Dual_0_H9 = 1586;
constexpr int kRegTimerSetting_T_Dual_1_H9 = 1590;
constexpr int kRegOutputMode_T_Dual_0_H9 = 1594;
constexpr int kRegOutputMode_T_Dual_1_H9 = 1596;
constexpr int kRegHoldTime_T_Dual_0_H9 = 1598;
constexpr int kRegHoldTime_T_Dual_1_H9 = 1602;
constexpr int kRegTwoStageFirst_H9 = kRegDualFunc_H9;
constexpr int kRegTwoStageLast_H9 = 1605;

// ---- dual counter block (byReg_DualCounter_H9); its second counter is in the counter B block
constexpr int kRegDualCounterMode_H9 = 1648; // nDualCounterMode_H9
constexpr int kRegCounterSetting_C_Dual_0_H9 = 1650;
constexpr int kRegHoldCounter_C_Dual_0_H9 = 1654;
constexpr int kRegOutputMode_C_Dual_0_H9 = 1658;
constexpr int kRegDualCounterFirst_H9 = kRegDualCounterMode_H9;
constexpr int kRegDualCounterLast_H9 = 1659;

// ---- dual tachometer block (byReg_DualTacho_H9); set value B is in the tachometer blocks
constexpr int kRegCounterSettingA_Dual_F_H9 = 1680;
constexpr int kRegOutputModeA_Dual_F_H9 = 1684;
constexpr int kRegDualTachoFirst_H9 = kRegCounterSettingA_Dual_F_H9;
constexpr int kRegDualTachoLast_H9 = 1685;

// ---- live registers
// The timer's present value for time code c (two registers, 68 bytes after its set value).
constexpr std::array<int, 8> kRegTimerPresentA_H9 = {1184, 1188, 1194, 1200, 1208, 1216, 1226, 1236};
constexpr int kRegOnOff_H9 = kRegBegin_H9; // bit 0: the timer is running
constexpr int kRegLamps_H9 = 1498;          // bit 4 OUT1, bit 5 OUT2
// Present values of channel B, three registers each: six integer digits and three decimals.
constexpr int kRegCounterPresentUpB_H9 = 1504;   // the counter in the up-counting input modes
constexpr int kRegCounterPresentDownB_H9 = 1510; // the counter in the down-counting input modes
constexpr int kRegTachoPresentB_H9 = 1562;       // the tachometer
// The tachometer's value as display A of the dual tachometer shows it: the integer part of
// the same value, two registers.
constexpr int kRegTachoPresentA_H9 = 1564;
constexpr int kRegTwoStagePresent_H9 = 1608;    // the 2-stage timer (two registers)
constexpr int kRegDualCounterPresent_H9 = 1664; // display A of the dual counter (two registers)

// Channel B's counter counts up in input modes 0, 1, 2 and 6 and down in 3, 4, 5 and 7;
// its set value and present value lie in the registers of that direction.
constexpr bool IsUpCountingInputMode_H9(int inputMode)
{
    return inputMode == 0 || inputMode == 1 || inputMode == 2 || inputMode == 6;
}

// The register of the counter's set value for an input mode; 0 for a mode that has none.
constexpr int CounterSettingRegister_H9(int inputMode)
{
    if (inputMode < 0 || inputMode > 7)
        return 0;
    return IsUpCountingInputMode_H9(inputMode) ? kRegCounterSettingUpB_H9 : kRegCounterSettingDownB_H9;
}
