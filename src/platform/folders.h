#pragma once
// Where the program finds its read-only data and keeps what the user writes.
#include <QString>

namespace platform {

// Read-only data installed beside the program (pictures, help).
QString appDataDir();
// The per-user writable folder (XDG data home/tcpanel), holding "Sample" and "Log".
QString userDataDir();

// Replace the folders (tests); an empty path restores the default.
void setAppDataDir(const QString& dir);
void setUserDataDir(const QString& dir);

} // namespace platform
