#include "app/frmMDI.h"
#include "app/help_window.h"
#include "core/key_protect.h"
#include "core/machine_type.h"
#include "core/monitor_state.h"
#include "core/ui_lock.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/comm_records.h"
#include "monitor/frmMonitoring.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "support/deferred_delete.h"
#include "support/main_window.h"
#include "support/modal.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

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
    void TearDown() override
    {
        testsupport::closeWindows();
        platform::setAppDataDir(QString());
        setHelpCollectionDir(QString());
        platform::setLanguage(platform::Language::English);
    }
};

using platform::MsgResult;

// A child window as the main window's toolbar sees an editor: it takes every command.
class ChildForm : public QWidget, public core::ToolbarCommandTarget {
public:
    bool invokeCommand(core::ToolbarCommand command) override
    {
        ran << command;
        return true;
    }
    QList<core::ToolbarCommand> ran;
};

QList<HelpWindow*> openHelpWindows()
{
    QList<HelpWindow*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(w); help && help->isVisible())
            open << help;
    return open;
}

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
    EXPECT_EQ(mdi.PanelText(1), "");
    EXPECT_EQ(mdi.PanelText(2), "COM1 , 9600 , N , 8 , 1");
    EXPECT_EQ(mdi.PanelText(3), "Device ID(Hex) : 01");
    EXPECT_EQ(mdi.PanelText(4), "");
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
    ASSERT_EQ(ui(mdi).Toolbar1->Count(), 12);
    for (int i = 1; i <= 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ui(mdi).Toolbar1->Buttons(i).Key(), keys[i - 1]);
        EXPECT_EQ(ui(mdi).Toolbar1->Buttons(i).Visible(), visible[i - 1]);
        EXPECT_TRUE(ui(mdi).Toolbar1->Buttons(i).Enabled());
    }
    EXPECT_EQ(ui(mdi).Toolbar1->Buttons(11).Image(), "KP_OFF");
    EXPECT_EQ(ui(mdi).Toolbar1->Buttons(12).Image(), "PS_OFF");
    EXPECT_EQ(ui(mdi).Toolbar1->Buttons(6).action()->toolTip(), "Upload ( Device --> PC )");
    EXPECT_EQ(ui(mdi).Toolbar1->Buttons(12).action()->toolTip(), "Power Saving");
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
    ui(mdi).Toolbar1->Buttons(7).setEnabled(false);

    LockUi(&form);
    EXPECT_TRUE(combo->testAttribute(Qt::WA_Disabled));
    for (int i = 1; i <= 12; ++i)
        EXPECT_FALSE(ui(mdi).Toolbar1->Buttons(i).Enabled()) << i;

    UnlockUi(&form);
    EXPECT_FALSE(panel->testAttribute(Qt::WA_Disabled));
    EXPECT_FALSE(combo->testAttribute(Qt::WA_Disabled)) << "a control inside a panel comes back too";
    EXPECT_TRUE(readOnlyDigit->testAttribute(Qt::WA_Disabled)) << "a read-only digit stays read-only";
    hiddenItem->setVisible(true);
    EXPECT_TRUE(hiddenItem->isEnabled()) << "a menu item hidden during the lock is usable once shown";
    EXPECT_FALSE(ui(mdi).Toolbar1->Buttons(7).Enabled());
    EXPECT_TRUE(ui(mdi).Toolbar1->Buttons(6).Enabled());
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
    mdi.registerOwnCommand(core::ToolbarCommand::Open, [&] { ran << "open"; });
    mdi.registerOwnCommand(core::ToolbarCommand::Save, [&] { ran << "save"; });
    mdi.Toolbar1_ButtonClick("Open");
    mdi.Toolbar1_ButtonClick("Save");
    mdi.Toolbar1_ButtonClick("KP");
    mdi.Toolbar1_ButtonClick("split01");
    EXPECT_EQ(ran, QStringList{"open"});
}

TEST_F(MainWindow, MenusTooltipsAndTheWindowFlagsAsAUserMeetsThem)
{
    frmMDI& mdi = frmMDI::instance();
    QStringList menus;
    for (QAction* top : mdi.menuBar()->actions()) {
        QStringList items;
        for (QAction* a : top->menu()->actions())
            items << (a->isSeparator() ? "-" : (a->text() + " " + a->shortcut().toString()).trimmed());
        menus << top->text() + (top->isVisible() || top->isEnabled() ? ": " : " (hidden, off): ") + items.join(", ");
    }
    EXPECT_EQ(menus, (QStringList{"File(&F): New(&N) Ctrl+N, Open(&O) Ctrl+O, -, Exit(&X)",
                                  "Communication(&C): Upload ( Device --> PC ) F11",
                                  "Monitor(&M) (hidden, off): Monitor Ctrl+M",
                                  "Option(&O): Communication Settings Ctrl+U",
                                  "Help(&H): Velmora Help F1, About me"}));
    // Tooltips are plain text, in every language.
    EXPECT_EQ(ui(mdi).Toolbar1->Buttons(2).action()->toolTip() + ui(mdi).Toolbar1->Buttons(4).action()->toolTip(), "NewSave");
    testsupport::closeWindows();
    platform::setLanguage(platform::Language::TraditionalChinese);
    EXPECT_EQ(ui(frmMDI::instance()).Toolbar1->Buttons(3).action()->toolTip(), "開啟");
    EXPECT_EQ(platform::withoutAccelerator("&Open && Save"), "Open & Save");

    // No maximising, also when something gave the box back before an activation.
    frmMDI& again = frmMDI::instance();
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    again.setWindowFlags(again.windowFlags() | Qt::WindowMaximizeButtonHint);
    again.show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    again.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
    EXPECT_FALSE(again.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(again.isVisible());
}

TEST_F(MainWindow, ToolbarGoesToTheActiveChildByTheKeyTableAndTheOwnMenusStepAside)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mdi));
    using C = core::ToolbarCommand;
    QList<C> own;
    for (C command : {C::New, C::Open, C::Upload})
        mdi.registerOwnCommand(command, [&own, command] { own << command; });
    const auto clickEvery = [&] {
        for (int i = 1; i <= 12; ++i) {
            ToolbarButton& b = ui(mdi).Toolbar1->Buttons(i);
            b.setVisible(true);
            if (b.IsSeparator())
                mdi.Toolbar1_ButtonClick(b.Key());
            else
                QTest::mouseClick(ui(mdi).Toolbar1->widgetForAction(b.action()), Qt::LeftButton);
        }
    };
    clickEvery();
    EXPECT_EQ(own, (QList<C>{C::New, C::Open, C::Upload}));

    own.clear();
    auto* child = new ChildForm;
    mdi.showChild(child);
    clickEvery();
    EXPECT_EQ(child->ran, (QList<C>{C::New, C::Open, C::Save, C::Upload, C::Download, C::Monitor, C::KeyProtect,
                                    C::PowerSaving}));
    EXPECT_TRUE(own.isEmpty());
    // The child's menus stand in for the main window's, shortcuts included.
    EXPECT_FALSE(mdi.menuBar()->isVisible());
    testsupport::ScriptedFileDialogs dialogs;
    mdi.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
    QTest::keyClick(&mdi, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.shown().empty());

    // The H5/H7 editor keys its protection from the toolbar.
    delete child->parentWidget();
    EXPECT_TRUE(mdi.menuBar()->isVisible());
    nMacType = kMacTypeH5;
    frmModeSetting_H7::instance().Show();
    const quint8 before = bKeyProtect;
    mdi.Toolbar1_ButtonClick("KP");
    EXPECT_NE(bKeyProtect, before);
    EXPECT_TRUE(ui(mdi).Toolbar1->Buttons(11).Value());
}

TEST_F(MainWindow, ExitAsksOnceThenTheChangedEditorAsksAlsoFromTheLiveView)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    testsupport::ScriptedMessages boxes;
    nMacType = kMacTypeH9;
    frmModeSetting_H9::instance().Show();

    // Yes, then the changed editor's own question cancels: both stay.
    mdi.bChange = true;
    boxes.answer(MsgResult::Yes).answer(MsgResult::Cancel);
    mdi.mExit_Click();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].title, "") << "the exit question has no title";
    EXPECT_EQ(boxes.shown()[1].text, platform::LoadResString(251));
    EXPECT_TRUE(mdi.isVisible() && frmModeSetting_H9::isLoaded());

    // The close box while the live view is active: the hidden editor asks too; No.
    mdi.mMonitoring_Click();
    ASSERT_EQ(mdi.ActiveForm(), frmMonitoring::loaded());
    boxes.answer(MsgResult::Yes).answer(MsgResult::No);
    mdi.close();
    ASSERT_EQ(boxes.count(), 4);
    EXPECT_EQ(boxes.shown()[3].text, platform::LoadResString(251));
    EXPECT_TRUE(mdi.bMonitorUnload);
    EXPECT_FALSE(mdi.isVisible());
    testsupport::dropDeferredDeletes();
    EXPECT_FALSE(frmModeSetting_H9::isLoaded() || frmMonitoring::isLoaded());

    // Exit starts afresh, not from the live view; unchanged, nothing more is asked.
    testsupport::closeWindows();
    frmMDI& again = frmMDI::instance();
    again.show();
    again.bMonitorUnload = true;
    frmModeSetting_H9::instance().Show();
    boxes.answer(MsgResult::Yes);
    again.mExit_Click();
    EXPECT_FALSE(again.bMonitorUnload);
    EXPECT_EQ(boxes.count(), 5);
    EXPECT_FALSE(again.isVisible());
}

TEST_F(MainWindow, HelpOpensTheLanguagesFileBesideAndExitClosesIt)
{
    QTemporaryDir data;
    QTemporaryDir cache;
    platform::setAppDataDir(data.path());
    setHelpCollectionDir(cache.path());
    platform::setLanguage(platform::Language::SimplifiedChinese);
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    mdi.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));

    QTest::keyClick(&mdi, Qt::Key_F1);
    ASSERT_EQ(openHelpWindows().size(), 1);
    HelpWindow* help = openHelpWindows()[0];
    EXPECT_EQ(help->helpFile(), data.path() + "/Help_C.qch");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "nothing waits for the help window";
    // This data folder has no help files: the window says so, with the file's path.
    EXPECT_TRUE(help->browser()->toPlainText().contains(data.path() + "/Help_C.qch"));

    testsupport::ScriptedMessages boxes;
    boxes.answer(MsgResult::Yes);
    mdi.mExit_Click();
    testsupport::dropDeferredDeletes();
    EXPECT_TRUE(openHelpWindows().isEmpty());
}
