#pragma once
// The model chooser: which instrument model a new parameter set is for. Shown modal by
// New; afterwards bMacTypeSelOK tells whether the user confirmed, and nMacType holds
// the model chosen (core/machine_type.h). Its four options read the model names.
#include "platform/single_form.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

// The controls of the chooser, made and placed by its setupUi (frmMacTypeSel_layout.cpp).
struct Ui_frmMacTypeSel {
    QGroupBox* Frame1 = nullptr;
    // H9, H5, H7, H8.
    std::array<QRadioButton*, 4> grpType{};
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

class frmMacTypeSel : public QDialog, public platform::SingleForm<frmMacTypeSel>, private Ui_frmMacTypeSel {
    Q_OBJECT
    // Tests reach the controls through FormAccess (tests/support/form_access.h).
    friend struct FormAccess;

public:
    frmMacTypeSel();
    ~frmMacTypeSel() override;

    // Loads the chooser afresh (the H5 model preselected), waits until it closes and
    // unloads it.
    static void ShowModal();

    void grpType_Click(int index);
    void OKButton_Click();
    void CancelButton_Click();

private:
    void setupUi();
    void ApplyTextsMacTypeSel();
    void Form_Load();

    // The option last clicked.
    int nTypeIndex = 1;
};
