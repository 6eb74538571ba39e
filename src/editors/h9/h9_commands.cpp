// The H9 editor's commands: transfers, files, the hand-over to the main window,
// monitoring, the serial settings, help and about.
#include "editors/h9/frmModeSetting_H9.h"

#include "core/ui_lock.h"
#include "editors/common/refresh.h"
#include "link/comm_records.h"
#include "link/comm_status.h"
#include "link/frmCommSetup.h"
#include "link/messages.h"
#include "platform/strings.h"
#include "settings_file/h9_image.h"
#include "settings_file/save_flow.h"
#include "transfer/frmWriteProcess1.h"
#include "transfer/transfer_jobs.h"

#include <QMdiSubWindow>

using platform::LoadResString;

void frmModeSetting_H9::RunTransfer(TransferJob job, DownloadKind downloadKind, bool checkSlaveId)
{
    core::Shell& mdi = core::shell();
    mdi.setPanelText(4, LoadResString(job == TransferJob::Compare ? res::kStatusComparing : res::kStatusWriting));
    if (checkSlaveId && (commSettings.nSlaveID < 0 || commSettings.nSlaveID > 255)) {
        mdi.setPanelText(4, LoadResString(res::kStatusWrongDeviceId));
        ShowErrorMessage(kWrongDeviceId);
        return;
    }
    LockUi(this);
    mdi.nUpDownCompare = job;
    if (job == TransferJob::Download)
        nDownloadKind = downloadKind;
    frmWriteProcess1::ShowModal();
    // Whatever the outcome, the window comes back with the states its choices give.
    UnlockUi(this);
    RefreshDependentControls(0);
}

void frmModeSetting_H9::mDownload_Click() { RunTransfer(TransferJob::Download, DownloadKind::H9WholeSet, true); }

// The partial downloads leave the slave ID to the link, which refuses an ID outside
// its range without sending anything.
void frmModeSetting_H9::mDownload_A_Click() { RunTransfer(TransferJob::Download, DownloadKind::H9ChannelA, false); }

void frmModeSetting_H9::mDownload_B_Click() { RunTransfer(TransferJob::Download, DownloadKind::H9ChannelB, false); }

void frmModeSetting_H9::mCompare_Click() { RunTransfer(TransferJob::Compare, DownloadKind::H9WholeSet, true); }

void frmModeSetting_H9::cmdDownload_All_A_Click() { mDownload_Click(); }

void frmModeSetting_H9::mSaveSetting_Click() { settings_file::SaveSettingFlow(&BuildFileImage_H9); }

void frmModeSetting_H9::mSaveAs_Click() { settings_file::SaveSettingAsFlow(&BuildFileImage_H9); }

void frmModeSetting_H9::mNew_Click()
{
    CloseWindow();
    if (!bCancelClose)
        core::shell().mNew_Click();
}

void frmModeSetting_H9::mOpenSetting_Click()
{
    CloseWindow();
    if (!bCancelClose)
        core::shell().mOpen_Click();
}

void frmModeSetting_H9::mUpload_Click()
{
    CloseWindow();
    if (!bCancelClose)
        core::shell().mUpload_Click();
}

void frmModeSetting_H9::mClose_Click() { CloseWindow(); }

void frmModeSetting_H9::mExit_Click() { core::shell().mExit_Click(); }

void frmModeSetting_H9::mMonitoring_Click()
{
    // Hidden, not unloaded: every value stays for when the live view closes.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->hide();
    else
        hide();
    core::shell().mMonitoring_Click();
}

void frmModeSetting_H9::mCommSetting_Click()
{
    frmCommSetup::instance().exec();
    UpdateCommStatusBar();
}

void frmModeSetting_H9::mVelHelp_Click() { core::shell().mVelHelp_Click(); }

void frmModeSetting_H9::mAbout_Click() { core::shell().mAbout_Click(); }
