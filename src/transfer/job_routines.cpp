#include "transfer/job_routines.h"

#include "transfer/compare.h"
#include "transfer/download_h5h7.h"
#include "transfer/transfer_jobs.h"
#include "transfer/upload.h"

void InstallTransferJobRoutines()
{
    SetTransferJobRoutine(0, UploadSettings);
    SetTransferJobRoutine(2, CompareSettings);
    SetDownloadVariant(3, DownloadAll_H5);
    SetDownloadVariant(4, DownloadAll_H7);
}

void RemoveTransferJobRoutines()
{
    SetTransferJobRoutine(0, {});
    SetTransferJobRoutine(2, {});
    SetDownloadVariant(3, {});
    SetDownloadVariant(4, {});
}
