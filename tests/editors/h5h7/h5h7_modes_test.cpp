// Load step, function modes, defaults and refresh of the H5/H7 editor.
#include "h5h7_fixture.h"

#include "editors/common/refresh.h"
#include "support/form_access.h"

using Order = std::vector<int>;

TEST_F(H5H7EditorTest, LoadStepFollowsTheMachineType)
{
    core::Shell& mdi = core::shell();
    bHasFileName = true;
    bKeyProtect = 1;
    mdi.Buttons(12).setVisible(true);

    frmModeSetting_H7& f = open(kMacTypeH5);
    EXPECT_EQ(mdi.nLoadForm, 2);
    EXPECT_FALSE(mdi.bChange);
    EXPECT_FALSE(bHasFileName);
    EXPECT_EQ(nFuncMode, -1);
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_EQ(f.windowTitle(), "Unknown01.kvf");
    for (int i : {4, 7, 9, 10, 11})
        EXPECT_TRUE(mdi.Buttons(i).Visible()) << i;
    EXPECT_FALSE(mdi.Buttons(12).Visible());
    EXPECT_FALSE(mdi.Buttons(11).Value());
    // Texts of the timer half; the six refilled lists wait for the next reset.
    EXPECT_EQ(ui(f).lblSetValue_A_H5->text(), "Set Value :");
    EXPECT_EQ(ui(f).txtCH_A->text(), "TIMER");
    EXPECT_EQ(ui(f).mFuncModeSelect_1->text(), "Twin Timer");
    EXPECT_EQ(ui(f).cboOutputMode_A_H5->currentIndex(), -1);
    EXPECT_EQ(ui(f).cboOutputMode_A_H5->itemText(9), "Z : ON/OFF-duty adjustable flicker");
    EXPECT_EQ(ui(f).cboTimerRange_A_H5->currentIndex(), 0);
    // No half shown before a mode is chosen.
    EXPECT_TRUE(ui(f).picMode_H5->isHidden());
    EXPECT_TRUE(ui(f).picMode_H7->isHidden());
    f.Unload();
    for (int i : {4, 7, 9, 10, 11})
        EXPECT_FALSE(mdi.Buttons(i).Visible()) << i;
    EXPECT_FALSE(frmModeSetting_H7::isLoaded());

    open(kMacTypeH7);
    EXPECT_EQ(mdi.nLoadForm, 3);
    EXPECT_EQ(ui(*frmModeSetting_H7::loaded()).txtCH_A->text(), "1-stage Counter");
    EXPECT_FALSE(mdi.bChange);
    frmModeSetting_H7::loaded()->Unload();

    frmModeSetting_H7& h8 = open(kMacTypeH8);
    EXPECT_EQ(mdi.nLoadForm, 4);
    EXPECT_EQ(ui(h8).mFuncModeSelect_0->text(), "Timer");
    EXPECT_EQ(ui(h8).mFuncModeSelect_8->text(), "Tachometer");
    EXPECT_EQ(ui(h8).txtCH_A->text(), "1-stage Counter");
}

TEST_F(H5H7EditorTest, ActivationShowsTheModelAndToolbar)
{
    frmModeSetting_H7& f = open(kMacTypeH8);
    core::shell().setToolbarVisible(false);
    f.Show();
    EXPECT_EQ(core::shell().PanelText(1), ModelName(4));
    EXPECT_TRUE(core::shell().ToolbarVisible());
    f.Unload();
    EXPECT_EQ(core::shell().PanelText(1), "");
}

TEST_F(H5H7EditorTest, TimerDefaultsAfterAnyTimerMode)
{
    frmModeSetting_H7& f = open(kMacTypeH5);
    // Non-default values everywhere, then a timer mode.
    timerParamsH5 = TimerParamsH5{1, 1, 4, 5, 1, 9, 3, 6, 1, 1, 1, 8, 1};
    f.mFuncModeSelect_1_Click();
    EXPECT_EQ(nFuncMode, 1);
    const TimerParamsH5& p = timerParamsH5;
    for (quint8 b : {p.nSGWidth_H5, p.nInputMethod_H5, p.nKP_H5, p.nTimerRange_A_H5, p.nTimerDir_A_H5,
                     p.nOutputMode_A_H5, p.nTimerRangeOFF_B_H5, p.nTimerRangeON_B_H5, p.nTimerDir_B_H5,
                     p.nOutputMode_B_H5, p.nSettingMode_C_H5, p.nTimerRange_C_H5, p.nOutputMode_C_H5})
        EXPECT_EQ(b, 0);
    for (QComboBox* c : {ui(f).cboTimerRange_A_H5, ui(f).cboTimerDirection_A_H5, ui(f).cboOutputMode_A_H5,
                         ui(f).cboTimerRangeOFF_B_H5, ui(f).cboTimerRangeON_B_H5, ui(f).cboTimerDirection_B_H5,
                         ui(f).cboOutputMode_B_H5, ui(f).cboSettingMode_C_H5, ui(f).cboTimerRange_C_H5,
                         ui(f).cboOutputMode_C_H5, ui(f).cboSGWidth_All_H5, ui(f).cboInputMethod_All_H5, ui(f).cboKP_All_H5})
        EXPECT_EQ(c->currentIndex(), 0) << c->objectName().toStdString();
    EXPECT_EQ(ui(f).cboSGWidth_All_H5->currentText(), "20 ms");

    for (DigitLabelArray* r : {ui(f).lblTimerSetting_A_H5, ui(f).lblHoldTime_A_H5, ui(f).lblSettingValueOFF_B_H5,
                               ui(f).lblSettingValueON_B_H5, ui(f).lblSV1_C_H5, ui(f).lblSV2_C_H5}) {
        EXPECT_EQ(r->digits(), "000000");
        EXPECT_EQ((*r)(6).text(), ".");
        EXPECT_EQ(lefts(*r), (Order{0, 285, 570, 855, 1425, 1710, 1140})) << r->objectName().toStdString();
    }
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(disabled(&(*ui(f).lblHoldTime_A_H5)(i)));
    DigitLabelArray& duty = *ui(f).lblDutyRatio_A_H5;
    EXPECT_EQ(duty(6).text(), "0");
    EXPECT_EQ(lefts(duty), (Order{285, 570, 855, 1140, 1425, 1710, 0}));
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(disabled(&duty(i)));
    EXPECT_FALSE(ui(f).picMode_H5->isHidden());
    EXPECT_TRUE(ui(f).picMode_H7->isHidden());
    EXPECT_TRUE(ui(f).picTimer_H5_A->isHidden());
    EXPECT_FALSE(ui(f).picTimer_H5_B->isHidden());
    EXPECT_EQ(ui(f).txtCH_A->text(), "TWIN TIMER");
    EXPECT_TRUE(ui(f).mFuncModeSelect_1->isChecked());
    EXPECT_FALSE(ui(f).mFuncModeSelect_0->isChecked());
    EXPECT_TRUE(disabled(ui(f).optPic[1]));
    EXPECT_EQ(ui(f).ImageCH_B->pictureName(), "IMAGE_CHB_G");
    EXPECT_EQ(ui(f).Image_Output_A->requestedFile(), pictures.path() + "/Picture/730/image_1_0_0_0.jpg");
}

TEST_F(H5H7EditorTest, CounterDefaultsAfterAnyCounterMode)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_4_Click();
    // Edit, then another counter mode resets every counter panel.
    ASSERT_TRUE(SetListIndex(ui(f).cboKP_Comm_H7, 2));
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_2nd_H7, 3));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_2nd_H7, 11));
    (*ui(f).lblCounterSetting_2nd_1_H7)(5).setCaption("7");
    f.mFuncModeSelect_8_Click();

    const CounterParamsH7& p = counterParamsH7;
    for (quint8 b : {p.nCountInputMode_1st_H7, p.nOutputMode_1st_H7, p.nCountInputMode_2nd_H7,
                     p.nOutputMode_2nd_H7, p.nCountInputMode_batch_H7, p.nOutputMode_batch_H7,
                     p.nOutputMode_freq_H7, p.nSampleAvg_freq_H7, p.nDotAdj_H7, p.nInputMethod_H7, p.nKP_H7,
                     p.nMaxFreq_H7, p.nSGWidth_H7})
        EXPECT_EQ(b, 0);
    EXPECT_EQ(ui(f).cboOutputMode_2nd_H7->count(), 8);
    EXPECT_EQ(ui(f).lblCounterSetting_2nd_1_H7->digits(), "000000");

    for (DigitLabelArray* r : {ui(f).lblCounterSetting_1st_H7, ui(f).lblCounterSetting_2nd_1_H7, ui(f).lblCounterSetting_2nd_2_H7,
                               ui(f).lblCounterSetting_batch_1_H7, ui(f).lblCounterSetting_batch_2_H7,
                               ui(f).lblCounterSetting_freq_1_H7, ui(f).lblCounterSetting_freq_2_H7}) {
        EXPECT_EQ((*r)(6).text(), "0");
        EXPECT_TRUE(disabled(&(*r)(6)));
        EXPECT_FALSE((*r)(6).FontBold());
        EXPECT_EQ(lefts(*r), (Order{285, 570, 855, 1140, 1425, 1710, 0}));
    }
    for (DigitLabelArray* r : {ui(f).lblHoldCounter_1st_H7, ui(f).lblHoldCounter_2nd_2_H7, ui(f).lblHoldCounter_batch_H7})
        for (int i = 0; i < 7; ++i)
            EXPECT_TRUE(disabled(&(*r)(i))) << r->objectName().toStdString() << i;
    DigitLabelArray& time1 = *ui(f).lblHoldCounter_2nd_1_H7;
    EXPECT_EQ(time1.digits(), "000000");
    EXPECT_EQ(lefts(time1), (Order{0, 285, 570, 1140, 1425, 1710, 855}));
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(disabled(&time1(i)));

    DigitLabelArray& autoZero = *ui(f).lblAuto2ZeroTime_freq_H7;
    DigitLabelArray& startup = *ui(f).lblDelay2StartTime_freq_H7;
    EXPECT_EQ(autoZero.digits(), "009999");
    EXPECT_EQ(startup.digits(), "000000");
    for (DigitLabelArray* r : {&autoZero, &startup}) {
        EXPECT_EQ(lefts(*r), (Order{0, 285, 570, 855, 1425, 1710, 1140}));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(disabled(&(*r)(i)), i < 2);
    }
    DigitLabelArray& prescale = *ui(f).lblMagnification_Comm_H7;
    EXPECT_EQ(prescale.digits(), "001000");
    EXPECT_EQ(prescale(6).text(), ".");
    for (int i = 0; i < 7; ++i)
        EXPECT_FALSE(disabled(&prescale(i)));
    EXPECT_FALSE(ui(f).picTimer_H7_freq->isHidden());
    EXPECT_TRUE(ui(f).picTimer_H7_2nd->isHidden());
    EXPECT_EQ(ui(f).txtCH_A->text(), "TACHOMETER");
}

TEST_F(H5H7EditorTest, ChoosingTheCurrentModeChangesNothing)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_3_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_1st_H7, 2));
    (*ui(f).lblCounterSetting_1st_H7)(5).setCaption("4");
    changed() = false;
    f.mFuncModeSelect_3_Click();
    EXPECT_EQ(counterParamsH7.nCountInputMode_1st_H7, 2);
    EXPECT_EQ(ui(f).cboOutputMode_1st_H7->count(), 12);
    EXPECT_EQ(ui(f).lblCounterSetting_1st_H7->digits(), "000004");
    EXPECT_FALSE(changed());
    EXPECT_TRUE(ui(f).mFuncModeSelect_3->isChecked());
}

TEST_F(H5H7EditorTest, AModeResetsOnlyItsOwnHalf)
{
    frmModeSetting_H7& f = open(kMacTypeH8);
    f.mFuncModeSelect_0_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboKP_All_H5, 3));
    (*ui(f).lblTimerSetting_A_H5)(0).setCaption("9");
    f.mFuncModeSelect_7_Click();
    EXPECT_EQ(timerParamsH5.nKP_H5, 3);
    EXPECT_EQ(ui(f).lblTimerSetting_A_H5->digits(), "900000");
    EXPECT_TRUE(ui(f).picMode_H5->isHidden());
    ASSERT_TRUE(SetListIndex(ui(f).cboKP_Comm_H7, 4));
    f.mFuncModeSelect_2_Click();
    EXPECT_EQ(counterParamsH7.nKP_H7, 4);
    EXPECT_EQ(timerParamsH5.nKP_H5, 0);
    EXPECT_EQ(ui(f).lblTimerSetting_A_H5->digits(), "000000");
}

TEST_F(H5H7EditorTest, CountingSpeedListAndSignalWidthFollowTheMode)
{
    frmModeSetting_H7& f = open(kMacTypeH8);
    f.mFuncModeSelect_8_Click();
    EXPECT_EQ(items(ui(f).cboMaxFreq_Comm_H7), (QStringList{"30 Hz", "10K Hz"}));
    EXPECT_EQ(ui(f).cboMaxFreq_Comm_H7->currentIndex(), 0);
    EXPECT_TRUE(ui(f).cboSGWidth_Comm_H7->isHidden());
    EXPECT_TRUE(ui(f).lblSGWidth_Comm_H7->isHidden());
    for (int mode : {3, 4, 5, 6, 7}) {
        f.FuncModeSelect(mode);
        EXPECT_EQ(items(ui(f).cboMaxFreq_Comm_H7), (QStringList{"30 Hz", "5K Hz"})) << mode;
        EXPECT_FALSE(ui(f).cboSGWidth_Comm_H7->isHidden());
    }
    f.mFuncModeSelect_8_Click();
    f.mFuncModeSelect_0_Click();
    f.mFuncModeSelect_5_Click();
    EXPECT_EQ(ui(f).cboMaxFreq_Comm_H7->itemText(1), "5K Hz");
}

TEST_F(H5H7EditorTest, BatchListsOfTheBatchAndDualCounter)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_7_Click();
    EXPECT_EQ(items(ui(f).cboCountInputMode_batch_H7), (QStringList{"0:ADD", "1:SUB"}));
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->count(), 12);
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->itemText(11), "11 : H ");
    EXPECT_TRUE(ui(f).picBatch->isHidden());
    EXPECT_TRUE(ui(f).lblBatch->isHidden());
    EXPECT_TRUE(disabled(ui(f).optPic[1]));
    EXPECT_EQ(ui(f).Image_Output_A->requestedFile(), diagram(H7DiagramPath(7, 0, 0)));

    f.mFuncModeSelect_6_Click();
    EXPECT_EQ(items(ui(f).cboCountInputMode_batch_H7),
              (QStringList{"0:Up", "1:Down", "2:Up / Down  A", "3:Up / Down  B", "4:Up / Down  C"}));
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->count(), 8);
    EXPECT_EQ(ui(f).cboOutputMode_batch_H7->currentIndex(), 0);
    EXPECT_FALSE(ui(f).picBatch->isHidden());
    EXPECT_FALSE(disabled(ui(f).optPic[1]));
    EXPECT_EQ(ui(f).ImageCH_B->pictureName(), "IMAGE_CHB_W");
    EXPECT_EQ(ui(f).Image_Output_B->requestedFile(), diagram(H7DiagramPath(6, 0, 0)));
    EXPECT_TRUE(ui(f).optPic[0]->isChecked());
}

TEST_F(H5H7EditorTest, OutOfRangeIndexIsRefusedAndNothingChanges)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_3_Click();
    changed() = false;
    EXPECT_FALSE(SetListIndex(ui(f).cboOutputMode_1st_H7, 8));
    EXPECT_FALSE(SetListIndex(ui(f).cboOutputMode_1st_H7, -1));
    EXPECT_FALSE(SetListIndex(ui(f).cboTimerRange_A_H5, 10));
    EXPECT_EQ(ui(f).cboOutputMode_1st_H7->currentIndex(), 0);
    EXPECT_EQ(counterParamsH7.nOutputMode_1st_H7, 0);
    EXPECT_FALSE(changed());
    // Only an up/down input mode makes outputs 8 to 11 selectable.
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_1st_H7, 4));
    EXPECT_TRUE(SetListIndex(ui(f).cboOutputMode_1st_H7, 11));
}

TEST_F(H5H7EditorTest, ChangeFlagOnlyForARealChange)
{
    frmModeSetting_H7& f = open(kMacTypeH8);
    f.mFuncModeSelect_0_Click();
    changed() = false;
    ASSERT_TRUE(SetListIndex(ui(f).cboSGWidth_All_H5, 0));
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRange_A_H5, 0));
    (*ui(f).lblHoldTime_A_H5)(2).setCaption("0");
    EXPECT_FALSE(changed());
    ASSERT_TRUE(SetListIndex(ui(f).cboSGWidth_All_H5, 1));
    EXPECT_TRUE(changed());
    EXPECT_EQ(timerParamsH5.nSGWidth_H5, 1);

    changed() = false;
    (*ui(f).lblHoldTime_A_H5)(2).setCaption("3");
    EXPECT_TRUE(changed());

    // The timer A set value counts clicks, not caption changes from code.
    changed() = false;
    (*ui(f).lblTimerSetting_A_H5)(2).setCaption("3");
    EXPECT_FALSE(changed());
    click(f, ui(f).lblTimerSetting_A_H5, 6, Qt::RightButton);
    EXPECT_TRUE(changed());

    // A mode change that finds every default in place marks nothing.
    f.mFuncModeSelect_1_Click();
    changed() = false;
    f.mFuncModeSelect_2_Click();
    EXPECT_FALSE(changed());
}

TEST_F(H5H7EditorTest, RefreshRestoresWhatTheChoicesDisable)
{
    frmModeSetting_H7& f = open(kMacTypeH8);
    f.mFuncModeSelect_8_Click();
    for (QWidget* w : f.findChildren<QWidget*>())
        w->setEnabled(true);
    RefreshDependentControls(2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(disabled(&(*ui(f).lblAuto2ZeroTime_freq_H7)(i)));
        EXPECT_TRUE(disabled(&(*ui(f).lblDelay2StartTime_freq_H7)(i)));
    }
    EXPECT_TRUE(disabled(&(*ui(f).lblCounterSetting_freq_1_H7)(6)));
    EXPECT_FALSE(disabled(&(*ui(f).lblMagnification_Comm_H7)(0)));
    EXPECT_TRUE(disabled(ui(f).optPic[1]));

    f.mFuncModeSelect_5_Click();
    ui(f).optPic[1]->setEnabled(false);
    for (QWidget* w : f.findChildren<QWidget*>())
        if (w != ui(f).optPic[1])
            w->setEnabled(true);
    changed() = false;
    RefreshDependentControls(3);
    EXPECT_FALSE(disabled(ui(f).optPic[1]));
    EXPECT_EQ(ui(f).ImageCH_B->pictureName(), "IMAGE_CHB_W");
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(disabled(&(*ui(f).lblHoldCounter_1st_H7)(i)));
    EXPECT_FALSE(changed());

    // Kind 3 in a timer mode is kind 1: the whole-number separators grey again.
    f.mFuncModeSelect_1_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRangeOFF_B_H5, 5));
    ASSERT_TRUE(SetListIndex(ui(f).cboTimerRange_C_H5, 8));
    for (QWidget* w : f.findChildren<QWidget*>())
        w->setEnabled(true);
    RefreshDependentControls(3);
    EXPECT_TRUE(disabled(&(*ui(f).lblSettingValueOFF_B_H5)(6)));
    EXPECT_TRUE(disabled(&(*ui(f).lblSV1_C_H5)(6)));
    EXPECT_TRUE(disabled(ui(f).optPic[1]));
    EXPECT_EQ(ui(f).ImageCH_B->pictureName(), "IMAGE_CHB_G");
}

TEST_F(H5H7EditorTest, ChannelTabs)
{
    frmModeSetting_H7& f = open(kMacTypeH7);
    f.mFuncModeSelect_3_Click();
    f.ImageCH_B_Click();
    EXPECT_TRUE(ui(f).optPic[0]->isChecked());
    EXPECT_EQ(ui(f).ImageCH_B->pictureName(), "IMAGE_CHB_G");
    f.mFuncModeSelect_5_Click();
    f.ImageCH_B_Click();
    EXPECT_TRUE(ui(f).optPic[1]->isChecked());
    EXPECT_EQ(ui(f).ImageCH_B->pictureName(), "IMAGE_CHB_B");
    EXPECT_EQ(ui(f).ImageCH_A->pictureName(), "IMAGE_CHA_W");
    f.ImageCH_A_Click();
    EXPECT_EQ(ui(f).ImageCH_A->pictureName(), "IMAGE_CHA_B");
    EXPECT_EQ(ui(f).ImageCH_B->pictureName(), "IMAGE_CHB_W");
}
