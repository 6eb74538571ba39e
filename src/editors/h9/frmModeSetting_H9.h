#pragma once
// The H9 editor window: one H9 parameter set, edited in the panels of its seven
// function modes. The option choices live in the bytes of params_h9.h, the numeric
// values as the captions of the digit rows below.
//
// Other modules drive the editor only through its public controls and handlers:
// - set a combo's selection with SetListIndex(combo, index) (combo_select.h), which
//   runs the combo's ..._Click handler and refuses an index outside the list;
// - set a digit with row(i).setCaption(...) (the row's change handler marks the set
//   changed);
// - select the function mode with mFuncModeSelect_N_Click, toggle key protection and
//   power saving with mKP_Click and mPowerSaving_Click.
#include "editors/h9/digit_label_array.h"
#include "editors/h9/params_h9.h"
#include "platform/single_form.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

class frmModeSetting_H9 : public QWidget, public platform::SingleForm<frmModeSetting_H9> {
    Q_OBJECT
public:
    frmModeSetting_H9();
    ~frmModeSetting_H9() override;

    // Option combos.
    QComboBox* cboCountModeA = nullptr;
    QComboBox* cboCountDirectionA = nullptr;
    QComboBox* cboOutputModeA = nullptr;
    QComboBox* cboCountInputModeB = nullptr;
    QComboBox* cboDotAdjB = nullptr;
    QComboBox* cboMaxFreqB = nullptr;
    QComboBox* cboOutputModeB = nullptr;
    QComboBox* cboSampleAvgB_F = nullptr;
    QComboBox* cboDotAdjB_F = nullptr;
    QComboBox* cboMaxFreqB_F = nullptr;
    QComboBox* cboOutputModeB_F = nullptr;
    QComboBox* cboOutputMode_T_Dual_0 = nullptr;
    QComboBox* cboOutputMode_T_Dual_1 = nullptr;
    QComboBox* cboOutputMode_C_Dual_0 = nullptr;
    QComboBox* cboCountInputMode_C_Dual_1 = nullptr;
    QComboBox* cboMaxFreq_C_Dual_1 = nullptr;
    QComboBox* cboOutputMode_C_Dual_1 = nullptr;
    QComboBox* cboOutputModeA_Dual_F = nullptr;
    QComboBox* cboSampleAvgB_Dual_F = nullptr;
    QComboBox* cboMaxFreqB_Dual_F = nullptr;
    QComboBox* cboOutputModeB_Dual_F = nullptr;
    QComboBox* cboSGWidth_All = nullptr;
    QComboBox* cboInputMethod_All = nullptr;

    // Digit rows (labels 0-5 the digits, most significant first; 6 the separator).
    DigitLabelArray* lblTimerSettingA = nullptr;
    DigitLabelArray* lblHoldTimeA = nullptr;
    DigitLabelArray* lblCounterSettingB = nullptr;
    DigitLabelArray* lblHoldCounterB = nullptr;
    DigitLabelArray* lblMagnificationB = nullptr;
    DigitLabelArray* lblCounterSettingB_F = nullptr;
    DigitLabelArray* lblHoldCounterB_F = nullptr;
    DigitLabelArray* lblMagnificationB_F = nullptr;
    DigitLabelArray* lblTimerSetting_T_Dual_0 = nullptr;
    DigitLabelArray* lblTimerSetting_T_Dual_1 = nullptr;
    DigitLabelArray* lblHoldTime_T_Dual_0 = nullptr;
    DigitLabelArray* lblHoldTime_T_Dual_1 = nullptr;
    DigitLabelArray* lblCounterSetting_C_Dual_0 = nullptr;
    DigitLabelArray* lblCounterSetting_C_Dual_1 = nullptr;
    DigitLabelArray* lblHoldCounter_C_Dual_0 = nullptr;
    DigitLabelArray* lblHoldCounter_C_Dual_1 = nullptr;
    DigitLabelArray* lblCounterSettingA_Dual_F = nullptr;
    DigitLabelArray* lblCounterSettingB_Dual_F = nullptr;
    DigitLabelArray* lblHoldCounterB_Dual_F = nullptr;

    // Timing diagrams and the power-saving note.
    QLabel* Image_Output_A = nullptr;
    QLabel* Image_Output_B = nullptr;
    QLabel* lblPSCaution = nullptr;

    // Menu items whose check marks the handlers keep.
    QAction* mFuncModeSelect[7] = {};
    QAction* mKP = nullptr;
    QAction* mPowerSaving = nullptr;

    // Combo selection handlers: store the byte, update what depends on it, and mark
    // the set changed when the byte changed.
    void cboCountModeA_Click();
    void cboCountDirectionA_Click();
    void cboOutputModeA_Click();
    void cboCountInputModeB_Click();
    void cboDotAdjB_Click();
    void cboMaxFreqB_Click();
    void cboOutputModeB_Click();
    void cboSampleAvgB_F_Click();
    void cboDotAdjB_F_Click();
    void cboMaxFreqB_F_Click();
    void cboOutputModeB_F_Click();
    void cboOutputMode_T_Dual_0_Click();
    void cboOutputMode_T_Dual_1_Click();
    void cboOutputMode_C_Dual_0_Click();
    void cboCountInputMode_C_Dual_1_Click();
    void cboMaxFreq_C_Dual_1_Click();
    void cboOutputMode_C_Dual_1_Click();
    void cboOutputModeA_Dual_F_Click();
    void cboSampleAvgB_Dual_F_Click();
    void cboMaxFreqB_Dual_F_Click();
    void cboOutputModeB_Dual_F_Click();
    void cboSGWidth_All_Click();
    void cboInputMethod_All_Click();

    // Function modes 0 to 6.
    void mFuncModeSelect_0_Click();
    void mFuncModeSelect_1_Click();
    void mFuncModeSelect_2_Click();
    void mFuncModeSelect_3_Click();
    void mFuncModeSelect_4_Click();
    void mFuncModeSelect_5_Click();
    void mFuncModeSelect_6_Click();

    // Toggles.
    void mKP_Click();
    void mPowerSaving_Click();

    // Brings diagram A (index 0) or B (any other index) to the front.
    void optPic_Click(int index);

    // The path of the picture the last diagram update asked for, shown or not
    // (a missing file leaves the earlier picture in place).
    QString sDiagramPathA;
    QString sDiagramPathB;
};
