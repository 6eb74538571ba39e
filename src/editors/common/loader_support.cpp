#include "editors/common/loader_support.h"

#include "editors/common/combo_select.h"
#include "editors/common/digit_label_array.h"

namespace image_loading {

void select(QComboBox* combo, int index)
{
    if (!SetListIndex(combo, index))
        refuse();
}

bool captionAccepted(char c, CaptionKind kind)
{
    const bool digit = c >= '0' && c <= '9';
    switch (kind) {
    case CaptionKind::Digit: return digit;
    case CaptionKind::SignedDigit: return digit || c == '-';
    case CaptionKind::Separator: return c == '.' || c == '0';
    }
    return false;
}

void putCaption(const SettingFileImage& image, int pos, DigitLabelArray& row, int label,
                CaptionKind kind)
{
    const char c = image.at(pos);
    if (!captionAccepted(c, kind))
        refuse();
    row(label).setCaption(QString(QLatin1Char(c)));
}

} // namespace image_loading
