#include "transfer/h9_checks.h"

#include "core/digit_rows.h"
#include "core/h9_params.h"
#include "link/messages.h"
#include "transfer/register_image.h"

namespace {

struct Limits {
    float minimum;
    float maximum;
    int decimals;
};

Limits limitsOf(quint8 kind, quint8 limitFlag)
{
    switch (kind) {
    case 0: return {1.0f, 999999.0f, 0};
    case 1: return {0.1f, 99999.9f, 1};
    case 2: return {0.01f, 9999.99f, 2};
    case 3: return {0.001f, limitFlag ? 99.999f : 999.999f, 3};
    case 4: return {0.0001f, 99.9999f, 4};
    case 5: return {0.0f, 9999.99f, 5};
    default: return {0.0f, 0.0f, kind};
    }
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

int CheckValue_H9(quint8 kind, quint8 limitFlag, const QString& text)
{
    // Only digits and points: a text the instrument could not be sent never passes.
    int digits = 0;
    int points = 0;
    for (QChar c : text) {
        if (isDigit(c))
            ++digits;
        else if (c == QLatin1Char('.'))
            ++points;
        else
            return 1;
    }
    if (digits == 0 || points > 1)
        return 1;

    const Limits lim = limitsOf(kind, limitFlag);
    bool ok = false;
    const float v = static_cast<float>(text.toDouble(&ok));
    if (!ok || v < lim.minimum || v > lim.maximum)
        return 1;
    if (points == 0)
        return 0;

    const qsizetype p = text.indexOf(QLatin1Char('.')) + 1; // 1-based position
    const qsizetype len = text.size();
    if (len - p <= lim.decimals)
        return 0;
    // Trailing zeros beyond the allowed decimals are harmless; any other digit is not.
    const QString fraction = text.mid(p);
    qsizetype n = fraction.size();
    while (n > 0 && fraction[n - 1] == QLatin1Char('0'))
        --n;
    return n > lim.decimals ? 1 : 0;
}

namespace {

// Output modes of the counter output list that have an output time.
bool hasOutputTime(quint8 counterOutputMode)
{
    return (counterOutputMode >= 3 && counterOutputMode <= 5)
           || (counterOutputMode >= 9 && counterOutputMode <= 13);
}

// A row whose captions are not all digits gives an empty text, which fails its check.
bool fails(quint8 kind, quint8 limitFlag, H9Row row, int decimals)
{
    return CheckValue_H9(kind, limitFlag, DigitRowText(RowText(row), decimals)) != 0;
}

} // namespace

int CheckTimerA_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    const bool seconds = p.nTimeRangeA_H9 == 0;
    if (fails(seconds ? 2 : 0, 0, H9Row::lblTimerSettingA, seconds ? 2 : 0))
        return kWrongTimerSetValue;
    // Signal ON delay 1 and 4 have no output time.
    if (p.nOutputModeA_H9 != 0 && p.nOutputModeA_H9 != 5 && fails(2, 0, H9Row::lblHoldTimeA, 2))
        return kOutputTimeError;
    return 0;
}

int CheckPartB_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    if (p.nFuncB_H9 != 0) {
        if (fails(p.nDotAdjB_F_H9, 0, H9Row::lblCounterSettingB_F, p.nDotAdjB_F_H9))
            return kWrongTachoSetValue;
        if (fails(5, 0, H9Row::lblHoldCounterB_F, 2))
            return kWrongStartupTime;
        if (fails(3, 1, H9Row::lblMagnificationB_F, 3))
            return kWrongPrescale;
        return 0;
    }
    if (fails(p.nDotAdjB_H9, 0, H9Row::lblCounterSettingB, p.nDotAdjB_H9))
        return kWrongCounterSetValue;
    if (hasOutputTime(p.nOutputModeB_H9) && fails(2, 0, H9Row::lblHoldCounterB, 2))
        return kOutputTimeError;
    if (fails(3, 1, H9Row::lblMagnificationB, 3))
        return kWrongPrescale;
    return 0;
}

int CheckTwoStageTimer_H9()
{
    const QString stage0 = DigitRowText(RowText(H9Row::lblTimerSetting_T_Dual_0), 0);
    const QString stage1 = DigitRowText(RowText(H9Row::lblTimerSetting_T_Dual_1), 0);
    if (CheckValue_H9(0, 0, stage0) != 0 || CheckValue_H9(0, 0, stage1) != 0)
        return kWrongTimerSetValue;
    // Both texts passed, so both are six-digit whole numbers.
    if (stage1.toInt() < stage0.toInt())
        return kTimer1BelowTimer0;
    if (timerCounterParamsH9.nOutputMode_T_Dual_0_H9 == 1 && fails(2, 0, H9Row::lblHoldTime_T_Dual_0, 2))
        return kOutputTimeError;
    if (timerCounterParamsH9.nOutputMode_T_Dual_1_H9 == 1 && fails(2, 0, H9Row::lblHoldTime_T_Dual_1, 2))
        return kOutputTimeError;
    return 0;
}

int CheckDualCounter_H9()
{
    if (fails(0, 0, H9Row::lblCounterSetting_C_Dual_0, 0))
        return kWrongCounterSetValue;
    if (timerCounterParamsH9.nOutputMode_C_Dual_0_H9 == 1 && fails(2, 0, H9Row::lblHoldCounter_C_Dual_0, 2))
        return kOutputTimeError;
    if (fails(0, 0, H9Row::lblCounterSetting_C_Dual_1, 0))
        return kWrongCounterSetValue;
    if (hasOutputTime(timerCounterParamsH9.nOutputMode_C_Dual_1_H9) && fails(2, 0, H9Row::lblHoldCounter_C_Dual_1, 2))
        return kOutputTimeError;
    return 0;
}

int CheckDualTacho_H9()
{
    if (fails(0, 0, H9Row::lblCounterSettingA_Dual_F, 0))
        return kWrongTachoSetValue;
    if (fails(0, 0, H9Row::lblCounterSettingB_Dual_F, 0))
        return kWrongTachoSetValue;
    if (fails(5, 0, H9Row::lblHoldCounterB_Dual_F, 2))
        return kWrongStartupTime;
    return 0;
}
