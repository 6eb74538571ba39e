// Digits are entered from the keyboard as from the mouse: through the row's own wheel.
#include "editors/common/digit_label_array.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct KeyedRow : ::testing::Test {
    QWidget window;
    DigitLabelArray* row = new DigitLabelArray(QStringLiteral("lblRow"), DigitLabelArray::Style::H9, &window);
    int refusedIndex = -1; // a digit whose wheel refuses every step, as a locked rule would

    void SetUp() override
    {
        QObject::connect(row, &DigitLabelArray::MouseDown, row, [this](int index, Qt::MouseButton button) {
            if (index != refusedIndex)
                row->Wheel(index, button);
        });
        LayoutDigitLabels(2, *row); // 0 1 2 3 . 4 5
        window.show();
        QApplication::setActiveWindow(&window);
        row->label(0)->setFocus();
    }

    QString focused() const
    {
        auto* l = qobject_cast<DigitLabel*>(QApplication::focusWidget());
        return l ? QString::number(l->Index()) : QStringLiteral("none");
    }
};

TEST_F(KeyedRow, ArrowsPlusMinusAndDigitKeysTurnTheFocusedDigit)
{
    QTest::keyClick(row->label(0), Qt::Key_Up);
    QTest::keyClick(row->label(0), Qt::Key_Plus);
    EXPECT_EQ(row->digits(), QStringLiteral("200000"));
    QTest::keyClick(row->label(0), Qt::Key_Down);
    QTest::keyClick(row->label(0), Qt::Key_Down);
    QTest::keyClick(row->label(0), Qt::Key_Minus);
    EXPECT_EQ(row->digits(), QStringLiteral("900000")); // wraps below 0, no borrow

    // Typing a number walks along the row, past the separator.
    for (const char* key : {"0", "1", "2", "3", "4", "5"})
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(key));
    EXPECT_EQ(row->digits(), QStringLiteral("012345"));
    EXPECT_EQ((*row)(6).Caption(), QStringLiteral("."));
    EXPECT_EQ(focused(), QStringLiteral("5")); // the last digit keeps the focus
}

TEST_F(KeyedRow, LeftAndRightFollowTheLayoutAndSkipLockedDigits)
{
    row->label(1)->setEnabled(false);
    QTest::keyClick(row->label(0), Qt::Key_Right);
    EXPECT_EQ(focused(), QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(focused(), QStringLiteral("0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); // at the end: stays
    EXPECT_EQ(focused(), QStringLiteral("0"));
    EXPECT_EQ((*row)(6).focusPolicy(), Qt::NoFocus);
}

TEST_F(KeyedRow, ADigitTheRowRefusesIsNotForcedByTyping)
{
    refusedIndex = 0;
    QTest::keyClicks(row->label(0), QStringLiteral("7"));
    EXPECT_EQ(row->digits(), QStringLiteral("000000"));
    EXPECT_EQ(focused(), QStringLiteral("0"));
}

} // namespace
