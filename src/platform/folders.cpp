#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform {

namespace {
QString g_appDataOverride;
QString g_userDataOverride;
} // namespace

QString appDataDir()
{
    if (!g_appDataOverride.isEmpty())
        return g_appDataOverride;
    const QString bin = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                     : QDir::currentPath();
    // Installed layout: <prefix>/bin/tcpanel with data in <prefix>/share/tcpanel.
    const QString installed = QDir(bin).absoluteFilePath("../share/tcpanel");
    if (QDir(installed).exists())
        return QDir::cleanPath(installed);
    return bin;
}

QString userDataDir()
{
    if (!g_userDataOverride.isEmpty())
        return g_userDataOverride;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.local/share";
    return base + "/tcpanel";
}

namespace {

QString userFolder(const char* name)
{
    const QString base = userDataDir();
    for (const char* folder : {"Sample", "Log"})
        QDir().mkpath(base + QLatin1Char('/') + QLatin1String(folder));
    return base + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

QString sampleFolder() { return userFolder("Sample"); }
QString logFolder() { return userFolder("Log"); }

void setAppDataDir(const QString& dir) { g_appDataOverride = dir; }
void setUserDataDir(const QString& dir) { g_userDataOverride = dir; }

} // namespace platform
