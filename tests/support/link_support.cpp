#include "support/link_support.h"

#include "support/deferred_delete.h"

#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/mscomm.h"

namespace testsupport {

void closeLink()
{
    if (CommControl().PortOpen())
        CommControl().setPortOpen(false);
    frmCommSetup::unload();
    dropDeferredDeletes();
}

} // namespace testsupport
