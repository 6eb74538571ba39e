#pragma once
// The process-wide start values of the program (link, monitor and log records), as the
// main window sets them when it is made; the main window itself is not made.
#include "app/frmMDI.h"

namespace testsupport {

inline void resetStartValues() { frmMDI::MDIForm_Initialize(); }

} // namespace testsupport
