#pragma once
// Limits of the H9 set values, tested before a download or a save. Each check reads
// the H9 editor's digit rows and returns 0 or the message code of the first value that
// fails; later values are not tested.
#include <QString>
#include <QtGlobal>

// One value text against the limits of `kind` (0 whole numbers 1..999999, 1 to 3 one to
// three decimals, 4 four decimals, 5 startup times 0..9999.99); `limitFlag` narrows
// kind 3 to the prescale maximum 99.999. 0 passes, 1 fails. Values and limits are
// compared in single precision. A text that is not a decimal number fails.
int CheckValue_H9(quint8 kind, quint8 limitFlag, const QString& text);

int CheckTimerA_H9();         // 0, 6 or 7
int CheckPartB_H9();          // 0, 7, 8, 9, 10 or 11
int CheckTwoStageTimer_H9();  // 0, 6, 7 or 13
int CheckDualCounter_H9();    // 0, 7 or 8
int CheckDualTacho_H9();      // 0, 10 or 11
