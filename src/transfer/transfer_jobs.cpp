#include "transfer/transfer_jobs.h"

#include "core/h9_params.h"
#include "link/messages.h"
#include "platform/string_ids.h"
#include "transfer/compare.h"
#include "transfer/h5h7_download.h"
#include "transfer/h9_download.h"
#include "transfer/upload.h"

#include <map>

int nDownloadKind = 0;

namespace {

constexpr int kJobUpload = 0;
constexpr int kJobDownload = 1;
constexpr int kJobCompare = 2;

std::map<int, TransferRoutine>& jobOverrides()
{
    static std::map<int, TransferRoutine> m;
    return m;
}

std::map<int, TransferRoutine>& variantOverrides()
{
    static std::map<int, TransferRoutine> m;
    return m;
}

// The whole H9 set: the sequence of its function group and dual function kind.
int downloadWholeSet_H9()
{
    if (nFuncType_H9 == 0)
        return DownloadAll_H9();
    if (nFuncType_H9 == 1) {
        switch (nDualFunc_H9) {
        case 0: return DownloadTwoStageTimer_H9();
        case 1: return DownloadDualCounter_H9();
        case 2: return DownloadDualTacho_H9();
        default: break;
        }
    }
    ShowErrorMessage(kDownloadFailed);
    return kDownloadFailed;
}

TransferRoutine builtInVariant(int kind)
{
    switch (kind) {
    case 0: return downloadWholeSet_H9;
    case 1: return DownloadTimerA_H9;
    case 2: return DownloadPartB_H9;
    case 3: return DownloadAll_H5;
    case 4: return DownloadAll_H7;
    default: return {};
    }
}

TransferRoutine builtInJob(int job)
{
    switch (job) {
    case kJobUpload: return UploadSettings;
    case kJobDownload: return RunDownloadJob;
    case kJobCompare: return CompareSettings;
    default: return {};
    }
}

TransferRoutine replace(std::map<int, TransferRoutine>& table, int key, TransferRoutine routine,
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

TransferJobRow TransferJobRowFor(int job)
{
    TransferJobRow row;
    switch (job) {
    case kJobUpload:
        row = {res::kProgressReading, 40, kUploadFailed, res::kSettingsRead, res::kFailedToUpload,
               QStringLiteral("Upload"), {}};
        break;
    case kJobCompare:
        row = {res::kProgressComparing, 40, kCompareFailed, res::kSettingsCompared, res::kFailedToCompareSettings,
               QString(), {}};
        break;
    default:
        // A job with no row is reported as a failed download: never as a success.
        row = {res::kProgressWriting, 800, kDownloadFailed, res::kSettingsWritten, res::kFailedToDownload,
               QStringLiteral("Download"), {}};
        if (job != kJobDownload)
            return row;
        break;
    }
    const auto it = jobOverrides().find(job);
    row.routine = it != jobOverrides().end() ? it->second : builtInJob(job);
    return row;
}

TransferRoutine SetTransferJobRoutine(int job, TransferRoutine routine)
{
    if (job < kJobUpload || job > kJobCompare)
        return {};
    return replace(jobOverrides(), job, std::move(routine), builtInJob(job));
}

TransferRoutine SetDownloadVariant(int kind, TransferRoutine routine)
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
