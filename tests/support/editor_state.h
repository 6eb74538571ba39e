#pragma once
// Test helpers: hand-made images and editor states that differ from every default.
#include "settings_file/settings_image.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <string>
#include <utility>

class DigitLabelArray;
class QComboBox;

namespace testhelp {

// An image of "0" with `fields` written over it (position, characters).
SettingFileImage image(std::initializer_list<std::pair<int, const char*>> fields);

// The positions where two images differ, as "pos: got 'x' want 'y'" lines; empty
// when they are equal.
std::string imageDiff(const SettingFileImage& got, const SettingFileImage& want);

// Sets labels 0..5 of a row from six characters (and the separator when given).
void setDigits(DigitLabelArray* row, const char* six, const char* separator = nullptr);

// Selects item `index` of a combo through the editors' code path; fails the test when refused.
void pick(QComboBox* combo, int index);

// Puts the H5/H7 editor (loaded, nMacType set) into function mode `mode` and gives every
// option and row of the half a value derived from `seed`.
void fillH5H7(int mode, int seed);

// Puts the H9 editor into function mode `mode` with values derived from `seed` that pass
// the set-value checks.
void fillH9(int mode, int seed);

// Drops every editor and the main window, and runs their deferred deletion.
void unloadAll();

} // namespace testhelp
