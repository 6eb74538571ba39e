#include "transfer/identify.h"

#include "core/machine_type.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "link/mscomm.h"

#include <stdexcept>

namespace {

// One register read; on success the reply has passed the link's checks.
int readOne(int reg, QByteArray& reply)
{
    return ReadHoldingRegisters(commSettings.nSlaveID, reg, 1, reply, commSettings.nCommProtocol);
}

template <class T>
T decoded(const std::optional<T>& v)
{
    if (!v)
        throw std::runtime_error("undecodable identification reply");
    return *v;
}

} // namespace

IdentifyStep ReadInstrumentIdentity(InstrumentIdentity& id, bool readFunctionMode, int& linkCode,
                                    const std::function<bool()>& carryOn)
{
    QByteArray reply;
    linkCode = 0;
    for (int reg : {kRegFamily1, kRegFamily2}) {
        if ((linkCode = readOne(reg, reply)) != 0)
            return IdentifyStep::ReadFailed;
        // Only the low byte carries the mark; the high byte may hold anything.
        if (decoded(ReplyRegisterLow(reply, 0)) != kFamilyMark)
            return IdentifyStep::NotFamily;
        if (carryOn && !carryOn())
            return IdentifyStep::Stopped;
    }
    if ((linkCode = readOne(kRegDeviceType, reply)) != 0)
        return IdentifyStep::ReadFailed;
    id.typeCode = decoded(ReplyRegisterHigh(reply, 0));
    id.typeRegisterText = decoded(ReplyRegisterText(reply, 0)).toUpper();
    if (readFunctionMode) {
        if ((linkCode = readOne(kRegFuncMode, reply)) != 0)
            return IdentifyStep::ReadFailed;
        id.functionMode = decoded(ReplyRegisterLow(reply, 0));
    }
    return IdentifyStep::Ok;
}

int IdentifyForDownload(bool closePortBeforeWrongType)
{
    InstrumentIdentity id;
    int linkCode = 0;
    switch (ReadInstrumentIdentity(id, false, linkCode)) {
    case IdentifyStep::ReadFailed:
    case IdentifyStep::Stopped:
        return linkCode != 0 ? linkCode : kTimeOut;
    case IdentifyStep::NotFamily:
        ShowErrorMessage(kMemoryAddressError);
        return kMemoryAddressError;
    case IdentifyStep::Ok:
        break;
    }
    if (id.typeCode != DeviceTypeCode(nMacType)) {
        if (closePortBeforeWrongType && CommControl().PortOpen())
            CommControl().setPortOpen(false);
        ShowErrorMessage(kWrongMachineType);
        return kWrongMachineType;
    }
    return 0;
}
