#include "settings_file/settings_file_io.h"

#include "core/shell.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using platform::LoadResString;

namespace settings_file {

namespace {
QString g_currentFile;
} // namespace

QString settingsFolder() { return platform::sampleFolder(); }

QString currentFile() { return g_currentFile; }

void setCurrentFile(const QString& path)
{
    // Held absolute, so a later Save reaches the same file whatever the working folder.
    g_currentFile = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

QString fileNamePart(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace settings_file

int WriteSettingFile(const QString& path, const SettingFileImage& image)
{
    if (image.size() != kSettingImageSize || path.isEmpty())
        return kSaveFailed;
    // A longer file keeps what follows its first 256 bytes: only the image is ours.
    QByteArray content = image;
    {
        QFile existing(path);
        if (existing.exists()) {
            if (!existing.open(QIODevice::ReadOnly))
                return kSaveFailed;
            if (existing.size() > kSettingImageSize) {
                existing.seek(kSettingImageSize);
                const QByteArray tail = existing.readAll();
                if (tail.size() != existing.size() - kSettingImageSize)
                    return kSaveFailed;
                content += tail;
            }
        }
    }
    // Written whole to a temporary file and moved over the old one, so a failed write
    // leaves the old file as it was; where the folder takes no new file but the file
    // itself may be written, it is written in place.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        // The bytes are pushed out before commit(), which does not notice a flush that
        // fails part way (a full disk) and would put the short file in place of the old.
        if (file.write(content) != content.size() || !file.flush()) {
            file.cancelWriting();
            return kSaveFailed;
        }
        if (!file.commit())
            return kSaveFailed;
    } else {
        // Only where the folder refuses new files: in place, a failed write would cost
        // the old file.
        const QFileInfo info(path);
        QFile direct(path);
        if (QFileInfo(info.absolutePath()).isWritable() || !info.isFile() || !direct.open(QIODevice::WriteOnly))
            return kSaveFailed;
        const bool written = direct.write(content) == content.size() && direct.flush();
        direct.close();
        if (!written || direct.error() != QFileDevice::NoError)
            return kSaveFailed;
    }

    // The file is written: nothing after this point may turn the result into a failure.
    bHasFileName = true;
    settings_file::setCurrentFile(path);
    core::Shell& mdi = core::shell();
    if (QWidget* editor = mdi.ActiveForm())
        mdi.setChildCaption(editor, settings_file::fileNamePart(path));
    return 0;
}

int ReadSettingFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile())
        return kFileNotFound;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return kOpenFailed;
    const QByteArray data = file.read(kSettingImageSize);
    // A short file is no settings image: its missing fields would load as garbage.
    if (data.size() != kSettingImageSize)
        return kOpenFailed;
    byFileBuf = data;
    return 0;
}

bool IsValidFileName(const QString& name)
{
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && name.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && name.at(last - 1) == QLatin1Char(' '))
        --last;
    const QString trimmed = name.mid(first, last - first);
    if (trimmed.isEmpty())
        return false;
    if (trimmed.startsWith(QLatin1Char('.')) || trimmed.endsWith(QLatin1Char('.')))
        return false;
    static const QString kRefused = QStringLiteral("\\/:*?<>|;{}[]~!@#%^()=+");
    for (const QChar c : name)
        if (kRefused.contains(c))
            return false;
    return true;
}

SaveAsChoice ChooseSaveAsFile(platform::CommonDialog& dialog, const SaveAsDialogKind& kind)
{
    SaveAsChoice choice;
    if (!QDir().mkpath(kind.folder)) {
        choice.code = kSaveFailed;
        return choice;
    }
    dialog.InitDir = kind.folder;
    dialog.DialogTitle = QStringLiteral("Save As");
    dialog.Filter = kind.filter;
    if (!kind.offeredName.isEmpty())
        dialog.FileName = kind.offeredName;
    const int shown = dialog.ShowSave();
    if (shown == platform::kDialogCancelled) {
        bSaveCancelled = choice.cancelled = true;
        return choice;
    }
    if (shown != platform::kDialogAccepted) {
        choice.code = shown == platform::kDialogInvalidFileName ? kInvalidFileName : kSaveFailed;
        return choice;
    }

    // A name with the extension is checked without it; a name without it is checked
    // whole and, where the kind asks for it, gets it added.
    QString name = dialog.FileTitle;
    choice.path = dialog.FileName;
    if (name.endsWith(kind.extension, Qt::CaseInsensitive))
        name.chop(kind.extension.size());
    else if (kind.addExtension)
        choice.path += kind.extension;
    if (!IsValidFileName(name)) {
        choice.code = kInvalidFileName;
        return choice;
    }

    bSaveCancelled = false;
    if (QFileInfo::exists(choice.path)) {
        const platform::MsgResult answer =
            platform::MsgBox(LoadResString(res::kReplaceQuestion), platform::MsgButtons::OkCancel,
                             platform::MsgIcon::Question, QStringLiteral("Save"));
        if (answer != platform::MsgResult::Ok)
            bSaveCancelled = choice.cancelled = true;
    }
    return choice;
}

int SaveSettingFileAs(const SettingFileImage& image)
{
    const SaveAsChoice choice = ChooseSaveAsFile(core::shell().CommonDialog1,
                                                 {.folder = settings_file::settingsFolder(),
                                                  .filter = QString::fromLatin1(settings_file::kDialogFilter),
                                                  .extension = QString::fromLatin1(settings_file::kExtension),
                                                  .offeredName = QString(),
                                                  .addExtension = true});
    if (choice.code != 0 || choice.cancelled)
        return choice.code;
    commState.nErrCode = WriteSettingFile(choice.path, image);
    return commState.nErrCode;
}
