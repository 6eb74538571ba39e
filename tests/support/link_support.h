#pragma once
// Ends a test's use of the serial link: closes the link's port when it is open, unloads
// the settings dialog and runs the deferred deletions.
#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/mscomm.h"
#include "support/deferred_delete.h"

namespace testsupport {

inline void closeLink()
{
    if (CommControl().PortOpen())
        CommControl().setPortOpen(false);
    frmCommSetup::unload();
    dropDeferredDeletes();
}

} // namespace testsupport
