#pragma once
// Where the program finds its read-only data and keeps what the user writes.
#include <QString>

namespace platform {

// Read-only data installed beside the program (pictures, help).
QString appDataDir();
// The per-user writable folder (XDG data home/tcpanel), holding "Sample" and "Log".
QString userDataDir();

// The per-user "Sample" (settings files) and "Log" (log files) folders. Both are made,
// with the per-user folder, when the program first asks for either, so the file
// dialogs can start in them. If they cannot be made the path is still returned.
QString sampleFolder();
QString logFolder();

// Replace the folders (tests); an empty path restores the default.
void setAppDataDir(const QString& dir);
void setUserDataDir(const QString& dir);

} // namespace platform
