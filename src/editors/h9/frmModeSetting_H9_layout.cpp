// Placement of the H9 editor's controls (twips, 15 to a pixel) and the lists and row
// layouts the window is drawn with before any reset.
#include "editors/h9/frmModeSetting_H9.h"

#include "editors/common/combo_select.h"
#include "platform/bitmaps.h"
#include "platform/twips.h"

#include <QButtonGroup>
#include <QGroupBox>

using platform::placeTw;
using platform::tw;

namespace {

constexpr int kPanelLeftTw = 150;
constexpr int kComboWidthTw = 2055;
constexpr int kComboHeightTw = 330;
constexpr int kRowWidthTw = 2055;
constexpr int kRowHeightTw = 375;
constexpr int kCaptionHeightTw = 225;
constexpr int kItemStepTw = 630;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption = QString())
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setFont(platform::formFont(9));
    return l;
}

QWidget* makePanel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    placeTw(w, left, top, width, height);
    return w;
}

// Lays the fields of one panel out top to bottom: each a caption label over its
// combo or digit row.
class PanelStack {
public:
    explicit PanelStack(QWidget* panel) : panel_(panel) {}

    QComboBox* combo(const char* caption, const char* name, int widthTw = kComboWidthTw)
    {
        QLabel* l = caption_(caption);
        auto* c = new QComboBox(panel_);
        c->setObjectName(QString::fromLatin1(name));
        c->setFont(platform::formFont(9));
        placeTw(c, kPanelLeftTw, top_ + kCaptionHeightTw, widthTw, kComboHeightTw);
        l->setBuddy(c);
        top_ += kItemStepTw;
        lastCaption = l;
        return c;
    }
    DigitLabelArray* row(const char* caption, const char* name)
    {
        lastCaption = caption_(caption);
        auto* r = new DigitLabelArray(QString::fromLatin1(name), DigitLabelArray::Style::H9, panel_);
        placeTw(r, kPanelLeftTw, top_ + kCaptionHeightTw, kRowWidthTw, kRowHeightTw);
        top_ += kItemStepTw;
        return r;
    }
    QLabel* lastCaption = nullptr;

private:
    QLabel* caption_(const char* name)
    {
        QLabel* l = makeLabel(panel_, QString::fromLatin1(name));
        placeTw(l, kPanelLeftTw, top_, kComboWidthTw, kCaptionHeightTw);
        return l;
    }
    QWidget* panel_;
    int top_ = 120;
};

QAction* makeAction(QObject* parent, const char* name, bool checkable)
{
    auto* a = new QAction(parent);
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(checkable);
    return a;
}

} // namespace

void frmModeSetting_H9::setupUi()
{
    resize(tw(11880), tw(8190));
    QWidget* Picture1 = makePanel(this, "Picture1", 0, 30, 11835, 9000);
    QWidget* Picture4 = makePanel(Picture1, "Picture4", 165, 150, 5145, 6645);

    auto* Frame9 = new QGroupBox(QStringLiteral(" Channel _ A"), Picture4);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    placeTw(Frame9, 120, 120, 2385, 735);
    txtCH_A = makeLabel(Frame9, QStringLiteral("txtCH_A"));
    txtCH_A->setAlignment(Qt::AlignCenter);
    txtCH_A->setFont(platform::formFont(11, true));
    placeTw(txtCH_A, 0, 270, 2385, 375);
    auto* Frame4 = new QGroupBox(QStringLiteral(" Channel _ B "), Picture4);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    placeTw(Frame4, 2620, 120, 2385, 735);
    txtCH_B = makeLabel(Frame4, QStringLiteral("txtCH_B"));
    txtCH_B->setAlignment(Qt::AlignCenter);
    txtCH_B->setFont(platform::formFont(11, true));
    placeTw(txtCH_B, 0, 270, 2385, 375);

    picST_A = makePanel(Picture4, "picST_A", 120, 900, 2385, 4575);
    picDC_A = makePanel(Picture4, "picDC_A", 120, 900, 2385, 4575);
    picDT_A = makePanel(Picture4, "picDT_A", 120, 900, 2385, 4575);
    picDF_A = makePanel(Picture4, "picDF_A", 120, 900, 2385, 4575);
    picSC_B = makePanel(Picture4, "picSC_B", 2620, 900, 2385, 4575);
    picSF_B = makePanel(Picture4, "picSF_B", 2620, 900, 2385, 4575);
    picDC_B = makePanel(Picture4, "picDC_B", 2620, 900, 2385, 4575);
    picDT_B = makePanel(Picture4, "picDT_B", 2620, 900, 2385, 4575);
    picDF_B = makePanel(Picture4, "picDF_B", 2620, 900, 2385, 4575);

    {
        PanelStack s(picST_A);
        cboCountModeA = s.combo("lblTimeRange_ST_A", "cboCountModeA");
        cboCountDirectionA = s.combo("lblCountDir_ST_A", "cboCountDirectionA");
        cboOutputModeA = s.combo("lblOutputMode_ST_A", "cboOutputModeA");
        lblTimerSettingA = s.row("lblSetValue_ST_A", "lblTimerSettingA");
        lblHoldTimeA = s.row("lblOutputTime2_ST_A", "lblHoldTimeA");
    }
    {
        PanelStack s(picSC_B);
        cboCountInputModeB = s.combo("lblInputMode_SC_B", "cboCountInputModeB", 1755);
        cboDotAdjB = s.combo("lblDotAdj_SC_B", "cboDotAdjB");
        cboMaxFreqB = s.combo("lblCountSpeed_SC_B", "cboMaxFreqB");
        cboOutputModeB = s.combo("lblOutputMode_SC_B", "cboOutputModeB");
        lblMagnificationB = s.row("lblPrescale_SC_B", "lblMagnificationB");
        lblCounterSettingB = s.row("lblSetValue_SC_B", "lblCounterSettingB");
        lblHoldCounterB = s.row("lblOutputTime_SC_B", "lblHoldCounterB");
    }
    {
        PanelStack s(picSF_B);
        cboSampleAvgB_F = s.combo("lblAvg_SF_B", "cboSampleAvgB_F");
        cboDotAdjB_F = s.combo("lblDotAdj_SF_B", "cboDotAdjB_F");
        cboMaxFreqB_F = s.combo("lblCountSpeed_SF_B", "cboMaxFreqB_F");
        cboOutputModeB_F = s.combo("lblOutputMode_SF_B", "cboOutputModeB_F");
        lblMagnificationB_F = s.row("lblMagnification2_SF_B", "lblMagnificationB_F");
        lblCounterSettingB_F = s.row("lblSetValue_B_F", "lblCounterSettingB_F");
        lblHoldCounterB_F = s.row("lblStartupTime_B_F", "lblHoldCounterB_F");
    }
    {
        PanelStack s(picDC_A);
        cboCountInputMode_C_Dual_0 = s.combo("lblCountInputMode_C_Dual_0", "cboCountInputMode_C_Dual_0");
        lblCountInputMode_C_Dual_0 = s.lastCaption;
        cboMaxFreq_C_Dual_0 = s.combo("lblMaxFreq_C_Dual_0", "cboMaxFreq_C_Dual_0");
        lblMaxFreq_C_Dual_0 = s.lastCaption;
        cboOutputMode_C_Dual_0 = s.combo("lblOutputMode_DC_A", "cboOutputMode_C_Dual_0");
        lblCounterSetting_C_Dual_0 = s.row("lblSetValue_DC_A", "lblCounterSetting_C_Dual_0");
        lblHoldCounter_C_Dual_0 = s.row("lblOutputTime_DC_A", "lblHoldCounter_C_Dual_0");
    }
    {
        PanelStack s(picDC_B);
        cboCountInputMode_C_Dual_1 = s.combo("lblInputMode_DC_B", "cboCountInputMode_C_Dual_1", 1785);
        cboMaxFreq_C_Dual_1 = s.combo("lblCountSpeed_DC_B", "cboMaxFreq_C_Dual_1");
        cboOutputMode_C_Dual_1 = s.combo("lblOutputMode_DC_B", "cboOutputMode_C_Dual_1");
        lblCounterSetting_C_Dual_1 = s.row("lblSetValue_DC_B", "lblCounterSetting_C_Dual_1");
        lblHoldCounter_C_Dual_1 = s.row("lblOutputTime_DC_B", "lblHoldCounter_C_Dual_1");
    }
    {
        PanelStack s(picDT_A);
        cboOutputMode_T_Dual_0 = s.combo("lblOutputMode_DT_A", "cboOutputMode_T_Dual_0");
        lblTimerSetting_T_Dual_0 = s.row("lblSetting_0", "lblTimerSetting_T_Dual_0");
        lblHoldTime_T_Dual_0 = s.row("lblOutputMode2_DT_A", "lblHoldTime_T_Dual_0");
    }
    {
        PanelStack s(picDT_B);
        cboOutputMode_T_Dual_1 = s.combo("lblOutputMode_DT_B", "cboOutputMode_T_Dual_1");
        lblTimerSetting_T_Dual_1 = s.row("lblSetValue_DT_B", "lblTimerSetting_T_Dual_1");
        lblHoldTime_T_Dual_1 = s.row("lblOutputTime_DT_B", "lblHoldTime_T_Dual_1");
    }
    {
        PanelStack s(picDF_A);
        cboOutputModeA_Dual_F = s.combo("lblOutput_DF_A", "cboOutputModeA_Dual_F");
        lblCounterSettingA_Dual_F = s.row("lblSetValue_DF_A", "lblCounterSettingA_Dual_F");
    }
    {
        PanelStack s(picDF_B);
        cboSampleAvgB_Dual_F = s.combo("lblAvg_DF_B", "cboSampleAvgB_Dual_F");
        cboMaxFreqB_Dual_F = s.combo("lblCouttSpeed_DF_B", "cboMaxFreqB_Dual_F");
        cboOutputModeB_Dual_F = s.combo("lblOutputMode_DF_B", "cboOutputModeB_Dual_F");
        lblCounterSettingB_Dual_F = s.row("lblSetValue_DF_B", "lblCounterSettingB_Dual_F");
        lblHoldCounterB_Dual_F = s.row("lblStartupTime_DF_B", "lblHoldCounterB_Dual_F");
    }
    // No panel shows until a function mode is selected.
    for (QWidget* p : {picST_A, picDC_A, picDT_A, picDF_A, picSC_B, picSF_B, picDC_B, picDT_B, picDF_B})
        p->setVisible(false);

    QWidget* Picture3 = makePanel(Picture4, "Picture3", 120, 5550, 4905, 975);
    QLabel* Label1 = makeLabel(Picture3, QStringLiteral("Label1"), QStringLiteral("Common"));
    placeTw(Label1, 360, 0, 2055, kCaptionHeightTw);
    QLabel* lblInputWidth = makeLabel(Picture3, QStringLiteral("lblInputWidth_H57"));
    placeTw(lblInputWidth, 300, 240, 2055, 210);
    cboSGWidth_All = new QComboBox(Picture3);
    cboSGWidth_All->setObjectName(QStringLiteral("cboSGWidth_All"));
    placeTw(cboSGWidth_All, 300, 450, 2055, 330);
    QLabel* lblInputMethod = makeLabel(Picture3, QStringLiteral("lblInputMethod_H57"));
    placeTw(lblInputMethod, 2610, 240, 2055, 210);
    cboInputMethod_All = new QComboBox(Picture3);
    cboInputMethod_All->setObjectName(QStringLiteral("cboInputMethod_All"));
    placeTw(cboInputMethod_All, 2610, 450, 2055, 330);

    QWidget* Picture2 = makePanel(Picture1, "Picture2", 5400, 150, 6255, 5625);
    auto* group = new QButtonGroup(Picture2);
    for (int i = 0; i < 2; ++i) {
        optPic[i] = new QToolButton(Picture2);
        optPic[i]->setObjectName(QStringLiteral("optPic_%1").arg(i));
        optPic[i]->setCheckable(true);
        group->addButton(optPic[i], i);
    }
    placeTw(optPic[0], 150, 90, 2985, 615);
    placeTw(optPic[1], 3150, 90, 2985, 615);
    // The tab pictures lie over the buttons but leave the clicks to them.
    ImageCH_A = new ImageControl(QStringLiteral("ImageCH_A"), Picture2);
    placeTw(ImageCH_A, 0, 60, 2745, 525);
    ImageCH_B = new ImageControl(QStringLiteral("ImageCH_B"), Picture2);
    placeTw(ImageCH_B, 2910, 0, 2745, 525);
    for (ImageControl* l : {ImageCH_A, ImageCH_B})
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    ImageCH_A->setPictureName(QStringLiteral("IMAGE_CHA_W"));
    Image_Output_A = new ImageControl(QStringLiteral("Image_Output_A"), Picture2);
    Image_Output_B = new ImageControl(QStringLiteral("Image_Output_B"), Picture2);
    for (ImageControl* l : {Image_Output_A, Image_Output_B})
        placeTw(l, 120, 750, 6030, 4530);
    lblPSCaution = makeLabel(Picture2, QStringLiteral("lblPSCaution"));
    lblPSCaution->setWordWrap(true);
    placeTw(lblPSCaution, 120, 5280, 6075, 345);
    lblPSCaution->setVisible(false);

    mFuncModeSelect_0 = makeAction(this, "mFuncModeSelect_0", true);
    mFuncModeSelect_1 = makeAction(this, "mFuncModeSelect_1", true);
    mFuncModeSelect_2 = makeAction(this, "mFuncModeSelect_2", true);
    mFuncModeSelect_3 = makeAction(this, "mFuncModeSelect_3", true);
    mFuncModeSelect_4 = makeAction(this, "mFuncModeSelect_4", true);
    mFuncModeSelect_5 = makeAction(this, "mFuncModeSelect_5", true);
    mFuncModeSelect_6 = makeAction(this, "mFuncModeSelect_6", true);
    mFuncModeSelect_0->setChecked(true);
    mPLC = makeAction(this, "mPLC", true);
    mPLC->setText(QStringLiteral("PLC"));
    mPLC->setVisible(false);
    mPLC->setEnabled(false);
    mDownload_A = makeAction(this, "mDownload_A", false);
    mDownload_B = makeAction(this, "mDownload_B", false);
    mKP = makeAction(this, "mKP", true);
    mPowerSaving = makeAction(this, "mPowerSaving", true);
}

// Lists that are part of the window itself (not from the string table).
void frmModeSetting_H9::BuildDesignLists()
{
    const QStringList speeds = {"30 Hz", "100 Hz", "1K Hz", "5K Hz"};
    const QStringList dots = {"0 : - - - - - -", "1 : - - - - -.-", "2 : - - - -.- -", "3 : - - -.- - -"};
    const QStringList averages = {"OFF", "2 ", "4 ", "8 "};
    const QStringList outputs = {"0 : N-1", "1 : F-1",  "2 : C-1",  "3 : R-1",  "4 : K-1",
                                 "5 : P-1", "6 : N-2",  "7 : F-2",  "8 : C-2",  "9 : R-2",
                                 "10 : K-2", "11 : P-2", "12 : Q-1", "13 : Q-2"};
    FillComboList(cboCountModeA, {"0.01 ~ 9999.99 Sec", "1 ~ 999999  Sec", "1 ~ 999999  Min",
                                  "1 ~ 999999  Hour"});
    FillComboList(cboDotAdjB, dots);
    FillComboList(cboMaxFreqB, speeds);
    FillComboList(cboOutputModeB, outputs);
    FillComboList(cboDotAdjB_F, dots);
    FillComboList(cboMaxFreqB_F, speeds);
    FillComboList(cboSampleAvgB_F, averages);
    FillComboList(cboMaxFreq_C_Dual_0, {"30 Hz"});
    FillComboList(cboMaxFreq_C_Dual_1, speeds);
    FillComboList(cboOutputMode_C_Dual_1, outputs);
    FillComboList(cboMaxFreqB_Dual_F, speeds);
    FillComboList(cboSampleAvgB_Dual_F, averages);
    FillComboList(cboSGWidth_All, {"1 ms", "20 ms"});
    FillComboList(cboInputMethod_All, {"NPN", "PNP"});
}

// The rows as the window is drawn before any reset: every digit "0", the separator
// where the row's layout puts it.
void frmModeSetting_H9::ApplyDesignRowLayouts()
{
    const std::pair<DigitLabelArray*, quint8> rows[] = {
        {lblTimerSettingA, 2},         {lblHoldTimeA, 2},          {lblCounterSettingB, 0},
        {lblHoldCounterB, 2},          {lblMagnificationB, 3},     {lblCounterSettingB_F, 0},
        {lblHoldCounterB_F, 2},        {lblMagnificationB_F, 3},   {lblTimerSetting_T_Dual_0, 0},
        {lblTimerSetting_T_Dual_1, 0}, {lblHoldTime_T_Dual_0, 2},  {lblHoldTime_T_Dual_1, 2},
        {lblCounterSetting_C_Dual_0, 0}, {lblCounterSetting_C_Dual_1, 0}, {lblHoldCounter_C_Dual_0, 2},
        {lblHoldCounter_C_Dual_1, 2},  {lblCounterSettingA_Dual_F, 0}, {lblCounterSettingB_Dual_F, 0},
        {lblHoldCounterB_Dual_F, 2},
    };
    for (auto [row, places] : rows)
        LayoutDigitLabels(places, *row);
    // The leading digit of a prescale value is fixed.
    (*lblMagnificationB)(0).setEnabled(false);
    (*lblMagnificationB_F)(0).setEnabled(false);
}
