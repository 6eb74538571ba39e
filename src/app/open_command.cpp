// The main window's Open: choose a settings file, read it, test its header, and load
// it into the editor of its type.
#include "app/frmMDI.h"
#include "core/hex_digit.h"
#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h5h7/h5h7_image_loader.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "editors/h9/h9_image_loader.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/settings_file_io.h"
#include "settings_file/settings_image.h"


#include <optional>

using platform::LoadResString;

namespace {

// Positions 0-3 as a hexadecimal number; nothing when they are not one (a sign or a
// blank included).
std::optional<int> readVersion(const SettingFileImage& image)
{
    const QByteArray field = image.left(4);
    if (field.isEmpty())
        return std::nullopt;
    int v = 0;
    for (char c : field) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        v = v * 16 + d;
    }
    return v;
}

struct TypeEntry {
    const char* text;
    int macType;
    int loadForm;
};

const TypeEntry kTypes[] = {
    {"01", kMacTypeH9, 1},
    {"02", kMacTypeH5, 2},
    {"03", kMacTypeH7, 3},
    {"04", kMacTypeH8, 4},
};

const TypeEntry* findType(const SettingFileImage& image)
{
    const QByteArray text = image.mid(4, 2);
    for (const TypeEntry& t : kTypes)
        if (text == t.text)
            return &t;
    return nullptr;
}

// A refusal leaves its code in nErrCode for whoever looks after the Open.
void failed(int code)
{
    if (code != 0) {
        commState.nErrCode = code;
        ShowErrorMessage(code);
    }
    core::SetStatusPanel(4, LoadResString(res::kStatusOpenFailed));
}

} // namespace

void frmMDI::mOpen_Click()
{
    QString path;
    if (!bOpenOldFile) {
        core::SetStatusPanel(4, LoadResString(res::kStatusOpening));
        CommonDialog1.InitDir = settings_file::settingsFolder();
        CommonDialog1.DialogTitle = QStringLiteral("Open");
        CommonDialog1.Filter = QString::fromLatin1(settings_file::kDialogFilter);
        const int shown = CommonDialog1.ShowOpen();
        if (shown != platform::kDialogAccepted) {
            failed(shown == platform::kDialogCancelled ? 0 : kOpenFailed);
            return;
        }
    }
    path = CommonDialog1.FileName;

    commState.nErrCode = ReadSettingFile(path);
    if (commState.nErrCode != 0) {
        failed(commState.nErrCode);
        return;
    }

    const std::optional<int> version = readVersion(byFileBuf);
    if (!version) {
        failed(kOpenFailed);
        return;
    }
    if (*version != settings_image::kVersion) {
        failed(kWrongVersion);
        return;
    }
    const TypeEntry* type = findType(byFileBuf);
    if (!type) {
        failed(kOpenFailed);
        return;
    }

    // The H5/H7 editor lays itself out by the type when it loads.
    nMacType = type->macType;
    bool h9 = false;
    bool timerLayout = false;
    switch (type->loadForm) {
    case 1: h9 = true; break;
    case 2: timerLayout = true; break;
    case 3: timerLayout = false; break;
    default: timerLayout = settings_image::readDecimal(byFileBuf.at(31)) < 3; break;
    }
    if (h9)
        commState.nErrCode = LoadFileImage_H9(byFileBuf, kOpenFailed);
    else if (timerLayout)
        commState.nErrCode = LoadFileImage_H5(byFileBuf, kOpenFailed);
    else
        commState.nErrCode = LoadFileImage_H7(byFileBuf, kOpenFailed);
    if (commState.nErrCode != 0) {
        // The loader has already taken its half-filled editor away.
        failed(commState.nErrCode);
        return;
    }

    QWidget* editor = h9 ? static_cast<QWidget*>(&frmModeSetting_H9::instance())
                         : static_cast<QWidget*>(&frmModeSetting_H7::instance());
    setChildCaption(editor, settings_file::fileNamePart(path));
    nLoadForm = type->loadForm;
    // The editor has shown the toolbar buttons of its set and the function-mode items
    // of the model as it loaded.
    StatusBar1->setPanelText(1, ModelName(DeviceTypeCode(type->macType)));
    core::SetStatusPanel(4, LoadResString(res::kStatusFileOpened));
    bHasFileName = true;
    settings_file::setCurrentFile(path);
    // What the loader set is the file's content, not a change of the user's.
    bChange = false;
}
