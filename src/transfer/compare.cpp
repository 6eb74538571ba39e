#include "transfer/compare.h"

#include "core/digit_rows.h"
#include "core/h5h7_params.h"
#include "core/h5h7_registers.h"
#include "core/h9_params.h"
#include "core/h9_registers.h"
#include "core/machine_type.h"
#include "link/comm_records.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/modbus_ascii.h"
#include "transfer/compare_messages.h"
#include "transfer/h5_encoder.h"
#include "transfer/h7_encoder.h"
#include "transfer/frmWriteProcess1.h"
#include "transfer/h9_encoder.h"
#include "transfer/identify.h"

#include <exception>
#include <stdexcept>


namespace {

// The low byte of one register; nothing after a failed read (shown by the link).
std::optional<quint8> readLow(long reg)
{
    QByteArray reply;
    commState.nErrCode = ReadHoldingRegisters(commSettings.nSlaveID, static_cast<qint32>(reg), 1, reply,
                                              commSettings.nCommProtocol);
    if (commState.nErrCode != 0)
        return std::nullopt;
    const std::optional<int> low = ReplyRegisterLow(reply, 0);
    if (!low)
        throw std::runtime_error("undecodable compare reply");
    return static_cast<quint8>(*low);
}

// Walks the register byte addresses of one compare step in order. `diff` always
// names the address being read, so a difference is reported at that address.
class Walk {
public:
    explicit Walk(long& diff) : diff_(diff) {}

    bool failed() const { return failed_; }
    bool differs() const { return differs_; }
    bool done() const { return failed_ || differs_; }

    // Compares one byte; returns false once the walk has ended.
    bool byte(long addr, quint8 expected)
    {
        if (done())
            return false;
        diff_ = addr;
        switch (CompareReg(commSettings.nSlaveID, addr, expected)) {
        case RegCompare::Same: return true;
        case RegCompare::Differs: differs_ = true; return false;
        case RegCompare::ReadFailed: failed_ = true; return false;
        }
        return false;
    }
    // Every address first..last of an image block, ascending.
    bool range(const RegBlock& b, long first, long last, bool onlyFlagged = false)
    {
        for (long a = first; a <= last; ++a) {
            if (onlyFlagged && !b.bRegFlag(static_cast<int>(a)))
                continue;
            if (!byte(a, b.byReg(static_cast<int>(a))))
                return false;
        }
        return true;
    }
    bool flagged(const RegBlock& b) { return range(b, b.lb(), b.ub(), true); }
    // A difference that is passed over: the byte is read, the walk goes on.
    bool byteIgnoringDifference(long addr, quint8 expected)
    {
        if (done())
            return false;
        diff_ = addr;
        if (CompareReg(commSettings.nSlaveID, addr, expected) == RegCompare::ReadFailed)
            failed_ = true;
        return !failed_;
    }
    // The sign register: a difference leaves `diff` at the last byte read before it,
    // so the user is told of the set value.
    bool sign(int which, quint8 expected)
    {
        if (done())
            return false;
        switch (CompareReg1734(commSettings.nSlaveID, which, expected)) {
        case RegCompare::Same: return true;
        case RegCompare::Differs: differs_ = true; return false;
        case RegCompare::ReadFailed: failed_ = true; return false;
        }
        return false;
    }
    // The routine's result: 24 after a failed read, else 0 with `diff` 0 when the
    // walk ran through.
    int result()
    {
        if (failed_)
            return kCompareFailed;
        if (!differs_)
            diff_ = 0;
        return 0;
    }
    long& diff() { return diff_; }

private:
    long& diff_;
    bool failed_ = false;
    bool differs_ = false;
};

// The function-coding register: its low byte is kept in `store` and must equal
// `expected`. Same, or a difference at `reg`, or a failed read.
RegCompare functionRegister(long reg, quint8& store, int expected, long& diff)
{
    diff = reg;
    const std::optional<quint8> v = readLow(reg);
    if (!v)
        return RegCompare::ReadFailed;
    store = *v;
    return *v == expected ? RegCompare::Same : RegCompare::Differs;
}

int outcome(RegCompare r)
{
    return r == RegCompare::ReadFailed ? kCompareFailed : 0;
}

bool signIsMinus(H5H7Row row) { return RowText(row).startsWith(QLatin1Char('-')); }

int failAndHide(int code)
{
    TransferHideWindow();
    ShowErrorMessage(code);
    return kCompareFailed;
}

} // namespace

RegCompare CompareReg(qint32 slaveId, long reg, quint8 expected)
{
    QByteArray reply;
    commState.nErrCode = ReadHoldingRegisters(slaveId, static_cast<qint32>(reg), 1, reply, commSettings.nCommProtocol);
    if (commState.nErrCode != 0)
        return RegCompare::ReadFailed;
    const std::optional<int> low = ReplyRegisterLow(reply, 0);
    if (!low)
        throw std::runtime_error("undecodable compare reply");
    return *low == expected ? RegCompare::Same : RegCompare::Differs;
}

RegCompare CompareReg1734(qint32 slaveId, int which, quint8 expected)
{
    return CompareReg(slaveId, which == 1 ? kRegSign1_H7 : kRegSign2_H7, expected);
}

int Compare_H9(long& diff)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    RegCompare r = functionRegister(kRegFuncType_H9, devReadback.nDevFuncMode, p.nFuncType_H9, diff);
    if (r != RegCompare::Same)
        return outcome(r);

    Walk w(diff);
    if (p.nFuncType_H9 == 0) {
        if (!EncodeTimerA_H9())
            return kCompareFailed;
        if (!w.flagged(RegImage_H9.TimerA))
            return w.result();
        r = functionRegister(kRegFuncB_H9, devReadback.nDevFuncB_H9, p.nFuncB_H9, diff);
        if (r != RegCompare::Same)
            return outcome(r);
        if (p.nFuncB_H9 == 0) {
            if (!EncodeCounterB_H9())
                return kCompareFailed;
            w.flagged(RegImage_H9.CounterB);
        } else if (p.nFuncB_H9 == 1) {
            if (!EncodeTachoB_H9())
                return kCompareFailed;
            w.flagged(RegImage_H9.TachoB) && w.flagged(RegImage_H9.TachoCnt);
        } else {
            return kCompareFailed;
        }
    } else if (p.nFuncType_H9 == 1) {
        r = functionRegister(kRegDualFunc_H9, devReadback.nDevDualFunc_H9, p.nDualFunc_H9, diff);
        if (r != RegCompare::Same)
            return outcome(r);
        switch (p.nDualFunc_H9) {
        case 0:
            if (!EncodeTwoStageTimer_H9())
                return kCompareFailed;
            w.flagged(RegImage_H9.TwoStage);
            break;
        case 1:
            if (!EncodeDualCounter_H9() || !EncodeDualCounterB_H9())
                return kCompareFailed;
            w.flagged(RegImage_H9.DualCounter) && w.flagged(RegImage_H9.CounterB);
            break;
        case 2:
            if (!EncodeDualTacho_H9() || !EncodeDualTachoB_H9())
                return kCompareFailed;
            w.flagged(RegImage_H9.DualTacho) && w.flagged(RegImage_H9.TachoB) && w.flagged(RegImage_H9.TachoCnt);
            break;
        default:
            return kCompareFailed;
        }
    } else {
        diff = kRegFuncType_H9;
        return 0;
    }
    w.byte(kRegSGWidth_H9, p.nSGWidth_H9) && w.byte(kRegInputMethod_H9, p.nInputMethod_H9)
        && w.byte(kRegPowerSaving_H9, p.bPowerSaving_H9);
    return w.result();
}

int Compare_H5(long& diff)
{
    quint8 devMode = 0;
    const RegCompare r = functionRegister(kRegFuncMode, devMode, nFuncMode, diff);
    devReadback.nDevFuncMode = devMode;
    if (r != RegCompare::Same)
        return outcome(r);
    if (Encode_H5() != 0)
        return kCompareFailed;

    const RegBlock& b = RegImage_H5.H5;
    const quint8 out = timerParamsH5.nOutputMode_A_H5;
    Walk w(diff);
    switch (nFuncMode) {
    case 0:
        // Output modes d, E and F have no output time; Z has none either but sends
        // its duty ratio.
        if (out == 9)
            w.range(b, kRegTimerRange_A_H5, kRegOutputMode_A_H5 + 1)
                && w.range(b, kRegTimerSetting_A_H5, kRegDutyRatio_A_H5 + 1);
        else if (out > 5)
            w.range(b, kRegTimerRange_A_H5, kRegOutputMode_A_H5 + 1)
                && w.range(b, kRegTimerSetting_A_H5, kRegTimerSetting_A_H5 + 3);
        else
            w.range(b, kRegTimerRange_A_H5, kRegTimerSetting_A_H5 + 3);
        break;
    case 1:
        w.range(b, kRegTimerRangeOFF_B_H5, kRegSettingValueON_B_H5 + 3);
        break;
    case 2:
        w.range(b, kRegSettingMode_C_H5, kRegSV2_C_H5 + 3);
        break;
    default:
        diff = kRegFuncMode;
        return 0;
    }
    w.byte(kRegSGWidth_H5H7, timerParamsH5.nSGWidth_H5)
        && w.byte(kRegInputMethod_H5H7, timerParamsH5.nInputMethod_H5) && w.byte(kRegKP_H5H7, timerParamsH5.nKP_H5);
    return w.result();
}

int Compare_H7(long& diff)
{
    quint8 devMode = 0;
    const RegCompare r = functionRegister(kRegFuncMode, devMode, nFuncMode, diff);
    devReadback.nDevFuncMode = devMode;
    if (r != RegCompare::Same)
        return outcome(r);
    if (Encode_H7() != 0)
        return kCompareFailed;

    const RegBlock& c = RegImage_H7.Comm;
    const RegBlock& n = RegImage_H7.Cnt;
    Walk w(diff);
    w.range(c, kRegFuncMode, kRegKP_H5H7 + 1) && w.byte(kRegDotAdj_H7, n.byReg(kRegDotAdj_H7))
        && w.byte(kRegMaxFreq_H7, n.byReg(kRegMaxFreq_H7))
        && w.range(n, kRegMagnification_H7, kRegMagnification_H7 + 3);
    if (w.done())
        return w.result();

    if (nFuncMode >= 3 && nFuncMode <= 7) {
        if (nFuncMode == 7) {
            // The dual counter's first input register is not its own choice.
            w.byteIgnoringDifference(kRegCountInputMode_H7, n.byReg(kRegCountInputMode_H7))
                && w.byteIgnoringDifference(kRegCountInputMode_H7 + 1, n.byReg(kRegCountInputMode_H7 + 1))
                && w.range(n, kRegOutputMode_H7, kRegOutputMode_H7 + 1);
        } else {
            w.range(n, kRegCountInputMode_H7, kRegOutputMode_H7 + 1);
        }
        w.range(n, kRegHoldCounter1_H7, kRegHoldCounter1_H7 + 3)
            && w.range(n, kRegCounterSetting1_H7, kRegCounterSetting1_H7 + 3);
        const H5H7Row first = nFuncMode == 4 ? H5H7Row::lblCounterSetting_2nd_1_H7
                            : nFuncMode >= 6 ? H5H7Row::lblCounterSetting_batch_1_H7
                                             : H5H7Row::lblCounterSetting_1st_H7;
        w.sign(1, signIsMinus(first) ? 1 : 0);
        switch (nFuncMode) {
        case 4:
            w.range(n, kRegHoldCounter2_H7, kRegHoldCounter2_H7 + 3)
                && w.range(n, kRegCounterSetting2_H7, kRegCounterSetting2_H7 + 3)
                && w.sign(2, signIsMinus(H5H7Row::lblCounterSetting_2nd_2_H7) ? 1 : 0);
            break;
        case 6:
            w.range(n, kRegCounterSetting2_H7, kRegCounterSetting2_H7 + 3);
            break;
        case 7:
            w.range(n, kRegDualInputMode_H7, kRegDualInputMode_H7 + 1);
            break;
        default:
            break;
        }
    } else if (nFuncMode == 8) {
        w.range(n, kRegOutputMode_freq_H7, kRegDelay2StartTime_freq_H7 + 1)
            && w.range(n, kRegCounterSetting1_H7, kRegCounterSetting2_H7 + 3);
    }
    return w.result();
}

int CompareSettings()
{
    try {
        if (OpenCommPort() != 0)
            return kCompareFailed;
        commState.bSilentComm = 0;
        TransferTimerOn();

        InstrumentIdentity id;
        int linkCode = 0;
        switch (ReadInstrumentIdentity(id, false, linkCode)) {
        case IdentifyStep::ReadFailed:
        case IdentifyStep::Stopped:
            return kCompareFailed;
        case IdentifyStep::NotFamily:
            return failAndHide(kMemoryAddressError);
        case IdentifyStep::Ok:
            break;
        }
        if (id.typeCode != DeviceTypeCode(nMacType))
            return failAndHide(kWrongMachineType);

        long diff = 0;
        int rc = 0;
        bool h9 = false;
        switch (id.typeCode) {
        case 1:
            h9 = true;
            rc = Compare_H9(diff);
            break;
        case 2:
            rc = Compare_H5(diff);
            break;
        case 3:
            rc = Compare_H7(diff);
            break;
        case 4: {
            // An H8 runs either half: its current function mode decides, and a mode
            // other than the editor's is the first difference.
            diff = kRegFuncMode;
            const std::optional<quint8> mode = readLow(kRegFuncMode);
            if (!mode)
                return failAndHide(kCompareFailed);
            devReadback.nDevFuncMode = *mode;
            if (*mode != nFuncMode)
                break;
            if (nFuncMode >= 0 && nFuncMode <= 2)
                rc = Compare_H5(diff);
            else if (nFuncMode >= 3 && nFuncMode <= 8)
                rc = Compare_H7(diff);
            break;
        }
        default:
            // No register map for this type (the edited model has no type code 1 to 4).
            return failAndHide(kWrongMachineType);
        }
        commState.nErrCode = rc;
        if (rc != 0)
            return failAndHide(kCompareFailed);

        TransferHideWindow();
        if (diff == 0)
            ShowErrorMessage(kNoDifference);
        else if (h9)
            ShowCompareMismatch_H9(diff);
        else
            ShowCompareMismatch_H5H7(diff);
        return 0;
    } catch (const std::exception&) {
        return failAndHide(kCompareFailed);
    }
}
