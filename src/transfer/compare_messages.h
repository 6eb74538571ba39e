#pragma once
// Naming the first register byte in which a compared instrument differs from the
// editor: a parameter name from the string table of the current language, or the
// address itself when no parameter owns that byte.
#include <QString>

// The parameter name of a register byte address in each register map. Addresses of
// a multi-byte value all carry the value's name; an address no parameter owns gets
// "ADD:" with the address in upper-case hexadecimal and "  Unknow".
QString CompareMismatchName_H9(long address);
QString CompareMismatchName_H5H7(long address);

// Show the difference box ("Program different :" and the name, title "Compare",
// exclamation icon, OK) and return when it is closed.
void ShowCompareMismatch_H9(long address);
void ShowCompareMismatch_H5H7(long address);
