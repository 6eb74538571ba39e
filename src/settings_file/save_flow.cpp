#include "settings_file/save_flow.h"

#include "core/shell.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/settings_file_io.h"

using platform::LoadResString;

namespace settings_file {

namespace {

SaveOutcome runSave(const ImageBuilder& buildImage, bool saveAs)
{
    commState.nErrCode = buildImage();
    if (commState.nErrCode != 0) {
        ShowErrorMessage(commState.nErrCode);
        core::SetStatusPanel(4, LoadResString(res::kFailedToSave));
        return SaveOutcome::Failed;
    }

    // Save goes to the file the set belongs to, never to the dialog's last choice: a
    // Save As whose replacement was declined has not made that name the current file.
    const bool throughDialog = saveAs || !bHasFileName || currentFile().isEmpty();
    const int result = throughDialog ? SaveSettingFileAs(byFileBuf)
                                     : WriteSettingFile(currentFile(), byFileBuf);
    if (result != 0) {
        platform::MsgBox(LoadResString(res::kFailedToSave), platform::MsgButtons::Ok, platform::MsgIcon::None,
                         QStringLiteral("Save"));
        core::SetStatusPanel(4, LoadResString(res::kFailedToSave));
        return SaveOutcome::Failed;
    }
    if (throughDialog && bSaveCancelled)
        return SaveOutcome::Cancelled;

    platform::MsgBox(LoadResString(res::kFileSaved), platform::MsgButtons::Ok, platform::MsgIcon::None,
                     QStringLiteral("Save"));
    core::shell().bChange = false;
    core::SetStatusPanel(4, LoadResString(res::kFileSaved));
    return SaveOutcome::Saved;
}

} // namespace

SaveOutcome SaveSettingFlow(const ImageBuilder& buildImage) { return runSave(buildImage, false); }

SaveOutcome SaveSettingAsFlow(const ImageBuilder& buildImage) { return runSave(buildImage, true); }

} // namespace settings_file
