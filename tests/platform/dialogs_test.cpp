#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

using namespace platform;

TEST(ScriptedMessages, AnswersInOrderAndRecordsEveryBox)
{
    testsupport::ScriptedMessages boxes;
    boxes.answer(MsgResult::Yes).answer(MsgResult::Cancel);
    EXPECT_EQ(MsgBox("first", MsgButtons::YesNo, MsgIcon::Question, "Save"), MsgResult::Yes);
    EXPECT_EQ(MsgBox("second", MsgButtons::YesNoCancel), MsgResult::Cancel);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].title, "Save");
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Question);
    EXPECT_EQ(boxes.last().text, "second");
}

TEST(ScriptedMessages, AnUnscriptedBoxFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedMessages boxes;
            MsgBox("nobody expects this");
        },
        "Unscripted message box");
}

TEST(CommonDialog, KeepsTheChosenNameAndReportsCancelAndInvalidNames)
{
    testsupport::ScriptedFileDialogs dialogs;
    dialogs.accept("/tmp/sets/a.kvf").cancel().invalidName();
    CommonDialog dlg;
    dlg.InitDir = "/tmp/sets";
    dlg.DialogTitle = "Open";
    dlg.Filter = "Setting File (*.kvf)|*.kvf";

    EXPECT_EQ(dlg.ShowOpen(), kDialogAccepted);
    EXPECT_EQ(dlg.FileName, "/tmp/sets/a.kvf");
    EXPECT_EQ(dlg.FileTitle, "a.kvf");

    EXPECT_EQ(dlg.ShowSave(), kDialogCancelled);
    EXPECT_EQ(dlg.FileName, "/tmp/sets/a.kvf") << "a cancel keeps the last name";
    EXPECT_EQ(dlg.ShowSave(), kDialogInvalidFileName);

    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[1].kind, FileDialogRequest::Save);
    EXPECT_EQ(dialogs.shown()[1].fileName, "/tmp/sets/a.kvf");
    EXPECT_EQ(dialogs.shown()[0].initDir, "/tmp/sets");
}

TEST(CommonDialog, ConvertsTheFormsFilterToQtFilters)
{
    EXPECT_EQ(toQtFilter("Setting File (*.kvf)|*.kvf"), "Setting File (*.kvf)");
    EXPECT_EQ(toQtFilter("Log|*.txt;*.log|All Files (*.*)|*.*"), "Log (*.txt *.log);;All Files (*.*)");
}
