#include "monitor/monitor_state.h"

MonitorState monitorState;
LogSettings logSettings;
