// The chooser's controls: the four model options in a frame without a caption, OK and
// Cancel beside it.
#include "app/frmMacTypeSel.h"

#include "core/machine_type.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

using platform::placeTw;
using platform::tw;

void frmMacTypeSel::setupUi()
{
    setObjectName("frmMacTypeSel");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(platform::formFont(9));
    setFixedSize(tw(6000), tw(2760));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    placeTw(Frame1, 120, 60, 4320, 2580);
    for (int i = 0; i < 4; ++i) {
        QRadioButton* opt = new QRadioButton(ModelName(i + 1), Frame1);
        opt->setObjectName(QStringLiteral("grpType_%1").arg(i));
        placeTw(opt, 240, 240 + 570 * i, 3960, 375);
        grpType[static_cast<std::size_t>(i)] = opt;
    }

    OKButton = new QPushButton(this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    placeTw(OKButton, 4620, 180, 1215, 375);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName("CancelButton");
    placeTw(CancelButton, 4620, 660, 1215, 375);
}
