#pragma once
// A numeric parameter on an editor: seven labels in a container of their own, six
// digits (index 0 the most significant) and a separator (index 6). The captions are
// the only place the value lives while it is edited.
#include <QLabel>
#include <QWidget>

#include <array>

class DigitLabel : public QLabel {
    Q_OBJECT
public:
    DigitLabel(int index, QWidget* parent);

    int Index() const { return index_; }
    QString Caption() const { return text(); }
    // Setting a different caption raises the row's change notification, also from code;
    // assigning the caption the label already shows changes nothing.
    void setCaption(const QString& caption);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool bold);
    int Left() const;
    void setLeft(int twips);
    void setTop(int twips);
    int Width() const; // twips

signals:
    void Change(int index);
    // A mouse press on an enabled label: Qt::LeftButton adds, Qt::RightButton subtracts.
    // The keyboard raises it too, so every row's own rules apply to both.
    void MouseDown(int index, Qt::MouseButton button);
    // Left (-1) or Right (+1) was pressed on the focused digit.
    void FocusStep(int index, int direction);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Keyboard entry on a focused digit: Up or + adds one (as a left click), Down or -
    // subtracts one (as a right click), a digit key turns the wheel forward until the
    // digit shows it and then moves on to the next digit, Left and Right move between
    // the digits of the row.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    int leftTw_ = 0;
};

class DigitLabelArray : public QWidget {
    Q_OBJECT
public:
    // The two editors draw their rows apart: dark grey digits (H9), or olive digits on
    // white (H5/H7).
    enum class Style { H9, H5H7 };
    static constexpr int kLabelWidthTw = 285;
    static constexpr int kLabelHeightTw = 315;
    static constexpr int kSeparator = 6;

    DigitLabelArray(const QString& name, Style style, QWidget* parent);

    DigitLabel& operator()(int index) { return *labels_.at(static_cast<std::size_t>(index)); }
    const DigitLabel& operator()(int index) const { return *labels_.at(static_cast<std::size_t>(index)); }
    DigitLabel* label(int index) { return labels_.at(static_cast<std::size_t>(index)); }

    // Captions of labels 0 to 5 joined, most significant first.
    QString digits() const;
    // The row as the readers of core/digit_rows.h take it.
    QString rowText() const;
    // Sets labels 0 to 5 from a six-character text (each caption change notifies).
    void setDigits(const QString& six);
    // Enables or disables the whole row, the separator with the digits.
    void setRowEnabled(bool enabled);

    // The value of a digit caption: anything but one decimal digit counts as 0, so the
    // wheel always ends on a digit.
    static int DigitValue(const QString& caption);
    // One step of the digit wheel: a left click adds one, a right click subtracts one,
    // each digit wrapping by itself within 0 to modulo - 1 without a carry.
    static QString WheelStep(const QString& caption, Qt::MouseButton button, int modulo = 10);
    // Turns digit `index` (0 to 5) one step; the separator and other buttons do nothing.
    void Wheel(int index, Qt::MouseButton button, int modulo = 10);
    // Gives the keyboard focus to the enabled digit next to `index` on screen (by its
    // place, which follows the layout), `direction` -1 left or +1 right; nothing at an end.
    void FocusNeighbour(int index, int direction);

signals:
    // A caption of any label changed.
    void Change(int index);
    void MouseDown(int index, Qt::MouseButton button);

private:
    std::array<DigitLabel*, 7> labels_{};
};

// Display order of a row's labels from the left, by the number of decimal places.
using DigitLabelOrder = std::array<int, 7>;
inline constexpr DigitLabelOrder kWholeNumberOrder = {6, 0, 1, 2, 3, 4, 5};
inline constexpr DigitLabelOrder kOneDecimalOrder = {0, 1, 2, 3, 4, 6, 5};
inline constexpr DigitLabelOrder kTwoDecimalsOrder = {0, 1, 2, 3, 6, 4, 5};
inline constexpr DigitLabelOrder kThreeDecimalsOrder = {0, 1, 2, 6, 3, 4, 5};

// Moves the labels edge to edge in `order`, the first at Left 0, Top 0; captions,
// fonts and enabled states stay.
void PackDigitLabels(DigitLabelArray& row, const DigitLabelOrder& order);

// Arranges a row for 0 to 3 decimal places; any other value leaves it untouched.
void LayoutDigitLabels(quint8 decimalPlaces, DigitLabelArray& row);
