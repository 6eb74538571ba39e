#include "transfer/h5_encoder.h"

#include "core/digit_rows.h"
#include "core/h5h7_params.h"
#include "core/h5h7_registers.h"
#include "core/key_protect.h"

RegImageH5 RegImage_H5;

void RegImageH5::Reset() { *this = RegImageH5{}; }

bool PackSixDigits(RegBlock& block, int n, const QString& rowText)
{
    // The digits travel as shown; the range or decimal-point register sent beside
    // them tells the instrument where the point or colon lies.
    const QString six = DigitRowText(rowText, 0);
    if (six.isEmpty())
        return false;
    return block.PutDigits(n, QStringLiteral("00") + six);
}

namespace {

bool packRow(int n, H5H7Row row) { return PackSixDigits(RegImage_H5.H5, n, RowText(row)); }

} // namespace

bool EncodeHoldTimeA_H5() { return packRow(kRegHoldTime_A_H5, H5H7Row::lblHoldTime_A_H5); }
bool EncodeSetValueA_H5() { return packRow(kRegTimerSetting_A_H5, H5H7Row::lblTimerSetting_A_H5); }
// Output mode Z sends its cycle time in the set value's registers.
bool EncodeCycleTimeA_H5() { return packRow(kRegTimerSetting_A_H5, H5H7Row::lblTimerSetting_A_H5); }
bool EncodeSetValueOffB_H5() { return packRow(kRegSettingValueOFF_B_H5, H5H7Row::lblSettingValueOFF_B_H5); }
bool EncodeSetValueOnB_H5() { return packRow(kRegSettingValueON_B_H5, H5H7Row::lblSettingValueON_B_H5); }
bool EncodeSV1C_H5() { return packRow(kRegSV1_C_H5, H5H7Row::lblSV1_C_H5); }
bool EncodeSV2C_H5() { return packRow(kRegSV2_C_H5, H5H7Row::lblSV2_C_H5); }

bool EncodeDutyRatioA_H5()
{
    // Only labels 3 to 5 carry the ratio 0..100; register 1102 holds it as three BCD
    // digits (100 % is 0x0100).
    const QString six = DigitRowText(RowText(H5H7Row::lblDutyRatio_A_H5), 0);
    if (six.isEmpty())
        return false;
    const int d3 = six[3].digitValue();
    const int d4 = six[4].digitValue();
    const int d5 = six[5].digitValue();
    RegBlock& b = RegImage_H5.H5;
    b.setByReg(kRegDutyRatio_A_H5, static_cast<quint8>(d4 * 16 + d5));
    b.setByReg(kRegDutyRatio_A_H5 + 1, static_cast<quint8>(d3));
    b.setRegFlag(kRegDutyRatio_A_H5, true);
    b.setRegFlag(kRegDutyRatio_A_H5 + 1, true);
    return true;
}

int Encode_H5()
{
    RegBlock& b = RegImage_H5.H5;
    b.Clear();
    if (nFuncMode < 0 || nFuncMode > 255)
        return 1;
    const TimerParamsH5& p = timerParamsH5;
    b.PutSetting(kRegFuncMode, static_cast<quint8>(nFuncMode));
    b.PutSetting(kRegSGWidth_H5H7, p.nSGWidth_H5);
    b.PutSetting(kRegInputMethod_H5H7, p.nInputMethod_H5);
    b.PutSetting(kRegKP_H5H7, p.nKP_H5);
    b.PutSetting(kRegKeyProtect_H5H7, bKeyProtect);
    b.PutSetting(kRegTimerRange_A_H5, p.nTimerRange_A_H5);
    b.PutSetting(kRegTimerDir_A_H5, p.nTimerDir_A_H5);
    b.PutSetting(kRegOutputMode_A_H5, p.nOutputMode_A_H5);
    if (!EncodeHoldTimeA_H5() || !EncodeDutyRatioA_H5())
        return 1;
    if (!(p.nOutputMode_A_H5 == 9 ? EncodeCycleTimeA_H5() : EncodeSetValueA_H5()))
        return 1;

    // The twin-timer and 2-stage sections go out whatever the mode, with the values
    // the editor holds for them.
    b.PutSetting(kRegTimerRangeOFF_B_H5, p.nTimerRangeOFF_B_H5);
    b.PutSetting(kRegTimerRangeON_B_H5, p.nTimerRangeON_B_H5);
    b.PutSetting(kRegTimerDir_B_H5, p.nTimerDir_B_H5);
    b.PutSetting(kRegOutputMode_B_H5, p.nOutputMode_B_H5);
    if (!EncodeSetValueOffB_H5() || !EncodeSetValueOnB_H5())
        return 1;

    b.PutSetting(kRegSettingMode_C_H5, p.nSettingMode_C_H5);
    b.PutSetting(kRegTimerRange_C_H5, p.nTimerRange_C_H5);
    b.PutSetting(kRegOutputMode_C_H5, p.nOutputMode_C_H5);
    if (!EncodeSV1C_H5() || !EncodeSV2C_H5())
        return 1;
    return 0;
}
