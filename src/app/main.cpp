#include "app/frmMDI.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tcpanel"));
    // The settings-file path is the whole command line as given.
    QStringList args = QApplication::arguments();
    args.removeFirst();
    frmMDI::sCmdLine = args.join(' ');

    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    return app.exec();
}
