#pragma once
// Monitoring an H7 (and an H8 in a counter mode): the start with its summary and panel
// presets, and the live reading of every poll.
#include "monitor/panel_state.h"
#include "monitor/register_block.h"
#include "monitor/summary_table.h"

// 0 done (also when monitoring was already off: then nothing is read); 1 a read failed,
// Stop ended monitoring between reads, or a value the function shows has no text (the
// boxes are then not written and no preset is made).
int InitMonitor_H7(RegisterSource& source, const QString& modelName, MonitorSummary& summary);

// The static fields of both decoded records for function mode 3 to 8, decimal point
// 0 to 3 and the output mode that decides panel A's legend.
void PresetPanels_H7(int mode, int decimalPoint, int outputMode);

// One poll: 0, or 1 when a read failed (nErrCode is then 1 as well).
int UpdateMonitorPanel_H7(RegisterSource& source);

// Six BCD digits of three bytes, most significant byte first as the characters of
// `high`, `middle`, `low` (two each); a sign word that is not zero puts a minus in
// front. A character that is not a decimal digit leaves its digit as it was.
void DecodeSignedValue_H7(const QByteArray& high, const QByteArray& middle, const QByteArray& low, DigitRow& row);
bool SignWordNegative_H7(const QByteArray& fourChars);
void ApplySign_H7(bool negative, DigitRow& row);
// The lamp row from 1292 bits 0 and 1 (lit when clear) and 1290 bits 3 and 4.
QString LampPattern_H7(int low1290, int low1292);
