#include "app/frmLogin.h"
#include "platform/strings.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tcpanel"));
    platform::translateQtTexts();
    // The settings-file path is the whole command line as given.
    QStringList args = QApplication::arguments();
    args.removeFirst();
    frmLogin::Start(args.join(' '));
    return app.exec();
}
