// Transfer benchmark against the simulated instrument pacing its replies at 9600 baud.
//
// - upload and compare of a mode-0 H9 set: elapsed time as a ratio to the wire time of
//   the characters exchanged (every request and reply, 10 bits per character);
// - a whole download of that set with its real 8 s and 4 s pauses: CPU time of the
//   program's thread and of the whole process (which here includes the simulator).
//
// Between jobs the event loop runs idle, as it does between the user's commands.
// Run: ./build/bench/transfer_bench  (offscreen; no display needed)
#include "bench_result.h"
#include "instrument_sim.h"

#include "core/machine_type.h"
#include "core/shell.h"
#include "editors/h9/h9_image_loader.h"
#include "link/comm_records.h"
#include "platform/message_box.h"
#include "transfer/frmWriteProcess1.h"
#include "transfer/compare.h"
#include "transfer/transfer_jobs.h"
#include "transfer/upload.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kBaud = 9600;
constexpr double kCharSeconds = 10.0 / kBaud;

double seconds(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration<double>(t.time_since_epoch()).count();
}

double now() { return seconds(std::chrono::steady_clock::now()); }

double cpuSeconds(clockid_t which)
{
    timespec ts{};
    clock_gettime(which, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

class AcknowledgeEverything : public platform::MessagePresenter {
public:
    platform::MsgResult present(const platform::MessageBoxRequest& r) override
    {
        texts.push_back(r.text.toStdString());
        return platform::MsgResult::Ok;
    }
    std::vector<std::string> texts;
};

// A mode-0 H9 set (timer A and a counter on channel B) that is not the default, loaded
// into the editor as a settings file would be.
void editModeZeroSet()
{
    nMacType = kMacTypeH9;
    SettingFileImage image(kSettingImageSize, '0');
    const std::pair<int, const char*> fields[] = {
        {0, "0100"}, {4, "010A"}, {21, "0"}, {25, "2"}, {26, "1"}, {28, "3"}, {29, "0012345"},
        {36, "0001.50"}, {51, "0"}, {52, "4"}, {53, "2"}, {54, "3"}, {55, "B"}, {57, "12.500"},
        {63, "0543.21"}, {70, "0002.50"}};
    for (const auto& [pos, chars] : fields)
        image.replace(pos, static_cast<int>(qstrlen(chars)), chars);
    if (LoadFileImage_H9(image, 18) != 0)
        std::fprintf(stderr, "the benchmark's set did not load\n");
}

void idle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
}

// When the job's routine was entered and left, to tell the window's share from the
// routine's.
double g_routineIn = 0;
double g_routineOut = 0;

TransferRoutine timed(int (*routine)())
{
    return [routine] {
        g_routineIn = now();
        const int rc = routine();
        g_routineOut = now();
        return rc;
    };
}

struct Job {
    double start = 0;
    double end = 0;
    double elapsed() const { return end - start; }
};

Job runJob(TransferJob job, DownloadKind kind = DownloadKind::H9WholeSet)
{
    core::shell().nUpDownCompare = job;
    nDownloadKind = kind;
    Job j;
    j.start = now();
    frmWriteProcess1::ShowModal();
    j.end = now();
    return j;
}

// The line time of every logged request and its reply.
double wireSeconds(const std::vector<sim::Request>& reqs)
{
    std::size_t chars = 0;
    for (const sim::Request& r : reqs)
        chars += r.raw.size() + r.reply.size();
    return static_cast<double>(chars) * kCharSeconds;
}

// Where the time beyond the wire time goes. A request reaches the pty at once; the
// simulator starts its reply only when the request could have crossed the line.
void printBreakdown(const Job& job, const std::vector<sim::Request>& reqs)
{
    if (reqs.empty())
        return;
    auto lineEnd = [](const sim::Request& r) {
        return seconds(r.time) + static_cast<double>(r.raw.size() + r.reply.size()) * kCharSeconds;
    };
    double gaps = 0;
    for (std::size_t i = 1; i < reqs.size(); ++i)
        gaps += seconds(reqs[i].time) - lineEnd(reqs[i - 1]);
    std::printf("           window %.1f ms before the routine, routine %.1f ms before the first request, "
                "%.2f ms between exchanges on average, %.1f ms after the last reply to the routine's end, "
                "window %.1f ms after it\n",
                (g_routineIn - job.start) * 1e3, (seconds(reqs.front().time) - g_routineIn) * 1e3,
                gaps * 1e3 / static_cast<double>(reqs.size() - 1), (g_routineOut - lineEnd(reqs.back())) * 1e3,
                (job.end - g_routineOut) * 1e3);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AcknowledgeEverything boxes;
    platform::setMessagePresenter(&boxes);

    sim::Instrument inst(sim::Type::H9);
    inst.start();
    inst.setPacingBaud(kBaud);
    ::setenv("TCPANEL_COM1", inst.path().c_str(), 1);

    SetStartValues();
    SetTransferJobRoutine(TransferJob::Upload, timed(UploadSettings));
    SetTransferJobRoutine(TransferJob::Compare, timed(CompareSettings));
    commSettings.nBaudIndex = 3; // 9600
    // As in the program, the editor is on screen (fonts and style loaded) before the
    // first transfer starts.
    editModeZeroSet();
    core::Shell& mdi = core::shell();

    idle();
    inst.clearRequests();
    const double thread0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    const double process0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const Job download = runJob(TransferJob::Download, DownloadKind::H9WholeSet);
    const double downloadThreadCpu = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - thread0;
    const double downloadProcessCpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - process0;
    std::printf("download: \"%s\"  %zu requests, %.2f s elapsed; CPU %.3f s in the program's thread, "
                "%.3f s in the process with the simulator (target < 0.2 s)\n",
                mdi.PanelText(4).toStdString().c_str(), inst.requests().size(), download.elapsed(),
                downloadThreadCpu, downloadProcessCpu);

    bool ok = benchResult("transfer.download_thread_cpu", downloadThreadCpu, "s", "<", 0.2);
    for (TransferJob job : {TransferJob::Upload, TransferJob::Compare}) {
        const bool upload = job == TransferJob::Upload;
        idle();
        inst.clearRequests();
        boxes.texts.clear();
        const Job j = runJob(job);
        const auto reqs = inst.requests();
        const double wire = wireSeconds(reqs);
        const std::string outcome = upload ? mdi.PanelText(4).toStdString()
                                           : (boxes.texts.empty() ? std::string() : boxes.texts.back());
        std::printf("%s  \"%s\"  %zu requests, %.3f s elapsed, wire %.3f s, ratio %.3f (target <= 1.05); "
                    "the job's routine alone %.3f s, ratio %.3f\n",
                    upload ? "upload:  " : "compare: ", outcome.c_str(), reqs.size(), j.elapsed(), wire,
                    j.elapsed() / wire, g_routineOut - g_routineIn, (g_routineOut - g_routineIn) / wire);
        printBreakdown(j, reqs);
        const bool met = benchResult(upload ? "transfer.upload_ratio" : "transfer.compare_ratio",
                                     wire > 0 ? j.elapsed() / wire : NAN, "x_wire", "<=", 1.05);
        ok = ok && met;
    }
    inst.stop();
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
