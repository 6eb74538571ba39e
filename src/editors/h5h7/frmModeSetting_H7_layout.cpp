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

QWidget* makePanel(const QString& name, QWidget* half, int lines)
{
    auto* p = new QWidget(half);
    p->setObjectName(name);
    placeTw(p, 0, 0, kHalfWidth, lines * kLine + 60);
    return p;
}

void placeRow(QWidget* row, int controlLeft, int line)
{
    placeTw(row, controlLeft, line * kLine + 52, 7 * DigitLabelArray::kLabelWidthTw,
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

// The lines of one panel: a caption on the left, its combo or digit row in the
// panel's control column.
struct frmModeSetting_H7::PanelBuilder {
    frmModeSetting_H7* form;
    QWidget* panel;
    int controlLeft;

    QLabel* caption(const char* name, int line) const
    {
        auto* l = new QLabel(panel);
        l->setObjectName(QString::fromLatin1(name));
        placeTw(l, kCaptionLeft, line * kLine + 45, controlLeft - kCaptionLeft - 30, 330);
        return l;
    }
    QComboBox* combo(const char* name, int line, const QStringList& items,
                     void (frmModeSetting_H7::*handler)()) const
    {
        QComboBox* c = form->makeCombo(QString::fromLatin1(name), panel, items, handler);
        placeTw(c, controlLeft, line * kLine + 30, kControlRight - controlLeft, kComboHeight);
        return c;
    }
    DigitLabelArray* row(const char* name, int line) const
    {
        DigitLabelArray* r = form->makeRow(QString::fromLatin1(name), panel);
        placeRow(r, controlLeft, line);
        return r;
    }
};

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
    const PanelBuilder a{this, picTimer_H5_A, kControlLeft};
    lblTimerRange_A_H5 = a.caption("lblTimerRange_A_H5", 0);
    cboTimerRange_A_H5 = a.combo("cboTimerRange_A_H5", 0, kTimeRanges, &F::cboTimerRange_A_H5_Click);
    lblTimerDir_A_H5 = a.caption("lblTimerDir_A_H5", 1);
    cboTimerDirection_A_H5 = a.combo("cboTimerDirection_A_H5", 1, resStrings({161, 162}),
                                     &F::cboTimerDirection_A_H5_Click);
    lblOutputMode_A_H5 = a.caption("lblOutputMode_A_H5", 2);
    cboOutputMode_A_H5 = a.combo("cboOutputMode_A_H5", 2,
                                 resStrings({216, 217, 218, 219, 220, 221, 222, 223, 224, 225}),
                                 &F::cboOutputMode_A_H5_Click);
    lblSetValue_A_H5 = a.caption("lblSetValue_A_H5", 3);
    lblTimerSetting_A_H5 = a.row("lblTimerSetting_A_H5", 3);
    lblOutputMode2_A_H5 = a.caption("lblOutputMode2_A_H5", 4);
    lblHoldTime_A_H5 = a.row("lblHoldTime_A_H5", 4);
    lblRatio_A_H5 = a.caption("lblRatio_A_H5", 5);
    lblDutyRatio_A_H5 = a.row("lblDutyRatio_A_H5", 5);
    // The duty ratio's separator is a plain "0".
    (*lblDutyRatio_A_H5)(6).setText(QStringLiteral("0"));
    (*lblDutyRatio_A_H5)(6).setFontBold(false);

    picTimer_H5_B = makePanel("picTimer_H5_B", picMode_H5, 6);
    const PanelBuilder b{this, picTimer_H5_B, kControlLeft};
    lblTimerDir_B_H5 = b.caption("lblTimerDir_B_H5", 0);
    cboTimerDirection_B_H5 = b.combo("cboTimerDirection_B_H5", 0, resStrings({161, 162}),
                                     &F::cboTimerDirection_B_H5_Click);
    lblOutputMode_B_H5 = b.caption("lblOutputMode_B_H5", 1);
    cboOutputMode_B_H5 = b.combo("cboOutputMode_B_H5", 1, resStrings({214, 215}), &F::cboOutputMode_B_H5_Click);
    lblTimerRange1_B_H5 = b.caption("lblTimerRange1_B_H5", 2);
    cboTimerRangeOFF_B_H5 = b.combo("cboTimerRangeOFF_B_H5", 2, kTimeRanges, &F::cboTimerRangeOFF_B_H5_Click);
    lblSetValue1_B_H5 = b.caption("lblSetValue1_B_H5", 3);
    lblSettingValueOFF_B_H5 = b.row("lblSettingValueOFF_B_H5", 3);
    lblTimerRange2_B_H5 = b.caption("lblTimerRange2_B_H5", 4);
    cboTimerRangeON_B_H5 = b.combo("cboTimerRangeON_B_H5", 4, kTimeRanges, &F::cboTimerRangeON_B_H5_Click);
    lblSetValue2_B_H5 = b.caption("lblSetValue2_B_H5", 5);
    lblSettingValueON_B_H5 = b.row("lblSettingValueON_B_H5", 5);

    picTimer_H5_C = makePanel("picTimer_H5_C", picMode_H5, 5);
    const PanelBuilder c{this, picTimer_H5_C, kWideControlLeft};
    lblSettingMode_C_H5 = c.caption("lblSettingMode_C_H5", 0);
    cboSettingMode_C_H5 = c.combo("cboSettingMode_C_H5", 0, resStrings({212, 213}), &F::cboSettingMode_C_H5_Click);
    lblOutputMode_C_H5 = c.caption("lblOutputMode_C_H5", 1);
    cboOutputMode_C_H5 = c.combo("cboOutputMode_C_H5", 1, resStrings({302, 303}), &F::cboOutputMode_C_H5_Click);
    lblTimerRange_C_H5 = c.caption("lblTimerRange_C_H5", 2);
    cboTimerRange_C_H5 = c.combo("cboTimerRange_C_H5", 2, kTimeRanges, &F::cboTimerRange_C_H5_Click);
    lblSetValue1_C_H5 = c.caption("lblSetValue1_C_H5", 3);
    lblSV1_C_H5 = c.row("lblSV1_C_H5", 3);
    lblSetValue2_C_H5 = c.caption("lblSetValue2_C_H5", 4);
    lblSV2_C_H5 = c.row("lblSV2_C_H5", 4);

    picCommon_H5 = makePanel("picCommon_H5", picMode_H5, 3);
    const PanelBuilder common{this, picCommon_H5, kControlLeft};
    lblInputWidth_H5 = common.caption("lblInputWidth_H5", 0);
    cboSGWidth_All_H5 = common.combo("cboSGWidth_All_H5", 0, kSGWidths, &F::cboSGWidth_All_H5_Click);
    lblInputMethod_H5 = common.caption("lblInputMethod_H5", 1);
    cboInputMethod_All_H5 = common.combo("cboInputMethod_All_H5", 1, kInputMethods, &F::cboInputMethod_All_H5_Click);
    lblKeyProtect_H5 = common.caption("lblKeyProtect_H5", 2);
    cboKP_All_H5 = common.combo("cboKP_All_H5", 2, kKPLevels, &F::cboKP_All_H5_Click);
}

void frmModeSetting_H7::BuildCounterHalf()
{
    using F = frmModeSetting_H7;
    picMode_H7 = new QWidget(client_);
    picMode_H7->setObjectName("picMode_H7");
    placeTw(picMode_H7, kHalfLeft, kHalfTop, kHalfWidth, kHalfHeight);
    picMode_H7->hide();

    picTimer_H7_1st_total = makePanel("picTimer_H7_1st_total", picMode_H7, 4);
    const PanelBuilder first{this, picTimer_H7_1st_total, kControlLeft};
    lblInputMode_H7_1st = first.caption("lblInputMode_H7_1st", 0);
    cboCountInputMode_1st_H7 = first.combo("cboCountInputMode_1st_H7", 0, kCountInputs,
                                           &F::cboCountInputMode_1st_H7_Click);
    lblOutputMode_H7_1st = first.caption("lblOutputMode_H7_1st", 1);
    cboOutputMode_1st_H7 = first.combo("cboOutputMode_1st_H7", 1, kCounterOutputs, &F::cboOutputMode_1st_H7_Click);
    lblOutputTime_H7_1st = first.caption("lblOutputTime_H7_1st", 2);
    lblHoldCounter_1st_H7 = first.row("lblHoldCounter_1st_H7", 2);
    lblSetValue_H7_1st = first.caption("lblSetValue_H7_1st", 3);
    lblCounterSetting_1st_H7 = first.row("lblCounterSetting_1st_H7", 3);

    picTimer_H7_2nd = makePanel("picTimer_H7_2nd", picMode_H7, 6);
    const PanelBuilder second{this, picTimer_H7_2nd, kControlLeft};
    lblInputMode_2nd_H7 = second.caption("lblInputMode_2nd_H7", 0);
    cboCountInputMode_2nd_H7 = second.combo("cboCountInputMode_2nd_H7", 0, kCountInputs,
                                            &F::cboCountInputMode_2nd_H7_Click);
    lblOutputMode_2nd_H7 = second.caption("lblOutputMode_2nd_H7", 1);
    cboOutputMode_2nd_H7 = second.combo("cboOutputMode_2nd_H7", 1, kCounterOutputs, &F::cboOutputMode_2nd_H7_Click);
    lblOutputTime1_2nd_H7 = second.caption("lblOutputTime1_2nd_H7", 2);
    lblHoldCounter_2nd_1_H7 = second.row("lblHoldCounter_2nd_1_H7", 2);
    lblSetValue1_2nd_H7 = second.caption("lblSetValue1_2nd_H7", 3);
    lblCounterSetting_2nd_1_H7 = second.row("lblCounterSetting_2nd_1_H7", 3);
    lblOutputTime2_2nd_H7 = second.caption("lblOutputTime2_2nd_H7", 4);
    lblHoldCounter_2nd_2_H7 = second.row("lblHoldCounter_2nd_2_H7", 4);
    lblSetValue2_2nd_H7 = second.caption("lblSetValue2_2nd_H7", 5);
    lblCounterSetting_2nd_2_H7 = second.row("lblCounterSetting_2nd_2_H7", 5);

    picTimer_H7_batch_dual = makePanel("picTimer_H7_batch_dual", picMode_H7, 5);
    const PanelBuilder batch{this, picTimer_H7_batch_dual, kControlLeft};
    lblInputMode_batch_H7 = batch.caption("lblInputMode_batch_H7", 0);
    cboCountInputMode_batch_H7 = batch.combo("cboCountInputMode_batch_H7", 0, kCountInputs,
                                             &F::cboCountInputMode_batch_H7_Click);
    lblOutputMode_batch_H7 = batch.caption("lblOutputMode_batch_H7", 1);
    cboOutputMode_batch_H7 = batch.combo("cboOutputMode_batch_H7", 1, kCounterOutputs,
                                         &F::cboOutputMode_batch_H7_Click);
    lblOutputTime_batch_H7 = batch.caption("lblOutputTime_batch_H7", 2);
    lblHoldCounter_batch_H7 = batch.row("lblHoldCounter_batch_H7", 2);
    lblSetValue1_batch_H7 = batch.caption("lblSetValue1_batch_H7", 3);
    lblCounterSetting_batch_1_H7 = batch.row("lblCounterSetting_batch_1_H7", 3);
    // The batch set value has a box of its own, hidden in the dual counter.
    lblBatch = batch.caption("lblBatch", 4);
    picBatch = new QWidget(batch.panel);
    picBatch->setObjectName("picBatch");
    placeRow(picBatch, batch.controlLeft, 4);
    lblCounterSetting_batch_2_H7 = makeRow("lblCounterSetting_batch_2_H7", picBatch);
    placeTw(lblCounterSetting_batch_2_H7, 0, 0, 7 * DigitLabelArray::kLabelWidthTw,
            DigitLabelArray::kLabelHeightTw);

    picTimer_H7_freq = makePanel("picTimer_H7_freq", picMode_H7, 6);
    const PanelBuilder freq{this, picTimer_H7_freq, kControlLeft};
    lblOutputMode_H7_freq = freq.caption("lblOutputMode_H7_freq", 0);
    cboOutputMode_freq_H7 = freq.combo("cboOutputMode_freq_H7", 0, kFreqOutputs, &F::cboOutputMode_freq_H7_Click);
    lblAvg_H7_freq = freq.caption("lblAvg_H7_freq", 1);
    cboSampleAvg_freq_H7 = freq.combo("cboSampleAvg_freq_H7", 1, kSampleAvgs, &F::cboSampleAvg_freq_H7_Click);
    lblAutoZero_H7_freq = freq.caption("lblAutoZero_H7_freq", 2);
    lblAuto2ZeroTime_freq_H7 = freq.row("lblAuto2ZeroTime_freq_H7", 2);
    lblStartupTime_H7_freq = freq.caption("lblStartupTime_H7_freq", 3);
    lblDelay2StartTime_freq_H7 = freq.row("lblDelay2StartTime_freq_H7", 3);
    lblSetValue1_H7_freq = freq.caption("lblSetValue1_H7_freq", 4);
    lblCounterSetting_freq_1_H7 = freq.row("lblCounterSetting_freq_1_H7", 4);
    lblSetValue2_H7_freq = freq.caption("lblSetValue2_H7_freq", 5);
    lblCounterSetting_freq_2_H7 = freq.row("lblCounterSetting_freq_2_H7", 5);

    picCommon_H7 = makePanel("picCommon_H7", picMode_H7, 6);
    const PanelBuilder common{this, picCommon_H7, kControlLeft};
    lblCountSpeed_H7 = common.caption("lblCountSpeed_H7", 0);
    cboMaxFreq_Comm_H7 = common.combo("cboMaxFreq_Comm_H7", 0, kMaxFreqs, &F::cboMaxFreq_Comm_H7_Click);
    lblDotAdj_H7 = common.caption("lblDotAdj_H7", 1);
    cboDotAdj_Comm_H7 = common.combo("cboDotAdj_Comm_H7", 1, kDotAdjs, &F::cboDotAdj_Comm_H7_Click);
    lblPreScale_H7 = common.caption("lblPreScale_H7", 2);
    lblMagnification_Comm_H7 = common.row("lblMagnification_Comm_H7", 2);
    // The prescale's first digit starts locked.
    (*lblMagnification_Comm_H7)(0).setEnabled(false);
    lblInputMethod_H7 = common.caption("lblInputMethod_H7", 3);
    cboInputMethod_Comm_H7 = common.combo("cboInputMethod_Comm_H7", 3, kInputMethods,
                                          &F::cboInputMethod_Comm_H7_Click);
    lblKPLevel_H7 = common.caption("lblKPLevel_H7", 4);
    cboKP_Comm_H7 = common.combo("cboKP_Comm_H7", 4, kKPLevels, &F::cboKP_Comm_H7_Click);
    lblSGWidth_Comm_H7 = common.caption("lblSGWidth_Comm_H7", 5);
    cboSGWidth_Comm_H7 = common.combo("cboSGWidth_Comm_H7", 5, kSGWidths, &F::cboSGWidth_Comm_H7_Click);
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
    }
    ImageDownload = new ImageControl("ImageDownload", client_);
    cmdDownload_All_A = new QPushButton(client_);
    cmdDownload_All_A->setObjectName("cmdDownload_All_A");
    cmdDownload_All_A->hide();
}

void frmModeSetting_H7::BuildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    // The window's own menu bar, also where the platform would merge menus into a
    // global one.
    menuBar->setNativeMenuBar(false);
    auto item = [](QMenu* menu, QAction*& action, const char* name, QKeySequence shortcut = {}) {
        action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
    };
    auto menu = [this](QMenu*& m, const char* name) {
        m = menuBar->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
    };

    menu(mFile, "mFile");
    item(mFile, mNew, "mNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    item(mFile, mOpenSetting, "mOpenSetting", QKeySequence(Qt::CTRL | Qt::Key_O));
    item(mFile, mClose, "mClose");
    mFile->addSeparator();
    item(mFile, mSaveSetting, "mSaveSetting", QKeySequence(Qt::CTRL | Qt::Key_S));
    item(mFile, mSaveAs, "mSaveAs", QKeySequence(Qt::CTRL | Qt::Key_A));
    mFile->addSeparator();
    item(mFile, mExit, "mExit");

    menu(mMode, "mMode");
    QAction** modes[] = {&mFuncModeSelect_0, &mFuncModeSelect_1, &mFuncModeSelect_2,
                         &mFuncModeSelect_3, &mFuncModeSelect_4, &mFuncModeSelect_5,
                         &mFuncModeSelect_6, &mFuncModeSelect_7, &mFuncModeSelect_8};
    for (int n = 0; n < 9; ++n) {
        QAction* a = mMode->addAction(QString());
        a->setObjectName(QStringLiteral("mFuncModeSelect_%1").arg(n));
        a->setCheckable(true);
        *modes[n] = a;
    }

    menu(mTool, "mTool");
    item(mTool, mUpload, "mUpload", QKeySequence(Qt::Key_F11));
    item(mTool, mDownload, "mDownload", QKeySequence(Qt::Key_F9));
    mTool->addSeparator();
    item(mTool, mCompare, "mCompare", QKeySequence(Qt::Key_F8));

    menu(mMonitor, "mMonitor");
    item(mMonitor, mMonitoring, "mMonitoring", QKeySequence(Qt::CTRL | Qt::Key_M));

    menu(mSetting, "mSetting");
    item(mSetting, mCommSetting, "mCommSetting", QKeySequence(Qt::CTRL | Qt::Key_U));
    mSetting->addSeparator();
    item(mSetting, mKP, "mKP", QKeySequence(Qt::CTRL | Qt::Key_K));
    mKP->setCheckable(true);

    menu(mHelp, "mHelp");
    item(mHelp, mVelHelp, "mVelHelp", QKeySequence(Qt::Key_F1));
    item(mHelp, mAbout, "mAbout");
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
