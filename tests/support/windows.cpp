#include "support/windows.h"

#include "monitor/frmLogging.h"
#include "monitor/frmMonitoring.h"

namespace testsupport {

void closeChildWindows()
{
    frmLogging::unload();
    if (frmMonitoring* m = frmMonitoring::loaded())
        m->close();
    closeEditorWindows();
}

} // namespace testsupport
