// The transfer window: texts, boxes and endings per job, the progress bar, the port,
// and a whole H9 download from the window to the simulated instrument.
#include "transfer/frmWriteProcess1.h"

#include "transfer/run_transfer.h"
#include "transfer/transfer_jobs.h"
#include "core/h9_registers.h"
#include "link/messages.h"
#include "platform/strings.h"
#include "sim_fixture.h"
#include "support/form_access.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QWindow>

#include <stdexcept>

using namespace simtx;

namespace {

// Replaces a job's routine for one test.
class JobOverride {
public:
    JobOverride(int job, TransferRoutine r)
        : job_(static_cast<TransferJob>(job)), previous_(SetTransferJobRoutine(job_, std::move(r)))
    {
    }
    ~JobOverride() { SetTransferJobRoutine(job_, previous_); }

private:
    TransferJob job_;
    TransferRoutine previous_;
};

struct Seen {
    QString label;
    int interval = -1;
    int bar = -1;
    bool visible = false;
};

class TransferWindow : public SimTest {
protected:
    // A routine that notes what the window shows, opens the port and returns `result`.
    TransferRoutine observing(int result)
    {
        return [this, result] {
            frmWriteProcess1& w = frmWriteProcess1::instance();
            window = &w;
            seen = {ui(w).Label1->text(), ui(w).Timer1->interval(), ui(w).ProgressBar1->value(), w.isVisible()};
            EXPECT_FALSE(ui(w).Timer1->isActive()); // the routine switches it on itself
            EXPECT_EQ(OpenCommPort(), 0);
            return result;
        };
    }

    void run(int job)
    {
        core::shell().nUpDownCompare = static_cast<TransferJob>(job);
        boxes.onBox = [this](const platform::MessageBoxRequest&) {
            barAtBox = window ? ui(*window).ProgressBar1->value() : -1;
            windowVisibleAtBox = window && window->isVisible();
            windowLoadedAtBox = frmWriteProcess1::isLoaded();
        };
        frmWriteProcess1::ShowModal();
    }

    QPointer<frmWriteProcess1> window;
    Seen seen;
    int barAtBox = -1;
    bool windowVisibleAtBox = true;
    bool windowLoadedAtBox = true;
};

} // namespace

TEST_F(TransferWindow, DownloadSuccess)
{
    JobOverride o(1, observing(0));
    run(1);
    EXPECT_EQ(seen.label, platform::LoadResString(257));
    EXPECT_EQ(seen.interval, 800);
    EXPECT_EQ(seen.bar, 1);
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(panel4(), platform::LoadResString(264));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(264));
    EXPECT_EQ(boxes.last().title, "Download");
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::Information);
    // The box comes after the window has gone, with the bar full and the port closed.
    EXPECT_EQ(barAtBox, 30);
    EXPECT_FALSE(windowVisibleAtBox);
    EXPECT_FALSE(windowLoadedAtBox);
    EXPECT_FALSE(boxes.portOpenAtBox[0]);
    EXPECT_FALSE(frmWriteProcess1::isLoaded());
}

// The window has no title; what reaches the window system must not be empty either,
// or the title bar shows the program's name.
TEST_F(TransferWindow, TheTitleBarStaysBlank)
{
    QStringList titles;
    JobOverride o(0, [&titles] {
        frmWriteProcess1& w = frmWriteProcess1::instance();
        titles << w.windowTitle() << w.windowHandle()->title();
        w.setWindowTitle(QString());
        titles << w.windowHandle()->title();
        return 0;
    });
    for (int run = 0; run < 2; ++run) {
        titles.clear();
        core::shell().nUpDownCompare = TransferJob::Upload;
        frmWriteProcess1::ShowModal();
        EXPECT_EQ(titles, (QStringList{"", " ", " "})) << "window " << run + 1;
    }
}

TEST_F(TransferWindow, UploadAndCompareSuccess)
{
    {
        JobOverride o(0, observing(0));
        run(0);
        EXPECT_EQ(seen.label, platform::LoadResString(258));
        EXPECT_EQ(seen.interval, 40);
        EXPECT_EQ(panel4(), QString());
        EXPECT_EQ(boxes.count(), 0); // the Upload command tells it once the editor has the set
        EXPECT_FALSE(portOpen());
    }
    boxes.clear();
    {
        JobOverride o(2, observing(0));
        run(2);
        EXPECT_EQ(seen.label, platform::LoadResString(259));
        EXPECT_EQ(seen.interval, 40);
        EXPECT_EQ(panel4(), platform::LoadResString(265));
        EXPECT_EQ(boxes.count(), 0); // a compare reports through its own boxes
        EXPECT_FALSE(portOpen());
    }
}

TEST_F(TransferWindow, FailuresWriteOnlyThePanelText)
{
    const struct { int job; int text; } rows[] = {{1, 261}, {0, 260}, {2, 262}};
    for (const auto& r : rows) {
        JobOverride o(r.job, observing(7));
        run(r.job);
        EXPECT_EQ(panel4(), platform::LoadResString(r.text)) << r.job;
        EXPECT_EQ(boxes.count(), 0) << r.job;
        EXPECT_FALSE(portOpen()) << r.job;
        EXPECT_FALSE(frmWriteProcess1::isLoaded());
    }
}

// From the command on: panel 4 says what runs while the window is up and while its box
// for an unexpected error is shown (that job's own message); the outcome replaces it
// once the window has gone, before a success box.
TEST_F(TransferWindow, ThePanelFollowsTheJobFromItsCommand)
{
    const struct { int job; int working; int code; int success; int failure; } rows[] = {
        {1, 256, 14, 264, 261}, {0, 250, 21, 263, 260}, {2, 254, 24, 265, 262}};
    QWidget caller;
    QString during;
    QStringList boxesAndPanel;
    boxes.onBox = [&](const platform::MessageBoxRequest& b) { boxesAndPanel << b.text + " | " + panel4(); };
    for (const auto& r : rows)
        for (bool fails : {false, true}) {
            SCOPED_TRACE(testing::Message() << "job " << r.job << (fails ? ", failing" : ""));
            boxesAndPanel.clear();
            JobOverride o(r.job, [&]() -> int {
                during = panel4();
                EXPECT_EQ(OpenCommPort(), 0);
                TransferTimerOn();
                if (fails)
                    throw std::runtime_error("lost");
                return 0;
            });
            ASSERT_TRUE(RunTransfer(&caller, static_cast<TransferJob>(r.job)));
            const QString working = platform::LoadResString(r.working);
            const QString success = platform::LoadResString(r.success);
            EXPECT_EQ(during, working);
            if (fails)
                EXPECT_EQ(boxesAndPanel, QStringList{platform::LoadResString(MessageStringId(r.code)) + " | " + working});
            else // a compare reports through its own boxes, an upload through the Upload command
                EXPECT_EQ(boxesAndPanel, r.job != 1 ? QStringList{} : QStringList{success + " | " + success});
            EXPECT_EQ(panel4(), fails ? platform::LoadResString(r.failure) : r.job == 0 ? working : success);
            EXPECT_FALSE(portOpen());
        }
}

TEST_F(TransferWindow, AJobOrVariantWithoutARoutineNeverSucceeds)
{
    const struct { int job; int code; int text; } rows[] = {{5, 14, 261}, {-1, 14, 261}};
    for (const auto& r : rows) {
        boxes.clear();
        run(r.job);
        ASSERT_EQ(boxes.count(), 1) << r.job;
        EXPECT_EQ(boxes.last().text, platform::LoadResString(MessageStringId(r.code))) << r.job;
        EXPECT_EQ(panel4(), platform::LoadResString(r.text)) << r.job;
    }
    core::shell().nUpDownCompare = TransferJob::Download;
    for (int kind : {5, -1}) {
        boxes.clear();
        nDownloadKind = static_cast<DownloadKind>(kind);
        run(1);
        ASSERT_EQ(boxes.count(), 1) << kind;
        EXPECT_EQ(boxes.last().text, platform::LoadResString(261)) << kind;
        EXPECT_EQ(panel4(), platform::LoadResString(261)) << kind;
    }
    nDownloadKind = DownloadKind::H9WholeSet;
    timerCounterParamsH9.nFuncType_H9 = 1;
    for (quint8 dual : {3, 255}) {
        boxes.clear();
        timerCounterParamsH9.nDualFunc_H9 = dual;
        run(1);
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(panel4(), platform::LoadResString(261));
    }
    timerCounterParamsH9.nFuncType_H9 = 2;
    boxes.clear();
    run(1);
    EXPECT_EQ(panel4(), platform::LoadResString(261));
    EXPECT_TRUE(instrument.requests().empty());
}

TEST_F(TransferWindow, VariantsCanBeReplaced)
{
    int calls = 0;
    const TransferRoutine before = SetDownloadVariant(DownloadKind::H5, [&] { ++calls; return 0; });
    EXPECT_TRUE(before) << "the H5 download is built in";
    nDownloadKind = DownloadKind::H5;
    run(1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(panel4(), platform::LoadResString(264));
    SetDownloadVariant(DownloadKind::H5, {});
    nDownloadKind = DownloadKind::H9WholeSet;
}

TEST_F(TransferWindow, EscapeAndTheCloseBoxDoNothingWhileAJobRuns)
{
    bool stillShown = false;
    JobOverride o(1, [&] {
        frmWriteProcess1& w = frmWriteProcess1::instance();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &esc);
        w.close();
        w.reject();
        QCoreApplication::processEvents();
        stillShown = w.isVisible() && w.JobRunning();
        return 1;
    });
    run(1);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(panel4(), platform::LoadResString(261));
}

TEST_F(TransferWindow, TheBarNeverPassesItsMaximum)
{
    int highest = 0;
    int last = 0;
    JobOverride o(0, [&] {
        frmWriteProcess1& w = frmWriteProcess1::instance();
        QObject::connect(ui(w).ProgressBar1, &QProgressBar::valueChanged, [&](int v) { highest = std::max(highest, v); });
        TransferTimerOn();
        // Real time, so the 40 ms timer creeps far beyond the bar's length.
        QEventLoop loop;
        QTimer::singleShot(900, &loop, &QEventLoop::quit);
        loop.exec();
        last = ui(w).ProgressBar1->value();
        for (int i = 0; i < 40; ++i)
            TransferProgressStep();
        highest = std::max(highest, ui(w).ProgressBar1->value());
        return 1;
    });
    run(0);
    EXPECT_EQ(last, 29);
    EXPECT_LE(highest, 30);
}

// --- A whole download from the window ---------------------------------------------

TEST_F(TransferWindow, AnH9SetDownloadsFromTheWindow)
{
    timerCounterParamsH9.nTimeRangeA_H9 = 1; // whole seconds, up
    timerCounterParamsH9.nOutputModeA_H9 = 0;
    rows[H9Row::lblTimerSettingA].setDigits("000090");
    timerCounterParamsH9.nFuncB_H9 = 0;
    rows[H9Row::lblCounterSettingB].setDigits("000500");
    rows[H9Row::lblMagnificationB].setDigits("001000");
    bKeyProtect = 1;
    nDownloadKind = DownloadKind::H9WholeSet;
    int barAfterBlocks = -1;
    clock.onPause = [&](qint64) {
        window = frmWriteProcess1::loaded();
        if (window)
            barAfterBlocks = ui(*window).ProgressBar1->value();
    };
    run(1);
    EXPECT_EQ(barAfterBlocks, 3); // one step after timer A, one after the end register
    EXPECT_EQ(panel4(), platform::LoadResString(264));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().title, "Download");
    EXPECT_EQ(barAtBox, 30);
    EXPECT_FALSE(portOpen());
    EXPECT_EQ(instrument.read16(kRegTimeCodeA_H9), 2);
    EXPECT_EQ(instrument.read16(kTimerSlotsA_H9[2].setValue), 0x0090);
    EXPECT_EQ(instrument.read16(kRegCounterSettingUpB_H9 + 2), 0x0005);
    const Trace t = trace();
    ASSERT_GE(t.size(), 5u);
    EXPECT_EQ(Trace(t.end() - 5, t.end()), ending(1));
}

TEST_F(TransferWindow, ACheckStopsTheDownloadBeforeAnythingIsSent)
{
    nDownloadKind = DownloadKind::H9WholeSet;
    rows[H9Row::lblTimerSettingA].setDigits("000000");
    run(1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(275));
    EXPECT_EQ(panel4(), platform::LoadResString(261));
    EXPECT_TRUE(instrument.requests().empty());
}

TEST_F(TransferWindow, AWriteFailingMidBlockFromTheWindow)
{
    nDownloadKind = DownloadKind::H9WholeSet;
    rows[H9Row::lblTimerSettingA].setDigits("000100");
    rows[H9Row::lblCounterSettingB].setDigits("000100");
    rows[H9Row::lblMagnificationB].setDigits("001000");
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegCounterSettingUpB_H9));
    run(1);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(268));
    EXPECT_EQ(panel4(), platform::LoadResString(261));
    const Trace t = trace();
    EXPECT_EQ(t.back(), W(kRegCounterSettingUpB_H9, 0));
    EXPECT_EQ(std::count(t.begin(), t.end(), DD), 0);
    EXPECT_TRUE(clock.pauses.empty());
    EXPECT_FALSE(portOpen());
}
