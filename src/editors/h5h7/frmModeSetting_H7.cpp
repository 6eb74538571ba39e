#include "editors/h5h7/frmModeSetting_H7.h"

#include "editors/h5h7/h5h7_internal.h"
#include "core/machine_type.h"
#include "editors/common/combo_select.h"
#include "editors/common/key_protect.h"
#include "core/key_protect.h"
#include "platform/bitmaps.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "platform/twips.h"
#include "settings_file/file_flags.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

using platform::LoadResString;
using platform::placeTw;
using namespace h5h7detail;


// ---------------------------------------------------------------- construction

frmModeSetting_H7::frmModeSetting_H7() : QWidget(nullptr)
{
    setObjectName("frmModeSetting_H7");
    setProperty("Tag", QStringLiteral("2"));
    setWindowTitle(QStringLiteral("Unknown01.kvf"));
    setFont(platform::formFont(9));
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The menus sit above the client area; positions inside it are the design's twips.
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setFixedSize(platform::tw(11900), platform::tw(6900));
    BuildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client_);
    BuildTimerHalf();
    BuildCounterHalf();
    BuildPictureArea();
    connect(&core::shellEvents(), &core::ShellEvents::childActivated, this, [this](QWidget* form) {
        if (form == this)
            Form_Activate();
    });
    Form_Load();
    H5H7Rows::setRegistered(this);
}

frmModeSetting_H7::~frmModeSetting_H7()
{
    if (H5H7Rows::registered() == this)
        H5H7Rows::setRegistered(nullptr);
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
    // The design: digits "0", a bold "." separator, every label edge to edge.
    (*row)(DigitLabelArray::kSeparator).setText(QStringLiteral("."));
    (*row)(DigitLabelArray::kSeparator).setFontBold(true);
    for (int i = 0; i < 7; ++i)
        (*row)(i).setLeft(i * DigitLabelArray::kLabelWidthTw);
    connect(row, &DigitLabelArray::Change, this, [this, row](int index) { rowChanged(row, index); });
    connect(row, &DigitLabelArray::MouseDown, this,
            [this, row](int index, Qt::MouseButton button) { DigitRowClick(row, index, button); });
    return row;
}

namespace {

constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 2300;
constexpr int kControlLeft = 2480;
constexpr int kControlWidth = 2600;
constexpr int kLineHeight = 420;

QLabel* captionLabel(const QString& name, QWidget* parent, int line)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    placeTw(l, kCaptionLeft, 90 + line * kLineHeight, kCaptionWidth, 315);
    return l;
}

void placeControl(QWidget* w, int line)
{
    if (qobject_cast<DigitLabelArray*>(w))
        placeTw(w, kControlLeft, 90 + line * kLineHeight, 7 * DigitLabelArray::kLabelWidthTw,
                DigitLabelArray::kLabelHeightTw);
    else
        placeTw(w, kControlLeft, 60 + line * kLineHeight, kControlWidth, 360);
}

QWidget* panel(const QString& name, QWidget* parent, int top, int height)
{
    auto* p = new QWidget(parent);
    p->setObjectName(name);
    placeTw(p, 0, top, 5205, height);
    return p;
}

} // namespace

void frmModeSetting_H7::BuildTimerHalf()
{
    using F = frmModeSetting_H7;
    picMode_H5 = new QWidget(client_);
    picMode_H5->setObjectName("picMode_H5");
    placeTw(picMode_H5, 90, 480, 5205, 6255);
    picMode_H5->hide();

    picTimer_H5_A = panel("picTimer_H5_A", picMode_H5, 0, 2700);
    lblTimerRange_A_H5 = captionLabel("lblTimerRange_A_H5", picTimer_H5_A, 0);
    cboTimerRange_A_H5 = makeCombo("cboTimerRange_A_H5", picTimer_H5_A, kTimeRanges, &F::cboTimerRange_A_H5_Click);
    placeControl(cboTimerRange_A_H5, 0);
    lblTimerDir_A_H5 = captionLabel("lblTimerDir_A_H5", picTimer_H5_A, 1);
    cboTimerDirection_A_H5 = makeCombo("cboTimerDirection_A_H5", picTimer_H5_A, resStrings({161, 162}),
                                       &F::cboTimerDirection_A_H5_Click);
    placeControl(cboTimerDirection_A_H5, 1);
    lblOutputMode_A_H5 = captionLabel("lblOutputMode_A_H5", picTimer_H5_A, 2);
    cboOutputMode_A_H5 = makeCombo("cboOutputMode_A_H5", picTimer_H5_A,
                                   resStrings({216, 217, 218, 219, 220, 221, 222, 223, 224, 225}),
                                   &F::cboOutputMode_A_H5_Click);
    placeControl(cboOutputMode_A_H5, 2);
    lblSetValue_A_H5 = captionLabel("lblSetValue_A_H5", picTimer_H5_A, 3);
    lblTimerSetting_A_H5 = makeRow("lblTimerSetting_A_H5", picTimer_H5_A);
    placeControl(lblTimerSetting_A_H5, 3);
    lblOutputMode2_A_H5 = captionLabel("lblOutputMode2_A_H5", picTimer_H5_A, 4);
    lblHoldTime_A_H5 = makeRow("lblHoldTime_A_H5", picTimer_H5_A);
    placeControl(lblHoldTime_A_H5, 4);
    lblRatio_A_H5 = captionLabel("lblRatio_A_H5", picTimer_H5_A, 5);
    lblDutyRatio_A_H5 = makeRow("lblDutyRatio_A_H5", picTimer_H5_A);
    placeControl(lblDutyRatio_A_H5, 5);
    // The duty ratio's separator is a plain "0" in the design.
    (*lblDutyRatio_A_H5)(6).setText(QStringLiteral("0"));
    (*lblDutyRatio_A_H5)(6).setFontBold(false);

    picTimer_H5_B = panel("picTimer_H5_B", picMode_H5, 0, 2700);
    lblTimerDir_B_H5 = captionLabel("lblTimerDir_B_H5", picTimer_H5_B, 0);
    cboTimerDirection_B_H5 = makeCombo("cboTimerDirection_B_H5", picTimer_H5_B, resStrings({161, 162}),
                                       &F::cboTimerDirection_B_H5_Click);
    placeControl(cboTimerDirection_B_H5, 0);
    lblOutputMode_B_H5 = captionLabel("lblOutputMode_B_H5", picTimer_H5_B, 1);
    cboOutputMode_B_H5 = makeCombo("cboOutputMode_B_H5", picTimer_H5_B, resStrings({214, 215}),
                                   &F::cboOutputMode_B_H5_Click);
    placeControl(cboOutputMode_B_H5, 1);
    lblTimerRange1_B_H5 = captionLabel("lblTimerRange1_B_H5", picTimer_H5_B, 2);
    cboTimerRangeOFF_B_H5 = makeCombo("cboTimerRangeOFF_B_H5", picTimer_H5_B, kTimeRanges,
                                      &F::cboTimerRangeOFF_B_H5_Click);
    placeControl(cboTimerRangeOFF_B_H5, 2);
    lblSetValue1_B_H5 = captionLabel("lblSetValue1_B_H5", picTimer_H5_B, 3);
    lblSettingValueOFF_B_H5 = makeRow("lblSettingValueOFF_B_H5", picTimer_H5_B);
    placeControl(lblSettingValueOFF_B_H5, 3);
    lblTimerRange2_B_H5 = captionLabel("lblTimerRange2_B_H5", picTimer_H5_B, 4);
    cboTimerRangeON_B_H5 = makeCombo("cboTimerRangeON_B_H5", picTimer_H5_B, kTimeRanges,
                                     &F::cboTimerRangeON_B_H5_Click);
    placeControl(cboTimerRangeON_B_H5, 4);
    lblSetValue2_B_H5 = captionLabel("lblSetValue2_B_H5", picTimer_H5_B, 5);
    lblSettingValueON_B_H5 = makeRow("lblSettingValueON_B_H5", picTimer_H5_B);
    placeControl(lblSettingValueON_B_H5, 5);

    picTimer_H5_C = panel("picTimer_H5_C", picMode_H5, 0, 2700);
    lblSettingMode_C_H5 = captionLabel("lblSettingMode_C_H5", picTimer_H5_C, 0);
    cboSettingMode_C_H5 = makeCombo("cboSettingMode_C_H5", picTimer_H5_C, resStrings({212, 213}),
                                    &F::cboSettingMode_C_H5_Click);
    placeControl(cboSettingMode_C_H5, 0);
    lblOutputMode_C_H5 = captionLabel("lblOutputMode_C_H5", picTimer_H5_C, 1);
    cboOutputMode_C_H5 = makeCombo("cboOutputMode_C_H5", picTimer_H5_C, resStrings({302, 303}),
                                   &F::cboOutputMode_C_H5_Click);
    placeControl(cboOutputMode_C_H5, 1);
    lblTimerRange_C_H5 = captionLabel("lblTimerRange_C_H5", picTimer_H5_C, 2);
    cboTimerRange_C_H5 = makeCombo("cboTimerRange_C_H5", picTimer_H5_C, kTimeRanges, &F::cboTimerRange_C_H5_Click);
    placeControl(cboTimerRange_C_H5, 2);
    lblSetValue1_C_H5 = captionLabel("lblSetValue1_C_H5", picTimer_H5_C, 3);
    lblSV1_C_H5 = makeRow("lblSV1_C_H5", picTimer_H5_C);
    placeControl(lblSV1_C_H5, 3);
    lblSetValue2_C_H5 = captionLabel("lblSetValue2_C_H5", picTimer_H5_C, 4);
    lblSV2_C_H5 = makeRow("lblSV2_C_H5", picTimer_H5_C);
    placeControl(lblSV2_C_H5, 4);

    picCommon_H5 = panel("picCommon_H5", picMode_H5, 2900, 1400);
    lblInputWidth_H5 = captionLabel("lblInputWidth_H5", picCommon_H5, 0);
    cboSGWidth_All_H5 = makeCombo("cboSGWidth_All_H5", picCommon_H5, kSGWidths, &F::cboSGWidth_All_H5_Click);
    placeControl(cboSGWidth_All_H5, 0);
    lblInputMethod_H5 = captionLabel("lblInputMethod_H5", picCommon_H5, 1);
    cboInputMethod_All_H5 = makeCombo("cboInputMethod_All_H5", picCommon_H5, kInputMethods,
                                      &F::cboInputMethod_All_H5_Click);
    placeControl(cboInputMethod_All_H5, 1);
    lblKeyProtect_H5 = captionLabel("lblKeyProtect_H5", picCommon_H5, 2);
    cboKP_All_H5 = makeCombo("cboKP_All_H5", picCommon_H5, kKPLevels, &F::cboKP_All_H5_Click);
    placeControl(cboKP_All_H5, 2);
}

void frmModeSetting_H7::BuildCounterHalf()
{
    using F = frmModeSetting_H7;
    picMode_H7 = new QWidget(client_);
    picMode_H7->setObjectName("picMode_H7");
    placeTw(picMode_H7, 90, 480, 5205, 6255);
    picMode_H7->hide();

    picTimer_H7_1st_total = panel("picTimer_H7_1st_total", picMode_H7, 0, 2700);
    lblInputMode_H7_1st = captionLabel("lblInputMode_H7_1st", picTimer_H7_1st_total, 0);
    cboCountInputMode_1st_H7 = makeCombo("cboCountInputMode_1st_H7", picTimer_H7_1st_total, kCountInputs,
                                         &F::cboCountInputMode_1st_H7_Click);
    placeControl(cboCountInputMode_1st_H7, 0);
    lblOutputMode_H7_1st = captionLabel("lblOutputMode_H7_1st", picTimer_H7_1st_total, 1);
    cboOutputMode_1st_H7 = makeCombo("cboOutputMode_1st_H7", picTimer_H7_1st_total, kCounterOutputs,
                                     &F::cboOutputMode_1st_H7_Click);
    placeControl(cboOutputMode_1st_H7, 1);
    lblOutputTime_H7_1st = captionLabel("lblOutputTime_H7_1st", picTimer_H7_1st_total, 2);
    lblHoldCounter_1st_H7 = makeRow("lblHoldCounter_1st_H7", picTimer_H7_1st_total);
    placeControl(lblHoldCounter_1st_H7, 2);
    lblSetValue_H7_1st = captionLabel("lblSetValue_H7_1st", picTimer_H7_1st_total, 3);
    lblCounterSetting_1st_H7 = makeRow("lblCounterSetting_1st_H7", picTimer_H7_1st_total);
    placeControl(lblCounterSetting_1st_H7, 3);

    picTimer_H7_2nd = panel("picTimer_H7_2nd", picMode_H7, 0, 2700);
    lblInputMode_2nd_H7 = captionLabel("lblInputMode_2nd_H7", picTimer_H7_2nd, 0);
    cboCountInputMode_2nd_H7 = makeCombo("cboCountInputMode_2nd_H7", picTimer_H7_2nd, kCountInputs,
                                         &F::cboCountInputMode_2nd_H7_Click);
    placeControl(cboCountInputMode_2nd_H7, 0);
    lblOutputMode_2nd_H7 = captionLabel("lblOutputMode_2nd_H7", picTimer_H7_2nd, 1);
    cboOutputMode_2nd_H7 = makeCombo("cboOutputMode_2nd_H7", picTimer_H7_2nd, kCounterOutputs,
                                     &F::cboOutputMode_2nd_H7_Click);
    placeControl(cboOutputMode_2nd_H7, 1);
    lblOutputTime1_2nd_H7 = captionLabel("lblOutputTime1_2nd_H7", picTimer_H7_2nd, 2);
    lblHoldCounter_2nd_1_H7 = makeRow("lblHoldCounter_2nd_1_H7", picTimer_H7_2nd);
    placeControl(lblHoldCounter_2nd_1_H7, 2);
    lblSetValue1_2nd_H7 = captionLabel("lblSetValue1_2nd_H7", picTimer_H7_2nd, 3);
    lblCounterSetting_2nd_1_H7 = makeRow("lblCounterSetting_2nd_1_H7", picTimer_H7_2nd);
    placeControl(lblCounterSetting_2nd_1_H7, 3);
    lblOutputTime2_2nd_H7 = captionLabel("lblOutputTime2_2nd_H7", picTimer_H7_2nd, 4);
    lblHoldCounter_2nd_2_H7 = makeRow("lblHoldCounter_2nd_2_H7", picTimer_H7_2nd);
    placeControl(lblHoldCounter_2nd_2_H7, 4);
    lblSetValue2_2nd_H7 = captionLabel("lblSetValue2_2nd_H7", picTimer_H7_2nd, 5);
    lblCounterSetting_2nd_2_H7 = makeRow("lblCounterSetting_2nd_2_H7", picTimer_H7_2nd);
    placeControl(lblCounterSetting_2nd_2_H7, 5);

    picTimer_H7_batch_dual = panel("picTimer_H7_batch_dual", picMode_H7, 0, 2700);
    lblInputMode_batch_H7 = captionLabel("lblInputMode_batch_H7", picTimer_H7_batch_dual, 0);
    cboCountInputMode_batch_H7 = makeCombo("cboCountInputMode_batch_H7", picTimer_H7_batch_dual, kCountInputs,
                                           &F::cboCountInputMode_batch_H7_Click);
    placeControl(cboCountInputMode_batch_H7, 0);
    lblOutputMode_batch_H7 = captionLabel("lblOutputMode_batch_H7", picTimer_H7_batch_dual, 1);
    cboOutputMode_batch_H7 = makeCombo("cboOutputMode_batch_H7", picTimer_H7_batch_dual, kCounterOutputs,
                                       &F::cboOutputMode_batch_H7_Click);
    placeControl(cboOutputMode_batch_H7, 1);
    lblOutputTime_batch_H7 = captionLabel("lblOutputTime_batch_H7", picTimer_H7_batch_dual, 2);
    lblHoldCounter_batch_H7 = makeRow("lblHoldCounter_batch_H7", picTimer_H7_batch_dual);
    placeControl(lblHoldCounter_batch_H7, 2);
    lblSetValue1_batch_H7 = captionLabel("lblSetValue1_batch_H7", picTimer_H7_batch_dual, 3);
    lblCounterSetting_batch_1_H7 = makeRow("lblCounterSetting_batch_1_H7", picTimer_H7_batch_dual);
    placeControl(lblCounterSetting_batch_1_H7, 3);
    lblBatch = captionLabel("lblBatch", picTimer_H7_batch_dual, 4);
    picBatch = new QWidget(picTimer_H7_batch_dual);
    picBatch->setObjectName("picBatch");
    placeControl(picBatch, 4);
    placeTw(picBatch, kControlLeft, 90 + 4 * kLineHeight, 7 * DigitLabelArray::kLabelWidthTw,
            DigitLabelArray::kLabelHeightTw);
    lblCounterSetting_batch_2_H7 = makeRow("lblCounterSetting_batch_2_H7", picBatch);
    placeTw(lblCounterSetting_batch_2_H7, 0, 0, 7 * DigitLabelArray::kLabelWidthTw,
            DigitLabelArray::kLabelHeightTw);

    picTimer_H7_freq = panel("picTimer_H7_freq", picMode_H7, 0, 2700);
    lblOutputMode_H7_freq = captionLabel("lblOutputMode_H7_freq", picTimer_H7_freq, 0);
    cboOutputMode_freq_H7 = makeCombo("cboOutputMode_freq_H7", picTimer_H7_freq, kFreqOutputs,
                                      &F::cboOutputMode_freq_H7_Click);
    placeControl(cboOutputMode_freq_H7, 0);
    lblAvg_H7_freq = captionLabel("lblAvg_H7_freq", picTimer_H7_freq, 1);
    cboSampleAvg_freq_H7 = makeCombo("cboSampleAvg_freq_H7", picTimer_H7_freq, kSampleAvgs,
                                     &F::cboSampleAvg_freq_H7_Click);
    placeControl(cboSampleAvg_freq_H7, 1);
    lblAutoZero_H7_freq = captionLabel("lblAutoZero_H7_freq", picTimer_H7_freq, 2);
    lblAuto2ZeroTime_freq_H7 = makeRow("lblAuto2ZeroTime_freq_H7", picTimer_H7_freq);
    placeControl(lblAuto2ZeroTime_freq_H7, 2);
    lblStartupTime_H7_freq = captionLabel("lblStartupTime_H7_freq", picTimer_H7_freq, 3);
    lblDelay2StartTime_freq_H7 = makeRow("lblDelay2StartTime_freq_H7", picTimer_H7_freq);
    placeControl(lblDelay2StartTime_freq_H7, 3);
    lblSetValue1_H7_freq = captionLabel("lblSetValue1_H7_freq", picTimer_H7_freq, 4);
    lblCounterSetting_freq_1_H7 = makeRow("lblCounterSetting_freq_1_H7", picTimer_H7_freq);
    placeControl(lblCounterSetting_freq_1_H7, 4);
    lblSetValue2_H7_freq = captionLabel("lblSetValue2_H7_freq", picTimer_H7_freq, 5);
    lblCounterSetting_freq_2_H7 = makeRow("lblCounterSetting_freq_2_H7", picTimer_H7_freq);
    placeControl(lblCounterSetting_freq_2_H7, 5);

    picCommon_H7 = panel("picCommon_H7", picMode_H7, 2900, 2700);
    lblCountSpeed_H7 = captionLabel("lblCountSpeed_H7", picCommon_H7, 0);
    cboMaxFreq_Comm_H7 = makeCombo("cboMaxFreq_Comm_H7", picCommon_H7, kMaxFreqs, &F::cboMaxFreq_Comm_H7_Click);
    placeControl(cboMaxFreq_Comm_H7, 0);
    lblDotAdj_H7 = captionLabel("lblDotAdj_H7", picCommon_H7, 1);
    cboDotAdj_Comm_H7 = makeCombo("cboDotAdj_Comm_H7", picCommon_H7, kDotAdjs, &F::cboDotAdj_Comm_H7_Click);
    placeControl(cboDotAdj_Comm_H7, 1);
    lblPreScale_H7 = captionLabel("lblPreScale_H7", picCommon_H7, 2);
    lblMagnification_Comm_H7 = makeRow("lblMagnification_Comm_H7", picCommon_H7);
    placeControl(lblMagnification_Comm_H7, 2);
    // In the design the prescale's first digit is locked.
    (*lblMagnification_Comm_H7)(0).setEnabled(false);
    lblInputMethod_H7 = captionLabel("lblInputMethod_H7", picCommon_H7, 3);
    cboInputMethod_Comm_H7 = makeCombo("cboInputMethod_Comm_H7", picCommon_H7, kInputMethods,
                                       &F::cboInputMethod_Comm_H7_Click);
    placeControl(cboInputMethod_Comm_H7, 3);
    lblKPLevel_H7 = captionLabel("lblKPLevel_H7", picCommon_H7, 4);
    cboKP_Comm_H7 = makeCombo("cboKP_Comm_H7", picCommon_H7, kKPLevels, &F::cboKP_Comm_H7_Click);
    placeControl(cboKP_Comm_H7, 4);
    lblSGWidth_Comm_H7 = captionLabel("lblSGWidth_Comm_H7", picCommon_H7, 5);
    cboSGWidth_Comm_H7 = makeCombo("cboSGWidth_Comm_H7", picCommon_H7, kSGWidths, &F::cboSGWidth_Comm_H7_Click);
    placeControl(cboSGWidth_Comm_H7, 5);
}

void frmModeSetting_H7::BuildPictureArea()
{
    txtCH_A = new QLabel(client_);
    txtCH_A->setObjectName("txtCH_A");
    txtCH_A->setAlignment(Qt::AlignCenter);
    txtCH_A->setFont(platform::formFont(12, true));
    placeTw(txtCH_A, 90, 120, 5205, 330);

    Picture2 = new QWidget(client_);
    Picture2->setObjectName("Picture2");
    placeTw(Picture2, 5430, 150, 6285, 5565);
    ImageCH_A = new ImageControl("ImageCH_A", Picture2);
    ImageCH_B = new ImageControl("ImageCH_B", Picture2);
    Image_Output_A = new ImageControl("Image_Output_A", Picture2);
    Image_Output_B = new ImageControl("Image_Output_B", Picture2);
    for (int i = 0; i < 2; ++i) {
        optPic[static_cast<std::size_t>(i)] = new QRadioButton(Picture2);
        optPic[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("optPic_%1").arg(i));
        optPic[static_cast<std::size_t>(i)]->hide();
        connect(optPic[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { optPic_Click(i); });
    }
    ImageDownload = new ImageControl("ImageDownload", client_);
    cmdDownload_All_A = new QPushButton(client_);
    cmdDownload_All_A->setObjectName("cmdDownload_All_A");
    cmdDownload_All_A->hide();

    connect(ImageCH_A, &ImageControl::Click, this, &frmModeSetting_H7::ImageCH_A_Click);
    connect(ImageCH_B, &ImageControl::Click, this, &frmModeSetting_H7::ImageCH_B_Click);
}

void frmModeSetting_H7::BuildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    mMode = menuBar->addMenu(QString());
    mMode->setObjectName("mMode");
    QAction** items[] = {&mFuncModeSelect_0, &mFuncModeSelect_1, &mFuncModeSelect_2,
                         &mFuncModeSelect_3, &mFuncModeSelect_4, &mFuncModeSelect_5,
                         &mFuncModeSelect_6, &mFuncModeSelect_7, &mFuncModeSelect_8};
    for (int n = 0; n < 9; ++n) {
        QAction* a = mMode->addAction(QString());
        a->setObjectName(QStringLiteral("mFuncModeSelect_%1").arg(n));
        a->setCheckable(true);
        // The tick follows the mode the handler chose, not the click.
        connect(a, &QAction::triggered, this, [this, n] { FuncModeSelect(n); });
        *items[n] = a;
    }
    mSetting = menuBar->addMenu(QString());
    mSetting->setObjectName("mSetting");
    mKP = mSetting->addAction(QString());
    mKP->setObjectName("mKP");
    mKP->setCheckable(true);
    mKP->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(mKP, &QAction::triggered, this, &frmModeSetting_H7::mKP_Click);
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

namespace {

int deviceTypeCode() { return (nMacType >> 8) & 0xFF; }

} // namespace

void frmModeSetting_H7::Form_Load()
{
    LayoutPictureArea();
    core::Shell& mdi = core::shell();
    switch (deviceTypeCode()) {
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
    // The defaults do not count as changes.
    mdi.bChange = false;
    bHasFileName = false;
    nFuncMode = -1;
    bKeyProtect = 0;
    mKP->setChecked(false);

    for (int i : {4, 7, 9, 10, 11})
        mdi.Buttons(i).setVisible(true);
    mdi.Buttons(12).setVisible(false);
    mdi.Buttons(11).setValue(bKeyProtect != 0);
    mdi.Buttons(11).setImage(QStringLiteral("KP_OFF"));
}

void frmModeSetting_H7::Form_Unload()
{
    core::Shell& mdi = core::shell();
    mdi.setPanelText(1, QString());
    mdi.setPanelText(4, QString());
    for (int i : {4, 7, 9, 10, 11})
        mdi.Buttons(i).setVisible(false);
}

void frmModeSetting_H7::Show()
{
    core::shell().showChild(this);
    Form_Activate();
}

void frmModeSetting_H7::Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    platform::SingleForm<frmModeSetting_H7>::unload();
    // The subwindow frame goes with its form.
    if (sub)
        sub->deleteLater();
}

void frmModeSetting_H7::closeEvent(QCloseEvent* event)
{
    // The save question comes with the editor's commands; until then a close goes through.
    if (!unloading_) {
        unloading_ = true;
        Form_Unload();
        auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
        platform::SingleForm<frmModeSetting_H7>::unload();
        // A close from the main window leaves the frame behind unless it goes too.
        if (sub)
            sub->deleteLater();
    }
    event->accept();
}

void frmModeSetting_H7::Form_Activate()
{
    core::Shell& mdi = core::shell();
    mdi.setToolbarVisible(true);
    mdi.setPanelText(1, ModelName(deviceTypeCode()));
}

bool frmModeSetting_H7::invokeCommand(const QString& handlerName)
{
    if (handlerName == QLatin1String("mKP_Click")) {
        mKP_Click();
        return true;
    }
    return false;
}

void frmModeSetting_H7::LayoutPictureArea()
{
    // The outlines of the design: the panel area on the left and the frame around
    // the picture box.
    constexpr int kShape1Height = 6615;
    constexpr int kShape2Height = 5625;
    const int pLeft = 5430, pTop = 150, pWidth = 6285, pHeight = 5565;

    placeTw(ImageDownload, pLeft, pTop + pHeight + 150, pWidth, kShape1Height - kShape2Height - 150);
    ImageDownload->setPictureName(QStringLiteral("IMAGE_DOWNLOAD_E"));

    const int tabWidth = pWidth / 2 - 100;
    placeTw(ImageCH_A, 100, 100, tabWidth, 615);
    ImageCH_A->setPictureName(QStringLiteral("IMAGE_CHA_B"));
    placeTw(ImageCH_B, 100 + tabWidth, 100, tabWidth, 615);
    ImageCH_B->setPictureName(QStringLiteral("IMAGE_CHB_G"));

    placeTw(Image_Output_A, 100, 100 + 615 + 100, pWidth - 200, pHeight - 615 - 300);
    placeTw(Image_Output_B, 100, 100 + 615 + 100, pWidth - 200, pHeight - 615 - 300);
}

// ---------------------------------------------------------------- texts

void frmModeSetting_H7::ApplyTimerTexts()
{
    mMode->setTitle(LoadResString(128));
    mFuncModeSelect_0->setText(LoadResString(195));
    mFuncModeSelect_1->setText(LoadResString(196));
    mFuncModeSelect_2->setText(LoadResString(197));
    mSetting->setTitle(LoadResString(131));
    mKP->setText(LoadResString(151));
    txtCH_A->setText(LoadResString(155));

    lblTimerDir_A_H5->setText(LoadResString(157));
    lblOutputMode_A_H5->setText(LoadResString(158));
    lblTimerRange_A_H5->setText(LoadResString(156));
    lblSetValue_A_H5->setText(LoadResString(159));
    lblOutputMode2_A_H5->setText(LoadResString(160));
    lblRatio_A_H5->setText(LoadResString(207));
    FillComboList(cboTimerDirection_A_H5, resStrings({161, 162}));
    FillComboList(cboOutputMode_A_H5, resStrings({216, 217, 218, 219, 220, 221, 222, 223, 224, 225}));

    lblSettingMode_C_H5->setText(LoadResString(209));
    lblOutputMode_C_H5->setText(LoadResString(158));
    lblTimerRange_C_H5->setText(LoadResString(156));
    lblSetValue1_C_H5->setText(LoadResString(210));
    lblSetValue2_C_H5->setText(LoadResString(211));
    FillComboList(cboSettingMode_C_H5, resStrings({212, 213}));
    FillComboList(cboOutputMode_C_H5, resStrings({302, 303}));

    lblTimerDir_B_H5->setText(LoadResString(157));
    lblOutputMode_B_H5->setText(LoadResString(201));
    lblTimerRange1_B_H5->setText(LoadResString(202));
    lblSetValue1_B_H5->setText(LoadResString(203));
    lblTimerRange2_B_H5->setText(LoadResString(204));
    lblSetValue2_B_H5->setText(LoadResString(205));
    FillComboList(cboTimerDirection_B_H5, resStrings({161, 162}));
    FillComboList(cboOutputMode_B_H5, resStrings({214, 215}));

    lblInputWidth_H5->setText(LoadResString(185));
    lblInputMethod_H5->setText(LoadResString(186));
    lblKeyProtect_H5->setText(LoadResString(206));
}

void frmModeSetting_H7::ApplyCounterTexts()
{
    mMode->setTitle(LoadResString(128));
    mFuncModeSelect_3->setText(LoadResString(226));
    mFuncModeSelect_4->setText(LoadResString(227));
    mFuncModeSelect_5->setText(LoadResString(228));
    mFuncModeSelect_6->setText(LoadResString(229));
    mFuncModeSelect_7->setText(LoadResString(230));
    mFuncModeSelect_8->setText(LoadResString(231));
    mSetting->setTitle(LoadResString(131));
    mKP->setText(LoadResString(151));
    txtCH_A->setText(LoadResString(226));

    lblInputMode_H7_1st->setText(LoadResString(172));
    lblOutputMode_H7_1st->setText(LoadResString(158));
    lblOutputTime_H7_1st->setText(LoadResString(160));
    lblSetValue_H7_1st->setText(LoadResString(159));

    lblOutputMode_H7_freq->setText(LoadResString(158));
    lblAvg_H7_freq->setText(LoadResString(188));
    lblAutoZero_H7_freq->setText(LoadResString(240));
    lblStartupTime_H7_freq->setText(LoadResString(192));
    lblSetValue1_H7_freq->setText(LoadResString(238));
    lblSetValue2_H7_freq->setText(LoadResString(239));

    lblInputMode_batch_H7->setText(LoadResString(172));
    lblOutputMode_batch_H7->setText(LoadResString(158));
    lblOutputTime_batch_H7->setText(LoadResString(160));
    lblSetValue1_batch_H7->setText(LoadResString(159));
    lblBatch->setText(LoadResString(241));

    lblInputMode_2nd_H7->setText(LoadResString(172));
    lblOutputMode_2nd_H7->setText(LoadResString(158));
    lblOutputTime1_2nd_H7->setText(LoadResString(242));
    lblSetValue1_2nd_H7->setText(LoadResString(238));
    lblOutputTime2_2nd_H7->setText(LoadResString(243));
    lblSetValue2_2nd_H7->setText(LoadResString(239));

    lblCountSpeed_H7->setText(LoadResString(174));
    lblDotAdj_H7->setText(LoadResString(173));
    lblPreScale_H7->setText(LoadResString(176));
    lblInputMethod_H7->setText(LoadResString(186));
    lblKPLevel_H7->setText(LoadResString(206));
    lblSGWidth_Comm_H7->setText(LoadResString(185));
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

    static const int kTitles[] = {198, 199, 200};
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
    Image_Output_A->loadPictureFile(platform::appDataDir()
                                    + QStringLiteral("/Picture/730/image_%1_%2_0_0.jpg").arg(n).arg(output));

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

    txtCH_A->setText(LoadResString(232 + (n - 3)));
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

    QWidget* focus = n == 3 || n == 5 ? cboCountInputMode_1st_H7
                     : n == 4         ? cboCountInputMode_2nd_H7
                     : n == 8         ? cboOutputMode_freq_H7
                                      : cboCountInputMode_batch_H7;
    focus->setFocus();
}

void frmModeSetting_H7::mKP_Click() { ToggleKeyProtect(mKP); }
