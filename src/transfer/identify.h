#pragma once
// Before a job writes, reads or watches parameters it makes sure the slave on the line
// is an instrument of the family and, where the job needs it, of the expected type.
// Every job reads the same registers, one request each, in this order, right after it
// has opened the port and switched silent mode off: the downloads, the compare, the
// upload and the monitor's start all identify through ReadInstrumentIdentity.
#include "core/common_registers.h"

#include <QByteArray>

#include <functional>

struct InstrumentIdentity {
    int typeCode = 0;            // high byte of 1028
    QByteArray typeRegisterText; // the four hexadecimal characters of 1028, high byte first, upper case
    int functionMode = -1;       // low byte of 1074 when it was read
};

enum class IdentifyStep {
    Ok,
    ReadFailed, // a read failed; the link has shown its message (unless silent)
    NotFamily,  // 1024 or 1026 lacks the family mark; nothing shown yet
    Stopped,    // `carryOn` said no; nothing shown
};

// Reads 1024, 1026 and 1028, and 1074 when `readFunctionMode`, stopping at the first
// read that fails or the first register without the family mark. `linkCode` receives
// the failed read's code. When given, `carryOn` is asked after each of 1024 and 1026
// has shown the mark, and the reading stops there when it says no (the monitor's start
// ends so when Stop was pressed while a read waited). A reply the link passed but that
// cannot be decoded throws std::runtime_error (the job's unexpected failure).
IdentifyStep ReadInstrumentIdentity(InstrumentIdentity& id, bool readFunctionMode, int& linkCode,
                                    const std::function<bool()>& carryOn = {});

// Identification of a download: 0 when an instrument of the edited type answers;
// otherwise the failure has been shown and the result is non-zero: the link's code
// for a failed read, kMemoryAddressError without the family mark, kWrongMachineType
// for another type (the port is closed before that message when
// `closePortBeforeWrongType`).
int IdentifyForDownload(bool closePortBeforeWrongType);
