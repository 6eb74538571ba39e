#pragma once
// Drives a modal window from inside its own event loop: `act` runs once the next
// modal window is on screen and active; the test fails if none comes within two seconds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testsupport {

inline void whenModalShown(std::function<void(QWidget*)> act, int triesLeft = 400)
{
    QTimer::singleShot(triesLeft == 400 ? 0 : 5, [act = std::move(act), triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && QApplication::activeWindow() == modal)
            act(modal);
        else if (triesLeft > 0)
            whenModalShown(std::move(act), triesLeft - 1);
        else
            ADD_FAILURE() << "no modal window came";
    });
}

} // namespace testsupport
