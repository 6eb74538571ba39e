#pragma once
// The H9 set of a fresh process: every option byte and flag 0.
#include "core/h9_params.h"
#include "core/key_protect.h"

namespace testsupport {

inline void resetH9Params()
{
    timerCounterParamsH9 = {};
    bKeyProtect = 0;
}

} // namespace testsupport
