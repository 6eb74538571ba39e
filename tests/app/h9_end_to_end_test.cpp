// Every H9 function mode end to end in the main window against the simulated
// instrument, as a user goes: a fresh set, the mode from the menu, digits changed by
// mouse and keyboard, Save As, Open again from the main window, Download, Compare.
#include "transfer/sim_jobs_fixture.h"

#include "core/h9_params.h"
#include "core/h9_registers.h"
#include "settings_file/file_flags.h"
#include "settings_file/h9_image.h"
#include "support/editor_state.h"
#include "support/main_window.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"

#include <QApplication>
#include <QTest>

using namespace simtest;

namespace {

class H9EndToEnd : public testsupport::InMainWindow<SimTransferTest>,
                   public ::testing::WithParamInterface<int>,
                   protected testhelp::TempUserFolder {
protected:
    void SetUp() override { InMainWindow::SetUp(), enterUserFolder(); }
    void TearDown() override { InMainWindow::TearDown(), leaveUserFolder(); }

    frmModeSetting_H9& ed() { return frmModeSetting_H9::instance(); }
    QAction* modeItem(int mode)
    {
        return ed().findChild<QAction*>(QStringLiteral("mFuncModeSelect_%1").arg(mode));
    }
    // Keys go to the main window, active, as the user's keyboard does.
    static void key(QWidget* at, int k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QApplication::setActiveWindow(&frmMDI::instance());
        QTest::keyClick(at, static_cast<Qt::Key>(k), m);
    }

    // Each row of the shown panels that takes clicks: digit 5 one up with the mouse,
    // digit 4 one down from the keyboard.
    void editShownRows()
    {
        for (DigitLabelArray* row : ed().findChildren<DigitLabelArray*>()) {
            if (!row->isVisibleTo(&ed()) || row->label(5)->testAttribute(Qt::WA_Disabled))
                continue;
            QTest::mouseClick(row->label(5), Qt::LeftButton);
            row->label(4)->setFocus();
            key(row->label(4), Qt::Key_Down);
        }
        // The second stage of the 2-stage timer must end after the first.
        if (timerCounterParamsH9.nFuncType_H9 == 1 && timerCounterParamsH9.nDualFunc_H9 == 0)
            QTest::mouseClick(ui(ed()).lblTimerSetting_T_Dual_0->label(0), Qt::RightButton);
    }

    testsupport::ScriptedFileDialogs dialogs;
};

} // namespace

TEST_P(H9EndToEnd, NewEditSaveOpenDownloadCompare)
{
    const int mode = GetParam();
    start(sim::Type::H9);
    nMacType = kMacTypeH9;
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    // The editor as New leaves it.
    ed().Show();
    ed().mFuncModeSelect_0_Click();
    mdi.bChange = false;
    modeItem(mode)->trigger();
    editShownRows();
    ASSERT_TRUE(mdi.bChange);
    ASSERT_EQ(BuildFileImage_H9(), 0) << boxTexts().join("|").toStdString();
    const SettingFileImage edited = byFileBuf;

    // Save As from its key, then close: nothing is left to ask about.
    const QString file = path(QStringLiteral("mode%1.kvf").arg(mode));
    dialogs.accept(file);
    key(ui(ed()).cboSGWidth_All, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(testhelp::readRaw(file), edited);
    EXPECT_FALSE(mdi.bChange);
    EXPECT_EQ(ed().windowTitle(), QStringLiteral("mode%1.kvf").arg(mode));
    ui(ed()).mClose->trigger();
    dropDeferredDeletes();
    ASSERT_FALSE(frmModeSetting_H9::isLoaded());

    // Open from the main window's menu: the same set comes back.
    dialogs.accept(file);
    ui(mdi).mOpen->trigger();
    ASSERT_TRUE(frmModeSetting_H9::isLoaded());
    EXPECT_TRUE(modeItem(mode)->isChecked());
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, edited), "");

    // Download from its key, Compare from the menu: the instrument holds the set.
    boxes.clear();
    instrument->clearRequests();
    key(ui(ed()).cboSGWidth_All, Qt::Key_F9);
    dropDeferredDeletes();
    EXPECT_EQ(panel4(), res(264)) << boxTexts().join("|").toStdString();
    ui(ed()).mCompare->trigger();
    dropDeferredDeletes();
    EXPECT_EQ(boxTexts().last(), res(288));
    if (mode == 0) {
        // Timer A's set value 9999.99 became 9999.80: its last two digits are one register.
        const std::vector<Req> w = writes();
        EXPECT_NE(std::find(w.begin(), w.end(), wr(kTimerSlotsA_H9[0].setValue, 0x80)), w.end());
    }

    // Open once more from the editor's own File menu: this window closes and the next one
    // loads the file while the closed window's command is still on the stack.
    mdi.bChange = false;
    dialogs.accept(file);
    ui(ed()).mOpenSetting->trigger();
    dropDeferredDeletes();
    ASSERT_TRUE(frmModeSetting_H9::isLoaded());
    EXPECT_TRUE(modeItem(mode)->isChecked());
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, edited), "");
}

INSTANTIATE_TEST_SUITE_P(EveryFunctionMode, H9EndToEnd, ::testing::Range(0, 7));
