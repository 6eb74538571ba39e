#include "app/frmMDI.h"
#include "core/machine_type.h"
#include "core/ui_lock.h"
#include "link/comm_records.h"
#include "core/monitor_state.h"
#include "platform/strings.h"
#include "support/scripted_ui.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        // Scribble over the start values so the test proves the window sets them.
        commSettings.nBaudIndex = 8;
        commSettings.nSlaveID = 171;
        commSettings.nTimeOut = 5;
        commSettings.sCommSettingsText = "x";
        logSettings.nLogDelimIdx = 3;
        monitorState.bMonitoring = true;
    }
    void TearDown() override { testsupport::closeWindows(); }
};

} // namespace

TEST_F(MainWindow, StartsWithEveryStartValueAndTheStatusPanels)
{
    frmMDI& mdi = frmMDI::instance();
    EXPECT_EQ(commSettings.nCommPort, 1);
    EXPECT_EQ(commSettings.nBaudIndex, 3);
    EXPECT_EQ(commSettings.nParityIndex, 0);
    EXPECT_EQ(commSettings.nDataBitsIndex, 1);
    EXPECT_EQ(commSettings.nStopBitsIndex, 0);
    EXPECT_EQ(commSettings.nSlaveID, 1);
    EXPECT_EQ(commSettings.nTimeOut, 1000);
    EXPECT_EQ(commSettings.nCommDelay, 0);
    EXPECT_EQ(commSettings.bAutoIdMode, 0);
    EXPECT_EQ(commState.bSilentComm, 0);
    EXPECT_FALSE(monitorState.bMonitoring);
    EXPECT_EQ(logSettings.nLogRateSec, 1);
    EXPECT_EQ(logSettings.nLogDelimIdx, 0);
    EXPECT_FALSE(bMacTypeSelOK);

    EXPECT_EQ(mdi.windowTitle(), "Velmora ");
    EXPECT_EQ(mdi.StatusBar1->PanelText(1), "");
    EXPECT_EQ(mdi.StatusBar1->PanelText(2), "COM1 , 9600 , N , 8 , 1");
    EXPECT_EQ(mdi.StatusBar1->PanelText(3), "Device ID(Hex) : 01");
    EXPECT_EQ(mdi.StatusBar1->PanelText(4), "");
    EXPECT_FALSE(mdi.bChange);
    EXPECT_FALSE(mdi.bOpenOldFile);
    EXPECT_EQ(mdi.ActiveForm(), nullptr);
    EXPECT_FALSE(mdi.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindow, ToolbarShowsNewOpenUploadAndTheirSeparatorsAfterLoad)
{
    frmMDI& mdi = frmMDI::instance();
    const char* keys[] = {"split05", "New", "Open", "Save", "split09", "Upload",
                          "Download", "split01", "MonitorStart", "split02", "KP", "PowerSaving"};
    const bool visible[] = {false, true, true, false, true, true, false, true, false, false, false, false};
    ASSERT_EQ(mdi.Toolbar1->Count(), 12);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(mdi.Toolbar1->Buttons(i).Key(), keys[i - 1]);
        EXPECT_EQ(mdi.Toolbar1->Buttons(i).Visible(), visible[i - 1]);
        EXPECT_TRUE(mdi.Toolbar1->Buttons(i).Enabled());
    }
    EXPECT_EQ(mdi.Toolbar1->Buttons(11).Image(), "KP_OFF");
    EXPECT_EQ(mdi.Toolbar1->Buttons(12).Image(), "PS_OFF");
    EXPECT_EQ(mdi.Toolbar1->Buttons(6).action()->toolTip(), "Upload ( Device --> PC )");
    EXPECT_EQ(mdi.Toolbar1->Buttons(12).action()->toolTip(), "Power Saving");
}

TEST_F(MainWindow, ModelNamesByDeviceTypeCode)
{
    EXPECT_EQ(ModelName(1), "QD - Max733C  /  614C  /  852C");
    EXPECT_EQ(ModelName(2), "QD-Max730");
    EXPECT_EQ(ModelName(3), "QD-Max731");
    EXPECT_EQ(ModelName(4), "QD-Max732");
    EXPECT_EQ(ModelName(0), "");
    EXPECT_EQ(ModelName(5), "");
}

TEST_F(MainWindow, UnlockGivesEachControlBackItsOwnEnabledState)
{
    frmMDI& mdi = frmMDI::instance();
    QWidget form;
    auto* panel = new QWidget(&form);
    auto* combo = new QComboBox(panel);
    auto* readOnlyDigit = new QLabel(panel);
    readOnlyDigit->setEnabled(false);
    auto* hiddenItem = new QAction("mode", &form);
    hiddenItem->setVisible(false);
    mdi.Toolbar1->Buttons(7).setEnabled(false);

    LockUi(&form);
    EXPECT_TRUE(combo->testAttribute(Qt::WA_Disabled));
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(mdi.Toolbar1->Buttons(i).Enabled()) << i;

    UnlockUi(&form);
    EXPECT_FALSE(panel->testAttribute(Qt::WA_Disabled));
    EXPECT_FALSE(combo->testAttribute(Qt::WA_Disabled)) << "a control inside a panel comes back too";
    EXPECT_TRUE(readOnlyDigit->testAttribute(Qt::WA_Disabled)) << "a read-only digit stays read-only";
    hiddenItem->setVisible(true);
    EXPECT_TRUE(hiddenItem->isEnabled()) << "a menu item hidden during the lock is usable once shown";
    EXPECT_FALSE(mdi.Toolbar1->Buttons(7).Enabled());
    EXPECT_TRUE(mdi.Toolbar1->Buttons(6).Enabled());
}

TEST_F(MainWindow, ExitAsksAndNoKeepsTheProgramRunning)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    testsupport::ScriptedMessages boxes;
    boxes.answer(platform::MsgResult::No).answer(platform::MsgResult::Yes);
    mdi.mExit_Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Are you sure to exit  ?");
    EXPECT_EQ(boxes.last().buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::Question);
    EXPECT_TRUE(mdi.isVisible());
    mdi.mExit_Click();
    EXPECT_FALSE(mdi.isVisible());
}

TEST_F(MainWindow, ToolbarWithoutAnEditorRunsOnlyTheMainWindowsOwnCommands)
{
    frmMDI& mdi = frmMDI::instance();
    QStringList ran;
    mdi.registerOwnCommand("mOpen_Click", [&] { ran << "open"; });
    mdi.registerOwnCommand("mSaveSetting_Click", [&] { ran << "save"; });
    mdi.Toolbar1_ButtonClick("Open");
    mdi.Toolbar1_ButtonClick("Save");
    mdi.Toolbar1_ButtonClick("KP");
    mdi.Toolbar1_ButtonClick("split01");
    EXPECT_EQ(ran, QStringList{"open"});
}
