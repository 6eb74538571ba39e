#include "transfer/h9_encoder.h"

#include "core/digit_rows.h"
#include "core/h9_params.h"
#include "transfer/register_image.h"

namespace {

bool allDigits(const QString& s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !s.isEmpty();
}

// A whole-number text as six digits, zeros on the left; empty when it is not one.
QString sixDigits(const QString& text)
{
    const QString t = text.trimmed();
    if (!allDigits(t))
        return {};
    const QString eight = FormatValueDigits(0, t, 0);
    if (eight.isEmpty() || !eight.startsWith(QStringLiteral("00")))
        return {};
    return eight.mid(2);
}

// Where the counter set value goes: by the input mode, up-counting modes to 1366,
// down-counting modes to 1370; 0 for a mode that has neither.
int counterSlot(quint8 inputMode)
{
    switch (inputMode) {
    case 0: case 1: case 2: case 6: return 1366;
    case 3: case 4: case 5: case 7: return 1370;
    default: return 0;
    }
}

struct TimerSlot {
    int zeros[3];
    int zeroCount;
    int setValue;
};

constexpr TimerSlot kTimerSlots[8] = {
    {{}, 0, 1116},
    {{}, 0, 1120},
    {{1124}, 1, 1126},
    {{1130}, 1, 1132},
    {{1136, 1138}, 2, 1140},
    {{1144, 1146}, 2, 1148},
    {{1152, 1154, 1156}, 3, 1158},
    {{1162, 1164, 1166}, 3, 1168},
};

// The value text of an H9 row with `decimals` places.
QString row(H9Row r, int decimals) { return DigitRowText(RowText(r), decimals); }

} // namespace

int TimerTimeCode_H9() { return nTimeRangeA_H9 * 2 + nCountDirectionA_H9; }

bool PackTimerSetValue_H9(const QString& text)
{
    RegBlock& b = RegImage_H9.TimerA;
    const int c = TimerTimeCode_H9();
    // A range or time mode outside its list has no slot: sending the code alone would
    // leave the instrument with a time code that means nothing.
    if (c < 0 || c > 7)
        return false;
    const QString digits = c <= 1 ? FormatValueDigits(1, text, 2) : FormatValueDigits(0, text, 2);
    if (digits.size() != 8)
        return false;
    b.PutSetting(1114, static_cast<quint8>(c));
    const TimerSlot& slot = kTimerSlots[c];
    for (int i = 0; i < slot.zeroCount; ++i)
        b.PutSetting(slot.zeros[i], 0);
    return b.PutDigits(slot.setValue, digits);
}

bool PackTimerOutputTime_H9(const QString& text)
{
    return RegImage_H9.TimerA.PutDigits(1172, FormatValueDigits(1, text, 2));
}

bool PackCounterSetValue_H9(int type, int dp, const QString& text)
{
    QString six;
    if (dp == 0) {
        six = sixDigits(text);
    } else if (dp >= 1 && dp <= 3) {
        const QString t = text.trimmed();
        const qsizetype dot = t.indexOf(QLatin1Char('.'));
        const QString intPart = dot < 0 ? t : t.left(dot);
        const QString fraction = dot < 0 ? QString() : t.mid(dot + 1);
        if (!allDigits(intPart) || (!fraction.isEmpty() && !allDigits(fraction)))
            return false;
        const QString integer = sixDigits(intPart);
        if (integer.isEmpty() || integer.left(dp) != QString(dp, QLatin1Char('0')))
            return false; // the integer part does not fit its 6 - dp digits
        six = integer.mid(dp) + fraction.left(dp).leftJustified(dp, QLatin1Char('0'));
    }
    const QString split = SplitDigits(six);
    if (split.isEmpty())
        return false;
    if (type == 1)
        return RegImage_H9.TachoCnt.PutDigits(1366, split);
    const int slot = counterSlot(type == 2 ? nCountInputMode_C_Dual_1_H9 : nCountInputModeB_H9);
    if (slot == 0)
        return true; // an input mode with no set-value slot fills neither slot
    return RegImage_H9.CounterB.PutDigits(slot, split);
}

bool PackCounterTime_H9(int flag, const QString& text)
{
    const QString digits = FormatValueDigits(1, text, 2);
    return flag == 0 ? RegImage_H9.CounterB.PutDigits(1378, digits)
                     : RegImage_H9.TachoB.PutDigits(1574, digits);
}

bool PackPrescale_H9(int flag, const QString& text)
{
    const QString digits = FormatValueDigits(1, text.trimmed(), 3);
    return flag == 0 ? RegImage_H9.CounterB.PutDigits(1360, digits)
                     : RegImage_H9.TachoCnt.PutDigits(1360, digits);
}

bool PackTwoStageSetValues_H9(const QString& stage0, const QString& stage1)
{
    const QString d0 = SplitDigits(sixDigits(stage0));
    const QString d1 = SplitDigits(sixDigits(stage1));
    if (d0.isEmpty() || d1.isEmpty())
        return false;
    return RegImage_H9.TwoStage.PutDigits(1586, d0) && RegImage_H9.TwoStage.PutDigits(1590, d1);
}

bool PackTwoStageOutputTimes_H9(const QString& stage0, const QString& stage1)
{
    const QString d0 = FormatValueDigits(1, stage0, 2);
    const QString d1 = FormatValueDigits(1, stage1, 2);
    if (d0.size() != 8 || d1.size() != 8)
        return false;
    return RegImage_H9.TwoStage.PutDigits(1598, d0) && RegImage_H9.TwoStage.PutDigits(1602, d1);
}

bool PackDualCounterSetValue_H9(const QString& text)
{
    return RegImage_H9.DualCounter.PutDigits(1650, SplitDigits(sixDigits(text)));
}

bool PackDualCounterOutputTime_H9(const QString& text)
{
    return RegImage_H9.DualCounter.PutDigits(1654, FormatValueDigits(1, text, 2));
}

bool PackDualTachoSetValue_H9(const QString& text)
{
    return RegImage_H9.DualTacho.PutDigits(1680, SplitDigits(sixDigits(text)));
}

bool EncodeTimerA_H9()
{
    RegImage_H9.TimerA.Clear();
    if (!PackTimerSetValue_H9(row(H9Row::lblTimerSettingA, nTimeRangeA_H9 == 0 ? 2 : 0)))
        return false;
    if (!PackTimerOutputTime_H9(row(H9Row::lblHoldTimeA, 2)))
        return false;
    RegImage_H9.TimerA.PutSetting(1176, nOutputModeA_H9);
    return true;
}

bool EncodeCounterB_H9()
{
    RegBlock& b = RegImage_H9.CounterB;
    b.Clear();
    if (!PackCounterSetValue_H9(0, nDotAdjB_H9, row(H9Row::lblCounterSettingB, nDotAdjB_H9)))
        return false;
    if (!PackCounterTime_H9(0, row(H9Row::lblHoldCounterB, 2)))
        return false;
    if (!PackPrescale_H9(0, row(H9Row::lblMagnificationB, 3)))
        return false;
    b.PutSetting(1356, nMaxFreqB_H9);
    b.PutSetting(1364, nDotAdjB_H9);
    b.PutSetting(1374, nCountInputModeB_H9);
    b.PutSetting(1376, nOutputModeB_H9);
    return true;
}

bool EncodeTachoB_H9()
{
    RegImage_H9.TachoB.Clear();
    RegImage_H9.TachoCnt.Clear();
    if (!PackCounterSetValue_H9(1, nDotAdjB_F_H9, row(H9Row::lblCounterSettingB_F, nDotAdjB_F_H9)))
        return false;
    if (!PackCounterTime_H9(1, row(H9Row::lblHoldCounterB_F, 2)))
        return false;
    if (!PackPrescale_H9(1, row(H9Row::lblMagnificationB_F, 3)))
        return false;
    RegBlock& cnt = RegImage_H9.TachoCnt;
    cnt.PutSetting(1356, nMaxFreqB_F_H9);
    cnt.PutSetting(1364, nDotAdjB_F_H9);
    cnt.PutSetting(1374, 0);
    cnt.PutSetting(1376, 0);
    RegImage_H9.TachoB.PutSetting(1554, nOutputModeB_F_H9);
    RegImage_H9.TachoB.PutSetting(1556, nSampleAvgB_F_H9);
    return true;
}

bool EncodeTwoStageTimer_H9()
{
    RegBlock& b = RegImage_H9.TwoStage;
    b.Clear();
    if (!PackTwoStageSetValues_H9(row(H9Row::lblTimerSetting_T_Dual_0, 0),
                                  row(H9Row::lblTimerSetting_T_Dual_1, 0)))
        return false;
    if (!PackTwoStageOutputTimes_H9(row(H9Row::lblHoldTime_T_Dual_0, 2),
                                    row(H9Row::lblHoldTime_T_Dual_1, 2)))
        return false;
    b.PutSetting(1584, nDualFunc_H9);
    b.PutSetting(1594, nOutputMode_T_Dual_0_H9);
    b.PutSetting(1596, nOutputMode_T_Dual_1_H9);
    return true;
}

bool EncodeDualCounter_H9()
{
    RegBlock& b = RegImage_H9.DualCounter;
    b.Clear();
    if (!PackDualCounterSetValue_H9(row(H9Row::lblCounterSetting_C_Dual_0, 0)))
        return false;
    if (!PackDualCounterOutputTime_H9(row(H9Row::lblHoldCounter_C_Dual_0, 2)))
        return false;
    b.PutSetting(1648, nDualCounterMode_H9);
    b.PutSetting(1658, nOutputMode_C_Dual_0_H9);
    return true;
}

bool EncodeDualCounterB_H9()
{
    RegBlock& b = RegImage_H9.CounterB;
    b.Clear();
    if (!PackCounterSetValue_H9(2, 0, row(H9Row::lblCounterSetting_C_Dual_1, 0)))
        return false;
    if (!PackCounterTime_H9(0, row(H9Row::lblHoldCounter_C_Dual_1, 2)))
        return false;
    if (!PackPrescale_H9(0, QStringLiteral("1")))
        return false;
    b.PutSetting(1356, nMaxFreq_C_Dual_1_H9);
    b.PutSetting(1364, 0);
    b.PutSetting(1374, nCountInputMode_C_Dual_1_H9);
    b.PutSetting(1376, nOutputMode_C_Dual_1_H9);
    return true;
}

bool EncodeDualTacho_H9()
{
    RegBlock& b = RegImage_H9.DualTacho;
    b.Clear();
    if (!PackDualTachoSetValue_H9(row(H9Row::lblCounterSettingA_Dual_F, 0)))
        return false;
    b.PutSetting(1684, nOutputModeA_Dual_F_H9);
    return true;
}

bool EncodeDualTachoB_H9()
{
    RegImage_H9.TachoB.Clear();
    RegImage_H9.TachoCnt.Clear();
    if (!PackCounterSetValue_H9(1, 0, row(H9Row::lblCounterSettingB_Dual_F, 0)))
        return false;
    if (!PackCounterTime_H9(1, row(H9Row::lblHoldCounterB_Dual_F, 2)))
        return false;
    RegBlock& cnt = RegImage_H9.TachoCnt;
    if (!cnt.PutDigits(1360, QStringLiteral("00010000"))) // prescale 1.000
        return false;
    cnt.PutSetting(1356, nMaxFreqB_Dual_F_H9);
    cnt.PutSetting(1364, 0);
    cnt.PutSetting(1374, 0);
    cnt.PutSetting(1376, 0);
    RegImage_H9.TachoB.PutSetting(1554, nOutputModeB_Dual_F_H9);
    RegImage_H9.TachoB.PutSetting(1556, nSampleAvgB_Dual_F_H9);
    return true;
}
