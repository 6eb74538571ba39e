// The H9 editor's own commands: the whole and the partial downloads, the compare and
// the settings image its saves write. Its other commands are EditorWindow's.
#include "editors/h9/frmModeSetting_H9.h"

#include "editors/h9/h9_refresh.h"
#include "settings_file/h9_image.h"
#include "transfer/run_transfer.h"

void frmModeSetting_H9::Transfer(TransferJob job, DownloadKind downloadKind)
{
    // Whatever the outcome, the window comes back with the states its choices give.
    RunTransfer(this, job, downloadKind, &RefreshDependentControlsH9);
}

void frmModeSetting_H9::mDownload_Click() { Transfer(TransferJob::Download, DownloadKind::H9WholeSet); }

// The partial downloads leave the slave ID to the link, which refuses an ID outside
// its range without sending anything.
void frmModeSetting_H9::mDownload_A_Click() { Transfer(TransferJob::Download, DownloadKind::H9ChannelA); }

void frmModeSetting_H9::mDownload_B_Click() { Transfer(TransferJob::Download, DownloadKind::H9ChannelB); }

void frmModeSetting_H9::mCompare_Click() { Transfer(TransferJob::Compare, DownloadKind::H9WholeSet); }

void frmModeSetting_H9::cmdDownload_All_A_Click() { mDownload_Click(); }

int frmModeSetting_H9::BuildSettingsImage() { return BuildFileImage_H9(); }
