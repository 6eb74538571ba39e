#include "transfer/h9_writers.h"

#include "core/h9_params.h"
#include "core/h9_registers.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/modbus_ascii.h"
#include "transfer/register_image.h"

#include <stdexcept>

quint8 bySysFlags_H9[6] = {};

namespace {

int writeReg(qint32 slaveId, int reg, int value)
{
    return WriteSingleRegister(slaveId, reg, value, commSettings.nCommProtocol);
}

int walk(qint32 slaveId, const RegBlock& block)
{
    return block.WriteFlaggedWords([slaveId](int reg, int value) { return writeReg(slaveId, reg, value); });
}

void setHigh(quint8& b, int v) { b = static_cast<quint8>((b & 0x0F) | ((v & 0x0F) << 4)); }
void setLow(quint8& b, int v) { b = static_cast<quint8>((b & 0xF0) | (v & 0x0F)); }

// The batch counter's four outputs travel as 0 to 3.
int batchOutputField(quint8 outputCode)
{
    switch (outputCode) {
    case 4: return 0;  // K-1
    case 10: return 1; // K-2
    case 12: return 2;
    case 13: return 3;
    default: return 0;
    }
}

} // namespace

int WriteTimerABlock_H9(qint32 slaveId)
{
    if (const int code = writeReg(slaveId, kRegFuncType_H9, 0))
        return code;
    return walk(slaveId, RegImage_H9.TimerA);
}

int WritePartBBlock_H9(qint32 slaveId, quint8 funcGroup, int kind)
{
    if (const int code = writeReg(slaveId, kRegFuncType_H9, funcGroup))
        return code;
    if (kind == 0) {
        if (const int code = writeReg(slaveId, kRegFuncB_H9, 0))
            return code;
        return walk(slaveId, RegImage_H9.CounterB);
    }
    if (const int code = writeReg(slaveId, kRegFuncB_H9, 1))
        return code;
    if (const int code = walk(slaveId, RegImage_H9.TachoB))
        return code;
    return walk(slaveId, RegImage_H9.TachoCnt);
}

int WriteTwoStageBlock_H9(qint32 slaveId)
{
    if (const int code = writeReg(slaveId, kRegFuncType_H9, 1))
        return code;
    return walk(slaveId, RegImage_H9.TwoStage);
}

int WriteDualCounterBlock_H9(qint32 slaveId)
{
    if (const int code = writeReg(slaveId, kRegFuncType_H9, 1))
        return code;
    if (const int code = writeReg(slaveId, kRegDualFunc_H9, 1))
        return code;
    if (const int code = walk(slaveId, RegImage_H9.DualCounter))
        return code;
    if (const int code = writeReg(slaveId, kRegFuncB_H9, 0))
        return code;
    return walk(slaveId, RegImage_H9.CounterB);
}

int WriteDualTachoBlock_H9(qint32 slaveId)
{
    if (const int code = writeReg(slaveId, kRegDualFunc_H9, 2))
        return code;
    if (const int code = walk(slaveId, RegImage_H9.DualTacho))
        return code;
    if (const int code = WritePartBBlock_H9(slaveId, 1, 1))
        return code;
    return writeReg(slaveId, kRegSGWidth_H9, timerCounterParamsH9.nSGWidth_H9);
}

int WriteCommonRegs_H9(qint32 slaveId)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    if (writeReg(slaveId, kRegSGWidth_H9, p.nSGWidth_H9) != 0)
        return 1;
    if (writeReg(slaveId, kRegInputMethod_H9, p.nInputMethod_H9) != 0)
        return 1;
    if (writeReg(slaveId, kRegPowerSaving_H9, p.bPowerSaving_H9) != 0)
        return 1;
    return 0;
}

void ApplySysFlags_H9(quint8 (&b)[6], int part)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    if (p.nFuncType_H9 == 0) {
        if (part == 0 || part == 1) {
            setHigh(b[0], 2 * p.nTimeRangeA_H9 + (p.nCountDirectionA_H9 == 0 ? 0 : 1));
            setLow(b[0], p.nFuncType_H9);
            setHigh(b[1], p.nSGWidth_H9);
            setLow(b[1], p.nOutputModeA_H9);
        }
        if (part == 0 || part == 2) {
            if (p.nFuncB_H9 == 0) {
                setHigh(b[2], p.nCountInputModeB_H9);
                setLow(b[2], p.nFuncB_H9);
                setHigh(b[3], p.nMaxFreqB_H9);
                setLow(b[3], p.nOutputModeB_H9);
                setHigh(b[4], p.nDotAdjB_H9);
                setLow(b[4], p.nInputMethod_H9);
            } else {
                setLow(b[2], p.nFuncB_H9);
                setHigh(b[3], p.nMaxFreqB_F_H9);
                setHigh(b[4], p.nDotAdjB_F_H9);
                setHigh(b[5], p.nSampleAvgB_F_H9);
                setLow(b[5], p.nOutputModeB_F_H9);
            }
        }
        return;
    }
    // A dual function owns its bytes whatever the part.
    setHigh(b[0], p.nDualFunc_H9);
    setLow(b[0], p.nFuncType_H9);
    switch (p.nDualFunc_H9) {
    case 0: // 2-stage timer
        setHigh(b[1], p.nSGWidth_H9);
        setLow(b[1], 2 * p.nOutputMode_T_Dual_1_H9 + p.nOutputMode_T_Dual_0_H9);
        break;
    case 1: // dual counter
        setHigh(b[2], p.nCountInputMode_C_Dual_1_H9);
        setLow(b[2], p.nDualCounterMode_H9);
        setHigh(b[4], p.nOutputMode_C_Dual_0_H9);
        setLow(b[4], p.nInputMethod_H9);
        switch (p.nDualCounterMode_H9) {
        case 0:
            setHigh(b[3], p.nMaxFreq_C_Dual_1_H9);
            setLow(b[3], p.nOutputMode_C_Dual_1_H9);
            break;
        case 1:
            setHigh(b[3], p.nMaxFreq_C_Dual_1_H9);
            setLow(b[5], batchOutputField(p.nOutputMode_C_Dual_1_H9));
            break;
        case 2:
            setLow(b[3], p.nOutputMode_C_Dual_1_H9);
            break;
        default:
            break;
        }
        break;
    case 2: // dual tachometer
        setLow(b[1], 2 * p.nOutputModeB_Dual_F_H9 + p.nOutputModeA_Dual_F_H9);
        setHigh(b[3], p.nMaxFreqB_Dual_F_H9);
        setHigh(b[5], p.nSampleAvgB_Dual_F_H9);
        break;
    default:
        break;
    }
}

int WriteSysFlags_H9(qint32 slaveId, int part)
{
    QByteArray reply;
    for (int i = 0; i < 6; ++i) {
        if (const int code = ReadHoldingRegisters(slaveId, kRegSysFlags_H9 + i, 1, reply, commSettings.nCommProtocol))
            return code;
        const std::optional<int> low = ReplyRegisterLow(reply, 0);
        if (!low)
            throw std::runtime_error("undecodable system-flag reply");
        bySysFlags_H9[i] = static_cast<quint8>(*low);
    }
    ApplySysFlags_H9(bySysFlags_H9, part);
    for (int i = 0; i < 6; i += 2) {
        if (const int code = writeReg(slaveId, kRegSysFlags_H9 + i, bySysFlags_H9[i] + 256 * bySysFlags_H9[i + 1]))
            return code;
    }
    return 0;
}
