#include "support/windows.h"

#include "support/deferred_delete.h"

#include "app/frmMDI.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/frmCommSetup.h"
#include "monitor/frmLogging.h"
#include "monitor/frmMonitoring.h"
#include "transfer/frmWriteProcess1.h"

namespace testsupport {

void closeChildWindows()
{
    frmWriteProcess1::unload();
    frmLogging::unload();
    if (frmMonitoring* m = frmMonitoring::loaded())
        m->close();
    if (frmModeSetting_H7* f = frmModeSetting_H7::loaded())
        f->Unload();
    frmModeSetting_H7::unload();
    frmModeSetting_H9::unload();
    frmCommSetup::unload();
    dropDeferredDeletes();
}

void closeWindows()
{
    closeChildWindows();
    frmMDI::unload();
    dropDeferredDeletes();
}

} // namespace testsupport
