#include "h9_fixture.h"

#include "settings_file/file_flags.h"
#include "support/deferred_delete.h"
#include "support/form_access.h"

#include <QTest>

namespace {

std::vector<int> lefts(const DigitLabelArray& row)
{
    std::vector<int> v;
    for (int i = 0; i <= 6; ++i)
        v.push_back(row(i).Left());
    return v;
}

} // namespace

TEST_F(H9Editor, LoadResetsEveryPanelWhateverTheLastSetHeld)
{
    // Leftovers of an earlier set, which the load must not keep.
    timerCounterParamsH9.nTimeRangeA_H9 = 3;
    timerCounterParamsH9.nOutputModeB_H9 = 12;
    timerCounterParamsH9.nDotAdjB_F_H9 = 2;
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 13;
    timerCounterParamsH9.nMaxFreqB_Dual_F_H9 = 3;
    timerCounterParamsH9.nInputMethod_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 2;
    timerCounterParamsH9.nFuncB_H9 = 1;
    bKeyProtect = 1;
    timerCounterParamsH9.bPowerSaving_H9 = 1;
    bHasFileName = true;

    frmModeSetting_H9& f = editor();
    const TimerCounterParamsH9& h9 = timerCounterParamsH9;
    for (quint8 b : {h9.nTimeRangeA_H9, h9.nCountDirectionA_H9, h9.nOutputModeA_H9, h9.nCountInputModeB_H9,
                     h9.nDotAdjB_H9, h9.nMaxFreqB_H9, h9.nOutputModeB_H9, h9.nSampleAvgB_F_H9,
                     h9.nDotAdjB_F_H9, h9.nMaxFreqB_F_H9, h9.nOutputModeB_F_H9, h9.nOutputMode_T_Dual_0_H9,
                     h9.nOutputMode_T_Dual_1_H9, h9.nOutputMode_C_Dual_0_H9, h9.nCountInputMode_C_Dual_1_H9,
                     h9.nMaxFreq_C_Dual_1_H9, h9.nOutputMode_C_Dual_1_H9, h9.nOutputModeA_Dual_F_H9,
                     h9.nSampleAvgB_Dual_F_H9, h9.nMaxFreqB_Dual_F_H9, h9.nOutputModeB_Dual_F_H9,
                     h9.nSGWidth_H9, h9.nInputMethod_H9, h9.nDualFunc_H9, h9.nFuncB_H9, bKeyProtect,
                     h9.bPowerSaving_H9})
        EXPECT_EQ(b, 0);
    EXPECT_FALSE(changed()) << "a fresh editor reports no unsaved change";
    EXPECT_FALSE(bHasFileName);
    EXPECT_EQ(core::shell().nLoadForm, 1);
    EXPECT_EQ(f.windowTitle(), "Unknown01.kvf");

    // Every combo shows item 0.
    for (QComboBox* c : f.findChildren<QComboBox*>())
        EXPECT_EQ(c->currentIndex(), 0) << c->objectName().toStdString();

    // Timer A: 9999.99 twice, the output time greyed except its ".".
    EXPECT_EQ(ui(f).lblTimerSettingA->digits(), "999999");
    EXPECT_EQ(sep(*ui(f).lblTimerSettingA), ".");
    EXPECT_TRUE(digitsEnabled(*ui(f).lblTimerSettingA));
    EXPECT_EQ(ui(f).lblHoldTimeA->digits(), "999999");
    EXPECT_TRUE(digitsDisabled(*ui(f).lblHoldTimeA));
    EXPECT_FALSE(disabled((*ui(f).lblHoldTimeA)(6)));
    // Counter B: 999999 behind a greyed "0", prescale 001.000 with a fixed first digit.
    EXPECT_EQ(ui(f).lblCounterSettingB->digits(), "999999");
    EXPECT_EQ(sep(*ui(f).lblCounterSettingB), "0");
    EXPECT_TRUE(disabled((*ui(f).lblCounterSettingB)(6)));
    EXPECT_FALSE((*ui(f).lblCounterSettingB)(6).FontBold());
    EXPECT_EQ(ui(f).lblMagnificationB->digits(), "001000");
    EXPECT_EQ(sep(*ui(f).lblMagnificationB), ".");
    EXPECT_TRUE(disabled((*ui(f).lblMagnificationB)(0)));
    EXPECT_FALSE(disabled((*ui(f).lblMagnificationB)(1)));
    EXPECT_TRUE(digitsDisabled(*ui(f).lblHoldCounterB));
    // Tachometer B: startup time 0000.00, all enabled.
    EXPECT_EQ(ui(f).lblHoldCounterB_F->digits(), "000000");
    EXPECT_TRUE(digitsEnabled(*ui(f).lblHoldCounterB_F));
    EXPECT_EQ(ui(f).lblMagnificationB_F->digits(), "001000");
    EXPECT_TRUE(disabled((*ui(f).lblMagnificationB_F)(0)));
    // Dual panels.
    for (DigitLabelArray* r : {ui(f).lblTimerSetting_T_Dual_0, ui(f).lblTimerSetting_T_Dual_1, ui(f).lblCounterSetting_C_Dual_0,
                               ui(f).lblCounterSetting_C_Dual_1, ui(f).lblCounterSettingA_Dual_F,
                               ui(f).lblCounterSettingB_Dual_F}) {
        EXPECT_EQ(r->digits(), "999999") << r->objectName().toStdString();
        EXPECT_EQ(sep(*r), "0");
        EXPECT_TRUE(disabled((*r)(6)));
    }
    for (DigitLabelArray* r : {ui(f).lblHoldTime_T_Dual_0, ui(f).lblHoldTime_T_Dual_1, ui(f).lblHoldCounter_C_Dual_0}) {
        EXPECT_EQ(r->digits(), "999999");
        EXPECT_TRUE(digitsDisabled(*r)) << r->objectName().toStdString();
        EXPECT_FALSE(disabled((*r)(6)));
    }
    EXPECT_EQ(ui(f).lblHoldCounterB_Dual_F->digits(), "000000");
    EXPECT_TRUE(digitsEnabled(*ui(f).lblHoldCounterB_Dual_F));

    // Every row edge to edge from Left 0, in display order.
    EXPECT_EQ(lefts(*ui(f).lblTimerSettingA), (std::vector<int>{0, 285, 570, 855, 1425, 1710, 1140}));
    EXPECT_EQ(lefts(*ui(f).lblCounterSettingB), (std::vector<int>{285, 570, 855, 1140, 1425, 1710, 0}));
    EXPECT_EQ(lefts(*ui(f).lblMagnificationB_F), (std::vector<int>{0, 285, 570, 1140, 1425, 1710, 855}));
    EXPECT_EQ(lefts(*ui(f).lblHoldCounterB_Dual_F), (std::vector<int>{0, 285, 570, 855, 1425, 1710, 1140}));

    // Power saving and key protection off, with menu, note and buttons to match.
    core::Shell& tb = core::shell();
    for (int i : {4, 7, 9, 10, 11, 12})
        EXPECT_TRUE(tb.Buttons(i).Visible()) << i;
    EXPECT_FALSE(tb.Buttons(11).Value());
    EXPECT_FALSE(tb.Buttons(12).Value());
    EXPECT_EQ(tb.Buttons(12).Image(), "PS_OFF");
    EXPECT_FALSE(ui(f).mPowerSaving->isChecked());
    EXPECT_TRUE(ui(f).lblPSCaution->isHidden());
    // No function mode is chosen by the load itself.
    for (QWidget* p : {ui(f).picST_A, ui(f).picSC_B, ui(f).picSF_B, ui(f).picDC_A, ui(f).picDC_B, ui(f).picDT_A, ui(f).picDT_B, ui(f).picDF_A,
                       ui(f).picDF_B})
        EXPECT_TRUE(p->isHidden());
}

TEST_F(H9Editor, TextsAndListsComeFromTheStringTableOnce)
{
    frmModeSetting_H9& f = editor();
    EXPECT_EQ(ui(f).cboOutputModeA->count(), 8);
    EXPECT_EQ(ui(f).cboOutputModeA->itemText(5), platform::LoadResString(168));
    EXPECT_EQ(ui(f).cboCountInputModeB->count(), 8);
    EXPECT_EQ(ui(f).cboCountInputModeB->itemText(0), platform::LoadResString(177));
    ASSERT_EQ(ui(f).cboCountInputMode_C_Dual_0->count(), 1);
    EXPECT_EQ(ui(f).cboCountInputMode_C_Dual_0->itemText(0), platform::LoadResString(178));
    EXPECT_EQ(ui(f).cboOutputModeB_F->count(), 2);
    EXPECT_EQ(ui(f).cboOutputMode_T_Dual_1->itemText(1), platform::LoadResString(301));
    EXPECT_EQ(ui(f).cboSampleAvgB_F->itemText(1), "2 ");
    EXPECT_EQ(ui(f).cboCountModeA->itemText(1), "1 ~ 999999  Sec");
    EXPECT_EQ(ui(f).lblPSCaution->text(), platform::LoadResString(299));
    EXPECT_EQ(ui(f).mFuncModeSelect_6->text(), platform::LoadResString(145));
    EXPECT_EQ(f.findChild<QLabel*>("lblOutputMode_DF_B")->text(), platform::LoadResString(158));

    // A second load in the same run fills each list once.
    frmModeSetting_H9::unload();
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(ui(editor()).cboOutputModeA->count(), 8);
    EXPECT_EQ(ui(editor()).cboOutputModeB->count(), 14);
}

TEST_F(H9Editor, SetListIndexRefusesPositionsOutsideTheList)
{
    frmModeSetting_H9& f = editor();
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeB, 3));
    changed() = false;
    for (int bad : {-1, 14, 255}) {
        EXPECT_FALSE(SetListIndex(ui(f).cboOutputModeB, bad)) << bad;
        EXPECT_EQ(ui(f).cboOutputModeB->currentIndex(), 3);
        EXPECT_EQ(timerCounterParamsH9.nOutputModeB_H9, 3);
    }
    EXPECT_FALSE(SetListIndex(nullptr, 0));
    EXPECT_FALSE(changed());

    // A list left without a selection never stores -1 (255) when its handler runs.
    FillComboList(ui(f).cboOutputModeB, {"a", "b"});
    EXPECT_EQ(ui(f).cboOutputModeB->currentIndex(), -1);
    f.cboOutputModeB_Click();
    EXPECT_EQ(timerCounterParamsH9.nOutputModeB_H9, 3);
    EXPECT_FALSE(changed());
}

TEST_F(H9Editor, LayoutDigitLabelsMovesOnlyTheSeparator)
{
    DigitLabelArray& row = *ui(editor()).lblCounterSettingB;
    row.setDigits("001234");
    LayoutDigitLabels(2, row);
    EXPECT_EQ(lefts(row), (std::vector<int>{0, 285, 570, 855, 1425, 1710, 1140}));
    EXPECT_EQ(sep(row), ".");
    EXPECT_TRUE(row(6).FontBold());
    EXPECT_FALSE(disabled(row(6)));

    LayoutDigitLabels(0, row);
    EXPECT_EQ(lefts(row), (std::vector<int>{285, 570, 855, 1140, 1425, 1710, 0}));
    EXPECT_EQ(sep(row), "0");
    EXPECT_FALSE(row(6).FontBold());
    EXPECT_TRUE(disabled(row(6)));
    EXPECT_EQ(row.digits(), "001234");

    LayoutDigitLabels(1, row);
    EXPECT_EQ(lefts(row), (std::vector<int>{0, 285, 570, 855, 1140, 1710, 1425}));
    LayoutDigitLabels(3, row);
    const auto three = lefts(row);
    EXPECT_EQ(three, (std::vector<int>{0, 285, 570, 1140, 1425, 1710, 855}));

    // Out of range: nothing moves or changes; the same layout again marks no change.
    changed() = false;
    LayoutDigitLabels(4, row);
    LayoutDigitLabels(255, row);
    LayoutDigitLabels(3, row);
    EXPECT_EQ(lefts(row), three);
    EXPECT_EQ(sep(row), ".");
    EXPECT_FALSE(changed());
    LayoutDigitLabels(0, row);
    EXPECT_TRUE(changed()) << "switching the separator is an edit of the row";
}

TEST_F(H9Editor, DigitClicksWrapEachDigitOnItsOwn)
{
    frmModeSetting_H9& f = editor();
    DigitLabelArray& row = *ui(f).lblTimerSettingA;
    row.setDigits("090000");
    changed() = false;

    QTest::mouseClick(&row(1), Qt::LeftButton);
    EXPECT_EQ(row.digits(), "000000") << "9 wraps to 0 without a carry";
    EXPECT_TRUE(changed());
    QTest::mouseClick(&row(2), Qt::RightButton);
    EXPECT_EQ(row.digits(), "009000") << "0 wraps to 9 without a borrow";
    QTest::mouseClick(&row(2), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(row.digits(), "000000");
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(&row(5), Qt::LeftButton);
    EXPECT_EQ(row.digits(), "000000");
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(&row(5), Qt::RightButton);
    EXPECT_EQ(row.digits(), "000000");

    // The separator, a middle click and a greyed digit take nothing.
    changed() = false;
    QTest::mouseClick(&row(6), Qt::LeftButton);
    QTest::mouseClick(&row(3), Qt::MiddleButton);
    QTest::mouseClick(&(*ui(f).lblHoldTimeA)(0), Qt::LeftButton);
    QTest::mouseClick(&(*ui(f).lblMagnificationB)(0), Qt::LeftButton);
    EXPECT_EQ(sep(row), ".");
    EXPECT_EQ(row.digits(), "000000");
    EXPECT_EQ(ui(f).lblHoldTimeA->digits(), "999999");
    EXPECT_EQ(ui(f).lblMagnificationB->digits(), "001000");
    EXPECT_FALSE(changed());

    // A caption that is no digit (damaged data) turns into one.
    row(4).setCaption("X");
    QTest::mouseClick(&row(4), Qt::RightButton);
    EXPECT_EQ(row(4).Caption(), "9");
    row(4).setCaption("-1");
    QTest::mouseClick(&row(4), Qt::LeftButton);
    EXPECT_EQ(row(4).Caption(), "1");
}
