// Panel defaults of both halves of the H5/H7 editor.
#include "editors/h5h7/frmModeSetting_H7.h"

#include "editors/h5h7/h5h7_internal.h"

using platform::LoadResString;
using namespace h5h7detail;

// ---------------------------------------------------------------- timer defaults

void frmModeSetting_H7::ResetTimerPanels()
{
    ResetTimerAPanel();
    ResetTimerBPanel();
    ResetTimerCPanel();
    ResetTimerCommon();
    // Last: the selections' handlers compare with the old bytes to mark a change.
    timerParamsH5 = {};
}

namespace {

// Digits "0" and a "." separator in the layout of time range 0.
void resetSetValueRow(DigitLabelArray& row)
{
    zeroDigits(row);
    row(DigitLabelArray::kSeparator).setCaption(QStringLiteral("."));
    PackDigitLabels(row, kTwoDecimalsOrder);
}

} // namespace

void frmModeSetting_H7::ResetTimerAPanel()
{
    (void)SetListIndex(cboTimerRange_A_H5, 0);
    (void)SetListIndex(cboTimerDirection_A_H5, 0);
    (void)SetListIndex(cboOutputMode_A_H5, 0);

    resetSetValueRow(*lblTimerSetting_A_H5);
    resetSetValueRow(*lblHoldTime_A_H5);
    lblHoldTime_A_H5->setRowEnabled(true);
    DigitLabelArray& duty = *lblDutyRatio_A_H5;
    zeroDigits(duty);
    duty(DigitLabelArray::kSeparator).setCaption(QStringLiteral("0"));
    PackDigitLabels(duty, kWholeNumberOrder);
    duty.setRowEnabled(false);
}

void frmModeSetting_H7::ResetTimerBPanel()
{
    (void)SetListIndex(cboTimerRangeOFF_B_H5, 0);
    (void)SetListIndex(cboTimerRangeON_B_H5, 0);
    (void)SetListIndex(cboTimerDirection_B_H5, 0);
    (void)SetListIndex(cboOutputMode_B_H5, 0);
    resetSetValueRow(*lblSettingValueOFF_B_H5);
    resetSetValueRow(*lblSettingValueON_B_H5);
}

void frmModeSetting_H7::ResetTimerCPanel()
{
    (void)SetListIndex(cboSettingMode_C_H5, 0);
    (void)SetListIndex(cboTimerRange_C_H5, 0);
    (void)SetListIndex(cboOutputMode_C_H5, 0);
    resetSetValueRow(*lblSV1_C_H5);
    resetSetValueRow(*lblSV2_C_H5);
}

void frmModeSetting_H7::ResetTimerCommon()
{
    (void)SetListIndex(cboSGWidth_All_H5, 0);
    (void)SetListIndex(cboInputMethod_All_H5, 0);
    (void)SetListIndex(cboKP_All_H5, 0);
}

// ---------------------------------------------------------------- counter defaults

void frmModeSetting_H7::ResetCounterPanels()
{
    ResetCounter1stPanel();
    ResetCounter2ndPanel();
    ResetBatchPanel();
    ResetTachoPanel();
    ResetCounterCommon();
    // Last: the selections' handlers compare with the old bytes to mark a change.
    counterParamsH7 = {};
}

namespace {

// A whole-number set value: a greyed "0" in front of six zero digits.
void setWholeSeparator(DigitLabelArray& row)
{
    DigitLabel& sep = row(DigitLabelArray::kSeparator);
    sep.setCaption(QStringLiteral("0"));
    sep.setEnabled(false);
    sep.setFontBold(false);
}

void setPointSeparator(DigitLabelArray& row, bool enabled)
{
    DigitLabel& sep = row(DigitLabelArray::kSeparator);
    sep.setCaption(QStringLiteral("."));
    sep.setEnabled(enabled);
}

} // namespace

void frmModeSetting_H7::ResetCounter1stPanel()
{
    (void)SetListIndex(cboCountInputMode_1st_H7, 0);
    (void)SetListIndex(cboOutputMode_1st_H7, 0);
    for (int i = 0; i < 6; ++i) {
        (*lblCounterSetting_1st_H7)(i).setCaption(QStringLiteral("0"));
        (*lblHoldCounter_1st_H7)(i).setEnabled(false);
    }
    setWholeSeparator(*lblCounterSetting_1st_H7);
    setPointSeparator(*lblHoldCounter_1st_H7, false);
    PackDigitLabels(*lblCounterSetting_1st_H7, kWholeNumberOrder);
    PackDigitLabels(*lblHoldCounter_1st_H7, kThreeDecimalsOrder);
}

void frmModeSetting_H7::ResetCounter2ndPanel()
{
    (void)SetListIndex(cboCountInputMode_2nd_H7, 0);
    (void)SetListIndex(cboOutputMode_2nd_H7, 0);
    for (int i = 0; i < 6; ++i) {
        (*lblCounterSetting_2nd_1_H7)(i).setCaption(QStringLiteral("0"));
        (*lblCounterSetting_2nd_2_H7)(i).setCaption(QStringLiteral("0"));
        (*lblHoldCounter_2nd_1_H7)(i).setCaption(QStringLiteral("0"));
        (*lblHoldCounter_2nd_1_H7)(i).setEnabled(true);
        (*lblHoldCounter_2nd_2_H7)(i).setEnabled(false);
    }
    setWholeSeparator(*lblCounterSetting_2nd_1_H7);
    setWholeSeparator(*lblCounterSetting_2nd_2_H7);
    setPointSeparator(*lblHoldCounter_2nd_1_H7, true);
    setPointSeparator(*lblHoldCounter_2nd_2_H7, false);
    PackDigitLabels(*lblCounterSetting_2nd_1_H7, kWholeNumberOrder);
    PackDigitLabels(*lblCounterSetting_2nd_2_H7, kWholeNumberOrder);
    PackDigitLabels(*lblHoldCounter_2nd_1_H7, kThreeDecimalsOrder);
    PackDigitLabels(*lblHoldCounter_2nd_2_H7, kThreeDecimalsOrder);
}

void frmModeSetting_H7::ResetBatchPanel()
{
    (void)SetListIndex(cboCountInputMode_batch_H7, 0);
    (void)SetListIndex(cboOutputMode_batch_H7, 0);
    for (int i = 0; i < 6; ++i) {
        (*lblCounterSetting_batch_1_H7)(i).setCaption(QStringLiteral("0"));
        (*lblCounterSetting_batch_2_H7)(i).setCaption(QStringLiteral("0"));
        (*lblHoldCounter_batch_H7)(i).setEnabled(false);
    }
    setWholeSeparator(*lblCounterSetting_batch_1_H7);
    setWholeSeparator(*lblCounterSetting_batch_2_H7);
    setPointSeparator(*lblHoldCounter_batch_H7, false);
    PackDigitLabels(*lblCounterSetting_batch_1_H7, kWholeNumberOrder);
    PackDigitLabels(*lblCounterSetting_batch_2_H7, kWholeNumberOrder);
    PackDigitLabels(*lblHoldCounter_batch_H7, kThreeDecimalsOrder);
}

void frmModeSetting_H7::ResetTachoPanel()
{
    (void)SetListIndex(cboOutputMode_freq_H7, 0);
    (void)SetListIndex(cboSampleAvg_freq_H7, 0);
    for (int i = 0; i < 6; ++i) {
        (*lblCounterSetting_freq_1_H7)(i).setCaption(QStringLiteral("0"));
        (*lblCounterSetting_freq_2_H7)(i).setCaption(QStringLiteral("0"));
        // The two leading digits of both times are fixed zeros.
        (*lblAuto2ZeroTime_freq_H7)(i).setCaption(i < 2 ? QStringLiteral("0") : QStringLiteral("9"));
        (*lblAuto2ZeroTime_freq_H7)(i).setEnabled(i >= 2);
        (*lblDelay2StartTime_freq_H7)(i).setCaption(QStringLiteral("0"));
        (*lblDelay2StartTime_freq_H7)(i).setEnabled(i >= 2);
    }
    setWholeSeparator(*lblCounterSetting_freq_1_H7);
    setWholeSeparator(*lblCounterSetting_freq_2_H7);
    setPointSeparator(*lblDelay2StartTime_freq_H7, true);
    setPointSeparator(*lblAuto2ZeroTime_freq_H7, true);
    PackDigitLabels(*lblCounterSetting_freq_1_H7, kWholeNumberOrder);
    PackDigitLabels(*lblCounterSetting_freq_2_H7, kWholeNumberOrder);
    PackDigitLabels(*lblDelay2StartTime_freq_H7, kTwoDecimalsOrder);
    PackDigitLabels(*lblAuto2ZeroTime_freq_H7, kTwoDecimalsOrder);
}

void frmModeSetting_H7::ResetCounterCommon()
{
    (void)SetListIndex(cboDotAdj_Comm_H7, 0);
    (void)SetListIndex(cboInputMethod_Comm_H7, 0);
    (void)SetListIndex(cboKP_Comm_H7, 0);
    (void)SetListIndex(cboMaxFreq_Comm_H7, 0);
    (void)SetListIndex(cboSGWidth_Comm_H7, 0);
    DigitLabelArray& prescale = *lblMagnification_Comm_H7;
    for (int i = 0; i < 6; ++i)
        prescale(i).setCaption(i == 2 ? QStringLiteral("1") : QStringLiteral("0"));
    setPointSeparator(prescale, true);
    prescale(0).setEnabled(true);
    PackDigitLabels(prescale, kThreeDecimalsOrder);
}
