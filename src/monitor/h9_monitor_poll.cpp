#include "monitor/h9_monitor.h"

#include "core/h9_registers.h"
#include "core/monitor_state.h"

#include <array>

namespace {

// Sets row[pos] from character n of the block when that is a decimal digit.
void put(DigitRow& row, int pos, const RegisterBlock& block, int n)
{
    if (const std::optional<quint8> d = block.digit(n))
        row[static_cast<std::size_t>(pos)] = *d;
}

// Set when a poll met a value it has no way to show; the poll still draws.
bool g_undecodable = false;

// The decimal point of the dual counter's display B (see the dual counter's preset).
constexpr quint8 kDualCounterDecimalPoint = 0;

// Key protection, bit 0 of 1278, for display A.
int readKeyProtect(RegisterSource& source)
{
    RegisterBlock block;
    const int code = source.read(kRegKeyProtect_H9, 1, block);
    if (code == 0)
        PanelNextA.byKP = static_cast<quint8>(block.low(0) & 1);
    return code;
}

int readOnOff(RegisterSource& source)
{
    RegisterBlock block;
    const int code = source.read(kRegOnOff_H9, 1, block);
    if (code == 0)
        PanelNextA.byOnOff = static_cast<quint8>(block.low(0) & 1);
    return code;
}

// The lamp row of 1498, the same on both displays.
int readLamps(RegisterSource& source)
{
    RegisterBlock block;
    const int code = source.read(kRegLamps_H9, 1, block);
    if (code == 0) {
        PanelNextA.sWeek = LampPattern_H9(block.low(0));
        PanelNextB.sWeek = PanelNextA.sWeek;
    }
    return code;
}

int readTwoRegisterRow(RegisterSource& source, int address, DigitRow& row)
{
    RegisterBlock block;
    const int code = source.read(address, 2, block);
    if (code == 0)
        DecodeTwoRegisterRow(block, row);
    return code;
}

} // namespace

void DecodeTwoRegisterRow(const RegisterBlock& block, DigitRow& row)
{
    // Characters from reply position 10: s1 s2 the low byte of N, s3..s6 register N + 2.
    for (int i = 0; i < 4; ++i)
        put(row, i, block, 5 + i);
    put(row, 4, block, 3);
    put(row, 5, block, 4);
}

void DecodeTimerIntegerRow(const RegisterBlock& block, DigitRow& row)
{
    put(row, 0, block, 7);
    put(row, 1, block, 8);
    for (int i = 0; i < 4; ++i)
        put(row, 2 + i, block, 1 + i);
}

bool DecodeChannelBRow(const RegisterBlock& block, quint8 d, DigitRow& row)
{
    if (d > 3)
        return false;
    // r9 r10 r11 r12 r7 r8 (six integer digits) r2 r3 r4 (three decimals).
    static constexpr std::array<int, 9> kValue = {9, 10, 11, 12, 7, 8, 2, 3, 4};
    for (int i = 0; i < 6; ++i)
        put(row, i, block, kValue[static_cast<std::size_t>(d + i)]);
    return true;
}

QString LampPattern_H9(int lowByte)
{
    QString s = QStringLiteral("0000");
    s += (lowByte & 0x10) ? '1' : '0';
    s += '0';
    s += (lowByte & 0x20) ? '1' : '0';
    return s;
}

int PollTimerA_H9(RegisterSource& source)
{
    const quint8 c = devReadback.nDevTimeRange;
    if (c <= 7) {
        const auto decode = c <= 1 ? DecodeTwoRegisterRow : DecodeTimerIntegerRow;
        RegisterBlock block;
        if (const int code = source.read(kRegTimerPresentA_H9[c], 2, block))
            return code;
        decode(block, PanelNextA.byCharA);
        if (const int code = source.read(kTimerSlotsA_H9[c].setValue, 2, block))
            return code;
        decode(block, PanelNextA.byCharB);
    } else {
        // No register holds the value of a time code the instrument should not report.
        PanelNextA.byCharA.fill(kDigitBlank);
        PanelNextA.byCharB.fill(kDigitBlank);
        g_undecodable = true;
    }
    if (const int code = readKeyProtect(source))
        return code;
    if (const int code = readOnOff(source))
        return code;
    return readLamps(source);
}

int PollChannelB_H9(RegisterSource& source, quint8 kind, quint8 d)
{
    const bool up = kind != 0 || IsUpCountingInputMode_H9(devReadback.nDevCountInputMode_H9);
    const int present = kind == 1 ? kRegTachoPresentB_H9
                      : up        ? kRegCounterPresentUpB_H9
                                  : kRegCounterPresentDownB_H9;
    RegisterBlock block;
    if (const int code = source.read(present, 3, block))
        return code;
    if (!DecodeChannelBRow(block, d, PanelNextB.byCharA)) {
        PanelNextB.byCharA.fill(kDigitBlank);
        g_undecodable = true;
    }
    const int setValue = up ? kRegCounterSettingUpB_H9 : kRegCounterSettingDownB_H9;
    if (const int code = readTwoRegisterRow(source, setValue, PanelNextB.byCharB))
        return code;
    PanelNextB.byKP = PanelNextA.byKP;
    PanelNextB.byOnOff = 1;
    return 0;
}

int PollTwoStageTimer_H9(RegisterSource& source)
{
    if (const int code = readTwoRegisterRow(source, kRegTwoStagePresent_H9, PanelNextA.byCharA))
        return code;
    PanelNextB.byCharA = PanelNextA.byCharA;
    if (const int code = readTwoRegisterRow(source, kRegTimerSetting_T_Dual_0_H9, PanelNextA.byCharB))
        return code;
    if (const int code = readKeyProtect(source))
        return code;
    PanelNextB.byKP = PanelNextA.byKP;
    if (const int code = readOnOff(source))
        return code;
    PanelNextB.byOnOff = PanelNextA.byOnOff;
    if (const int code = readLamps(source))
        return code;
    return readTwoRegisterRow(source, kRegTimerSetting_T_Dual_1_H9, PanelNextB.byCharB);
}

namespace {

// The dual functions share their reading of display A and the status registers.
int pollDualDisplayA(RegisterSource& source, int presentRegister, int setRegister)
{
    if (const int code = readTwoRegisterRow(source, presentRegister, PanelNextA.byCharA))
        return code;
    if (const int code = readTwoRegisterRow(source, setRegister, PanelNextA.byCharB))
        return code;
    if (const int code = readKeyProtect(source))
        return code;
    PanelNextB.byKP = PanelNextA.byKP;
    PanelNextA.byOnOff = 1;
    return readLamps(source);
}

} // namespace

int PollDualCounter_H9(RegisterSource& source)
{
    if (const int code = pollDualDisplayA(source, kRegDualCounterPresent_H9, kRegCounterSetting_C_Dual_0_H9))
        return code;
    return PollChannelB_H9(source, 0, kDualCounterDecimalPoint);
}

int PollDualTacho_H9(RegisterSource& source)
{
    if (const int code = pollDualDisplayA(source, kRegTachoPresentA_H9, kRegCounterSettingA_Dual_F_H9))
        return code;
    return PollChannelB_H9(source, 1, 0);
}

int UpdateMonitorPanel_H9(RegisterSource& source)
{
    g_undecodable = false;
    const DevReadback& dev = devReadback;
    MonitorState& m = monitorState;
    if (dev.nDevFuncMode == 0) {
        if (const int code = PollTimerA_H9(source))
            return code;
        const quint8 kind = dev.nDevFuncB_H9 == 0 ? 0 : 1;
        if (const int code = PollChannelB_H9(source, kind, kind == 0 ? dev.nDevDotAdjB_H9 : dev.nDevDotAdjB_F_H9))
            return code;
        m.sMonitorText[1] = FormatUpperRow(PanelNextB);
    } else if (dev.nDevFuncMode == 1) {
        if (dev.nDevDualFunc_H9 == 0) {
            if (const int code = PollTwoStageTimer_H9(source))
                return code;
            m.sMonitorText[1].clear();
        } else if (dev.nDevDualFunc_H9 == 1) {
            if (const int code = PollDualCounter_H9(source))
                return code;
            m.sMonitorText[1] = FormatUpperRow(PanelNextB);
        } else {
            if (const int code = PollDualTacho_H9(source))
                return code;
            m.sMonitorText[1].clear();
        }
    }
    ShowDecodedPanels();
    m.sMonitorText[0] = FormatUpperRow(PanelNextA);
    return g_undecodable ? kUndecodableValue : 0;
}
