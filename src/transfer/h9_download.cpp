#include "transfer/h9_download.h"

#include "core/h9_params.h"
#include "core/h9_registers.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/messages.h"
#include "transfer/frmWriteProcess1.h"
#include "transfer/h9_checks.h"
#include "transfer/h9_encoder.h"
#include "transfer/h9_writers.h"
#include "transfer/identify.h"

#include <exception>
#include <functional>
#include <vector>

namespace {

struct Plan {
    std::vector<int (*)()> checks;
    std::vector<bool (*)()> encoders;
    // Everything between the begin register and the system-flag registers.
    std::function<int(qint32 slaveId)> blocks;
    int sysFlagPart;
    bool progressAfterEnd;
};

int writeReg(qint32 slaveId, int reg, int value)
{
    return WriteSingleRegister(slaveId, reg, value, commSettings.nCommProtocol);
}

// kDownloadFailed is the message of a failure nobody else reported: an encoder that
// refused the set, a 0xDD request that could not be sent, or any unexpected error
// inside a step.
int fail(int code)
{
    commState.nErrCode = code;
    ShowErrorMessage(code);
    return code;
}

int runSequence(const Plan& plan)
{
    try {
        for (int (*check)() : plan.checks)
            if (const int code = check())
                return fail(code);
        // Nothing is sent unless the whole image could be built.
        for (bool (*encode)() : plan.encoders)
            if (!encode())
                return fail(kDownloadFailed);

        if (const int code = OpenCommPort())
            return code;
        commState.bSilentComm = 0;
        if (const int code = IdentifyForDownload(true))
            return code;

        const qint32 slaveId = commSettings.nSlaveID;
        if (const int code = writeReg(slaveId, kRegBegin_H9, 0))
            return code;
        if (const int code = plan.blocks(slaveId))
            return code;
        if (const int code = WriteSysFlags_H9(slaveId, plan.sysFlagPart))
            return code;
        if (const int code = writeReg(slaveId, kRegEnd_H9, 1))
            return code;
        if (plan.progressAfterEnd)
            TransferProgressStep();

        TransferTimerOn();
        WaitMs(kPauseAfterEndMs);
        if (!SendCommandDD(slaveId, commSettings.nCommProtocol))
            return fail(kDownloadFailed);
        WaitMs(kPauseAfterCommandDDMs);
        return writeReg(slaveId, kRegKeyProtect_H9, bKeyProtect);
    } catch (const std::exception&) {
        return fail(kDownloadFailed);
    }
}

// Channel B is a tachometer for any kind but 0.
bool encodeChannelB() { return timerCounterParamsH9.nFuncB_H9 != 0 ? EncodeTachoB_H9() : EncodeCounterB_H9(); }

} // namespace

int DownloadAll_H9()
{
    return runSequence({{CheckTimerA_H9, CheckPartB_H9},
                        {EncodeTimerA_H9, encodeChannelB},
                        [](qint32 id) {
                            if (const int code = WriteTimerABlock_H9(id))
                                return code;
                            TransferProgressStep();
                            if (const int code = WritePartBBlock_H9(id, 0, timerCounterParamsH9.nFuncB_H9))
                                return code;
                            return WriteCommonRegs_H9(id);
                        },
                        0, true});
}

int DownloadTimerA_H9()
{
    return runSequence({{CheckTimerA_H9},
                        {EncodeTimerA_H9},
                        [](qint32 id) {
                            if (const int code = WriteTimerABlock_H9(id))
                                return code;
                            TransferProgressStep();
                            return WriteCommonRegs_H9(id);
                        },
                        1, false});
}

int DownloadPartB_H9()
{
    return runSequence({{CheckPartB_H9},
                        {encodeChannelB},
                        [](qint32 id) {
                            if (const int code = WritePartBBlock_H9(id, 0, timerCounterParamsH9.nFuncB_H9))
                                return code;
                            TransferProgressStep();
                            return WriteCommonRegs_H9(id);
                        },
                        2, false});
}

int DownloadTwoStageTimer_H9()
{
    return runSequence({{CheckTwoStageTimer_H9},
                        {EncodeTwoStageTimer_H9},
                        [](qint32 id) {
                            if (const int code = WriteTwoStageBlock_H9(id))
                                return code;
                            if (const int code = WriteCommonRegs_H9(id))
                                return code;
                            TransferProgressStep();
                            return 0;
                        },
                        0, false});
}

int DownloadDualCounter_H9()
{
    return runSequence({{CheckDualCounter_H9},
                        {EncodeDualCounter_H9, EncodeDualCounterB_H9},
                        [](qint32 id) {
                            if (const int code = WriteDualCounterBlock_H9(id))
                                return code;
                            TransferProgressStep();
                            return WriteCommonRegs_H9(id);
                        },
                        0, false});
}

int DownloadDualTacho_H9()
{
    return runSequence({{CheckDualTacho_H9},
                        {EncodeDualTacho_H9, EncodeDualTachoB_H9},
                        [](qint32 id) {
                            if (const int code = WriteDualTachoBlock_H9(id))
                                return code;
                            TransferProgressStep();
                            return WriteCommonRegs_H9(id);
                        },
                        0, false});
}
