#include "app/frmLogin.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tcpanel"));
    // The settings-file path is the whole command line as given.
    QStringList args = QApplication::arguments();
    args.removeFirst();
    frmLogin::Start(args.join(' '));
    return app.exec();
}
