#include "editors/common/combo_fit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

int textFieldWidth(const QComboBox* combo)
{
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.editable = combo->isEditable();
    return combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo).width();
}

bool fits(const QComboBox* combo, const QFont& font, int width)
{
    const QFontMetrics fm(font);
    for (int i = 0; i < combo->count(); ++i)
        if (fm.horizontalAdvance(combo->itemText(i)) > width)
            return false;
    return true;
}

} // namespace

void FitComboFont(QComboBox* combo, const QFont& base)
{
    constexpr int kNarrowest = 70;
    constexpr int kSmallestPixels = 8;
    const int width = textFieldWidth(combo);
    QFont f = base;
    f.setStretch(QFont::Unstretched);
    while (!fits(combo, f, width)) {
        if (f.stretch() > kNarrowest)
            f.setStretch(f.stretch() - 2);
        else if (f.pixelSize() > kSmallestPixels)
            f.setPixelSize(f.pixelSize() - 1);
        else
            break;
    }
    combo->setFont(f);
}
