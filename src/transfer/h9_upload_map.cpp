// The H9 read map: the instrument's function group first, then only the sections of
// that group, into the positions of the H9 settings image.
#include "transfer/upload.h"

#include "core/h9_registers.h"
#include "link/comm_records.h"
#include "transfer/upload_read.h"

using namespace upload_read;

namespace {

// A counter or tachometer set value with t decimals, as the image stores the row:
// t = 0 a leading "0" and the six digits, else the point before the last t digits.
bool counterSetValue(int reg, int t, int pos)
{
    QByteArray s = ReadBcdValue(commSettings.nSlaveID, reg, 3);
    if (s.isEmpty())
        return false;
    put(pos, t == 0 ? "0" + s : s.left(6 - t) + '.' + s.right(t));
    return true;
}

// Set values of the dual modes: a leading "0" and the six digits.
bool leadingSetValue(int reg, int pos)
{
    const QByteArray s = ReadBcdValue(commSettings.nSlaveID, reg, 3);
    if (s.isEmpty())
        return false;
    put(pos, "0" + s);
    return true;
}

bool timerA()
{
    const auto code = registers(kRegTimeCodeA_H9, 1);
    if (!code)
        return false;
    // Time code c = time range x 2 + direction; each c has a set-value slot of its own.
    const int c = lowByte((*code)[0]);
    if (c < 0 || c > 7)
        return refuse(kRegTimeCodeA_H9, (*code)[0]);
    put(25, QByteArray(1, static_cast<char>('0' + c / 2)));
    put(26, QByteArray(1, static_cast<char>('0' + c % 2)));
    return bcd(kTimerSlotsA_H9[c].setValue, c < 2 ? 0 : 1, 29) && digit(kRegOutputModeA_H9, 28)
        && bcd(kRegHoldTimeA_H9, 0, 36);
}

bool counterB()
{
    const std::optional<int> input = digit(kRegCountInputModeB_H9, 52);
    if (!input)
        return false;
    if (CounterSettingRegister_H9(*input) == 0)
        return refuse(kRegCountInputModeB_H9, *input);
    const std::optional<int> t = digit(kRegDotAdjB_H9, 53);
    if (!t)
        return false;
    if (*t > 3)
        return refuse(kRegDotAdjB_H9, *t);
    return digit(kRegMaxFreqB_H9, 54) && digit(kRegOutputModeB_H9, 55) && bcd(kRegMagnificationB_H9, 2, 57)
        && counterSetValue(CounterSettingRegister_H9(*input), *t, 63) && bcd(kRegHoldCounterB_H9, 0, 70);
}

bool tachoB()
{
    if (!digit(kRegSampleAvgB_F_H9, 91))
        return false;
    const std::optional<int> t = digit(kRegDotAdjB_H9, 92);
    if (!t)
        return false;
    if (*t > 3)
        return refuse(kRegDotAdjB_H9, *t);
    return digit(kRegMaxFreqB_H9, 93) && digit(kRegOutputModeB_F_H9, 94) && bcd(kRegMagnificationB_H9, 2, 95)
        && counterSetValue(kRegCounterSettingUpB_H9, *t, 101) && bcd(kRegHoldCounterB_F_H9, 0, 108);
}

bool twoStageTimer()
{
    return digit(kRegOutputMode_T_Dual_0_H9, 131) && leadingSetValue(kRegTimerSetting_T_Dual_0_H9, 132)
        && bcd(kRegHoldTime_T_Dual_0_H9, 0, 139) && digit(kRegOutputMode_T_Dual_1_H9, 151)
        && leadingSetValue(kRegTimerSetting_T_Dual_1_H9, 152) && bcd(kRegHoldTime_T_Dual_1_H9, 0, 159);
}

bool dualCounter()
{
    if (!digit(kRegDualCounterMode_H9, 171) || !digit(kRegOutputMode_C_Dual_0_H9, 172)
        || !leadingSetValue(kRegCounterSetting_C_Dual_0_H9, 173) || !bcd(kRegHoldCounter_C_Dual_0_H9, 0, 180))
        return false;
    const std::optional<int> input = digit(kRegCountInputModeB_H9, 191);
    if (!input)
        return false;
    if (CounterSettingRegister_H9(*input) == 0)
        return refuse(kRegCountInputModeB_H9, *input);
    return digit(kRegMaxFreqB_H9, 192) && digit(kRegOutputModeB_H9, 193)
        && leadingSetValue(CounterSettingRegister_H9(*input), 195) && bcd(kRegHoldCounterB_H9, 0, 202);
}

bool dualTacho()
{
    return digit(kRegOutputModeA_Dual_F_H9, 221) && leadingSetValue(kRegCounterSettingA_Dual_F_H9, 222)
        && digit(kRegSampleAvgB_F_H9, 231) && digit(kRegMaxFreqB_H9, 232) && digit(kRegOutputModeB_F_H9, 233)
        && leadingSetValue(kRegCounterSettingUpB_H9, 234) && bcd(kRegHoldCounterB_F_H9, 0, 241);
}

} // namespace

int Upload_H9()
{
    if (!digit(kRegKeyProtect_H9, 8) || !digit(kRegPowerSaving_H9, 9))
        return 1;
    const std::optional<int> group = digit(kRegFuncType_H9, 21);
    if (!group)
        return 1;
    bool ok = false;
    if (*group == 0) {
        if (!timerA())
            return 1;
        const std::optional<int> kind = digit(kRegFuncB_H9, 51);
        if (!kind)
            return 1;
        ok = *kind == 0 ? counterB() : *kind == 1 ? tachoB() : refuse(kRegFuncB_H9, *kind);
    } else if (*group == 1) {
        const std::optional<int> kind = digit(kRegDualFunc_H9, 130);
        if (!kind)
            return 1;
        switch (*kind) {
        case 0: ok = twoStageTimer(); break;
        case 1: ok = dualCounter(); break;
        case 2: ok = dualTacho(); break;
        default: refuse(kRegDualFunc_H9, *kind); break;
        }
    } else {
        refuse(kRegFuncType_H9, *group);
    }
    if (!ok)
        return 1;
    return digit(kRegSGWidth_H9, 251) && digit(kRegInputMethod_H9, 252) ? 0 : 1;
}
