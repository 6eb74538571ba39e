#pragma once
// Ends a test's use of the serial link: closes the link's port when it is open, unloads
// the settings dialog and runs the deferred deletions.
namespace testsupport {

void closeLink();

} // namespace testsupport
