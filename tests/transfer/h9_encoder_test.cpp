// The H9 encoders against register images worked out by hand.
#include "transfer/h9_encoder.h"

#include "core/h9_registers.h"
#include "h9_fixture.h"

using h9test::flaggedWords;
using h9test::H9Test;
using Words = std::map<int, int>;

using EncodeTimerA = H9Test;

TEST_F(EncodeTimerA, SecondsWithTwoDecimals)
{
    rows[H9Row::lblTimerSettingA].setDigits("001234"); // 12.34 s
    rows[H9Row::lblHoldTimeA].setDigits("000150");     // 1.50 s
    timerCounterParamsH9.nOutputModeA_H9 = 3;
    ASSERT_TRUE(EncodeTimerA_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.TimerA),
              (Words{{kRegTimeCodeA_H9, 0}, {kTimerSlotsA_H9[0].setValue, 0x0034},
                     {kTimerSlotsA_H9[0].setValue + 2, 0x0012}, {kRegHoldTimeA_H9, 0x0050},
                     {kRegHoldTimeA_H9 + 2, 0x0001}, {kRegOutputModeA_H9, 3}}));
    // Bytes no field fills keep the fill value.
    EXPECT_EQ(RegImage_H9.TimerA.byReg(kRegSGWidth_H9), 0xFF);
    EXPECT_EQ(RegImage_H9.TimerA.byReg(kTimerSlotsA_H9[1].setValue), 0xFF);
}

TEST_F(EncodeTimerA, EveryTimeCodeHasItsSlotAndZeroRegisters)
{
    struct Slot { int c; Words words; };
    // Row 123456: split form 0x0056/0x1234 for ranges of seconds with decimals, plain
    // form 0x3456/0x0012 for whole numbers.
    const Slot table[] = {
        {0, {{kRegTimeCodeA_H9, 0}, {kTimerSlotsA_H9[0].setValue, 0x0056}, {kTimerSlotsA_H9[0].setValue + 2, 0x1234}}},
        {1, {{kRegTimeCodeA_H9, 1}, {kTimerSlotsA_H9[1].setValue, 0x0056}, {kTimerSlotsA_H9[1].setValue + 2, 0x1234}}},
        {2,
         {{kRegTimeCodeA_H9, 2}, {kTimerSlotsA_H9[2].zeros[0], 0}, {kTimerSlotsA_H9[2].setValue, 0x3456},
          {kTimerSlotsA_H9[2].setValue + 2, 0x0012}}},
        {3,
         {{kRegTimeCodeA_H9, 3}, {kTimerSlotsA_H9[3].zeros[0], 0}, {kTimerSlotsA_H9[3].setValue, 0x3456},
          {kTimerSlotsA_H9[3].setValue + 2, 0x0012}}},
        {4,
         {{kRegTimeCodeA_H9, 4}, {kTimerSlotsA_H9[4].zeros[0], 0}, {kTimerSlotsA_H9[4].zeros[1], 0},
          {kTimerSlotsA_H9[4].setValue, 0x3456}, {kTimerSlotsA_H9[4].setValue + 2, 0x0012}}},
        {5,
         {{kRegTimeCodeA_H9, 5}, {kTimerSlotsA_H9[5].zeros[0], 0}, {kTimerSlotsA_H9[5].zeros[1], 0},
          {kTimerSlotsA_H9[5].setValue, 0x3456}, {kTimerSlotsA_H9[5].setValue + 2, 0x0012}}},
        {6,
         {{kRegTimeCodeA_H9, 6}, {kTimerSlotsA_H9[6].zeros[0], 0}, {kTimerSlotsA_H9[6].zeros[1], 0},
          {kTimerSlotsA_H9[6].zeros[2], 0}, {kTimerSlotsA_H9[6].setValue, 0x3456},
          {kTimerSlotsA_H9[6].setValue + 2, 0x0012}}},
        {7,
         {{kRegTimeCodeA_H9, 7}, {kTimerSlotsA_H9[7].zeros[0], 0}, {kTimerSlotsA_H9[7].zeros[1], 0},
          {kTimerSlotsA_H9[7].zeros[2], 0}, {kTimerSlotsA_H9[7].setValue, 0x3456},
          {kTimerSlotsA_H9[7].setValue + 2, 0x0012}}},
    };
    rows[H9Row::lblTimerSettingA].setDigits("123456");
    rows[H9Row::lblHoldTimeA].setDigits("000000");
    for (const Slot& s : table) {
        timerCounterParamsH9.nTimeRangeA_H9 = static_cast<quint8>(s.c / 2);
        timerCounterParamsH9.nCountDirectionA_H9 = static_cast<quint8>(s.c % 2);
        ASSERT_TRUE(EncodeTimerA_H9()) << s.c;
        Words expected = s.words;
        // The output time and mode are filled whatever the output mode (here 0).
        expected[kRegHoldTimeA_H9] = 0;
        expected[kRegHoldTimeA_H9 + 2] = 0;
        expected[kRegOutputModeA_H9] = 0;
        EXPECT_EQ(flaggedWords(RegImage_H9.TimerA), expected) << "c = " << s.c;
    }
}

TEST_F(EncodeTimerA, RefusesWhatCannotBeSent)
{
    rows[H9Row::lblTimerSettingA].setDigits("001234");
    timerCounterParamsH9.nTimeRangeA_H9 = 4; // no such range: no slot for its time code
    EXPECT_FALSE(EncodeTimerA_H9());
    timerCounterParamsH9.nTimeRangeA_H9 = 0;
    rows[H9Row::lblHoldTimeA].setCaption(4, "x");
    EXPECT_FALSE(EncodeTimerA_H9());
    rows[H9Row::lblHoldTimeA].setDigits("000000");
    rows[H9Row::lblTimerSettingA].setCaption(0, "12");
    EXPECT_FALSE(EncodeTimerA_H9());
}

TEST_F(H9Test, EncodeCounterB)
{
    rows[H9Row::lblCounterSettingB].setDigits("123456");
    rows[H9Row::lblHoldCounterB].setDigits("000250");  // 2.50
    rows[H9Row::lblMagnificationB].setDigits("001000"); // 1.000
    timerCounterParamsH9.nMaxFreqB_H9 = 2;
    timerCounterParamsH9.nCountInputModeB_H9 = 3; // down-counting: the second slot
    timerCounterParamsH9.nOutputModeB_H9 = 13;
    for (quint8 dp : {2, 0}) { // the decimal point does not move the digits
        timerCounterParamsH9.nDotAdjB_H9 = dp;
        ASSERT_TRUE(EncodeCounterB_H9());
        EXPECT_EQ(flaggedWords(RegImage_H9.CounterB),
                  (Words{{kRegMaxFreqB_H9, 2}, {kRegMagnificationB_H9, 0x0000}, {kRegMagnificationB_H9 + 2, 0x0001},
                         {kRegDotAdjB_H9, dp}, {kRegCounterSettingDownB_H9, 0x0056},
                         {kRegCounterSettingDownB_H9 + 2, 0x1234}, {kRegCountInputModeB_H9, 3},
                         {kRegOutputModeB_H9, 13}, {kRegHoldCounterB_H9, 0x0050}, {kRegHoldCounterB_H9 + 2, 0x0002}}));
    }
    EXPECT_EQ(RegImage_H9.CounterB.byReg(kRegInputMethod_H9), 0xFF); // NPN/PNP is written on its own

    for (quint8 mode : {0, 1, 2, 6}) {
        timerCounterParamsH9.nCountInputModeB_H9 = mode;
        ASSERT_TRUE(EncodeCounterB_H9());
        const Words w = flaggedWords(RegImage_H9.CounterB);
        EXPECT_EQ(w.count(kRegCounterSettingUpB_H9) + w.count(kRegCounterSettingUpB_H9 + 2), 2u) << int(mode);
        EXPECT_EQ(w.count(kRegCounterSettingDownB_H9) + w.count(kRegCounterSettingDownB_H9 + 2), 0u) << int(mode);
    }
    timerCounterParamsH9.nCountInputModeB_H9 = 8; // no slot at all
    ASSERT_TRUE(EncodeCounterB_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.CounterB).count(kRegCounterSettingUpB_H9)
                  + flaggedWords(RegImage_H9.CounterB).count(kRegCounterSettingDownB_H9),
              0u);

    rows[H9Row::lblMagnificationB].setDigits("999999"); // 999.999
    timerCounterParamsH9.nCountInputModeB_H9 = 0;
    ASSERT_TRUE(EncodeCounterB_H9());
    EXPECT_EQ(RegImage_H9.CounterB.Word(kRegMagnificationB_H9), 0x0999);
    EXPECT_EQ(RegImage_H9.CounterB.Word(kRegMagnificationB_H9 + 2), 0x0999);

    timerCounterParamsH9.nDotAdjB_H9 = 4; // no such decimal point
    EXPECT_FALSE(EncodeCounterB_H9());
}

TEST_F(H9Test, EncodeTachoB)
{
    rows[H9Row::lblCounterSettingB_F].setDigits("012345");
    rows[H9Row::lblHoldCounterB_F].setDigits("000305"); // 3.05
    rows[H9Row::lblMagnificationB_F].setDigits("002500"); // 2.500
    timerCounterParamsH9.nDotAdjB_F_H9 = 1;
    timerCounterParamsH9.nMaxFreqB_F_H9 = 3;
    timerCounterParamsH9.nOutputModeB_F_H9 = 1;
    timerCounterParamsH9.nSampleAvgB_F_H9 = 2;
    ASSERT_TRUE(EncodeTachoB_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.TachoCnt),
              (Words{{kRegMaxFreqB_H9, 3}, {kRegMagnificationB_H9, 0x0500}, {kRegMagnificationB_H9 + 2, 0x0002},
                     {kRegDotAdjB_H9, 1}, {kRegCounterSettingUpB_H9, 0x0045}, {kRegCounterSettingUpB_H9 + 2, 0x0123},
                     {kRegCountInputModeB_H9, 0}, {kRegOutputModeB_H9, 0}}));
    EXPECT_EQ(flaggedWords(RegImage_H9.TachoB),
              (Words{{kRegOutputModeB_F_H9, 1}, {kRegSampleAvgB_F_H9, 2}, {kRegHoldCounterB_F_H9, 0x0005},
                     {kRegHoldCounterB_F_H9 + 2, 0x0003}}));
}

TEST_F(H9Test, EncodeTwoStageTimer)
{
    timerCounterParamsH9.nDualFunc_H9 = 0;
    rows[H9Row::lblTimerSetting_T_Dual_0].setDigits("000100");
    rows[H9Row::lblTimerSetting_T_Dual_1].setDigits("123456");
    rows[H9Row::lblHoldTime_T_Dual_0].setDigits("000050");
    rows[H9Row::lblHoldTime_T_Dual_1].setDigits("999999");
    timerCounterParamsH9.nOutputMode_T_Dual_0_H9 = 1;
    ASSERT_TRUE(EncodeTwoStageTimer_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.TwoStage),
              (Words{{kRegDualFunc_H9, 0}, {kRegTimerSetting_T_Dual_0_H9, 0x0000},
                     {kRegTimerSetting_T_Dual_0_H9 + 2, 0x0001}, {kRegTimerSetting_T_Dual_1_H9, 0x0056},
                     {kRegTimerSetting_T_Dual_1_H9 + 2, 0x1234}, {kRegOutputMode_T_Dual_0_H9, 1},
                     {kRegOutputMode_T_Dual_1_H9, 0}, {kRegHoldTime_T_Dual_0_H9, 0x0050},
                     {kRegHoldTime_T_Dual_0_H9 + 2, 0x0000}, {kRegHoldTime_T_Dual_1_H9, 0x0099},
                     {kRegHoldTime_T_Dual_1_H9 + 2, 0x9999}}));
}

TEST_F(H9Test, EncodeDualCounterBothBlocks)
{
    timerCounterParamsH9.nDualCounterMode_H9 = 1;
    timerCounterParamsH9.nOutputMode_C_Dual_0_H9 = 1;
    rows[H9Row::lblCounterSetting_C_Dual_0].setDigits("000777");
    rows[H9Row::lblHoldCounter_C_Dual_0].setDigits("000012");
    ASSERT_TRUE(EncodeDualCounter_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.DualCounter),
              (Words{{kRegDualCounterMode_H9, 1}, {kRegCounterSetting_C_Dual_0_H9, 0x0077},
                     {kRegCounterSetting_C_Dual_0_H9 + 2, 0x0007}, {kRegHoldCounter_C_Dual_0_H9, 0x0012},
                     {kRegHoldCounter_C_Dual_0_H9 + 2, 0}, {kRegOutputMode_C_Dual_0_H9, 1}}));

    rows[H9Row::lblCounterSetting_C_Dual_1].setDigits("654321");
    rows[H9Row::lblHoldCounter_C_Dual_1].setDigits("000100");
    timerCounterParamsH9.nCountInputMode_C_Dual_1_H9 = 7;
    timerCounterParamsH9.nMaxFreq_C_Dual_1_H9 = 1;
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 12;
    timerCounterParamsH9.nDotAdjB_H9 = 3; // the channel B counter's point is not the second counter's
    ASSERT_TRUE(EncodeDualCounterB_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.CounterB),
              (Words{{kRegMaxFreqB_H9, 1}, {kRegMagnificationB_H9, 0x0000}, {kRegMagnificationB_H9 + 2, 0x0001},
                     {kRegDotAdjB_H9, 0}, {kRegCounterSettingDownB_H9, 0x0021},
                     {kRegCounterSettingDownB_H9 + 2, 0x6543}, {kRegCountInputModeB_H9, 7}, {kRegOutputModeB_H9, 12},
                     {kRegHoldCounterB_H9, 0x0000}, {kRegHoldCounterB_H9 + 2, 0x0001}}));
}

TEST_F(H9Test, EncodeDualTachoBothBlocks)
{
    rows[H9Row::lblCounterSettingA_Dual_F].setDigits("100000");
    timerCounterParamsH9.nOutputModeA_Dual_F_H9 = 1;
    ASSERT_TRUE(EncodeDualTacho_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.DualTacho),
              (Words{{kRegCounterSettingA_Dual_F_H9, 0x0000}, {kRegCounterSettingA_Dual_F_H9 + 2, 0x1000},
                     {kRegOutputModeA_Dual_F_H9, 1}}));

    rows[H9Row::lblCounterSettingB_Dual_F].setDigits("000042");
    rows[H9Row::lblHoldCounterB_Dual_F].setDigits("001000"); // 10.00
    timerCounterParamsH9.nMaxFreqB_Dual_F_H9 = 2;
    timerCounterParamsH9.nOutputModeB_Dual_F_H9 = 1;
    timerCounterParamsH9.nSampleAvgB_Dual_F_H9 = 3;
    timerCounterParamsH9.nDotAdjB_F_H9 = 2; // not used by the dual tachometer
    ASSERT_TRUE(EncodeDualTachoB_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.TachoCnt),
              (Words{{kRegMaxFreqB_H9, 2}, {kRegMagnificationB_H9, 0x0000}, {kRegMagnificationB_H9 + 2, 0x0001},
                     {kRegDotAdjB_H9, 0}, {kRegCounterSettingUpB_H9, 0x0042}, {kRegCounterSettingUpB_H9 + 2, 0x0000},
                     {kRegCountInputModeB_H9, 0}, {kRegOutputModeB_H9, 0}}));
    EXPECT_EQ(flaggedWords(RegImage_H9.TachoB),
              (Words{{kRegOutputModeB_F_H9, 1}, {kRegSampleAvgB_F_H9, 3}, {kRegHoldCounterB_F_H9, 0x0000},
                     {kRegHoldCounterB_F_H9 + 2, 0x0010}}));
}

TEST_F(H9Test, EncodersClearOnlyTheirOwnBlocks)
{
    ASSERT_TRUE(EncodeDualCounterB_H9());
    ASSERT_TRUE(EncodeTachoB_H9());
    // The tachometer fills its own image of 1356-1381; the counter image stays.
    EXPECT_FALSE(flaggedWords(RegImage_H9.CounterB).empty());
    ASSERT_TRUE(EncodeCounterB_H9());
    EXPECT_FALSE(flaggedWords(RegImage_H9.TachoCnt).empty());
}
