// The H9 encoders against register images worked out by hand.
#include "transfer/h9_encoder.h"

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
              (Words{{1114, 0}, {1116, 0x0034}, {1118, 0x0012}, {1172, 0x0050}, {1174, 0x0001}, {1176, 3}}));
    // Bytes no field fills keep the fill value.
    EXPECT_EQ(RegImage_H9.TimerA.byReg(1178), 0xFF);
    EXPECT_EQ(RegImage_H9.TimerA.byReg(1120), 0xFF);
}

TEST_F(EncodeTimerA, EveryTimeCodeHasItsSlotAndZeroRegisters)
{
    struct Slot { int c; Words words; };
    // Row 123456: split form 0x0056/0x1234 for ranges of seconds with decimals, plain
    // form 0x3456/0x0012 for whole numbers.
    const Slot table[] = {
        {0, {{1114, 0}, {1116, 0x0056}, {1118, 0x1234}}},
        {1, {{1114, 1}, {1120, 0x0056}, {1122, 0x1234}}},
        {2, {{1114, 2}, {1124, 0}, {1126, 0x3456}, {1128, 0x0012}}},
        {3, {{1114, 3}, {1130, 0}, {1132, 0x3456}, {1134, 0x0012}}},
        {4, {{1114, 4}, {1136, 0}, {1138, 0}, {1140, 0x3456}, {1142, 0x0012}}},
        {5, {{1114, 5}, {1144, 0}, {1146, 0}, {1148, 0x3456}, {1150, 0x0012}}},
        {6, {{1114, 6}, {1152, 0}, {1154, 0}, {1156, 0}, {1158, 0x3456}, {1160, 0x0012}}},
        {7, {{1114, 7}, {1162, 0}, {1164, 0}, {1166, 0}, {1168, 0x3456}, {1170, 0x0012}}},
    };
    rows[H9Row::lblTimerSettingA].setDigits("123456");
    rows[H9Row::lblHoldTimeA].setDigits("000000");
    for (const Slot& s : table) {
        timerCounterParamsH9.nTimeRangeA_H9 = static_cast<quint8>(s.c / 2);
        timerCounterParamsH9.nCountDirectionA_H9 = static_cast<quint8>(s.c % 2);
        ASSERT_TRUE(EncodeTimerA_H9()) << s.c;
        Words expected = s.words;
        // The output time and mode are filled whatever the output mode (here 0).
        expected[1172] = 0;
        expected[1174] = 0;
        expected[1176] = 0;
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
                  (Words{{1356, 2}, {1360, 0x0000}, {1362, 0x0001}, {1364, dp}, {1370, 0x0056}, {1372, 0x1234},
                         {1374, 3}, {1376, 13}, {1378, 0x0050}, {1380, 0x0002}}));
    }
    EXPECT_EQ(RegImage_H9.CounterB.byReg(1358), 0xFF); // NPN/PNP is written on its own

    for (quint8 mode : {0, 1, 2, 6}) {
        timerCounterParamsH9.nCountInputModeB_H9 = mode;
        ASSERT_TRUE(EncodeCounterB_H9());
        const Words w = flaggedWords(RegImage_H9.CounterB);
        EXPECT_EQ(w.count(1366) + w.count(1368), 2u) << int(mode);
        EXPECT_EQ(w.count(1370) + w.count(1372), 0u) << int(mode);
    }
    timerCounterParamsH9.nCountInputModeB_H9 = 8; // no slot at all
    ASSERT_TRUE(EncodeCounterB_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.CounterB).count(1366) + flaggedWords(RegImage_H9.CounterB).count(1370), 0u);

    rows[H9Row::lblMagnificationB].setDigits("999999"); // 999.999
    timerCounterParamsH9.nCountInputModeB_H9 = 0;
    ASSERT_TRUE(EncodeCounterB_H9());
    EXPECT_EQ(RegImage_H9.CounterB.Word(1360), 0x0999);
    EXPECT_EQ(RegImage_H9.CounterB.Word(1362), 0x0999);

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
              (Words{{1356, 3}, {1360, 0x0500}, {1362, 0x0002}, {1364, 1}, {1366, 0x0045}, {1368, 0x0123}, {1374, 0},
                     {1376, 0}}));
    EXPECT_EQ(flaggedWords(RegImage_H9.TachoB),
              (Words{{1554, 1}, {1556, 2}, {1574, 0x0005}, {1576, 0x0003}}));
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
              (Words{{1584, 0}, {1586, 0x0000}, {1588, 0x0001}, {1590, 0x0056}, {1592, 0x1234}, {1594, 1}, {1596, 0},
                     {1598, 0x0050}, {1600, 0x0000}, {1602, 0x0099}, {1604, 0x9999}}));
}

TEST_F(H9Test, EncodeDualCounterBothBlocks)
{
    timerCounterParamsH9.nDualCounterMode_H9 = 1;
    timerCounterParamsH9.nOutputMode_C_Dual_0_H9 = 1;
    rows[H9Row::lblCounterSetting_C_Dual_0].setDigits("000777");
    rows[H9Row::lblHoldCounter_C_Dual_0].setDigits("000012");
    ASSERT_TRUE(EncodeDualCounter_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.DualCounter),
              (Words{{1648, 1}, {1650, 0x0077}, {1652, 0x0007}, {1654, 0x0012}, {1656, 0}, {1658, 1}}));

    rows[H9Row::lblCounterSetting_C_Dual_1].setDigits("654321");
    rows[H9Row::lblHoldCounter_C_Dual_1].setDigits("000100");
    timerCounterParamsH9.nCountInputMode_C_Dual_1_H9 = 7;
    timerCounterParamsH9.nMaxFreq_C_Dual_1_H9 = 1;
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 12;
    timerCounterParamsH9.nDotAdjB_H9 = 3; // the channel B counter's point is not the second counter's
    ASSERT_TRUE(EncodeDualCounterB_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.CounterB),
              (Words{{1356, 1}, {1360, 0x0000}, {1362, 0x0001}, {1364, 0}, {1370, 0x0021}, {1372, 0x6543}, {1374, 7},
                     {1376, 12}, {1378, 0x0000}, {1380, 0x0001}}));
}

TEST_F(H9Test, EncodeDualTachoBothBlocks)
{
    rows[H9Row::lblCounterSettingA_Dual_F].setDigits("100000");
    timerCounterParamsH9.nOutputModeA_Dual_F_H9 = 1;
    ASSERT_TRUE(EncodeDualTacho_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.DualTacho),
              (Words{{1680, 0x0000}, {1682, 0x1000}, {1684, 1}}));

    rows[H9Row::lblCounterSettingB_Dual_F].setDigits("000042");
    rows[H9Row::lblHoldCounterB_Dual_F].setDigits("001000"); // 10.00
    timerCounterParamsH9.nMaxFreqB_Dual_F_H9 = 2;
    timerCounterParamsH9.nOutputModeB_Dual_F_H9 = 1;
    timerCounterParamsH9.nSampleAvgB_Dual_F_H9 = 3;
    timerCounterParamsH9.nDotAdjB_F_H9 = 2; // not used by the dual tachometer
    ASSERT_TRUE(EncodeDualTachoB_H9());
    EXPECT_EQ(flaggedWords(RegImage_H9.TachoCnt),
              (Words{{1356, 2}, {1360, 0x0000}, {1362, 0x0001}, {1364, 0}, {1366, 0x0042}, {1368, 0x0000}, {1374, 0},
                     {1376, 0}}));
    EXPECT_EQ(flaggedWords(RegImage_H9.TachoB),
              (Words{{1554, 1}, {1556, 3}, {1574, 0x0000}, {1576, 0x0010}}));
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
