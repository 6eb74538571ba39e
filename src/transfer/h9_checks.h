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

// 0, kWrongTimerSetValue or kOutputTimeError
int CheckTimerA_H9();
// 0, kOutputTimeError, kWrongCounterSetValue, kWrongPrescale, kWrongTachoSetValue or
// kWrongStartupTime
int CheckPartB_H9();
// 0, kWrongTimerSetValue, kOutputTimeError or kTimer1BelowTimer0
int CheckTwoStageTimer_H9();
// 0, kOutputTimeError or kWrongCounterSetValue
int CheckDualCounter_H9();
// 0, kWrongTachoSetValue or kWrongStartupTime
int CheckDualTacho_H9();
