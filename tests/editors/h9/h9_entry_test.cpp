// Reaching and changing every value from the keyboard, texts that fit their boxes in
// every language, the diagram names, and the editor inside the main window.
#include "h9_fixture.h"

#include "editors/h9/h9_diagram_names.h"
#include "support/deferred_delete.h"
#include "support/form_access.h"
#include "support/scripted_ui.h"
#include "support/text_fit.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

namespace {

QAction* modeItem(frmModeSetting_H9& f, int mode)
{
    return f.findChild<QAction*>(QStringLiteral("mFuncModeSelect_%1").arg(mode));
}

// The digits the user can change in the shown panels, in the order of the panels.
QStringList editableDigits(frmModeSetting_H9& f)
{
    QStringList out;
    for (DigitLabelArray* row : f.findChildren<DigitLabelArray*>())
        for (int i = 0; i < 6; ++i)
            if (row->label(i)->isVisibleTo(&f) && row->label(i)->isEnabled())
                out << row->label(i)->objectName();
    return out;
}

} // namespace

TEST_F(H9Editor, TabReachesEveryDigitOfTheModeAndTheKeysChangeIt)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    frmModeSetting_H9& f = editor();
    f.Show();
    for (int mode = 0; mode < 7; ++mode) {
        SCOPED_TRACE(mode);
        modeItem(f, mode)->trigger();
        QApplication::setActiveWindow(&mdi);
        QWidget* first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr);
        QStringList reached;
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == first)
                break;
            ASSERT_TRUE(now->isVisible()) << now->objectName().toStdString();
            if (qobject_cast<DigitLabel*>(now))
                reached << now->objectName();
        }
        EXPECT_GE(reached.size(), 12);
        EXPECT_EQ(reached, editableDigits(f));
    }

    // Typed digits go through the row's wheel and move on; Up and Down step by one.
    modeItem(f, 0)->trigger();
    DigitLabelArray& row = *ui(f).lblCounterSettingB;
    row.label(0)->setFocus();
    changed() = false;
    for (const char* digit : {"1", "2", "0", "0", "3", "4"})
        QTest::keyClicks(QApplication::focusWidget(), digit);
    EXPECT_EQ(row.digits(), "120034");
    EXPECT_TRUE(changed());
    QTest::keyClick(row.label(5), Qt::Key_Up);
    QTest::keyClick(row.label(1), Qt::Key_Down);
    EXPECT_EQ(row.digits(), "110035");
    // The prescale's fixed digit takes no focus and no key.
    ui(f).lblMagnificationB->label(1)->setFocus();
    QTest::keyClick(ui(f).lblMagnificationB->label(1), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), ui(f).lblMagnificationB->label(1));
}

TEST_F(H9Editor, EveryCaptionAndListItemFitsItsBoxInEnglishAndChinese)
{
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese,
                                    platform::Language::SimplifiedChinese}) {
        SCOPED_TRACE(static_cast<int>(lang));
        platform::setLanguage(lang);
        testsupport::closeChildWindows();
        frmModeSetting_H9& f = editor();
        f.mPowerSaving_Click(); // the note shows
        // Every mode, so counter 1's lists of each dual-counter kind are measured.
        for (int mode = 0; mode < 7; ++mode) {
            modeItem(f, mode)->trigger();
            EXPECT_EQ(testsupport::clippedTexts(&f).join("\n").toStdString(), "") << mode;
        }
    }
}

TEST(H9DiagramNames, FilesUnderTheDataFolderNamedFromTheOptionBytes)
{
    EXPECT_EQ(H9DiagramPathST(3), "Picture/733/Output_ST/image_Ind_Timer_Out_3_0.jpg");
    // Input mode 5 is in group 3; output 10 in hexadecimal.
    EXPECT_EQ(H9DiagramPathSC(5, 10), "Picture/733/Output_SC/image_Ind_Counter_Out_3_a_0.jpg");
    EXPECT_EQ(H9DiagramPathSC(6, 11), "Picture/733/Output_SC/image_Ind_Counter_Out_1_b_0.jpg");
    EXPECT_EQ(H9DiagramPathSC(7, 13), "Picture/733/Output_SC/image_Ind_Counter_Out_4_d_0.jpg");
    EXPECT_EQ(H9DiagramPathSF(1), "Picture/733/Output_SF/image_Ind_Freq_Out_1_0.jpg");
    // The dual counter names counter 1's input mode itself, not its group.
    EXPECT_EQ(H9DiagramPathDC(1, 1, 6, 4), "Picture/733/Output_DC/image_Dual_Counter_Out_1_1_6_4_0.jpg");
    EXPECT_EQ(H9DiagramPathDualCounter0(1), "Picture/733/Output_SC/image_Ind_Counter_Out_1_4_0.jpg");
    EXPECT_EQ(H9DiagramPathDualCounter0(0), "Picture/733/Output_SC/image_Ind_Counter_Out_1_0_0.jpg");
    EXPECT_EQ(H9DiagramPathDT(1, 0), "Picture/733/Output_DT/image_Dual_Timer_Out_1_0_0.jpg");
    EXPECT_EQ(H9DiagramPathDF(0, 1), "Picture/733/Output_DF/image_Dual_Freq_Out_0_1_0.jpg");
    const int groups[8] = {0, 1, 0, 3, 4, 3, 1, 4};
    for (int mode = 0; mode < 8; ++mode)
        EXPECT_EQ(H9CounterInputGroup(static_cast<quint8>(mode)), groups[mode]) << mode;
}

TEST_F(H9Editor, TheMainWindowsOpenGoesThroughTheOpenEditorAndItsMenusTakeThePlace)
{
    frmMDI& mdi = frmMDI::instance();
    frmModeSetting_H9& f = editor();
    f.Show();
    f.mFuncModeSelect_0_Click();
    EXPECT_TRUE(mdi.menuBar()->isHidden());
    QTest::mouseClick(ui(f).lblTimerSettingA->label(3), Qt::RightButton);
    ASSERT_TRUE(changed());

    // Cancel: the editor stays and no file dialog opens, from the menu or the toolbar.
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    boxes.answer(platform::MsgResult::Cancel).answer(platform::MsgResult::Cancel);
    mdi.mOpen->trigger();
    mdi.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(frmModeSetting_H9::isLoaded());

    // No: the editor closes first, then the main window's Open asks for the file.
    boxes.answer(platform::MsgResult::No);
    dialogs.cancel();
    mdi.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    testsupport::dropDeferredDeletes();
    EXPECT_FALSE(mdi.menuBar()->isHidden());

    // Exit asks about a changed set too (an uploaded one is changed), and Cancel keeps
    // the program and the set.
    frmModeSetting_H9& again = editor();
    again.Show();
    again.mFuncModeSelect_0_Click();
    changed() = true;
    mdi.show();
    boxes.answer(platform::MsgResult::Yes).answer(platform::MsgResult::Cancel);
    mdi.mExit_Click();
    EXPECT_EQ(boxes.last().text, platform::LoadResString(251));
    EXPECT_TRUE(frmModeSetting_H9::isLoaded());
    EXPECT_TRUE(mdi.isVisible());
}
