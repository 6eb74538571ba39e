#include "support/link_support.h"

#include "support/deferred_delete.h"

#include "link/frmCommSetup.h"
#include "link/mscomm.h"


namespace testsupport {

void closeLink()
{
    if (frmCommSetup* form = frmCommSetup::loaded()) {
        if (form->MSComm1->PortOpen())
            form->MSComm1->setPortOpen(false);
        frmCommSetup::unload();
    }
    dropDeferredDeletes();
}

} // namespace testsupport
