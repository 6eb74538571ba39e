#pragma once
// The log options: the period in seconds, the delimiter and whether failed polls are
// logged as "Error!". OK opens the chosen file and starts the log on the monitoring
// window; Cancel changes nothing.
#include "platform/single_form.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The controls of the dialog, made and placed by its setupUi (frmLogging_layout.cpp).
struct Ui_frmLogging {
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtScanRate = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 3> optDelimiters{};
    QCheckBox* chkLogError = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

class frmLogging : public QDialog, public platform::SingleForm<frmLogging>, private Ui_frmLogging {
    Q_OBJECT
    // Tests reach the controls through FormAccess (tests/support/form_access.h).
    friend struct FormAccess;

public:
    frmLogging();
    ~frmLogging() override;

    // Loads the dialog, shows it modally and returns once it has closed.
    static void ShowModal();

    void Form_Load();
    void Form_Activate();
    void txtScanRate_GotFocus();
    void OKButton_Click();
    void CancelButton_Click();

    // Escape anywhere in the dialog is Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setupUi();
    void ApplyTextsLogging();
};
