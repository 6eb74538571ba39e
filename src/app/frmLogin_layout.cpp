// The start-up window: one picture, the window cut to its outline and centred on the
// screen.
#include "app/frmLogin.h"

#include "platform/bitmaps.h"
#include "resources/bitmaps.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

void frmLogin::setupUi()
{
    setObjectName("frmLogin");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);

    const QPixmap picture = platform::LoadResPicture(QString::fromLatin1(resources::kSplashName));
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(picture);
    Image1->setGeometry(0, 0, picture.width(), picture.height());
    setFixedSize(picture.size());
    // The window is the picture's outline: its see-through parts are no window at all,
    // so they show what lies behind even without a compositor, and clicks there reach
    // the window below.
    setMask(picture.mask());

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
