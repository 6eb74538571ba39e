#include "transfer/h5_encoder.h"

#include "core/digit_rows.h"
#include "core/h5h7_params.h"
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

bool EncodeHoldTimeA_H5() { return packRow(1094, H5H7Row::lblHoldTime_A_H5); }
bool EncodeSetValueA_H5() { return packRow(1098, H5H7Row::lblTimerSetting_A_H5); }
// Output mode Z sends its cycle time in the set value's registers.
bool EncodeCycleTimeA_H5() { return packRow(1098, H5H7Row::lblTimerSetting_A_H5); }
bool EncodeSetValueOffB_H5() { return packRow(1128, H5H7Row::lblSettingValueOFF_B_H5); }
bool EncodeSetValueOnB_H5() { return packRow(1132, H5H7Row::lblSettingValueON_B_H5); }
bool EncodeSV1C_H5() { return packRow(1158, H5H7Row::lblSV1_C_H5); }
bool EncodeSV2C_H5() { return packRow(1162, H5H7Row::lblSV2_C_H5); }

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
    b.setByReg(1102, static_cast<quint8>(d4 * 16 + d5));
    b.setByReg(1103, static_cast<quint8>(d3));
    b.setRegFlag(1102, true);
    b.setRegFlag(1103, true);
    return true;
}

int Encode_H5()
{
    RegBlock& b = RegImage_H5.H5;
    b.Clear();
    if (nFuncMode < 0 || nFuncMode > 255)
        return 1;
    const TimerParamsH5& p = timerParamsH5;
    b.PutSetting(1074, static_cast<quint8>(nFuncMode));
    b.PutSetting(1076, p.nSGWidth_H5);
    b.PutSetting(1078, p.nInputMethod_H5);
    b.PutSetting(1080, p.nKP_H5);
    b.PutSetting(1084, bKeyProtect);
    b.PutSetting(1088, p.nTimerRange_A_H5);
    b.PutSetting(1090, p.nTimerDir_A_H5);
    b.PutSetting(1092, p.nOutputMode_A_H5);
    if (!EncodeHoldTimeA_H5() || !EncodeDutyRatioA_H5())
        return 1;
    if (!(p.nOutputMode_A_H5 == 9 ? EncodeCycleTimeA_H5() : EncodeSetValueA_H5()))
        return 1;

    // The twin-timer and 2-stage sections go out whatever the mode, with the values
    // the editor holds for them.
    b.PutSetting(1120, p.nTimerRangeOFF_B_H5);
    b.PutSetting(1122, p.nTimerRangeON_B_H5);
    b.PutSetting(1124, p.nTimerDir_B_H5);
    b.PutSetting(1126, p.nOutputMode_B_H5);
    if (!EncodeSetValueOffB_H5() || !EncodeSetValueOnB_H5())
        return 1;

    b.PutSetting(1152, p.nSettingMode_C_H5);
    b.PutSetting(1154, p.nTimerRange_C_H5);
    b.PutSetting(1156, p.nOutputMode_C_H5);
    if (!EncodeSV1C_H5() || !EncodeSV2C_H5())
        return 1;
    return 0;
}
