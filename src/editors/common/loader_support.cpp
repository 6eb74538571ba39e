#include "editors/common/loader_support.h"

#include "editors/common/combo_select.h"
#include "editors/common/digit_label_array.h"
#include "platform/strings.h"

#include <QLabel>

namespace image_loading {

std::optional<Refusal>& lastRefusal()
{
    static std::optional<Refusal> refusal;
    return refusal;
}

void refuse()
{
    lastRefusal().reset();
    throw LoadRefused{};
}

void refuse(const QString& setting, const QString& value)
{
    lastRefusal() = Refusal{setting, value};
    throw LoadRefused{};
}

QString settingCaption(const QWidget* control)
{
    const QWidget* panel = control->parentWidget();
    const QLabel* caption = nullptr;
    const QRect at = control->geometry();
    const auto labels = panel ? panel->findChildren<const QLabel*>(Qt::FindDirectChildrenOnly) : QList<const QLabel*>();
    for (const QLabel* l : labels) {
        if (l->buddy() == control) {
            caption = l;
            break;
        }
        const QRect g = l->geometry();
        if (g.right() < at.left() && g.center().y() >= at.top() && g.center().y() <= at.bottom()
            && (!caption || g.right() > caption->geometry().right()))
            caption = l;
    }
    QString text = caption ? platform::withoutAccelerator(caption->text()).simplified() : QString();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
        text = text.chopped(1).trimmed();
    return text.isEmpty() ? control->objectName() : text;
}

void select(QComboBox* combo, int index)
{
    if (!SetListIndex(combo, index))
        refuse(settingCaption(combo), QString::number(index));
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
        refuse(settingCaption(&row), QString(QLatin1Char(c)));
    row(label).setCaption(QString(QLatin1Char(c)));
}

} // namespace image_loading
