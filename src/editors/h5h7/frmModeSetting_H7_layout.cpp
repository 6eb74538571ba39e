// Placement of the H5/H7 editor's controls (twips, 15 to a pixel): both halves, the
// picture area and the menus.
#include "editors/h5h7/frmModeSetting_H7.h"

#include "editors/h5h7/h5h7_internal.h"
#include "platform/twips.h"

#include <QVBoxLayout>

using platform::placeTw;
using namespace h5h7detail;

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

void frmModeSetting_H7::setupUi()
{
    setObjectName("frmModeSetting_H7");
    setProperty("Tag", QStringLiteral("2"));
    setWindowTitle(QStringLiteral("Unknown01.kvf"));
    setFont(platform::formFont(9));
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The menus sit above the client area; positions inside it are in twips.
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
}

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
    // The duty ratio's separator is a plain "0".
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
    // The prescale's first digit starts locked.
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

void frmModeSetting_H7::LayoutPictureArea()
{
    // The outlines: the panel area on the left and the frame around
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
