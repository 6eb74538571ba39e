#include "transfer/h9_encoder.h"

#include "core/digit_rows.h"
#include "core/h9_params.h"
#include "core/h9_registers.h"
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

// The value text of an H9 row with `decimals` places.
QString row(H9Row r, int decimals) { return DigitRowText(RowText(r), decimals); }

} // namespace

int TimerTimeCode_H9() { return timerCounterParamsH9.nTimeRangeA_H9 * 2 + timerCounterParamsH9.nCountDirectionA_H9; }

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
    b.PutSetting(kRegTimeCodeA_H9, static_cast<quint8>(c));
    const TimerSlotA_H9& slot = kTimerSlotsA_H9[c];
    for (int i = 0; i < slot.zeroCount; ++i)
        b.PutSetting(slot.zeros[i], 0);
    return b.PutDigits(slot.setValue, digits);
}

bool PackTimerOutputTime_H9(const QString& text)
{
    return RegImage_H9.TimerA.PutDigits(kRegHoldTimeA_H9, FormatValueDigits(1, text, 2));
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
        return RegImage_H9.TachoCnt.PutDigits(kRegCounterSettingUpB_H9, split);
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    const int slot = CounterSettingRegister_H9(type == 2 ? p.nCountInputMode_C_Dual_1_H9 : p.nCountInputModeB_H9);
    if (slot == 0)
        return true; // an input mode with no set-value slot fills neither slot
    return RegImage_H9.CounterB.PutDigits(slot, split);
}

bool PackCounterTime_H9(int flag, const QString& text)
{
    const QString digits = FormatValueDigits(1, text, 2);
    return flag == 0 ? RegImage_H9.CounterB.PutDigits(kRegHoldCounterB_H9, digits)
                     : RegImage_H9.TachoB.PutDigits(kRegHoldCounterB_F_H9, digits);
}

bool PackPrescale_H9(int flag, const QString& text)
{
    const QString digits = FormatValueDigits(1, text.trimmed(), 3);
    return flag == 0 ? RegImage_H9.CounterB.PutDigits(kRegMagnificationB_H9, digits)
                     : RegImage_H9.TachoCnt.PutDigits(kRegMagnificationB_H9, digits);
}

bool PackTwoStageSetValues_H9(const QString& stage0, const QString& stage1)
{
    const QString d0 = SplitDigits(sixDigits(stage0));
    const QString d1 = SplitDigits(sixDigits(stage1));
    if (d0.isEmpty() || d1.isEmpty())
        return false;
    return RegImage_H9.TwoStage.PutDigits(kRegTimerSetting_T_Dual_0_H9, d0)
        && RegImage_H9.TwoStage.PutDigits(kRegTimerSetting_T_Dual_1_H9, d1);
}

bool PackTwoStageOutputTimes_H9(const QString& stage0, const QString& stage1)
{
    const QString d0 = FormatValueDigits(1, stage0, 2);
    const QString d1 = FormatValueDigits(1, stage1, 2);
    if (d0.size() != 8 || d1.size() != 8)
        return false;
    return RegImage_H9.TwoStage.PutDigits(kRegHoldTime_T_Dual_0_H9, d0)
        && RegImage_H9.TwoStage.PutDigits(kRegHoldTime_T_Dual_1_H9, d1);
}

bool PackDualCounterSetValue_H9(const QString& text)
{
    return RegImage_H9.DualCounter.PutDigits(kRegCounterSetting_C_Dual_0_H9, SplitDigits(sixDigits(text)));
}

bool PackDualCounterOutputTime_H9(const QString& text)
{
    return RegImage_H9.DualCounter.PutDigits(kRegHoldCounter_C_Dual_0_H9, FormatValueDigits(1, text, 2));
}

bool PackDualTachoSetValue_H9(const QString& text)
{
    return RegImage_H9.DualTacho.PutDigits(kRegCounterSettingA_Dual_F_H9, SplitDigits(sixDigits(text)));
}

bool EncodeTimerA_H9()
{
    RegImage_H9.TimerA.Clear();
    if (!PackTimerSetValue_H9(row(H9Row::lblTimerSettingA, timerCounterParamsH9.nTimeRangeA_H9 == 0 ? 2 : 0)))
        return false;
    if (!PackTimerOutputTime_H9(row(H9Row::lblHoldTimeA, 2)))
        return false;
    RegImage_H9.TimerA.PutSetting(kRegOutputModeA_H9, timerCounterParamsH9.nOutputModeA_H9);
    return true;
}

bool EncodeCounterB_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    RegBlock& b = RegImage_H9.CounterB;
    b.Clear();
    if (!PackCounterSetValue_H9(0, p.nDotAdjB_H9, row(H9Row::lblCounterSettingB, p.nDotAdjB_H9)))
        return false;
    if (!PackCounterTime_H9(0, row(H9Row::lblHoldCounterB, 2)))
        return false;
    if (!PackPrescale_H9(0, row(H9Row::lblMagnificationB, 3)))
        return false;
    b.PutSetting(kRegMaxFreqB_H9, p.nMaxFreqB_H9);
    b.PutSetting(kRegDotAdjB_H9, p.nDotAdjB_H9);
    b.PutSetting(kRegCountInputModeB_H9, p.nCountInputModeB_H9);
    b.PutSetting(kRegOutputModeB_H9, p.nOutputModeB_H9);
    return true;
}

bool EncodeTachoB_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    RegImage_H9.TachoB.Clear();
    RegImage_H9.TachoCnt.Clear();
    if (!PackCounterSetValue_H9(1, p.nDotAdjB_F_H9, row(H9Row::lblCounterSettingB_F, p.nDotAdjB_F_H9)))
        return false;
    if (!PackCounterTime_H9(1, row(H9Row::lblHoldCounterB_F, 2)))
        return false;
    if (!PackPrescale_H9(1, row(H9Row::lblMagnificationB_F, 3)))
        return false;
    RegBlock& cnt = RegImage_H9.TachoCnt;
    cnt.PutSetting(kRegMaxFreqB_H9, p.nMaxFreqB_F_H9);
    cnt.PutSetting(kRegDotAdjB_H9, p.nDotAdjB_F_H9);
    cnt.PutSetting(kRegCountInputModeB_H9, 0);
    cnt.PutSetting(kRegOutputModeB_H9, 0);
    RegImage_H9.TachoB.PutSetting(kRegOutputModeB_F_H9, p.nOutputModeB_F_H9);
    RegImage_H9.TachoB.PutSetting(kRegSampleAvgB_F_H9, p.nSampleAvgB_F_H9);
    return true;
}

bool EncodeTwoStageTimer_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    RegBlock& b = RegImage_H9.TwoStage;
    b.Clear();
    if (!PackTwoStageSetValues_H9(row(H9Row::lblTimerSetting_T_Dual_0, 0),
                                  row(H9Row::lblTimerSetting_T_Dual_1, 0)))
        return false;
    if (!PackTwoStageOutputTimes_H9(row(H9Row::lblHoldTime_T_Dual_0, 2),
                                    row(H9Row::lblHoldTime_T_Dual_1, 2)))
        return false;
    b.PutSetting(kRegDualFunc_H9, p.nDualFunc_H9);
    b.PutSetting(kRegOutputMode_T_Dual_0_H9, p.nOutputMode_T_Dual_0_H9);
    b.PutSetting(kRegOutputMode_T_Dual_1_H9, p.nOutputMode_T_Dual_1_H9);
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
    b.PutSetting(kRegDualCounterMode_H9, timerCounterParamsH9.nDualCounterMode_H9);
    b.PutSetting(kRegOutputMode_C_Dual_0_H9, timerCounterParamsH9.nOutputMode_C_Dual_0_H9);
    return true;
}

bool EncodeDualCounterB_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    RegBlock& b = RegImage_H9.CounterB;
    b.Clear();
    if (!PackCounterSetValue_H9(2, 0, row(H9Row::lblCounterSetting_C_Dual_1, 0)))
        return false;
    if (!PackCounterTime_H9(0, row(H9Row::lblHoldCounter_C_Dual_1, 2)))
        return false;
    if (!PackPrescale_H9(0, QStringLiteral("1")))
        return false;
    b.PutSetting(kRegMaxFreqB_H9, p.nMaxFreq_C_Dual_1_H9);
    b.PutSetting(kRegDotAdjB_H9, 0);
    b.PutSetting(kRegCountInputModeB_H9, p.nCountInputMode_C_Dual_1_H9);
    b.PutSetting(kRegOutputModeB_H9, p.nOutputMode_C_Dual_1_H9);
    return true;
}

bool EncodeDualTacho_H9()
{
    RegBlock& b = RegImage_H9.DualTacho;
    b.Clear();
    if (!PackDualTachoSetValue_H9(row(H9Row::lblCounterSettingA_Dual_F, 0)))
        return false;
    b.PutSetting(kRegOutputModeA_Dual_F_H9, timerCounterParamsH9.nOutputModeA_Dual_F_H9);
    return true;
}

bool EncodeDualTachoB_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    RegImage_H9.TachoB.Clear();
    RegImage_H9.TachoCnt.Clear();
    if (!PackCounterSetValue_H9(1, 0, row(H9Row::lblCounterSettingB_Dual_F, 0)))
        return false;
    if (!PackCounterTime_H9(1, row(H9Row::lblHoldCounterB_Dual_F, 2)))
        return false;
    RegBlock& cnt = RegImage_H9.TachoCnt;
    if (!cnt.PutDigits(kRegMagnificationB_H9, QStringLiteral("00010000"))) // prescale 1.000
        return false;
    cnt.PutSetting(kRegMaxFreqB_H9, p.nMaxFreqB_Dual_F_H9);
    cnt.PutSetting(kRegDotAdjB_H9, 0);
    cnt.PutSetting(kRegCountInputModeB_H9, 0);
    cnt.PutSetting(kRegOutputModeB_H9, 0);
    RegImage_H9.TachoB.PutSetting(kRegOutputModeB_F_H9, p.nOutputModeB_Dual_F_H9);
    RegImage_H9.TachoB.PutSetting(kRegSampleAvgB_F_H9, p.nSampleAvgB_Dual_F_H9);
    return true;
}
