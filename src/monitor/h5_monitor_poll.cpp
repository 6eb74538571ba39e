#include "monitor/h5_monitor.h"

#include "link/comm_records.h"
#include "core/h5h7_registers.h"
#include "core/monitor_state.h"

bool bBlinkPhase_H5 = false;

namespace {

struct Status {
    bool bit0 = false;
    bool bit2 = false;
    bool bit4 = false;
};

// Set when a poll met a range it has no separators for; the poll still draws.
bool g_undecodable = false;

void put(DigitRow& row, int pos, const RegisterBlock& block, int n)
{
    if (const std::optional<quint8> d = block.digit(n))
        row[static_cast<std::size_t>(pos)] = *d;
}

bool minuteOrHourRange(quint8 range) { return range >= 4 && range <= 8; }

bool counting(const Status& s, quint8 range) { return minuteOrHourRange(range) && s.bit0 && !s.bit2 && !s.bit4; }

// The unit letters flash while the timer counts: dark and lit at alternate polls.
void blink(PanelState& panel, bool countingNow, qint16 icon)
{
    if (countingNow) {
        bBlinkPhase_H5 = !bBlinkPhase_H5;
        panel.byTimerMode = bBlinkPhase_H5 ? 0 : static_cast<quint8>(icon);
    } else {
        panel.byTimerMode = static_cast<quint8>(icon);
    }
}

void checkRange(quint8 range)
{
    if (range > 9)
        g_undecodable = true;
}

int readStatus(RegisterSource& source, Status& s)
{
    RegisterBlock block;
    const int code = source.read(kRegStatus_H5, 1, block);
    if (code == 0) {
        const int b = block.low(0);
        s = {(b & 1) != 0, (b & 4) != 0, (b & 0x10) != 0};
    }
    return code;
}

int readSixDigits(RegisterSource& source, int address, DigitRow& row, DigitRow* copy = nullptr)
{
    RegisterBlock block;
    const int code = source.read(address, 2, block);
    if (code == 0) {
        DecodeSixDigits_H5(block, row);
        if (copy)
            DecodeSixDigits_H5(block, *copy);
    }
    return code;
}

int readLow(RegisterSource& source, int address, int& value)
{
    RegisterBlock block;
    const int code = source.read(address, 1, block);
    if (code == 0)
        value = block.low(0);
    return code;
}

// Key protection and the lamp row of panel A.
int readKeyAndLamps(RegisterSource& source)
{
    int kp = 0, outputs = 0, reset1 = 0, reset2 = 0;
    if (const int code = readLow(source, kRegKeyProtect_H5H7, kp))
        return code;
    PanelNextA.byKP = static_cast<quint8>(kp & 1);
    if (const int code = readLow(source, kRegOutLamps_H5H7, outputs))
        return code;
    if (const int code = readLow(source, kRegRst1Lamp_H5, reset1))
        return code;
    if (const int code = readLow(source, kRegRst2Lamp_H5, reset2))
        return code;
    PanelNextA.sWeek = LampPattern_H5(reset1, reset2, outputs);
    return 0;
}

// A twin-timer phase byte: its two characters as a decimal number, 0 when they are not
// both digits.
int readPhase(RegisterSource& source, int address, int& phase)
{
    RegisterBlock block;
    const int code = source.read(address, 1, block);
    if (code == 0) {
        const QByteArray t = block.lowText(0);
        const bool digits = t.size() == 2 && t[0] >= '0' && t[0] <= '9' && t[1] >= '0' && t[1] <= '9';
        phase = digits ? (t[0] - '0') * 10 + (t[1] - '0') : 0;
    }
    return code;
}

} // namespace

void DecodeSixDigits_H5(const RegisterBlock& block, DigitRow& row)
{
    for (int i = 0; i < 4; ++i)
        put(row, 2 + i, block, 1 + i);
    put(row, 0, block, 7);
    put(row, 1, block, 8);
}

QString LampPattern_H5(int low1065, int low1060, int low1290)
{
    const auto lamp = [](bool on) { return on ? QLatin1Char('1') : QLatin1Char('0'); };
    QString s;
    s += lamp(low1065 & 0x08);
    s += '0';
    s += lamp(low1060 & 0x01);
    s += '0';
    s += lamp(low1290 & 0x08);
    s += '0';
    s += lamp(low1290 & 0x10);
    return s;
}

int PollTimer_H5(RegisterSource& source)
{
    const DevReadback& dev = devReadback;
    PanelState& a = PanelNextA;
    PanelState& b = PanelNextB;
    Status s;
    if (const int code = readStatus(source, s))
        return code;
    checkRange(dev.nDevTimeRange);
    if (dev.nDevOutputMode != 9) {
        if (const int code = readSixDigits(source, kRegTimerSetting_A_H5, a.byCharB))
            return code;
        if (const int code = readSixDigits(source, kRegPresentValue_H5, a.byCharA))
            return code;
        bool countingNow = counting(s, dev.nDevTimeRange);
        if (dev.nDevOutputMode == 1) {
            RegisterBlock block;
            if (const int code = source.read(kRegCount_H5, 1, block))
                return code;
            const auto count = static_cast<qint16>(block.word(0));
            countingNow = count > 0 && !s.bit2 && minuteOrHourRange(dev.nDevTimeRange);
        }
        blink(a, countingNow, nTimerIconA_H5);
    } else {
        RegisterBlock block;
        if (const int code = source.read(kRegDutyRatio_A_H5, 1, block))
            return code;
        // The ON duty ratio: three blanks, then three digits.
        a.byCharB[0] = a.byCharB[1] = a.byCharB[2] = kDigitBlank;
        for (int i = 0; i < 3; ++i)
            put(a.byCharB, 3 + i, block, 2 + i);
        if (const int code = readSixDigits(source, kRegTimerSetting_A_H5, b.byCharB))
            return code;
        if (const int code = readSixDigits(source, kRegPresentValue_H5, a.byCharA, &b.byCharA))
            return code;
        blink(b, counting(s, dev.nDevTimeRange), nTimerIconB_H5);
        a.byTimerMode = b.byTimerMode;
    }
    if (const int code = readKeyAndLamps(source))
        return code;
    if (dev.nDevOutputMode == 9) {
        b.sWeek = a.sWeek;
        b.byKP = a.byKP;
    } else {
        b.sWeek = QStringLiteral("0000000");
        b.byKP = 0;
    }
    return 0;
}

int PollTwinTimer_H5(RegisterSource& source)
{
    const DevReadback& dev = devReadback;
    PanelState& a = PanelNextA;
    Status s;
    if (const int code = readStatus(source, s))
        return code;
    if (const int code = readSixDigits(source, kRegPresentValue_H5, a.byCharA))
        return code;
    if (const int code = readSixDigits(source, kRegTwinValue_H5, a.byCharB))
        return code;
    int upperPhase = 0;
    if (const int code = readPhase(source, kRegTwinPhaseUpper_H5, upperPhase))
        return code;
    const quint8 upper = upperPhase == 0 ? dev.nDevTimeRangeOFF_H5 : upperPhase == 1 ? dev.nDevTimeRangeON_H5 : 0;
    int lowerPhase = 0;
    if (const int code = readPhase(source, kRegTwinPhaseLower_H5, lowerPhase))
        return code;
    quint8 lower = 0;
    if (lowerPhase == 0) {
        a.byGroup = 1;
        lower = dev.nDevTimeRangeOFF_H5;
    } else if (lowerPhase == 1) {
        a.byGroup = 2;
        lower = dev.nDevTimeRangeON_H5;
    }
    checkRange(upper);
    checkRange(lower);
    RangePoints_H5(upper, a.byDPColA, a.byDPA);
    nTimerIconA_H5 = RangeUnitLetters_H5(upper);
    RangePoints_H5(lower, a.byDPColB, a.byDPB);
    a.byTimerMode = static_cast<quint8>(nTimerIconA_H5);
    if (const int code = readKeyAndLamps(source))
        return code;
    PanelNextB.byKP = 0;
    const quint8 countingRange = upperPhase != 0 ? dev.nDevTimeRangeON_H5 : dev.nDevTimeRangeOFF_H5;
    blink(a, counting(s, countingRange), nTimerIconA_H5);
    return 0;
}

int PollTwoStageTimer_H5(RegisterSource& source)
{
    const DevReadback& dev = devReadback;
    PanelState& a = PanelNextA;
    PanelState& b = PanelNextB;
    Status s;
    if (const int code = readStatus(source, s))
        return code;
    checkRange(dev.nDevTimeRange);
    if (const int code = readSixDigits(source, kRegSV1_C_H5, a.byCharB))
        return code;
    if (const int code = readSixDigits(source, kRegSV2_C_H5, b.byCharB))
        return code;
    if (const int code = readSixDigits(source, kRegPresentValue_H5, a.byCharA, &b.byCharA))
        return code;
    if (const int code = readKeyAndLamps(source))
        return code;
    b.byKP = a.byKP;
    b.sWeek = a.sWeek;
    blink(a, counting(s, dev.nDevTimeRange), nTimerIconA_H5);
    b.byTimerMode = a.byTimerMode;
    return 0;
}

int UpdateMonitorPanel_H5(RegisterSource& source)
{
    g_undecodable = false;
    int code = 0;
    switch (devReadback.nDevFuncMode) {
    case 0: code = PollTimer_H5(source); break;
    case 1: code = PollTwinTimer_H5(source); break;
    case 2: code = PollTwoStageTimer_H5(source); break;
    default: break;
    }
    commState.nErrCode = code;
    if (code != 0)
        return code;
    // A last look at the status register; what it says does not change the poll.
    RegisterBlock block;
    source.read(kRegStatus_H5, 1, block);
    ShowDecodedPanels();
    monitorState.sMonitorText[0] = FormatUpperRow(PanelNextA);
    monitorState.sMonitorText[1].clear();
    return g_undecodable ? kUndecodableValue : 0;
}
