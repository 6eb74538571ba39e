#pragma once
// Ends a test's use of the serial link: closes the port when it is open, unloads the
// settings dialog that hosts it, and runs the deferred deletions.
namespace testsupport {

void closeLink();

} // namespace testsupport
