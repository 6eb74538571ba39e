#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/settings_file_io.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"
#include "support/recording_shell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

using platform::MsgResult;

namespace {

QByteArray patterned(int size, char base = 'a')
{
    QByteArray b;
    for (int i = 0; i < size; ++i)
        b.append(static_cast<char>(base + i % 26));
    return b;
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

using testhelp::readRaw;

class SettingsFileIo : public ::testing::Test, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        enterUserFolder();
        byFileBuf = settings_image::blankImage();
    }
    void TearDown() override
    {
        leaveUserFolder();
    }
};

} // namespace

TEST_F(SettingsFileIo, ReadRefusesWhatIsNoWholeSettingsFile)
{
    const QByteArray before = byFileBuf;
    EXPECT_EQ(ReadSettingFile(path("missing.kvf")), 17);
    EXPECT_EQ(ReadSettingFile(tmp.path()), 17); // a folder
    EXPECT_EQ(ReadSettingFile(QString()), 17);

    writeRaw(path("short.kvf"), patterned(100));
    EXPECT_EQ(ReadSettingFile(path("short.kvf")), 18);
    writeRaw(path("empty.kvf"), QByteArray());
    EXPECT_EQ(ReadSettingFile(path("empty.kvf")), 18);

    // A file that exists but cannot be read.
    if (QFile::exists("/proc/self/clear_refs")) {
        EXPECT_EQ(ReadSettingFile("/proc/self/clear_refs"), 18);
    }
    if (geteuid() != 0) {
        writeRaw(path("locked.kvf"), patterned(256));
        QFile::setPermissions(path("locked.kvf"), QFileDevice::WriteOwner);
        EXPECT_EQ(ReadSettingFile(path("locked.kvf")), 18);
    }
    EXPECT_EQ(byFileBuf, before);
}

TEST_F(SettingsFileIo, ReadTakesTheFirst256Bytes)
{
    const QByteArray exact = patterned(256);
    writeRaw(path("exact.kvf"), exact);
    EXPECT_EQ(ReadSettingFile(path("exact.kvf")), 0);
    EXPECT_EQ(byFileBuf, exact);

    const QByteArray longer = patterned(1000, 'A');
    writeRaw(path("long.kvf"), longer);
    EXPECT_EQ(ReadSettingFile(path("long.kvf")), 0);
    EXPECT_EQ(byFileBuf, longer.left(256));
}

TEST_F(SettingsFileIo, WriteReplacesTheImageKeepsALongerFilesTailAndTakesItAsCurrent)
{
    const QByteArray old = patterned(300, 'A');
    writeRaw(path("old.kvf"), old);
    const QByteArray image = patterned(256);
    EXPECT_EQ(WriteSettingFile(path("old.kvf"), image), 0);
    EXPECT_EQ(readRaw(path("old.kvf")), image + old.mid(256));
    EXPECT_TRUE(bHasFileName);
    // Written again, the tail is still the old file's.
    EXPECT_EQ(WriteSettingFile(path("old.kvf"), patterned(256, 'K')), 0);
    EXPECT_EQ(readRaw(path("old.kvf")), patterned(256, 'K') + old.mid(256));
    EXPECT_EQ(settings_file::currentFile(), path("old.kvf"));

    EXPECT_EQ(WriteSettingFile(path("new.kvf"), image), 0);
    EXPECT_EQ(readRaw(path("new.kvf")), image);
    EXPECT_EQ(settings_file::currentFile(), path("new.kvf"));
}

TEST_F(SettingsFileIo, FailedWriteLeavesFileAndCurrentFileAlone)
{
    const QByteArray old = patterned(256, 'A');
    writeRaw(path("keep.kvf"), old);
    ASSERT_EQ(WriteSettingFile(path("keep.kvf"), old), 0);
    bHasFileName = false;

    EXPECT_EQ(WriteSettingFile(path("no/such/folder/x.kvf"), patterned(256)), 15);
    EXPECT_EQ(WriteSettingFile(tmp.path(), patterned(256)), 15); // a folder
    EXPECT_EQ(WriteSettingFile(path("keep.kvf"), patterned(255)), 15); // not an image
    EXPECT_EQ(readRaw(path("keep.kvf")), old);
    EXPECT_FALSE(bHasFileName);
    EXPECT_EQ(settings_file::currentFile(), path("keep.kvf"));
}

// Files of this process may grow to `bytes` and no further; a write beyond fails
// (SIGXFSZ ignored) instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(SettingsFileIo, WriteCutShortLeavesTheOldFileWhole)
{
    const QByteArray old = patterned(256, 'A');
    writeRaw(path("keep.kvf"), old);
    ASSERT_EQ(WriteSettingFile(path("keep.kvf"), old), 0);
    bHasFileName = false;
    int rc = 0;
    {
        const FileSizeLimit limit(100);
        rc = WriteSettingFile(path("keep.kvf"), patterned(256));
    }
    EXPECT_EQ(rc, 15);
    EXPECT_EQ(readRaw(path("keep.kvf")), old);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"keep.kvf"}) << "no piece of the new file is left";
    EXPECT_FALSE(bHasFileName);
}

TEST_F(SettingsFileIo, WriteInPlaceWhereTheFolderTakesNoNewFile)
{
    // The folder takes no new file (the atomic write's temporary file) while the file
    // in it may be written: closed by its permissions, or for root by its attribute.
    const QString dir = tmp.path() + "/closed";
    const QString file = dir + "/set.kvf";
    ASSERT_TRUE(QDir(tmp.path()).mkdir("closed"));
    const QByteArray old = patterned(280, 'A');
    writeRaw(file, old);
    const auto reopen = [&] {
        QProcess::execute("chattr", {"-i", dir});
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    };
    if (geteuid() != 0)
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    else
        QProcess::execute("chattr", {"+i", dir});
    QFile probe(dir + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        reopen();
        GTEST_SKIP() << "this system cannot close a folder to new files";
    }
    const int inPlace = WriteSettingFile(file, patterned(256));
    const int newFile = WriteSettingFile(dir + "/new.kvf", patterned(256));
    reopen();
    EXPECT_EQ(inPlace, 0);
    EXPECT_EQ(readRaw(file), patterned(256) + old.mid(256));
    EXPECT_EQ(settings_file::currentFile(), file);
    EXPECT_EQ(newFile, 15);
}

TEST_F(SettingsFileIo, WriteCaptionsTheActiveEditorWithTheFileName)
{
    testsupport::RecordingShell mdi;
    auto* editor = new QWidget;
    editor->setWindowTitle("Unknown01.kvf");
    mdi.showChild(editor);
    ASSERT_EQ(mdi.ActiveForm(), editor);
    EXPECT_EQ(WriteSettingFile(path("Line 3.kvf"), patterned(256)), 0);
    EXPECT_EQ(editor->windowTitle(), "Line 3.kvf");
    delete editor;
}

TEST(IsValidFileName, CharactersAndDots)
{
    for (const char* ok : {"a", "Line 3", "my.set", "a-b_c&d$e'f,g", " padded ", "caf\xC3\xA9"})
        EXPECT_TRUE(IsValidFileName(QString::fromUtf8(ok))) << ok;
    for (const char* bad : {"", "   ", ".hidden", "name.", " .x", "x. "})
        EXPECT_FALSE(IsValidFileName(QString::fromUtf8(bad))) << bad;
    const QString refused = QStringLiteral("\\/:*?<>|;{}[]~!@#%^()=+");
    for (const QChar c : refused) {
        EXPECT_FALSE(IsValidFileName(QStringLiteral("ab") + c + QStringLiteral("cd"))) << c.toLatin1();
        // The untrimmed name is searched.
        EXPECT_FALSE(IsValidFileName(QStringLiteral("abcd ") + c)) << c.toLatin1();
    }
}

TEST_F(SettingsFileIo, SaveAsNamesAndTheReplaceQuestion)
{
    testsupport::ScriptedFileDialogs dialogs;
    testsupport::ScriptedMessages boxes;
    const QByteArray image = patterned(256);
    const QString sample = tmp.path() + "/Sample";

    // Cancel: the folder is there afterwards, nothing is written.
    dialogs.cancel();
    EXPECT_EQ(SaveSettingFileAs(image), 0);
    EXPECT_TRUE(bSaveCancelled);
    EXPECT_TRUE(QDir(sample).exists());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, platform::FileDialogRequest::Save);
    EXPECT_EQ(dialogs.shown()[0].initDir, sample);
    EXPECT_EQ(dialogs.shown()[0].title, "Save As");
    EXPECT_EQ(dialogs.shown()[0].filter, "kvf(*.kvf)|*.kvf");

    dialogs.invalidName();
    EXPECT_EQ(SaveSettingFileAs(image), 16);

    // Names are checked without their ".kvf" (any case); without it, whole, and it is added.
    for (const char* refused : {".kvf", "a..kvf", "x;y.kvf", " .ab.KVF", "name."}) {
        dialogs.accept(sample + "/" + refused);
        EXPECT_EQ(SaveSettingFileAs(image), 16) << refused;
    }
    EXPECT_EQ(QDir(sample).entryList(QDir::Files).size(), 0);

    bSaveCancelled = true;
    dialogs.accept(sample + "/Line 3.KVF");
    EXPECT_EQ(SaveSettingFileAs(image), 0);
    EXPECT_FALSE(bSaveCancelled);
    EXPECT_EQ(readRaw(sample + "/Line 3.KVF"), image);

    dialogs.accept(sample + "/ab");
    EXPECT_EQ(SaveSettingFileAs(image), 0);
    EXPECT_EQ(readRaw(sample + "/ab.kvf"), image);
    EXPECT_FALSE(QFile::exists(sample + "/ab"));
    EXPECT_EQ(settings_file::currentFile(), sample + "/ab.kvf");
    EXPECT_EQ(boxes.count(), 0);

    // An existing file: the question, Cancel keeps it and the current file.
    const QByteArray other = patterned(256, 'A');
    dialogs.accept(sample + "/Line 3.KVF");
    boxes.answer(MsgResult::Cancel);
    EXPECT_EQ(SaveSettingFileAs(other), 0);
    EXPECT_TRUE(bSaveCancelled);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "The file exists. Do you want to replace it ?");
    EXPECT_EQ(boxes.last().buttons, platform::MsgButtons::OkCancel);
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::Question);
    EXPECT_EQ(boxes.last().title, "Save");
    EXPECT_EQ(readRaw(sample + "/Line 3.KVF"), image);
    EXPECT_EQ(settings_file::currentFile(), sample + "/ab.kvf");

    // The same name typed without the extension asks too, and OK replaces it.
    dialogs.accept(sample + "/ab");
    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(SaveSettingFileAs(other), 0);
    EXPECT_FALSE(bSaveCancelled);
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(readRaw(sample + "/ab.kvf"), other);
}

TEST_F(SettingsFileIo, SaveAsFailsWhenTheSettingsFolderCannotBeMade)
{
    testsupport::ScriptedFileDialogs dialogs;
    writeRaw(path("blocker"), "x");
    platform::setUserDataDir(path("blocker"));
    EXPECT_EQ(SaveSettingFileAs(patterned(256)), 15);
    EXPECT_TRUE(dialogs.shown().empty());
}
