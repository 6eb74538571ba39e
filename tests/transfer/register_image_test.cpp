// The register image, its word rule and the BCD digit forms.
#include "core/h9_registers.h"
#include "support/fake_digit_rows.h"
#include "transfer/register_image.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(FormatValueDigits, FixedPointTwoDecimals)
{
    EXPECT_EQ(FormatValueDigits(1, "1234.56", 2), "12340056");
    EXPECT_EQ(FormatValueDigits(1, "12.5", 2), "00120050");
    EXPECT_EQ(FormatValueDigits(1, "12.", 2), "00120000");
    EXPECT_EQ(FormatValueDigits(1, "1.239", 2), "00010023"); // digits beyond the kind are dropped
    EXPECT_EQ(FormatValueDigits(1, "0.05", 2), "00000005");
    EXPECT_EQ(FormatValueDigits(1, " 12.5  ", 2), "00120050");
    EXPECT_EQ(FormatValueDigits(1, "12", 2), "00120000");
}

TEST(FormatValueDigits, FixedPointThreeDecimals)
{
    EXPECT_EQ(FormatValueDigits(1, "1", 3), "00010000");
    EXPECT_EQ(FormatValueDigits(1, "123.4", 3), "01230400");
    EXPECT_EQ(FormatValueDigits(1, "123.45", 3), "01230450");
    EXPECT_EQ(FormatValueDigits(1, "123.456", 3), "01230456");
    EXPECT_EQ(FormatValueDigits(1, "099.999", 3), "00990999");
}

TEST(FormatValueDigits, PlainIgnoresTheKind)
{
    EXPECT_EQ(FormatValueDigits(0, "123456", 2), "00123456");
    EXPECT_EQ(FormatValueDigits(0, "000001", 2), "00000001");
    EXPECT_EQ(FormatValueDigits(0, "000001", 3), "00000001");
    EXPECT_EQ(FormatValueDigits(7, "42", 0), "00000042");
}

TEST(FormatValueDigits, RefusesWhatIsNotAPlainNumber)
{
    EXPECT_EQ(FormatValueDigits(1, "12A.5", 2), "");
    EXPECT_EQ(FormatValueDigits(1, "12.5X", 2), "");
    EXPECT_EQ(FormatValueDigits(1, "-1.5", 2), "");
    EXPECT_EQ(FormatValueDigits(1, ".", 2), "");
    EXPECT_EQ(FormatValueDigits(1, "12345.6", 2), ""); // five integer digits do not fit
    EXPECT_EQ(FormatValueDigits(0, "12.5", 0), "");     // plain form has no point
    EXPECT_EQ(FormatValueDigits(0, "", 0), "");
    EXPECT_EQ(FormatValueDigits(0, "123456789", 0), "");
}

TEST(RegBlock, PutDigitsPlacesTheLastPairLowest)
{
    RegBlock b(100, 107, 0xFF, false);
    b.Clear();
    ASSERT_TRUE(b.PutDigits(100, FormatValueDigits(1, "1234.56", 2)));
    EXPECT_EQ(b.byReg(100), 0x56);
    EXPECT_EQ(b.byReg(101), 0x00);
    EXPECT_EQ(b.byReg(102), 0x34);
    EXPECT_EQ(b.byReg(103), 0x12);
    EXPECT_EQ(b.Word(100), 0x0056);
    EXPECT_EQ(b.Word(102), 0x1234);
    for (int a = 100; a <= 103; ++a)
        EXPECT_TRUE(b.bRegFlag(a));
    EXPECT_FALSE(b.bRegFlag(104));
    EXPECT_EQ(b.byReg(104), 0xFF);
}

TEST(RegBlock, RefusedDigitsLeaveTheBlockUntouched)
{
    RegBlock b(100, 107, 0xFF, false);
    b.Clear();
    EXPECT_FALSE(b.PutDigits(100, "1234A056"));
    EXPECT_FALSE(b.PutDigits(100, "123400"));
    EXPECT_FALSE(b.PutDigits(100, ""));
    for (int a = 100; a <= 107; ++a) {
        EXPECT_EQ(b.byReg(a), 0xFF);
        EXPECT_FALSE(b.bRegFlag(a));
    }
    // Four bytes from 106 would run past the block.
    EXPECT_THROW((void)b.PutDigits(106, "12345678"), std::out_of_range);
    EXPECT_EQ(b.byReg(106), 0xFF);
}

TEST(RegBlock, SettingFillsAWholeRegister)
{
    RegBlock b(100, 103, 0xFF, false);
    b.Clear();
    b.PutSetting(102, 13);
    EXPECT_EQ(b.Word(102), 0x000D);
    EXPECT_TRUE(b.bRegFlag(102));
    EXPECT_TRUE(b.bRegFlag(103));
    EXPECT_THROW(b.PutSetting(103, 1), std::out_of_range);
    EXPECT_THROW((void)b.byReg(99), std::out_of_range);
}

TEST(RegBlock, TheThreeDigitForms)
{
    RegBlock b(0, 11, 0xFF, false);
    ASSERT_TRUE(b.PutDigits(0, PlainDigits("123456")));
    EXPECT_EQ(b.Word(0), 0x3456);
    EXPECT_EQ(b.Word(2), 0x0012);
    ASSERT_TRUE(b.PutDigits(4, SplitDigits("123456")));
    EXPECT_EQ(b.Word(4), 0x0056);
    EXPECT_EQ(b.Word(6), 0x1234);
    ASSERT_TRUE(b.PutDigits(8, FormatValueDigits(1, "123.456", 3)));
    EXPECT_EQ(b.Word(8), 0x0456);
    EXPECT_EQ(b.Word(10), 0x0123);
    // A whole count and a time with two decimals land in the same places.
    EXPECT_EQ(SplitDigits("123456"), FormatValueDigits(1, "1234.56", 2));
    EXPECT_EQ(PlainDigits("12345"), "");
    EXPECT_EQ(SplitDigits("12345a"), "");
}

TEST(RegBlock, FlaggedWordWalkLooksOnlyAtEvenFlags)
{
    RegBlock b(200, 209, 0xFF, false);
    b.Clear();
    b.PutSetting(200, 1);
    b.setRegFlag(203, true); // odd byte alone: not written
    b.PutSetting(208, 2);
    std::vector<std::pair<int, int>> written;
    EXPECT_EQ(b.WriteFlaggedWords([&](int reg, int value) { written.push_back({reg, value}); return 0; }), 0);
    EXPECT_EQ(written, (std::vector<std::pair<int, int>>{{200, 1}, {208, 2}}));

    written.clear();
    EXPECT_EQ(b.WriteFlaggedWords([&](int reg, int value) { written.push_back({reg, value}); return 3; }), 3);
    EXPECT_EQ(written.size(), 1u); // stops at the first failed write
}

TEST(RegImageH9, BlocksAndWalkCounts)
{
    RegImageH9 image;
    // A fresh image holds zeros and no flags until the first encoder run.
    EXPECT_EQ(image.TimerA.byReg(kRegTimeCodeA_H9), 0);
    EXPECT_FALSE(image.TimerA.bRegFlag(kRegTimeCodeA_H9));
    image.TimerA.Clear();
    EXPECT_EQ(image.TimerA.byReg(kRegTimerALast_H9), 0xFF);

    EXPECT_EQ(image.TimerA.WalkRegisters().size(), 33u);
    EXPECT_EQ(image.TimerA.WalkRegisters().back(), kRegTimerALast_H9 - 1);
    EXPECT_EQ(image.CounterB.WalkRegisters().size(), 13u);
    EXPECT_EQ(image.CounterB.WalkRegisters().back(), kRegCounterBLast_H9 - 1);
    EXPECT_EQ(image.TachoB.WalkRegisters().size(), 12u);
    EXPECT_EQ(image.TachoB.WalkRegisters().back(), kRegTachoBLast_H9 - 1);
    EXPECT_EQ(image.TachoCnt.WalkRegisters().size(), 13u);
    EXPECT_EQ(image.TwoStage.WalkRegisters().size(), 11u);
    EXPECT_EQ(image.TwoStage.WalkRegisters().back(), kRegTwoStageLast_H9 - 1);
    EXPECT_EQ(image.DualCounter.WalkRegisters().size(), 6u);
    EXPECT_EQ(image.DualCounter.WalkRegisters().back(), kRegDualCounterLast_H9 - 1);
    EXPECT_EQ(image.DualTacho.WalkRegisters().size(), 3u);
    EXPECT_EQ(image.DualTacho.WalkRegisters().back(), kRegDualTachoLast_H9 - 1);
    EXPECT_EQ(image.TimerA.size(), 66);
    EXPECT_EQ(image.DualTacho.size(), 6);
}

TEST(DigitRowText, JoinsTheCaptionsAndPlacesThePoint)
{
    testsupport::FakeRow row;
    row.setDigits("123456");
    EXPECT_EQ(DigitRowText(row.rowText(), 0), "123456");
    EXPECT_EQ(DigitRowText(row.rowText(), 2), "1234.56");
    EXPECT_EQ(DigitRowText(row.rowText(), 3), "123.456");
    row.setCaption(6, "."); // the separator is never read
    EXPECT_EQ(DigitRowText(row.rowText(), 1), "12345.6");
    EXPECT_EQ(DigitRowText(row.rowText(), 7), "");

    row.setCaption(2, "A");
    EXPECT_EQ(DigitRowText(row.rowText(), 2), "");
    row.setCaption(2, "");
    EXPECT_EQ(DigitRowText(row.rowText(), 0), "");
    row.setCaption(2, "33");
    EXPECT_EQ(DigitRowText(row.rowText(), 0), "");
    row.setCaption(2, "-");
    EXPECT_EQ(DigitRowText(row.rowText(), 0), "");
}
