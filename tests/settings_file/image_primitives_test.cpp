#include "settings_file/settings_image.h"
#include "support/fake_digit_rows.h"

#include <gtest/gtest.h>

using namespace settings_image;

namespace {

void setRow(testsupport::FakeRow& row, const char* labels0to5, const char* separator)
{
    row.setDigits(QString::fromLatin1(labels0to5), QString::fromLatin1(separator));
}

QByteArray joined(const testsupport::FakeRow& row, const LabelOrder& order)
{
    return joinRow(row.rowText(), order).value_or("<refused>");
}

} // namespace

TEST(ImagePrimitives, DecimalAndHexadecimalCharactersRefuseWhatDoesNotFit)
{
    EXPECT_EQ(decimalChar(0), '0');
    EXPECT_EQ(decimalChar(9), '9');
    EXPECT_FALSE(decimalChar(10));
    EXPECT_FALSE(decimalChar(-1));
    EXPECT_EQ(hexadecimalChar(9), '9');
    EXPECT_EQ(hexadecimalChar(11), 'B');
    EXPECT_EQ(hexadecimalChar(13), 'D');
    EXPECT_EQ(hexadecimalChar(15), 'F');
    EXPECT_FALSE(hexadecimalChar(16));
    EXPECT_FALSE(hexadecimalChar(255));
}

TEST(ImagePrimitives, ReadingBackIsLenient)
{
    EXPECT_EQ(readHexadecimal('D'), 13);
    EXPECT_EQ(readHexadecimal('d'), 13);
    EXPECT_EQ(readHexadecimal('G'), 0);
    EXPECT_EQ(readHexadecimal('7'), 7);
    EXPECT_EQ(readHexadecimal(static_cast<char>(0xFF)), 0);
    EXPECT_EQ(readDecimal('1'), 1);
    EXPECT_EQ(readDecimal('X'), 0);
    EXPECT_EQ(readDecimal('A'), 0);
    EXPECT_EQ(readDecimal(static_cast<char>(0xFF)), 0);
}

TEST(ImagePrimitives, FourHexDigitsHeaderText)
{
    EXPECT_EQ(fourHexDigits(256).value(), "0100");
    EXPECT_EQ(fourHexDigits(266).value(), "010A");
    EXPECT_EQ(fourHexDigits(1034).value(), "040A");
    EXPECT_EQ(fourHexDigits(0).value(), "0000");
    EXPECT_FALSE(fourHexDigits(0x10000));
    EXPECT_FALSE(fourHexDigits(-1));
}

TEST(ImagePrimitives, CaptionCharacterIsExactlyOnePrintableCharacter)
{
    EXPECT_EQ(captionChar("7"), '7');
    EXPECT_EQ(captionChar("-"), '-');
    EXPECT_EQ(captionChar("."), '.');
    EXPECT_FALSE(captionChar(""));
    EXPECT_FALSE(captionChar("12"));
    EXPECT_FALSE(captionChar(QString(QChar(0x00E9))));
}

TEST(ImagePrimitives, H9LabelOrders)
{
    testsupport::FakeRow row;

    setRow(row, "012345", ".");
    EXPECT_EQ(joined(row, *orderByDecimalPoint(3)), "012.345");
    EXPECT_EQ(joined(row, *orderByDecimalPoint(1)), "01234.5");

    setRow(row, "001234", ".");
    EXPECT_EQ(joined(row, orderTwoDecimals()), "0012.34");
    EXPECT_EQ(joined(row, *orderByDecimalPoint(2)), "0012.34");

    setRow(row, "001234", "0");
    EXPECT_EQ(joined(row, orderLeading()), "0001234");
    EXPECT_EQ(joined(row, *orderByDecimalPoint(0)), "0001234");

    // The prescale keeps its last two integer digits: 012.500 is stored as 12.500.
    setRow(row, "012500", ".");
    EXPECT_EQ(joined(row, orderPrescale()), "12.500");

    EXPECT_FALSE(orderByDecimalPoint(4));
    EXPECT_FALSE(orderByDecimalPoint(-1));

    row.setCaption(3, "");
    EXPECT_FALSE(joinRow(row.rowText(), orderLeading()));
}

TEST(ImagePrimitives, WriterStopsAtTheFirstFieldThatDoesNotFit)
{
    SettingFileImage image = blankImage();
    ASSERT_EQ(image.size(), kSettingImageSize);
    ImageWriter w(image);
    w.header(1034).decimal(8, 1).hexadecimal(9, 13);
    EXPECT_TRUE(w.ok());
    EXPECT_EQ(image.left(10), "0100040A1D");

    w.decimal(10, 12).decimal(11, 3);
    EXPECT_FALSE(w.ok());
    // Neither the refused value nor anything after it is stored.
    EXPECT_EQ(image.at(10), '0');
    EXPECT_EQ(image.at(11), '0');

    SettingFileImage other = blankImage();
    ImageWriter w2(other);
    w2.hexadecimal(5, 16);
    EXPECT_FALSE(w2.ok());
    ImageWriter w3(other);
    w3.decimal(kSettingImageSize, 1);
    EXPECT_FALSE(w3.ok());
}
