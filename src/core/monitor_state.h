#pragma once
// Process-wide state of monitoring and logging. The main window sets the start values;
// the monitoring window, the start routines and the live readers keep it up to date.
#include <QString>
#include <QtGlobal>

#include <array>

struct MonitorState {
    // From the opening of the port at a start until Stop, a failed start or the
    // window's unload. Only while it is set are the panels copied and drawn and log
    // lines written.
    bool bMonitoring = false;
    // The last finished poll failed, or a read or check of the start itself did (set
    // before its message shows); cleared when a start begins. A poll still waiting
    // for its reply does not change it.
    bool bPollError = false;
    // The values shown on panel A and panel B after the last good poll of this start,
    // as the log writes them; "" where a function has no second value, at the
    // window's load and from the beginning of a start until a poll of it has read them.
    std::array<QString, 2> sMonitorText;
    // Device type code from register 1028: 1 H9, 2 H5, 3 H7, 4 H8.
    qint32 nDevCode = 0;
};

// Logging settings for the run; the open file itself belongs to the monitoring window.
struct LogSettings {
    // Period = 60 * nLogRateMin + nLogRateSec seconds, 1 to 3600.
    int nLogRateSec = 1;
    int nLogRateMin = 0;
    // Ticks since the last period end, in the same split.
    int nLogTickSec = 0;
    int nLogTickMin = 0;
    bool bLogErrors = false;
    int nLogDelimIdx = 0; // 0 "Fixed Width", 1 "Comma", 2 "Tab"
    QString sLogDelimiter;
};

// The instrument's settings as the compare or the last monitoring start read them. A
// member a start does not read keeps its value from an earlier one in the same run.
struct DevReadback {
    // The function: for an H9 its group (register 1542), for H5, H7 and H8 the
    // function mode 0 to 8 (register 1074). The monitor's poll follows it.
    quint8 nDevFuncMode = 0;
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

extern MonitorState monitorState;
extern LogSettings logSettings;
