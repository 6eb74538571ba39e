// Settings files, opened as the user opens them: arbitrary bytes (256 of them, fewer
// or more) chosen in the Open dialog of the main window, loaded into the real editor
// of their type, then saved with the editor's Save As and opened once more.
//
// A refused file leaves no editor behind. A loaded one is taken as the file says (the
// image handed to the loader is the file, filled up with 0xFF); what the editor saves
// of it is a file of its own type that shows the user what the first file showed, and
// that saves back byte for byte: whatever a loader normalises, it normalises once.
#include "fuzz_support.h"

#include "app/frmMDI.h"
#include "core/h5h7_params.h"
#include "core/machine_type.h"
#include "core/settings_buffers.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/settings_file_io.h"
#include "support/deferred_delete.h"
#include "support/editor_state.h"
#include "support/form_access.h"
#include "support/main_window.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QTemporaryDir& folder()
{
    static const QTemporaryDir dir;
    return dir;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The editor's Save As, as the user chooses it from its menu.
void saveAs(testsupport::ScriptedFileDialogs& dialogs, const QString& path)
{
    dialogs.accept(path);
    if (frmModeSetting_H9* h9 = frmModeSetting_H9::loaded())
        ui(*h9).mSaveAs->trigger();
    else if (frmModeSetting_H7* h7 = frmModeSetting_H7::loaded())
        ui(*h7).mSaveAs->trigger();
}

// Opens `path` from the main window's File menu, with no editor open; nErrCode tells
// the outcome.
void open(testsupport::ScriptedFileDialogs& dialogs, const QString& path)
{
    nMacType = 0;
    dialogs.accept(path);
    ui(frmMDI::instance()).mOpen->trigger();
    testsupport::dropDeferredDeletes();
}

// The machine type text a saved file of `macType` starts with: "0100" and the type.
QByteArray headerOf(int macType)
{
    return "0100" + QByteArray::number(macType, 16).rightJustified(4, '0').toUpper();
}

} // namespace

TCPANEL_FUZZ_TARGET(settings_file)
{
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    platform::setLanguage(platform::Language::English);
    platform::setUserDataDir(folder().path());
    bHasFileName = false;
    bSaveCancelled = false;
    settings_file::setCurrentFile(QString());
    commState = CommState{};
    testsupport::ScriptedMessages boxes;
    boxes.autoAcknowledgeOk();
    testsupport::ScriptedFileDialogs dialogs;
    const QString path = folder().path() + QStringLiteral("/opened.kvf");
    const QString savedPath = folder().path() + QStringLiteral("/saved.kvf");
    QFile::remove(savedPath);
    if (!writeFile(path, file)) {
        FUZZ_CHECK(false, "the input could not be written");
        return;
    }

    frmMDI::instance();
    open(dialogs, path);
    if (commState.nErrCode != 0) {
        FUZZ_CHECK(testhelp::openEditor() == nullptr, "a refused file left an editor, code " + std::to_string(commState.nErrCode));
        FUZZ_CHECK(boxes.count() == 1, "a refusal showed " + std::to_string(boxes.count()) + " boxes");
        FUZZ_CHECK(!bHasFileName, "a refused file became the current file");
        testsupport::closeWindows();
        return;
    }
    FUZZ_CHECK(boxes.count() == 0, "a loaded file showed a box: " + (boxes.count() ? boxes.last().text.toStdString() : ""));
    QByteArray expectedImage = file.left(kSettingImageSize);
    expectedImage.append(QByteArray(kSettingImageSize - expectedImage.size(), '\xFF'));
    FUZZ_CHECK(byFileBuf == expectedImage, "the image loaded is not the file's");
    const int macType = nMacType;
    EditorWindow* editor = testhelp::openEditor();
    FUZZ_CHECK(editor != nullptr && !editor->isHidden(), "a loaded file shows no editor");
    if (!editor) {
        testsupport::closeWindows();
        return;
    }
    FUZZ_CHECK((macType == kMacTypeH9) == (frmModeSetting_H9::loaded() != nullptr), "the wrong editor for the type");
    const QStringList shownFirst = testhelp::shownSet(editor);

    // Save As to a new file.
    boxes.clear();
    saveAs(dialogs, savedPath);
    const QByteArray saved = testhelp::readRaw(savedPath);
    if (saved.isEmpty()) {
        // Only the H9 writer's checks of the set values may keep a loaded set from a
        // file, and the user is told.
        FUZZ_CHECK(macType == kMacTypeH9 && boxes.count() == 1, "a loaded set could not be saved");
        testsupport::closeWindows();
        return;
    }
    FUZZ_CHECK(saved.size() == kSettingImageSize, "a save of " + std::to_string(saved.size()) + " bytes");
    FUZZ_CHECK(saved.startsWith(headerOf(macType)), "saved as " + fuzz::printable(saved.left(8)));
    for (char c : saved)
        FUZZ_CHECK(c >= 0x20 && c < 0x7F, "a saved byte that is no printable character");
    // H5/H7 sets: the function mode in position 31 tells the layout, and it is the mode loaded.
    if (macType != kMacTypeH9)
        FUZZ_CHECK(saved.at(31) == '0' + nFuncMode, "mode " + std::to_string(nFuncMode) + " saved as " + saved.at(31));

    // The saved file opens into the same type and saves back unchanged.
    testsupport::closeWindows();
    open(dialogs, savedPath);
    FUZZ_CHECK(commState.nErrCode == 0, "the saved file was refused, code " + std::to_string(commState.nErrCode));
    FUZZ_CHECK(nMacType == macType, "the saved file opened as another type");
    if (EditorWindow* again = testhelp::openEditor()) {
        // The saved copy shows the user what the file showed.
        const QStringList shownAgain = testhelp::shownSet(again);
        FUZZ_CHECK(shownAgain == shownFirst, testhelp::firstDifference(shownFirst, shownAgain));
        QFile::remove(savedPath);
        saveAs(dialogs, savedPath);
        const QByteArray resaved = testhelp::readRaw(savedPath);
        FUZZ_CHECK(resaved == saved, "saved again as " + fuzz::printable(resaved) + "\n  first saved as "
                                         + fuzz::printable(saved));
    }
    testsupport::closeWindows();
}
