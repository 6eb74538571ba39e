#include "settings_file/h9_image.h"

#include "app/machine_type.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/comm_records.h"
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
    return w.ok() ? 0 : 15;
}

// The order of a set value by its decimal point; a point the layout does not have
// leaves nothing that could be stored.
void rowByDecimalPoint(ImageWriter& w, int pos, const DigitLabelArray& row, int d)
{
    if (const auto order = orderByDecimalPoint(d))
        w.row(pos, row, *order);
    else
        w.fail();
}

frmModeSetting_H9& editor() { return frmModeSetting_H9::instance(); }

} // namespace

int PutTimerA_H9()
{
    return putSection(&CheckTimerA_H9, [](ImageWriter& w) {
        frmModeSetting_H9& ed = editor();
        w.hexadecimal(25, nTimeRangeA_H9)
            .hexadecimal(26, nCountDirectionA_H9)
            .hexadecimal(28, nOutputModeA_H9)
            .row(29, *ed.lblTimerSettingA, nTimeRangeA_H9 == 0 ? orderTwoDecimals() : orderLeading())
            .row(36, *ed.lblHoldTimeA, orderTwoDecimals());
    });
}

int PutPartB_H9()
{
    return putSection(&CheckPartB_H9, [](ImageWriter& w) {
        frmModeSetting_H9& ed = editor();
        if (nFuncB_H9 == 0) {
            w.hexadecimal(52, nCountInputModeB_H9)
                .hexadecimal(53, nDotAdjB_H9)
                .hexadecimal(54, nMaxFreqB_H9)
                .hexadecimal(55, nOutputModeB_H9)
                .row(57, *ed.lblMagnificationB, orderPrescale());
            rowByDecimalPoint(w, 63, *ed.lblCounterSettingB, nDotAdjB_H9);
            w.row(70, *ed.lblHoldCounterB, orderTwoDecimals());
        } else {
            w.hexadecimal(91, nSampleAvgB_F_H9)
                .hexadecimal(92, nDotAdjB_F_H9)
                .hexadecimal(93, nMaxFreqB_F_H9)
                .hexadecimal(94, nOutputModeB_F_H9)
                .row(95, *ed.lblMagnificationB_F, orderPrescale());
            rowByDecimalPoint(w, 101, *ed.lblCounterSettingB_F, nDotAdjB_F_H9);
            w.row(108, *ed.lblHoldCounterB_F, orderTwoDecimals());
        }
    });
}

int PutDualTimer_H9()
{
    return putSection(&CheckTwoStageTimer_H9, [](ImageWriter& w) {
        frmModeSetting_H9& ed = editor();
        w.hexadecimal(131, nOutputMode_T_Dual_0_H9)
            .hexadecimal(151, nOutputMode_T_Dual_1_H9)
            .row(132, *ed.lblTimerSetting_T_Dual_0, orderLeading())
            .row(139, *ed.lblHoldTime_T_Dual_0, orderTwoDecimals())
            .row(152, *ed.lblTimerSetting_T_Dual_1, orderLeading())
            .row(159, *ed.lblHoldTime_T_Dual_1, orderTwoDecimals());
    });
}

int PutDualCounter_H9()
{
    return putSection(&CheckDualCounter_H9, [](ImageWriter& w) {
        frmModeSetting_H9& ed = editor();
        w.hexadecimal(171, nDualCounterMode_H9)
            .hexadecimal(172, nOutputMode_C_Dual_0_H9)
            .hexadecimal(191, nCountInputMode_C_Dual_1_H9)
            .hexadecimal(192, nMaxFreq_C_Dual_1_H9)
            .hexadecimal(193, nOutputMode_C_Dual_1_H9)
            .row(173, *ed.lblCounterSetting_C_Dual_0, orderLeading())
            .row(180, *ed.lblHoldCounter_C_Dual_0, orderTwoDecimals())
            .row(195, *ed.lblCounterSetting_C_Dual_1, orderLeading())
            .row(202, *ed.lblHoldCounter_C_Dual_1, orderTwoDecimals());
    });
}

int PutDualTacho_H9()
{
    return putSection(&CheckDualTacho_H9, [](ImageWriter& w) {
        frmModeSetting_H9& ed = editor();
        w.hexadecimal(221, nOutputModeA_Dual_F_H9)
            .hexadecimal(231, nSampleAvgB_Dual_F_H9)
            .hexadecimal(232, nMaxFreqB_Dual_F_H9)
            .hexadecimal(233, nOutputModeB_Dual_F_H9)
            .row(222, *ed.lblCounterSettingA_Dual_F, orderLeading())
            .row(234, *ed.lblCounterSettingB_Dual_F, orderLeading())
            .row(241, *ed.lblHoldCounterB_Dual_F, orderTwoDecimals());
    });
}

int BuildFileImage_H9()
{
    byFileBuf = settings_image::blankImage();
    ImageWriter w(byFileBuf);
    w.header(nMacType).decimal(8, bKeyProtect).decimal(9, bPowerSaving_H9).decimal(21, nFuncType_H9);
    if (!w.ok())
        return 15;

    int r = 0;
    if (nFuncType_H9 == 0) {
        if ((r = PutTimerA_H9()) != 0)
            return r;
        if (!w.decimal(51, nFuncB_H9).ok())
            return 15;
        if ((r = PutPartB_H9()) != 0)
            return r;
    } else if (nFuncType_H9 == 1) {
        if (!w.decimal(130, nDualFunc_H9).ok())
            return 15;
        switch (nDualFunc_H9) {
        case 0: r = PutDualTimer_H9(); break;
        case 1: r = PutDualCounter_H9(); break;
        case 2: r = PutDualTacho_H9(); break;
        default: return 15;
        }
        if (r != 0)
            return r;
    } else {
        return 15;
    }

    w.decimal(251, nSGWidth_H9).decimal(252, nInputMethod_H9);
    return w.ok() ? 0 : 15;
}
