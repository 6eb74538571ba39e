// The H5 and H7 encoders against register images worked out by hand from the maps.
#include "transfer/h5_encoder.h"
#include "transfer/h7_encoder.h"

#include "core/h5h7_params.h"
#include "core/key_protect.h"
#include "core/machine_type.h"
#include "support/fake_digit_rows.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Every flagged register of a block (even address) with its word.
std::map<int, int> flaggedWords(const RegBlock& b)
{
    std::map<int, int> words;
    for (int n : b.WalkRegisters())
        if (b.bRegFlag(n))
            words[n] = b.Word(n);
    return words;
}

using R = H5H7Row;

class EncoderH5H7 : public ::testing::Test {
protected:
    // The edited set of `macType` in function mode `mode`, its half's choices at their
    // defaults, as the editor's mode selection leaves them.
    void editor(int macType, int mode)
    {
        nMacType = macType;
        selectMode(mode);
    }
    static void selectMode(int mode)
    {
        if (mode <= 2)
            timerParamsH5 = {};
        else
            counterParamsH7 = {};
        nFuncMode = mode;
    }
    void TearDown() override
    {
        nFuncMode = -1;
        bKeyProtect = 0;
        timerParamsH5 = {};
        counterParamsH7 = {};
    }

    testsupport::FakeH5H7Rows rows;
};

TEST_F(EncoderH5H7, H5EverySectionWhateverTheMode)
{
    editor(kMacTypeH5, 0);
    timerParamsH5 = {.nSGWidth_H5 = 1, .nInputMethod_H5 = 1, .nKP_H5 = 4,
                     .nTimerRange_A_H5 = 3, .nTimerDir_A_H5 = 1, .nOutputMode_A_H5 = 2,
                     .nTimerRangeOFF_B_H5 = 5, .nTimerRangeON_B_H5 = 6, .nTimerDir_B_H5 = 1,
                     .nOutputMode_B_H5 = 1, .nSettingMode_C_H5 = 1, .nTimerRange_C_H5 = 7,
                     .nOutputMode_C_H5 = 1};
    bKeyProtect = 1;
    rows[R::lblTimerSetting_A_H5].setDigits("123456");
    rows[R::lblHoldTime_A_H5].setDigits("000150");
    rows[R::lblDutyRatio_A_H5].setDigits("000100");
    rows[R::lblSettingValueOFF_B_H5].setDigits("001234");
    rows[R::lblSettingValueON_B_H5].setDigits("987654");
    rows[R::lblSV1_C_H5].setDigits("000001");
    rows[R::lblSV2_C_H5].setDigits("000000");

    ASSERT_EQ(Encode_H5(), 0);
    const std::map<int, int> expected = {
        {1074, 0}, {1076, 1}, {1078, 1}, {1080, 4}, {1084, 1}, {1088, 3}, {1090, 1}, {1092, 2}, {1094, 0x0150},
        {1096, 0}, {1098, 0x3456}, {1100, 0x0012}, {1102, 0x0100}, {1120, 5}, {1122, 6}, {1124, 1}, {1126, 1},
        {1128, 0x1234}, {1130, 0}, {1132, 0x7654}, {1134, 0x0098}, {1152, 1}, {1154, 7}, {1156, 1}, {1158, 0x0001},
        {1160, 0}, {1162, 0}, {1164, 0},
    };
    EXPECT_EQ(flaggedWords(RegImage_H5.H5), expected);
    // Words the map leaves alone hold 0 and are never sent.
    for (int a : {1082, 1086, 1104, 1118, 1136, 1150})
        EXPECT_EQ(RegImage_H5.H5.Word(a), 0) << a;

    // Output mode Z sends the same row as its cycle time, in the same registers; a
    // duty ratio of 50 is three BCD digits.
    timerParamsH5.nOutputMode_A_H5 = 9;
    rows[R::lblDutyRatio_A_H5].setDigits("000050");
    ASSERT_EQ(Encode_H5(), 0);
    EXPECT_EQ(RegImage_H5.H5.Word(1098), 0x3456);
    EXPECT_EQ(RegImage_H5.H5.Word(1100), 0x0012);
    EXPECT_EQ(RegImage_H5.H5.Word(1102), 0x0050);
    EXPECT_EQ(RegImage_H5.H5.Word(1092), 9);
}

TEST_F(EncoderH5H7, H5FailuresAreReported)
{
    editor(kMacTypeH8, 1);
    rows[R::lblSettingValueOFF_B_H5].setDigits("000100");
    ASSERT_EQ(Encode_H5(), 0);
    EXPECT_EQ(RegImage_H5.H5.Word(1074), 1);

    // A caption that is not one decimal digit stops the encoder at its row.
    rows[R::lblSettingValueON_B_H5].setCaption(2, "A");
    EXPECT_EQ(Encode_H5(), 1);
    EXPECT_TRUE(RegImage_H5.H5.bRegFlag(1128));
    EXPECT_FALSE(RegImage_H5.H5.bRegFlag(1132));

    // Without a function mode nothing is encoded.
    nFuncMode = -1;
    EXPECT_EQ(Encode_H5(), 1);
    EXPECT_TRUE(flaggedWords(RegImage_H5.H5).empty());
}

TEST_F(EncoderH5H7, H7OneStageCounterSendsEveryCounterWord)
{
    editor(kMacTypeH7, 3);
    counterParamsH7.nCountInputMode_1st_H7 = 2;
    counterParamsH7.nOutputMode_1st_H7 = 11;
    counterParamsH7.nDotAdj_H7 = 2;
    counterParamsH7.nMaxFreq_H7 = 1;
    counterParamsH7.nKP_H7 = 3;
    counterParamsH7.nSGWidth_H7 = 1;
    rows[R::lblCounterSetting_1st_H7].setDigits("001234");
    rows[R::lblHoldCounter_1st_H7].setDigits("000005");
    rows[R::lblMagnification_Comm_H7].setDigits("012500");

    ASSERT_EQ(Encode_H7(), 0);
    EXPECT_EQ(flaggedWords(RegImage_H7.Comm),
              (std::map<int, int>{{1074, 3}, {1076, 1}, {1078, 0}, {1080, 3}, {1084, 0}}));
    std::map<int, int> counter;
    for (int r = 1696; r <= 1736; r += 2)
        counter[r] = 0;
    counter[1696] = 2;
    counter[1698] = 11;
    counter[1700] = 1;
    counter[1702] = 2;
    counter[1704] = 0x2500;
    counter[1706] = 0x0001;
    counter[1708] = 0x1234;
    counter[1716] = 0x0005;
    EXPECT_EQ(flaggedWords(RegImage_H7.Cnt), counter);
}

TEST_F(EncoderH5H7, H7SignsTwoStageAndDual)
{
    editor(kMacTypeH7, 4);
    rows[R::lblCounterSetting_2nd_1_H7].setDigits("012345");
    rows[R::lblCounterSetting_2nd_2_H7].setCaption(0, "-");
    for (int i = 1; i < 6; ++i)
        rows[R::lblCounterSetting_2nd_2_H7].setCaption(i, i == 3 ? "1" : "0");
    rows[R::lblHoldCounter_2nd_1_H7].setDigits("000010");
    rows[R::lblHoldCounter_2nd_2_H7].setDigits("000020");
    ASSERT_EQ(Encode_H7(), 0);
    const RegBlock& c = RegImage_H7.Cnt;
    EXPECT_EQ(c.Word(1708), 0x2345);
    EXPECT_EQ(c.Word(1710), 0x0001);
    EXPECT_EQ(c.Word(1734), 0);
    EXPECT_EQ(c.Word(1712), 0x0100);
    EXPECT_EQ(c.Word(1714), 0);
    EXPECT_EQ(c.Word(1736), 1);
    EXPECT_EQ(c.Word(1716), 0x0010);
    EXPECT_EQ(c.Word(1720), 0x0020);

    // A "-" anywhere but in label 0 is no number.
    rows[R::lblCounterSetting_2nd_1_H7].setCaption(2, "-");
    EXPECT_EQ(Encode_H7(), 1);

    // Dual counter: the first input register is a constant 3 and the ADD/SUB choice
    // travels in 1724; no second set value and no second sign.
    selectMode(7);
    counterParamsH7.nCountInputMode_batch_H7 = 1;
    counterParamsH7.nOutputMode_batch_H7 = 10;
    rows[R::lblCounterSetting_batch_1_H7].setCaption(0, "-");
    for (int i = 1; i < 6; ++i)
        rows[R::lblCounterSetting_batch_1_H7].setCaption(i, "9");
    rows[R::lblHoldCounter_batch_H7].setDigits("000300");
    ASSERT_EQ(Encode_H7(), 0);
    EXPECT_EQ(c.Word(1696), 3);
    EXPECT_EQ(c.Word(1698), 10);
    EXPECT_EQ(c.Word(1708), 0x9999);
    EXPECT_EQ(c.Word(1710), 0x0009);
    EXPECT_EQ(c.Word(1734), 1);
    EXPECT_EQ(c.Word(1712), 0);
    EXPECT_EQ(c.Word(1736), 0);
    EXPECT_EQ(c.Word(1716), 0x0300);
    EXPECT_EQ(c.Word(1724), 1);

    // The batch counter sends both set values and its own input mode.
    selectMode(6);
    counterParamsH7.nCountInputMode_batch_H7 = 4;
    rows[R::lblCounterSetting_batch_1_H7].setDigits("000001");
    rows[R::lblCounterSetting_batch_2_H7].setDigits("777777");
    ASSERT_EQ(Encode_H7(), 0);
    EXPECT_EQ(c.Word(1696), 4);
    EXPECT_EQ(c.Word(1712), 0x7777);
    EXPECT_EQ(c.Word(1714), 0x0077);
    EXPECT_EQ(c.Word(1724), 0);
    EXPECT_EQ(c.Word(1734), 0);
}

TEST_F(EncoderH5H7, H7TachometerFourDigitRowsAndNoSign)
{
    editor(kMacTypeH8, 8);
    counterParamsH7.nOutputMode_freq_H7 = 3;
    counterParamsH7.nSampleAvg_freq_H7 = 2;
    counterParamsH7.nOutputMode_1st_H7 = 5; // another mode's choice is not sent
    rows[R::lblAuto2ZeroTime_freq_H7].setDigits("009999");
    rows[R::lblDelay2StartTime_freq_H7].setDigits("001205");
    rows[R::lblCounterSetting_freq_1_H7].setDigits("100000");
    rows[R::lblCounterSetting_freq_2_H7].setDigits("000050");
    ASSERT_EQ(Encode_H7(), 0);
    const RegBlock& c = RegImage_H7.Cnt;
    EXPECT_EQ(c.Word(1696), 3);
    EXPECT_EQ(c.Word(1698), 0);
    EXPECT_EQ(c.Word(1708), 0x0000);
    EXPECT_EQ(c.Word(1710), 0x0010);
    EXPECT_EQ(c.Word(1712), 0x0050);
    EXPECT_EQ(c.Word(1716), 0);
    EXPECT_EQ(c.Word(1726), 3);
    EXPECT_EQ(c.Word(1728), 2);
    EXPECT_EQ(c.Word(1730), 0x9999);
    EXPECT_EQ(c.Word(1732), 0x1205);
    EXPECT_EQ(c.Word(1734), 0);
    EXPECT_EQ(c.Word(1736), 0);

    // The tachometer rows carry no sign digit.
    rows[R::lblCounterSetting_freq_1_H7].setCaption(0, "-");
    EXPECT_EQ(Encode_H7(), 1);

    // Without a mode only the common block would be written: nothing here.
    nFuncMode = -1;
    EXPECT_EQ(Encode_H7(), 1);
    EXPECT_TRUE(flaggedWords(RegImage_H7.Comm).empty());
    EXPECT_EQ(flaggedWords(RegImage_H7.Cnt).size(), 21u);
}

} // namespace
