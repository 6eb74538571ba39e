#pragma once
// The editors' combos have fixed widths; a few of their items are longer than the box
// at the windows' text size, in one language or another.
#include <QFont>

class QComboBox;

// Gives `combo` the font `base`, narrowed (down to 70 % of its width, then a pixel
// smaller at a time) just enough that every item of its list fits the combo's text
// field, so the choice on show is never cut off. Run it again after the list changes.
void FitComboFont(QComboBox* combo, const QFont& base);
