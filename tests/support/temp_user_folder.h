#pragma once
// The per-user folder of a settings-file test: a temporary folder that stands in for
// the user's data folder, with the file flags and the current file reset.
#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/settings_file_io.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace testhelp {

class TempUserFolder {
protected:
    // Call from SetUp.
    void enterUserFolder()
    {
        ASSERT_TRUE(tmp.isValid());
        platform::setLanguage(platform::Language::English);
        platform::setUserDataDir(tmp.path());
        bHasFileName = false;
        bSaveCancelled = false;
        settings_file::setCurrentFile(QString());
    }
    // Call from TearDown.
    void leaveUserFolder() { platform::setUserDataDir(QString()); }

    QString path(const QString& name) const { return tmp.path() + "/" + name; }

    QTemporaryDir tmp;
};

// The whole content of a file, or nothing when it cannot be read.
inline QByteArray readRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testhelp
