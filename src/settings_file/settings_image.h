#pragma once
// The 256-byte settings image: one printable ASCII character per position, the
// header in positions 0-7 and the fields of the instrument type after it. A settings
// file is this image byte for byte; an upload fills the same layout.
#include "core/settings_buffers.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace settings_image {

constexpr char kFill = '0';
// The separator's label in a row's text.
constexpr int kSeparatorLabel = 6;
constexpr int kVersion = 0x0100;

// A fresh image with every position "0", the start of every writer.
SettingFileImage blankImage();

// The upper-case hexadecimal digits of `value` right-aligned in four characters and
// padded with "0" (256 gives "0100"); nothing for a value that four digits cannot hold.
std::optional<QByteArray> fourHexDigits(int value);

// One value in one position. A value that does not fit one character has no
// encoding: a stored digit would silently stand for another value.
std::optional<char> decimalChar(int value);     // 0..9 -> "0".."9"
std::optional<char> hexadecimalChar(int value); // 0..15 -> "0".."9", "A".."F"

// The character of a digit label's caption: exactly one printable ASCII character.
std::optional<char> captionChar(const QString& caption);

// Reading back, leniently as the files have always been read: a character that is
// not a digit of the base reads as 0.
int readHexadecimal(char c); // "0".."9" 0..9, "A".."F"/"a".."f" 10..15
int readDecimal(char c);     // "0".."9" 0..9
// The option or flag character at `pos`, read as readHexadecimal does.
inline int hexAt(const SettingFileImage& image, int pos) { return readHexadecimal(image.at(pos)); }

// The byte at `pos` of an image, as a character (no bounds beyond the image size).
inline char at(const SettingFileImage& image, int pos) { return image.at(pos); }

// Label orders of the seven-position H9 rows (the six-position prescale row stores
// labels 1, 2, 6, 3, 4, 5): the label stored at each position, first position first.
using LabelOrder = std::vector<int>;
const LabelOrder& orderLeading();      // 6, 0, 1, 2, 3, 4, 5
const LabelOrder& orderTwoDecimals();  // 0, 1, 2, 3, 6, 4, 5
const LabelOrder& orderPrescale();     // 1, 2, 6, 3, 4, 5
// By decimal point d: 0 leading, 1 to 3 labels 0..5-d, 6, 6-d..5; nothing for d > 3.
std::optional<LabelOrder> orderByDecimalPoint(int d);

// Joins the labels of a row's text (core/digit_rows.h) in `order`; nothing when one of
// them is not a printable character.
std::optional<QByteArray> joinRow(const QString& rowText, const LabelOrder& order);

// Fills an image one field at a time and remembers the first field that could not be
// stored; every later call is then ignored, and ok() reports the failure.
class ImageWriter {
public:
    explicit ImageWriter(SettingFileImage& image) : image_(image) {}

    ImageWriter& text(int pos, const QByteArray& chars);
    ImageWriter& header(int macType);
    ImageWriter& decimal(int pos, int value);
    ImageWriter& hexadecimal(int pos, int value);
    // Labels 0 to 5 of a row's text, label 0 first (the H5/H7 layouts).
    ImageWriter& digits(int pos, const QString& rowText);
    // A row's text in one of the label orders above (the H9 layout).
    ImageWriter& row(int pos, const QString& rowText, const LabelOrder& order);
    ImageWriter& fail() { ok_ = false; return *this; }

    bool ok() const { return ok_; }

private:
    bool put(int pos, std::optional<char> c);

    SettingFileImage& image_;
    bool ok_ = true;
};

} // namespace settings_image
