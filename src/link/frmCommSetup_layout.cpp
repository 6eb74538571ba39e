// Placement of the serial settings dialog's controls (twips, 15 to a pixel).
#include "link/frmCommSetup.h"

#include "platform/twips.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using platform::placeTw;

namespace {

template <class W>
W* make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setFont(platform::formFont(9));
    return w;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, double l, double t, double w, double h)
{
    auto* f = make<QGroupBox>(parent, name);
    placeTw(f, l, t, w, h);
    return f;
}

} // namespace

void frmCommSetup::setupUi()
{
    setFixedSize(platform::tw(7320), platform::tw(6600));

    framePCCommSetting = makeFrame(this, "framePCCommSetting", 120, 60, 3480, 5760);
    frameComPort = makeFrame(framePCCommSetting, "frameComPort", 120, 300, 3240, 720);
    cboComPort = make<QComboBox>(frameComPort, "cboComPort");
    placeTw(cboComPort, 240, 300, 2760, 315);

    frameCommSetting = makeFrame(framePCCommSetting, "frameCommSetting", 120, 1080, 3240, 1980);
    struct Row { QLabel** label; const char* labelName; QComboBox** box; const char* boxName; };
    const Row rows[] = {
        {&lblBaudRate, "lblBaudRate", &cboBaudRate, "cboBaudRate"},
        {&lblDataBit, "lblDataBit", &cboDataBits, "cboDataBits"},
        {&lblParity, "lblParity", &cboParity, "cboParity"},
        {&lblStopBit, "lblStopBit", &cboStopBits, "cboStopBits"},
    };
    double top = 330;
    for (const Row& r : rows) {
        *r.label = make<QLabel>(frameCommSetting, r.labelName);
        placeTw(*r.label, 120, top + 30, 1260, 255);
        *r.box = make<QComboBox>(frameCommSetting, r.boxName);
        placeTw(*r.box, 1440, top, 1620, 315);
        top += 390;
    }
    cboBaudRate->addItems({"1200     Bps", "2400     Bps", "4800     Bps", "9600     Bps",
                           "14400   Bps", "19200   Bps", "28800   Bps", "38400   Bps",
                           "57600   Bps"});
    cboParity->addItems({"None", "Odd", "Even"});
    cboDataBits->addItems({"7 bits", "8 bits"});
    cboStopBits->addItems({"1 bit", "2 bits"});
    for (QComboBox* box : {cboBaudRate, cboParity, cboDataBits, cboStopBits}) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(-1);
    }

    frameProtocol = makeFrame(framePCCommSetting, "frameProtocol", 120, 3180, 3240, 720);
    optProtocal[0] = make<QRadioButton>(frameProtocol, "optProtocal_0");
    optProtocal[0]->setText(QStringLiteral("Ascii"));
    placeTw(optProtocal[0], 240, 330, 1200, 255);
    optProtocal[1] = make<QRadioButton>(frameProtocol, "optProtocal_1");
    optProtocal[1]->setText(QStringLiteral("RTU"));
    placeTw(optProtocal[1], 1680, 330, 1200, 255);
    optProtocal[0]->setChecked(true);
    optProtocal[1]->setEnabled(false);

    auto makeMsBox = [this](QGroupBox*& frame, const char* frameName, QLineEdit*& text,
                            const char* textName, double frameTop) {
        frame = makeFrame(framePCCommSetting, frameName, 120, frameTop, 3240, 780);
        text = make<QLineEdit>(frame, textName);
        placeTw(text, 240, 330, 2280, 315);
        auto* unit = make<QLabel>(frame, "lblMs");
        unit->setText(QStringLiteral("ms"));
        placeTw(unit, 2640, 360, 480, 255);
        text->installEventFilter(this);
    };
    makeMsBox(frameTimeOut, "frameTimeOut", txtTimeOut, "txtTimeOut", 4020);
    makeMsBox(FrameDelay, "FrameDelay", txtCommDelayTime, "txtCommDelayTime", 4860);

    frameDeviceIDSetting = makeFrame(this, "frameDeviceIDSetting", 3720, 60, 3480, 5760);
    frameModeSelect = makeFrame(frameDeviceIDSetting, "frameModeSelect", 120, 300, 3240, 720);
    for (int i = 0; i < 2; ++i) {
        OptModeSelect[static_cast<std::size_t>(i)] =
            make<QRadioButton>(frameModeSelect, i == 0 ? "OptModeSelect_0" : "OptModeSelect_1");
        placeTw(OptModeSelect[static_cast<std::size_t>(i)], i == 0 ? 240 : 1680, 330, 1400, 255);
    }

    frameManual = makeFrame(frameDeviceIDSetting, "frameManual", 120, 1140, 3240, 1020);
    frameMenu = make<QFrame>(frameManual, "frameMenu");
    placeTw(frameMenu, 60, 240, 3120, 720);
    lblDeviceID_menu = make<QLabel>(frameMenu, "lblDeviceID_menu");
    placeTw(lblDeviceID_menu, 120, 210, 1500, 255);
    cboDeviceID_Menu = make<QComboBox>(frameMenu, "cboDeviceID_Menu");
    placeTw(cboDeviceID_Menu, 1680, 180, 1200, 315);
    cboDeviceID_Menu->setEditable(true);
    cboDeviceID_Menu->setInsertPolicy(QComboBox::NoInsert);
    // Typed IDs stay as typed: no completion from the list.
    cboDeviceID_Menu->setCompleter(nullptr);
    cboDeviceID_Menu->lineEdit()->installEventFilter(this);

    framuAuto = makeFrame(frameDeviceIDSetting, "framuAuto", 120, 2280, 3240, 2400);
    frameAuto = make<QFrame>(framuAuto, "frameAuto");
    placeTw(frameAuto, 60, 240, 3120, 2100);
    lblDeviceID_Auto = make<QLabel>(frameAuto, "lblDeviceID_Auto");
    placeTw(lblDeviceID_Auto, 120, 210, 1500, 255);
    txtDeviceID_Auto = make<QLineEdit>(frameAuto, "txtDeviceID_Auto");
    placeTw(txtDeviceID_Auto, 1680, 180, 1200, 315);
    // Shows the ID being asked or the chosen entry's ID; the list is where one chooses.
    txtDeviceID_Auto->setReadOnly(true);
    cboAddress_Auto = make<QComboBox>(frameAuto, "cboAddress_Auto");
    placeTw(cboAddress_Auto, 120, 660, 2880, 315);
    cmdSearch = make<QPushButton>(frameAuto, "cmdSearch");
    placeTw(cmdSearch, 120, 1200, 1320, 435);
    cmdStop = make<QPushButton>(frameAuto, "cmdStop");
    placeTw(cmdStop, 1680, 1200, 1320, 435);
    cmdStop->setEnabled(false);

    cmdOK = make<QPushButton>(this, "cmdOK");
    placeTw(cmdOK, 3720, 6000, 1080, 420);
    cmdApply = make<QPushButton>(this, "cmdApply");
    placeTw(cmdApply, 4920, 6000, 1080, 420);
    cmdCancel = make<QPushButton>(this, "cmdCancel");
    placeTw(cmdCancel, 6120, 6000, 1080, 420);
    for (QPushButton* b : {cmdOK, cmdApply, cmdCancel, cmdSearch, cmdStop})
        b->setAutoDefault(false);
}
