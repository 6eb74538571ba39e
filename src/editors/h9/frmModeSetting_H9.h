#pragma once
// The H9 editor window: one H9 parameter set, edited in the panels of its seven
// function modes. The option choices live in the bytes of core/h9_params.h, the
// numeric values as the captions of the digit rows, which the encoders, checks and
// writers read through the window's H9Rows view.
//
// Other windows drive the editor through its public handlers: select the function
// mode with mFuncModeSelect_N_Click, toggle key protection and power saving with
// mKP_Click and mPowerSaving_Click, run a combo's ..._Click handler. The loader sets
// combos with SetListIndex (editors/common/combo_select.h), which runs the combo's
// handler, and digits with setCaption, which marks the set changed.
// The window loads (and resets every panel) on its first use through instance().
#include "core/digit_rows.h"
#include "core/h9_params.h"
#include "core/settings_buffers.h"
#include "core/shell.h"
#include "editors/common/digit_label_array.h"
#include "editors/common/image_control.h"
#include "platform/single_form.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

// The controls of the window, made and placed by its setupUi (frmModeSetting_H9_layout.cpp).
struct Ui_frmModeSetting_H9 {
    // ---- Option combos ----
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
    // Display only: dual counter 0's fixed input mode and counting speed (no byte).
    QComboBox* cboCountInputMode_C_Dual_0 = nullptr;
    QComboBox* cboMaxFreq_C_Dual_0 = nullptr;

    // ---- Digit rows (labels 0-5 the digits, most significant first; 6 the separator) ----
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

    // ---- Panels of the function modes ----
    QWidget* picST_A = nullptr; // timer A (modes 0, 1)
    QWidget* picSC_B = nullptr; // 1-stage counter B (mode 0)
    QWidget* picSF_B = nullptr; // tachometer B (mode 1)
    QWidget* picDC_A = nullptr; // dual counter 0 (modes 2-4)
    QWidget* picDC_B = nullptr; // dual counter 1 (modes 2-4)
    QWidget* picDT_A = nullptr; // 2-stage timer, stage 0 (mode 5)
    QWidget* picDT_B = nullptr; // 2-stage timer, stage 1 (mode 5)
    QWidget* picDF_A = nullptr; // tachometer set value A (mode 6)
    QWidget* picDF_B = nullptr; // tachometer set value B (mode 6)

    // ---- Labels the handlers change ----
    QLabel* txtCH_A = nullptr;
    QLabel* txtCH_B = nullptr;
    QLabel* lblCountInputMode_C_Dual_0 = nullptr;
    QLabel* lblMaxFreq_C_Dual_0 = nullptr;
    QLabel* lblPSCaution = nullptr;

    // ---- Diagram area ----
    QToolButton* optPic[2] = {};
    ImageControl* ImageCH_A = nullptr;
    ImageControl* ImageCH_B = nullptr;
    ImageControl* Image_Output_A = nullptr;
    ImageControl* Image_Output_B = nullptr;
    // A diagram's requestedFile() is the file its last update asked for, shown or not
    // (a missing file leaves the earlier picture in place).

    // ---- Menu items whose state the handlers keep ----
    QAction* mFuncModeSelect_0 = nullptr;
    QAction* mFuncModeSelect_1 = nullptr;
    QAction* mFuncModeSelect_2 = nullptr;
    QAction* mFuncModeSelect_3 = nullptr;
    QAction* mFuncModeSelect_4 = nullptr;
    QAction* mFuncModeSelect_5 = nullptr;
    QAction* mFuncModeSelect_6 = nullptr;
    QAction* mPLC = nullptr;
    QAction* mDownload_A = nullptr;
    QAction* mDownload_B = nullptr;
    QAction* mKP = nullptr;
    QAction* mPowerSaving = nullptr;
};

class frmModeSetting_H9 : public QWidget,
                          public platform::SingleForm<frmModeSetting_H9>,
                          public core::ToolbarCommandTarget,
                          public H9Rows,
                          private Ui_frmModeSetting_H9 {
    Q_OBJECT
    // The loader and the refresh set the controls as the user does; tests reach them
    // through FormAccess (tests/support/form_access.h).
    friend int LoadFileImage_H9(const SettingFileImage& image, int failCode);
    friend void RefreshDependentControlsH9();
    friend struct FormAccess;

public:
    frmModeSetting_H9();
    ~frmModeSetting_H9() override;

    // Shows the window as the main window's child.
    void Show();

    // ---- Combo selection handlers: store the byte (marking the set changed when it
    // changes) and bring the dependent rows and diagrams in line. A re-run with an
    // unchanged selection changes no value. ----
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

    // ---- Function modes 0 to 6 ----
    void mFuncModeSelect_0_Click();
    void mFuncModeSelect_1_Click();
    void mFuncModeSelect_2_Click();
    void mFuncModeSelect_3_Click();
    void mFuncModeSelect_4_Click();
    void mFuncModeSelect_5_Click();
    void mFuncModeSelect_6_Click();

    // ---- Toggles ----
    void mKP_Click();          // key protection; leaves frmMDI.bChange alone
    void mPowerSaving_Click(); // power saving; marks the set changed

    // Brings diagram A (index 0) or B (any other index) to the front.
    void optPic_Click(int index);

    bool invokeCommand(const QString& handlerName) override;
    // H9Rows: the digit rows for the encoders, checks and writers.
    QString rowText(H9Row row) const override;

private:
    void Form_Load();
    void Form_Activate();
    // Makes and places the controls (frmModeSetting_H9_layout.cpp).
    void setupUi();
    void BuildDesignLists();
    void ApplyDesignRowLayouts();
    void ConnectHandlers();
    void ApplyTextsH9();

    void ResetCommonH9();
    void ResetDualCounterPanel();
    void ResetDualTachoPanel();
    void ResetDualTimerPanel();
    void ResetSingleTimerPanel();
    void ResetChannelBPanels();

    // The steps every function-mode handler shares (see the .cpp).
    void SelectFunctionMode(int mode);
    void PrepareDualCounterLists(int subMode);

    // Diagram pictures, named from the current bytes.
    void LoadDiagramST();
    void LoadDiagramSC();
    void LoadDiagramSF();
    void LoadDiagramDC();
    void LoadDiagramDualCounter1();
    void LoadDiagramDualCounter0();
    void LoadDiagramDT();
    void LoadDiagramDF();
    void LoadDiagram(ImageControl* image, const QString& folder, const QString& fileName);
    void SetImageCHB(const QString& bitmapName);
};
