#pragma once
// A context object for what a test leaves waiting in the event loop: a timer or
// connection given testScope() is dropped once the running test has ended (the tests'
// main ends the scope), so it never runs in a later test with this test's locals.
#include <QObject>
#include <QPointer>

namespace testsupport {

inline QPointer<QObject> currentTestScope;

inline QObject* testScope()
{
    if (!currentTestScope)
        currentTestScope = new QObject;
    return currentTestScope;
}

inline void endTestScope() { delete currentTestScope.data(); }

} // namespace testsupport
