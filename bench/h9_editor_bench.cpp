// H9 editor benchmark, in the main window, each figure the median of 20 runs:
//
// - New to editor shown: the editor loaded with every default, shown in the main
//   window with function mode 0, and painted;
// - function-mode menu click to its panels painted, going round the seven modes;
// - a click on a digit to its repaint.
//
// Run: ./build/bench/h9_editor_bench  (offscreen; no display needed)
#include "app/frmMDI.h"
#include "bench_result.h"
#include "editors/h9/frmModeSetting_H9.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figure {
    double median;
    double worst;
};

Figure measure(int runs, const std::function<void()>& before, const std::function<void()>& timed)
{
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        before();
        const auto t0 = Clock::now();
        timed();
        t.push_back(ms(Clock::now() - t0));
    }
    std::sort(t.begin(), t.end());
    return {t[t.size() / 2], t.back()};
}

// Whatever is waiting, then the window painted now.
void paint(QWidget& w)
{
    QCoreApplication::sendPostedEvents();
    w.repaint();
}

void unloadEditor()
{
    if (frmModeSetting_H9* f = frmModeSetting_H9::loaded())
        f->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    constexpr int kRuns = 20;

    const Figure open = measure(kRuns, unloadEditor, [&] {
        frmModeSetting_H9& f = frmModeSetting_H9::instance();
        f.Show();
        f.mFuncModeSelect_0_Click();
        mdi.bChange = false;
        paint(mdi);
    });

    frmModeSetting_H9& f = frmModeSetting_H9::instance();
    f.Show();
    paint(mdi);
    int mode = 0;
    const Figure modes = measure(kRuns, [] {}, [&] {
        mode = (mode + 1) % 7;
        f.findChild<QAction*>(QStringLiteral("mFuncModeSelect_%1").arg(mode))->trigger();
        paint(mdi);
    });

    f.findChild<QAction*>(QStringLiteral("mFuncModeSelect_0"))->trigger();
    paint(mdi);
    auto* digit = f.findChild<QWidget*>(QStringLiteral("lblCounterSettingB_3"));
    const QPointF at(digit->width() / 2.0, digit->height() / 2.0);
    const Figure click = measure(kRuns, [] {}, [&] {
        QMouseEvent press(QEvent::MouseButtonPress, at, digit->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(digit, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, digit->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(digit, &release);
        digit->repaint();
    });

    std::printf("New to editor shown:        median %7.2f ms, worst %7.2f ms (target < 150 ms)\n", open.median,
                open.worst);
    std::printf("Function mode to panels:    median %7.2f ms, worst %7.2f ms (target < 30 ms)\n", modes.median,
                modes.worst);
    std::printf("Digit click to its repaint: median %7.2f ms, worst %7.2f ms (target < 5 ms)\n", click.median,
                click.worst);
    benchResult("h9_editor.new_to_shown_median", open.median, "ms", "<", 150);
    benchResult("h9_editor.mode_to_panels_median", modes.median, "ms", "<", 30);
    benchResult("h9_editor.digit_click_median", click.median, "ms", "<", 5);
    unloadEditor();
    frmMDI::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return open.median < 150 && modes.median < 30 && click.median < 5 ? EXIT_SUCCESS : EXIT_FAILURE;
}
