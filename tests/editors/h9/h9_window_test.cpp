// The H9 editor as a user drives it: closing with the save question, the commands from
// the menus, their shortcut keys and the toolbar, key protection and monitoring.
#include "editors/h9/frmModeSetting_H9.h"
#include "editors/h9/h9_image_loader.h"
#include "link/comm_records.h"
#include "platform/strings.h"
#include "settings_file/h9_image.h"
#include "support/editor_state.h"
#include "support/form_access.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"
#include "support/windows.h"
#include "transfer/transfer_jobs.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using platform::MsgResult;

namespace {

QString resText(int id) { return platform::LoadResString(id); }

class H9Window : public ::testing::Test, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        enterUserFolder();
        platform::setAppDataDir(tmp.path());
        commSettings.nSlaveID = 1;
        boxes.autoAcknowledgeOk();
        open();
    }
    void TearDown() override
    {
        testsupport::closeEditorWindows();
        platform::setAppDataDir(QString());
        leaveUserFolder();
    }

    // A fresh editor as New leaves it.
    void open()
    {
        ed().Show();
        ed().mFuncModeSelect_0_Click();
        mdi.bChange = false;
    }
    frmModeSetting_H9& ed() { return frmModeSetting_H9::instance(); }
    Ui_frmModeSetting_H9& w() { return ui(ed()); }
    bool loaded() const { return frmModeSetting_H9::isLoaded(); }
    // A key pressed where the keyboard focus is; a transfer window or a box may have
    // taken the activation away meanwhile.
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QApplication::setActiveWindow(&ed());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &ed(), Qt::Key(k), m);
    }
    // The answer to the save question, and what the boxes said after it.
    QStringList answering(MsgResult answer, const std::function<void()>& close)
    {
        boxes.clear();
        boxes.answer(answer);
        close();
        QStringList texts;
        for (const auto& b : boxes.shown())
            texts << b.text;
        return texts;
    }

    testsupport::RecordingShell mdi;
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
};

} // namespace

TEST_F(H9Window, CloseAsksOnlyForAChangedSetAndEachAnswerDoesWhatItSays)
{
    // Unchanged: no question; the set's toolbar buttons and panels go with the window.
    w().mClose->trigger();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(loaded());
    for (int b : {4, 7, 9, 10, 11, 12})
        EXPECT_FALSE(mdi.Buttons(b).Visible()) << b;
    EXPECT_EQ(mdi.PanelText(1), "");

    open();
    QTest::mouseClick(w().lblTimerSettingA->label(5), Qt::LeftButton);
    ASSERT_TRUE(mdi.bChange);
    // Cancel keeps the window, and New does not go on.
    EXPECT_EQ(answering(MsgResult::Cancel, [&] { key(Qt::Key_N, Qt::ControlModifier); }), QStringList{resText(251)});
    EXPECT_EQ(boxes.last().title, "Save");
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::Question);
    // Yes with a set value the check refuses: its message, nothing saved.
    w().lblTimerSettingA->setDigits("000000");
    EXPECT_EQ(answering(MsgResult::Yes, [&] { key(Qt::Key_O, Qt::ControlModifier); }),
              (QStringList{resText(251), resText(275)}));
    EXPECT_EQ(mdi.PanelText(4), resText(253));
    // Yes with a file that cannot be written (a folder).
    w().lblTimerSettingA->setDigits("001000");
    bHasFileName = true;
    settings_file::setCurrentFile(tmp.path());
    EXPECT_EQ(answering(MsgResult::Yes, [&] { w().mUpload->trigger(); }), (QStringList{resText(251), resText(253)}));
    // Yes without a file name, the Save As cancelled: silence.
    bHasFileName = false;
    dialogs.cancel();
    EXPECT_EQ(answering(MsgResult::Yes, [&] { ed().close(); }), QStringList{resText(251)});
    EXPECT_TRUE(loaded());
    EXPECT_TRUE(mdi.commands.isEmpty());

    // Yes, saved: the file holds what Save would write now, and Upload goes on.
    ASSERT_EQ(BuildFileImage_H9(), 0);
    const QByteArray expected = byFileBuf;
    dialogs.accept(path("closed.kvf"));
    EXPECT_EQ(answering(MsgResult::Yes, [&] { key(Qt::Key_F11); }), (QStringList{resText(251), resText(252)}));
    EXPECT_FALSE(loaded());
    EXPECT_EQ(testhelp::readRaw(path("closed.kvf")), expected);

    // No: the change is dropped and New goes on.
    open();
    QTest::mouseClick(w().lblHoldTimeA->label(0), Qt::LeftButton); // off in output mode 0
    EXPECT_FALSE(mdi.bChange);
    QTest::mouseClick(w().lblCounterSettingB->label(0), Qt::RightButton);
    answering(MsgResult::No, [&] { w().mNew->trigger(); });
    EXPECT_FALSE(loaded());
    EXPECT_EQ(mdi.commands, (QStringList{"mUpload_Click", "mNew_Click"}));
}

TEST_F(H9Window, TransfersRunLockedFromKeysButtonAndToolbarAndRefreshAfterwards)
{
    QStringList runs;
    bool locked = false;
    const auto spy = [&](int job) {
        return [&, job] {
            runs << QStringLiteral("%1:%2").arg(job).arg(static_cast<int>(nDownloadKind));
            locked = w().cboCountModeA->testAttribute(Qt::WA_Disabled) && !mdi.Buttons(4).Enabled();
            return 0;
        };
    };
    const TransferRoutine download = SetTransferJobRoutine(TransferJob::Download, spy(1));
    const TransferRoutine compare = SetTransferJobRoutine(TransferJob::Compare, spy(2));

    // A fresh load of the set greys timer A's output-time separator with its digits, where
    // New leaves it black: each command, started from New, leaves what the load shows.
    ASSERT_EQ(BuildFileImage_H9(), 0);
    testsupport::closeEditorWindows();
    ASSERT_EQ(LoadFileImage_H9(byFileBuf, 18), 0);
    const QStringList loaded = testhelp::shownSet(&ed());
    for (const std::function<void()>& command : std::initializer_list<std::function<void()>>{
             [&] { key(Qt::Key_F9); }, [&] { QTest::mouseClick(w().cmdDownload_All_A, Qt::LeftButton); },
             [&] { ed().invokeCommand(core::ToolbarCommand::Download); }, [&] { key(Qt::Key_F6); },
             [&] { key(Qt::Key_F7); }, [&] { key(Qt::Key_F8); }}) {
        testsupport::closeEditorWindows();
        open();
        command();
        EXPECT_EQ(testhelp::firstDifference(loaded, testhelp::shownSet(&ed())), "") << runs.join(" ").toStdString();
    }
    // Compare keeps the last download's kind.
    EXPECT_EQ(runs, (QStringList{"1:0", "1:0", "1:0", "1:1", "1:2", "2:2"}));
    EXPECT_TRUE(locked);
    // Unlocked, and what the choices disable is disabled again.
    EXPECT_FALSE(w().cboCountModeA->testAttribute(Qt::WA_Disabled));
    EXPECT_TRUE((*w().lblMagnificationB)(0).testAttribute(Qt::WA_Disabled));
    EXPECT_TRUE((*w().lblHoldTimeA)(3).testAttribute(Qt::WA_Disabled));

    // A slave ID out of range stops Download and Compare, not the partial downloads.
    commSettings.nSlaveID = 256;
    runs.clear();
    key(Qt::Key_F9);
    EXPECT_EQ(mdi.PanelText(4), resText(255));
    EXPECT_EQ(boxes.last().text, resText(285));
    key(Qt::Key_F8);
    key(Qt::Key_F6);
    EXPECT_EQ(runs, QStringList{"1:1"});
    SetTransferJobRoutine(TransferJob::Download, download);
    SetTransferJobRoutine(TransferJob::Compare, compare);
}

TEST_F(H9Window, KeyProtectionAndPowerSavingFromKeysAndToolbar)
{
    // The user's key protection is saved with the set, so it is a change.
    key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(w().mKP->isChecked());
    EXPECT_EQ(mdi.Buttons(11).Image(), "KP_ON");
    EXPECT_TRUE(mdi.bChange);
    mdi.bChange = false;
    ed().invokeCommand(core::ToolbarCommand::KeyProtect);
    EXPECT_TRUE(mdi.bChange);
    // The loaders' toggle is no change; a fresh window shows the button released with
    // its released picture whatever the last set left on it.
    mdi.bChange = false;
    ed().mKP_Click();
    EXPECT_FALSE(mdi.bChange);
    testsupport::closeEditorWindows();
    open();
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_FALSE(mdi.Buttons(11).Value());
    EXPECT_EQ(mdi.Buttons(11).Image(), "KP_OFF");

    key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(w().lblPSCaution->isHidden());
    EXPECT_TRUE(ed().invokeCommand(core::ToolbarCommand::PowerSaving));
    EXPECT_TRUE(w().lblPSCaution->isHidden());
    EXPECT_EQ(mdi.Buttons(12).Image(), "PS_OFF");
}
