#pragma once
// What the transfer window runs. The window takes the job from frmMDI.nUpDownCompare
// (0 upload, 1 download, 2 compare) and, for a download, the variant from
// nDownloadKind. Every routine takes no arguments and returns 0 for success or
// non-zero for a failure whose message it has already shown.
//
// Tests and benchmarks may put other routines in with SetTransferJobRoutine /
// SetDownloadVariant. A job or variant without a routine ends as a failure with its
// row's message code (kDownloadFailed, kUploadFailed, kCompareFailed), never as a
// success.
#include <QString>

#include <functional>

using TransferRoutine = std::function<int()>;

// The download variant, set by the editors' download commands: 0 whole H9 set,
// 1 H9 channel A, 2 H9 channel B, 3 H5 set, 4 H7 set.
extern int nDownloadKind;

struct TransferJobRow {
    int labelStringId;        // Label1 text
    int timerIntervalMs;      // creeping-progress interval
    int unexpectedErrorCode;  // message of an unexpected failure
    int successTextId;        // panel 4 and success box text
    int failureTextId;        // panel 4 text
    QString successBoxTitle;  // empty: no success box
    TransferRoutine routine;  // empty: not available, ends as a failure
};

// The row of a job; a value with no row gets the download row's texts and codes
// with no routine, so it fails with kDownloadFailed.
TransferJobRow TransferJobRowFor(int nUpDownCompare);

// Replaces the routine of job 0, 1 or 2 (an empty routine restores the built-in
// one); returns the routine it replaced. Other job values are ignored.
TransferRoutine SetTransferJobRoutine(int nUpDownCompare, TransferRoutine routine);

// Replaces the routine of download variant `kind` (an empty routine restores the
// built-in one, or none); returns the routine it replaced.
TransferRoutine SetDownloadVariant(int kind, TransferRoutine routine);

// The download job: the routine of the variant in nDownloadKind, which for kind 0
// picks the H9 sequence by the function group and the dual function kind. A variant
// with no routine shows kDownloadFailed and fails.
int RunDownloadJob();
