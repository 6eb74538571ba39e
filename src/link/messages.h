#pragma once
// The program-wide message table: every failure travels as a small message code
// (0 = success) and ShowErrorMessage is the one place that turns a code into a box.
#include <QString>

// The codes of the message table. Routines pass them on as int (0 = success); a code
// is always written by its name.
enum MsgCode : int {
    kCommError = 1,            // the port number is below 1 or the port will not open
    kPortAlreadyOpen = 2,      // the serial control has the port open already
    kTimeOut = 3,              // no complete reply in time, or a read failed
    kMemoryAddressError = 4,   // the identification registers do not hold 0x25
    kWriteFailed = 5,          // a write failed
    kWrongTimerSetValue = 6,   // H9 check: a timer set value out of its limits
    kOutputTimeError = 7,      // H9 check: an output time out of its limits
    kWrongCounterSetValue = 8, // H9 check: a counter set value out of its limits
    kWrongPrescale = 9,        // H9 check: a prescale value out of its limits
    kWrongTachoSetValue = 10,  // H9 check: a tachometer set value out of its limits
    kWrongStartupTime = 11,    // H9 check: a tachometer startup time out of its limits
    kBadReply = 12,            // a reply whose LRC, length or echo does not match
    kTimer1BelowTimer0 = 13,   // H9 check: 2-stage timer stage 1 below stage 0
    kDownloadFailed = 14,      // a download ended without its own message
    kSaveFailed = 15,          // a settings file or the log file could not be written
    kInvalidFileName = 16,     // the chosen file name is not acceptable
    kFileNotFound = 17,        // the settings file to open does not exist
    kOpenFailed = 18,          // a settings file cannot be read or loaded
    kWrongVersion = 19,        // the settings file's version field is wrong
    kWrongMachineType = 20,    // the instrument's type does not fit the job
    kUploadFailed = 21,        // an upload ended without its own message
    kWrongDeviceId = 22,       // the slave ID is out of range
    kDataError = 23,           // an exception reply with a code other than 01 and 02
    kCompareFailed = 24,       // a compare failed
    kNoDifference = 25,        // a compare found the programs the same
    kCommSettingsError = 26,   // a choice of the settings dialog is empty
    kTimeOutSettingError = 27, // the time-out entered is below 50 ms
    kIllegalFunction = 28,     // exception reply with exception code 01
    kIllegalDataAddress = 29,  // exception reply with exception code 02
    kWriteInhibit = 30,        // the H5/H7 write-permission register forbids writing
    kDelayTimeError = 31,      // the pause entered is outside 0 to 60000 ms
    kScanTimeError = 32,       // in the table; nothing raises it
};

// Shows the modal box of `code` and returns when it is closed: the code's string-table
// text under "Error" (exclamation icon for kCommError to kCompareFailed, none for
// kCommSettingsError to kScanTimeError), kNoDifference under "Compare" without an
// icon, any other code "UnKnow Error !" with the exclamation icon. A non-empty `detail`
// is shown under the text.
void ShowErrorMessage(int code, const QString& detail = QString());

// The string-table id of a code's text; 0 for a code without an entry.
int MessageStringId(int code);
