#include "core/h5h7_params.h"

TimerParamsH5 timerParamsH5;
CounterParamsH7 counterParamsH7;
// Before any editor has chosen a mode the panel resets see 0.
int nFuncMode = 0;
