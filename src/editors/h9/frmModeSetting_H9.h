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
// The window loads (and resets every panel) on its first use through instance(). Its
// life as a window (the save question, closing, unloading, key protection, the commands
// shared with the H5/H7 editor) is EditorWindow's (editors/common/editor_window.h).
#include "core/digit_rows.h"
#include "core/h9_params.h"
#include "core/settings_buffers.h"
#include "editors/common/digit_label_array.h"
#include "editors/common/editor_window.h"
#include "editors/common/image_control.h"
#include "transfer/transfer_jobs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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

    // ---- Diagram area and the download button under it ----
    QToolButton* optPic[2] = {};
    ImageControl* ImageCH_A = nullptr;
    ImageControl* ImageCH_B = nullptr;
    ImageControl* Image_Output_A = nullptr;
    ImageControl* Image_Output_B = nullptr;
    // A diagram's requestedFile() is the file its last update asked for, shown or not
    // (a missing file leaves the earlier picture in place).
    QPushButton* cmdDownload_All_A = nullptr;
    // The client area under the menus; every position above is inside it.
    QWidget* client = nullptr;

    // ---- Menus, in the order of the menu bar ----
    QMenuBar* menuBar = nullptr;
    QMenu* mFile = nullptr;
    QAction* mNew = nullptr;          // Ctrl+N
    QAction* mOpenSetting = nullptr;  // Ctrl+O
    QAction* mClose = nullptr;
    QAction* mSaveSetting = nullptr;  // Ctrl+S
    QAction* mSaveAs = nullptr;       // Ctrl+A
    QAction* mExit = nullptr;
    QMenu* mMode = nullptr;
    QAction* mFuncModeSelect_0 = nullptr;
    QAction* mFuncModeSelect_1 = nullptr;
    QAction* mFuncModeSelect_2 = nullptr;
    QAction* mFuncModeSelect_3 = nullptr;
    QAction* mFuncModeSelect_4 = nullptr;
    QAction* mFuncModeSelect_5 = nullptr;
    QAction* mFuncModeSelect_6 = nullptr;
    QAction* mPLC = nullptr;          // hidden and disabled
    QMenu* mTool = nullptr;
    QAction* mUpload = nullptr;       // F11
    QMenu* mDownloadMenu = nullptr;
    QAction* mDownload = nullptr;     // F9
    QAction* mDownload_A = nullptr;   // F6
    QAction* mDownload_B = nullptr;   // F7
    QAction* mCompare = nullptr;      // F8
    QAction* mDefaultValue = nullptr; // hidden and disabled, no handler
    QMenu* mMonitor = nullptr;
    QAction* mMonitoring = nullptr;   // Ctrl+M
    QMenu* mSetting = nullptr;
    QAction* mCommSetting = nullptr;  // Ctrl+U
    QAction* mKP = nullptr;           // Ctrl+K
    QAction* mPowerSaving = nullptr;  // Ctrl+H
    QMenu* mHelp = nullptr;
    QAction* mVelHelp = nullptr;      // F1
    QAction* mAbout = nullptr;
};

class frmModeSetting_H9 : public EditorForm<frmModeSetting_H9>,
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

    // ---- Commands (h9_commands.cpp; the rest are EditorWindow's) ----
    // Download of the whole set (also the button under the diagrams).
    void mDownload_Click() override;
    // Power saving: marks the set changed.
    void mPowerSaving_Click();

    // Brings diagram A (index 0) or B (any other index) to the front.
    void optPic_Click(int index);

    // H9Rows: the digit rows for the encoders, checks and writers.
    QString rowText(H9Row row) const override;

private:
    void Form_Load();
    // EditorWindow: the H9 image, device type code 1, the toolbar's PowerSaving.
    int BuildSettingsImage() override;
    int ModelCode() const override { return 1; }
    int FunctionMode() const override { return functionMode_; }
    bool invokeOwnCommand(core::ToolbarCommand command) override;

    // Makes and places the controls (frmModeSetting_H9_layout.cpp).
    void setupUi();
    void BuildMenus();
    void BuildDiagramArea(QWidget* Picture1);
    void BuildDesignLists();
    void ApplyDesignRowLayouts();
    void ConnectHandlers();
    void ApplyTextsH9();
    // Narrows the font of a combo whose longest item would not fit its box.
    void FitComboFonts();
    // The fourteen items of a counter's output list.
    static const QStringList& CounterOutputItems();

    void ResetCommonH9();
    void ResetDualCounterPanel();
    void ResetDualTachoPanel();
    void ResetDualTimerPanel();
    void ResetSingleTimerPanel();
    void ResetChannelBPanels();

    // The steps every function-mode handler shares (see the .cpp).
    void SelectFunctionMode(int mode);
    // The mode the last SelectFunctionMode chose; none before the first.
    int functionMode_ = -1;
    void PrepareDualCounterLists(int subMode);

    // Commands private to the window.
    void mDownload_A_Click();
    void mDownload_B_Click();
    void mCompare_Click();
    void cmdDownload_All_A_Click();
    // The downloads and the compare: the transfer, then the refresh of the window.
    void Transfer(TransferJob job, DownloadKind downloadKind);

    // Diagram pictures, named from the current bytes (h9_diagram_names.h).
    void LoadDiagramST();
    void LoadDiagramSC();
    void LoadDiagramSF();
    void LoadDiagramDC();
    void LoadDiagramDualCounter1();
    void LoadDiagramDualCounter0();
    void LoadDiagramDT();
    void LoadDiagramDF();
    void LoadDiagram(ImageControl* image, const QString& relativePath);
    // The diagrams of the function mode the coding bytes select.
    void LoadModeDiagrams();
    void SetImageCHB(const QString& bitmapName);
};
