// The limits of the H9 set values.
#include "transfer/h9_checks.h"

#include "h9_fixture.h"

using h9test::H9Test;

TEST(CheckValue_H9, LimitsOfEveryKind)
{
    struct Case { int kind; int flag; const char* text; int expected; };
    const Case cases[] = {
        {0, 0, "0", 1}, {0, 0, "1", 0}, {0, 0, "999999", 0}, {0, 0, "1000000", 1},
        {1, 0, "0.0", 1}, {1, 0, "0.1", 0}, {1, 0, "99999.9", 0}, {1, 0, "100000.0", 1},
        {2, 0, "0.00", 1}, {2, 0, "0.01", 0}, {2, 0, "9999.99", 0}, {2, 0, "10000.00", 1},
        {3, 0, "0.000", 1}, {3, 0, "0.001", 0}, {3, 0, "999.999", 0}, {3, 0, "1000.000", 1},
        {3, 1, "99.999", 0}, {3, 1, "100.000", 1}, {3, 1, "0.001", 0},
        {4, 0, "0.0001", 0}, {4, 0, "99.9999", 0}, {4, 0, "100.0000", 1}, {4, 0, "0.0000", 1},
        {5, 0, "0.00", 0}, {5, 0, "9999.99", 0}, {5, 0, "10000.00", 1},
        {9, 0, "0", 0}, {9, 0, "1", 1}, // a kind with no row admits 0 only
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckValue_H9(c.kind, c.flag, c.text), c.expected)
            << "kind " << c.kind << " flag " << c.flag << " text " << c.text;
}

TEST(CheckValue_H9, ComparesInSinglePrecision)
{
    // 0.1 as a double lies below the single-precision limit 0.1f; in single precision
    // they are the same number, so the smallest values pass.
    EXPECT_EQ(CheckValue_H9(1, 0, "0.1"), 0);
    EXPECT_EQ(CheckValue_H9(3, 0, "0.001"), 0);
    // 9999.99001 rounds to the same float as 9999.99 (kind 5 allows five decimals).
    EXPECT_EQ(CheckValue_H9(5, 0, "9999.99001"), 0);
    EXPECT_EQ(CheckValue_H9(5, 0, "9999.99100"), 1);
}

TEST(CheckValue_H9, DecimalsRule)
{
    EXPECT_EQ(CheckValue_H9(2, 0, "12.300"), 0); // trailing zeros beyond the kind pass
    EXPECT_EQ(CheckValue_H9(2, 0, "12.301"), 1);
    EXPECT_EQ(CheckValue_H9(0, 0, "12.0"), 0);
    EXPECT_EQ(CheckValue_H9(0, 0, "12.5"), 1);
    EXPECT_EQ(CheckValue_H9(1, 0, "12.5"), 0);
    EXPECT_EQ(CheckValue_H9(2, 0, "1.2.3"), 1); // two points
    EXPECT_EQ(CheckValue_H9(2, 0, "12."), 0);
}

TEST(CheckValue_H9, RefusesTextsThatAreNotNumbers)
{
    EXPECT_EQ(CheckValue_H9(0, 0, "12A"), 1);
    EXPECT_EQ(CheckValue_H9(5, 0, ""), 1);
    EXPECT_EQ(CheckValue_H9(5, 0, "."), 1);
    EXPECT_EQ(CheckValue_H9(0, 0, " 12"), 1);
    EXPECT_EQ(CheckValue_H9(0, 0, "-5"), 1);
}

using CheckTimerA = H9Test;

TEST_F(CheckTimerA, SetValueByRangeAndOutputTimeByMode)
{
    rows[H9Row::lblTimerSettingA].setDigits("000000");
    EXPECT_EQ(CheckTimerA_H9(), 6);
    rows[H9Row::lblTimerSettingA].setDigits("000001"); // 0.01 s
    EXPECT_EQ(CheckTimerA_H9(), 0);
    timerCounterParamsH9.nTimeRangeA_H9 = 1;
    rows[H9Row::lblTimerSettingA].setDigits("000000");
    EXPECT_EQ(CheckTimerA_H9(), 6);
    rows[H9Row::lblTimerSettingA].setDigits("000001");
    EXPECT_EQ(CheckTimerA_H9(), 0);

    // Output modes 0 and 5 have no output time.
    rows[H9Row::lblHoldTimeA].setDigits("000000");
    for (quint8 mode : {0, 5}) {
        timerCounterParamsH9.nOutputModeA_H9 = mode;
        EXPECT_EQ(CheckTimerA_H9(), 0) << int(mode);
    }
    for (quint8 mode : {1, 2, 3, 4, 6, 7}) {
        timerCounterParamsH9.nOutputModeA_H9 = mode;
        EXPECT_EQ(CheckTimerA_H9(), 7) << int(mode);
    }
    rows[H9Row::lblHoldTimeA].setDigits("999999");
    EXPECT_EQ(CheckTimerA_H9(), 0);

    // Both out of limits: the set value's code comes first.
    rows[H9Row::lblHoldTimeA].setDigits("000000");
    rows[H9Row::lblTimerSettingA].setDigits("000000");
    EXPECT_EQ(CheckTimerA_H9(), 6);
}

TEST_F(CheckTimerA, ACaptionThatIsNotADigitFailsWithTheCheckCode)
{
    rows[H9Row::lblTimerSettingA].setDigits("001000");
    rows[H9Row::lblTimerSettingA].setCaption(3, "X");
    EXPECT_EQ(CheckTimerA_H9(), 6);
    rows[H9Row::lblTimerSettingA].setDigits("001000");
    timerCounterParamsH9.nOutputModeA_H9 = 1;
    rows[H9Row::lblHoldTimeA].setDigits("000100");
    rows[H9Row::lblHoldTimeA].setCaption(0, "");
    EXPECT_EQ(CheckTimerA_H9(), 7);
}

using CheckPartB = H9Test;

TEST_F(CheckPartB, Counter)
{
    rows[H9Row::lblCounterSettingB].setDigits("999999");
    rows[H9Row::lblMagnificationB].setDigits("001000");
    for (quint8 dp : {0, 1, 2, 3}) {
        timerCounterParamsH9.nDotAdjB_H9 = dp;
        EXPECT_EQ(CheckPartB_H9(), 0) << int(dp);
        } // 999.999 with three decimals
    rows[H9Row::lblCounterSettingB].setDigits("000000");
    for (quint8 dp : {0, 1, 2, 3}) {
        timerCounterParamsH9.nDotAdjB_H9 = dp;
        EXPECT_EQ(CheckPartB_H9(), 8) << int(dp);
    }
    rows[H9Row::lblCounterSettingB].setDigits("000001");
    EXPECT_EQ(CheckPartB_H9(), 0);

    rows[H9Row::lblMagnificationB].setDigits("100000"); // 100.000
    EXPECT_EQ(CheckPartB_H9(), 9);
    rows[H9Row::lblMagnificationB].setDigits("099999"); // 99.999
    EXPECT_EQ(CheckPartB_H9(), 0);
    rows[H9Row::lblMagnificationB].setDigits("000000");
    EXPECT_EQ(CheckPartB_H9(), 9);
    rows[H9Row::lblMagnificationB].setDigits("000001");

    rows[H9Row::lblHoldCounterB].setDigits("000000");
    for (quint8 mode = 0; mode <= 13; ++mode) {
        timerCounterParamsH9.nOutputModeB_H9 = mode;
        const bool timed = (mode >= 3 && mode <= 5) || mode >= 9;
        EXPECT_EQ(CheckPartB_H9(), timed ? 7 : 0) << int(mode);
    }
    // The output time is tested before the prescale.
    timerCounterParamsH9.nOutputModeB_H9 = 3;
    rows[H9Row::lblMagnificationB].setDigits("000000");
    EXPECT_EQ(CheckPartB_H9(), 7);
}

TEST_F(CheckPartB, Tachometer)
{
    timerCounterParamsH9.nFuncB_H9 = 1;
    rows[H9Row::lblCounterSettingB_F].setDigits("000000");
    rows[H9Row::lblMagnificationB_F].setDigits("000000");
    EXPECT_EQ(CheckPartB_H9(), 10);
    rows[H9Row::lblCounterSettingB_F].setDigits("000010");
    EXPECT_EQ(CheckPartB_H9(), 9); // a startup time of 0.00 passes; the prescale does not
    rows[H9Row::lblMagnificationB_F].setDigits("001000");
    EXPECT_EQ(CheckPartB_H9(), 0);
    rows[H9Row::lblHoldCounterB_F].setCaption(5, "?");
    EXPECT_EQ(CheckPartB_H9(), 11);
    // The counter rows are not read for a tachometer.
    rows[H9Row::lblHoldCounterB_F].setDigits("000000");
    rows[H9Row::lblCounterSettingB].setDigits("000000");
    EXPECT_EQ(CheckPartB_H9(), 0);
}

TEST_F(H9Test, CheckTwoStageTimer)
{
    rows[H9Row::lblTimerSetting_T_Dual_0].setDigits("000000");
    rows[H9Row::lblTimerSetting_T_Dual_1].setDigits("000000");
    EXPECT_EQ(CheckTwoStageTimer_H9(), 6); // before the order is tested
    rows[H9Row::lblTimerSetting_T_Dual_0].setDigits("000500");
    rows[H9Row::lblTimerSetting_T_Dual_1].setDigits("000500");
    EXPECT_EQ(CheckTwoStageTimer_H9(), 0); // equal values pass
    rows[H9Row::lblTimerSetting_T_Dual_1].setDigits("000499");
    EXPECT_EQ(CheckTwoStageTimer_H9(), 13);
    rows[H9Row::lblTimerSetting_T_Dual_1].setDigits("001000");

    timerCounterParamsH9.nOutputMode_T_Dual_0_H9 = 1;
    EXPECT_EQ(CheckTwoStageTimer_H9(), 7);
    rows[H9Row::lblHoldTime_T_Dual_0].setDigits("000001");
    EXPECT_EQ(CheckTwoStageTimer_H9(), 0);
    timerCounterParamsH9.nOutputMode_T_Dual_1_H9 = 1;
    EXPECT_EQ(CheckTwoStageTimer_H9(), 7);
    rows[H9Row::lblHoldTime_T_Dual_1].setDigits("999999");
    EXPECT_EQ(CheckTwoStageTimer_H9(), 0);
    rows[H9Row::lblTimerSetting_T_Dual_1].setCaption(0, "Z");
    EXPECT_EQ(CheckTwoStageTimer_H9(), 6);
}

TEST_F(H9Test, CheckDualCounter)
{
    EXPECT_EQ(CheckDualCounter_H9(), 8);
    rows[H9Row::lblCounterSetting_C_Dual_0].setDigits("000001");
    EXPECT_EQ(CheckDualCounter_H9(), 8); // counter 1 still 0
    rows[H9Row::lblCounterSetting_C_Dual_1].setDigits("999999");
    EXPECT_EQ(CheckDualCounter_H9(), 0);
    timerCounterParamsH9.nOutputMode_C_Dual_0_H9 = 1;
    EXPECT_EQ(CheckDualCounter_H9(), 7);
    rows[H9Row::lblHoldCounter_C_Dual_0].setDigits("000010");
    EXPECT_EQ(CheckDualCounter_H9(), 0);
    // The batch counter's outputs all have an output time.
    for (quint8 code : {4, 10, 12, 13}) {
        timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = code;
        EXPECT_EQ(CheckDualCounter_H9(), 7) << int(code);
    }
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 2;
    EXPECT_EQ(CheckDualCounter_H9(), 0);
}

TEST_F(H9Test, CheckDualTacho)
{
    EXPECT_EQ(CheckDualTacho_H9(), 10);
    rows[H9Row::lblCounterSettingA_Dual_F].setDigits("000001");
    EXPECT_EQ(CheckDualTacho_H9(), 10);
    rows[H9Row::lblCounterSettingB_Dual_F].setDigits("000001");
    EXPECT_EQ(CheckDualTacho_H9(), 0); // startup time 0.00 passes
    rows[H9Row::lblHoldCounterB_Dual_F].setCaption(1, "a");
    EXPECT_EQ(CheckDualTacho_H9(), 11);
}
