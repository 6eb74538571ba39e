#include "core/h9_params.h"

TimerCounterParamsH9 timerCounterParamsH9;
