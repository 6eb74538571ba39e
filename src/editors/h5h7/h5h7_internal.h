#pragma once
// The option lists and the digit-row helpers shared by the parts of the H5/H7 editor
// window.
#include "core/shell.h"
#include "editors/common/combo_select.h"
#include "editors/common/digit_label_array.h"
#include "editors/h5h7/h5h7_option_lists.h"
#include "platform/strings.h"

#include <QComboBox>
#include <QStringList>

#include <array>

namespace h5h7detail {

using namespace h5h7lists;

inline QStringList resStrings(std::initializer_list<int> ids)
{
    QStringList out;
    for (int id : ids)
        out << platform::LoadResString(id);
    return out;
}

inline bool digitsAllZero(const DigitLabelArray& row)
{
    for (int i = 0; i < 6; ++i)
        if (row(i).text() != QLatin1String("0"))
            return false;
    return true;
}

inline void zeroDigits(DigitLabelArray& row)
{
    for (int i = 0; i < 6; ++i)
        row(i).setCaption(QStringLiteral("0"));
}

// Time ranges 3 (min:s) and 6 (h:min) put a colon before label 4, a tens digit.
inline bool isColonRange(int code) { return code == 3 || code == 6; }

} // namespace h5h7detail
