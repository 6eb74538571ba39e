#pragma once
// Ends a test's windows: the transfer window, both editors (the H5/H7 editor through
// its own Unload, so the main window's toolbar and panels are put back), the settings
// dialog, and with closeWindows the main window too; then runs the deferred deletions.
namespace testsupport {

void closeChildWindows();
void closeWindows();

} // namespace testsupport
