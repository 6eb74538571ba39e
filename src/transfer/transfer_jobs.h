#pragma once
// What the transfer window runs. The window takes the job from frmMDI.nUpDownCompare
// and, for a download, the variant from nDownloadKind. Every routine takes no arguments and returns 0 for success or
// non-zero for a failure whose message it has already shown.
//
// Tests and benchmarks may put other routines in with SetTransferJobRoutine /
// SetDownloadVariant. A job or variant without a routine ends as a failure with its
// row's message code (kDownloadFailed, kUploadFailed, kCompareFailed), never as a
// success.
#include <QString>

#include <functional>

using TransferRoutine = std::function<int()>;

// The job of the transfer window (frmMDI.nUpDownCompare).
enum class TransferJob : int { Upload = 0, Download = 1, Compare = 2 };

// The download variant, set by the editors' download commands.
enum class DownloadKind : int {
    H9WholeSet = 0, // the sequence of the set's function group and dual function kind
    H9ChannelA = 1,
    H9ChannelB = 2,
    H5 = 3, // an H5 set, or an H8 set in a timer mode
    H7 = 4, // an H7 set, or an H8 set in a counter mode
};

extern DownloadKind nDownloadKind;

struct TransferJobRow {
    int labelStringId;        // Label1 text
    int timerIntervalMs;      // creeping-progress interval
    int unexpectedErrorCode;  // message of an unexpected failure
    int successTextId;        // panel 4 and success box text; 0: the caller tells the success
    int failureTextId;        // panel 4 text
    QString successBoxTitle;  // empty: no success box
    TransferRoutine routine;  // empty: not available, ends as a failure
};

// The row of a job; a value with no row gets the download row's texts and codes
// with no routine, so it fails with kDownloadFailed.
TransferJobRow TransferJobRowFor(TransferJob nUpDownCompare);

// Replaces the routine of a job (an empty routine restores the built-in one); returns
// the routine it replaced. A value that names no job is ignored.
TransferRoutine SetTransferJobRoutine(TransferJob nUpDownCompare, TransferRoutine routine);

// Replaces the routine of download variant `kind` (an empty routine restores the
// built-in one, or none); returns the routine it replaced.
TransferRoutine SetDownloadVariant(DownloadKind kind, TransferRoutine routine);

// The download job: the routine of the variant in nDownloadKind, which for H9WholeSet
// picks the H9 sequence by the function group and the dual function kind. A variant
// with no routine shows kDownloadFailed and fails.
int RunDownloadJob();
