#pragma once
// Settings files: a file is the 256-byte settings image and nothing else. This module
// reads and writes them, runs the Save As dialog with its name check, and keeps the
// current file, the path that the edited set belongs to.
#include "settings_file/settings_image.h"

#include <QString>

namespace platform {
class CommonDialog;
}

// Writes the image to `path` atomically: the file then begins with the 256 bytes, an
// existing longer file keeping its bytes after them, and a failed write leaves an
// existing file as it was. Where the folder cannot take a temporary file but the file
// may be written, the file is written in place instead. On success the edited
// set belongs to `path` (bHasFileName, current file, the active editor's caption).
// Returns 0 or kSaveFailed.
int WriteSettingFile(const QString& path, const SettingFileImage& image);

// Reads the first 256 bytes of `path` into byFileBuf. Returns 0; kFileNotFound when `path`
// is not an existing file; kOpenFailed when it cannot be read or is shorter than an
// image. byFileBuf changes only on success.
int ReadSettingFile(const QString& path);

// The Save As dialog and the write. Returns 0 (bSaveCancelled tells whether the user
// stopped it), kSaveFailed or kInvalidFileName.
int SaveSettingFileAs(const SettingFileImage& image);

// A kind of file a Save As dialog asks for.
struct SaveAsDialogKind {
    QString folder;      // made first; the dialog starts in it
    QString filter;
    QString extension;   // a name ending in it (any case) is checked without it
    QString offeredName; // the name the dialog offers; empty: the dialog's last choice
    bool addExtension;   // a name typed without the extension gets it
};

struct SaveAsChoice {
    int code = 0;           // 0, kSaveFailed (the folder or the dialog failed) or kInvalidFileName
    bool cancelled = false; // stopped in the dialog or at the replace question
    QString path;           // the file to write, when neither of those
};

// The Save As flow of settings files and the log file: the folder, the dialog
// `dialog`, the name check, and the question before an existing file is replaced.
// It also keeps bSaveCancelled: set on a cancel, cleared once a name has passed.
SaveAsChoice ChooseSaveAsFile(platform::CommonDialog& dialog, const SaveAsDialogKind& kind);

// Whether `name` (a file name without folder and extension) may name a settings file.
bool IsValidFileName(const QString& name);

namespace settings_file {

constexpr const char* kExtension = ".kvf";
constexpr const char* kDialogFilter = "kvf(*.kvf)|*.kvf";

// The folder the dialogs start in, "Sample" in the per-user writable folder (made
// when it is first asked for).
QString settingsFolder();

// The full path of the file the edited set belongs to; empty before the first
// successful Open or write. It changes only on those.
QString currentFile();
void setCurrentFile(const QString& path);

// The file's name without its folder, for an editor caption.
QString fileNamePart(const QString& path);

} // namespace settings_file
