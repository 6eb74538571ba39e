// The editors in the main window: the toolbar reaches their toggles, an editor's
// window takes its subwindow along, its menus stand in for the main window's, and the
// main window's Open and Exit go through it.
#include "editors/h5h7/h5h7_fixture.h"
#include "editors/h9/h9_fixture.h"

#include "monitor/frmMonitoring.h"
#include "support/deferred_delete.h"
#include "support/main_window.h"
#include "support/scripted_ui.h"

#include <QMenuBar>

namespace {

using H5H7EditorTest = testsupport::InMainWindow<::H5H7EditorTest>;
using H9Editor = testsupport::InMainWindow<::H9Editor>;

TEST_F(H5H7EditorTest, KeyProtectionToggles)
{
    frmModeSetting_H7& f = open(kMacTypeH5);
    ToolbarButton& kp = ui(frmMDI::instance()).Toolbar1->Buttons(11);
    changed() = false;
    f.mKP_Click();
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(ui(f).mKP->isChecked());
    EXPECT_EQ(kp.Image(), "KP_ON");
    EXPECT_TRUE(kp.Value());
    f.mKP_Click();
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_FALSE(ui(f).mKP->isChecked());
    EXPECT_EQ(kp.Image(), "KP_OFF");
    EXPECT_FALSE(kp.Value());
    EXPECT_FALSE(changed());
    // Any non-zero value counts as on.
    bKeyProtect = 7;
    f.mKP_Click();
    EXPECT_EQ(bKeyProtect, 0);
    // The toolbar button reaches the handler by name.
    f.Show();
    frmMDI::instance().Toolbar1_ButtonClick("KP");
    EXPECT_EQ(bKeyProtect, 1);
}

TEST_F(H5H7EditorTest, ClosingTakesTheSubwindowAlong)
{
    frmMDI& mdi = frmMDI::instance();
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.Show();
    ASSERT_EQ(ui(mdi).mdiArea->subWindowList().size(), 1);
    EXPECT_TRUE(f.close());
    testsupport::dropDeferredDeletes();
    EXPECT_FALSE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(ui(mdi).mdiArea->subWindowList().size(), 0);

    frmModeSetting_H7& again = open(kMacTypeH7);
    again.Show();
    again.Unload();
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(ui(mdi).mdiArea->subWindowList().size(), 0);
}

TEST_F(H9Editor, ToggleHandlersKeepMenuButtonAndNoteInStep)
{
    TimerCounterParamsH9& p = timerCounterParamsH9;
    frmModeSetting_H9& f = editor();
    ToolbarControl& tb = *ui(frmMDI::instance()).Toolbar1;
    changed() = false;

    f.mKP_Click();
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(ui(f).mKP->isChecked());
    EXPECT_TRUE(tb.Buttons(11).Value());
    EXPECT_EQ(tb.Buttons(11).Image(), "KP_ON");
    f.mKP_Click();
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_FALSE(tb.Buttons(11).Value());
    EXPECT_EQ(tb.Buttons(11).Image(), "KP_OFF");
    EXPECT_FALSE(changed()) << "key protection is no edit of the set";

    // A loader's way of putting a stored "on" into a fresh editor.
    p.bPowerSaving_H9 = 0;
    f.mPowerSaving_Click();
    EXPECT_EQ(p.bPowerSaving_H9, 1);
    EXPECT_TRUE(ui(f).mPowerSaving->isChecked());
    EXPECT_FALSE(ui(f).lblPSCaution->isHidden());
    EXPECT_TRUE(tb.Buttons(12).Value());
    EXPECT_EQ(tb.Buttons(12).Image(), "PS_ON");
    EXPECT_TRUE(changed());
    f.mPowerSaving_Click();
    EXPECT_EQ(p.bPowerSaving_H9, 0);
    EXPECT_TRUE(ui(f).lblPSCaution->isHidden());
    EXPECT_EQ(tb.Buttons(12).Image(), "PS_OFF");

    // The toolbar reaches the toggles of the active editor.
    f.Show();
    frmMDI::instance().Toolbar1_ButtonClick("KP");
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_EQ(frmMDI::instance().PanelText(1), "QD - Max733C  /  614C  /  852C");
}

TEST_F(H9Editor, InTheMainWindowItsMenusStandInAndTheMainOpenGoesThroughIt)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    const auto fresh = [&] {
        editor().Show();
        editor().mFuncModeSelect_0_Click();
        changed() = true;
    };
    fresh();
    EXPECT_TRUE(mdi.menuBar()->isHidden());
    // Cancel: the editor stays and no file dialog opens, from the menu or the toolbar.
    boxes.answer(platform::MsgResult::Cancel).answer(platform::MsgResult::Cancel);
    ui(mdi).mOpen->trigger();
    mdi.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(frmModeSetting_H9::isLoaded());
    // No: the editor closes first, then the main window's Open asks for the file.
    boxes.answer(platform::MsgResult::No);
    dialogs.cancel();
    mdi.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    testsupport::dropDeferredDeletes();
    EXPECT_FALSE(mdi.menuBar()->isHidden());

    // Monitor and back: the editor's menus again, not the main window's.
    fresh();
    ui(editor()).mMonitoring->trigger();
    ASSERT_TRUE(frmMonitoring::isLoaded());
    EXPECT_FALSE(editor().isVisible());
    QTest::mouseClick(ui(frmMonitoring::instance()).ImageReturn, Qt::LeftButton);
    testsupport::dropDeferredDeletes();
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(mdi.menuBar()->isHidden());

    // Exit asks about a changed set too (an uploaded one is changed); Cancel keeps both.
    boxes.answer(platform::MsgResult::Yes).answer(platform::MsgResult::Cancel);
    mdi.mExit_Click();
    EXPECT_EQ(boxes.last().text, platform::LoadResString(251));
    EXPECT_TRUE(frmModeSetting_H9::isLoaded());
    EXPECT_TRUE(mdi.isVisible());
}

} // namespace
