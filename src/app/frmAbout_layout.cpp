// The About box's controls: the program's picture, its name, version and notices, OK.
#include "app/frmAbout.h"

#include "platform/bitmaps.h"
#include "platform/twips.h"
#include "resources/bitmaps.h"

#include <QLabel>
#include <QPushButton>

using platform::placeTw;
using platform::tw;

void frmAbout::setupUi()
{
    setObjectName("frmAbout");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(platform::formFont(9));
    setFixedSize(tw(6360), tw(3840));

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(platform::LoadResPicture(QString::fromLatin1(resources::kAppIconName)));
    Image1->setAlignment(Qt::AlignCenter);
    placeTw(Image1, 240, 240, 960, 960);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setFont(platform::formFont(10, true));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTw(Label1, 1440, 240, 4680, 900);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");
    placeTw(lblVersion, 1440, 1200, 4680, 285);

    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    placeTw(Label2, 1440, 1545, 4680, 285);

    lblDisclaimer = new QLabel(this);
    lblDisclaimer->setObjectName("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTw(lblDisclaimer, 240, 2040, 5880, 900);

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    placeTw(cmdOK, 4905, 3240, 1215, 375);
}
