// The H9 writer against layouts worked out by hand, from the edited set's bytes and
// digit rows alone.
#include "core/h9_params.h"
#include "core/key_protect.h"
#include "core/machine_type.h"
#include "settings_file/h9_image.h"
#include "support/fake_digit_rows.h"
#include "support/h9_images.h"
#include "support/h9_set.h"

#include <gtest/gtest.h>

using testhelp::image;
using testhelp::imageDiff;
using R = H9Row;

namespace {

class H9Image : public ::testing::Test {
protected:
    void SetUp() override
    {
        nMacType = kMacTypeH9;
        testsupport::resetH9Params();
    }
    void TearDown() override { testsupport::resetH9Params(); }

    void common(bool kp, bool ps, int sgWidth, int input)
    {
        bKeyProtect = kp ? 1 : 0;
        timerCounterParamsH9.bPowerSaving_H9 = ps ? 1 : 0;
        timerCounterParamsH9.nSGWidth_H9 = static_cast<quint8>(sgWidth);
        timerCounterParamsH9.nInputMethod_H9 = static_cast<quint8>(input);
    }

    // Range 0 shows seconds with two decimals, the others whole numbers.
    void timerA(int range, int dir, int output, const char* set, const char* hold)
    {
        timerCounterParamsH9.nTimeRangeA_H9 = static_cast<quint8>(range);
        timerCounterParamsH9.nCountDirectionA_H9 = static_cast<quint8>(dir);
        timerCounterParamsH9.nOutputModeA_H9 = static_cast<quint8>(output);
        rows[R::lblTimerSettingA].setDigits(set, range == 0 ? "." : "0");
        rows[R::lblHoldTimeA].setDigits(hold, ".");
    }

    // Timer A with counter B: the set of testhelp::h9Mode0Image().
    void mode0()
    {
        timerCounterParamsH9.nFuncType_H9 = 0;
        timerCounterParamsH9.nFuncB_H9 = 0;
        common(true, false, 1, 0);
        timerA(0, 0, 0, "001234", "000050");
        timerCounterParamsH9.nCountInputModeB_H9 = 2;
        timerCounterParamsH9.nDotAdjB_H9 = 3;
        timerCounterParamsH9.nMaxFreqB_H9 = 1;
        timerCounterParamsH9.nOutputModeB_H9 = 11;
        rows[R::lblMagnificationB].setDigits("012500", ".");
        rows[R::lblCounterSettingB].setDigits("012345", ".");
        rows[R::lblHoldCounterB].setDigits("000250", ".");
    }

    testsupport::FakeH9Rows rows;
};

} // namespace

TEST_F(H9Image, TimerWithCounter)
{
    mode0();
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf, testhelp::h9Mode0Image()), "");

    // Decimal point 0 stores the set value behind the greyed "0"; output 13 is "D".
    timerCounterParamsH9.nDotAdjB_H9 = 0;
    rows[R::lblCounterSettingB].setDigits("001234", "0");
    timerCounterParamsH9.nOutputModeB_H9 = 13;
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(byFileBuf.mid(63, 7), "0001234");
    EXPECT_EQ(byFileBuf.at(53), '0');
    EXPECT_EQ(byFileBuf.at(55), 'D');
}

TEST_F(H9Image, TimerWithTachometer)
{
    timerCounterParamsH9.nFuncType_H9 = 0;
    timerCounterParamsH9.nFuncB_H9 = 1;
    common(false, true, 0, 1);
    timerA(2, 1, 3, "000150", "000075");
    timerCounterParamsH9.nSampleAvgB_F_H9 = 2;
    timerCounterParamsH9.nDotAdjB_F_H9 = 1;
    timerCounterParamsH9.nMaxFreqB_F_H9 = 3;
    timerCounterParamsH9.nOutputModeB_F_H9 = 1;
    rows[R::lblMagnificationB_F].setDigits("001250", ".");
    rows[R::lblCounterSettingB_F].setDigits("054321", ".");
    rows[R::lblHoldCounterB_F].setDigits("000300", ".");
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf,
                        image({{0, "0100"}, {4, "010A"}, {8, "0"}, {9, "1"}, {21, "0"},
                               {25, "2"}, {26, "1"}, {28, "3"}, {29, "0000150"}, {36, "0000.75"},
                               {51, "1"}, {91, "2"}, {92, "1"}, {93, "3"}, {94, "1"},
                               {95, "01.250"}, {101, "05432.1"}, {108, "0003.00"},
                               {251, "0"}, {252, "1"}})),
              "");
}

TEST_F(H9Image, DualCounterInEachSubMode)
{
    // Sub-mode 1 lists K-1, K-2, Q-1, Q-2 and stores their codes 4, 10, 12, 13.
    struct Case { int subMode; int speed; int output; const char* subModeChar; const char* code; };
    const Case cases[] = {{0, 2, 10, "0", "A"}, {1, 3, 10, "1", "A"}, {2, 0, 13, "2", "D"}};
    for (const Case& c : cases) {
        testsupport::resetH9Params();
        timerCounterParamsH9.nFuncType_H9 = 1;
        timerCounterParamsH9.nDualFunc_H9 = 1;
        timerCounterParamsH9.nDualCounterMode_H9 = static_cast<quint8>(c.subMode);
        common(false, false, 1, 1);
        timerCounterParamsH9.nOutputMode_C_Dual_0_H9 = 1;
        rows[R::lblCounterSetting_C_Dual_0].setDigits("000777", "0");
        rows[R::lblHoldCounter_C_Dual_0].setDigits("000120", ".");
        timerCounterParamsH9.nCountInputMode_C_Dual_1_H9 = 5;
        timerCounterParamsH9.nMaxFreq_C_Dual_1_H9 = static_cast<quint8>(c.speed);
        timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = static_cast<quint8>(c.output);
        rows[R::lblCounterSetting_C_Dual_1].setDigits("000888", "0");
        rows[R::lblHoldCounter_C_Dual_1].setDigits("000140", ".");
        ASSERT_EQ(BuildFileImage_H9(), 0) << c.subMode;
        const QByteArray speed = QByteArray::number(c.speed);
        EXPECT_EQ(imageDiff(byFileBuf,
                            image({{0, "0100"}, {4, "010A"}, {8, "0"}, {9, "0"}, {21, "1"},
                                   {130, "1"}, {171, c.subModeChar}, {172, "1"}, {173, "0000777"},
                                   {180, "0001.20"}, {191, "5"}, {192, speed.constData()},
                                   {193, c.code}, {195, "0000888"}, {202, "0001.40"},
                                   {251, "1"}, {252, "1"}})),
                  "")
            << c.subMode;
    }
}

TEST_F(H9Image, TwoStageTimerAndDualTachometer)
{
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 0;
    common(true, true, 0, 0);
    timerCounterParamsH9.nOutputMode_T_Dual_0_H9 = 1;
    timerCounterParamsH9.nOutputMode_T_Dual_1_H9 = 0;
    rows[R::lblTimerSetting_T_Dual_0].setDigits("000100", "0");
    rows[R::lblHoldTime_T_Dual_0].setDigits("000050", ".");
    rows[R::lblTimerSetting_T_Dual_1].setDigits("000200", "0");
    rows[R::lblHoldTime_T_Dual_1].setDigits("000060", ".");
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf,
                        image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "1"}, {21, "1"},
                               {130, "0"}, {131, "1"}, {132, "0000100"}, {139, "0000.50"},
                               {151, "0"}, {152, "0000200"}, {159, "0000.60"},
                               {251, "0"}, {252, "0"}})),
              "");

    // Stage 1 below stage 0: the check's code, and nothing of the section is written.
    rows[R::lblTimerSetting_T_Dual_1].setDigits("000099");
    EXPECT_EQ(BuildFileImage_H9(), 13);
    EXPECT_EQ(imageDiff(byFileBuf, image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "1"},
                                          {21, "1"}, {130, "0"}})),
              "");

    testsupport::resetH9Params();
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 2;
    common(false, false, 1, 0);
    timerCounterParamsH9.nOutputModeA_Dual_F_H9 = 1;
    timerCounterParamsH9.nSampleAvgB_Dual_F_H9 = 2;
    timerCounterParamsH9.nMaxFreqB_Dual_F_H9 = 3;
    timerCounterParamsH9.nOutputModeB_Dual_F_H9 = 1;
    rows[R::lblCounterSettingA_Dual_F].setDigits("001000", "0");
    rows[R::lblCounterSettingB_Dual_F].setDigits("002000", "0");
    rows[R::lblHoldCounterB_Dual_F].setDigits("000500", ".");
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf,
                        image({{0, "0100"}, {4, "010A"}, {8, "0"}, {9, "0"}, {21, "1"},
                               {130, "2"}, {221, "1"}, {222, "0001000"}, {231, "2"},
                               {232, "3"}, {233, "1"}, {234, "0002000"}, {241, "0005.00"},
                               {251, "1"}, {252, "0"}})),
              "");
}

TEST_F(H9Image, WriterStopsAtAFailedCheckOrAFieldItCannotStore)
{
    mode0();
    rows[R::lblTimerSettingA].setDigits("000000");
    EXPECT_EQ(BuildFileImage_H9(), 6);
    EXPECT_EQ(imageDiff(byFileBuf, image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "0"}, {21, "0"}})),
              "");

    mode0();
    rows[R::lblMagnificationB].setDigits("100000");
    EXPECT_EQ(BuildFileImage_H9(), 9);
    EXPECT_EQ(byFileBuf.at(51), '0');
    EXPECT_EQ(byFileBuf.at(52), '0'); // the counter section is not begun

    mode0();
    timerCounterParamsH9.nOutputModeB_H9 = 16; // no one-character code
    EXPECT_EQ(BuildFileImage_H9(), 15);
    timerCounterParamsH9.nOutputModeB_H9 = 11;
    timerCounterParamsH9.nDotAdjB_H9 = 4; // no label order
    EXPECT_EQ(BuildFileImage_H9(), 15);
    timerCounterParamsH9.nDotAdjB_H9 = 3;
    ASSERT_EQ(BuildFileImage_H9(), 0);
    rows[R::lblHoldCounterB].setCaption(6, "");
    EXPECT_EQ(BuildFileImage_H9(), 15);
}
