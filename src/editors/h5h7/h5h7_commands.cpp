// The H5/H7 editor's commands: the file menu with the save question, the transfers,
// the live view, the settings dialog, key protection, help and about, and the
// picture button under the diagrams.
#include "editors/h5h7/frmModeSetting_H7.h"

#include "core/machine_type.h"
#include "editors/common/key_protect_toggle.h"
#include "editors/common/refresh.h"
#include "link/comm_status.h"
#include "link/frmCommSetup.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "settings_file/h5h7_image.h"
#include "settings_file/save_flow.h"
#include "transfer/run_transfer.h"

#include <QMdiSubWindow>
#include <QPointer>

using platform::LoadResString;

namespace {

// The settings image of the half the current function mode belongs to.
int BuildCurrentImage() { return nFuncMode > 2 ? BuildFileImage_H7() : BuildFileImage_H5(); }

} // namespace

// ---------------------------------------------------------------- closing

bool frmModeSetting_H7::Form_QueryUnload()
{
    bCancelClose = false;
    core::Shell& mdi = core::shell();
    // The program closing from the live view asks nothing.
    if (mdi.bMonitorUnload || !mdi.bChange)
        return false;
    using namespace platform;
    switch (MsgBox(LoadResString(res::kSaveQuestion), MsgButtons::YesNoCancel, MsgIcon::Question, QStringLiteral("Save"))) {
    case MsgResult::No:
        return false;
    case MsgResult::Yes:
        // A build that fails, a write that fails and a cancelled Save As all keep the
        // window with its edits.
        if (settings_file::SaveSettingFlow(&BuildCurrentImage) == settings_file::SaveOutcome::Saved)
            return false;
        break;
    default:
        break;
    }
    bCancelClose = true;
    return true;
}

void frmModeSetting_H7::CloseAndThen(void (core::Shell::*next)())
{
    // A closed window runs no question again and takes no command.
    if (unloading_)
        return;
    holdDeletion_ = true;
    close();
    holdDeletion_ = false;
    if (!bCancelClose)
        (core::shell().*next)();
    if (deletePending_) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->deleteLater();
        deleteLater();
    }
}

void frmModeSetting_H7::mClose_Click() { close(); }

void frmModeSetting_H7::mExit_Click() { core::shell().mExit_Click(); }

void frmModeSetting_H7::mNew_Click() { CloseAndThen(&core::Shell::mNew_Click); }

void frmModeSetting_H7::mOpenSetting_Click() { CloseAndThen(&core::Shell::mOpen_Click); }

void frmModeSetting_H7::mUpload_Click() { CloseAndThen(&core::Shell::mUpload_Click); }

// ---------------------------------------------------------------- saving

void frmModeSetting_H7::mSaveSetting_Click() { (void)settings_file::SaveSettingFlow(&BuildCurrentImage); }

void frmModeSetting_H7::mSaveAs_Click() { (void)settings_file::SaveSettingAsFlow(&BuildCurrentImage); }

// ---------------------------------------------------------------- transfers

void frmModeSetting_H7::mDownload_Click()
{
    // An H8 set sends the half of its current mode, and refreshes the half it sent.
    RunTransfer(this, TransferJob::Download, nFuncMode < 3 ? DownloadKind::H5 : DownloadKind::H7,
                [] { RefreshDependentControls(nFuncMode > 2 ? 2 : 1); });
}

void frmModeSetting_H7::mCompare_Click()
{
    // A compare refreshes by the model, an H8 set by its current mode.
    RunTransfer(this, TransferJob::Compare, [] {
        if (const int kind = DeviceTypeCode(nMacType) - 1; kind >= 1 && kind <= 3)
            RefreshDependentControls(kind);
    });
}

void frmModeSetting_H7::cmdDownload_All_A_Click() { mDownload_Click(); }

void frmModeSetting_H7::ImageDownload_Click()
{
    QPointer<ImageControl> button(ImageDownload);
    // The hidden button is locked with the window, so a locked window starts nothing.
    if (!cmdDownload_All_A->testAttribute(Qt::WA_Disabled)) {
        ImageDownload->setFrameStyle(QFrame::Box | QFrame::Plain);
        ImageDownload->setPictureName(QStringLiteral("IMAGE_DOWNLOAD_D"));
        ImageDownload->repaint();
        cmdDownload_All_A_Click();
    }
    if (button) {
        button->setPictureName(QStringLiteral("IMAGE_DOWNLOAD_E"));
        button->setFrameStyle(QFrame::NoFrame);
    }
}

// ---------------------------------------------------------------- live view, options, help

void frmModeSetting_H7::mMonitoring_Click()
{
    // The window stays loaded with all its values while the live view stands in for it.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->hide();
    else
        hide();
    core::shell().mMonitoring_Click();
}

void frmModeSetting_H7::mCommSetting_Click()
{
    frmCommSetup::instance().exec();
    UpdateCommStatusBar();
}

void frmModeSetting_H7::mKP_Click() { ToggleKeyProtect(mKP); }

void frmModeSetting_H7::KeyProtectChosen()
{
    mKP_Click();
    // The byte is part of the saved set: a user's toggle is an edit.
    core::shell().bChange = true;
}

void frmModeSetting_H7::mVelHelp_Click() { core::shell().mVelHelp_Click(); }

void frmModeSetting_H7::mAbout_Click() { core::shell().mAbout_Click(); }
