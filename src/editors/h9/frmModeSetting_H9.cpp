#include "editors/h9/frmModeSetting_H9.h"

#include "editors/common/combo_fit.h"
#include "editors/common/combo_select.h"
#include "editors/common/refresh.h"
#include "editors/h9/h9_refresh.h"
#include "platform/bitmaps.h"
#include "platform/strings.h"
#include "platform/twips.h"
#include "settings_file/h9_image.h"

using platform::LoadResString;

frmModeSetting_H9::frmModeSetting_H9()
    : EditorForm({core::button::Save, core::button::Download, core::button::MonitorStart, core::button::Split02,
                  core::button::KP, core::button::PowerSaving})
{
    setObjectName(QStringLiteral("frmModeSetting_H9"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setProperty("Tag", QStringLiteral("1"));
    setWindowTitle(QStringLiteral("Unknown01.kvf"));
    setupUi();
    BuildDesignLists();
    ApplyDesignRowLayouts();
    ConnectHandlers();
    Form_Load();
    H9Rows::setRegistered(this);
    SetRefreshRoutine(0, 0, [](int) { RefreshDependentControlsH9(); });
}

frmModeSetting_H9::~frmModeSetting_H9() = default;

QString frmModeSetting_H9::rowText(H9Row row) const
{
    // In the order of H9Row.
    static constexpr DigitLabelArray* frmModeSetting_H9::*kRows[kH9RowCount] = {
        &frmModeSetting_H9::lblTimerSettingA,
        &frmModeSetting_H9::lblHoldTimeA,
        &frmModeSetting_H9::lblCounterSettingB,
        &frmModeSetting_H9::lblHoldCounterB,
        &frmModeSetting_H9::lblMagnificationB,
        &frmModeSetting_H9::lblCounterSettingB_F,
        &frmModeSetting_H9::lblHoldCounterB_F,
        &frmModeSetting_H9::lblMagnificationB_F,
        &frmModeSetting_H9::lblTimerSetting_T_Dual_0,
        &frmModeSetting_H9::lblTimerSetting_T_Dual_1,
        &frmModeSetting_H9::lblHoldTime_T_Dual_0,
        &frmModeSetting_H9::lblHoldTime_T_Dual_1,
        &frmModeSetting_H9::lblCounterSetting_C_Dual_0,
        &frmModeSetting_H9::lblCounterSetting_C_Dual_1,
        &frmModeSetting_H9::lblHoldCounter_C_Dual_0,
        &frmModeSetting_H9::lblHoldCounter_C_Dual_1,
        &frmModeSetting_H9::lblCounterSettingA_Dual_F,
        &frmModeSetting_H9::lblCounterSettingB_Dual_F,
        &frmModeSetting_H9::lblHoldCounterB_Dual_F,
    };
    // An unloaded editor, still waiting for its deletion, holds no set.
    if (loaded() != this)
        return QString();
    return (this->*kRows[static_cast<int>(row)])->rowText();
}

void frmModeSetting_H9::ConnectHandlers()
{
    const std::pair<QComboBox*, void (frmModeSetting_H9::*)()> combos[] = {
        {cboCountModeA, &frmModeSetting_H9::cboCountModeA_Click},
        {cboCountDirectionA, &frmModeSetting_H9::cboCountDirectionA_Click},
        {cboOutputModeA, &frmModeSetting_H9::cboOutputModeA_Click},
        {cboCountInputModeB, &frmModeSetting_H9::cboCountInputModeB_Click},
        {cboDotAdjB, &frmModeSetting_H9::cboDotAdjB_Click},
        {cboMaxFreqB, &frmModeSetting_H9::cboMaxFreqB_Click},
        {cboOutputModeB, &frmModeSetting_H9::cboOutputModeB_Click},
        {cboSampleAvgB_F, &frmModeSetting_H9::cboSampleAvgB_F_Click},
        {cboDotAdjB_F, &frmModeSetting_H9::cboDotAdjB_F_Click},
        {cboMaxFreqB_F, &frmModeSetting_H9::cboMaxFreqB_F_Click},
        {cboOutputModeB_F, &frmModeSetting_H9::cboOutputModeB_F_Click},
        {cboOutputMode_T_Dual_0, &frmModeSetting_H9::cboOutputMode_T_Dual_0_Click},
        {cboOutputMode_T_Dual_1, &frmModeSetting_H9::cboOutputMode_T_Dual_1_Click},
        {cboOutputMode_C_Dual_0, &frmModeSetting_H9::cboOutputMode_C_Dual_0_Click},
        {cboCountInputMode_C_Dual_1, &frmModeSetting_H9::cboCountInputMode_C_Dual_1_Click},
        {cboMaxFreq_C_Dual_1, &frmModeSetting_H9::cboMaxFreq_C_Dual_1_Click},
        {cboOutputMode_C_Dual_1, &frmModeSetting_H9::cboOutputMode_C_Dual_1_Click},
        {cboOutputModeA_Dual_F, &frmModeSetting_H9::cboOutputModeA_Dual_F_Click},
        {cboSampleAvgB_Dual_F, &frmModeSetting_H9::cboSampleAvgB_Dual_F_Click},
        {cboMaxFreqB_Dual_F, &frmModeSetting_H9::cboMaxFreqB_Dual_F_Click},
        {cboOutputModeB_Dual_F, &frmModeSetting_H9::cboOutputModeB_Dual_F_Click},
        {cboSGWidth_All, &frmModeSetting_H9::cboSGWidth_All_Click},
        {cboInputMethod_All, &frmModeSetting_H9::cboInputMethod_All_Click},
    };
    for (const auto& entry : combos)
        BindComboClick(entry.first, [this, handler = entry.second] { (this->*handler)(); });

    for (DigitLabelArray* row : findChildren<DigitLabelArray*>()) {
        // Any caption change of a row is an edit of the set.
        connect(row, &DigitLabelArray::Change, this, [] { core::shell().bChange = true; });
        connect(row, &DigitLabelArray::MouseDown, this,
                [row](int index, Qt::MouseButton button) { row->Wheel(index, button); });
    }

    const std::pair<QAction*, void (frmModeSetting_H9::*)()> actions[] = {
        {mNew, &frmModeSetting_H9::mNew_Click},
        {mOpenSetting, &frmModeSetting_H9::mOpenSetting_Click},
        {mClose, &frmModeSetting_H9::mClose_Click},
        {mSaveSetting, &frmModeSetting_H9::mSaveSetting_Click},
        {mSaveAs, &frmModeSetting_H9::mSaveAs_Click},
        {mExit, &frmModeSetting_H9::mExit_Click},
        {mUpload, &frmModeSetting_H9::mUpload_Click},
        {mDownload, &frmModeSetting_H9::mDownload_Click},
        {mDownload_A, &frmModeSetting_H9::mDownload_A_Click},
        {mDownload_B, &frmModeSetting_H9::mDownload_B_Click},
        {mCompare, &frmModeSetting_H9::mCompare_Click},
        {mMonitoring, &frmModeSetting_H9::mMonitoring_Click},
        {mCommSetting, &frmModeSetting_H9::mCommSetting_Click},
        {mKP, &frmModeSetting_H9::KeyProtectChosen},
        {mPowerSaving, &frmModeSetting_H9::mPowerSaving_Click},
        {mVelHelp, &frmModeSetting_H9::mVelHelp_Click},
        {mAbout, &frmModeSetting_H9::mAbout_Click},
    };
    for (const auto& entry : actions)
        connect(entry.first, &QAction::triggered, this, [this, handler = entry.second] { (this->*handler)(); });
    QAction* const modes[] = {mFuncModeSelect_0, mFuncModeSelect_1, mFuncModeSelect_2, mFuncModeSelect_3,
                              mFuncModeSelect_4, mFuncModeSelect_5, mFuncModeSelect_6};
    for (int mode = 0; mode < 7; ++mode)
        BindFunctionModeItem(modes[mode], mode, [this, mode] { SelectFunctionMode(mode); });
    for (int i = 0; i < 2; ++i)
        connect(optPic[i], &QToolButton::clicked, this, [this, i] { optPic_Click(i); });
    connect(cmdDownload_All_A, &QPushButton::clicked, this, &frmModeSetting_H9::cmdDownload_All_A_Click);
    // Pressed, the button shows its pressed picture.
    connect(cmdDownload_All_A, &QPushButton::pressed, cmdDownload_All_A, [b = cmdDownload_All_A] {
        b->setIcon(QIcon(platform::LoadResPicture(QStringLiteral("IMAGE_DOWNLOAD_D"))));
    });
    connect(cmdDownload_All_A, &QPushButton::released, cmdDownload_All_A, [b = cmdDownload_All_A] {
        b->setIcon(QIcon(platform::LoadResPicture(QStringLiteral("IMAGE_DOWNLOAD_E"))));
    });
}

void frmModeSetting_H9::Form_Load()
{
    ApplyTextsH9();
    timerCounterParamsH9.nFuncB_H9 = 0;
    ResetCommonH9();
    ResetDualCounterPanel();
    ResetDualTachoPanel();
    ResetDualTimerPanel();
    ResetSingleTimerPanel();
    ResetChannelBPanels();
    timerCounterParamsH9.bPowerSaving_H9 = 0;
    core::Shell& mdi = core::shell();
    mdi.nLoadForm = 1;
    mdi.Buttons(core::button::PowerSaving).setValue(false);
    StartFreshSet(mKP);
}

void frmModeSetting_H9::ApplyTextsH9()
{
    // In the order of the menu bar; a menu's caption is its title action's text.
    const std::pair<QAction*, int> menus[] = {
        {mFile->menuAction(), res::kMenuFile}, {mNew, res::kMenuNew}, {mOpenSetting, res::kMenuOpen},
        {mClose, res::kMenuClose}, {mSaveSetting, res::kMenuSave}, {mSaveAs, res::kMenuSaveAs},
        {mExit, res::kMenuExit}, {mMode->menuAction(), res::kMenuFunctionSelection},
        {mFuncModeSelect_0, res::kH9TimerCounter}, {mFuncModeSelect_1, res::kH9TimerTachometer},
        {mFuncModeSelect_2, res::kH9CounterTotalCounter}, {mFuncModeSelect_3, res::kH9CounterBatchCounter},
        {mFuncModeSelect_4, res::kH9TwoCounters}, {mFuncModeSelect_5, res::kH9TwoStageTimer},
        {mFuncModeSelect_6, res::kH9Tachometer}, {mTool->menuAction(), res::kMenuCommunication},
        {mUpload, res::kMenuUpload}, {mDownloadMenu->menuAction(), res::kMenuDownload},
        {mDownload, res::kMenuDownloadAll}, {mDownload_A, res::kMenuDownloadA}, {mDownload_B, res::kMenuDownloadB},
        {mCompare, res::kMenuCompare}, {mMonitor->menuAction(), res::kMenuMonitor}, {mMonitoring, res::kMonitoring},
        {mSetting->menuAction(), res::kMenuOption}, {mCommSetting, res::kCommSettings}, {mKP, res::kKeyProtection},
        {mPowerSaving, res::kPowerSaving}, {mHelp->menuAction(), res::kMenuHelp}, {mVelHelp, res::kProgramHelp},
        {mAbout, res::kAbout},
    };
    for (auto [action, id] : menus)
        action->setText(LoadResString(id));

    static const std::pair<const char*, int> labels[] = {
        {"txtCH_A", res::kTimerTitle}, {"txtCH_B", res::kCounterTitle}, {"lblOutputMode_DC_A", res::kOutputModeLabel},
        {"lblSetValue_DC_A", res::kSetValueLabel}, {"lblOutputTime_DC_A", res::kOutputTimeLabel},
        {"lblCountInputMode_C_Dual_0", res::kInputModeLabel}, {"lblMaxFreq_C_Dual_0", res::kCountingSpeedLabel},
        {"lblInputMode_DC_B", res::kInputModeLabel}, {"lblCountSpeed_DC_B", res::kCountingSpeedLabel},
        {"lblOutputMode_DC_B", res::kOutputModeLabel}, {"lblSetValue_DC_B", res::kSetValueLabel},
        {"lblOutputTime_DC_B", res::kOutputTimeLabel}, {"lblTimeRange_ST_A", res::kTimeRangeLabel},
        {"lblCountDir_ST_A", res::kTimeModeLabel}, {"lblOutputMode_ST_A", res::kOutputModeLabel},
        {"lblSetValue_ST_A", res::kSetValueLabel}, {"lblOutputTime2_ST_A", res::kOutputTimeLabel},
        {"lblAvg_SF_B", res::kAverageProcessingLabel}, {"lblDotAdj_SF_B", res::kDecimalPointLabel},
        {"lblOutputMode_SF_B", res::kOutputModeLabel}, {"lblCountSpeed_SF_B", res::kCountingSpeedLabel},
        {"lblMagnification2_SF_B", res::kPrescaleLabel}, {"lblStartupTime_B_F", res::kStartupTimeLabel},
        {"lblSetValue_B_F", res::kSetValueLabel}, {"lblOutputMode_DT_A", res::kOutputModeLabel},
        {"lblSetting_0", res::kSetValueLabel}, {"lblOutputMode2_DT_A", res::kOutputTimeLabel},
        {"lblInputMode_SC_B", res::kInputModeLabel}, {"lblDotAdj_SC_B", res::kDecimalPointLabel},
        {"lblCountSpeed_SC_B", res::kCountingSpeedLabel}, {"lblOutputMode_SC_B", res::kOutputModeLabel},
        {"lblPrescale_SC_B", res::kPrescaleLabel}, {"lblOutputTime_SC_B", res::kOutputTimeLabel},
        {"lblSetValue_SC_B", res::kSetValueLabel}, {"lblOutput_DF_A", res::kOutputModeLabel},
        {"lblSetValue_DF_A", res::kSetValueLabel}, {"lblOutputMode_DT_B", res::kOutputModeLabel},
        {"lblSetValue_DT_B", res::kSetValueLabel}, {"lblOutputTime_DT_B", res::kOutputTimeLabel},
        {"lblAvg_DF_B", res::kAverageProcessingLabel}, {"lblCouttSpeed_DF_B", res::kCountingSpeedLabel},
        {"lblOutputMode_DF_B", res::kOutputModeLabel}, {"lblSetValue_DF_B", res::kSetValueLabel},
        {"lblStartupTime_DF_B", res::kStartupTimeLabel}, {"lblInputWidth_H57", res::kInputSignalWidthLabel},
        {"lblInputMethod_H57", res::kNpnPnpInputModeLabel}, {"lblPSCaution", res::kPowerSavingNote},
    };
    for (auto [name, id] : labels)
        if (auto* l = findChild<QLabel*>(QString::fromLatin1(name)))
            l->setText(LoadResString(id));

    auto ids = [](int first, int last) {
        QStringList items;
        for (int id = first; id <= last; ++id)
            items << LoadResString(id);
        return items;
    };
    const std::pair<QComboBox*, QStringList> lists[] = {
        {cboOutputMode_C_Dual_0, ids(res::kSelfHoldingOutput, res::kOneShotOutput)},
        {cboCountInputMode_C_Dual_0, ids(res::kIndividualUp, res::kIndividualUp)},
        {cboCountDirectionA, ids(res::kUp, res::kDown)},
        {cboOutputModeA, ids(res::kH9TimerOutputModeFirst, res::kH9TimerOutputModeLast)},
        {cboOutputMode_T_Dual_0, ids(res::kSelfHoldingOutput, res::kOneShotOutput)},
        {cboCountInputMode_C_Dual_1, ids(res::kH9CounterInputModeFirst, res::kH9CounterInputModeLast)},
        {cboCountInputModeB, ids(res::kH9CounterInputModeFirst, res::kH9CounterInputModeLast)},
        {cboOutputMode_T_Dual_1, ids(res::kSelfHoldingOutput, res::kOneShotOutput)},
        {cboOutputModeB_F, ids(res::kOutputOn, res::kOutputOff)},
        {cboOutputModeA_Dual_F, ids(res::kOutputOn, res::kOutputOff)},
        {cboOutputModeB_Dual_F, ids(res::kOutputOn, res::kOutputOff)},
    };
    for (const auto& [combo, items] : lists)
        FillComboList(combo, items);
    FitComboFonts();
}

void frmModeSetting_H9::FitComboFonts()
{
    for (QComboBox* c : findChildren<QComboBox*>())
        FitComboFont(c, platform::formFont(9));
}

bool frmModeSetting_H9::invokeOwnCommand(core::ToolbarCommand command)
{
    if (command != core::ToolbarCommand::PowerSaving)
        return false;
    mPowerSaving_Click();
    return true;
}

void frmModeSetting_H9::mPowerSaving_Click()
{
    core::Shell& mdi = core::shell();
    core::ToolbarButtonState& button = mdi.Buttons(core::button::PowerSaving);
    if (timerCounterParamsH9.bPowerSaving_H9 != 0) {
        timerCounterParamsH9.bPowerSaving_H9 = 0;
        mPowerSaving->setChecked(false);
        button.setValue(false);
        lblPSCaution->setVisible(false);
        button.setImage(QStringLiteral("PS_OFF"));
    } else {
        timerCounterParamsH9.bPowerSaving_H9 = 1;
        mPowerSaving->setChecked(true);
        button.setValue(true);
        lblPSCaution->setVisible(true);
        button.setImage(QStringLiteral("PS_ON"));
    }
    mdi.bChange = true;
}

void frmModeSetting_H9::optPic_Click(int index)
{
    (index == 0 ? Image_Output_A : Image_Output_B)->raise();
}
