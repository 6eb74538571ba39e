#pragma once
// Monitoring an H5 (and an H8 in a timer mode): the start with its summary and panel
// presets, and the live reading of every poll.
#include "monitor/panel_state.h"
#include "monitor/register_block.h"
#include "monitor/summary_table.h"

// 0 done (also when monitoring was already off: then nothing is read); 1 a read failed,
// Stop ended monitoring between reads, or a value has no text (a key protect level
// above 4, an output time that is not a number). The boxes change only on 0.
int InitMonitor_H5(RegisterSource& source, const QString& modelName, MonitorSummary& summary);

void PresetPanels_A_H5(quint8 range, quint8 outputMode);
void PresetPanels_B_H5();
void PresetPanels_C_H5(quint8 range);

// One poll; results as UpdateMonitorPanel_H9's.
int UpdateMonitorPanel_H5(RegisterSource& source);
int PollTimer_H5(RegisterSource& source);
int PollTwinTimer_H5(RegisterSource& source);
int PollTwoStageTimer_H5(RegisterSource& source);

// The unit letters panel A and panel B light for their range (byTimerMode codes).
extern qint16 nTimerIconA_H5;
extern qint16 nTimerIconB_H5;
// Flips at every poll in which a timer counts in a minute or hour range.
extern bool bBlinkPhase_H5;

// Time range 0 to 9: its separators for one row, and its unit letters. A range outside
// the table gives a row without separators and dark letters (and false / 0).
bool RangePoints_H5(quint8 range, PointPair& pointOrColon, PointPair& point);
quint8 RangeUnitLetters_H5(quint8 range);
// Six digits of two registers: the upper two from the low byte of the second, the
// rest from the first. A character that is not a decimal digit leaves its digit.
void DecodeSixDigits_H5(const RegisterBlock& block, DigitRow& row);
// The lamp row from 1065 bit 3, 1060 bit 0 and 1290 bits 3 and 4.
QString LampPattern_H5(int low1065, int low1060, int low1290);
