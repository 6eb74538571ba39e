// Placement of the H5/H7 editor's controls (twips, 15 to a pixel): both halves, the
// picture area and the menus.
//
// Each panel is a column of lines 420 twips apart: a caption on the left and its combo
// or digit row on the right. Only one panel of a half is on show at a time, and the
// half's common row follows right below the last line of that panel
// (PlaceCommonRow), so a short panel leaves no empty band above it.
#include "editors/h5h7/frmModeSetting_H7.h"

#include "editors/h5h7/h5h7_internal.h"
#include "platform/twips.h"

#include <QVBoxLayout>

using platform::placeTw;
using namespace h5h7detail;

namespace {

// The outline around the panels and the frame around the pictures.
constexpr int kShape1Left = 90, kShape1Top = 120, kShape1Width = 5205, kShape1Height = 6615;
constexpr int kShape2Left = 5400, kShape2Top = 120, kShape2Width = 6345, kShape2Height = 5625;
constexpr int kPicture2Left = 5430, kPicture2Top = 150, kPicture2Width = 6285, kPicture2Height = 5565;

// The halves inside the outline, below the mode title.
constexpr int kHalfLeft = 120, kHalfTop = 600, kHalfWidth = 5160, kHalfHeight = 6075;
constexpr int kLine = 420;
constexpr int kCaptionLeft = 45;
// Where the combos and digit rows start. The 2-stage timer's captions are the longest
// ("Forecast Set Value ( SV2 ) :"); its panel has a column of its own.
constexpr int kControlLeft = 1995;
constexpr int kWideControlLeft = 2400;
constexpr int kControlRight = kHalfWidth - 30;
constexpr int kComboHeight = 360;
// Between the last line of a panel and the common row.
constexpr int kCommonGap = 90;

// A panel of the half: its lines and the column its controls start in.
struct Column {
    QWidget* panel;
    int controlLeft;
};

QWidget* makePanel(const QString& name, QWidget* half, int lines)
{
    auto* p = new QWidget(half);
    p->setObjectName(name);
    placeTw(p, 0, 0, kHalfWidth, lines * kLine + 60);
    return p;
}

QLabel* caption(const QString& name, const Column& c, int line)
{
    auto* l = new QLabel(c.panel);
    l->setObjectName(name);
    placeTw(l, kCaptionLeft, line * kLine + 45, c.controlLeft - kCaptionLeft - 30, 330);
    return l;
}

void placeCombo(QComboBox* combo, const Column& c, int line)
{
    placeTw(combo, c.controlLeft, line * kLine + 30, kControlRight - c.controlLeft, kComboHeight);
}

void placeRow(QWidget* row, const Column& c, int line)
{
    placeTw(row, c.controlLeft, line * kLine + 52, 7 * DigitLabelArray::kLabelWidthTw,
            DigitLabelArray::kLabelHeightTw);
}

QFrame* outline(const QString& name, QWidget* parent, int left, int top, int width, int height)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    placeTw(f, left, top, width, height);
    return f;
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
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Shape1[1] = outline("Shape1_1", client_, kShape1Left, kShape1Top, kShape1Width, kShape1Height);
    Shape1[2] = outline("Shape1_2", client_, kShape2Left, kShape2Top, kShape2Width, kShape2Height);
    txtCH_A = new QLabel(client_);
    txtCH_A->setObjectName("txtCH_A");
    txtCH_A->setAlignment(Qt::AlignCenter);
    txtCH_A->setFont(platform::formFont(12, true));
    placeTw(txtCH_A, kHalfLeft, 180, kHalfWidth, 360);

    BuildTimerHalf();
    BuildCounterHalf();
    BuildPictureArea();
}

void frmModeSetting_H7::BuildTimerHalf()
{
    using F = frmModeSetting_H7;
    picMode_H5 = new QWidget(client_);
    picMode_H5->setObjectName("picMode_H5");
    placeTw(picMode_H5, kHalfLeft, kHalfTop, kHalfWidth, kHalfHeight);
    picMode_H5->hide();

    picTimer_H5_A = makePanel("picTimer_H5_A", picMode_H5, 6);
    const Column a{picTimer_H5_A, kControlLeft};
    lblTimerRange_A_H5 = caption("lblTimerRange_A_H5", a, 0);
    cboTimerRange_A_H5 = makeCombo("cboTimerRange_A_H5", a.panel, kTimeRanges, &F::cboTimerRange_A_H5_Click);
    placeCombo(cboTimerRange_A_H5, a, 0);
    lblTimerDir_A_H5 = caption("lblTimerDir_A_H5", a, 1);
    cboTimerDirection_A_H5 = makeCombo("cboTimerDirection_A_H5", a.panel, resStrings({161, 162}),
                                       &F::cboTimerDirection_A_H5_Click);
    placeCombo(cboTimerDirection_A_H5, a, 1);
    lblOutputMode_A_H5 = caption("lblOutputMode_A_H5", a, 2);
    cboOutputMode_A_H5 = makeCombo("cboOutputMode_A_H5", a.panel,
                                   resStrings({216, 217, 218, 219, 220, 221, 222, 223, 224, 225}),
                                   &F::cboOutputMode_A_H5_Click);
    placeCombo(cboOutputMode_A_H5, a, 2);
    lblSetValue_A_H5 = caption("lblSetValue_A_H5", a, 3);
    lblTimerSetting_A_H5 = makeRow("lblTimerSetting_A_H5", a.panel);
    placeRow(lblTimerSetting_A_H5, a, 3);
    lblOutputMode2_A_H5 = caption("lblOutputMode2_A_H5", a, 4);
    lblHoldTime_A_H5 = makeRow("lblHoldTime_A_H5", a.panel);
    placeRow(lblHoldTime_A_H5, a, 4);
    lblRatio_A_H5 = caption("lblRatio_A_H5", a, 5);
    lblDutyRatio_A_H5 = makeRow("lblDutyRatio_A_H5", a.panel);
    placeRow(lblDutyRatio_A_H5, a, 5);
    // The duty ratio's separator is a plain "0".
    (*lblDutyRatio_A_H5)(6).setText(QStringLiteral("0"));
    (*lblDutyRatio_A_H5)(6).setFontBold(false);

    picTimer_H5_B = makePanel("picTimer_H5_B", picMode_H5, 6);
    const Column b{picTimer_H5_B, kControlLeft};
    lblTimerDir_B_H5 = caption("lblTimerDir_B_H5", b, 0);
    cboTimerDirection_B_H5 = makeCombo("cboTimerDirection_B_H5", b.panel, resStrings({161, 162}),
                                       &F::cboTimerDirection_B_H5_Click);
    placeCombo(cboTimerDirection_B_H5, b, 0);
    lblOutputMode_B_H5 = caption("lblOutputMode_B_H5", b, 1);
    cboOutputMode_B_H5 = makeCombo("cboOutputMode_B_H5", b.panel, resStrings({214, 215}),
                                   &F::cboOutputMode_B_H5_Click);
    placeCombo(cboOutputMode_B_H5, b, 1);
    lblTimerRange1_B_H5 = caption("lblTimerRange1_B_H5", b, 2);
    cboTimerRangeOFF_B_H5 = makeCombo("cboTimerRangeOFF_B_H5", b.panel, kTimeRanges,
                                      &F::cboTimerRangeOFF_B_H5_Click);
    placeCombo(cboTimerRangeOFF_B_H5, b, 2);
    lblSetValue1_B_H5 = caption("lblSetValue1_B_H5", b, 3);
    lblSettingValueOFF_B_H5 = makeRow("lblSettingValueOFF_B_H5", b.panel);
    placeRow(lblSettingValueOFF_B_H5, b, 3);
    lblTimerRange2_B_H5 = caption("lblTimerRange2_B_H5", b, 4);
    cboTimerRangeON_B_H5 = makeCombo("cboTimerRangeON_B_H5", b.panel, kTimeRanges,
                                     &F::cboTimerRangeON_B_H5_Click);
    placeCombo(cboTimerRangeON_B_H5, b, 4);
    lblSetValue2_B_H5 = caption("lblSetValue2_B_H5", b, 5);
    lblSettingValueON_B_H5 = makeRow("lblSettingValueON_B_H5", b.panel);
    placeRow(lblSettingValueON_B_H5, b, 5);

    picTimer_H5_C = makePanel("picTimer_H5_C", picMode_H5, 5);
    const Column c{picTimer_H5_C, kWideControlLeft};
    lblSettingMode_C_H5 = caption("lblSettingMode_C_H5", c, 0);
    cboSettingMode_C_H5 = makeCombo("cboSettingMode_C_H5", c.panel, resStrings({212, 213}),
                                    &F::cboSettingMode_C_H5_Click);
    placeCombo(cboSettingMode_C_H5, c, 0);
    lblOutputMode_C_H5 = caption("lblOutputMode_C_H5", c, 1);
    cboOutputMode_C_H5 = makeCombo("cboOutputMode_C_H5", c.panel, resStrings({302, 303}),
                                   &F::cboOutputMode_C_H5_Click);
    placeCombo(cboOutputMode_C_H5, c, 1);
    lblTimerRange_C_H5 = caption("lblTimerRange_C_H5", c, 2);
    cboTimerRange_C_H5 = makeCombo("cboTimerRange_C_H5", c.panel, kTimeRanges, &F::cboTimerRange_C_H5_Click);
    placeCombo(cboTimerRange_C_H5, c, 2);
    lblSetValue1_C_H5 = caption("lblSetValue1_C_H5", c, 3);
    lblSV1_C_H5 = makeRow("lblSV1_C_H5", c.panel);
    placeRow(lblSV1_C_H5, c, 3);
    lblSetValue2_C_H5 = caption("lblSetValue2_C_H5", c, 4);
    lblSV2_C_H5 = makeRow("lblSV2_C_H5", c.panel);
    placeRow(lblSV2_C_H5, c, 4);

    picCommon_H5 = makePanel("picCommon_H5", picMode_H5, 3);
    const Column common{picCommon_H5, kControlLeft};
    lblInputWidth_H5 = caption("lblInputWidth_H5", common, 0);
    cboSGWidth_All_H5 = makeCombo("cboSGWidth_All_H5", common.panel, kSGWidths, &F::cboSGWidth_All_H5_Click);
    placeCombo(cboSGWidth_All_H5, common, 0);
    lblInputMethod_H5 = caption("lblInputMethod_H5", common, 1);
    cboInputMethod_All_H5 = makeCombo("cboInputMethod_All_H5", common.panel, kInputMethods,
                                      &F::cboInputMethod_All_H5_Click);
    placeCombo(cboInputMethod_All_H5, common, 1);
    lblKeyProtect_H5 = caption("lblKeyProtect_H5", common, 2);
    cboKP_All_H5 = makeCombo("cboKP_All_H5", common.panel, kKPLevels, &F::cboKP_All_H5_Click);
    placeCombo(cboKP_All_H5, common, 2);
}

void frmModeSetting_H7::BuildCounterHalf()
{
    using F = frmModeSetting_H7;
    picMode_H7 = new QWidget(client_);
    picMode_H7->setObjectName("picMode_H7");
    placeTw(picMode_H7, kHalfLeft, kHalfTop, kHalfWidth, kHalfHeight);
    picMode_H7->hide();

    picTimer_H7_1st_total = makePanel("picTimer_H7_1st_total", picMode_H7, 4);
    const Column first{picTimer_H7_1st_total, kControlLeft};
    lblInputMode_H7_1st = caption("lblInputMode_H7_1st", first, 0);
    cboCountInputMode_1st_H7 = makeCombo("cboCountInputMode_1st_H7", first.panel, kCountInputs,
                                         &F::cboCountInputMode_1st_H7_Click);
    placeCombo(cboCountInputMode_1st_H7, first, 0);
    lblOutputMode_H7_1st = caption("lblOutputMode_H7_1st", first, 1);
    cboOutputMode_1st_H7 = makeCombo("cboOutputMode_1st_H7", first.panel, kCounterOutputs,
                                     &F::cboOutputMode_1st_H7_Click);
    placeCombo(cboOutputMode_1st_H7, first, 1);
    lblOutputTime_H7_1st = caption("lblOutputTime_H7_1st", first, 2);
    lblHoldCounter_1st_H7 = makeRow("lblHoldCounter_1st_H7", first.panel);
    placeRow(lblHoldCounter_1st_H7, first, 2);
    lblSetValue_H7_1st = caption("lblSetValue_H7_1st", first, 3);
    lblCounterSetting_1st_H7 = makeRow("lblCounterSetting_1st_H7", first.panel);
    placeRow(lblCounterSetting_1st_H7, first, 3);

    picTimer_H7_2nd = makePanel("picTimer_H7_2nd", picMode_H7, 6);
    const Column second{picTimer_H7_2nd, kControlLeft};
    lblInputMode_2nd_H7 = caption("lblInputMode_2nd_H7", second, 0);
    cboCountInputMode_2nd_H7 = makeCombo("cboCountInputMode_2nd_H7", second.panel, kCountInputs,
                                         &F::cboCountInputMode_2nd_H7_Click);
    placeCombo(cboCountInputMode_2nd_H7, second, 0);
    lblOutputMode_2nd_H7 = caption("lblOutputMode_2nd_H7", second, 1);
    cboOutputMode_2nd_H7 = makeCombo("cboOutputMode_2nd_H7", second.panel, kCounterOutputs,
                                     &F::cboOutputMode_2nd_H7_Click);
    placeCombo(cboOutputMode_2nd_H7, second, 1);
    lblOutputTime1_2nd_H7 = caption("lblOutputTime1_2nd_H7", second, 2);
    lblHoldCounter_2nd_1_H7 = makeRow("lblHoldCounter_2nd_1_H7", second.panel);
    placeRow(lblHoldCounter_2nd_1_H7, second, 2);
    lblSetValue1_2nd_H7 = caption("lblSetValue1_2nd_H7", second, 3);
    lblCounterSetting_2nd_1_H7 = makeRow("lblCounterSetting_2nd_1_H7", second.panel);
    placeRow(lblCounterSetting_2nd_1_H7, second, 3);
    lblOutputTime2_2nd_H7 = caption("lblOutputTime2_2nd_H7", second, 4);
    lblHoldCounter_2nd_2_H7 = makeRow("lblHoldCounter_2nd_2_H7", second.panel);
    placeRow(lblHoldCounter_2nd_2_H7, second, 4);
    lblSetValue2_2nd_H7 = caption("lblSetValue2_2nd_H7", second, 5);
    lblCounterSetting_2nd_2_H7 = makeRow("lblCounterSetting_2nd_2_H7", second.panel);
    placeRow(lblCounterSetting_2nd_2_H7, second, 5);

    picTimer_H7_batch_dual = makePanel("picTimer_H7_batch_dual", picMode_H7, 5);
    const Column batch{picTimer_H7_batch_dual, kControlLeft};
    lblInputMode_batch_H7 = caption("lblInputMode_batch_H7", batch, 0);
    cboCountInputMode_batch_H7 = makeCombo("cboCountInputMode_batch_H7", batch.panel, kCountInputs,
                                           &F::cboCountInputMode_batch_H7_Click);
    placeCombo(cboCountInputMode_batch_H7, batch, 0);
    lblOutputMode_batch_H7 = caption("lblOutputMode_batch_H7", batch, 1);
    cboOutputMode_batch_H7 = makeCombo("cboOutputMode_batch_H7", batch.panel, kCounterOutputs,
                                       &F::cboOutputMode_batch_H7_Click);
    placeCombo(cboOutputMode_batch_H7, batch, 1);
    lblOutputTime_batch_H7 = caption("lblOutputTime_batch_H7", batch, 2);
    lblHoldCounter_batch_H7 = makeRow("lblHoldCounter_batch_H7", batch.panel);
    placeRow(lblHoldCounter_batch_H7, batch, 2);
    lblSetValue1_batch_H7 = caption("lblSetValue1_batch_H7", batch, 3);
    lblCounterSetting_batch_1_H7 = makeRow("lblCounterSetting_batch_1_H7", batch.panel);
    placeRow(lblCounterSetting_batch_1_H7, batch, 3);
    // The batch set value has a box of its own, hidden in the dual counter.
    lblBatch = caption("lblBatch", batch, 4);
    picBatch = new QWidget(batch.panel);
    picBatch->setObjectName("picBatch");
    placeRow(picBatch, batch, 4);
    lblCounterSetting_batch_2_H7 = makeRow("lblCounterSetting_batch_2_H7", picBatch);
    placeTw(lblCounterSetting_batch_2_H7, 0, 0, 7 * DigitLabelArray::kLabelWidthTw,
            DigitLabelArray::kLabelHeightTw);

    picTimer_H7_freq = makePanel("picTimer_H7_freq", picMode_H7, 6);
    const Column freq{picTimer_H7_freq, kControlLeft};
    lblOutputMode_H7_freq = caption("lblOutputMode_H7_freq", freq, 0);
    cboOutputMode_freq_H7 = makeCombo("cboOutputMode_freq_H7", freq.panel, kFreqOutputs,
                                      &F::cboOutputMode_freq_H7_Click);
    placeCombo(cboOutputMode_freq_H7, freq, 0);
    lblAvg_H7_freq = caption("lblAvg_H7_freq", freq, 1);
    cboSampleAvg_freq_H7 = makeCombo("cboSampleAvg_freq_H7", freq.panel, kSampleAvgs,
                                     &F::cboSampleAvg_freq_H7_Click);
    placeCombo(cboSampleAvg_freq_H7, freq, 1);
    lblAutoZero_H7_freq = caption("lblAutoZero_H7_freq", freq, 2);
    lblAuto2ZeroTime_freq_H7 = makeRow("lblAuto2ZeroTime_freq_H7", freq.panel);
    placeRow(lblAuto2ZeroTime_freq_H7, freq, 2);
    lblStartupTime_H7_freq = caption("lblStartupTime_H7_freq", freq, 3);
    lblDelay2StartTime_freq_H7 = makeRow("lblDelay2StartTime_freq_H7", freq.panel);
    placeRow(lblDelay2StartTime_freq_H7, freq, 3);
    lblSetValue1_H7_freq = caption("lblSetValue1_H7_freq", freq, 4);
    lblCounterSetting_freq_1_H7 = makeRow("lblCounterSetting_freq_1_H7", freq.panel);
    placeRow(lblCounterSetting_freq_1_H7, freq, 4);
    lblSetValue2_H7_freq = caption("lblSetValue2_H7_freq", freq, 5);
    lblCounterSetting_freq_2_H7 = makeRow("lblCounterSetting_freq_2_H7", freq.panel);
    placeRow(lblCounterSetting_freq_2_H7, freq, 5);

    picCommon_H7 = makePanel("picCommon_H7", picMode_H7, 6);
    const Column common{picCommon_H7, kControlLeft};
    lblCountSpeed_H7 = caption("lblCountSpeed_H7", common, 0);
    cboMaxFreq_Comm_H7 = makeCombo("cboMaxFreq_Comm_H7", common.panel, kMaxFreqs, &F::cboMaxFreq_Comm_H7_Click);
    placeCombo(cboMaxFreq_Comm_H7, common, 0);
    lblDotAdj_H7 = caption("lblDotAdj_H7", common, 1);
    cboDotAdj_Comm_H7 = makeCombo("cboDotAdj_Comm_H7", common.panel, kDotAdjs, &F::cboDotAdj_Comm_H7_Click);
    placeCombo(cboDotAdj_Comm_H7, common, 1);
    lblPreScale_H7 = caption("lblPreScale_H7", common, 2);
    lblMagnification_Comm_H7 = makeRow("lblMagnification_Comm_H7", common.panel);
    placeRow(lblMagnification_Comm_H7, common, 2);
    // The prescale's first digit starts locked.
    (*lblMagnification_Comm_H7)(0).setEnabled(false);
    lblInputMethod_H7 = caption("lblInputMethod_H7", common, 3);
    cboInputMethod_Comm_H7 = makeCombo("cboInputMethod_Comm_H7", common.panel, kInputMethods,
                                       &F::cboInputMethod_Comm_H7_Click);
    placeCombo(cboInputMethod_Comm_H7, common, 3);
    lblKPLevel_H7 = caption("lblKPLevel_H7", common, 4);
    cboKP_Comm_H7 = makeCombo("cboKP_Comm_H7", common.panel, kKPLevels, &F::cboKP_Comm_H7_Click);
    placeCombo(cboKP_Comm_H7, common, 4);
    lblSGWidth_Comm_H7 = caption("lblSGWidth_Comm_H7", common, 5);
    cboSGWidth_Comm_H7 = makeCombo("cboSGWidth_Comm_H7", common.panel, kSGWidths, &F::cboSGWidth_Comm_H7_Click);
    placeCombo(cboSGWidth_Comm_H7, common, 5);
}

void frmModeSetting_H7::PlaceCommonRow()
{
    const std::pair<QWidget*, std::array<QWidget*, 4>> halves[] = {
        {picCommon_H5, {picTimer_H5_A, picTimer_H5_B, picTimer_H5_C, nullptr}},
        {picCommon_H7, {picTimer_H7_1st_total, picTimer_H7_2nd, picTimer_H7_batch_dual, picTimer_H7_freq}},
    };
    for (const auto& [common, panels] : halves) {
        for (QWidget* p : panels) {
            if (!p || p->isHidden())
                continue;
            // Below the lowest line the panel shows (the dual counter hides its last).
            int bottom = 0;
            for (QWidget* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!w->isHidden())
                    bottom = std::max(bottom, w->geometry().bottom() + 1);
            common->move(common->x(), p->y() + bottom + platform::tw(kCommonGap));
        }
    }
}

void frmModeSetting_H7::BuildPictureArea()
{
    Picture2 = new QWidget(client_);
    Picture2->setObjectName("Picture2");
    placeTw(Picture2, kPicture2Left, kPicture2Top, kPicture2Width, kPicture2Height);
    ImageCH_A = new ImageControl("ImageCH_A", Picture2);
    ImageCH_B = new ImageControl("ImageCH_B", Picture2);
    Image_Output_A = new ImageControl("Image_Output_A", Picture2);
    Image_Output_B = new ImageControl("Image_Output_B", Picture2);
    for (int i = 0; i < 2; ++i) {
        QRadioButton*& option = optPic[static_cast<std::size_t>(i)];
        option = new QRadioButton(Picture2);
        option->setObjectName(QStringLiteral("optPic_%1").arg(i));
        option->hide();
        connect(option, &QRadioButton::clicked, this, [this, i] { optPic_Click(i); });
    }
    ImageDownload = new ImageControl("ImageDownload", client_);
    cmdDownload_All_A = new QPushButton(client_);
    cmdDownload_All_A->setObjectName("cmdDownload_All_A");
    cmdDownload_All_A->hide();
    connect(cmdDownload_All_A, &QPushButton::clicked, this, &frmModeSetting_H7::cmdDownload_All_A_Click);

    connect(ImageCH_A, &ImageControl::Click, this, &frmModeSetting_H7::ImageCH_A_Click);
    connect(ImageCH_B, &ImageControl::Click, this, &frmModeSetting_H7::ImageCH_B_Click);
    connect(ImageDownload, &ImageControl::Click, this, &frmModeSetting_H7::ImageDownload_Click);
}

void frmModeSetting_H7::BuildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    // The window's own menu bar, also where the platform would merge menus into a
    // global one.
    menuBar->setNativeMenuBar(false);
    auto item = [this](QMenu* menu, QAction*& action, const char* name, QKeySequence shortcut,
                       void (frmModeSetting_H7::*handler)()) {
        action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    auto menu = [this](QMenu*& m, const char* name) {
        m = menuBar->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
    };
    using F = frmModeSetting_H7;

    menu(mFile, "mFile");
    item(mFile, mNew, "mNew", QKeySequence(Qt::CTRL | Qt::Key_N), &F::mNew_Click);
    item(mFile, mOpenSetting, "mOpenSetting", QKeySequence(Qt::CTRL | Qt::Key_O), &F::mOpenSetting_Click);
    item(mFile, mClose, "mClose", QKeySequence(), &F::mClose_Click);
    mFile->addSeparator();
    item(mFile, mSaveSetting, "mSaveSetting", QKeySequence(Qt::CTRL | Qt::Key_S), &F::mSaveSetting_Click);
    item(mFile, mSaveAs, "mSaveAs", QKeySequence(Qt::CTRL | Qt::Key_A), &F::mSaveAs_Click);
    mFile->addSeparator();
    item(mFile, mExit, "mExit", QKeySequence(), &F::mExit_Click);

    menu(mMode, "mMode");
    QAction** modes[] = {&mFuncModeSelect_0, &mFuncModeSelect_1, &mFuncModeSelect_2,
                         &mFuncModeSelect_3, &mFuncModeSelect_4, &mFuncModeSelect_5,
                         &mFuncModeSelect_6, &mFuncModeSelect_7, &mFuncModeSelect_8};
    for (int n = 0; n < 9; ++n) {
        QAction* a = mMode->addAction(QString());
        a->setObjectName(QStringLiteral("mFuncModeSelect_%1").arg(n));
        a->setCheckable(true);
        // The tick follows the mode the handler chose, not the click.
        connect(a, &QAction::triggered, this, [this, n] { FuncModeSelect(n); });
        *modes[n] = a;
    }

    menu(mTool, "mTool");
    item(mTool, mUpload, "mUpload", QKeySequence(Qt::Key_F11), &F::mUpload_Click);
    item(mTool, mDownload, "mDownload", QKeySequence(Qt::Key_F9), &F::mDownload_Click);
    mTool->addSeparator();
    item(mTool, mCompare, "mCompare", QKeySequence(Qt::Key_F8), &F::mCompare_Click);

    menu(mMonitor, "mMonitor");
    item(mMonitor, mMonitoring, "mMonitoring", QKeySequence(Qt::CTRL | Qt::Key_M), &F::mMonitoring_Click);

    menu(mSetting, "mSetting");
    item(mSetting, mCommSetting, "mCommSetting", QKeySequence(Qt::CTRL | Qt::Key_U), &F::mCommSetting_Click);
    mSetting->addSeparator();
    item(mSetting, mKP, "mKP", QKeySequence(Qt::CTRL | Qt::Key_K), &F::KeyProtectChosen);
    mKP->setCheckable(true);

    menu(mHelp, "mHelp");
    item(mHelp, mVelHelp, "mVelHelp", QKeySequence(Qt::Key_F1), &F::mVelHelp_Click);
    item(mHelp, mAbout, "mAbout", QKeySequence(), &F::mAbout_Click);
}

void frmModeSetting_H7::LayoutPictureArea()
{
    // Sizes come from the outlines and the frame as they are now.
    const QRect picture2 = Picture2->geometry();
    const int pLeft = picture2.x() * platform::kTwipsPerPixel;
    const int pTop = picture2.y() * platform::kTwipsPerPixel;
    const int pWidth = picture2.width() * platform::kTwipsPerPixel;
    const int pHeight = picture2.height() * platform::kTwipsPerPixel;
    const int shape1Height = Shape1[1]->height() * platform::kTwipsPerPixel;
    const int shape2Height = Shape1[2]->height() * platform::kTwipsPerPixel;

    placeTw(ImageDownload, pLeft, pTop + pHeight + 150, pWidth, shape1Height - shape2Height - 150);
    ImageDownload->setPictureName(QStringLiteral("IMAGE_DOWNLOAD_E"));

    const int tabWidth = pWidth / 2 - 100;
    placeTw(ImageCH_A, 100, 100, tabWidth, 615);
    ImageCH_A->setPictureName(QStringLiteral("IMAGE_CHA_B"));
    placeTw(ImageCH_B, 100 + tabWidth, 100, tabWidth, 615);
    ImageCH_B->setPictureName(QStringLiteral("IMAGE_CHB_G"));

    placeTw(Image_Output_A, 100, 100 + 615 + 100, pWidth - 200, pHeight - 615 - 300);
    placeTw(Image_Output_B, 100, 100 + 615 + 100, pWidth - 200, pHeight - 615 - 300);
}
