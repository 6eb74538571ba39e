#include "editors/h5h7/frmModeSetting_H7.h"

#include "editors/h5h7/h5h7_internal.h"
#include "editors/h5h7/h5h7_diagrams.h"
#include "core/machine_type.h"
#include "editors/common/combo_select.h"
#include "editors/common/refresh.h"
#include "editors/h5h7/h5h7_refresh.h"
#include "platform/bitmaps.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "platform/twips.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

using platform::LoadResString;
using platform::placeTw;
using namespace h5h7detail;


// ---------------------------------------------------------------- construction

frmModeSetting_H7::frmModeSetting_H7()
    : EditorForm({core::button::Save, core::button::Download, core::button::MonitorStart, core::button::Split02,
                  core::button::KP})
{
    setupUi();
    ConnectHandlers();
    Form_Load();
    H5H7Rows::setRegistered(this);
    SetRefreshRoutine(1, 3, &RefreshDependentControlsH5H7);
}

frmModeSetting_H7::~frmModeSetting_H7() = default;

// The menus, the diagram tabs and the download picture. The combos and digit rows are
// bound as they are made (makeCombo, makeRow).
void frmModeSetting_H7::ConnectHandlers()
{
    using F = frmModeSetting_H7;
    const std::pair<QAction*, void (F::*)()> actions[] = {
        {mNew, &F::mNew_Click},
        {mOpenSetting, &F::mOpenSetting_Click},
        {mClose, &F::mClose_Click},
        {mSaveSetting, &F::mSaveSetting_Click},
        {mSaveAs, &F::mSaveAs_Click},
        {mExit, &F::mExit_Click},
        {mUpload, &F::mUpload_Click},
        {mDownload, &F::mDownload_Click},
        {mCompare, &F::mCompare_Click},
        {mMonitoring, &F::mMonitoring_Click},
        {mCommSetting, &F::mCommSetting_Click},
        {mKP, &F::KeyProtectChosen},
        {mVelHelp, &F::mVelHelp_Click},
        {mAbout, &F::mAbout_Click},
    };
    for (const auto& entry : actions)
        connect(entry.first, &QAction::triggered, this, [this, handler = entry.second] { (this->*handler)(); });
    for (int n = 0; n < 9; ++n)
        BindFunctionModeItem(mFuncModeSelect(n), n, [this, n] { FuncModeSelect(n); });
    for (std::size_t i = 0; i < optPic.size(); ++i)
        connect(optPic[i], &QRadioButton::clicked, this, [this, i] { optPic_Click(static_cast<int>(i)); });
    connect(cmdDownload_All_A, &QPushButton::clicked, this, &F::cmdDownload_All_A_Click);
    connect(ImageCH_A, &ImageControl::Click, this, &F::ImageCH_A_Click);
    connect(ImageCH_B, &ImageControl::Click, this, &F::ImageCH_B_Click);
    connect(ImageDownload, &ImageControl::Click, this, &F::ImageDownload_Click);
}

QString frmModeSetting_H7::rowText(H5H7Row row) const
{
    // In the order of H5H7Row.
    static constexpr DigitLabelArray* frmModeSetting_H7::*kRows[kH5H7RowCount] = {
        &frmModeSetting_H7::lblTimerSetting_A_H5,
        &frmModeSetting_H7::lblHoldTime_A_H5,
        &frmModeSetting_H7::lblDutyRatio_A_H5,
        &frmModeSetting_H7::lblSettingValueOFF_B_H5,
        &frmModeSetting_H7::lblSettingValueON_B_H5,
        &frmModeSetting_H7::lblSV1_C_H5,
        &frmModeSetting_H7::lblSV2_C_H5,
        &frmModeSetting_H7::lblMagnification_Comm_H7,
        &frmModeSetting_H7::lblHoldCounter_1st_H7,
        &frmModeSetting_H7::lblCounterSetting_1st_H7,
        &frmModeSetting_H7::lblHoldCounter_2nd_1_H7,
        &frmModeSetting_H7::lblHoldCounter_2nd_2_H7,
        &frmModeSetting_H7::lblCounterSetting_2nd_1_H7,
        &frmModeSetting_H7::lblCounterSetting_2nd_2_H7,
        &frmModeSetting_H7::lblHoldCounter_batch_H7,
        &frmModeSetting_H7::lblCounterSetting_batch_1_H7,
        &frmModeSetting_H7::lblCounterSetting_batch_2_H7,
        &frmModeSetting_H7::lblAuto2ZeroTime_freq_H7,
        &frmModeSetting_H7::lblDelay2StartTime_freq_H7,
        &frmModeSetting_H7::lblCounterSetting_freq_1_H7,
        &frmModeSetting_H7::lblCounterSetting_freq_2_H7,
    };
    // An unloaded editor, still waiting for its deletion, holds no set.
    if (loaded() != this)
        return QString();
    return (this->*kRows[static_cast<int>(row)])->rowText();
}

QComboBox* frmModeSetting_H7::makeCombo(const QString& name, QWidget* parent,
                                        const QStringList& items,
                                        void (frmModeSetting_H7::*handler)())
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    // A user's choice and SetListIndex from code both run the handler.
    BindComboClick(combo, [this, handler] { (this->*handler)(); });
    return combo;
}

DigitLabelArray* frmModeSetting_H7::makeRow(const QString& name, QWidget* parent)
{
    auto* row = new DigitLabelArray(name, DigitLabelArray::Style::H5H7, parent);
    // A new row: digits "0", a bold "." separator, every label edge to edge.
    (*row)(DigitLabelArray::kSeparator).setText(QStringLiteral("."));
    (*row)(DigitLabelArray::kSeparator).setFontBold(true);
    for (int i = 0; i < 7; ++i)
        (*row)(i).setLeft(i * DigitLabelArray::kLabelWidthTw);
    connect(row, &DigitLabelArray::Change, this, [this, row](int index) { rowChanged(row, index); });
    connect(row, &DigitLabelArray::MouseDown, this,
            [this, row](int index, Qt::MouseButton button) { DigitRowClick(row, index, button); });
    return row;
}


QAction* frmModeSetting_H7::mFuncModeSelect(int n) const
{
    const QAction* const items[] = {mFuncModeSelect_0, mFuncModeSelect_1, mFuncModeSelect_2,
                                    mFuncModeSelect_3, mFuncModeSelect_4, mFuncModeSelect_5,
                                    mFuncModeSelect_6, mFuncModeSelect_7, mFuncModeSelect_8};
    if (n < 0 || n > 8)
        return nullptr;
    return const_cast<QAction*>(items[n]);
}

// ---------------------------------------------------------------- life cycle

void frmModeSetting_H7::Form_Load()
{
    LayoutPictureArea();
    core::Shell& mdi = core::shell();
    switch (DeviceTypeCode(nMacType)) {
    case 2:
        ResetTimerPanels();
        mdi.nLoadForm = 2;
        ApplyTimerTexts();
        break;
    case 3:
        ResetCounterPanels();
        mdi.nLoadForm = 3;
        ApplyCounterTexts();
        break;
    case 4:
        ResetTimerPanels();
        ResetCounterPanels();
        mdi.nLoadForm = 4;
        ApplyTimerTexts();
        ApplyCounterTexts();
        break;
    default:
        break;
    }
    nFuncMode = -1;
    ShowFunctionModeItems();
    // After the defaults, so that they do not count as changes.
    StartFreshSet(mKP);
}

void frmModeSetting_H7::ShowFunctionModeItems()
{
    const bool timer = nMacType == kMacTypeH5 || nMacType == kMacTypeH8;
    const bool counter = nMacType == kMacTypeH7 || nMacType == kMacTypeH8;
    for (int n = 0; n <= 8; ++n)
        mFuncModeSelect(n)->setVisible(n <= 2 ? timer : counter);
}

int frmModeSetting_H7::ModelCode() const { return DeviceTypeCode(nMacType); }

// ---------------------------------------------------------------- texts

void frmModeSetting_H7::ApplyMenuTexts(std::initializer_list<std::pair<QAction*, int>> modeItems)
{
    mFile->setTitle(LoadResString(res::kMenuFile));
    mNew->setText(LoadResString(res::kMenuNew));
    mOpenSetting->setText(LoadResString(res::kMenuOpen));
    mClose->setText(LoadResString(res::kMenuClose));
    mSaveSetting->setText(LoadResString(res::kMenuSave));
    mSaveAs->setText(LoadResString(res::kMenuSaveAs));
    mExit->setText(LoadResString(res::kMenuExit));
    mMode->setTitle(LoadResString(res::kMenuFunctionSelection));
    for (auto [item, id] : modeItems)
        item->setText(LoadResString(id));
    mTool->setTitle(LoadResString(res::kMenuCommunication));
    mUpload->setText(LoadResString(res::kMenuUpload));
    mDownload->setText(LoadResString(res::kMenuDownload));
    mCompare->setText(LoadResString(res::kMenuCompare));
    mMonitor->setTitle(LoadResString(res::kMenuMonitor));
    mMonitoring->setText(LoadResString(res::kMonitoring));
    mSetting->setTitle(LoadResString(res::kMenuOption));
    mCommSetting->setText(LoadResString(res::kCommSettings));
    mKP->setText(LoadResString(res::kKeyProtection));
    mHelp->setTitle(LoadResString(res::kMenuHelp));
    mVelHelp->setText(LoadResString(res::kProgramHelp));
    mAbout->setText(LoadResString(res::kAbout));
}

void frmModeSetting_H7::ApplyTimerTexts()
{
    ApplyMenuTexts({{mFuncModeSelect_0, res::kTimer},
                    {mFuncModeSelect_1, res::kTwinTimer},
                    {mFuncModeSelect_2, res::kTwoStageTimer}});
    txtCH_A->setText(LoadResString(res::kTimerTitle));

    lblTimerDir_A_H5->setText(LoadResString(res::kTimeModeLabel));
    lblOutputMode_A_H5->setText(LoadResString(res::kOutputModeLabel));
    lblTimerRange_A_H5->setText(LoadResString(res::kTimeRangeLabel));
    lblSetValue_A_H5->setText(LoadResString(res::kSetValueLabel));
    lblOutputMode2_A_H5->setText(LoadResString(res::kOutputTimeLabel));
    lblRatio_A_H5->setText(LoadResString(res::kOnDutyRatioLabel));
    FillComboList(cboTimerDirection_A_H5, resStrings({res::kUp, res::kDown}));
    FillComboList(cboOutputMode_A_H5, resStrings({res::kOutputModeA, res::kOutputModeA1, res::kOutputModeA2,
                                                  res::kOutputModeA3, res::kOutputModeB, res::kOutputModeB1,
                                                  res::kOutputModeD, res::kOutputModeE, res::kOutputModeF,
                                                  res::kOutputModeZ}));

    lblSettingMode_C_H5->setText(LoadResString(res::kSettingMethodLabel));
    lblOutputMode_C_H5->setText(LoadResString(res::kOutputModeLabel));
    lblTimerRange_C_H5->setText(LoadResString(res::kTimeRangeLabel));
    lblSetValue1_C_H5->setText(LoadResString(res::kSv1Label));
    lblSetValue2_C_H5->setText(LoadResString(res::kSv2ForecastLabel));
    FillComboList(cboSettingMode_C_H5, resStrings({res::kForecastValue, res::kAbsoluteValue}));
    FillComboList(cboOutputMode_C_H5, resStrings({res::kOutputModeAPowerOn, res::kOutputModeF1}));

    lblTimerDir_B_H5->setText(LoadResString(res::kTimeModeLabel));
    lblOutputMode_B_H5->setText(LoadResString(res::kOnOffStartModeLabel));
    lblTimerRange1_B_H5->setText(LoadResString(res::kOffTimeRangeLabel));
    lblSetValue1_B_H5->setText(LoadResString(res::kOffSetValueLabel));
    lblTimerRange2_B_H5->setText(LoadResString(res::kOnTimeRangeLabel));
    lblSetValue2_B_H5->setText(LoadResString(res::kOnSetValueLabel));
    FillComboList(cboTimerDirection_B_H5, resStrings({res::kUp, res::kDown}));
    FillComboList(cboOutputMode_B_H5, resStrings({res::kFlickerOffStart, res::kFlickerOnStart}));

    lblInputWidth_H5->setText(LoadResString(res::kInputSignalWidthLabel));
    lblInputMethod_H5->setText(LoadResString(res::kNpnPnpInputModeLabel));
    lblKeyProtect_H5->setText(LoadResString(res::kKeyProtectLevelLabel));
}

void frmModeSetting_H7::ApplyCounterTexts()
{
    ApplyMenuTexts({{mFuncModeSelect_3, res::kOneStageCounter}, {mFuncModeSelect_4, res::kTwoStageCounter},
                    {mFuncModeSelect_5, res::kTotalCounter},    {mFuncModeSelect_6, res::kBatchCounter},
                    {mFuncModeSelect_7, res::kDualCounter},     {mFuncModeSelect_8, res::kTachometer}});
    txtCH_A->setText(LoadResString(res::kOneStageCounter));

    lblInputMode_H7_1st->setText(LoadResString(res::kInputModeLabel));
    lblOutputMode_H7_1st->setText(LoadResString(res::kOutputModeLabel));
    lblOutputTime_H7_1st->setText(LoadResString(res::kOutputTimeLabel));
    lblSetValue_H7_1st->setText(LoadResString(res::kSetValueLabel));

    lblOutputMode_H7_freq->setText(LoadResString(res::kOutputModeLabel));
    lblAvg_H7_freq->setText(LoadResString(res::kAverageProcessingLabel));
    lblAutoZero_H7_freq->setText(LoadResString(res::kAutoZeroTimeLabel));
    lblStartupTime_H7_freq->setText(LoadResString(res::kStartupTimeLabel));
    lblSetValue1_H7_freq->setText(LoadResString(res::kSetValue1Label));
    lblSetValue2_H7_freq->setText(LoadResString(res::kSetValue2Label));

    lblInputMode_batch_H7->setText(LoadResString(res::kInputModeLabel));
    lblOutputMode_batch_H7->setText(LoadResString(res::kOutputModeLabel));
    lblOutputTime_batch_H7->setText(LoadResString(res::kOutputTimeLabel));
    lblSetValue1_batch_H7->setText(LoadResString(res::kSetValueLabel));
    lblBatch->setText(LoadResString(res::kBatchSetValueLabel));

    lblInputMode_2nd_H7->setText(LoadResString(res::kInputModeLabel));
    lblOutputMode_2nd_H7->setText(LoadResString(res::kOutputModeLabel));
    lblOutputTime1_2nd_H7->setText(LoadResString(res::kOutputTime1Label));
    lblSetValue1_2nd_H7->setText(LoadResString(res::kSetValue1Label));
    lblOutputTime2_2nd_H7->setText(LoadResString(res::kOutputTime2Label));
    lblSetValue2_2nd_H7->setText(LoadResString(res::kSetValue2Label));

    lblCountSpeed_H7->setText(LoadResString(res::kCountingSpeedLabel));
    lblDotAdj_H7->setText(LoadResString(res::kDecimalPointLabel));
    lblPreScale_H7->setText(LoadResString(res::kPrescaleLabel));
    lblInputMethod_H7->setText(LoadResString(res::kNpnPnpInputModeLabel));
    lblKPLevel_H7->setText(LoadResString(res::kKeyProtectLevelLabel));
    lblSGWidth_Comm_H7->setText(LoadResString(res::kInputSignalWidthLabel));
}

// ---------------------------------------------------------------- function modes

void frmModeSetting_H7::mFuncModeSelect_0_Click() { TimerModeSelect(0); }
void frmModeSetting_H7::mFuncModeSelect_1_Click() { TimerModeSelect(1); }
void frmModeSetting_H7::mFuncModeSelect_2_Click() { TimerModeSelect(2); }
void frmModeSetting_H7::mFuncModeSelect_3_Click() { CounterModeSelect(3); }
void frmModeSetting_H7::mFuncModeSelect_4_Click() { CounterModeSelect(4); }
void frmModeSetting_H7::mFuncModeSelect_5_Click() { CounterModeSelect(5); }
void frmModeSetting_H7::mFuncModeSelect_6_Click() { CounterModeSelect(6); }
void frmModeSetting_H7::mFuncModeSelect_7_Click() { CounterModeSelect(7); }
void frmModeSetting_H7::mFuncModeSelect_8_Click() { CounterModeSelect(8); }

void frmModeSetting_H7::FuncModeSelect(int n)
{
    if (n >= 0 && n <= 2)
        TimerModeSelect(n);
    else if (n >= 3 && n <= 8)
        CounterModeSelect(n);
}

int frmModeSetting_H7::FunctionMode() const { return nFuncMode; }

void frmModeSetting_H7::CheckFuncModeItem(int n)
{
    for (int i = 0; i < 9; ++i)
        mFuncModeSelect(i)->setChecked(i == n);
}

void frmModeSetting_H7::TimerModeSelect(int n)
{
    if (nFuncMode == n) {
        // A menu click on the current mode unticks the item by itself.
        CheckFuncModeItem(n);
        return;
    }
    picMode_H5->show();
    picMode_H7->hide();
    CheckFuncModeItem(n);
    nFuncMode = n;
    ResetTimerPanels();

    static const int kTitles[] = {res::kTimerModeTitle, res::kTwinTimerModeTitle, res::kTwoStageTimerModeTitle};
    txtCH_A->setText(LoadResString(kTitles[n]));
    picTimer_H5_A->setVisible(n == 0);
    picTimer_H5_B->setVisible(n == 1);
    picTimer_H5_C->setVisible(n == 2);

    optPic[1]->setEnabled(false);
    ImageCH_B->setPictureName(QStringLiteral("IMAGE_CHB_G"));
    optPic[0]->setChecked(true);
    optPic_Click(0);

    const quint8 output = n == 0   ? timerParamsH5.nOutputMode_A_H5
                          : n == 1 ? timerParamsH5.nOutputMode_B_H5
                                   : timerParamsH5.nOutputMode_C_H5;
    ShowDiagram(Image_Output_A, H5DiagramPath(n, output, 0));
    PlaceCommonRow();

    QWidget* focus = n == 0 ? cboTimerRange_A_H5 : n == 1 ? cboTimerRangeOFF_B_H5 : cboTimerRange_C_H5;
    focus->setFocus();
}

namespace {

const QStringList kBatchInputs = {"0:Up", "1:Down", "2:Up / Down  A", "3:Up / Down  B",
                                  "4:Up / Down  C"};
const QStringList kDualInputs = {"0:ADD", "1:SUB"};


// Replaces item 1 of the counting-speed list, keeping the selection where it was.
void replaceSpeedItem(QComboBox* combo, const QString& text)
{
    const QSignalBlocker block(combo);
    const int current = combo->currentIndex();
    if (combo->count() > 1)
        combo->removeItem(1);
    combo->insertItem(1, text);
    combo->setCurrentIndex(current);
}

} // namespace

void frmModeSetting_H7::CounterModeSelect(int n)
{
    if (nFuncMode == n) {
        CheckFuncModeItem(n);
        return;
    }
    if (n == 8) {
        replaceSpeedItem(cboMaxFreq_Comm_H7, QStringLiteral("10K Hz"));
        lblSGWidth_Comm_H7->hide();
        cboSGWidth_Comm_H7->hide();
    } else if (nFuncMode == 8 || nFuncMode < 3) {
        replaceSpeedItem(cboMaxFreq_Comm_H7, QStringLiteral("5K Hz"));
        lblSGWidth_Comm_H7->show();
        cboSGWidth_Comm_H7->show();
    }
    if (n == 6) {
        FillComboList(cboCountInputMode_batch_H7, kBatchInputs);
        (void)SetListIndex(cboCountInputMode_batch_H7, 0);
        FillComboList(cboOutputMode_batch_H7, kCounterOutputs);
    } else if (n == 7) {
        FillComboList(cboCountInputMode_batch_H7, kDualInputs);
        (void)SetListIndex(cboCountInputMode_batch_H7, 0);
        FillComboList(cboOutputMode_batch_H7, dualAddOutputs());
        (void)SetListIndex(cboOutputMode_batch_H7, 0);
    }
    picMode_H5->hide();
    picMode_H7->show();
    CheckFuncModeItem(n);
    nFuncMode = n;
    ResetCounterPanels();

    txtCH_A->setText(LoadResString(res::kCounterModeTitleFirst + (n - 3)));
    if (n == 6) {
        lblBatch->show();
        picBatch->show();
    } else if (n == 7) {
        lblBatch->hide();
        picBatch->hide();
    }
    picTimer_H7_1st_total->setVisible(n == 3 || n == 5);
    picTimer_H7_2nd->setVisible(n == 4);
    picTimer_H7_batch_dual->setVisible(n == 6 || n == 7);
    picTimer_H7_freq->setVisible(n == 8);

    const bool channelB = n == 5 || n == 6;
    optPic[1]->setEnabled(channelB);
    ImageCH_B->setPictureName(channelB ? QStringLiteral("IMAGE_CHB_W") : QStringLiteral("IMAGE_CHB_G"));

    switch (n) {
    case 3: ShowCounterDiagram(3, 0, 0, 0); break;
    case 4: ShowCounterDiagram(4, 0, 0, 0); break;
    case 5: ShowCounterDiagram(3, 0, 0, 0); ShowCounterDiagram(5, 0, 0, 1); break;
    case 6: ShowCounterDiagram(3, 0, 0, 0); ShowCounterDiagram(6, 0, 0, 1); break;
    case 7: ShowCounterDiagram(7, 0, 0, 0); break;
    default: ShowCounterDiagram(8, 0, 0, 0); break;
    }
    optPic[0]->setChecked(true);
    optPic_Click(0);
    PlaceCommonRow();

    QWidget* focus = n == 3 || n == 5 ? cboCountInputMode_1st_H7
                     : n == 4         ? cboCountInputMode_2nd_H7
                     : n == 8         ? cboOutputMode_freq_H7
                                      : cboCountInputMode_batch_H7;
    focus->setFocus();
}

