#include "editors/h5h7/h5h7_refresh.h"

#include "editors/h5h7/frmModeSetting_H7.h"

namespace {

void setChannelB(const Ui_frmModeSetting_H7& ui, bool available)
{
    ui.optPic[1]->setEnabled(available);
    ui.ImageCH_B->setPictureName(available ? QStringLiteral("IMAGE_CHB_W") : QStringLiteral("IMAGE_CHB_G"));
}

void refreshTimerHalf(frmModeSetting_H7& f, const Ui_frmModeSetting_H7& ui)
{
    switch (nFuncMode) {
    case 0:
        f.cboOutputMode_A_H5_Click();
        f.cboTimerRange_A_H5_Click();
        break;
    case 1:
        // The twin timer's own rows: their whole-number ranges grey the separator too.
        f.cboTimerRangeOFF_B_H5_Click();
        f.cboTimerRangeON_B_H5_Click();
        f.cboTimerRange_C_H5_Click();
        break;
    case 2:
        f.cboTimerRange_C_H5_Click();
        break;
    default:
        break;
    }
    setChannelB(ui, false);
}

void refreshCounterHalf(frmModeSetting_H7& f, const Ui_frmModeSetting_H7& ui)
{
    switch (nFuncMode) {
    case 3:
        f.cboOutputMode_1st_H7_Click();
        setChannelB(ui, false);
        break;
    case 4:
        f.cboOutputMode_2nd_H7_Click();
        setChannelB(ui, false);
        break;
    case 5:
        f.cboOutputMode_1st_H7_Click();
        setChannelB(ui, true);
        break;
    case 6:
    case 7:
        f.cboOutputMode_batch_H7_Click();
        // The batch set value never follows the decimal point: its greyed "0" stays.
        (*ui.lblCounterSetting_batch_2_H7)(DigitLabelArray::kSeparator).setEnabled(false);
        setChannelB(ui, nFuncMode == 6);
        break;
    case 8:
        for (int i = 0; i < 2; ++i)
            (*ui.lblAuto2ZeroTime_freq_H7)(i).setEnabled(false);
        for (int i = 0; i < 2; ++i)
            (*ui.lblDelay2StartTime_freq_H7)(i).setEnabled(false);
        setChannelB(ui, false);
        break;
    default:
        break;
    }
    f.cboDotAdj_Comm_H7_Click();
    (*ui.lblMagnification_Comm_H7)(0).setEnabled(true);
}

} // namespace

void RefreshDependentControlsH5H7(int kind)
{
    frmModeSetting_H7* f = frmModeSetting_H7::loaded();
    if (!f)
        return;
    if (kind == 3)
        kind = nFuncMode >= 3 ? 2 : 1;
    if (kind == 1)
        refreshTimerHalf(*f, *f);
    else if (kind == 2)
        refreshCounterHalf(*f, *f);
}
