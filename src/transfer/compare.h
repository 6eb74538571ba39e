#pragma once
// Compare: does the connected instrument hold the set that is in the editor now? The
// editor's set is encoded afresh, the instrument's registers are read back one at a
// time and their low bytes compared with the image in a fixed order; the first byte
// that differs ends the compare and is named to the user. Nothing is written.
#include <QtGlobal>

// The instrument's settings as the compare or the last monitoring start read them. A
// member a start does not read keeps its value from an earlier one in the same run.
struct DevReadback {
    quint8 nDevFuncMode = 0;    // low byte of 1542 (H9) or 1074 (H5, H7, H8)
    quint8 nDevFuncB_H9 = 0;    // low byte of 1552
    quint8 nDevDualFunc_H9 = 0; // low byte of 1584
    // Read by the monitoring start only.
    quint8 nDevTimeRange = 0;
    quint8 nDevOutputMode = 0;
    quint8 nDevCountInputMode_H9 = 0;
    quint8 nDevOutputModeB_H9 = 0;
    quint8 nDevDotAdjB_H9 = 0;
    quint8 nDevDotAdjB_F_H9 = 0;
    quint8 nDevMaxFreqB_H9 = 0;
    quint8 nDevOutputModeB_F_H9 = 0;
    quint8 nDevOutputMode_T_Dual_0_H9 = 0;
    quint8 nDevOutputMode_T_Dual_1_H9 = 0;
    quint8 nDevDualCounterMode_H9 = 0;
    quint8 nDevOutputMode_C_Dual_H9 = 0;
    quint8 nDevOutputMode_Dual_F_H9 = 0;
    quint8 nDevTimeMode_H5 = 0;
    quint8 nDevTimeRangeOFF_H5 = 0;
    quint8 nDevTimeRangeON_H5 = 0;
    quint8 nDevSettingMode_C_H5 = 0;
    quint8 nDevDotAdj_H7 = 0;
};
extern DevReadback devReadback;

// The compare job of the transfer window: 0 when it came to an answer (message 25
// for no difference, else the difference box), 24 when it did not (its message
// shown: the link's, 4, 20 or 24).
int CompareSettings();

// The per-map compares: 0 with `diff` the first differing register byte address (0
// none), or 24 when a read failed or the editor's set could not be encoded.
int Compare_H9(long& diff);
int Compare_H5(long& diff);
int Compare_H7(long& diff);

enum class RegCompare { Same, Differs, ReadFailed };

// Reads one register at `reg` (odd addresses too) and compares its low byte.
RegCompare CompareReg(qint32 slaveId, long reg, quint8 expected);
// The sign register of set value 1 (which = 1, register 1734) or 2 (1736).
RegCompare CompareReg1734(qint32 slaveId, int which, quint8 expected);
