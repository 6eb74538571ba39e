// Logging from the monitoring window: the file choice, the options dialog as a user
// works it, the lines the log timer writes and what happens when the file fails.
#include "monitor_window.h"

#include "core/h9_registers.h"
#include "monitor/frmLogging.h"
#include "platform/folders.h"
#include "settings_file/file_flags.h"
#include "support/text_fit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class LoggingWindow : public montest::MonitorWindow {
protected:
    void SetUp() override
    {
        MonitorWindow::SetUp();
        platform::setUserDataDir(tmp.path());
        bSaveCancelled = false;
        clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 0)));
    }
    void TearDown() override
    {
        MonitorWindow::TearDown();
        platform::setUserDataDir(QString());
    }

    // Logging..., the file `path` chosen, then `inDialog` works the options dialog.
    void logging(const QString& path, std::function<void(frmLogging&)> inDialog)
    {
        dialogs.accept(path);
        QTimer::singleShot(0, [inDialog] {
            ASSERT_TRUE(frmLogging::isLoaded());
            frmLogging& d = frmLogging::instance();
            // Shown: the period box has the focus with its whole text selected.
            EXPECT_TRUE(QTest::qWaitFor([&] { return ui(d).txtScanRate->selectedText() == ui(d).txtScanRate->text(); }, 1000));
            inDialog(d);
        });
        ui(window()).mLogging->trigger();
        testsupport::dropDeferredDeletes();
    }
    // One second of the log timer.
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            clock.advance(1000);
            window().Timer1_log_Timer();
        }
    }
    QStringList lines(const QString& path) const
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList out = QString::fromLatin1(f.readAll()).split("\r\n");
        out.removeLast(); // after the last CR LF
        return out;
    }
    QString logPath(const char* name) const { return tmp.path() + "/Log/" + name; }
    // The last box, or an empty one when none was shown (a fault must not crash the test).
    platform::MessageBoxRequest lastBox() const
    {
        return boxes.count() ? boxes.last() : platform::MessageBoxRequest{};
    }

    QTemporaryDir tmp;
    testsupport::ScriptedFileDialogs dialogs;
};

} // namespace

TEST_F(LoggingWindow, PeriodDelimiterAndErrorsFromTheDialogIntoTheFile)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    dev.pokeBytes(kRegTimerPresentA_H9[0], {0x56, 0x00, 0x34, 0x12});
    frmMonitoring& f = window();
    EXPECT_FALSE(ui(f).mLogoff->isEnabled());
    clickStart();
    ASSERT_TRUE(waitPolls(2));

    const QString path = logPath("values.TXT");
    logging(path, [](frmLogging& d) {
        EXPECT_EQ(d.windowTitle(), "Logging");
        EXPECT_EQ(ui(d).txtScanRate->text(), "1");
        EXPECT_TRUE(ui(d).optDelimiters[0]->isChecked());
        QTest::keyClicks(ui(d).txtScanRate, "6a-1.");
        EXPECT_EQ(ui(d).txtScanRate->text(), "61");
        QTest::keyClick(ui(d).txtScanRate, Qt::Key_Backspace);
        QTest::keyClicks(ui(d).txtScanRate, "0");
        ui(d).optDelimiters[1]->setChecked(true);
        ui(d).chkLogError->setChecked(true);
        QTest::keyClick(ui(d).txtScanRate, Qt::Key_Return);
    });
    EXPECT_TRUE(f.Logging());
    EXPECT_FALSE(ui(f).mLogging->isEnabled());
    EXPECT_TRUE(ui(f).mLogoff->isEnabled());
    EXPECT_EQ(logSettings.nLogRateMin, 1);
    EXPECT_EQ(logSettings.nLogRateSec, 0);
    ui(f).Timer1_log->setInterval(3600 * 1000); // the test gives the seconds itself

    tick(59);
    EXPECT_TRUE(lines(path).isEmpty());
    // The clock moves with real time too: set it just before the line, however slow the machine.
    clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 59)));
    tick();
    ASSERT_EQ(lines(path).size(), 1);
    EXPECT_EQ(lines(path)[0], "12/8/2026 09:06:00,1234.56,000000");

    // Polls that fail: "Error!" while errors are logged.
    dev.setFault(sim::Fault::noReply());
    ASSERT_TRUE(QTest::qWaitFor([] { return monitorState.bPollError; }, 3000));
    tick(59);
    clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 6, 59)));
    tick();
    ASSERT_EQ(lines(path).size(), 2);
    EXPECT_EQ(lines(path)[1], "12/8/2026 09:07:00,Error!");

    // Stopped monitoring writes nothing, and the period keeps counting.
    clickStop();
    tick(60);
    EXPECT_EQ(lines(path).size(), 2);
    ui(f).mLogoff->trigger();
    EXPECT_FALSE(f.Logging());
    EXPECT_TRUE(ui(f).mLogging->isEnabled());
    EXPECT_FALSE(ui(f).mLogoff->isEnabled());

    // Again with the same file: it is asked about, emptied, and the settings kept.
    boxes.answer(platform::MsgResult::Ok);
    logging(path, [](frmLogging& d) {
        EXPECT_EQ(ui(d).txtScanRate->text(), "60");
        EXPECT_TRUE(ui(d).optDelimiters[1]->isChecked());
        EXPECT_TRUE(ui(d).chkLogError->isChecked());
        ui(d).optDelimiters[2]->setChecked(true);
        ui(d).txtScanRate->setText("1");
        ui(d).chkLogError->setChecked(false);
        QTest::mouseClick(ui(d).OKButton, Qt::LeftButton);
    });
    EXPECT_TRUE(lines(path).isEmpty());
    dev.clearFaults();
    clickStart();
    ASSERT_TRUE(waitPolls(2));
    ui(f).Timer1_log->setInterval(3600 * 1000);
    // Failing polls with errors not logged: the values the last good poll left.
    dev.setFault(sim::Fault::noReply());
    ASSERT_TRUE(QTest::qWaitFor([] { return monitorState.bPollError; }, 3000));
    clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 8, 0)));
    tick();
    EXPECT_EQ(lines(path).value(0).section(' ', 1), "09:08:01\t1234.56\t000000");
}

// The instrument falls silent while the port stays open, then answers again, under the
// real poll and log timers; each log tick then mostly lands inside a waiting poll.
TEST_F(LoggingWindow, ASilentInstrumentIsLoggedAndShownAsSilent)
{
    sim::Instrument& dev = instrument(sim::Type::H5, 0);
    clickStart();
    ASSERT_TRUE(waitPolls(2));
    const auto panel4 = [] { return core::shell().PanelText(4); };
    const auto value = [](const QString& line) { return line.section("     ", 1); };
    for (const bool logErrors : {true, false}) {
        SCOPED_TRACE(logErrors);
        const QString path = logPath(logErrors ? "errors.txt" : "values.txt");
        logging(path, [&](frmLogging& d) {
            ui(d).chkLogError->setChecked(logErrors);
            QTest::mouseClick(ui(d).OKButton, Qt::LeftButton);
        });
        ui(window()).Timer1_log->setInterval(200);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !lines(path).isEmpty(); }, 2000));
        const QString live = value(lines(path).last());

        dev.setFault(sim::Fault::noReply());
        ASSERT_TRUE(QTest::qWaitFor([&] { return panel4() == "Read Error"; }, 3000));
        const qsizetype silentFrom = lines(path).size();
        QStringList shown;
        ASSERT_TRUE(QTest::qWaitFor([&] { shown << panel4(); return lines(path).size() >= silentFrom + 8; }, 5000));
        for (const QString& line : lines(path).mid(silentFrom))
            EXPECT_EQ(value(line), logErrors ? "Error!" : live);
        EXPECT_EQ(shown.filter("Read Error").size(), shown.size()) << shown.join('|').toStdString();

        dev.clearFaults();
        ASSERT_TRUE(QTest::qWaitFor([&] { return panel4() == "Read..."; }, 3000));
        const qsizetype answeredFrom = lines(path).size();
        ASSERT_TRUE(QTest::qWaitFor([&] { return lines(path).size() > answeredFrom; }, 2000));
        EXPECT_EQ(value(lines(path).last()), live);
        EXPECT_TRUE(portOpen());
        EXPECT_EQ(boxes.count(), 0);

        // Stopped, and silent at the next Start: no line carries what the last start
        // read, while the start waits nor while its time-out box waits for OK.
        clickStop();
        dev.setFault(sim::Fault::noReply());
        const qsizetype startFrom = lines(path).size();
        qsizetype boxFrom = 0, boxTo = 0;
        QStringList panelsAtBox;
        boxes.onBox = [&](const platform::MessageBoxRequest&) {
            panelsAtBox = upperRowPictures(ui(window()).panelA) + upperRowPictures(ui(window()).panelB);
            boxFrom = lines(path).size();
            QTest::qWait(1000);
            boxTo = lines(path).size();
        };
        clickStart();
        boxes.onBox = {};
        EXPECT_EQ(lastBox().text, "Time out !");
        EXPECT_GE(boxTo - boxFrom, 3);
        EXPECT_EQ(panelsAtBox.filter("image_99").size(), 12) << panelsAtBox.join(' ').toStdString();
        const QStringList started = lines(path).mid(startFrom);
        for (qsizetype i = 0; i < started.size(); ++i)
            EXPECT_EQ(value(started[i]), QString(logErrors && startFrom + i >= boxFrom ? "Error!" : "")) << i;
        // Answering again, the next start logs its values.
        dev.clearFaults();
        boxes.clear();
        clickStart();
        const qsizetype againFrom = lines(path).size();
        ASSERT_TRUE(QTest::qWaitFor([&] { return lines(path).size() > againFrom + 1; }, 2000));
        EXPECT_EQ(value(lines(path).last()), live);
        ui(window()).mLogoff->trigger();
    }
}

TEST_F(LoggingWindow, TheRealTimerWritesOnceASecondIntoTheFileAsNamed)
{
    instrument(sim::Type::H7, 3);
    clickStart();
    const QDir folder(tmp.path() + "/Log");
    const auto pressOk = [](frmLogging& d) { QTest::mouseClick(ui(d).OKButton, Qt::LeftButton); };
    // The name proposed, accepted as it stands: the log is "logfile", no extension added.
    const QString path = logPath("logfile");
    logging(path, pressOk);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(QDir(dialogs.shown()[0].initDir), folder);
    EXPECT_EQ(dialogs.shown()[0].fileName, "logfile");
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines(path).size() >= 2; }, 3500));
    EXPECT_TRUE(lines(path)[0].endsWith("     000000"));
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"logfile"});

    // "logfile" again: asked about; Cancel leaves it as it is, OK logs into it afresh.
    ui(window()).mLogoff->trigger();
    const QStringList logged = lines(path);
    dialogs.accept(path);
    boxes.answer(platform::MsgResult::Cancel);
    {
        // Options shown all the same are accepted, so that the test fails instead of waiting.
        QObject whileAsked;
        QTimer::singleShot(0, &whileAsked, [&] { if (frmLogging::isLoaded()) pressOk(frmLogging::instance()); });
        ui(window()).mLogging->trigger();
    }
    EXPECT_EQ(lastBox().text, "The file exists. Do you want to replace it ?");
    ASSERT_FALSE(window().Logging());
    EXPECT_EQ(lines(path), logged);
    boxes.answer(platform::MsgResult::Ok);
    logging(path, pressOk);
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(lines(path).isEmpty());
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"logfile"});

    // A typed name is taken as typed, and the next Logging proposes "logfile" again.
    ui(window()).mLogoff->trigger();
    ASSERT_TRUE(QFile::remove(path));
    logging(logPath("run1.txt"), pressOk);
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[3].fileName, "logfile");
    EXPECT_TRUE(window().Logging());
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList{"run1.txt"});
}

TEST_F(LoggingWindow, RefusedPeriodCancelAndFilesThatFail)
{
    instrument(sim::Type::H5, 0);
    frmMonitoring& f = window();
    clickStart();
    ASSERT_TRUE(waitPolls(1));

    // A period out of range keeps the dialog open; Escape then leaves everything as it was.
    logging(logPath("a.txt"), [this](frmLogging& d) {
        ui(d).txtScanRate->setText("3601");
        QTest::mouseClick(ui(d).OKButton, Qt::LeftButton);
        EXPECT_EQ(lastBox().text, "Please enter an integer between 1 and 3600.");
        EXPECT_EQ(lastBox().icon, platform::MsgIcon::None);
        EXPECT_TRUE(d.isVisible());
        QTest::keyClick(ui(d).txtScanRate, Qt::Key_Escape);
    });
    EXPECT_FALSE(f.Logging());
    EXPECT_FALSE(QFile::exists(logPath("a.txt")));
    EXPECT_EQ(logSettings.nLogRateSec, 1);

    // A file that cannot be created: the message, and no logging.
    boxes.clear();
    logging(logPath("gone/b.txt"), [](frmLogging& d) { QTest::mouseClick(ui(d).OKButton, Qt::LeftButton); });
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(lastBox().text, "Failed to save the file!");
    EXPECT_FALSE(f.Logging());
    EXPECT_TRUE(ui(f).mLogging->isEnabled());

    // A disk that takes no line: the message at the first line, logging ends.
    boxes.clear();
    boxes.answer(platform::MsgResult::Ok); // replace the existing "file"
    logging("/dev/full", [](frmLogging& d) { QTest::mouseClick(ui(d).OKButton, Qt::LeftButton); });
    ASSERT_TRUE(f.Logging());
    ui(f).Timer1_log->setInterval(3600 * 1000);
    tick();
    EXPECT_EQ(lastBox().text, "Failed to save the file!");
    EXPECT_FALSE(f.Logging());
    EXPECT_TRUE(ui(f).mLogging->isEnabled());
    EXPECT_FALSE(ui(f).mLogoff->isEnabled());

    // A name the check refuses, and a cancelled choice: no dialog, no logging.
    boxes.clear();
    dialogs.accept(logPath("a(1).txt")).cancel();
    ui(f).mLogging->trigger();
    EXPECT_EQ(lastBox().text, "Invaild file name!");
    ui(f).mLogging->trigger();
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_FALSE(frmLogging::isLoaded());
}

TEST_F(LoggingWindow, EveryTextFitsAndEachOptionDiffersInEachLanguage)
{
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese,
                                    platform::Language::SimplifiedChinese}) {
        platform::setLanguage(lang);
        EXPECT_EQ(testsupport::clippedTexts(&frmLogging::instance()), QStringList()) << int(lang);
        EXPECT_EQ(testsupport::repeatedChoices(&frmLogging::instance()).join("\n").toStdString(), "") << int(lang);
        EXPECT_EQ(testsupport::clippedTexts(&window()), QStringList()) << int(lang);
        testsupport::closeChildWindows();
    }
}
