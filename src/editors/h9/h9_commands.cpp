// The H9 editor's commands: transfers, files, the hand-over to the main window,
// monitoring, the serial settings, help and about.
#include "editors/h9/frmModeSetting_H9.h"

#include "editors/common/refresh.h"
#include "link/comm_status.h"
#include "link/frmCommSetup.h"
#include "settings_file/h9_image.h"
#include "settings_file/save_flow.h"
#include "transfer/run_transfer.h"

#include <QMdiSubWindow>

void frmModeSetting_H9::Transfer(TransferJob job, DownloadKind downloadKind)
{
    // Whatever the outcome, the window comes back with the states its choices give.
    RunTransfer(this, job, downloadKind, [] { RefreshDependentControls(0); });
}

void frmModeSetting_H9::mDownload_Click() { Transfer(TransferJob::Download, DownloadKind::H9WholeSet); }

// The partial downloads leave the slave ID to the link, which refuses an ID outside
// its range without sending anything.
void frmModeSetting_H9::mDownload_A_Click() { Transfer(TransferJob::Download, DownloadKind::H9ChannelA); }

void frmModeSetting_H9::mDownload_B_Click() { Transfer(TransferJob::Download, DownloadKind::H9ChannelB); }

void frmModeSetting_H9::mCompare_Click() { Transfer(TransferJob::Compare, DownloadKind::H9WholeSet); }

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
