// Placement of the H9 editor's controls (twips, 15 to a pixel), its menus, and the
// lists and row layouts the window is drawn with before any reset.
#include "editors/h9/frmModeSetting_H9.h"

#include "editors/common/combo_select.h"
#include "platform/bitmaps.h"
#include "platform/twips.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QVBoxLayout>

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
// Captions and lists are drawn at 9 pt, the digits at 12 pt (DigitLabel).
constexpr double kTextPoints = 9;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption = QString())
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setFont(platform::formFont(kTextPoints));
    return l;
}

QWidget* makePanel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    placeTw(w, left, top, width, height);
    return w;
}

// A picture box of the design with its sunken border.
QFrame* makeBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    placeTw(f, left, top, width, height);
    return f;
}

QComboBox* makeCombo(QWidget* parent, const QString& name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setFont(platform::formFont(kTextPoints));
    return c;
}

// Lays the fields of one panel out top to bottom: each a caption label over its
// combo or digit row. A row sits alone in a picture box of its own (Picture5 ..).
class PanelStack {
public:
    explicit PanelStack(QWidget* panel) : panel_(panel) {}

    QComboBox* combo(const char* caption, const char* name)
    {
        QLabel* l = caption_(caption);
        QComboBox* c = makeCombo(panel_, QString::fromLatin1(name));
        placeTw(c, kPanelLeftTw, top_ + kCaptionHeightTw, kComboWidthTw, kComboHeightTw);
        l->setBuddy(c);
        top_ += kItemStepTw;
        lastCaption = l;
        return c;
    }
    DigitLabelArray* row(const char* caption, const char* container, const char* name)
    {
        lastCaption = caption_(caption);
        QWidget* box = makePanel(panel_, container, kPanelLeftTw, top_ + kCaptionHeightTw, kRowWidthTw,
                                 kRowHeightTw);
        auto* r = new DigitLabelArray(QString::fromLatin1(name), DigitLabelArray::Style::H9, box);
        r->move(0, 0);
        top_ += kItemStepTw;
        return r;
    }
    QLabel* lastCaption = nullptr;

private:
    QLabel* caption_(const char* name)
    {
        QLabel* l = makeLabel(panel_, QString::fromLatin1(name));
        placeTw(l, kPanelLeftTw, top_, kComboWidthTw + 150, kCaptionHeightTw);
        return l;
    }
    QWidget* panel_;
    int top_ = 120;
};

QAction* addItem(QMenu* menu, const char* name, const QKeySequence& shortcut = {}, bool checkable = false)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    a->setCheckable(checkable);
    return a;
}

QMenu* addMenu(QMenuBar* bar, const char* name)
{
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

void frmModeSetting_H9::setupUi()
{
    setFont(platform::formFont(kTextPoints));
    // The menus sit above the client area; positions inside it are in twips.
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(tw(11880), tw(8190));
    BuildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);

    QWidget* Picture1 = makePanel(client, "Picture1", 0, 30, 11835, 9000);
    QFrame* Picture4 = makeBox(Picture1, "Picture4", 165, 150, 5145, 6645);

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

    // Channel A's panels first, then channel B's: the Tab key follows this order.
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
        lblTimerSettingA = s.row("lblSetValue_ST_A", "Picture5", "lblTimerSettingA");
        lblHoldTimeA = s.row("lblOutputTime2_ST_A", "Picture6", "lblHoldTimeA");
    }
    {
        PanelStack s(picDC_A);
        cboCountInputMode_C_Dual_0 = s.combo("lblCountInputMode_C_Dual_0", "cboCountInputMode_C_Dual_0");
        lblCountInputMode_C_Dual_0 = s.lastCaption;
        cboMaxFreq_C_Dual_0 = s.combo("lblMaxFreq_C_Dual_0", "cboMaxFreq_C_Dual_0");
        lblMaxFreq_C_Dual_0 = s.lastCaption;
        cboOutputMode_C_Dual_0 = s.combo("lblOutputMode_DC_A", "cboOutputMode_C_Dual_0");
        lblCounterSetting_C_Dual_0 = s.row("lblSetValue_DC_A", "Picture13", "lblCounterSetting_C_Dual_0");
        lblHoldCounter_C_Dual_0 = s.row("lblOutputTime_DC_A", "Picture14", "lblHoldCounter_C_Dual_0");
    }
    {
        PanelStack s(picDT_A);
        cboOutputMode_T_Dual_0 = s.combo("lblOutputMode_DT_A", "cboOutputMode_T_Dual_0");
        lblTimerSetting_T_Dual_0 = s.row("lblSetting_0", "Picture10", "lblTimerSetting_T_Dual_0");
        lblHoldTime_T_Dual_0 = s.row("lblOutputMode2_DT_A", "Picture11", "lblHoldTime_T_Dual_0");
    }
    {
        PanelStack s(picDF_A);
        cboOutputModeA_Dual_F = s.combo("lblOutput_DF_A", "cboOutputModeA_Dual_F");
        lblCounterSettingA_Dual_F = s.row("lblSetValue_DF_A", "Picture12", "lblCounterSettingA_Dual_F");
    }
    {
        PanelStack s(picSC_B);
        // As wide as the panel's other combos: at the design's 1755 twips its longest
        // items ("5 : Quadrature inputs (Down)") could not be read whole at any usable size.
        cboCountInputModeB = s.combo("lblInputMode_SC_B", "cboCountInputModeB");
        cboDotAdjB = s.combo("lblDotAdj_SC_B", "cboDotAdjB");
        cboMaxFreqB = s.combo("lblCountSpeed_SC_B", "cboMaxFreqB");
        cboOutputModeB = s.combo("lblOutputMode_SC_B", "cboOutputModeB");
        lblMagnificationB = s.row("lblPrescale_SC_B", "Picture15", "lblMagnificationB");
        lblCounterSettingB = s.row("lblSetValue_SC_B", "Picture16", "lblCounterSettingB");
        lblHoldCounterB = s.row("lblOutputTime_SC_B", "Picture17", "lblHoldCounterB");
    }
    {
        PanelStack s(picSF_B);
        cboSampleAvgB_F = s.combo("lblAvg_SF_B", "cboSampleAvgB_F");
        cboDotAdjB_F = s.combo("lblDotAdj_SF_B", "cboDotAdjB_F");
        cboMaxFreqB_F = s.combo("lblCountSpeed_SF_B", "cboMaxFreqB_F");
        cboOutputModeB_F = s.combo("lblOutputMode_SF_B", "cboOutputModeB_F");
        lblMagnificationB_F = s.row("lblMagnification2_SF_B", "Picture7", "lblMagnificationB_F");
        lblCounterSettingB_F = s.row("lblSetValue_B_F", "Picture8", "lblCounterSettingB_F");
        lblHoldCounterB_F = s.row("lblStartupTime_B_F", "Picture9", "lblHoldCounterB_F");
    }
    {
        PanelStack s(picDC_B);
        cboCountInputMode_C_Dual_1 = s.combo("lblInputMode_DC_B", "cboCountInputMode_C_Dual_1");
        cboMaxFreq_C_Dual_1 = s.combo("lblCountSpeed_DC_B", "cboMaxFreq_C_Dual_1");
        cboOutputMode_C_Dual_1 = s.combo("lblOutputMode_DC_B", "cboOutputMode_C_Dual_1");
        lblCounterSetting_C_Dual_1 = s.row("lblSetValue_DC_B", "Picture22", "lblCounterSetting_C_Dual_1");
        lblHoldCounter_C_Dual_1 = s.row("lblOutputTime_DC_B", "Picture23", "lblHoldCounter_C_Dual_1");
    }
    {
        PanelStack s(picDT_B);
        cboOutputMode_T_Dual_1 = s.combo("lblOutputMode_DT_B", "cboOutputMode_T_Dual_1");
        lblTimerSetting_T_Dual_1 = s.row("lblSetValue_DT_B", "Picture18", "lblTimerSetting_T_Dual_1");
        lblHoldTime_T_Dual_1 = s.row("lblOutputTime_DT_B", "Picture19", "lblHoldTime_T_Dual_1");
    }
    {
        PanelStack s(picDF_B);
        cboSampleAvgB_Dual_F = s.combo("lblAvg_DF_B", "cboSampleAvgB_Dual_F");
        cboMaxFreqB_Dual_F = s.combo("lblCouttSpeed_DF_B", "cboMaxFreqB_Dual_F");
        cboOutputModeB_Dual_F = s.combo("lblOutputMode_DF_B", "cboOutputModeB_Dual_F");
        lblCounterSettingB_Dual_F = s.row("lblSetValue_DF_B", "Picture20", "lblCounterSettingB_Dual_F");
        lblHoldCounterB_Dual_F = s.row("lblStartupTime_DF_B", "Picture21", "lblHoldCounterB_Dual_F");
    }
    // No panel shows until a function mode is selected.
    for (QWidget* p : {picST_A, picDC_A, picDT_A, picDF_A, picSC_B, picSF_B, picDC_B, picDT_B, picDF_B})
        p->setVisible(false);

    QWidget* Picture3 = makePanel(Picture4, "Picture3", 120, 5550, 4905, 975);
    QLabel* Label1 = makeLabel(Picture3, QStringLiteral("Label1"), QStringLiteral("Common"));
    placeTw(Label1, 360, 0, 2055, kCaptionHeightTw);
    QLabel* lblInputWidth = makeLabel(Picture3, QStringLiteral("lblInputWidth_H57"));
    placeTw(lblInputWidth, 300, 240, 2205, kCaptionHeightTw);
    cboSGWidth_All = makeCombo(Picture3, QStringLiteral("cboSGWidth_All"));
    placeTw(cboSGWidth_All, 300, 450, 2055, 330);
    lblInputWidth->setBuddy(cboSGWidth_All);
    QLabel* lblInputMethod = makeLabel(Picture3, QStringLiteral("lblInputMethod_H57"));
    placeTw(lblInputMethod, 2610, 240, 2205, kCaptionHeightTw);
    cboInputMethod_All = makeCombo(Picture3, QStringLiteral("cboInputMethod_All"));
    placeTw(cboInputMethod_All, 2610, 450, 2055, 330);
    lblInputMethod->setBuddy(cboInputMethod_All);

    BuildDiagramArea(Picture1);
}

void frmModeSetting_H9::BuildDiagramArea(QWidget* Picture1)
{
    QFrame* Picture2 = makeBox(Picture1, "Picture2", 5400, 150, 6255, 5625);
    auto* group = new QButtonGroup(Picture2);
    for (int i = 0; i < 2; ++i) {
        optPic[i] = new QToolButton(Picture2);
        optPic[i]->setObjectName(QStringLiteral("optPic_%1").arg(i));
        optPic[i]->setCheckable(true);
        optPic[i]->setFocusPolicy(Qt::StrongFocus);
        // The tab picture lies over the button: the chosen channel shows as a bar
        // under its tab, the keyboard focus as a dotted one.
        optPic[i]->setStyleSheet(QStringLiteral(
            "QToolButton { border: none; background: transparent; }"
            "QToolButton:checked { border-bottom: 4px solid palette(highlight); }"
            "QToolButton:focus { border-bottom: 4px dotted palette(highlight); }"
            "QToolButton:checked:focus { border-bottom: 4px solid palette(dark); }"));
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
    ImageCH_B->setPictureName(QStringLiteral("IMAGE_CHB_G"));
    // The two diagrams lie in one place; optPic brings one of them to the front.
    Image_Output_A = new ImageControl(QStringLiteral("Image_Output_A"), Picture2);
    Image_Output_B = new ImageControl(QStringLiteral("Image_Output_B"), Picture2);
    for (ImageControl* l : {Image_Output_A, Image_Output_B}) {
        placeTw(l, 120, 750, 6030, 4530);
        l->setAutoFillBackground(true);
    }
    lblPSCaution = makeLabel(Picture2, QStringLiteral("lblPSCaution"));
    lblPSCaution->setWordWrap(true);
    lblPSCaution->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Two lines of the note fit the label's fixed height at this size.
    lblPSCaution->setFont(platform::formFont(7.5));
    placeTw(lblPSCaution, 120, 5280, 6075, 345);
    lblPSCaution->setVisible(false);

    cmdDownload_All_A = new QPushButton(client);
    cmdDownload_All_A->setObjectName(QStringLiteral("cmdDownload_All_A"));
    placeTw(cmdDownload_All_A, 5400, 5850, 6255, 915);
    cmdDownload_All_A->setFlat(true);
    cmdDownload_All_A->setIcon(QIcon(platform::LoadResPicture(QStringLiteral("IMAGE_DOWNLOAD_E"))));
    cmdDownload_All_A->setIconSize(cmdDownload_All_A->size() - QSize(6, 6));
}

void frmModeSetting_H9::BuildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));

    mFile = addMenu(menuBar, "mFile");
    mNew = addItem(mFile, "mNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    mOpenSetting = addItem(mFile, "mOpenSetting", QKeySequence(Qt::CTRL | Qt::Key_O));
    mClose = addItem(mFile, "mClose");
    mFile->addSeparator();
    mSaveSetting = addItem(mFile, "mSaveSetting", QKeySequence(Qt::CTRL | Qt::Key_S));
    mSaveAs = addItem(mFile, "mSaveAs", QKeySequence(Qt::CTRL | Qt::Key_A));
    mFile->addSeparator();
    mExit = addItem(mFile, "mExit");

    mMode = addMenu(menuBar, "mMode");
    QAction** modes[] = {&mFuncModeSelect_0, &mFuncModeSelect_1, &mFuncModeSelect_2, &mFuncModeSelect_3,
                         &mFuncModeSelect_4, &mFuncModeSelect_5, &mFuncModeSelect_6};
    for (int i = 0; i < 7; ++i)
        *modes[i] = addItem(mMode, QStringLiteral("mFuncModeSelect_%1").arg(i).toLatin1().constData(), {}, true);
    mFuncModeSelect_0->setChecked(true);
    mPLC = addItem(mMode, "mPLC", {}, true);
    mPLC->setText(QStringLiteral("PLC"));
    mPLC->setVisible(false);
    mPLC->setEnabled(false);

    mTool = addMenu(menuBar, "mTool");
    mUpload = addItem(mTool, "mUpload", QKeySequence(Qt::Key_F11));
    mTool->addSeparator();
    mDownloadMenu = mTool->addMenu(QString());
    mDownloadMenu->setObjectName(QStringLiteral("mDownloadMenu"));
    mDownload = addItem(mDownloadMenu, "mDownload", QKeySequence(Qt::Key_F9));
    mDownloadMenu->addSeparator();
    mDownload_A = addItem(mDownloadMenu, "mDownload_A", QKeySequence(Qt::Key_F6));
    mDownload_B = addItem(mDownloadMenu, "mDownload_B", QKeySequence(Qt::Key_F7));
    mTool->addSeparator();
    mCompare = addItem(mTool, "mCompare", QKeySequence(Qt::Key_F8));
    mTool->addSeparator()->setVisible(false);
    mDefaultValue = addItem(mTool, "mDefaultValue");
    mDefaultValue->setVisible(false);
    mDefaultValue->setEnabled(false);

    mMonitor = addMenu(menuBar, "mMonitor");
    mMonitoring = addItem(mMonitor, "mMonitoring", QKeySequence(Qt::CTRL | Qt::Key_M));

    mSetting = addMenu(menuBar, "mSetting");
    mCommSetting = addItem(mSetting, "mCommSetting", QKeySequence(Qt::CTRL | Qt::Key_U));
    mSetting->addSeparator();
    mKP = addItem(mSetting, "mKP", QKeySequence(Qt::CTRL | Qt::Key_K), true);
    mSetting->addSeparator();
    mPowerSaving = addItem(mSetting, "mPowerSaving", QKeySequence(Qt::CTRL | Qt::Key_H), true);

    mHelp = addMenu(menuBar, "mHelp");
    mVelHelp = addItem(mHelp, "mVelHelp", QKeySequence(Qt::Key_F1));
    mAbout = addItem(mHelp, "mAbout");
}

// Lists that are part of the window itself (not from the string table).
void frmModeSetting_H9::BuildDesignLists()
{
    const QStringList speeds = {"30 Hz", "100 Hz", "1K Hz", "5K Hz"};
    const QStringList dots = {"0 : - - - - - -", "1 : - - - - -.-", "2 : - - - -.- -", "3 : - - -.- - -"};
    const QStringList averages = {"OFF", "2 ", "4 ", "8 "};
    FillComboList(cboCountModeA, {"0.01 ~ 9999.99 Sec", "1 ~ 999999  Sec", "1 ~ 999999  Min",
                                  "1 ~ 999999  Hour"});
    FillComboList(cboDotAdjB, dots);
    FillComboList(cboMaxFreqB, speeds);
    FillComboList(cboOutputModeB, CounterOutputItems());
    FillComboList(cboDotAdjB_F, dots);
    FillComboList(cboMaxFreqB_F, speeds);
    FillComboList(cboSampleAvgB_F, averages);
    FillComboList(cboMaxFreq_C_Dual_0, {"30 Hz"});
    FillComboList(cboMaxFreq_C_Dual_1, speeds);
    FillComboList(cboOutputMode_C_Dual_1, CounterOutputItems());
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
