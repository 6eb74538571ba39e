#include "transfer/h7_encoder.h"

#include "core/digit_rows.h"
#include "core/h5h7_params.h"
#include "core/h5h7_registers.h"
#include "core/key_protect.h"
#include "transfer/h5_encoder.h"

RegImageH7 RegImage_H7;

void RegImageH7::Reset() { *this = RegImageH7{}; }

bool PackDigits_H7(int reg, const QString& rowText, int kind)
{
    RegBlock& b = RegImage_H7.Cnt;
    if (kind == 0)
        return PackSixDigits(b, reg, rowText);

    // Only label 0 may carry the sign; the digits after it are packed behind a "0".
    quint8 sign = 0;
    QString six;
    if (rowText.startsWith(QLatin1Char('-'))) {
        if (rowText.size() < 6)
            return false;
        six = QLatin1Char('0') + rowText.mid(1, 5);
        sign = 1;
    } else {
        six = DigitRowText(rowText, 0);
    }
    if (PlainDigits(six).isEmpty() || !b.PutDigits(reg, QStringLiteral("00") + six))
        return false;
    b.PutSetting(kind == 1 ? kRegSign1_H7 : kRegSign2_H7, sign);
    return true;
}

namespace {

// Auto-zero and startup times: labels 2 to 5 as one register of four BCD digits.
bool packFourDigits(int reg, H5H7Row row)
{
    const QString six = DigitRowText(RowText(row), 0);
    if (six.isEmpty())
        return false;
    RegBlock& b = RegImage_H7.Cnt;
    b.setByReg(reg, static_cast<quint8>(six[4].digitValue() * 16 + six[5].digitValue()));
    b.setByReg(reg + 1, static_cast<quint8>(six[2].digitValue() * 16 + six[3].digitValue()));
    b.setRegFlag(reg, true);
    b.setRegFlag(reg + 1, true);
    return true;
}

} // namespace

int Encode_H7()
{
    RegBlock& c = RegImage_H7.Comm;
    RegBlock& n = RegImage_H7.Cnt;
    c.Clear();
    n.Clear();
    if (nFuncMode < 0 || nFuncMode > 255)
        return 1;
    const CounterParamsH7& p = counterParamsH7;
    c.PutSetting(kRegFuncMode, static_cast<quint8>(nFuncMode));
    c.PutSetting(kRegSGWidth_H5H7, p.nSGWidth_H7);
    c.PutSetting(kRegInputMethod_H5H7, p.nInputMethod_H7);
    c.PutSetting(kRegKP_H5H7, p.nKP_H7);
    c.PutSetting(kRegKeyProtect_H5H7, bKeyProtect);

    // Without an editor's rows there is nothing to encode.
    if (!H5H7Rows::registered())
        return 1;
    n.PutSetting(kRegMaxFreq_H7, p.nMaxFreq_H7);
    n.PutSetting(kRegDotAdj_H7, p.nDotAdj_H7);
    if (!PackDigits_H7(kRegMagnification_H7, RowText(H5H7Row::lblMagnification_Comm_H7), 0))
        return 1;

    bool ok = true;
    switch (nFuncMode) {
    case 3:
    case 5:
        n.PutSetting(kRegCountInputMode_H7, p.nCountInputMode_1st_H7);
        n.PutSetting(kRegOutputMode_H7, p.nOutputMode_1st_H7);
        ok = PackDigits_H7(kRegCounterSetting1_H7, RowText(H5H7Row::lblCounterSetting_1st_H7), 1)
          && PackDigits_H7(kRegHoldCounter1_H7, RowText(H5H7Row::lblHoldCounter_1st_H7), 0);
        break;
    case 4:
        n.PutSetting(kRegCountInputMode_H7, p.nCountInputMode_2nd_H7);
        n.PutSetting(kRegOutputMode_H7, p.nOutputMode_2nd_H7);
        ok = PackDigits_H7(kRegCounterSetting1_H7, RowText(H5H7Row::lblCounterSetting_2nd_1_H7), 1)
          && PackDigits_H7(kRegCounterSetting2_H7, RowText(H5H7Row::lblCounterSetting_2nd_2_H7), 2)
          && PackDigits_H7(kRegHoldCounter1_H7, RowText(H5H7Row::lblHoldCounter_2nd_1_H7), 0)
          && PackDigits_H7(kRegHoldCounter2_H7, RowText(H5H7Row::lblHoldCounter_2nd_2_H7), 0);
        break;
    case 6:
    case 7:
        n.PutSetting(kRegOutputMode_H7, p.nOutputMode_batch_H7);
        ok = PackDigits_H7(kRegCounterSetting1_H7, RowText(H5H7Row::lblCounterSetting_batch_1_H7), 1);
        if (ok && nFuncMode == 6) {
            ok = PackDigits_H7(kRegCounterSetting2_H7, RowText(H5H7Row::lblCounterSetting_batch_2_H7), 2);
            n.PutSetting(kRegCountInputMode_H7, p.nCountInputMode_batch_H7);
        } else if (ok) {
            // The dual counter's ADD/SUB choice has a register of its own; the first
            // input register always holds 3 in this mode.
            n.PutSetting(kRegDualInputMode_H7, p.nCountInputMode_batch_H7);
            n.PutSetting(kRegCountInputMode_H7, 3);
        }
        ok = ok && PackDigits_H7(kRegHoldCounter1_H7, RowText(H5H7Row::lblHoldCounter_batch_H7), 0);
        break;
    case 8:
        n.PutSetting(kRegCountInputMode_H7, 3);
        n.PutSetting(kRegOutputMode_freq_H7, p.nOutputMode_freq_H7);
        n.PutSetting(kRegSampleAvg_freq_H7, p.nSampleAvg_freq_H7);
        ok = PackDigits_H7(kRegCounterSetting1_H7, RowText(H5H7Row::lblCounterSetting_freq_1_H7), 0)
          && PackDigits_H7(kRegCounterSetting2_H7, RowText(H5H7Row::lblCounterSetting_freq_2_H7), 0)
          && packFourDigits(kRegAuto2ZeroTime_freq_H7, H5H7Row::lblAuto2ZeroTime_freq_H7)
          && packFourDigits(kRegDelay2StartTime_freq_H7, H5H7Row::lblDelay2StartTime_freq_H7);
        break;
    default:
        break;
    }
    return ok ? 0 : 1;
}
