#include "transfer/run_transfer.h"

#include "core/shell.h"
#include "core/ui_lock.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "platform/string_ids.h"
#include "platform/strings.h"
#include "transfer/frmWriteProcess1.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

using platform::LoadResString;

namespace {

int StatusTextOf(TransferJob job)
{
    switch (job) {
    case TransferJob::Upload: return res::kStatusReading;
    case TransferJob::Compare: return res::kStatusComparing;
    default: return res::kStatusWriting;
    }
}

bool ChecksSlaveId(TransferJob job, DownloadKind kind)
{
    return job != TransferJob::Download || (kind != DownloadKind::H9ChannelA && kind != DownloadKind::H9ChannelB);
}

} // namespace

bool RunTransfer(QWidget* window, TransferJob job, DownloadKind kind, const std::function<void()>& putBack)
{
    core::Shell& mdi = core::shell();
    mdi.setPanelText(4, LoadResString(StatusTextOf(job)));
    if (ChecksSlaveId(job, kind) && (commSettings.nSlaveID < 0 || commSettings.nSlaveID > 255)) {
        mdi.setPanelText(4, LoadResString(res::kStatusWrongDeviceId));
        ShowErrorMessage(kWrongDeviceId);
        return false;
    }
    const QPointer<QWidget> self(window);
    // The lock takes the focus away with the controls.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    LockUi(window);
    mdi.nUpDownCompare = job;
    if (job == TransferJob::Download)
        nDownloadKind = kind;
    frmWriteProcess1::ShowModal();
    // Whatever the outcome, the window comes back with the states it had.
    UnlockUi(window);
    if (!self)
        return false;
    if (putBack)
        putBack();
    if (focus && focus->isEnabled() && focus->isVisible())
        focus->setFocus();
    return true;
}
