#include "transfer/encoder_h5.h"

#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h5h7/h5h7_params.h"
#include "editors/h9/key_protect.h"

RegImageH5 RegImage_H5;

void RegImageH5::Reset() { *this = RegImageH5{}; }

bool PackSixDigits(RegBlock& block, int n, const DigitLabelArray& row)
{
    // The digits travel as shown; the range or decimal-point register sent beside
    // them tells the instrument where the point or colon lies.
    const QString six = DigitRowText(row, 0);
    if (six.isEmpty())
        return false;
    return block.PutDigits(n, QStringLiteral("00") + six);
}

namespace {

// Rows are read from the editor the job was started from; without it there is
// nothing to encode (and loading a window here would encode its defaults).
frmModeSetting_H7* editor() { return frmModeSetting_H7::loaded(); }

bool packRow(int n, DigitLabelArray* frmModeSetting_H7::*row)
{
    frmModeSetting_H7* f = editor();
    if (!f || !(f->*row))
        return false;
    return PackSixDigits(RegImage_H5.H5, n, *(f->*row));
}

} // namespace

bool EncodeHoldTimeA_H5() { return packRow(1094, &frmModeSetting_H7::lblHoldTime_A_H5); }
bool EncodeSetValueA_H5() { return packRow(1098, &frmModeSetting_H7::lblTimerSetting_A_H5); }
// Output mode Z sends its cycle time in the set value's registers.
bool EncodeCycleTimeA_H5() { return packRow(1098, &frmModeSetting_H7::lblTimerSetting_A_H5); }
bool EncodeSetValueOffB_H5() { return packRow(1128, &frmModeSetting_H7::lblSettingValueOFF_B_H5); }
bool EncodeSetValueOnB_H5() { return packRow(1132, &frmModeSetting_H7::lblSettingValueON_B_H5); }
bool EncodeSV1C_H5() { return packRow(1158, &frmModeSetting_H7::lblSV1_C_H5); }
bool EncodeSV2C_H5() { return packRow(1162, &frmModeSetting_H7::lblSV2_C_H5); }

bool EncodeDutyRatioA_H5()
{
    // Only labels 3 to 5 carry the ratio 0..100; register 1102 holds it as three BCD
    // digits (100 % is 0x0100).
    frmModeSetting_H7* f = editor();
    if (!f || !f->lblDutyRatio_A_H5)
        return false;
    const QString six = DigitRowText(*f->lblDutyRatio_A_H5, 0);
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
