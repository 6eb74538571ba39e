#pragma once
// Test helpers: editor states that differ from every default, and (images.h) hand-made
// images.
#include "support/images.h"

#include <QStringList>

#include <string>

class DigitLabelArray;
class EditorWindow;
class QComboBox;
class QWidget;

namespace testhelp {

// Sets labels 0..5 of a row from six characters (and the separator when given).
void setDigits(DigitLabelArray* row, const char* six, const char* separator = nullptr);

// Selects item `index` of a combo through the editors' code path; fails the test when refused.
void pick(QComboBox* combo, int index);

// Put the H5/H7 editor (loaded, nMacType set) or the H9 editor into function mode `mode`
// with a set the editor's rules and the H9 set-value checks allow, so that two fields
// swapped or one address off show: every combo away from its default, its neighbours'
// items and its own in the other seed (odd or even) as far as its list allows (a two-item
// list holds 1 in one seed or in both, unlike its two-item neighbours in one at least);
// every row with six distinct digits unlike any other row's.
void fillH5H7(int mode, int seed);
void fillH9(int mode, int seed);

// The editor window that is loaded, of either kind, or nullptr.
EditorWindow* openEditor();

// What the user sees of the set in `editor`: every shown choice, digit and picture, and
// whether it can be changed, in the order the window holds them.
QStringList shownSet(QWidget* editor);

// The first line in which two views differ, for a fault message.
std::string firstDifference(const QStringList& a, const QStringList& b);

} // namespace testhelp
