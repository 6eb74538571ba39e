// The defaults every H9 parameter set starts from, applied once per load of the editor.
#include "editors/h9/frmModeSetting_H9.h"

#include "editors/common/combo_select.h"

#include <array>

namespace {

enum class RowLayout { Whole, TwoDecimals, ThreeDecimals };

// Moves the labels of a row edge to edge from Left 0 in display order; captions, fonts
// and enabled states stay.
void placeRow(DigitLabelArray& row, RowLayout layout)
{
    PackDigitLabels(row, layout == RowLayout::Whole         ? kWholeNumberOrder
                         : layout == RowLayout::TwoDecimals ? kTwoDecimalsOrder
                                                            : kThreeDecimalsOrder);
}

void setDigits(DigitLabelArray& row, const char* digit)
{
    for (int i = 0; i < 6; ++i)
        row(i).setCaption(QString::fromLatin1(digit));
}

// Digits, separator caption and state, then the moves.
void resetRow(DigitLabelArray& row, const char* digit, RowLayout layout)
{
    setDigits(row, digit);
    if (layout == RowLayout::ThreeDecimals)
        row(2).setCaption(QStringLiteral("1"));
    const bool whole = layout == RowLayout::Whole;
    row(DigitLabelArray::kSeparator).setCaption(whole ? QStringLiteral("0") : QStringLiteral("."));
    row(DigitLabelArray::kSeparator).setEnabled(!whole);
    placeRow(row, layout);
}

void selectFirst(std::initializer_list<QComboBox*> combos)
{
    for (QComboBox* c : combos)
        (void)SetListIndex(c, 0);
}

} // namespace

void frmModeSetting_H9::ResetSingleTimerPanel()
{
    selectFirst({cboCountModeA, cboCountDirectionA, cboOutputModeA});
    resetRow(*lblTimerSettingA, "9", RowLayout::TwoDecimals);
    resetRow(*lblHoldTimeA, "9", RowLayout::TwoDecimals);
    timerCounterParamsH9.nTimeRangeA_H9 = 0;
    timerCounterParamsH9.nCountDirectionA_H9 = 0;
    timerCounterParamsH9.nOutputModeA_H9 = 0;
}

void frmModeSetting_H9::ResetChannelBPanels()
{
    selectFirst({cboCountInputModeB, cboDotAdjB, cboMaxFreqB, cboOutputModeB});
    resetRow(*lblCounterSettingB, "9", RowLayout::Whole);
    resetRow(*lblHoldCounterB, "9", RowLayout::TwoDecimals);
    resetRow(*lblMagnificationB, "0", RowLayout::ThreeDecimals);
    timerCounterParamsH9.nCountInputModeB_H9 = 0;
    timerCounterParamsH9.nDotAdjB_H9 = 0;
    timerCounterParamsH9.nMaxFreqB_H9 = 0;
    timerCounterParamsH9.nOutputModeB_H9 = 0;

    selectFirst({cboSampleAvgB_F, cboDotAdjB_F, cboMaxFreqB_F, cboOutputModeB_F});
    resetRow(*lblCounterSettingB_F, "9", RowLayout::Whole);
    resetRow(*lblHoldCounterB_F, "0", RowLayout::TwoDecimals);
    resetRow(*lblMagnificationB_F, "0", RowLayout::ThreeDecimals);
    timerCounterParamsH9.nSampleAvgB_F_H9 = 0;
    timerCounterParamsH9.nDotAdjB_F_H9 = 0;
    timerCounterParamsH9.nMaxFreqB_F_H9 = 0;
    timerCounterParamsH9.nOutputModeB_F_H9 = 0;
}

void frmModeSetting_H9::ResetDualTimerPanel()
{
    selectFirst({cboOutputMode_T_Dual_0, cboOutputMode_T_Dual_1});
    resetRow(*lblTimerSetting_T_Dual_0, "9", RowLayout::Whole);
    resetRow(*lblTimerSetting_T_Dual_1, "9", RowLayout::Whole);
    resetRow(*lblHoldTime_T_Dual_0, "9", RowLayout::TwoDecimals);
    resetRow(*lblHoldTime_T_Dual_1, "9", RowLayout::TwoDecimals);
    timerCounterParamsH9.nDualFunc_H9 = 0;
    timerCounterParamsH9.nOutputMode_T_Dual_0_H9 = 0;
    timerCounterParamsH9.nOutputMode_T_Dual_1_H9 = 0;
}

void frmModeSetting_H9::ResetDualCounterPanel()
{
    selectFirst({cboCountInputMode_C_Dual_0, cboOutputMode_C_Dual_0, cboCountInputMode_C_Dual_1,
                 cboMaxFreq_C_Dual_1, cboOutputMode_C_Dual_1, cboMaxFreq_C_Dual_0});
    timerCounterParamsH9.nOutputMode_C_Dual_0_H9 = 0;
    timerCounterParamsH9.nCountInputMode_C_Dual_1_H9 = 0;
    timerCounterParamsH9.nMaxFreq_C_Dual_1_H9 = 0;
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 0;
    resetRow(*lblCounterSetting_C_Dual_0, "9", RowLayout::Whole);
    resetRow(*lblCounterSetting_C_Dual_1, "9", RowLayout::Whole);
    resetRow(*lblHoldCounter_C_Dual_0, "9", RowLayout::TwoDecimals);
    resetRow(*lblHoldCounter_C_Dual_1, "9", RowLayout::TwoDecimals);
}

void frmModeSetting_H9::ResetDualTachoPanel()
{
    selectFirst({cboOutputModeA_Dual_F, cboSampleAvgB_Dual_F, cboMaxFreqB_Dual_F, cboOutputModeB_Dual_F});
    resetRow(*lblCounterSettingA_Dual_F, "9", RowLayout::Whole);
    resetRow(*lblCounterSettingB_Dual_F, "9", RowLayout::Whole);
    resetRow(*lblHoldCounterB_Dual_F, "0", RowLayout::TwoDecimals);
    timerCounterParamsH9.nOutputModeA_Dual_F_H9 = 0;
    timerCounterParamsH9.nSampleAvgB_Dual_F_H9 = 0;
    timerCounterParamsH9.nMaxFreqB_Dual_F_H9 = 0;
    timerCounterParamsH9.nOutputModeB_Dual_F_H9 = 0;
}

void frmModeSetting_H9::ResetCommonH9()
{
    selectFirst({cboSGWidth_All, cboInputMethod_All});
    timerCounterParamsH9.nSGWidth_H9 = 0;
    timerCounterParamsH9.nInputMethod_H9 = 0;
    // Switched off through the user's own toggle, so flag, menu, button and note agree.
    timerCounterParamsH9.bPowerSaving_H9 = 1;
    mPowerSaving_Click();
}
