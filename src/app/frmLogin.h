#pragma once
// The start-up window: the program's picture without a frame, see-through around its
// outline, for two seconds; then the main window. It takes no focus and no input but
// clicks on the picture itself, so whatever the user works in meanwhile keeps the
// keyboard, and it is gone before the main window shows.
#include "platform/single_form.h"

#include <QWidget>

class QLabel;

// The controls of the window, made and placed by its setupUi (frmLogin_layout.cpp).
struct Ui_frmLogin {
    QLabel* Image1 = nullptr;
};

class frmLogin : public QWidget, public platform::SingleForm<frmLogin>, private Ui_frmLogin {
    Q_OBJECT
public:
    frmLogin();
    ~frmLogin() override;

    // How long the picture shows, on the program's clock.
    static constexpr int kShowMs = 2000;

    // The start of the program: keeps `commandLine` as frmMDI::sCmdLine, shows the
    // picture for kShowMs with the event loop running, unloads it and shows the main
    // window, whose load opens a settings file named on the command line.
    static void Start(const QString& commandLine);

private:
    // Creates and places the picture (frmLogin_layout.cpp).
    void setupUi();
    void Form_Load();
    void Form_Activate();
};
