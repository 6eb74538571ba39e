#pragma once
// Runs the deletions that unloaded forms left for the event loop, so the next test
// starts without them.
#include <QCoreApplication>
#include <QEvent>

namespace testsupport {

inline void dropDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace testsupport
