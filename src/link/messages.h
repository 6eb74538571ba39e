#pragma once
// The program-wide message table: every failure travels as a small message code
// (0 = success) and ShowErrorMessage is the one place that turns a code into a box.
#include <QString>

// Shows the modal box of `code` and returns when it is closed: the code's string-table
// text under "Error" (exclamation icon for 1 to 24, none for 26 to 32), code 25 under
// "Compare" without an icon, any other code "UnKnow Error !" with the exclamation icon.
// A non-empty `detail` is shown under the text.
void ShowErrorMessage(int code, const QString& detail = QString());

// The string-table id of a code's text; 0 for a code without an entry.
int MessageStringId(int code);
