// The main window's Upload: the transfer window reads the connected instrument's set
// into byUploadBuf, and the loader of the instrument's type opens the editor with it.
// Only then is the upload told a success: the loader may still refuse a value.
#include "app/frmMDI.h"

#include "core/machine_type.h"
#include "editors/common/loader_support.h"
#include "editors/common/refresh.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h5h7/h5h7_image_loader.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "editors/h9/h9_image_loader.h"
#include "link/messages.h"
#include "monitor/frmMonitoring.h"
#include "platform/message_box.h"
#include "platform/string_ids.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/settings_image.h"
#include "transfer/run_transfer.h"
#include "transfer/upload.h"

using platform::LoadResString;

void frmMDI::mUpload_Click()
{
    // No transfer while the monitoring window holds the line.
    if (frmMonitoring::isLoaded())
        return;
    if (!RunTransfer(this, TransferJob::Upload))
        return;

    const QString type = sCurrentMacType_Upload;
    bool h9 = false;
    int refreshKind = 0;
    int rc = 0;
    image_loading::lastRefusal().reset();
    // The model is set before the loader runs: the H5/H7 editor lays itself out by it.
    if (type == QLatin1String("H9")) {
        h9 = true;
        nMacType = kMacTypeH9;
        rc = LoadFileImage_H9(byUploadBuf, kUploadFailed);
    } else if (type == QLatin1String("H5")) {
        nMacType = kMacTypeH5;
        refreshKind = 1;
        rc = LoadFileImage_H5(byUploadBuf, kUploadFailed);
    } else if (type == QLatin1String("H7")) {
        nMacType = kMacTypeH7;
        refreshKind = 2;
        rc = LoadFileImage_H7(byUploadBuf, kUploadFailed);
    } else if (type == QLatin1String("H8")) {
        nMacType = kMacTypeH8;
        if (settings_image::readDecimal(byUploadBuf.at(31)) < 3) {
            refreshKind = 1;
            rc = LoadFileImage_H5(byUploadBuf, kUploadFailed);
        } else {
            refreshKind = 2;
            rc = LoadFileImage_H7(byUploadBuf, kUploadFailed);
        }
    } else {
        // The upload failed and has said so; nothing to load.
        return;
    }

    if (rc != 0) {
        core::SetStatusPanel(4, LoadResString(res::kFailedToUpload));
        const std::optional<image_loading::Refusal>& refused = image_loading::lastRefusal();
        ShowErrorMessage(rc, refused ? UploadRefusalDetail(refused->setting, refused->value) : QString());
        // No half-filled editor stays on screen.
        if (h9 && frmModeSetting_H9::isLoaded())
            platform::SingleForm<frmModeSetting_H9>::unload();
        else if (!h9 && frmModeSetting_H7::isLoaded())
            frmModeSetting_H7::instance().Unload();
        return;
    }

    RefreshDependentControls(refreshKind);
    // The uploaded set belongs to no file yet.
    bChange = true;
    bHasFileName = false;
    QWidget* editor = h9 ? static_cast<QWidget*>(&frmModeSetting_H9::instance())
                         : static_cast<QWidget*>(&frmModeSetting_H7::instance());
    setChildCaption(editor, QStringLiteral("Unknown01.kvf"));
    const QString done = LoadResString(res::kSettingsRead);
    core::SetStatusPanel(4, done);
    platform::MsgBox(done, platform::MsgButtons::Ok, platform::MsgIcon::Information, QStringLiteral("Upload"));
}
