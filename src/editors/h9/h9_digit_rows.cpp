// Editing the H9 digit rows by clicks.
#include "editors/h9/frmModeSetting_H9.h"

void frmModeSetting_H9::DigitWheel(DigitLabelArray& row, int index, Qt::MouseButton button)
{
    if (index < 0 || index > 5)
        return;
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    DigitLabel& label = row(index);
    // A caption that is not a single digit (damaged file or upload) counts as 0, so the
    // wheel always ends on a digit.
    const QString caption = label.Caption();
    int digit = 0;
    if (caption.size() == 1 && caption.at(0) >= QLatin1Char('0') && caption.at(0) <= QLatin1Char('9'))
        digit = caption.at(0).unicode() - '0';
    digit = button == Qt::LeftButton ? (digit + 1) % 10 : (digit + 9) % 10;
    label.setCaption(QString::number(digit));
}
