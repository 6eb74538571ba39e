#pragma once
// Lists and digit-row helpers shared by the parts of the H5/H7 editor window.
#include "core/shell.h"
#include "editors/common/combo_select.h"
#include "editors/common/digit_label_array.h"
#include "platform/strings.h"

#include <QComboBox>
#include <QStringList>

#include <array>

namespace h5h7detail {

inline const QStringList kTimeRanges = {
    "0 : - - - - . - -  s", "1 : - - - - - . -  s", "2 : - - - - - -  s",
    "3 : - - - - : - -  ms", "4 : - - - - - . -  m", "5 : - - - - - -  m",
    "6 : - - - - : - -  hm", "7 : - - - - - . -  h", "8 : - - - - - -  h",
    "9 : - - - . - - -  s"};
inline const QStringList kSGWidths = {"20 ms", "  1 ms"};
inline const QStringList kInputMethods = {"NPN", "PNP"};
inline const QStringList kKPLevels = {"KP-1", "KP-2", "KP-3", "KP-4", "KP-5"};
inline const QStringList kCountInputs = {"0 : Up", "1 : Down", "2 : Up / Down  A", "3 : Up / Down  B",
                                         "4 : Up / Down  C"};
inline const QStringList kCounterOutputs = {"0 : N", "1 : F", "2 : C", "3 : R",
                                            "4 : K-1", "5 : P", "6 : Q", "7 : A"};
inline const QStringList kFreqOutputs = {"0 : HI_LO", "1 : AREA", "2 : HI_HI", "3 : LO_LO"};
inline const QStringList kSampleAvgs = {"OFF", "2 ", "4 ", "8 "};
inline const QStringList kDotAdjs = {"0 : - - - -", "1 : - - -.-", "2 : - -.- -", "3 : -.- - -"};
inline const QStringList kMaxFreqs = {"30 Hz", "5K Hz"};

inline QStringList resStrings(std::initializer_list<int> ids)
{
    QStringList out;
    for (int id : ids)
        out << platform::LoadResString(id);
    return out;
}

// The dual counter with input ADD: the base list and the four up/down outputs.
inline QStringList dualAddOutputs()
{
    return kCounterOutputs + QStringList{"8 : K-2", "9 : D", "10 : L", "11 : H "};
}

// The dual counter with input SUB: stored as list index + 8.
inline const QStringList kDualSubOutputs = {"0 : K-2", "1 : D", "2 : L", "3 : H"};
inline const QStringList kUpDownOutputs = {"8 : K-2", "9 : D", "10 : L", "11 : H"};

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
