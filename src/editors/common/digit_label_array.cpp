#include "editors/common/digit_label_array.h"

#include "core/digit_rows.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <vector>

using platform::tw;

DigitLabel::DigitLabel(int index, QWidget* parent) : QLabel(parent), index_(index)
{
    setAlignment(Qt::AlignCenter);
    setFont(platform::formFont(12));
    // A right click edits the digit; no context menu may take it.
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(tw(DigitLabelArray::kLabelWidthTw), tw(DigitLabelArray::kLabelHeightTw));
    // Digits are reached by Tab and by a click, so a value can be entered without a
    // mouse; the separator is never edited and never takes the focus.
    setFocusPolicy(index == DigitLabelArray::kSeparator ? Qt::NoFocus : Qt::StrongFocus);
}

void DigitLabel::setCaption(const QString& caption)
{
    // Re-assigning the caption a label already shows is no change: a layout or refresh
    // that puts back the same separator must not mark the set as edited.
    if (caption == text())
        return;
    setText(caption);
    emit Change(index_);
}

void DigitLabel::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

int DigitLabel::Left() const { return leftTw_; }

void DigitLabel::setLeft(int twips)
{
    leftTw_ = twips;
    move(tw(twips), y());
}

void DigitLabel::setTop(int twips) { move(x(), tw(twips)); }

int DigitLabel::Width() const { return DigitLabelArray::kLabelWidthTw; }

void DigitLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit MouseDown(index_, event->button());
    QLabel::mousePressEvent(event);
}

void DigitLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Plus:
        emit MouseDown(index_, Qt::LeftButton);
        return;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        emit MouseDown(index_, Qt::RightButton);
        return;
    case Qt::Key_Left:
        emit FocusStep(index_, -1);
        return;
    case Qt::Key_Right:
        emit FocusStep(index_, +1);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0).isDigit() && typed.at(0).unicode() < 128) {
        // Forward through the row's own wheel, so a row that refuses a value refuses
        // it from the keyboard as well; a step that changes nothing ends the turn, and
        // so does a wheel that comes round to where it started without the digit (a
        // digit limited to 0 to 5, say), which leaves the digit as it was.
        const QString start = text();
        for (int step = 0; step < 11 && text() != typed; ++step) {
            const QString before = text();
            emit MouseDown(index_, Qt::LeftButton);
            if (text() == before || text() == start)
                break;
        }
        // A row that refused the digit on the way (a value that may not become zero)
        // is turned back to where it stood.
        for (int step = 0; step < 11 && text() != typed && text() != start; ++step) {
            const QString before = text();
            emit MouseDown(index_, Qt::RightButton);
            if (text() == before)
                break;
        }
        if (text() == typed)
            emit FocusStep(index_, +1);
        return;
    }
    QLabel::keyPressEvent(event);
}

void DigitLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

DigitLabelArray::DigitLabelArray(const QString& name, Style style, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    QPalette pal = palette();
    // The text colour of enabled labels only: a disabled digit keeps the platform's grey,
    // which is how a locked digit shows.
    const QColor text = style == Style::H9 ? QColor(64, 64, 64) : QColor(64, 64, 0);
    pal.setColor(QPalette::Active, QPalette::WindowText, text);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, text);
    if (style == Style::H5H7) {
        pal.setColor(QPalette::Window, Qt::white);
        setAutoFillBackground(true);
    }
    setPalette(pal);
    for (int i = 0; i < 7; ++i) {
        auto* l = new DigitLabel(i, this);
        l->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        l->setText(QStringLiteral("0"));
        connect(l, &DigitLabel::Change, this, &DigitLabelArray::Change);
        connect(l, &DigitLabel::MouseDown, this, &DigitLabelArray::MouseDown);
        connect(l, &DigitLabel::FocusStep, this, &DigitLabelArray::FocusNeighbour);
        labels_[static_cast<std::size_t>(i)] = l;
    }
    resize(tw(7 * kLabelWidthTw), tw(kLabelHeightTw));
}

QString DigitLabelArray::digits() const
{
    QString s;
    for (int i = 0; i < 6; ++i)
        s += labels_[static_cast<std::size_t>(i)]->text();
    return s;
}

QString DigitLabelArray::rowText() const
{
    std::array<QString, 7> captions;
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i] = labels_[i]->text();
    return RowTextOf(captions);
}

void DigitLabelArray::setDigits(const QString& six)
{
    for (int i = 0; i < 6 && i < six.size(); ++i)
        labels_[static_cast<std::size_t>(i)]->setCaption(six.mid(i, 1));
}

void DigitLabelArray::setRowEnabled(bool enabled)
{
    for (DigitLabel* l : labels_)
        l->setEnabled(enabled);
}

int DigitLabelArray::DigitValue(const QString& caption)
{
    if (caption.size() == 1 && caption.at(0) >= QLatin1Char('0') && caption.at(0) <= QLatin1Char('9'))
        return caption.at(0).unicode() - '0';
    return 0;
}

QString DigitLabelArray::WheelStep(const QString& caption, Qt::MouseButton button, int modulo)
{
    const int d = DigitValue(caption);
    if (button == Qt::LeftButton)
        return QString::number((d + 1) % modulo);
    return QString::number(d == 0 ? modulo - 1 : d - 1);
}

void DigitLabelArray::Wheel(int index, Qt::MouseButton button, int modulo)
{
    if (index < 0 || index > 5)
        return;
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    DigitLabel& label = (*this)(index);
    label.setCaption(WheelStep(label.Caption(), button, modulo));
}

void DigitLabelArray::FocusNeighbour(int index, int direction)
{
    if (index < 0 || index > 5)
        return;
    std::vector<DigitLabel*> digits;
    for (int i = 0; i < 6; ++i) {
        DigitLabel* l = labels_[static_cast<std::size_t>(i)];
        if (l == labels_[static_cast<std::size_t>(index)] || (l->isEnabled() && !l->isHidden()))
            digits.push_back(l);
    }
    std::sort(digits.begin(), digits.end(), [](const DigitLabel* a, const DigitLabel* b) { return a->Left() < b->Left(); });
    const auto at = std::find(digits.begin(), digits.end(), labels_[static_cast<std::size_t>(index)]);
    const auto pos = at - digits.begin() + direction;
    if (pos < 0 || pos >= static_cast<std::ptrdiff_t>(digits.size()))
        return;
    digits[static_cast<std::size_t>(pos)]->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void PackDigitLabels(DigitLabelArray& row, const DigitLabelOrder& order)
{
    const DigitLabel* before = nullptr;
    for (int i : order) {
        DigitLabel& l = row(i);
        if (!before) {
            l.setLeft(0);
            l.setTop(0);
        } else {
            l.setLeft(before->Left() + before->Width());
        }
        before = &l;
    }
}

void LayoutDigitLabels(quint8 decimalPlaces, DigitLabelArray& row)
{
    static constexpr std::array<const DigitLabelOrder*, 4> kOrders = {
        &kWholeNumberOrder, &kOneDecimalOrder, &kTwoDecimalsOrder, &kThreeDecimalsOrder};
    if (decimalPlaces > 3)
        return;
    DigitLabel& sep = row(DigitLabelArray::kSeparator);
    const bool whole = decimalPlaces == 0;
    sep.setCaption(whole ? QStringLiteral("0") : QStringLiteral("."));
    sep.setEnabled(!whole);
    sep.setFontBold(!whole);
    PackDigitLabels(row, *kOrders[decimalPlaces]);
}
