#include "support/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextDocument>

namespace testsupport {

namespace {

QString plain(QString text)
{
    // Accelerator marks take no room; "&&" is one ampersand.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widestLine(const QFontMetrics& fm, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

QString entry(const QWidget* w, const QString& text, int needs, int has)
{
    return QStringLiteral("%1: \"%2\" needs %3 px, has %4 px").arg(w->objectName(), text).arg(needs).arg(has);
}

} // namespace

QStringList clippedTexts(const QWidget* root)
{
    QStringList out;
    const auto widgets = root->findChildren<const QWidget*>();
    for (const QWidget* w : widgets) {
        if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            const int has = combo->style()
                                ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo)
                                .width();
            const QFontMetrics fm(combo->font());
            for (int i = 0; i < combo->count(); ++i) {
                const int needs = fm.horizontalAdvance(combo->itemText(i));
                if (needs > has)
                    out << entry(combo, combo->itemText(i), needs, has);
            }
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || !label->pixmap().isNull() || label->textFormat() == Qt::RichText)
                continue;
            const QFontMetrics fm(label->font());
            const QString text = label->text();
            const int has = label->contentsRect().width() - 2 * label->margin() - label->indent() * 0;
            if (label->wordWrap()) {
                // A wrapped caption must fit in height instead.
                const QRect r = fm.boundingRect(QRect(0, 0, has, 100000), Qt::TextWordWrap | int(label->alignment()), text);
                if (r.height() > label->contentsRect().height() || r.width() > has)
                    out << entry(label, text, r.height(), label->contentsRect().height()) + QStringLiteral(" (height)");
                continue;
            }
            const int needs = widestLine(fm, text);
            if (needs > has)
                out << entry(label, text, needs, has);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            const QString text = plain(button->text());
            if (text.isEmpty())
                continue;
            const QFontMetrics fm(button->font());
            int has = button->contentsRect().width();
            if (qobject_cast<const QRadioButton*>(button) || qobject_cast<const QCheckBox*>(button)) {
                QStyleOptionButton opt;
                opt.initFrom(button);
                const auto element = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                                : QStyle::SE_CheckBoxContents;
                has = button->style()->subElementRect(element, &opt, button).width();
            } else {
                has -= 6; // the push button's own margins
            }
            const int needs = widestLine(fm, text);
            if (needs > has)
                out << entry(button, text, needs, has);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            const QString text = plain(group->title());
            if (text.isEmpty())
                continue;
            const int needs = QFontMetrics(group->font()).horizontalAdvance(text);
            const int has = group->width() - 16;
            if (needs > has)
                out << entry(group, text, needs, has);
        }
    }
    return out;
}

QStringList repeatedChoices(const QWidget* root)
{
    QStringList out;
    QList<const QWidget*> widgets = root->findChildren<const QWidget*>();
    for (const QWidget* w : widgets << root) {
        QStringList texts;
        if (const auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        // The radio buttons of one parent are one choice; a picture's option has no caption.
        for (const QRadioButton* r : w->findChildren<const QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
            texts << plain(r->text());
        for (int i = 0; i < texts.size(); ++i)
            if (!texts[i].trimmed().isEmpty() && texts.indexOf(texts[i]) < i)
                out << QStringLiteral("%1: \"%2\" twice").arg(w->objectName(), texts[i]);
    }
    return out;
}

} // namespace testsupport
