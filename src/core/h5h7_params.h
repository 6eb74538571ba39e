#pragma once
// The option choices of the H5 timer and H7 counter sets, one byte per setting
// holding its combo's list index, and the function mode of the H5/H7 editor. They
// outlive the editor window: the encoders, writers and compare read them directly.
#include <QtGlobal>

struct TimerParamsH5 {
    quint8 nSGWidth_H5 = 0;         // input signal width: 0 "20 ms", 1 "  1 ms"
    quint8 nInputMethod_H5 = 0;     // 0 NPN, 1 PNP
    quint8 nKP_H5 = 0;              // key-protect level 0..4 ("KP-1".."KP-5")
    quint8 nTimerRange_A_H5 = 0;    // time range code 0..9 of the timer set value
    quint8 nTimerDir_A_H5 = 0;      // 0 Up, 1 Down
    quint8 nOutputMode_A_H5 = 0;    // 0 "A" .. 9 "Z"
    quint8 nTimerRangeOFF_B_H5 = 0; // twin timer OFF time range 0..9
    quint8 nTimerRangeON_B_H5 = 0;  // twin timer ON time range 0..9
    quint8 nTimerDir_B_H5 = 0;      // 0 Up, 1 Down
    quint8 nOutputMode_B_H5 = 0;    // 0 flicker OFF start, 1 flicker ON start
    quint8 nSettingMode_C_H5 = 0;   // 0 forecast value, 1 absolute value
    quint8 nTimerRange_C_H5 = 0;    // 2-stage timer time range 0..9 (both set values)
    quint8 nOutputMode_C_H5 = 0;    // 0 "A : Power ON Delay", 1 "F-1 : Cumulative"
};

struct CounterParamsH7 {
    quint8 nCountInputMode_1st_H7 = 0;   // 0..4
    quint8 nOutputMode_1st_H7 = 0;       // 0..11
    quint8 nCountInputMode_2nd_H7 = 0;   // 0..4
    quint8 nOutputMode_2nd_H7 = 0;       // 0..11
    quint8 nCountInputMode_batch_H7 = 0; // batch 0..4; dual counter 0 ADD, 1 SUB
    quint8 nOutputMode_batch_H7 = 0;     // 0..11; list index + 8 in the dual counter with SUB
    quint8 nOutputMode_freq_H7 = 0;      // 0..3
    quint8 nSampleAvg_freq_H7 = 0;       // 0 OFF, 1 "2", 2 "4", 3 "8"
    quint8 nDotAdj_H7 = 0;               // digits after the decimal point, 0..3
    quint8 nInputMethod_H7 = 0;          // 0 NPN, 1 PNP
    quint8 nKP_H7 = 0;                   // 0..4
    quint8 nMaxFreq_H7 = 0;              // 0 "30 Hz", 1 "5K Hz" / "10K Hz"
    quint8 nSGWidth_H7 = 0;              // 0 "20 ms", 1 "  1 ms"
};

extern TimerParamsH5 timerParamsH5;
extern CounterParamsH7 counterParamsH7;

// 0 Timer, 1 Twin Timer, 2 2-stage Timer, 3 1-stage Counter, 4 2-stage Counter,
// 5 Total counter, 6 Batch counter, 7 Dual Counter, 8 Tachometer; -1 after the
// editor's load until a mode is chosen. Written only by the function-mode handlers.
extern int nFuncMode;
