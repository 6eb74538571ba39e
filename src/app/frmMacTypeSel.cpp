#include "app/frmMacTypeSel.h"

#include "core/machine_type.h"
#include "platform/strings.h"

#include <QPushButton>
#include <QRadioButton>

using platform::LoadResString;

frmMacTypeSel::frmMacTypeSel()
{
    setupUi();
    for (int i = 0; i < 4; ++i) {
        connect(grpType[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                grpType_Click(i);
        });
    }
    connect(OKButton, &QPushButton::clicked, this, &frmMacTypeSel::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmMacTypeSel::CancelButton_Click);
    Form_Load();
}

frmMacTypeSel::~frmMacTypeSel() = default;

void frmMacTypeSel::ShowModal()
{
    instance().exec();
    unload();
}

void frmMacTypeSel::ApplyTextsMacTypeSel()
{
    setWindowTitle(LoadResString(res::kSelectMachineType));
    OKButton->setText(LoadResString(res::kOkButton));
    CancelButton->setText(LoadResString(res::kCancelButton));
}

void frmMacTypeSel::Form_Load()
{
    ApplyTextsMacTypeSel();
    grpType[1]->setChecked(true);
    // The arrow keys move on from the option that has the focus: it starts on the checked
    // one, so that Down goes to the model after it.
    grpType[1]->setFocus();
    // Only OK confirms: Cancel, the close box and Escape leave this as it is.
    bMacTypeSelOK = false;
}

void frmMacTypeSel::grpType_Click(int index) { nTypeIndex = index; }

void frmMacTypeSel::OKButton_Click()
{
    static const int kMacTypes[] = {kMacTypeH9, kMacTypeH5, kMacTypeH7, kMacTypeH8};
    if (nTypeIndex >= 0 && nTypeIndex < 4)
        nMacType = kMacTypes[nTypeIndex];
    bMacTypeSelOK = true;
    accept();
}

void frmMacTypeSel::CancelButton_Click()
{
    bMacTypeSelOK = false;
    reject();
}
