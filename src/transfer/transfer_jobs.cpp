#include "transfer/transfer_jobs.h"

#include "core/h9_params.h"
#include "link/messages.h"
#include "platform/string_ids.h"
#include "transfer/compare.h"
#include "transfer/h5h7_download.h"
#include "transfer/h9_download.h"
#include "transfer/upload.h"

#include <map>

DownloadKind nDownloadKind = DownloadKind::H9WholeSet;

namespace {

std::map<TransferJob, TransferRoutine>& jobOverrides()
{
    static std::map<TransferJob, TransferRoutine> m;
    return m;
}

std::map<DownloadKind, TransferRoutine>& variantOverrides()
{
    static std::map<DownloadKind, TransferRoutine> m;
    return m;
}

// The whole H9 set: the sequence of its function group and dual function kind.
int downloadWholeSet_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    if (p.nFuncType_H9 == 0)
        return DownloadAll_H9();
    if (p.nFuncType_H9 == 1) {
        switch (p.nDualFunc_H9) {
        case 0: return DownloadTwoStageTimer_H9();
        case 1: return DownloadDualCounter_H9();
        case 2: return DownloadDualTacho_H9();
        default: break;
        }
    }
    ShowErrorMessage(kDownloadFailed);
    return kDownloadFailed;
}

TransferRoutine builtInVariant(DownloadKind kind)
{
    switch (kind) {
    case DownloadKind::H9WholeSet: return downloadWholeSet_H9;
    case DownloadKind::H9ChannelA: return DownloadTimerA_H9;
    case DownloadKind::H9ChannelB: return DownloadPartB_H9;
    case DownloadKind::H5: return DownloadAll_H5;
    case DownloadKind::H7: return DownloadAll_H7;
    default: return {};
    }
}

TransferRoutine builtInJob(TransferJob job)
{
    switch (job) {
    case TransferJob::Upload: return UploadSettings;
    case TransferJob::Download: return RunDownloadJob;
    case TransferJob::Compare: return CompareSettings;
    default: return {};
    }
}

template <class Key>
TransferRoutine replace(std::map<Key, TransferRoutine>& table, Key key, TransferRoutine routine,
                        const TransferRoutine& builtIn)
{
    auto it = table.find(key);
    TransferRoutine previous = it != table.end() ? it->second : builtIn;
    if (routine)
        table[key] = std::move(routine);
    else if (it != table.end())
        table.erase(it);
    return previous;
}

} // namespace

TransferJobRow TransferJobRowFor(TransferJob job)
{
    TransferJobRow row;
    switch (job) {
    case TransferJob::Upload:
        // Success is told once the editor has taken the image, which may still refuse it.
        row = {res::kProgressReading, 40, kUploadFailed, 0, res::kFailedToUpload, QString(), {}};
        break;
    case TransferJob::Compare:
        row = {res::kProgressComparing, 40, kCompareFailed, res::kSettingsCompared, res::kFailedToCompareSettings,
               QString(), {}};
        break;
    default:
        // A job with no row is reported as a failed download: never as a success.
        row = {res::kProgressWriting, 800, kDownloadFailed, res::kSettingsWritten, res::kFailedToDownload,
               QStringLiteral("Download"), {}};
        if (job != TransferJob::Download)
            return row;
        break;
    }
    const auto it = jobOverrides().find(job);
    row.routine = it != jobOverrides().end() ? it->second : builtInJob(job);
    return row;
}

TransferRoutine SetTransferJobRoutine(TransferJob job, TransferRoutine routine)
{
    if (job < TransferJob::Upload || job > TransferJob::Compare)
        return {};
    return replace(jobOverrides(), job, std::move(routine), builtInJob(job));
}

TransferRoutine SetDownloadVariant(DownloadKind kind, TransferRoutine routine)
{
    return replace(variantOverrides(), kind, std::move(routine), builtInVariant(kind));
}

int RunDownloadJob()
{
    const auto it = variantOverrides().find(nDownloadKind);
    const TransferRoutine routine = it != variantOverrides().end() ? it->second : builtInVariant(nDownloadKind);
    if (!routine) {
        ShowErrorMessage(kDownloadFailed);
        return kDownloadFailed;
    }
    return routine();
}
