#pragma once
// The fixed texts of the H5/H7 editor's option lists, item by item in the order of the
// codes they stand for. The timing-diagram generator titles its pictures with them.
#include <QStringList>

namespace h5h7lists {

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

// The dual counter with input ADD: the base list and the four up/down outputs.
inline QStringList dualAddOutputs()
{
    return kCounterOutputs + QStringList{"8 : K-2", "9 : D", "10 : L", "11 : H "};
}

// The dual counter with input SUB: stored as list index + 8.
inline const QStringList kDualSubOutputs = {"0 : K-2", "1 : D", "2 : L", "3 : H"};
inline const QStringList kUpDownOutputs = {"8 : K-2", "9 : D", "10 : L", "11 : H"};

} // namespace h5h7lists
