// The H9 editor as a user drives it: closing with the save question, the commands from
// the menus, their shortcut keys and the toolbar, key protection and monitoring.
#include "core/machine_type.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "editors/h9/h9_image_loader.h"
#include "link/comm_records.h"
#include "platform/strings.h"
#include "settings_file/h9_image.h"
#include "support/form_access.h"
#include "support/h9_images.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"
#include "support/windows.h"
#include "transfer/transfer_jobs.h"

#include <QApplication>
#include <functional>
#include <QTest>

#include <gtest/gtest.h>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

QString res(int id) { return platform::LoadResString(id); }

class H9Window : public ::testing::Test, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        enterUserFolder();
        platform::setAppDataDir(tmp.path());
        commSettings.nSlaveID = 1;
        open();
    }
    void TearDown() override
    {
        testsupport::closeChildWindows();
        platform::setAppDataDir(QString());
        leaveUserFolder();
    }

    // A fresh editor as New leaves it, active and with the keyboard focus.
    void open()
    {
        frmModeSetting_H9& f = frmModeSetting_H9::instance();
        f.Show();
        f.mFuncModeSelect_0_Click();
        mdi.bChange = false;
        QApplication::setActiveWindow(&f);
    }
    frmModeSetting_H9& ed() { return frmModeSetting_H9::instance(); }
    Ui_frmModeSetting_H9& w() { return ui(ed()); }
    bool loaded() const { return frmModeSetting_H9::isLoaded(); }
    static void click(DigitLabelArray* row, int i) { QTest::mouseClick(row->label(i), Qt::LeftButton); }
    // A key pressed where the keyboard focus is, as the user presses it.
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        // A transfer window or box took the activation away meanwhile.
        QApplication::setActiveWindow(ed().window());
        QWidget* at = QApplication::focusWidget() ? QApplication::focusWidget() : &ed();
        QTest::keyClick(at, static_cast<Qt::Key>(k), m);
    }

    testsupport::RecordingShell mdi;
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
};

// Runs instead of the transfer job and notes what the window looked like meanwhile.
struct JobSpy {
    explicit JobSpy(frmModeSetting_H9& f)
    {
        for (int job : {1, 2})
            previous[job - 1] = SetTransferJobRoutine(job, [this, &f, job] {
                runs << QStringLiteral("%1:%2").arg(job).arg(nDownloadKind);
                lockedDuring = ui(f).cboCountModeA->testAttribute(Qt::WA_Disabled)
                               && !core::shell().Buttons(4).Enabled();
                return 0;
            });
    }
    ~JobSpy()
    {
        SetTransferJobRoutine(1, previous[0]);
        SetTransferJobRoutine(2, previous[1]);
    }
    QStringList runs;
    bool lockedDuring = false;
    TransferRoutine previous[2];
};

} // namespace

TEST_F(H9Window, CloseAsksOnlyForAChangedSetAndEachAnswerDoesWhatItSays)
{
    // Unchanged: no question; the toolbar buttons and panels of the set go with it.
    mdi.setPanelText(4, "busy");
    w().mClose->trigger();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(loaded());
    for (int b : {4, 7, 9, 10, 11, 12})
        EXPECT_FALSE(mdi.Buttons(b).Visible()) << b;
    EXPECT_EQ(mdi.PanelText(1), "");
    EXPECT_EQ(mdi.PanelText(4), "");

    // Cancel keeps the window, and New does not go on.
    open();
    click(w().lblTimerSettingA, 5);
    ASSERT_TRUE(mdi.bChange);
    boxes.answer(MsgResult::Cancel);
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, res(251));
    EXPECT_EQ(boxes.last().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(boxes.last().icon, MsgIcon::Question);
    EXPECT_EQ(boxes.last().title, "Save");
    EXPECT_TRUE(loaded());
    EXPECT_TRUE(mdi.commands.isEmpty());

    // Yes with a set value the check refuses: its message, nothing saved, Open stays away.
    boxes.autoAcknowledgeOk();
    w().lblTimerSettingA->setDigits("000000");
    boxes.clear();
    boxes.answer(MsgResult::Yes);
    w().mOpenSetting->trigger();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.last().text, res(275));
    EXPECT_EQ(mdi.PanelText(4), res(253));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(loaded());

    // Yes with a file that cannot be written.
    w().lblTimerSettingA->setDigits("001000");
    bHasFileName = true;
    settings_file::setCurrentFile(tmp.path()); // a folder
    boxes.clear();
    boxes.answer(MsgResult::Yes);
    w().mUpload->trigger();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.last().text, res(253));
    EXPECT_EQ(boxes.last().title, "Save");
    EXPECT_TRUE(loaded());

    // Yes without a file name, the Save As cancelled: the window stays without a word.
    bHasFileName = false;
    dialogs.cancel();
    boxes.clear();
    boxes.answer(MsgResult::Yes);
    ed().close(); // the close box
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_TRUE(loaded());
    EXPECT_TRUE(mdi.commands.isEmpty());

    // Yes, saved: the file holds what Save would write now, and Upload goes on.
    ASSERT_EQ(BuildFileImage_H9(), 0);
    const QByteArray expected = byFileBuf;
    dialogs.accept(path("closed.kvf"));
    boxes.clear();
    boxes.answer(MsgResult::Yes);
    key(Qt::Key_F11);
    EXPECT_EQ(boxes.last().text, res(252));
    EXPECT_FALSE(loaded());
    EXPECT_EQ(mdi.commands, QStringList{"mUpload_Click"});
    EXPECT_EQ(testhelp::readRaw(path("closed.kvf")), expected);

    // No: the change is dropped and New goes on.
    open();
    click(w().lblHoldTimeA, 0); // disabled by output mode 0: no change
    EXPECT_FALSE(mdi.bChange);
    click(w().lblCounterSettingB, 0);
    boxes.answer(MsgResult::No);
    w().mNew->trigger();
    EXPECT_FALSE(loaded());
    EXPECT_EQ(mdi.commands, (QStringList{"mUpload_Click", "mNew_Click"}));

    // Closing from the live view during shutdown asks nothing.
    open();
    click(w().lblCounterSettingB, 0);
    mdi.bMonitorUnload = true;
    boxes.clear();
    ed().close();
    mdi.bMonitorUnload = false;
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(loaded());
}

TEST_F(H9Window, TransfersRunLockedFromMenuKeysButtonAndToolbarAndRefreshAfterwards)
{
    boxes.autoAcknowledgeOk();
    JobSpy spy(ed());
    key(Qt::Key_F9);
    QTest::mouseClick(w().cmdDownload_All_A, Qt::LeftButton);
    ed().invokeCommand("mDownload_Click");
    key(Qt::Key_F6);
    key(Qt::Key_F7);
    key(Qt::Key_F8); // Compare keeps the last download's kind
    EXPECT_EQ(spy.runs, (QStringList{"1:0", "1:0", "1:0", "1:1", "1:2", "2:2"}));
    EXPECT_TRUE(spy.lockedDuring);
    EXPECT_EQ(mdi.panelHistory[3].mid(mdi.panelHistory[3].size() - 2, 1), QStringList{res(254)});
    // Unlocked, and what the choices disable is disabled again.
    EXPECT_FALSE(w().cboCountModeA->testAttribute(Qt::WA_Disabled));
    EXPECT_TRUE(mdi.Buttons(4).Enabled());
    EXPECT_TRUE((*w().lblMagnificationB)(0).testAttribute(Qt::WA_Disabled));
    EXPECT_TRUE((*w().lblHoldTimeA)(3).testAttribute(Qt::WA_Disabled));

    // A slave ID out of range stops Download and Compare, not the partial downloads.
    commSettings.nSlaveID = 256;
    spy.runs.clear();
    key(Qt::Key_F9);
    EXPECT_EQ(mdi.PanelText(4), res(255));
    EXPECT_EQ(boxes.last().text, res(285));
    key(Qt::Key_F8);
    key(Qt::Key_F6);
    EXPECT_EQ(spy.runs, QStringList{"1:1"});

    // The dual modes offer no partial download.
    commSettings.nSlaveID = 0;
    w().mFuncModeSelect_5->trigger();
    spy.runs.clear();
    key(Qt::Key_F6);
    key(Qt::Key_F9);
    EXPECT_EQ(spy.runs, QStringList{"1:0"});

    // The toolbar's Save saves (through Save As: the set has no file yet).
    dialogs.accept(path("toolbar.kvf"));
    EXPECT_TRUE(ed().invokeCommand("mSaveSetting_Click"));
    EXPECT_EQ(testhelp::readRaw(path("toolbar.kvf")).size(), 256);
}

TEST_F(H9Window, KeyProtectionByTheUserIsAChangeOfTheSet)
{
    key(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(w().mKP->isChecked());
    EXPECT_TRUE(mdi.Buttons(11).Value());
    EXPECT_EQ(mdi.Buttons(11).Image(), "KP_ON");
    EXPECT_TRUE(mdi.bChange);
    mdi.bChange = false;
    ed().invokeCommand("mKP_Click"); // the toolbar's KP button
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_TRUE(mdi.bChange);
    // The loaders put the stored state in with the plain toggle.
    mdi.bChange = false;
    ed().mKP_Click();
    EXPECT_FALSE(mdi.bChange);

    // A fresh window shows the released button with its own picture.
    ed().mKP_Click();
    ASSERT_EQ(mdi.Buttons(11).Image(), "KP_OFF");
    ed().mKP_Click();
    ASSERT_EQ(mdi.Buttons(11).Image(), "KP_ON");
    testsupport::closeChildWindows();
    open();
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_FALSE(mdi.Buttons(11).Value());
    EXPECT_EQ(mdi.Buttons(11).Image(), "KP_OFF");

    // Power saving from its key and from the toolbar: the note follows, the set is changed.
    key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(bPowerSaving_H9, 1);
    EXPECT_FALSE(w().lblPSCaution->isHidden());
    EXPECT_TRUE(mdi.bChange);
    EXPECT_TRUE(ed().invokeCommand("mPowerSaving_Click"));
    EXPECT_EQ(bPowerSaving_H9, 0);
    EXPECT_TRUE(w().lblPSCaution->isHidden());
    EXPECT_EQ(mdi.Buttons(12).Image(), "PS_OFF");
}

TEST_F(H9Window, MonitorHidesTheEditorWhichComesBackWithItsValues)
{
    w().mFuncModeSelect_6->trigger();
    click(w().lblCounterSettingA_Dual_F, 2);
    mdi.setPanelText(1, "");
    key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(mdi.commands, QStringList{"mMonitoring_Click"});
    mdi.commands.clear();
    EXPECT_FALSE(ed().isVisible());
    EXPECT_TRUE(loaded());
    ed().Show();
    EXPECT_TRUE(ed().isVisible());
    EXPECT_TRUE(ed().invokeCommand("mMonitoring_Click")); // the toolbar's MonitorStart
    EXPECT_FALSE(ed().isVisible());
    ed().Show();
    EXPECT_TRUE(w().mFuncModeSelect_6->isChecked());
    EXPECT_EQ(w().lblCounterSettingA_Dual_F->digits(), "990999");
    EXPECT_EQ(mdi.PanelText(1), ModelName(1));

    // Help, About and Exit are the main window's.
    key(Qt::Key_F1);
    w().mAbout->trigger();
    w().mExit->trigger();
    EXPECT_EQ(mdi.commands, (QStringList{"mMonitoring_Click", "mVelHelp_Click", "mAbout_Click", "mExit_Click"}));
}

TEST_F(H9Window, MenusInTheirOrderWithTheirCaptionsAndShortcutKeys)
{
    struct Item { const char* name; int id; QKeySequence keys; };
    const Item expected[] = {
        {"mFile", 127, {}}, {"mNew", 133, Qt::CTRL | Qt::Key_N}, {"mOpenSetting", 134, Qt::CTRL | Qt::Key_O},
        {"mClose", 135, {}}, {"mSaveSetting", 136, Qt::CTRL | Qt::Key_S}, {"mSaveAs", 137, Qt::CTRL | Qt::Key_A},
        {"mExit", 138, {}}, {"mMode", 128, {}}, {"mFuncModeSelect_0", 139, {}}, {"mFuncModeSelect_1", 140, {}},
        {"mFuncModeSelect_2", 141, {}}, {"mFuncModeSelect_3", 142, {}}, {"mFuncModeSelect_4", 143, {}},
        {"mFuncModeSelect_5", 144, {}}, {"mFuncModeSelect_6", 145, {}}, {"mTool", 129, {}},
        {"mUpload", 146, Qt::Key_F11}, {"mDownloadMenu", 147, {}}, {"mDownload", 296, Qt::Key_F9},
        {"mDownload_A", 297, Qt::Key_F6}, {"mDownload_B", 298, Qt::Key_F7}, {"mCompare", 148, Qt::Key_F8},
        {"mMonitor", 130, {}}, {"mMonitoring", 149, Qt::CTRL | Qt::Key_M}, {"mSetting", 131, {}},
        {"mCommSetting", 103, Qt::CTRL | Qt::Key_U}, {"mKP", 151, Qt::CTRL | Qt::Key_K},
        {"mPowerSaving", 152, Qt::CTRL | Qt::Key_H}, {"mHelp", 132, {}}, {"mVelHelp", 153, Qt::Key_F1},
        {"mAbout", 101, {}},
    };
    // The shown items, depth first; a menu stands for its title.
    QList<QAction*> shown;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            shown << a;
            if (a->menu())
                walk(a->menu()->actions());
        }
    };
    walk(w().menuBar->actions());
    ASSERT_EQ(shown.size(), static_cast<qsizetype>(std::size(expected)));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const Item& e = expected[i];
        QAction* a = shown[i];
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        EXPECT_EQ(name.toStdString(), e.name);
        EXPECT_EQ(a->text(), res(e.id)) << e.name;
        EXPECT_EQ(a->shortcut(), e.keys) << e.name;
    }
    EXPECT_EQ(w().mMode->title(), "Function Selection(&A)");
    EXPECT_FALSE(w().mPLC->isVisible());
    EXPECT_FALSE(w().mDefaultValue->isVisible());
}
