#include "monitor/value_log.h"

#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "settings_file/settings_file_io.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

QString LogTimestamp(const QDateTime& at)
{
    const QDate d = at.date();
    const QTime t = at.time();
    return QString::asprintf("%d/%d/%04d %02d:%02d:%02d", d.month(), d.day(), d.year(), t.hour(), t.minute(),
                             t.second());
}

QString LogDelimiter(int delimIdx)
{
    switch (delimIdx) {
    case 1: return QStringLiteral(",");
    case 2: return QStringLiteral("\t");
    default: return QStringLiteral("     ");
    }
}

QString LogLine(const QString& timestamp, const LogSettings& log, const MonitorState& monitor)
{
    QString line = timestamp + log.sLogDelimiter;
    if (log.bLogErrors && monitor.bPollError)
        line += QStringLiteral("Error!");
    else if (!monitor.sMonitorText[1].isEmpty())
        line += monitor.sMonitorText[0] + log.sLogDelimiter + monitor.sMonitorText[1];
    else
        line += monitor.sMonitorText[0];
    return line + QStringLiteral("\r\n");
}

std::optional<int> ParseLogPeriod(const QString& text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 1 || v > 3600)
        return std::nullopt;
    return static_cast<int>(v);
}

void SetLogPeriod(LogSettings& log, int seconds)
{
    log.nLogRateSec = seconds % 60;
    log.nLogRateMin = seconds / 60;
    log.nLogTickSec = 0;
    log.nLogTickMin = 0;
}

bool LogTickElapsed(LogSettings& log)
{
    if (++log.nLogTickSec > 59) {
        ++log.nLogTickMin;
        log.nLogTickSec = 0;
    }
    if (log.nLogTickSec != log.nLogRateSec || log.nLogTickMin != log.nLogRateMin)
        return false;
    log.nLogTickSec = 0;
    log.nLogTickMin = 0;
    return true;
}

SaveAsChoice SelectLogFile(platform::CommonDialog& dialog)
{
    // The file is the dialog's choice as typed: a log name gets no extension added.
    return ChooseSaveAsFile(dialog, {.folder = platform::logFolder(),
                                     .filter = QStringLiteral("log file(*.txt)|*.txt"),
                                     .extension = QStringLiteral(".txt"),
                                     .offeredName = QStringLiteral("logfile"),
                                     .addExtension = false});
}

bool LogFile::open(const QString& path)
{
    close();
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool LogFile::writeLine(const QString& line)
{
    if (!file_.isOpen())
        return false;
    const QByteArray bytes = line.toUtf8();
    if (file_.write(bytes) != bytes.size() || !file_.flush())
        return false;
    const int fd = file_.handle();
    if (::fdatasync(fd) != 0 && errno != EINVAL)
        return false;
    // A file removed (or its folder) while open takes writes that nobody will ever
    // read: the line counts as lost unless the path still names the file written.
    struct stat written {};
    struct stat named {};
    if (::fstat(fd, &written) != 0 || ::stat(QFile::encodeName(file_.fileName()).constData(), &named) != 0)
        return false;
    return written.st_dev == named.st_dev && written.st_ino == named.st_ino;
}

void LogFile::close()
{
    if (file_.isOpen())
        file_.close();
}
