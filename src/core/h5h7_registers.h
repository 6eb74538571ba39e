#pragma once
// The H5 and H7 register maps (an H8 answers with the H5 map in function modes 0 to 2 and
// with the H7 map in modes 3 to 8): where each parameter of a set lies, the registers a
// download writes around them and the live registers the monitor reads. Each parameter
// register is named after the byte of TimerParamsH5 or CounterParamsH7 or the digit row of
// the H5/H7 editor it carries. A one-byte setting fills a whole register (the setting in the
// low byte, 0 in the high byte); a value fills two registers, four bytes from the address
// named.
#include "core/common_registers.h"

// ---- the registers both maps begin with, from kRegFuncMode on
constexpr int kRegSGWidth_H5H7 = 1076;     // nSGWidth_H5 / nSGWidth_H7 (input signal width)
constexpr int kRegInputMethod_H5H7 = 1078; // nInputMethod_H5 / nInputMethod_H7 (NPN/PNP)
constexpr int kRegKP_H5H7 = 1080;          // nKP_H5 / nKP_H7 (key protect level 0 to 4)
constexpr int kRegKeyProtect_H5H7 = 1084;  // bKeyProtect; bit 0 read as the panel's key protection

// ---- around a download
constexpr int kRegWritePermission_H5H7 = 1086; // low byte 1 while the instrument accepts writes
constexpr int kRegBegin_H5H7 = 1234;           // written 0 before the blocks
constexpr int kRegEnd_H5H7 = 1400;             // written 1 after them

// ---- H5 block (byReg_H5), from kRegFuncMode on
// timer (function mode 0)
constexpr int kRegTimerRange_A_H5 = 1088;
constexpr int kRegTimerDir_A_H5 = 1090;
constexpr int kRegOutputMode_A_H5 = 1092;
constexpr int kRegHoldTime_A_H5 = 1094;
constexpr int kRegTimerSetting_A_H5 = 1098; // the set value; for output mode Z the cycle time
constexpr int kRegDutyRatio_A_H5 = 1102;    // one register, three BCD digits
// twin timer (function mode 1)
constexpr int kRegTimerRangeOFF_B_H5 = 1120;
constexpr int kRegTimerRangeON_B_H5 = 1122;
constexpr int kRegTimerDir_B_H5 = 1124;
constexpr int kRegOutputMode_B_H5 = 1126;
constexpr int kRegSettingValueOFF_B_H5 = 1128;
constexpr int kRegSettingValueON_B_H5 = 1132;
// 2-stage timer (function mode 2)
constexpr int kRegSettingMode_C_H5 = 1152;
constexpr int kRegTimerRange_C_H5 = 1154;
constexpr int kRegOutputMode_C_H5 = 1156;
constexpr int kRegSV1_C_H5 = 1158;
constexpr int kRegSV2_C_H5 = 1162;
constexpr int kRegBlockLast_H5 = 1165;

// ---- H7 common block (byReg_Comm_H7), from kRegFuncMode on
constexpr int kRegCommLast_H7 = 1085;

// ---- H7 counter block (byReg_Cnt_H7)
constexpr int kRegCountInputMode_H7 = 1696;      // the input mode of the function
constexpr int kRegOutputMode_H7 = 1698;          // the output mode of the function
constexpr int kRegMaxFreq_H7 = 1700;             // nMaxFreq_H7 (counting speed)
constexpr int kRegDotAdj_H7 = 1702;              // nDotAdj_H7 (decimals 0 to 3)
constexpr int kRegMagnification_H7 = 1704;       // lblMagnification_Comm_H7 (prescale value)
constexpr int kRegCounterSetting1_H7 = 1708;     // set value 1
constexpr int kRegCounterSetting2_H7 = 1712;     // set value 2
constexpr int kRegHoldCounter1_H7 = 1716;        // output time 1
constexpr int kRegHoldCounter2_H7 = 1720;        // output time 2
constexpr int kRegDualInputMode_H7 = 1724;       // the dual counter's ADD/SUB choice
constexpr int kRegOutputMode_freq_H7 = 1726;     // nOutputMode_freq_H7
constexpr int kRegSampleAvg_freq_H7 = 1728;      // nSampleAvg_freq_H7
constexpr int kRegAuto2ZeroTime_freq_H7 = 1730;  // lblAuto2ZeroTime_freq_H7, one register of four BCD digits
constexpr int kRegDelay2StartTime_freq_H7 = 1732; // lblDelay2StartTime_freq_H7, likewise
constexpr int kRegSign1_H7 = 1734;               // 1 while set value 1 is negative
constexpr int kRegSign2_H7 = 1736;               // 1 while set value 2 is negative
constexpr int kRegCntFirst_H7 = kRegCountInputMode_H7;
constexpr int kRegCntLast_H7 = 1737;

// ---- live registers of both
constexpr int kRegOutLamps_H5H7 = 1290; // bit 3 OUT1, bit 4 OUT2

// ---- H5 live registers
constexpr int kRegStatus_H5 = kRegBegin_H5H7; // bit 0 timing, bit 2 reset, bit 4 time up
constexpr int kRegRst2Lamp_H5 = 1060;         // bit 0 RST2
constexpr int kRegRst1Lamp_H5 = 1065;         // bit 3 RST1
constexpr int kRegCount_H5 = 1264;            // a signed word, above 0 while output mode A-1 still counts
constexpr int kRegPresentValue_H5 = 1282;     // two registers
constexpr int kRegTwinValue_H5 = 1286;        // the twin timer's lower row (two registers)
constexpr int kRegTwinPhaseUpper_H5 = 1664;   // the twin timer's phase of the upper row: 0 OFF, 1 ON
constexpr int kRegTwinPhaseLower_H5 = 2048;   // and of the lower row

// ---- H7 live registers
constexpr int kRegRstLamps_H7 = 1292; // bit 0 RST1, bit 1 RST2, lit while clear
// Six registers from kRegPresentValue1_H7: the first value's six digits in its three bytes
// (most significant last) and its sign word, then the second value's likewise.
constexpr int kRegPresentValue1_H7 = 2340;
constexpr int kRegPresentSign1_H7 = 2344;
constexpr int kRegPresentValue2_H7 = 2346;
constexpr int kRegPresentSign2_H7 = 2350;
// Six registers from kRegDualPresentUpper_H7, laid out alike: the dual counter's panel B.
constexpr int kRegDualPresentUpper_H7 = 2352;
constexpr int kRegDualPresentUpperSign_H7 = 2356;
constexpr int kRegDualPresentLower_H7 = 2358;
constexpr int kRegDualPresentLowerSign_H7 = 2362;
