#include "settings_file/h9_image.h"

#include "core/digit_rows.h"
#include "core/h9_params.h"
#include "core/machine_type.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "transfer/h9_checks.h"

using settings_image::ImageWriter;
using settings_image::orderByDecimalPoint;
using settings_image::orderLeading;
using settings_image::orderPrescale;
using settings_image::orderTwoDecimals;

namespace {

// Runs a section's check and, when it passes, its writes; the result of a section.
template <class Writes>
int putSection(int (*check)(), Writes writes)
{
    commState.nErrCode = check();
    if (commState.nErrCode != 0)
        return commState.nErrCode;
    ImageWriter w(byFileBuf);
    writes(w);
    return w.ok() ? 0 : kSaveFailed;
}

// The order of a set value by its decimal point; a point the layout does not have
// leaves nothing that could be stored.
void rowByDecimalPoint(ImageWriter& w, int pos, H9Row row, int d)
{
    if (const auto order = orderByDecimalPoint(d))
        w.row(pos, RowText(row), *order);
    else
        w.fail();
}

} // namespace

int PutTimerA_H9()
{
    return putSection(&CheckTimerA_H9, [](ImageWriter& w) {
        const TimerCounterParamsH9& p = timerCounterParamsH9;
        w.hexadecimal(25, p.nTimeRangeA_H9)
            .hexadecimal(26, p.nCountDirectionA_H9)
            .hexadecimal(28, p.nOutputModeA_H9)
            .row(29, RowText(H9Row::lblTimerSettingA), p.nTimeRangeA_H9 == 0 ? orderTwoDecimals() : orderLeading())
            .row(36, RowText(H9Row::lblHoldTimeA), orderTwoDecimals());
    });
}

int PutPartB_H9()
{
    return putSection(&CheckPartB_H9, [](ImageWriter& w) {
        const TimerCounterParamsH9& p = timerCounterParamsH9;
        if (p.nFuncB_H9 == 0) {
            w.hexadecimal(52, p.nCountInputModeB_H9)
                .hexadecimal(53, p.nDotAdjB_H9)
                .hexadecimal(54, p.nMaxFreqB_H9)
                .hexadecimal(55, p.nOutputModeB_H9)
                .row(57, RowText(H9Row::lblMagnificationB), orderPrescale());
            rowByDecimalPoint(w, 63, H9Row::lblCounterSettingB, p.nDotAdjB_H9);
            w.row(70, RowText(H9Row::lblHoldCounterB), orderTwoDecimals());
        } else {
            w.hexadecimal(91, p.nSampleAvgB_F_H9)
                .hexadecimal(92, p.nDotAdjB_F_H9)
                .hexadecimal(93, p.nMaxFreqB_F_H9)
                .hexadecimal(94, p.nOutputModeB_F_H9)
                .row(95, RowText(H9Row::lblMagnificationB_F), orderPrescale());
            rowByDecimalPoint(w, 101, H9Row::lblCounterSettingB_F, p.nDotAdjB_F_H9);
            w.row(108, RowText(H9Row::lblHoldCounterB_F), orderTwoDecimals());
        }
    });
}

int PutDualTimer_H9()
{
    return putSection(&CheckTwoStageTimer_H9, [](ImageWriter& w) {
        w.hexadecimal(131, timerCounterParamsH9.nOutputMode_T_Dual_0_H9)
            .hexadecimal(151, timerCounterParamsH9.nOutputMode_T_Dual_1_H9)
            .row(132, RowText(H9Row::lblTimerSetting_T_Dual_0), orderLeading())
            .row(139, RowText(H9Row::lblHoldTime_T_Dual_0), orderTwoDecimals())
            .row(152, RowText(H9Row::lblTimerSetting_T_Dual_1), orderLeading())
            .row(159, RowText(H9Row::lblHoldTime_T_Dual_1), orderTwoDecimals());
    });
}

int PutDualCounter_H9()
{
    return putSection(&CheckDualCounter_H9, [](ImageWriter& w) {
        const TimerCounterParamsH9& p = timerCounterParamsH9;
        w.hexadecimal(171, p.nDualCounterMode_H9)
            .hexadecimal(172, p.nOutputMode_C_Dual_0_H9)
            .hexadecimal(191, p.nCountInputMode_C_Dual_1_H9)
            .hexadecimal(192, p.nMaxFreq_C_Dual_1_H9)
            .hexadecimal(193, p.nOutputMode_C_Dual_1_H9)
            .row(173, RowText(H9Row::lblCounterSetting_C_Dual_0), orderLeading())
            .row(180, RowText(H9Row::lblHoldCounter_C_Dual_0), orderTwoDecimals())
            .row(195, RowText(H9Row::lblCounterSetting_C_Dual_1), orderLeading())
            .row(202, RowText(H9Row::lblHoldCounter_C_Dual_1), orderTwoDecimals());
    });
}

int PutDualTacho_H9()
{
    return putSection(&CheckDualTacho_H9, [](ImageWriter& w) {
        const TimerCounterParamsH9& p = timerCounterParamsH9;
        w.hexadecimal(221, p.nOutputModeA_Dual_F_H9)
            .hexadecimal(231, p.nSampleAvgB_Dual_F_H9)
            .hexadecimal(232, p.nMaxFreqB_Dual_F_H9)
            .hexadecimal(233, p.nOutputModeB_Dual_F_H9)
            .row(222, RowText(H9Row::lblCounterSettingA_Dual_F), orderLeading())
            .row(234, RowText(H9Row::lblCounterSettingB_Dual_F), orderLeading())
            .row(241, RowText(H9Row::lblHoldCounterB_Dual_F), orderTwoDecimals());
    });
}

int BuildFileImage_H9()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    byFileBuf = settings_image::blankImage();
    ImageWriter w(byFileBuf);
    w.header(nMacType).decimal(8, bKeyProtect).decimal(9, p.bPowerSaving_H9).decimal(21, p.nFuncType_H9);
    if (!w.ok())
        return kSaveFailed;

    int r = 0;
    if (p.nFuncType_H9 == 0) {
        if ((r = PutTimerA_H9()) != 0)
            return r;
        if (!w.decimal(51, p.nFuncB_H9).ok())
            return kSaveFailed;
        if ((r = PutPartB_H9()) != 0)
            return r;
    } else if (p.nFuncType_H9 == 1) {
        if (!w.decimal(130, p.nDualFunc_H9).ok())
            return kSaveFailed;
        switch (p.nDualFunc_H9) {
        case 0: r = PutDualTimer_H9(); break;
        case 1: r = PutDualCounter_H9(); break;
        case 2: r = PutDualTacho_H9(); break;
        default: return kSaveFailed;
        }
        if (r != 0)
            return r;
    } else {
        return kSaveFailed;
    }

    w.decimal(251, p.nSGWidth_H9).decimal(252, p.nInputMethod_H9);
    return w.ok() ? 0 : kSaveFailed;
}
