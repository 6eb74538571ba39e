#pragma once
// Ends a test's windows and runs the deferred deletions: the transfer window, both
// editors (the H5/H7 editor through its own Unload, so the toolbar and panels are put
// back) and the settings dialog; closeChildWindows the monitor's windows first.
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/frmCommSetup.h"
#include "support/deferred_delete.h"
#include "transfer/frmWriteProcess1.h"

namespace testsupport {

inline void closeEditorWindows()
{
    frmWriteProcess1::unload();
    if (frmModeSetting_H7* f = frmModeSetting_H7::loaded())
        f->Unload();
    frmModeSetting_H7::unload();
    frmModeSetting_H9::unload();
    frmCommSetup::unload();
    dropDeferredDeletes();
}

void closeChildWindows();

} // namespace testsupport
