// The value log: line format, period counting, the file choice and the file itself.
#include "monitor/value_log.h"

#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

TEST(ValueLog, TimestampIgnoresTheRegionalFormat)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LogTimestamp(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 3))), "12/8/2026 09:05:03");
    EXPECT_EQ(LogTimestamp(QDateTime(QDate(2027, 1, 31), QTime(23, 59, 0))), "1/31/2027 23:59:00");
    QLocale::setDefault(before);
}

TEST(ValueLog, PeriodsEndOnTheirTick)
{
    const auto ticksOfFirstThree = [](int period) {
        LogSettings log;
        SetLogPeriod(log, period);
        std::vector<int> ends;
        for (int t = 1; ends.size() < 3 && t <= 3 * 3600; ++t)
            if (LogTickElapsed(log))
                ends.push_back(t);
        return ends;
    };
    EXPECT_EQ(ticksOfFirstThree(1), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ticksOfFirstThree(59), (std::vector<int>{59, 118, 177}));
    EXPECT_EQ(ticksOfFirstThree(60), (std::vector<int>{60, 120, 180}));
    EXPECT_EQ(ticksOfFirstThree(61), (std::vector<int>{61, 122, 183}));
    EXPECT_EQ(ticksOfFirstThree(3600), (std::vector<int>{3600, 7200, 10800}));
    LogSettings log;
    SetLogPeriod(log, 60);
    EXPECT_EQ(log.nLogRateSec, 0);
    EXPECT_EQ(log.nLogRateMin, 1);

    EXPECT_EQ(ParseLogPeriod("3600"), 3600);
    EXPECT_EQ(ParseLogPeriod("1"), 1);
    for (const char* bad : {"0", "3601", "", "99999999999", "-5", "1x"})
        EXPECT_FALSE(ParseLogPeriod(bad).has_value()) << bad;
}

namespace {

class LogFileChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        platform::setUserDataDir(tmp.path());
        bSaveCancelled = false;
    }
    void TearDown() override { platform::setUserDataDir(QString()); }
    QString logPath(const QString& name) const { return tmp.path() + "/Log/" + name; }

    QTemporaryDir tmp;
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    platform::CommonDialog dialog;
};

} // namespace

TEST_F(LogFileChoice, FolderDialogNamesAndTheReplaceQuestion)
{
    dialogs.accept(logPath("logfile"));
    EXPECT_EQ(SelectLogFile(dialog).code, 0);
    EXPECT_TRUE(QDir(tmp.path() + "/Log").exists());
    const platform::FileDialogRequest& r = dialogs.shown().back();
    EXPECT_EQ(r.kind, platform::FileDialogRequest::Save);
    EXPECT_EQ(r.title, "Save As");
    EXPECT_EQ(r.filter, "log file(*.txt)|*.txt");
    EXPECT_EQ(r.fileName, "logfile");
    EXPECT_EQ(r.initDir, tmp.path() + "/Log");
    EXPECT_FALSE(bSaveCancelled);
    EXPECT_EQ(dialog.FileName, logPath("logfile"));
    EXPECT_EQ(boxes.count(), 0);
    // Only "logfile.txt" exists: "logfile" is a new file, so no question.
    LogFile f;
    ASSERT_TRUE(f.open(logPath("logfile.txt")));
    f.close();
    dialogs.accept(logPath("logfile"));
    EXPECT_EQ(SelectLogFile(dialog).path, logPath("logfile"));
    EXPECT_EQ(boxes.count(), 0);

    // Only a real ".txt" ending is left out of the name check.
    for (const char* ok : {"abcd", "abc", "x.TXT"}) {
        dialogs.accept(logPath(ok));
        EXPECT_EQ(SelectLogFile(dialog).code, 0) << ok;
    }
    for (const char* bad : {".txt", "run."}) {
        dialogs.accept(logPath(bad));
        EXPECT_EQ(SelectLogFile(dialog).code, 16) << bad;
    }

    // An existing file: OK keeps the choice, Cancel drops it.
    ASSERT_TRUE(f.open(logPath("old.txt")));
    f.close();
    dialogs.accept(logPath("old.txt")).accept(logPath("old.txt"));
    boxes.answer(platform::MsgResult::Ok).answer(platform::MsgResult::Cancel);
    EXPECT_EQ(SelectLogFile(dialog).code, 0);
    EXPECT_FALSE(bSaveCancelled);
    EXPECT_EQ(boxes.last().text, "The file exists. Do you want to replace it ?");
    EXPECT_EQ(boxes.last().buttons, platform::MsgButtons::OkCancel);
    EXPECT_EQ(boxes.last().title, "Save");
    EXPECT_EQ(SelectLogFile(dialog).code, 0);
    EXPECT_TRUE(bSaveCancelled);
}

TEST_F(LogFileChoice, LinesReachTheDiskAndARemovedFileIsALoss)
{
    LogFile f;
    ASSERT_TRUE(QDir().mkpath(tmp.path() + "/Log"));
    ASSERT_TRUE(f.open(logPath("a.txt")));
    ASSERT_TRUE(f.writeLine("one\r\n"));
    QFile reader(logPath("a.txt"));
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    EXPECT_EQ(reader.readAll(), "one\r\n"); // written through before the next line
    // The file removed under the log: its lines would go nowhere.
    ASSERT_TRUE(QFile::remove(logPath("a.txt")));
    EXPECT_FALSE(f.writeLine("two\r\n"));
}
