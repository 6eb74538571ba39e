// Option handlers, time-range layouts, diagrams and digit-row clicks of the H5/H7 editor.
#include "h5h7_fixture.h"
#include "support/form_access.h"

#include <QDir>
#include <QImage>
#include <QTest>

using Order = std::vector<int>;

namespace {

void writePicture(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(path, "JPG"));
}

} // namespace

TEST_F(H5H7EditorTest, InputModeGrowsAndShrinksTheOutputList)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_3_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 5));
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_1st_H7, 2));
    EXPECT_EQ(items(ui(f).cboOutputMode_1st_H7).mid(8), (QStringList{"8 : K-2", "9 : D", "10 : L", "11 : H"}));
    EXPECT_EQ(ui(f).cboOutputMode_1st_H7->currentIndex(), 5);
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_1st_H7, 3));
    EXPECT_EQ(ui(f).cboOutputMode_1st_H7->count(), 12);

    // Leaving up/down with "10 : L" chosen forces "7 : A" first.
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 10));
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_1st_H7, 1));
    EXPECT_EQ(ui(f).cboOutputMode_1st_H7->count(), 8);
    EXPECT_EQ(ui(f).cboOutputMode_1st_H7->currentIndex(), 7);
    EXPECT_EQ(counterParamsH7.nOutputMode_1st_H7, 7);
    EXPECT_EQ(counterParamsH7.nCountInputMode_1st_H7, 1);

    // The 2-stage counter the same way.
    f.mFuncModeSelect_4_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_2nd_H7, 4));
    EXPECT_EQ(ui(f).cboOutputMode_2nd_H7->count(), 12);
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_2nd_H7, 9));
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_2nd_H7, 0));
    EXPECT_EQ(ui(f).cboOutputMode_2nd_H7->count(), 8);
    EXPECT_EQ(counterParamsH7.nOutputMode_2nd_H7, 7);
    EXPECT_EQ(ui(f).Image_Output_A->requestedFile(), diagram(H7DiagramPath(4, 0, 7)));
}

TEST_F(H5H7EditorTest, DualCounterSubStoresTheListIndexPlusEight)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_7_Click();
    changed() = false;
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_batch_H7, 1));
    EXPECT_EQ(items(ui(f).cboOutputMode_batch_H7), (QStringList{"0 : K-2", "1 : D", "2 : L", "3 : H"}));
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->currentIndex(), 0);
    EXPECT_EQ(counterParamsH7.nOutputMode_batch_H7, 8);
    EXPECT_TRUE(changed());
    DigitLabelArray& time = *ui(f).lblHoldCounter_batch_H7;
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(disabled(&time(i)));
    EXPECT_EQ(time.digits(), "000500");

    // SUB keeps the sign for every output; items 1 to 3 grey the output time.
    (*ui(f).lblCounterSetting_batch_1_H7)(0).setCaption("-");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_batch_H7, 2));
    EXPECT_EQ(counterParamsH7.nOutputMode_batch_H7, 10);
    EXPECT_EQ((*ui(f).lblCounterSetting_batch_1_H7)(0).text(), "-");
    EXPECT_TRUE(disabled(&time(0)));
    EXPECT_EQ(time.digits(), "000000");
    click(f, ui(f).lblCounterSetting_batch_1_H7, 0);
    EXPECT_EQ((*ui(f).lblCounterSetting_batch_1_H7)(0).text(), "0");

    // Choosing SUB again changes nothing.
    changed() = false;
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_batch_H7, 1));
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->currentIndex(), 2);
    EXPECT_FALSE(changed());

    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_batch_H7, 0));
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->count(), 12);
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->itemText(11), "11 : H ");
    EXPECT_EQ(counterParamsH7.nOutputMode_batch_H7, 0);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(disabled(&time(i)));
}

TEST_F(H5H7EditorTest, CounterOutputModesSetTheOutputTimeAndSign)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_5_Click();
    DigitLabelArray& time = *ui(f).lblHoldCounter_1st_H7;
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 2));
    EXPECT_EQ(time.digits(), "000500");
    EXPECT_FALSE(disabled(ui(f).lblOutputTime_H7_1st));
    EXPECT_EQ(ui(f).Image_Output_A->requestedFile(), diagram(H7DiagramPath(3, 0, 2)));
    EXPECT_EQ(ui(f).Image_Output_B->requestedFile(), diagram(H7DiagramPath(5, 0, 0)));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 0));
    EXPECT_EQ(time.digits(), "000000");
    EXPECT_TRUE(disabled(&time(6)));
    EXPECT_TRUE(disabled(ui(f).lblOutputTime_H7_1st));

    // A negative set value survives output modes from 8 up and becomes zero below.
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_1st_H7, 2));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 8));
    ui(f).lblCounterSetting_1st_H7->setDigits("-01234");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 9));
    EXPECT_EQ(ui(f).lblCounterSetting_1st_H7->digits(), "-01234");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 7));
    EXPECT_EQ(ui(f).lblCounterSetting_1st_H7->digits(), "000000");

    // 2-stage: output time 1 is open for N and F; both get their default at 8.
    f.mFuncModeSelect_4_Click();
    EXPECT_FALSE(disabled(&(*ui(f).lblHoldCounter_2nd_1_H7)(0)));
    EXPECT_EQ(ui(f).lblHoldCounter_2nd_1_H7->digits(), "000000");
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_2nd_H7, 2));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_2nd_H7, 8));
    EXPECT_EQ(ui(f).lblHoldCounter_2nd_1_H7->digits(), "000500");
    EXPECT_EQ(ui(f).lblHoldCounter_2nd_2_H7->digits(), "000500");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_2nd_H7, 9));
    EXPECT_TRUE(disabled(&(*ui(f).lblHoldCounter_2nd_1_H7)(0)));
    EXPECT_TRUE(disabled(&(*ui(f).lblHoldCounter_2nd_2_H7)(0)));
}

TEST_F(H5H7EditorTest, DecimalPointMovesOnlyTheSetValuesOfTheMode)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_6_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboDotAdj_Comm_H7, 2));
    EXPECT_EQ(counterParamsH7.nDotAdj_H7, 2);
    EXPECT_EQ(lefts(*ui(f).lblCounterSetting_batch_1_H7), (Order{0, 285, 570, 855, 1425, 1710, 1140}));
    EXPECT_EQ((*ui(f).lblCounterSetting_batch_1_H7)(6).text(), ".");
    EXPECT_EQ((*ui(f).lblCounterSetting_batch_2_H7)(6).text(), "0");
    EXPECT_EQ(lefts(*ui(f).lblCounterSetting_1st_H7), (Order{285, 570, 855, 1140, 1425, 1710, 0}));
    f.mFuncModeSelect_8_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboDotAdj_Comm_H7, 3));
    for (DigitLabelArray* r : {ui(f).lblCounterSetting_freq_1_H7, ui(f).lblCounterSetting_freq_2_H7})
        EXPECT_EQ(lefts(*r), (Order{0, 285, 570, 1140, 1425, 1710, 855}));
}

TEST_F(H5H7EditorTest, TimeRangesLayTheSetValueOut)
{
    frmModeSetting_H7& f = open(kMacTypeH5);
    f.mFuncModeSelect_0_Click();
    DigitLabelArray& row = *ui(f).lblTimerSetting_A_H5;
    row.setDigits("123489");
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRange_A_H5, 3));
    EXPECT_EQ(row.digits(), "123459");
    EXPECT_EQ(row(6).text(), ":");
    EXPECT_EQ(lefts(row), (Order{0, 285, 570, 855, 1425, 1710, 1140}));
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRange_A_H5, 5));
    EXPECT_EQ(row(6).text(), "0");
    EXPECT_TRUE(disabled(&row(6)));
    EXPECT_FALSE(row(6).FontBold());
    EXPECT_EQ(lefts(row), (Order{285, 570, 855, 1140, 1425, 1710, 0}));
    // The output-mode handler keeps a whole-number separator greyed.
    row(6).setEnabled(true);
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_A_H5, 1));
    EXPECT_TRUE(disabled(&row(6)));
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRange_A_H5, 9));
    EXPECT_FALSE(disabled(&row(6)));
    EXPECT_TRUE(row(6).FontBold());
    EXPECT_EQ(lefts(row), (Order{0, 285, 570, 1140, 1425, 1710, 855}));
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRange_A_H5, 1));
    EXPECT_EQ(lefts(row), (Order{0, 285, 570, 855, 1140, 1710, 1425}));

    // One range for both 2-stage rows, each limited on its own.
    ui(f).lblSV1_C_H5->setDigits("000070");
    ui(f).lblSV2_C_H5->setDigits("000030");
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRange_C_H5, 6));
    EXPECT_EQ(ui(f).lblSV1_C_H5->digits(), "000050");
    EXPECT_EQ(ui(f).lblSV2_C_H5->digits(), "000030");
    EXPECT_EQ((*ui(f).lblSV2_C_H5)(6).text(), ":");
}

TEST_F(H5H7EditorTest, TimerOutputModeSwitchesTheDependentRows)
{
    frmModeSetting_H7& f = open(kMacTypeH5);
    f.mFuncModeSelect_0_Click();
    DigitLabelArray& hold = *ui(f).lblHoldTime_A_H5;
    DigitLabelArray& duty = *ui(f).lblDutyRatio_A_H5;
    hold.setDigits("000120");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_A_H5, 4));
    EXPECT_EQ(ui(f).Image_Output_A->requestedFile(), pictures.path() + "/Picture/730/image_0_4_1_0.jpg");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_A_H5, 6));
    EXPECT_EQ(hold.digits(), "000000");
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(disabled(&hold(i)));
    EXPECT_TRUE(disabled(ui(f).lblOutputMode2_A_H5));

    duty.setDigits("000050");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_A_H5, 9));
    EXPECT_EQ(ui(f).lblSetValue_A_H5->text(), "Cycle time :");
    EXPECT_FALSE(disabled(ui(f).lblRatio_A_H5));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(disabled(&duty(i)), i != 4 && i != 5) << i;

    // Duty ratio: back to 000 opens the hundreds digit, which toggles 0 and 1.
    click(f, ui(f).lblDutyRatio_A_H5, 4, Qt::RightButton);
    EXPECT_EQ(duty.digits(), "000040");
    for (int k = 0; k < 4; ++k)
        click(f, ui(f).lblDutyRatio_A_H5, 4, Qt::RightButton);
    EXPECT_EQ(duty.digits(), "000000");
    EXPECT_FALSE(disabled(&duty(3)));
    click(f, ui(f).lblDutyRatio_A_H5, 3);
    EXPECT_EQ(duty.digits(), "000100");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(disabled(&duty(i)), i != 3) << "at 100, label " << i;
    click(f, ui(f).lblDutyRatio_A_H5, 5);
    EXPECT_EQ(duty.digits(), "000100");

    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_A_H5, 0));
    EXPECT_EQ(ui(f).lblSetValue_A_H5->text(), "Set Value :");
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(disabled(&duty(i)));
        EXPECT_FALSE(disabled(&hold(i)));
    }
    EXPECT_EQ(duty.digits(), "000100");
}

TEST_F(H5H7EditorTest, TimerDigitWheels)
{
    frmModeSetting_H7& f = open(kMacTypeH5);
    f.mFuncModeSelect_1_Click();
    DigitLabelArray& off = *ui(f).lblSettingValueOFF_B_H5;
    off.setDigits("900000");
    click(f, &off, 0);
    click(f, &off, 1, Qt::RightButton);
    EXPECT_EQ(off.digits(), "090000");
    // Range 6 on the OFF row only: its tens after the colon run 0 to 5.
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRangeOFF_B_H5, 6));
    off.setDigits("000050");
    click(f, &off, 4);
    EXPECT_EQ(off(4).text(), "0");
    click(f, &off, 4, Qt::RightButton);
    EXPECT_EQ(off(4).text(), "5");
    click(f, &off, 3, Qt::RightButton);
    EXPECT_EQ(off(3).text(), "9");
    DigitLabelArray& on = *ui(f).lblSettingValueON_B_H5;
    on.setDigits("000050");
    click(f, &on, 4);
    EXPECT_EQ(on(4).text(), "6");
    // A separator and other buttons change nothing.
    changed() = false;
    click(f, &on, 6);
    click(f, &on, 2, Qt::MiddleButton);
    EXPECT_EQ(on.digits(), "000060");
    EXPECT_FALSE(changed());

    // Output time in mode b: the diagram follows zero / non-zero.
    f.mFuncModeSelect_0_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_A_H5, 4));
    EXPECT_TRUE(ui(f).Image_Output_A->requestedFile().endsWith("image_0_4_0_0.jpg"));
    click(f, ui(f).lblHoldTime_A_H5, 5);
    EXPECT_TRUE(ui(f).Image_Output_A->requestedFile().endsWith("image_0_4_1_0.jpg"));
    click(f, ui(f).lblHoldTime_A_H5, 5, Qt::RightButton);
    EXPECT_TRUE(ui(f).Image_Output_A->requestedFile().endsWith("image_0_4_0_0.jpg"));
}

TEST_F(H5H7EditorTest, CounterDigitRules)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_3_Click();
    DigitLabelArray& sv = *ui(f).lblCounterSetting_1st_H7;
    // Plain rule while the output mode is below 8.
    sv.setDigits("900019");
    click(f, &sv, 0);
    click(f, &sv, 5);
    EXPECT_EQ(sv.digits(), "000010");
    // Sign rule from output mode 8 on.
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_1st_H7, 2));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 8));
    sv(0).setCaption("9");
    click(f, &sv, 0);
    EXPECT_EQ(sv(0).text(), "-");
    click(f, &sv, 0);
    EXPECT_EQ(sv(0).text(), "0");
    click(f, &sv, 0, Qt::RightButton);
    EXPECT_EQ(sv(0).text(), "-");
    click(f, &sv, 0, Qt::RightButton);
    EXPECT_EQ(sv(0).text(), "9");
    click(f, &sv, 1);
    EXPECT_EQ(sv(1).text(), "1");

    // Never-zero rule of the prescale: the last non-zero digit holds, still an edit.
    DigitLabelArray& prescale = *ui(f).lblMagnification_Comm_H7;
    changed() = false;
    click(f, &prescale, 2, Qt::RightButton);
    EXPECT_EQ(prescale.digits(), "001000");
    EXPECT_TRUE(changed());
    click(f, &prescale, 3, Qt::RightButton);
    click(f, &prescale, 2, Qt::RightButton);
    EXPECT_EQ(prescale.digits(), "000900");
    // An all-zero row becomes non-zero with the first click.
    prescale.setDigits("000000");
    click(f, &prescale, 3, Qt::RightButton);
    EXPECT_EQ(prescale.digits(), "000900");

    // Output time 1 of the 2-stage counter refuses zero only at output mode 8.
    f.mFuncModeSelect_4_Click();
    DigitLabelArray& time1 = *ui(f).lblHoldCounter_2nd_1_H7;
    time1.setDigits("000100");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_2nd_H7, 5));
    click(f, &time1, 3, Qt::RightButton);
    EXPECT_EQ(time1.digits(), "000000");
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_2nd_H7, 2));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_2nd_H7, 8));
    EXPECT_EQ(time1.digits(), "000500");
    click(f, &time1, 3, Qt::RightButton);
    EXPECT_EQ(time1.digits(), "000400");
    time1.setDigits("000100");
    click(f, &time1, 3, Qt::RightButton);
    EXPECT_EQ(time1.digits(), "000100");

    // A "-" the loader left under a plain rule reads as 0 and never as "-1".
    sv.setDigits("-00000");
    click(f, &sv, 0, Qt::RightButton);
    EXPECT_EQ(sv(0).text(), "9");
}

TEST_F(H5H7EditorTest, MouseClicksReachOnlyEnabledLabels)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_8_Click();
    DigitLabelArray& autoZero = *ui(f).lblAuto2ZeroTime_freq_H7;
    QTest::mouseClick(autoZero.label(5), Qt::LeftButton);
    QTest::mouseClick(autoZero.label(4), Qt::RightButton);
    EXPECT_EQ(autoZero.digits(), "009980");
    QTest::mouseClick(autoZero.label(0), Qt::LeftButton);
    EXPECT_EQ(autoZero.digits(), "009980");
}

TEST_F(H5H7EditorTest, DiagramFilesLoadWhenPresent)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    const QString first = diagram(H7DiagramPath(7, 1, 11));
    EXPECT_EQ(first, pictures.path() + "/Picture/731/image_3_1_B_1.jpg");
    EXPECT_EQ(diagram(H7DiagramPath(4, 3, 10)), pictures.path() + "/Picture/731/image_0_2_A_1.jpg");
    EXPECT_EQ(diagram(H7DiagramPath(8, 0, 2)), pictures.path() + "/Picture/731/image_4_0_2_1.jpg");
    writePicture(diagram(H7DiagramPath(3, 0, 0)));
    f.mFuncModeSelect_3_Click();
    EXPECT_EQ(ui(f).Image_Output_A->shownFile(), diagram(H7DiagramPath(3, 0, 0)));
    EXPECT_FALSE(ui(f).Image_Output_A->pixmap().isNull());
    // A missing file leaves the picture on show.
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 1));
    EXPECT_EQ(ui(f).Image_Output_A->requestedFile(), diagram(H7DiagramPath(3, 0, 1)));
    EXPECT_EQ(ui(f).Image_Output_A->shownFile(), diagram(H7DiagramPath(3, 0, 0)));
}
