#include "link/frmCommSetup.h"

#include "core/common_registers.h"
#include "core/hex_digit.h"
#include "core/machine_type.h"
#include "link/comm_records.h"
#include "link/comm_status.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "link/mscomm.h"
#include "platform/message_box.h"
#include "platform/strings.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <limits>
#include <optional>

using platform::LoadResString;

namespace {

// The value of a text of decimal (base 10) or hexadecimal (base 16) digits only;
// nullopt for an empty text or any other character. A value too large for any field
// comes back as the largest qint64, so range checks refuse it without overflowing.
std::optional<qint64> parseDigits(const QString& text, int base)
{
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar ch : text) {
        // The hexadecimal letters are digits of base 16 only.
        const int d = ch.unicode() < 128 ? HexDigitValue(static_cast<char>(ch.unicode())) : -1;
        if (d < 0 || d >= base)
            return std::nullopt;
        if (value > (std::numeric_limits<qint64>::max() - d) / base)
            value = std::numeric_limits<qint64>::max();
        else
            value = value * base + d;
    }
    return value;
}

QString hex2(int value) { return QString::number(value, 16).toUpper().rightJustified(2, '0'); }

// Selects item `index` from code without running the user's click handler; an index
// outside the list selects nothing and is skipped, as the load step skips a failing
// statement.
void selectItem(QComboBox* box, qint64 index)
{
    if (index < 0 || index >= box->count())
        return;
    const QSignalBlocker block(box);
    box->setCurrentIndex(static_cast<int>(index));
}

} // namespace

frmCommSetup::frmCommSetup()
{
    setObjectName("frmCommSetup");
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setupUi();
    ConnectHandlers();
    Form_Load();
}

frmCommSetup::~frmCommSetup() = default;

MSComm* frmCommSetup::MSComm1() const { return &CommControl(); }

void frmCommSetup::ConnectHandlers()
{
    // A user's choice runs the handlers; selections made from code do not.
    for (QComboBox* box : {cboComPort, cboBaudRate, cboParity, cboDataBits, cboStopBits, cboDeviceID_Menu})
        connect(box, &QComboBox::activated, this, &frmCommSetup::settingChanged);
    connect(txtTimeOut, &QLineEdit::textChanged, this, &frmCommSetup::settingChanged);
    connect(txtCommDelayTime, &QLineEdit::textChanged, this, &frmCommSetup::settingChanged);
    for (int i = 0; i < 2; ++i) {
        connect(optProtocal[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { optProtocal_Click(i); });
        connect(OptModeSelect[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { OptModeSelect_Click(i); });
    }
    connect(cboAddress_Auto, &QComboBox::activated, this, &frmCommSetup::cboAddress_Auto_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmCommSetup::cmdOK_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmCommSetup::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCommSetup::cmdCancel_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &frmCommSetup::cmdSearch_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmCommSetup::cmdStop_Click);
}

void frmCommSetup::LoadCaptions()
{
    setWindowTitle(LoadResString(res::kCommSettings));
    framePCCommSetting->setTitle(LoadResString(res::kPcCommSettings));
    frameComPort->setTitle(LoadResString(res::kComPort));
    frameCommSetting->setTitle(LoadResString(res::kSettings));
    lblBaudRate->setText(LoadResString(res::kBaudRateLabel));
    lblDataBit->setText(LoadResString(res::kDataBitsLabel));
    lblParity->setText(LoadResString(res::kParityLabel));
    lblStopBit->setText(LoadResString(res::kStopBitsLabel));
    frameTimeOut->setTitle(LoadResString(res::kTimeOutAtLeast50Ms));
    frameDeviceIDSetting->setTitle(LoadResString(res::kSlaveIdSetting));
    frameModeSelect->setTitle(LoadResString(res::kModeSelection));
    OptModeSelect[0]->setText(LoadResString(res::kManual));
    OptModeSelect[1]->setText(LoadResString(res::kAutomatic));
    frameManual->setTitle(LoadResString(res::kSlaveIdSettingManual));
    lblDeviceID_menu->setText(LoadResString(res::kSlaveIdHexLabel));
    framuAuto->setTitle(LoadResString(res::kSlaveIdSettingAutomatic));
    lblDeviceID_Auto->setText(LoadResString(res::kSlaveIdHexLabel));
    cmdSearch->setText(LoadResString(res::kSearch));
    cmdStop->setText(LoadResString(res::kStop));
    cmdOK->setText(LoadResString(res::kOkButton));
    cmdApply->setText(LoadResString(res::kApply));
    cmdCancel->setText(LoadResString(res::kCancelButton));
    frameProtocol->setTitle(LoadResString(res::kProtocol));
    FrameDelay->setTitle(LoadResString(res::kDelayTime));
}

void frmCommSetup::Form_Load()
{
    LoadCaptions();

    {
        const QSignalBlocker blockPort(cboComPort);
        const QSignalBlocker blockId(cboDeviceID_Menu);
        cboComPort->clear();
        for (int i = 1; i <= 16; ++i)
            cboComPort->addItem(QStringLiteral("COM%1").arg(i));
        cboComPort->setCurrentIndex(-1);
        cboDeviceID_Menu->clear();
        for (int id = 1; id <= 255; ++id)
            cboDeviceID_Menu->addItem(hex2(id));
        cboDeviceID_Menu->setCurrentIndex(-1);
    }

    txtTimeOut->setText(QString::number(commSettings.nTimeOut));
    txtCommDelayTime->setText(QString::number(commSettings.nCommDelay));

    selectItem(cboComPort, static_cast<qint64>(commSettings.nCommPort) - 1);
    selectItem(cboBaudRate, commSettings.nBaudIndex);
    selectItem(cboParity, commSettings.nParityIndex);
    selectItem(cboDataBits, commSettings.nDataBitsIndex);
    selectItem(cboStopBits, commSettings.nStopBitsIndex);
    if (commSettings.nCommProtocol >= 0 && commSettings.nCommProtocol < 2) {
        optProtocal[static_cast<std::size_t>(commSettings.nCommProtocol)]->setChecked(true);
        optProtocal_Click(commSettings.nCommProtocol);
    }
    selectItem(cboDeviceID_Menu, commSettings.nManualIdIndex);

    {
        const QSignalBlocker block(cboAddress_Auto);
        cboAddress_Auto->clear();
        cboAddress_Auto->addItems(commSettings.sFoundDevices);
        cboAddress_Auto->setCurrentIndex(-1);
    }
    if (commSettings.nFoundDeviceIndex >= 0 && commSettings.nFoundDeviceIndex < cboAddress_Auto->count()) {
        selectItem(cboAddress_Auto, commSettings.nFoundDeviceIndex);
        cboAddress_Auto_Click();
    }

    const int mode = commSettings.bAutoIdMode ? 1 : 0;
    OptModeSelect[static_cast<std::size_t>(mode)]->setChecked(true);
    OptModeSelect_Click(mode);

    // The selections above count as changes; the dialog opens with nothing to apply.
    cmdApply->setEnabled(false);
}

void frmCommSetup::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    cboComPort->setFocus();
}

void frmCommSetup::settingChanged() { cmdApply->setEnabled(true); }

void frmCommSetup::optProtocal_Click(int index)
{
    nPendingProtocol = index;
    cmdApply->setEnabled(true);
}

void frmCommSetup::OptModeSelect_Click(int index)
{
    const bool manual = index == 0;
    frameMenu->setEnabled(manual);
    cboDeviceID_Menu->setEnabled(manual);
    frameAuto->setEnabled(!manual);
    txtDeviceID_Auto->setEnabled(!manual);
    cboAddress_Auto->setEnabled(!manual);
    cmdSearch->setEnabled(!manual);
    cmdApply->setEnabled(true);
}

void frmCommSetup::cboAddress_Auto_Click()
{
    if (cboAddress_Auto->count() > 0)
        txtDeviceID_Auto->setText(cboAddress_Auto->currentText().left(2));
}

bool frmCommSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Backspace: case Qt::Key_Delete: case Qt::Key_Return: case Qt::Key_Enter:
    case Qt::Key_Escape: case Qt::Key_Tab: case Qt::Key_Backtab:
        return QDialog::eventFilter(watched, event);
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return QDialog::eventFilter(watched, event); // cursor keys and the like
    const QChar ch = text.size() == 1 ? text[0] : QChar();
    const bool digit = ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    if (watched == txtTimeOut || watched == txtCommDelayTime)
        return !digit; // anything but a digit is discarded
    if (watched == cboDeviceID_Menu->lineEdit()) {
        if (digit || (ch >= QLatin1Char('A') && ch <= QLatin1Char('F')))
            return false;
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('f')) {
            cboDeviceID_Menu->lineEdit()->insert(QString(ch.toUpper()));
            return true;
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmCommSetup::ApplySettings(bool& failed)
{
    failed = true;
    for (QComboBox* box : {cboComPort, cboBaudRate, cboParity, cboDataBits, cboStopBits}) {
        if (box->currentText().isEmpty()) {
            ShowErrorMessage(kCommSettingsError);
            return;
        }
    }
    const std::optional<qint64> port = parseDigits(cboComPort->currentText().mid(3).trimmed(), 10);
    if (!port || *port < 1 || *port > 16) {
        ShowErrorMessage(kCommSettingsError);
        return;
    }

    const std::optional<qint64> timeOut = parseDigits(txtTimeOut->text(), 10);
    if (!timeOut || *timeOut < 50 || *timeOut > std::numeric_limits<qint32>::max()) {
        ShowErrorMessage(kTimeOutSettingError);
        return;
    }
    const std::optional<qint64> delay = parseDigits(txtCommDelayTime->text(), 10);
    if (!delay || *delay > 60000) {
        ShowErrorMessage(kDelayTimeError);
        return;
    }

    const bool manual = OptModeSelect[0]->isChecked();
    const std::optional<qint64> slave =
        parseDigits(manual ? cboDeviceID_Menu->currentText() : txtDeviceID_Auto->text(), 16);
    if (!slave || *slave < 1 || *slave > 255) {
        ShowErrorMessage(kWrongDeviceId);
        return;
    }

    // Every check passed: only now is anything stored.
    commSettings.nCommDelay = static_cast<qint32>(*delay);
    if (manual) {
        commSettings.bAutoIdMode = 0;
        commSettings.nManualIdIndex = static_cast<int>(*slave) - 1;
    } else {
        commSettings.bAutoIdMode = 1;
        commSettings.nFoundDeviceIndex = cboAddress_Auto->currentIndex();
    }
    commSettings.nCommPort = static_cast<int>(*port);
    commSettings.nParityIndex = cboParity->currentIndex();
    commSettings.nDataBitsIndex = cboDataBits->currentIndex();
    commSettings.nBaudIndex = cboBaudRate->currentIndex();
    commSettings.nTimeOut = static_cast<qint32>(*timeOut);
    commSettings.nStopBitsIndex = cboStopBits->currentIndex();
    commSettings.nSlaveID = static_cast<qint32>(*slave);
    commSettings.nCommProtocol = nPendingProtocol;
    commSettings.sCommSettingsText = ComposeCommSettingsText(commSettings);

    UpdateCommStatusBar();
    cmdApply->setEnabled(false);
    failed = false;
}

void frmCommSetup::cmdApply_Click()
{
    bool failed = false;
    ApplySettings(failed);
}

void frmCommSetup::cmdOK_Click()
{
    bool failed = false;
    ApplySettings(failed);
    if (!failed)
        done(QDialog::Accepted);
}

void frmCommSetup::cmdCancel_Click() { done(QDialog::Rejected); }

void frmCommSetup::reject()
{
    // A running search is stopped with its Stop button, not by closing the dialog.
    if (bSearching)
        return;
    QDialog::reject();
}

void frmCommSetup::closeEvent(QCloseEvent* event)
{
    if (bSearching) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmCommSetup::done(int result)
{
    if (bSearching)
        return;
    QDialog::done(result);
    // Unloading the dialog closes an open port.
    if (CommControl().PortOpen())
        CommControl().setPortOpen(false);
    unload();
}

void frmCommSetup::setSettingControlsEnabled(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{
             cboComPort, cboBaudRate, cboParity, cboDataBits, cboStopBits, txtTimeOut,
             txtCommDelayTime, OptModeSelect[0], OptModeSelect[1], optProtocal[0], cmdOK,
             cmdCancel, cmdApply})
        w->setEnabled(on);
}

void frmCommSetup::EnableSettingControls() { setSettingControlsEnabled(true); }
void frmCommSetup::DisableSettingControls() { setSettingControlsEnabled(false); }

void frmCommSetup::cmdSearch_Click()
{
    DisableSettingControls();
    bSearching = true;
    cmdStop->setEnabled(true);
    cmdSearch->setEnabled(false);
    {
        const QSignalBlocker block(cboAddress_Auto);
        cboAddress_Auto->clear();
    }
    int found = 0;

    if (OpenCommPort() == 0) {
        commState.bSilentComm = 1;
        for (int id = 1; id <= 255 && bSearching; ++id) {
            txtDeviceID_Auto->setText(QString::number(id, 16).toUpper());
            QCoreApplication::processEvents();
            if (!bSearching)
                break;

            QByteArray reply;
            const int code = ReadHoldingRegisters(id, kRegDeviceType, 1, reply, commSettings.nCommProtocol);
            if (code != 0) {
                if (id == 255 && found == 0) {
                    platform::MsgBox(LoadResString(res::kNoModulesFound), platform::MsgButtons::Ok,
                                     platform::MsgIcon::Exclamation, QStringLiteral("Search"));
                    txtDeviceID_Auto->clear();
                    break;
                }
                continue;
            }
            // The reply has passed its checks, so the type byte is there.
            const int type = ReplyRegisterHigh(reply, 0).value_or(-1);
            if (type < 2 || type > 4)
                continue;
            ++found;
            cboAddress_Auto->addItem(hex2(id) + QStringLiteral(" : ") + ModelName(type));
            if (found == 1) {
                selectItem(cboAddress_Auto, 0);
                cboAddress_Auto_Click();
                commSettings.nFoundDeviceIndex = 0;
            }
        }
    }

    if (cboAddress_Auto->count() > 0) {
        QStringList entries;
        for (int i = 0; i < cboAddress_Auto->count(); ++i)
            entries << cboAddress_Auto->itemText(i);
        commSettings.sFoundDevices = entries;
        txtDeviceID_Auto->setText(cboAddress_Auto->currentText().left(2));
    }

    bSearching = false;
    cmdStop->setEnabled(false);
    cmdSearch->setEnabled(true);
    EnableSettingControls();
    if (CommControl().PortOpen())
        CommControl().setPortOpen(false);
}

void frmCommSetup::cmdStop_Click()
{
    bSearching = false;
    txtDeviceID_Auto->clear();
}
