#include "editors/h9/frmModeSetting_H9.h"

#include "app/frmMDI.h"
#include "editors/h9/combo_select.h"

namespace {
QComboBox* makeCombo(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}
DigitLabelArray* makeRow(QWidget* parent, const char* name)
{
    return new DigitLabelArray(QString::fromLatin1(name), DigitLabelArray::Style::H9, parent);
}
// Stores a combo's selection into its byte; -1 (no selection) is never stored.
void storeIndex(QComboBox* c, quint8& byte)
{
    const int i = c->currentIndex();
    if (i < 0 || i > 255)
        return;
    if (byte != static_cast<quint8>(i))
        frmMDI::instance().bChange = true;
    byte = static_cast<quint8>(i);
}
} // namespace

frmModeSetting_H9::frmModeSetting_H9()
{
#define MAKE_COMBO(n) n = makeCombo(this, #n)
    MAKE_COMBO(cboCountModeA); MAKE_COMBO(cboCountDirectionA); MAKE_COMBO(cboOutputModeA);
    MAKE_COMBO(cboCountInputModeB); MAKE_COMBO(cboDotAdjB); MAKE_COMBO(cboMaxFreqB); MAKE_COMBO(cboOutputModeB);
    MAKE_COMBO(cboSampleAvgB_F); MAKE_COMBO(cboDotAdjB_F); MAKE_COMBO(cboMaxFreqB_F); MAKE_COMBO(cboOutputModeB_F);
    MAKE_COMBO(cboOutputMode_T_Dual_0); MAKE_COMBO(cboOutputMode_T_Dual_1); MAKE_COMBO(cboOutputMode_C_Dual_0);
    MAKE_COMBO(cboCountInputMode_C_Dual_1); MAKE_COMBO(cboMaxFreq_C_Dual_1); MAKE_COMBO(cboOutputMode_C_Dual_1);
    MAKE_COMBO(cboOutputModeA_Dual_F); MAKE_COMBO(cboSampleAvgB_Dual_F); MAKE_COMBO(cboMaxFreqB_Dual_F);
    MAKE_COMBO(cboOutputModeB_Dual_F); MAKE_COMBO(cboSGWidth_All); MAKE_COMBO(cboInputMethod_All);
#undef MAKE_COMBO
#define MAKE_ROW(n) n = makeRow(this, #n)
    MAKE_ROW(lblTimerSettingA); MAKE_ROW(lblHoldTimeA); MAKE_ROW(lblCounterSettingB); MAKE_ROW(lblHoldCounterB);
    MAKE_ROW(lblMagnificationB); MAKE_ROW(lblCounterSettingB_F); MAKE_ROW(lblHoldCounterB_F);
    MAKE_ROW(lblMagnificationB_F); MAKE_ROW(lblTimerSetting_T_Dual_0); MAKE_ROW(lblTimerSetting_T_Dual_1);
    MAKE_ROW(lblHoldTime_T_Dual_0); MAKE_ROW(lblHoldTime_T_Dual_1); MAKE_ROW(lblCounterSetting_C_Dual_0);
    MAKE_ROW(lblCounterSetting_C_Dual_1); MAKE_ROW(lblHoldCounter_C_Dual_0); MAKE_ROW(lblHoldCounter_C_Dual_1);
    MAKE_ROW(lblCounterSettingA_Dual_F); MAKE_ROW(lblCounterSettingB_Dual_F); MAKE_ROW(lblHoldCounterB_Dual_F);
#undef MAKE_ROW
    Image_Output_A = new QLabel(this);
    Image_Output_B = new QLabel(this);
    lblPSCaution = new QLabel(this);
    for (int i = 0; i < 7; ++i) {
        mFuncModeSelect[i] = new QAction(this);
        mFuncModeSelect[i]->setCheckable(true);
    }
    mKP = new QAction(this);
    mKP->setCheckable(true);
    mPowerSaving = new QAction(this);
    mPowerSaving->setCheckable(true);
}

frmModeSetting_H9::~frmModeSetting_H9() = default;

void frmModeSetting_H9::cboCountModeA_Click() { storeIndex(cboCountModeA, nTimeRangeA_H9); }
void frmModeSetting_H9::cboCountDirectionA_Click() { storeIndex(cboCountDirectionA, nCountDirectionA_H9); }
void frmModeSetting_H9::cboOutputModeA_Click() { storeIndex(cboOutputModeA, nOutputModeA_H9); }
void frmModeSetting_H9::cboCountInputModeB_Click() { storeIndex(cboCountInputModeB, nCountInputModeB_H9); }
void frmModeSetting_H9::cboDotAdjB_Click() { storeIndex(cboDotAdjB, nDotAdjB_H9); }
void frmModeSetting_H9::cboMaxFreqB_Click() { storeIndex(cboMaxFreqB, nMaxFreqB_H9); }
void frmModeSetting_H9::cboOutputModeB_Click() { storeIndex(cboOutputModeB, nOutputModeB_H9); }
void frmModeSetting_H9::cboSampleAvgB_F_Click() { storeIndex(cboSampleAvgB_F, nSampleAvgB_F_H9); }
void frmModeSetting_H9::cboDotAdjB_F_Click() { storeIndex(cboDotAdjB_F, nDotAdjB_F_H9); }
void frmModeSetting_H9::cboMaxFreqB_F_Click() { storeIndex(cboMaxFreqB_F, nMaxFreqB_F_H9); }
void frmModeSetting_H9::cboOutputModeB_F_Click() { storeIndex(cboOutputModeB_F, nOutputModeB_F_H9); }
void frmModeSetting_H9::cboOutputMode_T_Dual_0_Click() { storeIndex(cboOutputMode_T_Dual_0, nOutputMode_T_Dual_0_H9); }
void frmModeSetting_H9::cboOutputMode_T_Dual_1_Click() { storeIndex(cboOutputMode_T_Dual_1, nOutputMode_T_Dual_1_H9); }
void frmModeSetting_H9::cboOutputMode_C_Dual_0_Click() { storeIndex(cboOutputMode_C_Dual_0, nOutputMode_C_Dual_0_H9); }
void frmModeSetting_H9::cboCountInputMode_C_Dual_1_Click() { storeIndex(cboCountInputMode_C_Dual_1, nCountInputMode_C_Dual_1_H9); }
void frmModeSetting_H9::cboMaxFreq_C_Dual_1_Click() { storeIndex(cboMaxFreq_C_Dual_1, nMaxFreq_C_Dual_1_H9); }
void frmModeSetting_H9::cboOutputMode_C_Dual_1_Click() { storeIndex(cboOutputMode_C_Dual_1, nOutputMode_C_Dual_1_H9); }
void frmModeSetting_H9::cboOutputModeA_Dual_F_Click() { storeIndex(cboOutputModeA_Dual_F, nOutputModeA_Dual_F_H9); }
void frmModeSetting_H9::cboSampleAvgB_Dual_F_Click() { storeIndex(cboSampleAvgB_Dual_F, nSampleAvgB_Dual_F_H9); }
void frmModeSetting_H9::cboMaxFreqB_Dual_F_Click() { storeIndex(cboMaxFreqB_Dual_F, nMaxFreqB_Dual_F_H9); }
void frmModeSetting_H9::cboOutputModeB_Dual_F_Click() { storeIndex(cboOutputModeB_Dual_F, nOutputModeB_Dual_F_H9); }
void frmModeSetting_H9::cboSGWidth_All_Click() { storeIndex(cboSGWidth_All, nSGWidth_H9); }
void frmModeSetting_H9::cboInputMethod_All_Click() { storeIndex(cboInputMethod_All, nInputMethod_H9); }

void frmModeSetting_H9::mFuncModeSelect_0_Click() { nFuncType_H9 = 0; nFuncB_H9 = 0; }
void frmModeSetting_H9::mFuncModeSelect_1_Click() { nFuncType_H9 = 0; nFuncB_H9 = 1; }
void frmModeSetting_H9::mFuncModeSelect_2_Click() { nFuncType_H9 = 1; nDualFunc_H9 = 1; nDualCounterMode_H9 = 0; }
void frmModeSetting_H9::mFuncModeSelect_3_Click() { nFuncType_H9 = 1; nDualFunc_H9 = 1; nDualCounterMode_H9 = 1; }
void frmModeSetting_H9::mFuncModeSelect_4_Click() { nFuncType_H9 = 1; nDualFunc_H9 = 1; nDualCounterMode_H9 = 2; }
void frmModeSetting_H9::mFuncModeSelect_5_Click() { nFuncType_H9 = 1; nDualFunc_H9 = 0; }
void frmModeSetting_H9::mFuncModeSelect_6_Click() { nFuncType_H9 = 1; nDualFunc_H9 = 2; }

void frmModeSetting_H9::mKP_Click() { bKeyProtect = bKeyProtect ? 0 : 1; }
void frmModeSetting_H9::mPowerSaving_Click()
{
    bPowerSaving_H9 = bPowerSaving_H9 ? 0 : 1;
    frmMDI::instance().bChange = true;
}

void frmModeSetting_H9::optPic_Click(int index)
{
    (index == 0 ? Image_Output_A : Image_Output_B)->raise();
}
