#pragma once
// Drives a modal window from inside its own event loop: `act` runs once the next
// modal window is on screen and active; the test fails if none comes within two seconds
// or before the test ends. A step of `act` that fails the test closes the window, so
// the test goes on to its end instead of waiting in the window.
#include "support/test_scope.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace testsupport {

// How many modal windows the running test still waits for.
inline int modalsAwaited = 0;

inline void whenModalShown(std::function<void(QWidget*)> act, int triesLeft = 400)
{
    modalsAwaited += triesLeft == 400;
    QTimer::singleShot(triesLeft == 400 ? 0 : 5, testScope(), [act = std::move(act), triesLeft]() mutable {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && QApplication::activeWindow() == modal) {
            --modalsAwaited;
            act(modal);
            if (::testing::Test::HasFatalFailure() && modal && modal->isVisible())
                modal->close();
        } else if (triesLeft > 0) {
            whenModalShown(std::move(act), triesLeft - 1);
        } else {
            --modalsAwaited;
            ADD_FAILURE() << "no modal window came";
        }
    });
}

// The same for a window of class Form; a window of another class fails the test.
template <class Form>
void whenModalShown(std::function<void(Form&)> act)
{
    whenModalShown([act = std::move(act)](QWidget* w) {
        auto* form = qobject_cast<Form*>(w);
        ASSERT_NE(form, nullptr) << w->metaObject()->className() << " came, not " << Form::staticMetaObject.className();
        act(*form);
    });
}

// As a test ends: a window it still waits for fails it.
inline void endModalWaits()
{
    if (std::exchange(modalsAwaited, 0) > 0)
        ADD_FAILURE() << "the test ended before the modal window it waited for came";
}

} // namespace testsupport
