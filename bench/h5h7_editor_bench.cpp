// H5/H7 editor benchmark: the time from New to the editor on screen, and from a
// function-mode menu click to its panels on screen, each the median of 20, for the H5,
// H7 and H8 models. "On screen" means after the event loop has run the window's
// layout and paint. Targets: 150 ms and 30 ms.
// Run: ./build/bench/h5h7_editor_bench  (offscreen; no display needed)
#include "app/frmMDI.h"
#include "bench_result.h"
#include "core/machine_type.h"
#include "core/shell.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "settings_file/file_flags.h"

#include <QAction>
#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Lets the window lay itself out and paint, as the event loop does after a command.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    // The whole main window painted now, whatever the platform deferred.
    frmMDI::instance().repaint();
}

// The main window's New for a model: the editor, its model's function modes, the
// first mode, an unchanged set.
frmModeSetting_H7& newSet(int macType)
{
    nMacType = macType;
    frmModeSetting_H7& f = frmModeSetting_H7::instance();
    f.Show();
    const int code = macType >> 8;
    for (int n = 0; n <= 8; ++n)
        f.mFuncModeSelect(n)->setVisible(code == 4 || (code == 2) == (n <= 2));
    f.FuncModeSelect(code == 3 ? 3 : 0);
    core::shell().bChange = false;
    bHasFileName = false;
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    settle();

    struct Model {
        const char* name;
        int macType;
        std::vector<int> modes;
    };
    const Model models[] = {{"H5", kMacTypeH5, {1, 2, 0}},
                            {"H7", kMacTypeH7, {4, 5, 6, 7, 8, 3}},
                            {"H8", kMacTypeH8, {3, 1, 8, 2, 6, 0}}};
    constexpr int kRuns = 20;
    std::printf("%-4s %22s %28s\n", "", "New -> shown (ms)", "mode click -> shown (ms)");
    for (const Model& m : models) {
        std::vector<double> news;
        std::vector<double> switches;
        for (int run = 0; run < kRuns; ++run) {
            const auto t0 = Clock::now();
            frmModeSetting_H7& f = newSet(m.macType);
            settle();
            news.push_back(ms(t0));

            const int mode = m.modes[static_cast<std::size_t>(run) % m.modes.size()];
            const auto t1 = Clock::now();
            f.mFuncModeSelect(mode)->trigger();
            settle();
            switches.push_back(ms(t1));

            f.Unload();
            settle();
        }
        std::printf("%-4s median %6.1f  max %6.1f      median %6.1f  max %6.1f\n", m.name, median(news),
                    *std::max_element(news.begin(), news.end()), median(switches),
                    *std::max_element(switches.begin(), switches.end()));
        benchResult(QByteArray("h5h7_editor.new_to_shown_median.").append(m.name).constData(), median(news), "ms",
                    "<", 150);
        benchResult(QByteArray("h5h7_editor.mode_to_shown_median.").append(m.name).constData(), median(switches),
                    "ms", "<", 30);
    }
    return 0;
}
