// Frames, LRC, reply checks and the reply accessor.
#include "link/modbus_ascii.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

QByteArray frameOf(const QByteArray& text) { return BuildAsciiFrame(text); }

TEST(Framing, RequestFramesByteForByte)
{
    EXPECT_EQ(frameOf(ReadRequestText(1, 1028, 1)), QByteArray(":010304040001F3\r\n"));
    EXPECT_EQ(frameOf(ReadRequestText(1, 1024, 1)), QByteArray(":010304000001F7\r\n"));
    EXPECT_EQ(frameOf(WriteRequestText(1, 1280, 1)), QByteArray(":010605000001F3\r\n"));
    EXPECT_EQ(frameOf(CommandDDRequestText(1)), QByteArray(":01DD0000000022\r\n"));
    // Upper-case digits, high byte first, for every field.
    EXPECT_EQ(frameOf(WriteRequestText(0xAB, 0x1234, 0xBEEF)).left(13), QByteArray(":AB061234BEEF"));
    EXPECT_EQ(ReadRequestText(255, 65535, 14), QByteArray("FF03FFFF000E"));
}

TEST(Framing, LrcIsTheTwosComplementOfTheByteSum)
{
    // 0xFF + 0x01 = 256: the LRC is 00, not 100.
    EXPECT_EQ(BuildAsciiFrame("FF01"), QByteArray(":FF0100\r\n"));
    // A last lone digit counts by itself: 0x01 + 0x0F = 0x10 -> F0.
    EXPECT_EQ(BuildAsciiFrame("01F"), QByteArray(":01FF0\r\n"));
    EXPECT_EQ(BuildAsciiFrame("01G3"), QByteArray());
    EXPECT_EQ(BuildAsciiFrame(""), QByteArray());
}

TEST(Framing, ArgumentsOutOfRangeGiveNoText)
{
    EXPECT_TRUE(ReadRequestText(256, 1028, 1).isEmpty());
    EXPECT_TRUE(ReadRequestText(-1, 1028, 1).isEmpty());
    EXPECT_TRUE(ReadRequestText(1, 65536, 1).isEmpty());
    EXPECT_TRUE(WriteRequestText(1, 1280, 65536).isEmpty());
    EXPECT_TRUE(WriteRequestText(1, 1280, -1).isEmpty());
    EXPECT_TRUE(CommandDDRequestText(300).isEmpty());
}

TEST(Framing, CheckLrc)
{
    EXPECT_EQ(CheckLrc(":010302010AEF\r\n"), 0);
    EXPECT_EQ(CheckLrc(":010302010aef\r\n"), 0) << "lower-case digits are accepted";
    EXPECT_EQ(CheckLrc(":010302010BEF\r\n"), 1) << "one changed data digit";
    EXPECT_EQ(CheckLrc("x:010302010AEF\r\n"), 1) << "a stray character in front";
    EXPECT_EQ(CheckLrc(":010302010AEG\r\n"), 1) << "a non-hex LRC digit";
    EXPECT_EQ(CheckLrc(":010302010A\xEF\r\n"), 1);
    EXPECT_EQ(CheckLrc(":0103020 0AEF\r\n"), 1) << "a non-hex data character";
    EXPECT_EQ(CheckLrc(":010302010AEF\n"), 1) << "no CR";
    EXPECT_EQ(CheckLrc(":010302010AEF\r"), 1) << "no LF";
    EXPECT_EQ(CheckLrc(":010302010AE\r\n"), 1) << "half a byte";
    EXPECT_EQ(CheckLrc(""), 1);
    EXPECT_EQ(CheckLrc("\n"), 1);
    EXPECT_EQ(CheckLrc(":\r\n"), 1);
}

TEST(Framing, ValidateReadReplies)
{
    const auto read1 = ExpectedReply::forRead(1, 1);
    EXPECT_EQ(ValidateReply(":010302010AEF\r\n", read1), 0);
    EXPECT_EQ(ValidateReply(":010302010aef\r\n", read1), 0);
    EXPECT_EQ(ValidateReply(":010302010BEF\r\n", read1), 12);
    // Exception replies to a read.
    EXPECT_EQ(ValidateReply(":0183017B\r\n", read1), 28);
    EXPECT_EQ(ValidateReply(":0183027A\r\n", read1), 29);
    EXPECT_EQ(ValidateReply(":01830379\r\n", read1), 23);
    // A good LRC is not enough: slave, function and length must fit the request.
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("020302010A"), read1), 12) << "another slave";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("020302"), read1), 12);
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("010402010A"), read1), 12) << "another function";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("0103"), read1), 12) << "too short to hold the register";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("010302"), read1), 12);
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("010304010A0B0C"), read1), 12) << "two registers for one";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("010302010A"), ExpectedReply::forRead(1, 2)), 12);
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("0186017B"), read1), 12) << "a write's exception";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("028302"), read1), 12) << "another slave's exception";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("01830200"), read1), 12) << "an exception of the wrong length";
}

TEST(Framing, ValidateWriteReplies)
{
    const auto write = ExpectedReply::forWrite(1, 0x0500, 0x0001);
    EXPECT_EQ(ValidateReply(":010605000001F3\r\n", write), 0);
    EXPECT_EQ(ValidateReply(":01860178\r\n", write), 28);
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("018602"), write), 29);
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("018604"), write), 23);
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("0183027A"), write), 12) << "a read's exception";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("010302010A"), write), 12) << "a read's reply";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("0106050000"), write), 12) << "a short echo";
    EXPECT_EQ(ValidateReply(BuildAsciiFrame("110605000001"), write), 12) << "another slave's echo";
}

TEST(ReplyAccess, PositionsOfARegisterBlock)
{
    const QByteArray one = ":010302010AEF\r\n";
    EXPECT_EQ(ReplyRegisterHigh(one, 0), 0x01);
    EXPECT_EQ(ReplyRegisterLow(one, 0), 0x0A);
    EXPECT_EQ(ReplyRegister(one, 0), 0x010A);
    EXPECT_EQ(ReplyRegisterText(one, 0), QByteArray("010A"));
    EXPECT_EQ(ReplyByte(one, 12), 0xEF);
    EXPECT_EQ(ReplyByte(":0103020a0bE5\r\n", 10), 0x0B) << "lower case";

    // Fourteen registers 0x1100, 0x1101, ... : the last low byte at 62-63, the LRC at 64-65.
    QByteArray text = "01031C";
    for (int k = 0; k < 14; ++k)
        text += QByteArray::number(0x1100 + k, 16).toUpper();
    const QByteArray fourteen = BuildAsciiFrame(text);
    ASSERT_EQ(fourteen.size(), 4 * 14 + 11);
    EXPECT_EQ(ValidateReply(fourteen, ExpectedReply::forRead(1, 14)), 0);
    EXPECT_EQ(ReplyByte(fourteen, 62), 0x0D);
    EXPECT_EQ(ReplyRegisterLow(fourteen, 13), 0x0D);
    EXPECT_EQ(ReplyByte(fourteen, 64), ReplyByte(fourteen.right(4), 1));
    EXPECT_EQ(ReplyChars(fourteen, 64, 2), fourteen.mid(63, 2));
}

TEST(ReplyAccess, NothingIsReadPastTheEnds)
{
    const QByteArray shortReply = ":0103\r\n";
    EXPECT_EQ(ReplyRegisterHigh(shortReply, 0), std::nullopt);
    EXPECT_EQ(ReplyRegisterText(shortReply, 0), std::nullopt);
    EXPECT_EQ(ReplyByte(shortReply, 7), std::nullopt) << "CR LF are no hex digits";
    EXPECT_EQ(ReplyByte(shortReply, 8), std::nullopt);
    EXPECT_EQ(ReplyByte(shortReply, 0), std::nullopt);
    EXPECT_EQ(ReplyByte(shortReply, INT_MAX), std::nullopt);
    EXPECT_EQ(ReplyChar(shortReply, 7), '\n');
    EXPECT_EQ(ReplyChar(shortReply, 8), std::nullopt);
    EXPECT_EQ(ReplyChars(shortReply, 6, 3), std::nullopt);
    EXPECT_EQ(ReplyChars(shortReply, 1, INT_MAX), std::nullopt);
    EXPECT_EQ(ReplyRegister(":010302010AEF\r\n", 1), std::nullopt);
    EXPECT_EQ(ReplyRegister(":010302010AEF\r\n", -1), std::nullopt);
    EXPECT_EQ(ReplyRegister(":010302010AEF\r\n", INT_MAX), std::nullopt);
    EXPECT_EQ(ReplyChars(QByteArray(), 1, 0), QByteArray());
}

} // namespace
