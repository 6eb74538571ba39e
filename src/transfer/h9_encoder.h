#pragma once
// The H9 encoders: the edited H9 set (the bytes of core/h9_params.h and the H9 digit rows of
// core/digit_rows.h) into RegImage_H9. Each clears the blocks it fills, then fills and
// flags the bytes of its fields. They check no limits (h9_checks.h does that first),
// but they refuse a digit caption that is not "0" to "9" or a setting with no place
// in the map: the result is then false and the image must not be sent.
#include <QString>
#include <QtGlobal>

[[nodiscard]] bool EncodeTimerA_H9();
[[nodiscard]] bool EncodeCounterB_H9();
[[nodiscard]] bool EncodeTachoB_H9();
[[nodiscard]] bool EncodeTwoStageTimer_H9();
[[nodiscard]] bool EncodeDualCounter_H9();
[[nodiscard]] bool EncodeDualCounterB_H9();
[[nodiscard]] bool EncodeDualTacho_H9();
[[nodiscard]] bool EncodeDualTachoB_H9();

// The value packers the encoders are built from; each returns false, having filled
// nothing more, when its text is not a number it can pack.
[[nodiscard]] bool PackTimerSetValue_H9(const QString& text);
[[nodiscard]] bool PackTimerOutputTime_H9(const QString& text);
// type 0 counter B, 1 tachometer, 2 second counter of a dual counter; dp 0 to 3.
[[nodiscard]] bool PackCounterSetValue_H9(int type, int dp, const QString& text);
// flag 0 counter B block, any other the tachometer block.
[[nodiscard]] bool PackCounterTime_H9(int flag, const QString& text);
// flag 0 counter B block, any other the tachometer counter registers.
[[nodiscard]] bool PackPrescale_H9(int flag, const QString& text);
[[nodiscard]] bool PackTwoStageSetValues_H9(const QString& stage0, const QString& stage1);
[[nodiscard]] bool PackTwoStageOutputTimes_H9(const QString& stage0, const QString& stage1);
[[nodiscard]] bool PackDualCounterSetValue_H9(const QString& text);
[[nodiscard]] bool PackDualCounterOutputTime_H9(const QString& text);
[[nodiscard]] bool PackDualTachoSetValue_H9(const QString& text);

// The time code of timer A: 2 x time range + time mode, 0 to 7.
int TimerTimeCode_H9();
