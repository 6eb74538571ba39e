#include "transfer/compare_messages.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "platform/message_box.h"
#include "platform/strings.h"

#include <iterator>

namespace {

// One parameter: an inclusive range of byte addresses and its name's string id; a
// second id names an alternative meaning of the same bytes ("a/b").
struct NameRow {
    long first;
    long last;
    int id;
    int altId;
};

// A register's bytes are n and n + 1; a value's are n to n + 3.
constexpr NameRow kRowsH9[] = {
    {kRegFamily1, kRegFamily2 + 1, res::kCheckNumber, 0},
    {kRegDeviceType, kRegDeviceType, res::kTypeLabel, 0},
    {kRegTimeCodeA_H9, kRegTimeCodeA_H9, res::kTimeRange, res::kTimeMode},
    {kTimerSlotsA_H9[0].setValue, kRegHoldTimeA_H9 - 1, res::kSetValue, 0},
    {kRegHoldTimeA_H9, kRegHoldTimeA_H9 + 3, res::kOutputTime, 0},
    {kRegOutputModeA_H9, kRegOutputModeA_H9 + 1, res::kOutputMode, 0},
    {kRegSGWidth_H9, kRegSGWidth_H9 + 1, res::kInputSignalWidth, 0},
    {kRegMaxFreqB_H9, kRegMaxFreqB_H9 + 1, res::kCountingSpeed, 0},
    {kRegInputMethod_H9, kRegInputMethod_H9 + 1, res::kNpnPnpInputMode, 0},
    {kRegMagnificationB_H9, kRegMagnificationB_H9 + 3, res::kPrescale, 0},
    {kRegDotAdjB_H9, kRegDotAdjB_H9 + 1, res::kDecimalPoint, 0},
    {kRegCounterSettingUpB_H9, kRegCounterSettingDownB_H9 + 3, res::kSetValue, 0},
    {kRegCountInputModeB_H9, kRegCountInputModeB_H9 + 1, res::kInputMode, 0},
    {kRegOutputModeB_H9, kRegOutputModeB_H9 + 1, res::kOutputMode, 0},
    {kRegHoldCounterB_H9, kRegHoldCounterB_H9 + 3, res::kOutputTime, 0},
    {kRegFuncType_H9, kRegFuncType_H9 + 1, res::kFunctionSelection, 0},
    {kRegDeviceId_H9, kRegDeviceId_H9, res::kDeviceId, 0},
    {kRegFuncB_H9, kRegFuncB_H9 + 1, res::kFunctionSelection, 0},
    {kRegOutputModeB_F_H9, kRegOutputModeB_F_H9 + 1, res::kOutputMode, 0},
    {kRegSampleAvgB_F_H9, kRegSampleAvgB_F_H9 + 1, res::kAverageProcessing, 0},
    {kRegHoldCounterB_F_H9, kRegHoldCounterB_F_H9 + 3, res::kStartupTime, 0},
    {kRegDualFunc_H9, kRegDualFunc_H9 + 1, res::kFunctionSelection, 0},
    {kRegTimerSetting_T_Dual_0_H9, kRegTimerSetting_T_Dual_1_H9 + 3, res::kSetValue, 0},
    {kRegOutputMode_T_Dual_0_H9, kRegOutputMode_T_Dual_1_H9 + 1, res::kOutputMode, 0},
    {kRegHoldTime_T_Dual_0_H9, kRegHoldTime_T_Dual_1_H9 + 3, res::kOutputTime, 0},
    {kRegDualCounterMode_H9, kRegDualCounterMode_H9 + 1, res::kFunctionSelection, 0},
    {kRegCounterSetting_C_Dual_0_H9, kRegCounterSetting_C_Dual_0_H9 + 3, res::kSetValue, 0},
    {kRegHoldCounter_C_Dual_0_H9, kRegHoldCounter_C_Dual_0_H9 + 3, res::kOutputTime, 0},
    {kRegOutputMode_C_Dual_0_H9, kRegOutputMode_C_Dual_0_H9 + 1, res::kOutputMode, 0},
    {kRegCounterSettingA_Dual_F_H9, kRegCounterSettingA_Dual_F_H9 + 3, res::kSetValue, 0},
    {kRegOutputModeA_Dual_F_H9, kRegOutputModeA_Dual_F_H9 + 1, res::kOutputMode, 0},
    {kRegPowerSaving_H9, kRegPowerSaving_H9 + 1, res::kPowerSaving, 0},
};

constexpr NameRow kRowsH5H7[] = {
    {kRegFuncMode, kRegFuncMode + 1, res::kFunctionSelection, 0},
    {kRegSGWidth_H5H7, kRegSGWidth_H5H7 + 1, res::kInputSignalWidth, 0},
    {kRegInputMethod_H5H7, kRegInputMethod_H5H7 + 1, res::kNpnPnpInputMode, 0},
    {kRegKP_H5H7, kRegKP_H5H7 + 1, res::kKeyProtectLevel, 0},
    {kRegKeyProtect_H5H7, kRegKeyProtect_H5H7 + 1, res::kKeyProtection, 0},
    {kRegTimerRange_A_H5, kRegTimerRange_A_H5 + 1, res::kTimeRange, 0},
    {kRegTimerDir_A_H5, kRegTimerDir_A_H5 + 1, res::kTimeMode, 0},
    {kRegOutputMode_A_H5, kRegOutputMode_A_H5 + 1, res::kOutputMode, 0},
    {kRegHoldTime_A_H5, kRegHoldTime_A_H5 + 3, res::kOutputTime, 0},
    {kRegTimerSetting_A_H5, kRegTimerSetting_A_H5 + 3, res::kSetValue, res::kCycleTime},
    {kRegDutyRatio_A_H5, kRegDutyRatio_A_H5 + 1, res::kOnDutyRatio, 0},
    {kRegTimerRangeOFF_B_H5, kRegTimerRangeON_B_H5 + 1, res::kTimeRange, 0},
    {kRegTimerDir_B_H5, kRegTimerDir_B_H5 + 1, res::kTimeMode, 0},
    {kRegOutputMode_B_H5, kRegOutputMode_B_H5 + 1, res::kOnOffStartMode, 0},
    {kRegSettingValueOFF_B_H5, kRegSettingValueON_B_H5 + 3, res::kSetValue, 0},
    {kRegSettingMode_C_H5, kRegSettingMode_C_H5 + 1, res::kSettingMethod, 0},
    {kRegTimerRange_C_H5, kRegTimerRange_C_H5 + 1, res::kTimeRange, 0},
    {kRegOutputMode_C_H5, kRegOutputMode_C_H5 + 1, res::kOutputMode, 0},
    {kRegSV1_C_H5, kRegSV2_C_H5 + 3, res::kSetValue, 0},
    {kRegCountInputMode_H7, kRegCountInputMode_H7 + 1, res::kInputMode, 0},
    {kRegOutputMode_H7, kRegOutputMode_H7 + 1, res::kOutputMode, 0},
    {kRegMaxFreq_H7, kRegMaxFreq_H7 + 1, res::kCountingSpeed, 0},
    {kRegDotAdj_H7, kRegDotAdj_H7 + 1, res::kDecimalPoint, 0},
    {kRegMagnification_H7, kRegMagnification_H7 + 3, res::kPrescale, 0},
    {kRegCounterSetting1_H7, kRegCounterSetting2_H7 + 3, res::kSetValue, 0},
    {kRegHoldCounter1_H7, kRegHoldCounter2_H7 + 3, res::kOutputTime, 0},
    {kRegDualInputMode_H7, kRegDualInputMode_H7 + 1, res::kInputMode, 0},
    {kRegOutputMode_freq_H7, kRegOutputMode_freq_H7 + 1, res::kOutputMode, 0},
    {kRegSampleAvg_freq_H7, kRegSampleAvg_freq_H7 + 1, res::kAverageProcessing, 0},
    {kRegAuto2ZeroTime_freq_H7, kRegAuto2ZeroTime_freq_H7 + 1, res::kAutoZeroTime, 0},
    {kRegDelay2StartTime_freq_H7, kRegDelay2StartTime_freq_H7 + 1, res::kStartupTime, 0},
};

template <std::size_t N>
QString nameIn(const NameRow (&rows)[N], long address)
{
    for (const NameRow& row : rows) {
        if (address < row.first || address > row.last)
            continue;
        QString name = platform::LoadResString(row.id);
        if (row.altId != 0)
            name += QLatin1Char('/') + platform::LoadResString(row.altId);
        return name;
    }
    return QStringLiteral("ADD:") + QString::number(address, 16).toUpper()
         + QStringLiteral("  Unknow");
}

void showMismatch(const QString& name)
{
    platform::MsgBox(platform::LoadResString(res::kProgramDifferent) + name, platform::MsgButtons::Ok,
                     platform::MsgIcon::Exclamation, QStringLiteral("Compare"));
}

} // namespace

QString CompareMismatchName_H9(long address) { return nameIn(kRowsH9, address); }
QString CompareMismatchName_H5H7(long address) { return nameIn(kRowsH5H7, address); }

void ShowCompareMismatch_H9(long address) { showMismatch(CompareMismatchName_H9(address)); }
void ShowCompareMismatch_H5H7(long address) { showMismatch(CompareMismatchName_H5H7(address)); }
