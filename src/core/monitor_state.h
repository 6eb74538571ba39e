#pragma once
// Process-wide state of monitoring and logging that the main window initialises.
#include <QtGlobal>

struct MonitorState {
    bool bMonitoring = false;
};

struct LogSettings {
    int nLogRateSec = 1;
    int nLogRateMin = 0;
    bool bLogErrors = false;
    int nLogDelimIdx = 0; // 0 "Fixed Width"
};

extern MonitorState monitorState;
extern LogSettings logSettings;
