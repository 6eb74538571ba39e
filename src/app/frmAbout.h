#pragma once
// The About box: the program's name, version and notices. Shown modal by the About
// items of the main window and of the editors.
#include "platform/single_form.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The controls of the box, made and placed by its setupUi (frmAbout_layout.cpp).
struct Ui_frmAbout {
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
};

class frmAbout : public QDialog, public platform::SingleForm<frmAbout>, private Ui_frmAbout {
    Q_OBJECT
    // Tests reach the controls through FormAccess (tests/support/form_access.h).
    friend struct FormAccess;

public:
    frmAbout();
    ~frmAbout() override;

    // Loads the box, waits until it closes and unloads it.
    static void ShowModal();

    void cmdOK_Click();

protected:
    bool event(QEvent* event) override;

private:
    void setupUi();
    void ApplyTextsAbout();
    void Form_Load();
    void Form_Activate();
};

// "Version : 1 . 0 . 0" for version 1.0.0.
QString AboutVersionText(int major, int minor, int revision);
