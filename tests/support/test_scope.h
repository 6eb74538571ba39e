#pragma once
// What a test leaves waiting in the event loop ends with the test: a timer or connection
// given testScope() as its context object is dropped once the running test has ended
// (the tests' main ends the scope after each test), so it never runs in a later test
// with this test's locals.
#include <QObject>
#include <QPointer>

namespace testsupport {

inline QPointer<QObject>& testScopeSlot()
{
    static QPointer<QObject> scope;
    return scope;
}

// A context object that lives until the running test ends.
inline QObject* testScope()
{
    QPointer<QObject>& scope = testScopeSlot();
    if (!scope)
        scope = new QObject;
    return scope;
}

inline void endTestScope() { delete testScopeSlot().data(); }

} // namespace testsupport
