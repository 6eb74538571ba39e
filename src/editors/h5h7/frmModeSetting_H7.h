#pragma once
// The H5/H7 editor: one child window holding the H5 timer half (function modes 0 to 2)
// and the H7 counter half (modes 3 to 8); an H8 set offers all nine. The option
// choices live in timerParamsH5 / counterParamsH7 and nFuncMode (core/h5h7_params.h),
// the numeric values only as the captions of the digit rows, which the encoders, the
// compare and the writers read through the window's H5H7Rows view.
//
// Driving it from code (loaders, refresh): set a combo's list index with
// SetListIndex(combo, index), which refuses an index outside the list and otherwise
// runs the combo's handler exactly as a user's choice does; set digits with
// row->label(i)->setCaption(text); choose a mode with mFuncModeSelect_N_Click().
// Its life as a window (the save question, closing, unloading, key protection, the
// commands shared with the H9 editor) is EditorWindow's (editors/common/editor_window.h).
#include "core/digit_rows.h"
#include "core/h5h7_params.h"
#include "core/settings_buffers.h"
#include "editors/common/digit_label_array.h"
#include "editors/common/editor_window.h"
#include "editors/common/image_control.h"
#include "transfer/transfer_jobs.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

// The controls of the window, made and placed by its setupUi (frmModeSetting_H7_layout.cpp).
struct Ui_frmModeSetting_H7 {
    // ---- H5 timer half ----
    QWidget* picMode_H5 = nullptr;
    QWidget* picTimer_H5_A = nullptr;
    QWidget* picTimer_H5_B = nullptr;
    QWidget* picTimer_H5_C = nullptr;
    QWidget* picCommon_H5 = nullptr;

    QComboBox* cboTimerRange_A_H5 = nullptr;
    QComboBox* cboTimerDirection_A_H5 = nullptr;
    QComboBox* cboOutputMode_A_H5 = nullptr;
    QComboBox* cboTimerRangeOFF_B_H5 = nullptr;
    QComboBox* cboTimerRangeON_B_H5 = nullptr;
    QComboBox* cboTimerDirection_B_H5 = nullptr;
    QComboBox* cboOutputMode_B_H5 = nullptr;
    QComboBox* cboSettingMode_C_H5 = nullptr;
    QComboBox* cboTimerRange_C_H5 = nullptr;
    QComboBox* cboOutputMode_C_H5 = nullptr;
    QComboBox* cboKP_All_H5 = nullptr;
    QComboBox* cboSGWidth_All_H5 = nullptr;
    QComboBox* cboInputMethod_All_H5 = nullptr;

    DigitLabelArray* lblTimerSetting_A_H5 = nullptr;
    DigitLabelArray* lblHoldTime_A_H5 = nullptr;
    DigitLabelArray* lblDutyRatio_A_H5 = nullptr;
    DigitLabelArray* lblSettingValueOFF_B_H5 = nullptr;
    DigitLabelArray* lblSettingValueON_B_H5 = nullptr;
    DigitLabelArray* lblSV1_C_H5 = nullptr;
    DigitLabelArray* lblSV2_C_H5 = nullptr;

    QLabel* lblTimerDir_A_H5 = nullptr;
    QLabel* lblOutputMode_A_H5 = nullptr;
    QLabel* lblTimerRange_A_H5 = nullptr;
    QLabel* lblSetValue_A_H5 = nullptr;
    QLabel* lblOutputMode2_A_H5 = nullptr;
    QLabel* lblRatio_A_H5 = nullptr;
    QLabel* lblSettingMode_C_H5 = nullptr;
    QLabel* lblOutputMode_C_H5 = nullptr;
    QLabel* lblTimerRange_C_H5 = nullptr;
    QLabel* lblSetValue1_C_H5 = nullptr;
    QLabel* lblSetValue2_C_H5 = nullptr;
    QLabel* lblTimerDir_B_H5 = nullptr;
    QLabel* lblOutputMode_B_H5 = nullptr;
    QLabel* lblTimerRange1_B_H5 = nullptr;
    QLabel* lblSetValue1_B_H5 = nullptr;
    QLabel* lblTimerRange2_B_H5 = nullptr;
    QLabel* lblSetValue2_B_H5 = nullptr;
    QLabel* lblInputWidth_H5 = nullptr;
    QLabel* lblInputMethod_H5 = nullptr;
    QLabel* lblKeyProtect_H5 = nullptr;

    // ---- H7 counter half ----
    QWidget* picMode_H7 = nullptr;
    QWidget* picTimer_H7_1st_total = nullptr;
    QWidget* picTimer_H7_2nd = nullptr;
    QWidget* picTimer_H7_batch_dual = nullptr;
    QWidget* picTimer_H7_freq = nullptr;
    QWidget* picCommon_H7 = nullptr;
    QWidget* picBatch = nullptr;

    QComboBox* cboCountInputMode_1st_H7 = nullptr;
    QComboBox* cboOutputMode_1st_H7 = nullptr;
    QComboBox* cboCountInputMode_2nd_H7 = nullptr;
    QComboBox* cboOutputMode_2nd_H7 = nullptr;
    QComboBox* cboCountInputMode_batch_H7 = nullptr;
    QComboBox* cboOutputMode_batch_H7 = nullptr;
    QComboBox* cboOutputMode_freq_H7 = nullptr;
    QComboBox* cboSampleAvg_freq_H7 = nullptr;
    QComboBox* cboDotAdj_Comm_H7 = nullptr;
    QComboBox* cboInputMethod_Comm_H7 = nullptr;
    QComboBox* cboKP_Comm_H7 = nullptr;
    QComboBox* cboMaxFreq_Comm_H7 = nullptr;
    QComboBox* cboSGWidth_Comm_H7 = nullptr;

    DigitLabelArray* lblMagnification_Comm_H7 = nullptr;
    DigitLabelArray* lblHoldCounter_1st_H7 = nullptr;
    DigitLabelArray* lblCounterSetting_1st_H7 = nullptr;
    DigitLabelArray* lblHoldCounter_2nd_1_H7 = nullptr;
    DigitLabelArray* lblHoldCounter_2nd_2_H7 = nullptr;
    DigitLabelArray* lblCounterSetting_2nd_1_H7 = nullptr;
    DigitLabelArray* lblCounterSetting_2nd_2_H7 = nullptr;
    DigitLabelArray* lblHoldCounter_batch_H7 = nullptr;
    DigitLabelArray* lblCounterSetting_batch_1_H7 = nullptr;
    DigitLabelArray* lblCounterSetting_batch_2_H7 = nullptr;
    DigitLabelArray* lblAuto2ZeroTime_freq_H7 = nullptr;
    DigitLabelArray* lblDelay2StartTime_freq_H7 = nullptr;
    DigitLabelArray* lblCounterSetting_freq_1_H7 = nullptr;
    DigitLabelArray* lblCounterSetting_freq_2_H7 = nullptr;

    QLabel* lblInputMode_H7_1st = nullptr;
    QLabel* lblOutputMode_H7_1st = nullptr;
    QLabel* lblOutputTime_H7_1st = nullptr;
    QLabel* lblSetValue_H7_1st = nullptr;
    QLabel* lblOutputMode_H7_freq = nullptr;
    QLabel* lblAvg_H7_freq = nullptr;
    QLabel* lblAutoZero_H7_freq = nullptr;
    QLabel* lblStartupTime_H7_freq = nullptr;
    QLabel* lblSetValue1_H7_freq = nullptr;
    QLabel* lblSetValue2_H7_freq = nullptr;
    QLabel* lblInputMode_batch_H7 = nullptr;
    QLabel* lblOutputMode_batch_H7 = nullptr;
    QLabel* lblOutputTime_batch_H7 = nullptr;
    QLabel* lblSetValue1_batch_H7 = nullptr;
    QLabel* lblBatch = nullptr;
    QLabel* lblInputMode_2nd_H7 = nullptr;
    QLabel* lblOutputMode_2nd_H7 = nullptr;
    QLabel* lblOutputTime1_2nd_H7 = nullptr;
    QLabel* lblSetValue1_2nd_H7 = nullptr;
    QLabel* lblOutputTime2_2nd_H7 = nullptr;
    QLabel* lblSetValue2_2nd_H7 = nullptr;
    QLabel* lblCountSpeed_H7 = nullptr;
    QLabel* lblDotAdj_H7 = nullptr;
    QLabel* lblPreScale_H7 = nullptr;
    QLabel* lblInputMethod_H7 = nullptr;
    QLabel* lblKPLevel_H7 = nullptr;
    QLabel* lblSGWidth_Comm_H7 = nullptr;

    // ---- picture area ----
    QLabel* txtCH_A = nullptr;
    // The outlines: Shape1(1) around the panels, Shape1(2) around the picture frame.
    std::array<QFrame*, 3> Shape1{};
    QWidget* Picture2 = nullptr;
    ImageControl* ImageCH_A = nullptr;
    ImageControl* ImageCH_B = nullptr;
    ImageControl* Image_Output_A = nullptr;
    ImageControl* Image_Output_B = nullptr;
    ImageControl* ImageDownload = nullptr;
    std::array<QRadioButton*, 2> optPic{};
    QPushButton* cmdDownload_All_A = nullptr;

    // ---- menus ----
    QMenuBar* menuBar = nullptr;
    QMenu* mFile = nullptr;
    QAction* mNew = nullptr;
    QAction* mOpenSetting = nullptr;
    QAction* mClose = nullptr;
    QAction* mSaveSetting = nullptr;
    QAction* mSaveAs = nullptr;
    QAction* mExit = nullptr;
    QMenu* mMode = nullptr;
    QAction* mFuncModeSelect_0 = nullptr;
    QAction* mFuncModeSelect_1 = nullptr;
    QAction* mFuncModeSelect_2 = nullptr;
    QAction* mFuncModeSelect_3 = nullptr;
    QAction* mFuncModeSelect_4 = nullptr;
    QAction* mFuncModeSelect_5 = nullptr;
    QAction* mFuncModeSelect_6 = nullptr;
    QAction* mFuncModeSelect_7 = nullptr;
    QAction* mFuncModeSelect_8 = nullptr;
    QMenu* mTool = nullptr;
    QAction* mUpload = nullptr;
    QAction* mDownload = nullptr;
    QAction* mCompare = nullptr;
    QMenu* mMonitor = nullptr;
    QAction* mMonitoring = nullptr;
    QMenu* mSetting = nullptr;
    QAction* mCommSetting = nullptr;
    QAction* mKP = nullptr;
    QMenu* mHelp = nullptr;
    QAction* mVelHelp = nullptr;
    QAction* mAbout = nullptr;
};

class frmModeSetting_H7 : public EditorForm<frmModeSetting_H7>,
                          public H5H7Rows,
                          private Ui_frmModeSetting_H7 {
    Q_OBJECT
    // The loaders and the refresh set the controls as the user does; tests reach them
    // through FormAccess (tests/support/form_access.h).
    friend int LoadFileImage_H5(const SettingFileImage& image, int failCode);
    friend int LoadFileImage_H7(const SettingFileImage& image, int failCode);
    friend void RefreshDependentControlsH5H7(int kind);
    friend struct FormAccess;

public:
    frmModeSetting_H7();
    ~frmModeSetting_H7() override;

    // mFuncModeSelect_0 .. mFuncModeSelect_8 by number.
    QAction* mFuncModeSelect(int n) const;

    // ---- function modes ----
    void mFuncModeSelect_0_Click();
    void mFuncModeSelect_1_Click();
    void mFuncModeSelect_2_Click();
    void mFuncModeSelect_3_Click();
    void mFuncModeSelect_4_Click();
    void mFuncModeSelect_5_Click();
    void mFuncModeSelect_6_Click();
    void mFuncModeSelect_7_Click();
    void mFuncModeSelect_8_Click();
    // Runs the handler of mode 0 to 8; any other number does nothing.
    void FuncModeSelect(int n);

    // ---- commands (h5h7_commands.cpp; the rest are EditorWindow's) ----
    // Download of the current function mode's half (H5 in modes 0 to 2, else H7).
    void mDownload_Click() override;

    // ---- combo handlers (each runs for a user's choice and for SetListIndex) ----
    void cboSGWidth_All_H5_Click();
    void cboInputMethod_All_H5_Click();
    void cboKP_All_H5_Click();
    void cboTimerDirection_A_H5_Click();
    void cboOutputMode_A_H5_Click();
    void cboTimerDirection_B_H5_Click();
    void cboOutputMode_B_H5_Click();
    void cboSettingMode_C_H5_Click();
    void cboOutputMode_C_H5_Click();
    void cboTimerRange_A_H5_Click();
    void cboTimerRangeOFF_B_H5_Click();
    void cboTimerRangeON_B_H5_Click();
    void cboTimerRange_C_H5_Click();

    void cboCountInputMode_1st_H7_Click();
    void cboCountInputMode_2nd_H7_Click();
    void cboCountInputMode_batch_H7_Click();
    void cboOutputMode_1st_H7_Click();
    void cboOutputMode_2nd_H7_Click();
    void cboOutputMode_batch_H7_Click();
    void cboOutputMode_freq_H7_Click();
    void cboSampleAvg_freq_H7_Click();
    void cboDotAdj_Comm_H7_Click();
    void cboInputMethod_Comm_H7_Click();
    void cboKP_Comm_H7_Click();
    void cboMaxFreq_Comm_H7_Click();
    void cboSGWidth_Comm_H7_Click();

    // ---- picture area ----
    // Draws a counter timing diagram into Image_Output_A (channel 0) or _B.
    void ShowCounterDiagram(quint8 mode, quint8 inputMode, quint8 outputMode, quint8 channel);
    void optPic_Click(int index);
    void ImageCH_A_Click();
    void ImageCH_B_Click();

    // H5H7Rows: the digit rows for the encoders, the compare and the writers.
    QString rowText(H5H7Row row) const override;

    // The digit click of a row (index 0 to 6, Qt::LeftButton adds, Qt::RightButton
    // subtracts), as a press on an enabled label runs it.
    void DigitRowClick(DigitLabelArray* row, int index, Qt::MouseButton button);

private:
    void Form_Load();
    // The function-mode items of the model: H5 the three timer modes, H7 the six
    // counter modes, H8 all nine.
    void ShowFunctionModeItems();
    // EditorWindow: the image of the current mode's half, the device type code of the
    // model.
    int BuildSettingsImage() override;
    int ModelCode() const override;
    int FunctionMode() const override;

    void mCompare_Click();
    void cmdDownload_All_A_Click();
    void ImageDownload_Click();

    // Moves each half's common row right below the panel on show.
    void PlaceCommonRow();
    void ApplyMenuTexts(std::initializer_list<std::pair<QAction*, int>> modeItems);
    // Makes and places the controls (frmModeSetting_H7_layout.cpp).
    void setupUi();
    void ConnectHandlers();
    void BuildTimerHalf();
    void BuildCounterHalf();
    void BuildPictureArea();
    void BuildMenus();
    void LayoutPictureArea();

    void ResetTimerPanels();
    void ResetTimerAPanel();
    void ResetTimerBPanel();
    void ResetTimerCPanel();
    void ResetTimerCommon();
    void ResetCounterPanels();
    void ResetCounter1stPanel();
    void ResetCounter2ndPanel();
    void ResetBatchPanel();
    void ResetTachoPanel();
    void ResetCounterCommon();
    void ApplyTimerTexts();
    void ApplyCounterTexts();

    void TimerModeSelect(int n);
    void CounterModeSelect(int n);
    void CheckFuncModeItem(int n);
    // Each panel's diagram from its bytes and rows; a panel not on show draws nothing.
    void ShowTimerADiagram();
    void ShowTimerBDiagram();
    void ShowTimerCDiagram();
    void ShowFirstStageDiagrams();
    void ShowSecondStageDiagram();
    void ShowBatchDiagrams();
    void ShowTachoDiagram();
    // The diagrams of the function mode on show.
    void ShowModeDiagrams();
    // The digits of the duty ratio a click may change, so that it stays within 0 to 100.
    void ApplyDutyRatioEnables();
    // After a loader has put every row: what the rows decide follows the loaded values.
    void ApplyLoadedRows();
    // Loads a diagram file (a name of h5h7_diagrams.h) into one of the two images.
    void ShowDiagram(ImageControl* image, const QString& relativePath);
    // Grows or shrinks a counter output list when the input mode changes group.
    void applyOutputListRule(QComboBox* output, int oldInput, int newInput, bool outputAbove7,
                             quint8* outputByte);

    struct PanelBuilder;
    QComboBox* makeCombo(const QString& name, QWidget* parent, const QStringList& items,
                         void (frmModeSetting_H7::*handler)());
    DigitLabelArray* makeRow(const QString& name, QWidget* parent);
    void rowChanged(DigitLabelArray* row, int index);

    QWidget* client_ = nullptr;
};
