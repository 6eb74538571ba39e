// The H5/H7 writers against layouts worked out by hand, from the edited set's bytes
// and digit rows alone.
#include "core/h5h7_params.h"
#include "core/key_protect.h"
#include "core/machine_type.h"
#include "settings_file/h5h7_image.h"
#include "support/fake_digit_rows.h"
#include "support/h5h7_images.h"

#include <gtest/gtest.h>

using testhelp::handH5;
using testhelp::handH7;
using R = H5H7Row;

namespace {

class H5H7Image : public ::testing::Test {
protected:
    void SetUp() override { resetSet(); }
    void TearDown() override { resetSet(); }

    static void resetSet()
    {
        nFuncMode = -1;
        bKeyProtect = 0;
        timerParamsH5 = {};
        counterParamsH7 = {};
    }

    // The edited set that handH5 describes.
    void setHandH5(int mode = 0)
    {
        nFuncMode = mode;
        timerParamsH5 = {.nSGWidth_H5 = 1, .nInputMethod_H5 = 1, .nKP_H5 = 3,
                         .nTimerRange_A_H5 = 9, .nTimerDir_A_H5 = 1, .nOutputMode_A_H5 = 9,
                         .nTimerRangeOFF_B_H5 = 2, .nTimerRangeON_B_H5 = 5, .nTimerDir_B_H5 = 1,
                         .nOutputMode_B_H5 = 1, .nSettingMode_C_H5 = 1, .nTimerRange_C_H5 = 7,
                         .nOutputMode_C_H5 = 1};
        bKeyProtect = 1;
        rows[R::lblTimerSetting_A_H5].setDigits("123456");
        rows[R::lblHoldTime_A_H5].setDigits("000150");
        rows[R::lblDutyRatio_A_H5].setDigits("000100");
        rows[R::lblSettingValueOFF_B_H5].setDigits("000777");
        rows[R::lblSettingValueON_B_H5].setDigits("888888");
        rows[R::lblSV1_C_H5].setDigits("010203");
        rows[R::lblSV2_C_H5].setDigits("040506");
    }

    // The edited set that handH7 describes.
    void setHandH7(int mode = 6)
    {
        nFuncMode = mode;
        counterParamsH7 = {.nCountInputMode_1st_H7 = 2, .nOutputMode_1st_H7 = 11,
                           .nCountInputMode_2nd_H7 = 3, .nOutputMode_2nd_H7 = 10,
                           .nCountInputMode_batch_H7 = 4, .nOutputMode_batch_H7 = 5,
                           .nOutputMode_freq_H7 = 3, .nSampleAvg_freq_H7 = 2, .nDotAdj_H7 = 3,
                           .nInputMethod_H7 = 1, .nKP_H7 = 4, .nMaxFreq_H7 = 1, .nSGWidth_H7 = 1};
        bKeyProtect = 1;
        rows[R::lblMagnification_Comm_H7].setDigits("012345");
        rows[R::lblHoldCounter_1st_H7].setDigits("000050");
        rows[R::lblCounterSetting_1st_H7].setDigits("-00123");
        rows[R::lblHoldCounter_2nd_1_H7].setDigits("000001");
        rows[R::lblHoldCounter_2nd_2_H7].setDigits("000002");
        rows[R::lblCounterSetting_2nd_1_H7].setDigits("-00003");
        rows[R::lblCounterSetting_2nd_2_H7].setDigits("-01000");
        rows[R::lblHoldCounter_batch_H7].setDigits("000011");
        rows[R::lblCounterSetting_batch_1_H7].setDigits("000012");
        rows[R::lblCounterSetting_batch_2_H7].setDigits("000013");
        rows[R::lblAuto2ZeroTime_freq_H7].setDigits("009999");
        rows[R::lblDelay2StartTime_freq_H7].setDigits("000500");
        rows[R::lblCounterSetting_freq_1_H7].setDigits("123456");
        rows[R::lblCounterSetting_freq_2_H7].setDigits("654321");
    }

    testsupport::FakeH5H7Rows rows;
};

} // namespace

TEST_F(H5H7Image, WritersFillTheLayoutWorkedOutByHand)
{
    nMacType = kMacTypeH5;
    setHandH5();
    ASSERT_EQ(BuildFileImage_H5(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH5()), "");

    resetSet();
    nMacType = kMacTypeH7;
    setHandH7();
    ASSERT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH7()), "");
}

TEST_F(H5H7Image, H8UsesTheLayoutOfItsMode)
{
    nMacType = kMacTypeH8;
    setHandH5(1);
    ASSERT_EQ(BuildFileImage_H5(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH5("040A", "1")), "");
    EXPECT_EQ(BuildFileImage_H7(), 15); // a timer mode has no counter layout

    resetSet();
    setHandH7(6);
    ASSERT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH7("040A", "6")), "");
    EXPECT_EQ(BuildFileImage_H5(), 15);
}

TEST_F(H5H7Image, WritersRefuseWhatOneCharacterCannotHold)
{
    nMacType = kMacTypeH8;
    EXPECT_EQ(BuildFileImage_H5(), 15); // no mode chosen yet
    EXPECT_EQ(BuildFileImage_H7(), 15);

    nFuncMode = 0;
    ASSERT_EQ(BuildFileImage_H5(), 0);
    rows[R::lblSV2_C_H5].setCaption(5, "");
    EXPECT_EQ(BuildFileImage_H5(), 15);
    rows[R::lblSV2_C_H5].setCaption(5, "12");
    EXPECT_EQ(BuildFileImage_H5(), 15);
    rows[R::lblSV2_C_H5].setCaption(5, "2");
    timerParamsH5.nTimerRange_C_H5 = 10;
    EXPECT_EQ(BuildFileImage_H5(), 15);
    timerParamsH5.nTimerRange_C_H5 = 0;
    EXPECT_EQ(BuildFileImage_H5(), 0);

    nFuncMode = 8;
    ASSERT_EQ(BuildFileImage_H7(), 0);
    counterParamsH7.nOutputMode_freq_H7 = 16; // beyond one hexadecimal digit
    EXPECT_EQ(BuildFileImage_H7(), 15);
    counterParamsH7.nOutputMode_freq_H7 = 15;
    EXPECT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(byFileBuf.at(181), 'F');
}
