#include "transfer/h5h7_download.h"

#include "core/h5h7_registers.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "transfer/h5_encoder.h"
#include "transfer/h7_encoder.h"
#include "transfer/frmWriteProcess1.h"
#include "transfer/identify.h"

#include <exception>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kPauseAfterEndMs = 8000;
constexpr int kPauseAfterCommandDDMs = 4000;

int fail(int code)
{
    commState.nErrCode = code;
    ShowErrorMessage(code);
    return code;
}

int writeReg(qint32 slaveId, int reg, int value)
{
    return WriteSingleRegister(slaveId, reg, value, commSettings.nCommProtocol);
}

// The flagged-word walk over registers first, first + 2, ... last of a block.
int writeFlaggedWords(qint32 slaveId, const RegBlock& block, int first, int last)
{
    for (int n = first; n <= last; n += 2) {
        if (!block.bRegFlag(n))
            continue;
        if (const int code = writeReg(slaveId, n, block.Word(n)))
            return code;
    }
    return 0;
}

// The instrument must allow writing: the low byte of its write-permission register
// is 1. 0 allowed; the link's code after a failed read; kWriteInhibit refused (shown
// here).
int checkWritePermission(qint32 slaveId)
{
    QByteArray reply;
    if (const int code = ReadHoldingRegisters(slaveId, kRegWritePermission_H5H7, 1, reply, commSettings.nCommProtocol))
        return code;
    const std::optional<int> low = ReplyRegisterLow(reply, 0);
    if (!low)
        throw std::runtime_error("undecodable write-permission reply");
    return *low == 1 ? 0 : fail(kWriteInhibit);
}

int downloadSequence(int (*encode)(), int (*writeBlocks)(qint32))
{
    try {
        // Nothing goes on the line unless the whole image could be built.
        if (encode() != 0)
            return fail(kDownloadFailed);
        if (const int code = OpenCommPort())
            return code;
        commState.bSilentComm = 0;
        if (const int code = IdentifyForDownload(false))
            return code;

        const qint32 slaveId = commSettings.nSlaveID;
        if (const int code = checkWritePermission(slaveId))
            return code;
        if (const int code = writeReg(slaveId, kRegBegin_H5H7, 0))
            return code;
        if (const int code = writeBlocks(slaveId))
            return code;
        TransferProgressStep();
        if (const int code = writeReg(slaveId, kRegEnd_H5H7, 1))
            return code;

        TransferTimerOn();
        WaitMs(kPauseAfterEndMs);
        if (!SendCommandDD(slaveId, commSettings.nCommProtocol))
            return fail(kDownloadFailed);
        WaitMs(kPauseAfterCommandDDMs);
        return 0;
    } catch (const std::exception&) {
        return fail(kDownloadFailed);
    }
}

} // namespace

int WriteBlocks_H5(qint32 slaveId)
{
    const RegBlock& b = RegImage_H5.H5;
    for (auto [first, last] : {std::pair{kRegFuncMode, kRegKeyProtect_H5H7},
                               {kRegTimerRange_A_H5, kRegDutyRatio_A_H5},
                               {kRegTimerRangeOFF_B_H5, kRegSettingValueON_B_H5 + 2},
                               {kRegSettingMode_C_H5, kRegSV2_C_H5 + 2}})
        if (const int code = writeFlaggedWords(slaveId, b, first, last))
            return code;
    return 0;
}

int WriteBlocks_H7(qint32 slaveId)
{
    if (const int code = writeFlaggedWords(slaveId, RegImage_H7.Comm, kRegFuncMode, kRegKeyProtect_H5H7))
        return code;
    return writeFlaggedWords(slaveId, RegImage_H7.Cnt, kRegCntFirst_H7, kRegSign2_H7);
}

int DownloadAll_H5() { return downloadSequence(Encode_H5, WriteBlocks_H5); }
int DownloadAll_H7() { return downloadSequence(Encode_H7, WriteBlocks_H7); }
