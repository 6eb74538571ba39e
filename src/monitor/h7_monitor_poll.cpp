#include "monitor/h7_monitor.h"

#include "link/comm_records.h"
#include "core/h5h7_registers.h"
#include "core/monitor_state.h"

namespace {

// The characters of register k's high and low byte.
QByteArray highChars(const RegisterBlock& b, int k) { return b.chars().mid(4 * k, 2); }
QByteArray lowChars(const RegisterBlock& b, int k) { return b.lowText(k); }

void putChars(DigitRow& row, int pos, const QByteArray& two)
{
    for (int i = 0; i < 2 && i < two.size(); ++i)
        if (two[i] >= '0' && two[i] <= '9')
            row[static_cast<std::size_t>(pos + i)] = static_cast<quint8>(two[i] - '0');
}

// A signed six-digit value of a block read from `base`: its digits in the three bytes
// from `value` (most significant last), its sign word at `sign`.
void decodeSignedAt(const RegisterBlock& b, int base, int value, int sign, DigitRow& row)
{
    const int k = (value - base) / 2;
    DecodeSignedValue_H7(lowChars(b, k + 1), highChars(b, k), lowChars(b, k), row);
    ApplySign_H7(SignWordNegative_H7(b.chars().mid(4 * ((sign - base) / 2), 4)), row);
}

// Each step reads through here: the first failure ends the poll with 1.
bool readOk(RegisterSource& source, int address, int count, RegisterBlock& block)
{
    return source.read(address, count, block) == 0;
}

// which 1: set value 1 into panel A's lower row; else set value 2 into panel B's.
bool PollSetValues_H7(RegisterSource& source, int which)
{
    const bool first = which == 1;
    DigitRow& row = first ? PanelNextA.byCharB : PanelNextB.byCharB;
    RegisterBlock value;
    if (!readOk(source, first ? kRegCounterSetting1_H7 : kRegCounterSetting2_H7, 2, value))
        return false;
    DecodeSignedValue_H7(lowChars(value, 1), highChars(value, 0), lowChars(value, 0), row);
    RegisterBlock sign;
    if (!readOk(source, first ? kRegSign1_H7 : kRegSign2_H7, 1, sign))
        return false;
    ApplySign_H7(SignWordNegative_H7(sign.chars()), row);
    return true;
}

// kind 1: panel B's upper row copies panel A's; kind 2: the block's second value into
// panel B's upper row.
bool PollPresentValueA_H7(RegisterSource& source, int kind)
{
    constexpr int base = kRegPresentValue1_H7;
    RegisterBlock b;
    if (!readOk(source, base, 6, b))
        return false;
    decodeSignedAt(b, base, kRegPresentValue1_H7, kRegPresentSign1_H7, PanelNextA.byCharA);
    if (kind == 1)
        PanelNextB.byCharA = PanelNextA.byCharA;
    else if (kind == 2)
        decodeSignedAt(b, base, kRegPresentValue2_H7, kRegPresentSign2_H7, PanelNextB.byCharA);
    return true;
}

bool PollPresentValueB_H7(RegisterSource& source)
{
    constexpr int base = kRegDualPresentUpper_H7;
    RegisterBlock b;
    if (!readOk(source, base, 6, b))
        return false;
    decodeSignedAt(b, base, kRegDualPresentUpper_H7, kRegDualPresentUpperSign_H7, PanelNextB.byCharA);
    decodeSignedAt(b, base, kRegDualPresentLower_H7, kRegDualPresentLowerSign_H7, PanelNextB.byCharB);
    return true;
}

bool PollStatus_H7(RegisterSource& source, bool both)
{
    RegisterBlock b;
    if (!readOk(source, kRegKeyProtect_H5H7, 1, b))
        return false;
    PanelNextA.byKP = static_cast<quint8>(b.low(0) & 1);
    if (!readOk(source, kRegOutLamps_H5H7, 1, b))
        return false;
    const int outputs = b.low(0);
    if (!readOk(source, kRegRstLamps_H7, 1, b))
        return false;
    PanelNextA.sWeek = LampPattern_H7(outputs, b.low(0));
    if (both) {
        PanelNextB.byKP = PanelNextA.byKP;
        PanelNextB.sWeek = PanelNextA.sWeek;
    } else {
        PanelNextB.byKP = 0;
        PanelNextB.sWeek = QStringLiteral("0000000");
    }
    return true;
}

bool pollMode(RegisterSource& source, int mode)
{
    switch (mode) {
    case 3:
        return PollSetValues_H7(source, 1) && PollPresentValueA_H7(source, 0) && PollStatus_H7(source, false);
    case 4:
    case 8:
        return PollSetValues_H7(source, 1) && PollPresentValueA_H7(source, 1) && PollStatus_H7(source, true)
            && PollSetValues_H7(source, 2);
    case 5:
        if (!(PollSetValues_H7(source, 1) && PollPresentValueA_H7(source, 2) && PollStatus_H7(source, true)))
            return false;
        PanelNextB.byCharB.fill(kDigitBlank);
        return true;
    case 6:
        return PollSetValues_H7(source, 1) && PollPresentValueA_H7(source, 2) && PollStatus_H7(source, true)
            && PollSetValues_H7(source, 2);
    case 7:
        return PollSetValues_H7(source, 1) && PollPresentValueA_H7(source, 0) && PollStatus_H7(source, true)
            && PollPresentValueB_H7(source);
    default:
        return true;
    }
}

} // namespace

void DecodeSignedValue_H7(const QByteArray& high, const QByteArray& middle, const QByteArray& low, DigitRow& row)
{
    putChars(row, 0, high);
    putChars(row, 2, middle);
    putChars(row, 4, low);
}

bool SignWordNegative_H7(const QByteArray& fourChars)
{
    // The word's characters read as the decimal number they begin with.
    for (char c : fourChars) {
        if (c < '0' || c > '9')
            return false;
        if (c != '0')
            return true;
    }
    return false;
}

void ApplySign_H7(bool negative, DigitRow& row)
{
    if (negative)
        row[0] = kDigitMinus;
}

QString LampPattern_H7(int low1290, int low1292)
{
    const auto lamp = [](bool on) { return on ? QLatin1Char('1') : QLatin1Char('0'); };
    QString s;
    s += lamp(!(low1292 & 0x01));
    s += '0';
    s += lamp(!(low1292 & 0x02));
    s += '0';
    s += lamp(low1290 & 0x08);
    s += '0';
    s += lamp(low1290 & 0x10);
    return s;
}

int UpdateMonitorPanel_H7(RegisterSource& source)
{
    const int mode = devReadback.nDevFuncMode;
    if (!pollMode(source, mode)) {
        commState.nErrCode = 1;
        return 1;
    }
    if (mode == 5 || mode == 6)
        monitorState.sMonitorText[1] = FormatUpperRow(PanelNextB);
    else if (mode >= 3 && mode <= 8)
        monitorState.sMonitorText[1].clear();
    ShowDecodedPanels();
    monitorState.sMonitorText[0] = FormatUpperRow(PanelNextA);
    return 0;
}
