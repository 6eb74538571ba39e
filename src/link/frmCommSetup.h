#pragma once
// The serial settings dialog: line settings, protocol, reply time-out, pause after each
// exchange and the slave ID, chosen by hand or from a search of the line. It edits and
// applies the link's settings (commSettings) and searches the line through the link;
// unloading the dialog closes the link's port.
//
// Shown modally by the mCommSetting_Click handlers (main window, editors, monitoring
// window), which run UpdateCommStatusBar after it has closed:
//     frmCommSetup::instance().exec();
//     UpdateCommStatusBar();
#include "platform/single_form.h"

#include <QDialog>

#include <array>

class MSComm;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The controls of the dialog, made and placed by its setupUi (frmCommSetup_layout.cpp).
struct Ui_frmCommSetup {
    QGroupBox* framePCCommSetting = nullptr;
    QGroupBox* frameComPort = nullptr;
    QComboBox* cboComPort = nullptr;
    QGroupBox* frameCommSetting = nullptr;
    QLabel* lblBaudRate = nullptr;
    QComboBox* cboBaudRate = nullptr;
    QLabel* lblDataBit = nullptr;
    QComboBox* cboDataBits = nullptr;
    QLabel* lblParity = nullptr;
    QComboBox* cboParity = nullptr;
    QLabel* lblStopBit = nullptr;
    QComboBox* cboStopBits = nullptr;
    QGroupBox* frameProtocol = nullptr;
    std::array<QRadioButton*, 2> optProtocal{};
    QGroupBox* frameTimeOut = nullptr;
    QLineEdit* txtTimeOut = nullptr;
    QGroupBox* FrameDelay = nullptr;
    QLineEdit* txtCommDelayTime = nullptr;

    QGroupBox* frameDeviceIDSetting = nullptr;
    QGroupBox* frameModeSelect = nullptr;
    std::array<QRadioButton*, 2> OptModeSelect{};
    QGroupBox* frameManual = nullptr;
    QFrame* frameMenu = nullptr;
    QLabel* lblDeviceID_menu = nullptr;
    QComboBox* cboDeviceID_Menu = nullptr;
    QGroupBox* framuAuto = nullptr;
    QFrame* frameAuto = nullptr;
    QLabel* lblDeviceID_Auto = nullptr;
    QLineEdit* txtDeviceID_Auto = nullptr;
    QComboBox* cboAddress_Auto = nullptr;
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdStop = nullptr;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;
};

class frmCommSetup : public QDialog, public platform::SingleForm<frmCommSetup>, private Ui_frmCommSetup {
    Q_OBJECT
    // Tests reach the controls through FormAccess (tests/support/form_access.h).
    friend struct FormAccess;

public:
    frmCommSetup();
    ~frmCommSetup() override;

    // The link's serial control (link/link.h CommControl()).
    MSComm* MSComm1() const;

    // True while the slave-ID search runs; Stop clears it.
    bool bSearching = false;
    // The protocol option last clicked, stored on Apply.
    int nPendingProtocol = 0;

    // Handlers, public so the program's other windows and the tests can drive them as
    // the controls do.
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdSearch_Click();
    void cmdStop_Click();
    void OptModeSelect_Click(int index);
    void optProtocal_Click(int index);
    void cboAddress_Auto_Click();

    void reject() override;
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creates and places the controls (frmCommSetup_layout.cpp).
    void setupUi();
    void ConnectHandlers();
    void Form_Load();
    void LoadCaptions();
    void ApplySettings(bool& failed);
    void EnableSettingControls();
    void DisableSettingControls();
    void setSettingControlsEnabled(bool on);
    void settingChanged();
};
