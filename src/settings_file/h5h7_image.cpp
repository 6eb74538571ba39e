#include "settings_file/h5h7_image.h"

#include "core/digit_rows.h"
#include "core/h5h7_params.h"
#include "core/key_protect.h"
#include "core/machine_type.h"
#include "link/messages.h"

using settings_image::ImageWriter;

int BuildFileImage_H5()
{
    const TimerParamsH5& p = timerParamsH5;
    byFileBuf = settings_image::blankImage();
    ImageWriter w(byFileBuf);
    w.header(nMacType)
        .decimal(10, p.nKP_H5)
        .decimal(11, p.nSGWidth_H5)
        .decimal(12, p.nInputMethod_H5)
        .decimal(13, bKeyProtect)
        .decimal(31, nFuncMode)
        .decimal(32, p.nTimerRange_A_H5)
        .decimal(33, p.nTimerDir_A_H5)
        .decimal(34, p.nOutputMode_A_H5)
        .digits(35, RowText(H5H7Row::lblTimerSetting_A_H5))
        .digits(41, RowText(H5H7Row::lblHoldTime_A_H5))
        .digits(47, RowText(H5H7Row::lblDutyRatio_A_H5))
        .decimal(81, p.nTimerRangeOFF_B_H5)
        .decimal(82, p.nTimerRangeON_B_H5)
        .decimal(83, p.nTimerDir_B_H5)
        .decimal(84, p.nOutputMode_B_H5)
        .digits(85, RowText(H5H7Row::lblSettingValueOFF_B_H5))
        .digits(91, RowText(H5H7Row::lblSettingValueON_B_H5))
        .decimal(121, p.nSettingMode_C_H5)
        .decimal(122, p.nTimerRange_C_H5)
        .decimal(123, p.nOutputMode_C_H5)
        .digits(124, RowText(H5H7Row::lblSV1_C_H5))
        .digits(130, RowText(H5H7Row::lblSV2_C_H5));
    // The H5 layout holds the timer modes only.
    if (nFuncMode < 0 || nFuncMode > 2)
        w.fail();
    return w.ok() ? 0 : kSaveFailed;
}

int BuildFileImage_H7()
{
    const CounterParamsH7& p = counterParamsH7;
    byFileBuf = settings_image::blankImage();
    ImageWriter w(byFileBuf);
    w.header(nMacType)
        .decimal(10, p.nKP_H7)
        .decimal(11, p.nDotAdj_H7)
        .decimal(12, p.nInputMethod_H7)
        .digits(13, RowText(H5H7Row::lblMagnification_Comm_H7))
        .decimal(19, p.nMaxFreq_H7)
        .decimal(20, p.nSGWidth_H7)
        .decimal(21, bKeyProtect)
        .decimal(31, nFuncMode)
        .decimal(32, p.nCountInputMode_1st_H7)
        .hexadecimal(33, p.nOutputMode_1st_H7)
        .digits(36, RowText(H5H7Row::lblHoldCounter_1st_H7))
        .digits(42, RowText(H5H7Row::lblCounterSetting_1st_H7))
        .decimal(81, p.nCountInputMode_2nd_H7)
        .hexadecimal(82, p.nOutputMode_2nd_H7)
        .digits(85, RowText(H5H7Row::lblHoldCounter_2nd_1_H7))
        .digits(91, RowText(H5H7Row::lblHoldCounter_2nd_2_H7))
        .digits(97, RowText(H5H7Row::lblCounterSetting_2nd_1_H7))
        .digits(103, RowText(H5H7Row::lblCounterSetting_2nd_2_H7))
        .decimal(131, p.nCountInputMode_batch_H7)
        .hexadecimal(132, p.nOutputMode_batch_H7)
        .digits(135, RowText(H5H7Row::lblHoldCounter_batch_H7))
        .digits(141, RowText(H5H7Row::lblCounterSetting_batch_1_H7))
        .digits(147, RowText(H5H7Row::lblCounterSetting_batch_2_H7))
        .hexadecimal(181, p.nOutputMode_freq_H7)
        .decimal(183, p.nSampleAvg_freq_H7)
        .digits(184, RowText(H5H7Row::lblAuto2ZeroTime_freq_H7))
        .digits(190, RowText(H5H7Row::lblDelay2StartTime_freq_H7))
        .digits(196, RowText(H5H7Row::lblCounterSetting_freq_1_H7))
        .digits(202, RowText(H5H7Row::lblCounterSetting_freq_2_H7));
    // The H7 layout holds the counter modes only.
    if (nFuncMode < 3 || nFuncMode > 8)
        w.fail();
    return w.ok() ? 0 : kSaveFailed;
}
