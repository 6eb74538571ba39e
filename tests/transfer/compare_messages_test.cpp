#include "transfer/compare_messages.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "platform/strings.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class CompareMessages : public ::testing::Test {
protected:
    void SetUp() override { platform::setLanguage(platform::Language::English); }
};

TEST_F(CompareMessages, H9NamesJoinTwoIdsAndKeepBlanks)
{
    EXPECT_EQ(CompareMismatchName_H9(kRegTimeCodeA_H9), "Time Range/Time Mode");
    EXPECT_EQ(CompareMismatchName_H9(kRegDeviceType), "Type :  ");
    // Every byte of a multi-byte value carries the value's name.
    EXPECT_EQ(CompareMismatchName_H9(kTimerSlotsA_H9[0].setValue), "Set Value");
    EXPECT_EQ(CompareMismatchName_H9(kTimerSlotsA_H9[7].setValue + 3), "Set Value");
    EXPECT_EQ(CompareMismatchName_H9(kRegHoldCounterB_H9 + 3), "Output Time");
    EXPECT_EQ(CompareMismatchName_H9(kRegPowerSaving_H9), "Power Saving");
    EXPECT_EQ(CompareMismatchName_H9(kRegDeviceId_H9), "Device ID");
}

TEST_F(CompareMessages, AddressesInNoRowAreNamedByHexAddress)
{
    EXPECT_EQ(CompareMismatchName_H9(kRegTimeCodeA_H9 + 1), "ADD:45B  Unknow");
    EXPECT_EQ(CompareMismatchName_H9(kRegDeviceId_H9 + 1), "ADD:609  Unknow");
    for (long a : {kRegKP_H5H7 + 2, kRegKP_H5H7 + 3, kRegWritePermission_H5H7, kRegWritePermission_H5H7 + 1})
        EXPECT_EQ(CompareMismatchName_H5H7(a), "ADD:" + QString::number(a, 16).toUpper() + "  Unknow");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegSign1_H7), "ADD:6C6  Unknow");
}

TEST_F(CompareMessages, H5H7Names)
{
    EXPECT_EQ(CompareMismatchName_H5H7(kRegTimerSetting_A_H5), "Set Value/Cycle Time");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegTimerSetting_A_H5 + 3), "Set Value/Cycle Time");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegTimerRangeOFF_B_H5), "Time Range");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegTimerRangeON_B_H5 + 1), "Time Range");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegFuncMode), "Function Selection");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegKeyProtect_H5H7), "Key Protection");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegCounterSetting1_H7 + 3), "Set Value");
    EXPECT_EQ(CompareMismatchName_H5H7(kRegAuto2ZeroTime_freq_H7), "Auto-zero Time");
}

// The English name of every parameter, by its byte addresses.
struct Named {
    long first;
    long last;
    const char* name;
};

constexpr Named kNamesH9[] = {
    {kRegFamily1, kRegFamily2 + 1, "Check number"}, {kRegDeviceType, kRegDeviceType, "Type :  "},
    {kRegTimeCodeA_H9, kRegTimeCodeA_H9, "Time Range/Time Mode"},
    {kTimerSlotsA_H9[0].setValue, kTimerSlotsA_H9[7].setValue + 3, "Set Value"},
    {kRegHoldTimeA_H9, kRegHoldTimeA_H9 + 3, "Output Time"},
    {kRegOutputModeA_H9, kRegOutputModeA_H9 + 1, "Output Mode"},
    {kRegSGWidth_H9, kRegSGWidth_H9 + 1, "Input Signal Width"},
    {kRegMaxFreqB_H9, kRegMaxFreqB_H9 + 1, "Counting Speed"},
    {kRegInputMethod_H9, kRegInputMethod_H9 + 1, "NPN / PNP Input Mode"},
    {kRegMagnificationB_H9, kRegMagnificationB_H9 + 3, "Prescale Value"},
    {kRegDotAdjB_H9, kRegDotAdjB_H9 + 1, "Decimal Point Position"},
    {kRegCounterSettingUpB_H9, kRegCounterSettingDownB_H9 + 3, "Set Value"},
    {kRegCountInputModeB_H9, kRegCountInputModeB_H9 + 1, "Input Mode"},
    {kRegOutputModeB_H9, kRegOutputModeB_H9 + 1, "Output Mode"},
    {kRegHoldCounterB_H9, kRegHoldCounterB_H9 + 3, "Output Time"},
    {kRegFuncType_H9, kRegFuncType_H9 + 1, "Function Selection"}, {kRegDeviceId_H9, kRegDeviceId_H9, "Device ID"},
    {kRegFuncB_H9, kRegFuncB_H9 + 1, "Function Selection"},
    {kRegOutputModeB_F_H9, kRegOutputModeB_F_H9 + 1, "Output Mode"},
    {kRegSampleAvgB_F_H9, kRegSampleAvgB_F_H9 + 1, "Average Processing"},
    {kRegHoldCounterB_F_H9, kRegHoldCounterB_F_H9 + 3, "Startup Time"},
    {kRegDualFunc_H9, kRegDualFunc_H9 + 1, "Function Selection"},
    {kRegTimerSetting_T_Dual_0_H9, kRegTimerSetting_T_Dual_1_H9 + 3, "Set Value"},
    {kRegOutputMode_T_Dual_0_H9, kRegOutputMode_T_Dual_1_H9 + 1, "Output Mode"},
    {kRegHoldTime_T_Dual_0_H9, kRegHoldTime_T_Dual_1_H9 + 3, "Output Time"},
    {kRegDualCounterMode_H9, kRegDualCounterMode_H9 + 1, "Function Selection"},
    {kRegCounterSetting_C_Dual_0_H9, kRegCounterSetting_C_Dual_0_H9 + 3, "Set Value"},
    {kRegHoldCounter_C_Dual_0_H9, kRegHoldCounter_C_Dual_0_H9 + 3, "Output Time"},
    {kRegOutputMode_C_Dual_0_H9, kRegOutputMode_C_Dual_0_H9 + 1, "Output Mode"},
    {kRegCounterSettingA_Dual_F_H9, kRegCounterSettingA_Dual_F_H9 + 3, "Set Value"},
    {kRegOutputModeA_Dual_F_H9, kRegOutputModeA_Dual_F_H9 + 1, "Output Mode"},
    {kRegPowerSaving_H9, kRegPowerSaving_H9 + 1, "Power Saving"},
};

constexpr Named kNamesH5H7[] = {
    {kRegFuncMode, kRegFuncMode + 1, "Function Selection"},
    {kRegSGWidth_H5H7, kRegSGWidth_H5H7 + 1, "Input Signal Width"},
    {kRegInputMethod_H5H7, kRegInputMethod_H5H7 + 1, "NPN / PNP Input Mode"},
    {kRegKP_H5H7, kRegKP_H5H7 + 1, "Key Protect Level"},
    {kRegKeyProtect_H5H7, kRegKeyProtect_H5H7 + 1, "Key Protection"},
    {kRegTimerRange_A_H5, kRegTimerRange_A_H5 + 1, "Time Range"},
    {kRegTimerDir_A_H5, kRegTimerDir_A_H5 + 1, "Time Mode"},
    {kRegOutputMode_A_H5, kRegOutputMode_A_H5 + 1, "Output Mode"},
    {kRegHoldTime_A_H5, kRegHoldTime_A_H5 + 3, "Output Time"},
    {kRegTimerSetting_A_H5, kRegTimerSetting_A_H5 + 3, "Set Value/Cycle Time"},
    {kRegDutyRatio_A_H5, kRegDutyRatio_A_H5 + 1, "ON Duty Ratio"},
    {kRegTimerRangeOFF_B_H5, kRegTimerRangeON_B_H5 + 1, "Time Range"},
    {kRegTimerDir_B_H5, kRegTimerDir_B_H5 + 1, "Time Mode"},
    {kRegOutputMode_B_H5, kRegOutputMode_B_H5 + 1, "ON/OFF Start Mode"},
    {kRegSettingValueOFF_B_H5, kRegSettingValueON_B_H5 + 3, "Set Value"},
    {kRegSettingMode_C_H5, kRegSettingMode_C_H5 + 1, "Setting Method"},
    {kRegTimerRange_C_H5, kRegTimerRange_C_H5 + 1, "Time Range"},
    {kRegOutputMode_C_H5, kRegOutputMode_C_H5 + 1, "Output Mode"},
    {kRegSV1_C_H5, kRegSV2_C_H5 + 3, "Set Value"}, {kRegCountInputMode_H7, kRegCountInputMode_H7 + 1, "Input Mode"},
    {kRegOutputMode_H7, kRegOutputMode_H7 + 1, "Output Mode"},
    {kRegMaxFreq_H7, kRegMaxFreq_H7 + 1, "Counting Speed"},
    {kRegDotAdj_H7, kRegDotAdj_H7 + 1, "Decimal Point Position"},
    {kRegMagnification_H7, kRegMagnification_H7 + 3, "Prescale Value"},
    {kRegCounterSetting1_H7, kRegCounterSetting2_H7 + 3, "Set Value"},
    {kRegHoldCounter1_H7, kRegHoldCounter2_H7 + 3, "Output Time"},
    {kRegDualInputMode_H7, kRegDualInputMode_H7 + 1, "Input Mode"},
    {kRegOutputMode_freq_H7, kRegOutputMode_freq_H7 + 1, "Output Mode"},
    {kRegSampleAvg_freq_H7, kRegSampleAvg_freq_H7 + 1, "Average Processing"},
    {kRegAuto2ZeroTime_freq_H7, kRegAuto2ZeroTime_freq_H7 + 1, "Auto-zero Time"},
    {kRegDelay2StartTime_freq_H7, kRegDelay2StartTime_freq_H7 + 1, "Startup Time"},
};

template <std::size_t N>
void expectEveryName(const Named (&table)[N], QString (*nameOf)(long))
{
    char unknown[32];
    for (long a = 1000; a <= 1800; ++a) {
        const char* want = nullptr;
        for (const Named& n : table)
            if (a >= n.first && a <= n.last)
                want = n.name;
        if (!want) {
            std::snprintf(unknown, sizeof unknown, "ADD:%lX  Unknow", a);
            want = unknown;
        }
        EXPECT_EQ(nameOf(a).toStdString(), want) << a;
    }
}

TEST_F(CompareMessages, EveryAddressOfBothMaps)
{
    expectEveryName(kNamesH9, &CompareMismatchName_H9);
    expectEveryName(kNamesH5H7, &CompareMismatchName_H5H7);
}

TEST_F(CompareMessages, BoxTextTitleAndIcon)
{
    testsupport::ScriptedMessages boxes;
    boxes.autoAcknowledgeOk();
    ShowCompareMismatch_H9(1028);
    ShowCompareMismatch_H5H7(1115);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, "Program different :Type :  ");
    EXPECT_EQ(boxes.shown()[0].title, "Compare");
    EXPECT_EQ(boxes.shown()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(boxes.shown()[0].buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(boxes.shown()[1].text, "Program different :ADD:45B  Unknow");
}

TEST_F(CompareMessages, NamesFollowTheLanguage)
{
    platform::setLanguage(platform::Language::SimplifiedChinese);
    EXPECT_EQ(CompareMismatchName_H9(kRegTimeCodeA_H9),
              platform::resString(307, platform::Language::SimplifiedChinese) + "/"
                  + platform::resString(308, platform::Language::SimplifiedChinese));
    platform::setLanguage(platform::Language::English);
}

} // namespace
