#include "editors/h9/h9_refresh.h"

#include "editors/h9/frmModeSetting_H9.h"

namespace {

void RefreshH9(frmModeSetting_H9& f, const Ui_frmModeSetting_H9& ui)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    if (p.nFuncType_H9 == 0) {
        f.cboCountModeA_Click();
        f.cboOutputModeA_Click();
        f.cboDotAdjB_Click();
        f.cboOutputModeB_Click();
        f.cboDotAdjB_F_Click();
        (*ui.lblMagnificationB)(0).setEnabled(false);
        (*ui.lblMagnificationB_F)(0).setEnabled(false);
        // The counter handler above drew the counter diagram; with a tachometer on
        // channel B, show the tachometer's again.
        if (p.nFuncB_H9 == 1)
            f.cboOutputModeB_F_Click();
        return;
    }
    if (p.nFuncType_H9 != 1)
        return;
    switch (p.nDualFunc_H9) {
    case 0:
        f.cboOutputMode_T_Dual_0_Click();
        f.cboOutputMode_T_Dual_1_Click();
        (*ui.lblTimerSetting_T_Dual_0)(DigitLabelArray::kSeparator).setEnabled(false);
        (*ui.lblTimerSetting_T_Dual_1)(DigitLabelArray::kSeparator).setEnabled(false);
        break;
    case 1:
        f.cboOutputMode_C_Dual_0_Click();
        f.cboOutputMode_C_Dual_1_Click();
        (*ui.lblCounterSetting_C_Dual_0)(DigitLabelArray::kSeparator).setEnabled(false);
        (*ui.lblCounterSetting_C_Dual_1)(DigitLabelArray::kSeparator).setEnabled(false);
        break;
    case 2:
        (*ui.lblCounterSettingA_Dual_F)(DigitLabelArray::kSeparator).setEnabled(false);
        (*ui.lblCounterSettingB_Dual_F)(DigitLabelArray::kSeparator).setEnabled(false);
        break;
    default:
        break;
    }
}

} // namespace

void RefreshDependentControlsH9()
{
    // Only a loaded editor is refreshed; a refresh never loads one.
    if (frmModeSetting_H9* f = frmModeSetting_H9::loaded())
        RefreshH9(*f, *f);
}
