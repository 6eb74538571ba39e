#include "settings_file/settings_image.h"

#include "core/hex_digit.h"

#include <algorithm>

namespace settings_image {

SettingFileImage blankImage() { return SettingFileImage(kSettingImageSize, kFill); }

std::optional<QByteArray> fourHexDigits(int value)
{
    if (value < 0 || value > 0xFFFF)
        return std::nullopt;
    return QByteArray::number(value, 16).toUpper().rightJustified(4, '0');
}

std::optional<char> decimalChar(int value)
{
    if (value < 0 || value > 9)
        return std::nullopt;
    return static_cast<char>('0' + value);
}

std::optional<char> hexadecimalChar(int value)
{
    if (value < 0 || value > 15)
        return std::nullopt;
    return "0123456789ABCDEF"[value];
}

std::optional<char> captionChar(const QString& caption)
{
    if (caption.size() != 1)
        return std::nullopt;
    const char16_t u = caption.at(0).unicode();
    if (u < 0x20 || u > 0x7E)
        return std::nullopt;
    return static_cast<char>(u);
}

int readHexadecimal(char c) { return std::max(HexDigitValue(c), 0); }

int readDecimal(char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; }

const LabelOrder& orderLeading()
{
    static const LabelOrder o{6, 0, 1, 2, 3, 4, 5};
    return o;
}

const LabelOrder& orderTwoDecimals()
{
    static const LabelOrder o{0, 1, 2, 3, 6, 4, 5};
    return o;
}

const LabelOrder& orderPrescale()
{
    static const LabelOrder o{1, 2, 6, 3, 4, 5};
    return o;
}

std::optional<LabelOrder> orderByDecimalPoint(int d)
{
    if (d == 0)
        return orderLeading();
    if (d < 0 || d > 3)
        return std::nullopt;
    LabelOrder o;
    for (int i = 0; i <= 5 - d; ++i)
        o.push_back(i);
    o.push_back(kSeparatorLabel);
    for (int i = 6 - d; i <= 5; ++i)
        o.push_back(i);
    return o;
}

namespace {

// Label `label` of a row's text as a caption; "" outside the text.
QString labelOf(const QString& rowText, int label)
{
    return label >= 0 && label < rowText.size() ? QString(rowText.at(label)) : QString();
}

} // namespace

std::optional<QByteArray> joinRow(const QString& rowText, const LabelOrder& order)
{
    QByteArray out;
    for (int label : order) {
        const std::optional<char> c = captionChar(labelOf(rowText, label));
        if (!c)
            return std::nullopt;
        out.append(*c);
    }
    return out;
}

bool ImageWriter::put(int pos, std::optional<char> c)
{
    if (!ok_)
        return false;
    if (!c || pos < 0 || pos >= image_.size()) {
        ok_ = false;
        return false;
    }
    image_[pos] = *c;
    return true;
}

ImageWriter& ImageWriter::text(int pos, const QByteArray& chars)
{
    for (int i = 0; i < chars.size(); ++i)
        if (!put(pos + i, chars.at(i)))
            break;
    return *this;
}

ImageWriter& ImageWriter::header(int macType)
{
    text(0, *fourHexDigits(kVersion));
    if (const auto type = fourHexDigits(macType))
        text(4, *type);
    else
        fail();
    return *this;
}

ImageWriter& ImageWriter::decimal(int pos, int value)
{
    put(pos, decimalChar(value));
    return *this;
}

ImageWriter& ImageWriter::hexadecimal(int pos, int value)
{
    put(pos, hexadecimalChar(value));
    return *this;
}

ImageWriter& ImageWriter::digits(int pos, const QString& rowText)
{
    for (int i = 0; i < 6; ++i)
        if (!put(pos + i, captionChar(labelOf(rowText, i))))
            break;
    return *this;
}

ImageWriter& ImageWriter::row(int pos, const QString& rowText, const LabelOrder& order)
{
    const std::optional<QByteArray> chars = joinRow(rowText, order);
    if (!chars)
        return fail();
    return text(pos, *chars);
}

} // namespace settings_image
