#pragma once
// The value log: which file, how often, and what each line holds.
#include "core/monitor_state.h"
#include "settings_file/settings_file_io.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <optional>

namespace platform {
class CommonDialog;
}

// "m/d/yyyy hh:nn:ss" (12/8/2026 09:05:03), with "/" and ":" whatever the user's
// region, so that scripts reading a log always see one format.
QString LogTimestamp(const QDateTime& at);

// The field separator of a delimiter choice: five spaces, ",", or a tab.
QString LogDelimiter(int delimIdx);

// One line, CR LF included: the time stamp, then "Error!" when errors are logged and
// the last read failed (a poll, or a read or check of the start), else panel A's value
// and, when panel B has one, panel B's. Before a poll of this start has read them the
// values are empty: a line never carries what an earlier start read.
QString LogLine(const QString& timestamp, const LogSettings& log, const MonitorState& monitor);

// The period text of the options dialog: a whole number 1 to 3600, else nothing.
std::optional<int> ParseLogPeriod(const QString& text);
// Stores a period in the split the tick counts with, and starts counting afresh.
void SetLogPeriod(LogSettings& log, int seconds);

// One second of the log timer. True when the period has ended with this tick (the
// counting starts again from 0 whether or not a line is written).
bool LogTickElapsed(LogSettings& log);

// Asks for the log file in the Save dialog `dialog` (its FileName then holds the path).
// code 0: chosen, or cancelled (in the dialog or at the replace question; bSaveCancelled
// tells); kSaveFailed the folder or dialog failed; kInvalidFileName the name is not
// acceptable. path is the name as typed, no extension added: the file the replace
// question was about, and so the one the log must open.
SaveAsChoice SelectLogFile(platform::CommonDialog& dialog);

// The open log. Every line reaches the disk before writeLine returns, so a crash or a
// power loss costs at most the line being written.
class LogFile {
public:
    // Creates or empties the file. False when it cannot be opened for writing.
    bool open(const QString& path);
    // False when the line could not be written completely (disk full, file gone).
    bool writeLine(const QString& line);
    void close();
    bool isOpen() const { return file_.isOpen(); }

private:
    QFile file_;
};
