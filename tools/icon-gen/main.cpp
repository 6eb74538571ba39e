// icon-gen: draws the program's icon into an icon theme folder, one PNG per size, as
// <folder>/<N>x<N>/apps/tcpanel.png, for the desktop entry to name.
//
//   icon-gen <theme folder>
#include "resources/bitmaps.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: icon-gen <theme folder>\n");
        return 1;
    }
    const QDir theme(args.at(1));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString file = folder + QStringLiteral("/tcpanel.png");
        if (!QDir().mkpath(folder) || !resources::drawAppIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "icon-gen: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
