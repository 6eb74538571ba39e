#pragma once
// Ends a test's use of the serial link: closes the link's port when it is open, puts the
// control's own properties back as the control is made (the link keeps one control for
// the whole process, and a property a test set, such as DTREnable, would reach the next
// test's opening), unloads the settings dialog and runs the deferred deletions.
#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/mscomm.h"
#include "support/deferred_delete.h"

namespace testsupport {

inline void closeLink()
{
    MSComm& port = CommControl();
    if (port.PortOpen())
        port.setPortOpen(false);
    const MSComm made;
    port.setDTREnable(made.DTREnable());
    port.setRTSEnable(made.RTSEnable());
    port.setCommPort(made.CommPort());
    port.setSettings(made.Settings());
    port.setInputMode(made.InputMode());
    port.setInputLen(made.InputLen());
    frmCommSetup::unload();
    dropDeferredDeletes();
}

} // namespace testsupport
