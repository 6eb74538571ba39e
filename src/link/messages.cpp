#include "link/messages.h"

#include "platform/message_box.h"
#include "platform/strings.h"

namespace {

// String-table id of each code, kCommError to kScanTimeError in order.
constexpr int kStringIds[kScanTimeError] = {
    res::kCommunicationError,  // kCommError
    res::kComPortOpened,       // kPortAlreadyOpen
    res::kTimeOut,             // kTimeOut
    res::kMemoryAddressError,  // kMemoryAddressError
    res::kFailedToWrite,       // kWriteFailed
    res::kWrongSetValue,       // kWrongTimerSetValue
    res::kOutputTimeError,     // kOutputTimeError
    res::kWrongSetValue,       // kWrongCounterSetValue
    res::kWrongPrescale,       // kWrongPrescale
    res::kWrongSetValue,       // kWrongTachoSetValue
    res::kWrongStartupTime,    // kWrongStartupTime
    res::kFailedToResponse,    // kBadReply
    res::kTimer1BelowTimer0,   // kTimer1BelowTimer0
    res::kFailedToDownload,    // kDownloadFailed
    res::kFailedToSave,        // kSaveFailed
    res::kInvalidFileName,     // kInvalidFileName
    res::kFileDoesNotExist,    // kFileNotFound
    res::kFailedToOpenFile,    // kOpenFailed
    res::kWrongVersion,        // kWrongVersion
    res::kWrongMachineType,    // kWrongMachineType
    res::kFailedToUpload,      // kUploadFailed
    res::kWrongDeviceId,       // kWrongDeviceId
    res::kDataError,           // kDataError
    res::kFailedToCompare,     // kCompareFailed
    res::kProgramsSame,        // kNoDifference
    res::kCommSettingsError,   // kCommSettingsError
    res::kTimeOutSettingError, // kTimeOutSettingError
    res::kIllegalFunction,     // kIllegalFunction
    res::kIllegalDataAddress,  // kIllegalDataAddress
    res::kWritingInhibit,      // kWriteInhibit
    res::kDelayTimeError,      // kDelayTimeError
    res::kScanTimeError,       // kScanTimeError
};

} // namespace

int MessageStringId(int code)
{
    return code >= kCommError && code <= kScanTimeError ? kStringIds[code - kCommError] : 0;
}

void ShowErrorMessage(int code, const QString& detail)
{
    using namespace platform;
    const int id = MessageStringId(code);
    if (id == 0) {
        MsgBox({QStringLiteral("UnKnow Error !"), MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Error"),
                detail});
        return;
    }
    const MsgIcon icon = code <= kCompareFailed ? MsgIcon::Exclamation : MsgIcon::None;
    const QString title = code == kNoDifference ? QStringLiteral("Compare") : QStringLiteral("Error");
    MsgBox({LoadResString(id), MsgButtons::Ok, icon, title, detail});
}
