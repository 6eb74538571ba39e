#pragma once
// How a window runs a whole-set exchange with the instrument: the editors' Download and
// Compare, and the main window's Upload.
#include "transfer/transfer_jobs.h"

#include <functional>

class QWidget;

// Runs `job` in the transfer window (frmWriteProcess1) on behalf of `window`:
// 1. status panel 4 says what runs ("Read…", "Write…" or "Compare…");
// 2. a slave ID outside 0 to 255 stops it with "Wrong Device ID !" in panel 4 and its
//    box, before anything is locked; the partial H9 downloads (H9ChannelA, H9ChannelB)
//    skip this check, and the link refuses such an ID without sending anything;
// 3. `window` and the toolbar are locked, the job (and for a download `kind`, into
//    nDownloadKind) is handed over and the transfer window runs modally;
// 4. everything is unlocked as it was;
// 5. when `window` is still there, `putBack` runs (an editor refreshes what its stored
//    choices disable), and the keyboard focus goes back where it was, so that a user who
//    gave the command by a key goes on from there.
// Returns false when the slave ID stopped the job or `window` went away meanwhile.
// The outcome of the job itself is reported by the transfer window; an upload's success
// is left to the caller, which tells it once the editor has taken the image.
bool RunTransfer(QWidget* window, TransferJob job, DownloadKind kind = DownloadKind::H9WholeSet,
                 const std::function<void()>& putBack = {});
// The same for a job that sends no set (Upload, Compare): nDownloadKind stays as it is.
inline bool RunTransfer(QWidget* window, TransferJob job, const std::function<void()>& putBack)
{
    return RunTransfer(window, job, nDownloadKind, putBack);
}
