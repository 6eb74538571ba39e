// Monitor benchmark against the simulated instrument:
//   1. one complete poll of each type, the instrument pacing its line at 9600 baud, as a
//      ratio to the wire time of the poll's requests and replies plus the link's fixed
//      pauses (target at most 1.05);
//   2. the program's CPU while the monitoring window polls, the instrument running as a
//      process of its own, paced at 9600 baud and unpaced, each the median of three runs
//      of 10 s (targets under 4 % and under 20 % of a core);
//   3. the time of one full update of both panels, every element changing (target
//      under 2 ms);
//   4. with --log-drift only: a 60 s log at 1 s on the real clock, 60 lines whose log
//      ticks drift less than 1 s in all.
// Usage: monitor_bench [polls per type] [--log-drift] [--pause ms]
// --pause sets the pause after each exchange for the polls of 1 (0 by default, as the
// program starts); the ratio then counts the pauses as part of the ideal time.
#include "link/comm_records.h"
#include "link/link.h"
#include "link/mscomm.h"
#include "monitor/frmMonitoring.h"
#include "monitor/h5_monitor.h"
#include "monitor/h7_monitor.h"
#include "monitor/h9_monitor.h"
#include "core/monitor_state.h"
#include "monitor/panel_state.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/message_box.h"

#include "bench_result.h"
#include "instrument_sim.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

class PrintingMessages : public platform::MessagePresenter {
public:
    platform::MsgResult present(const platform::MessageBoxRequest& r) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(r.text));
        return platform::MsgResult::Ok;
    }
};

double processCpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Runs the event loop for `ms` milliseconds.
void pump(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

const char* verdict(bool ok) { return ok ? "meets target" : "MISSES target"; }

// Characters on the line for the requests logged from `first` on: 17 per request, and
// 11 + 4 per register for a read's reply.
int wireChars(const std::vector<sim::Request>& log, std::size_t first)
{
    int chars = 0;
    for (std::size_t i = first; i < log.size(); ++i)
        chars += 17 + (log[i].function == 0x03 ? 11 + 4 * log[i].countOrValue : 17);
    return chars;
}

struct PollCase {
    const char* key;
    const char* name;
    sim::Type type;
    int mode;
    int (*init)(RegisterSource&, const QString&, MonitorSummary&);
    int (*poll)(RegisterSource&);
};

void benchPolls(int polls)
{
    const PollCase cases[] = {
        {"H9_mode0", "H9 timer + counter", sim::Type::H9, 0, InitMonitor_H9, UpdateMonitorPanel_H9},
        {"H9_mode5", "H9 2-stage timer", sim::Type::H9, 5, InitMonitor_H9, UpdateMonitorPanel_H9},
        {"H5_mode0", "H5 timer", sim::Type::H5, 0, InitMonitor_H5, UpdateMonitorPanel_H5},
        {"H5_mode1", "H5 twin timer", sim::Type::H5, 1, InitMonitor_H5, UpdateMonitorPanel_H5},
        {"H7_mode4", "H7 2-stage counter", sim::Type::H7, 4, InitMonitor_H7, UpdateMonitorPanel_H7},
        {"H8_mode7", "H8 dual counter", sim::Type::H8, 7, InitMonitor_H7, UpdateMonitorPanel_H7},
    };
    // The window is there, so every poll also draws its panels.
    frmMonitoring::instance().show();
    std::printf("1. one complete poll, paced at 9600 baud, %d polls each (pause after each exchange %d ms)\n",
                polls, commSettings.nCommDelay);
    bool all = true;
    for (const PollCase& c : cases) {
        sim::Instrument inst(c.type, 1, c.mode);
        inst.start();
        qputenv("TCPANEL_COM1", QByteArray::fromStdString(inst.path()));
        if (OpenCommPort() != 0)
            return;
        monitorState.bMonitoring = true;
        LinkRegisterSource source(commSettings.nSlaveID);
        MonitorSummary summary;
        c.init(source, QString(), summary);
        inst.setPacingBaud(9600);
        c.poll(source); // warm-up
        std::vector<double> ratios;
        int failures = 0;
        for (int i = 0; i < polls; ++i) {
            const std::size_t first = inst.requests().size();
            QElapsedTimer t;
            t.start();
            if (c.poll(source) != 0)
                ++failures;
            const double ms = t.nsecsElapsed() / 1e6;
            const std::vector<sim::Request> log = inst.requests();
            const std::size_t exchanges = log.size() - first;
            const double ideal = wireChars(log, first) * 10 * 1000.0 / 9600.0
                               + static_cast<double>(exchanges) * commSettings.nCommDelay;
            ratios.push_back(ms / ideal);
        }
        const double r = median(ratios);
        all = all && r <= 1.05;
        std::printf("   %-20s %2zu requests, ratio median %.4f, max %.4f, %d failed  -> %s\n", c.name,
                    inst.requests().size() / static_cast<std::size_t>(polls + 1), r,
                    *std::max_element(ratios.begin(), ratios.end()), failures, verdict(r <= 1.05));
        benchResult(QByteArray("monitor.poll_ratio.").append(c.key).constData(), r, "x_wire", "<=", 1.05);
        CommControl().setPortOpen(false);
        monitorState.bMonitoring = false;
        inst.stop();
    }
    std::printf("   all types -> %s (<= 1.05)\n\n", verdict(all));
    frmMonitoring::instance().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The monitoring window polling for `seconds` against an instrument in another
// process: the share of a core this process used.
double cpuWhilePolling(const QString& simPath, int baud, int seconds)
{
    QProcess simProcess;
    QStringList args = {"--type", "H9"};
    if (baud > 0)
        args << "--baud" << QString::number(baud);
    simProcess.start(simPath, args);
    if (!simProcess.waitForReadyRead(3000))
        return -1;
    const QByteArray path = simProcess.readLine().trimmed();
    qputenv("TCPANEL_COM1", path);
    frmMonitoring& f = frmMonitoring::instance();
    f.show();
    f.ImageStart_Click();
    if (!f.Polling())
        return -1;
    pump(500);
    const double c0 = processCpuMs();
    QElapsedTimer t;
    t.start();
    pump(seconds * 1000);
    const double share = 100.0 * (processCpuMs() - c0) / static_cast<double>(t.elapsed());
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    simProcess.terminate();
    simProcess.waitForFinished(3000);
    return share;
}

// The median of three runs of cpuWhilePolling; -1 when one of them could not poll.
double medianCpuWhilePolling(const QString& simPath, int baud, int seconds, std::vector<double>& runs)
{
    runs.clear();
    for (int i = 0; i < 3; ++i) {
        const double share = cpuWhilePolling(simPath, baud, seconds);
        if (share < 0)
            return -1;
        runs.push_back(share);
    }
    return median(runs);
}

QByteArray listed(const std::vector<double>& runs)
{
    QByteArray text;
    for (double r : runs)
        text += (text.isEmpty() ? "" : ", ") + QByteArray::number(r, 'f', 2);
    return text;
}

void benchDrawing()
{
    frmMonitoring& f = frmMonitoring::instance();
    f.show();
    pump(50);
    PanelState one;
    one.byAU = 1;
    one.byOnOff = 0;
    one.byGroup = 1;
    one.byCountDir = 1;
    one.byKP = 1;
    one.byRangeMode = 1;
    one.byTimerMode = 1;
    one.byCharA = {1, 2, 3, 4, 5, 6};
    one.byCharB = {6, 5, 4, 3, 2, 1};
    one.byDPColA = one.byDPColB = {1, 1};
    one.byDPA = one.byDPB = {1, 1};
    one.sTB = "1";
    one.sCharSpB = "A";
    one.sWeek = "1010101";
    PanelState two;
    two.byOnOff = 1;
    two.byGroup = 2;
    two.byCountDir = 2;
    two.byRangeMode = 2;
    two.byTimerMode = 2;
    two.byCharA = {7, 8, 9, 0, 98, 99};
    two.byCharB = {99, 98, 0, 9, 8, 7};
    two.byDPColA = two.byDPColB = {2, 2};
    two.sTB = "0";
    two.sCharSpB = "B";
    two.sWeek = "0000000";
    std::vector<double> times;
    for (int i = 0; i < 400; ++i) {
        PanelShownA = PanelShownB = (i % 2 == 0) ? one : two;
        QElapsedTimer t;
        t.start();
        f.DrawMonitorPanel();
        f.repaint();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    const double m = median(times);
    std::printf("3. full update of both panels (every element changes, painted): median %.3f ms, max %.3f ms"
                "  -> %s (< 2 ms)\n\n",
                m, *std::max_element(times.begin(), times.end()), verdict(m < 2.0));
    benchResult("monitor.panel_update_median", m, "ms", "<", 2.0);
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void benchLogDrift()
{
    QTemporaryDir dir;
    sim::Instrument inst(sim::Type::H9, 1, 0);
    inst.start();
    qputenv("TCPANEL_COM1", QByteArray::fromStdString(inst.path()));
    frmMonitoring& f = frmMonitoring::instance();
    f.show();
    f.ImageStart_Click();
    f.sLogFileName = dir.path() + "/drift.txt";
    logSettings.nLogRateSec = 1;
    logSettings.nLogRateMin = 0;
    logSettings.sLogDelimiter = ",";
    std::vector<qint64> written;
    QObject::connect(f.findChild<QTimer*>("Timer1_log"), &QTimer::timeout, [&] { written.push_back(platform::tickMs()); });
    f.StartLogging();
    const qint64 start = platform::tickMs();
    pump(60 * 1000 + 300);
    f.mLogoff_Click();
    QFile file(dir.path() + "/drift.txt");
    file.open(QIODevice::ReadOnly);
    const int lines = static_cast<int>(file.readAll().count("\r\n"));
    const qint64 drift = written.size() >= 60 ? written[59] - start - 60000 : -1;
    std::printf("4. 60 s log at 1 s: %d lines, tick 60 at %+lld ms from its due time  -> %s (60 lines, < 1 s)\n",
                lines, static_cast<long long>(drift), verdict(lines == 60 && drift >= 0 && drift < 1000));
    benchResult("monitor.log_lines_60s", lines, "lines", "==", 60);
    benchResult("monitor.log_tick60_drift", drift >= 0 ? static_cast<double>(drift) : NAN, "ms", "<", 1000);
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    inst.stop();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int polls = 30;
    bool logDrift = false;
    int pauseMs = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--log-drift") == 0)
            logDrift = true;
        else if (std::strcmp(argv[i], "--pause") == 0 && i + 1 < argc)
            pauseMs = std::max(0, std::atoi(argv[++i]));
        else
            polls = std::max(1, std::atoi(argv[i]));
    }
    PrintingMessages printer;
    platform::setMessagePresenter(&printer);
    SetStartValues();

    std::printf("monitor benchmark against the simulated instrument\n\n");
    commSettings.nCommDelay = pauseMs;
    benchPolls(polls);
    commSettings.nCommDelay = 0;

    const QString simPath = QDir(QCoreApplication::applicationDirPath()).filePath("../instrument-sim");
    std::vector<double> pacedRuns, unpacedRuns;
    const double paced = medianCpuWhilePolling(simPath, 9600, 10, pacedRuns);
    const double unpaced = medianCpuWhilePolling(simPath, 0, 10, unpacedRuns);
    // The reply wait is woken about twice per reply, not once per character; the target
    // leaves room for a machine busier than a quiet one.
    constexpr double pacedTarget = 4;
    std::printf("2. CPU of this process while polling an H9 for 10 s, median of three runs:\n"
                "   %.2f %% of a core at 9600 baud (%s)  -> %s (< %.0f %%)\n"
                "   %.2f %% of a core unpaced (%s)  -> %s (< 20 %%)\n\n",
                paced, listed(pacedRuns).constData(), verdict(paced >= 0 && paced < pacedTarget), pacedTarget,
                unpaced, listed(unpacedRuns).constData(), verdict(unpaced >= 0 && unpaced < 20));
    benchResult("monitor.cpu_polling_9600", paced >= 0 ? paced : NAN, "%core", "<", pacedTarget);
    benchResult("monitor.cpu_polling_unpaced", unpaced >= 0 ? unpaced : NAN, "%core", "<", 20);

    benchDrawing();
    if (logDrift)
        benchLogDrift();
    return 0;
}
