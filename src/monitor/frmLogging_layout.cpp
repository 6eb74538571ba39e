#include "monitor/frmLogging.h"

#include "platform/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using platform::placeTw;

void frmLogging::setupUi()
{
    setFixedSize(platform::tw(4080), platform::tw(2100));
    setFont(platform::formFont(9));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    placeTw(Frame1, 120, 120, 1800, 780);
    txtScanRate = new QLineEdit(Frame1);
    txtScanRate->setObjectName("txtScanRate");
    placeTw(txtScanRate, 180, 330, 1095, 330);
    Label1 = new QLabel(QStringLiteral("S"), Frame1);
    Label1->setObjectName("Label1");
    placeTw(Label1, 1380, 360, 300, 270);

    chkLogError = new QCheckBox(this);
    chkLogError->setObjectName("chkLogError");
    placeTw(chkLogError, 120, 1020, 1800, 330);

    Frame3 = new QGroupBox(this);
    Frame3->setObjectName("Frame3");
    placeTw(Frame3, 2040, 120, 1920, 1230);
    for (int i = 0; i < 3; ++i) {
        optDelimiters[static_cast<std::size_t>(i)] = new QRadioButton(Frame3);
        optDelimiters[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("optDelimiters%1").arg(i));
        placeTw(optDelimiters[static_cast<std::size_t>(i)], 180, 300 + 300 * i, 1650, 270);
    }
    optDelimiters[2]->setText(QStringLiteral("Tab"));

    OKButton = new QPushButton(this);
    OKButton->setObjectName("OKButton");
    placeTw(OKButton, 840, 1560, 1215, 375);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName("CancelButton");
    placeTw(CancelButton, 2280, 1560, 1215, 375);
    // Enter in the period box is OK; elsewhere it presses no button.
    OKButton->setAutoDefault(false);
    CancelButton->setAutoDefault(false);
}
