#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/save_flow.h"
#include "settings_file/settings_file_io.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"
#include "support/recording_shell.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using platform::MsgIcon;
using platform::MsgResult;
using settings_file::SaveOutcome;

namespace {

using testhelp::readRaw;

// Stands in for an editor's writer: fills byFileBuf with a recognisable image.
struct FakeBuilder {
    char fill = 'a';
    int result = 0;
    int calls = 0;
    int operator()()
    {
        ++calls;
        byFileBuf = SettingFileImage(kSettingImageSize, fill);
        return result;
    }
};

class SaveFlow : public ::testing::Test, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        enterUserFolder();
        editor = new QWidget;
        editor->setWindowTitle("Unknown01.kvf");
        mdi->showChild(editor);
        mdi->bChange = true;
        sample = tmp.path() + "/Sample";
    }
    void TearDown() override
    {
        delete editor;
        leaveUserFolder();
    }
    QString panel4() const { return mdi->PanelText(4); }
    SaveOutcome save(FakeBuilder& b) { return settings_file::SaveSettingFlow(std::ref(b)); }
    SaveOutcome saveAs(FakeBuilder& b) { return settings_file::SaveSettingAsFlow(std::ref(b)); }

    QString sample;
    testsupport::RecordingShell mdiShell;
    testsupport::RecordingShell* mdi = &mdiShell;
    QWidget* editor = nullptr;
    testsupport::ScriptedFileDialogs dialogs;
    testsupport::ScriptedMessages boxes;
};

} // namespace

TEST_F(SaveFlow, FirstSaveAsksForANameLaterSavesDoNot)
{
    FakeBuilder b;
    dialogs.accept(sample + "/Line 3.kvf");
    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(save(b), SaveOutcome::Saved);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "File is save completed!");
    EXPECT_EQ(boxes.last().icon, MsgIcon::None);
    EXPECT_EQ(boxes.last().title, "Save");
    EXPECT_EQ(panel4(), "File is save completed!");
    EXPECT_FALSE(mdi->bChange);
    EXPECT_TRUE(bHasFileName);
    EXPECT_EQ(editor->windowTitle(), "Line 3.kvf");
    EXPECT_EQ(readRaw(sample + "/Line 3.kvf"), QByteArray(256, 'a'));

    // No dialog scripted: a second one would fail the test.
    b.fill = 'b';
    mdi->bChange = true;
    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(save(b), SaveOutcome::Saved);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(readRaw(sample + "/Line 3.kvf"), QByteArray(256, 'b'));
    EXPECT_FALSE(mdi->bChange);
}

TEST_F(SaveFlow, FailedBuildShowsItsOwnCodeAndWritesNothing)
{
    FakeBuilder b;
    b.result = 13;
    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(saveAs(b), SaveOutcome::Failed);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text,
              "The set value of Timer_1 must be more than  the set value of Timer_0.");
    EXPECT_EQ(boxes.last().title, "Error");
    EXPECT_EQ(panel4(), "Failed to save the file!");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(mdi->bChange);
}

TEST_F(SaveFlow, FailedWriteShowsTheFixedBox)
{
    FakeBuilder b;
    dialogs.invalidName();
    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(saveAs(b), SaveOutcome::Failed);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Failed to save the file!");
    EXPECT_EQ(boxes.last().icon, MsgIcon::None);
    EXPECT_EQ(boxes.last().title, "Save");
    EXPECT_EQ(panel4(), "Failed to save the file!");
    EXPECT_TRUE(mdi->bChange);

    // The current file has become a folder: Save cannot write it.
    ASSERT_EQ(WriteSettingFile(tmp.path() + "/gone.kvf", QByteArray(256, 'x')), 0);
    QFile::remove(tmp.path() + "/gone.kvf");
    ASSERT_TRUE(QDir(tmp.path()).mkdir("gone.kvf"));
    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(save(b), SaveOutcome::Failed);
    EXPECT_EQ(boxes.last().text, "Failed to save the file!");
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(SaveFlow, CancelledDialogShowsNothing)
{
    FakeBuilder b;
    mdi->setPanelText(4, "before");
    dialogs.cancel();
    EXPECT_EQ(save(b), SaveOutcome::Cancelled);
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(panel4(), "before");
    EXPECT_TRUE(mdi->bChange);
    EXPECT_FALSE(bHasFileName);
}

TEST_F(SaveFlow, DeclinedReplaceIsNotTheFileTheNextSaveWrites)
{
    FakeBuilder b;
    QFile other(sample + "/other.kvf");
    dialogs.accept(sample + "/mine.kvf");
    boxes.answer(MsgResult::Ok);
    ASSERT_EQ(saveAs(b), SaveOutcome::Saved);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(QByteArray(256, 'o'));
    other.close();

    b.fill = 'n';
    mdi->bChange = true;
    dialogs.accept(sample + "/other.kvf");
    boxes.answer(MsgResult::Cancel); // do not replace
    EXPECT_EQ(saveAs(b), SaveOutcome::Cancelled);
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(mdi->bChange);
    EXPECT_EQ(editor->windowTitle(), "mine.kvf");

    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(save(b), SaveOutcome::Saved);
    EXPECT_EQ(readRaw(sample + "/other.kvf"), QByteArray(256, 'o'));
    EXPECT_EQ(readRaw(sample + "/mine.kvf"), QByteArray(256, 'n'));
    EXPECT_EQ(dialogs.shown().size(), 2u);
}
