#include "core/monitor_state.h"

MonitorState monitorState;
LogSettings logSettings;
DevReadback devReadback;
