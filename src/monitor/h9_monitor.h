#pragma once
// Monitoring an H9: the start that reads its configuration into the two summaries and
// presets the panels, and the live reading of every poll.
#include "monitor/panel_state.h"
#include "monitor/register_block.h"
#include "monitor/summary_table.h"

// Reads the configuration (the function group first, then the registers of the
// function found), fills devReadback and the summary and presets both decoded records.
// 0 done, also when monitoring was already off on entry (then nothing is read); 1 a
// read failed or Stop ended monitoring between reads (summary untouched).
int InitMonitor_H9(RegisterSource& source, const QString& modelName, MonitorSummary& summary);

// Presets of the static indicators and points.
void PresetPanelA_H9(quint8 timeCode);
void PresetPanelB_H9(quint8 kind, quint8 inputMode, quint8 decimalPoint);
void PresetPanelsTwoStage_H9();
void PresetPanelsDualCounter_H9();
void PresetPanelsDualTacho_H9();

// One poll: 0 when every read succeeded and every value could be shown; else the code
// of the first failed read (nothing copied, drawn or formatted) or kUndecodableValue
// (drawn, with the element concerned blank).
int UpdateMonitorPanel_H9(RegisterSource& source);
int PollTimerA_H9(RegisterSource& source);
int PollChannelB_H9(RegisterSource& source, quint8 kind, quint8 decimalPoint);
int PollTwoStageTimer_H9(RegisterSource& source);
int PollDualCounter_H9(RegisterSource& source);
int PollDualTacho_H9(RegisterSource& source);

// Digit rows from the registers of one read; a character that is not a decimal digit
// leaves its digit as it was.
// Registers N, N + 2: the upper four digits from N + 2, the lower two from N's low byte.
void DecodeTwoRegisterRow(const RegisterBlock& block, DigitRow& row);
// Whole-number timer values: N + 2's low byte, then all of N.
void DecodeTimerIntegerRow(const RegisterBlock& block, DigitRow& row);
// The nine digits (six integer, three decimal) of a counter or tachometer present value
// in registers N .. N + 4, shown from digit d + 1 for decimal point d. False (row
// untouched) for a d outside 0..3.
bool DecodeChannelBRow(const RegisterBlock& block, quint8 decimalPoint, DigitRow& row);
// The lamp row from bits 4 and 5 of register 1498's low byte.
QString LampPattern_H9(int lowByte);

// The shortest decimal form of a digit text ("01.500" -> "1.5", "0012.00" -> "12");
// a text that is not a number is shown as it came.
QString ShortestDecimal(const QByteArray& digitText);
