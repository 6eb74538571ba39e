#pragma once
// The writers of an H9 download: the block writers send the selection registers of
// the function group and the flagged words of their blocks of RegImage_H9; the common
// writer sends three single settings; the system-flag writer reads six flag bytes of
// the instrument, replaces the fields the set owns and writes them back. Each sends
// one request per register and stops at the first failed exchange, whose message the
// link has shown; the result is then non-zero.
#include <QtGlobal>

int WriteTimerABlock_H9(qint32 slaveId);
// Channel B: kind 0 the counter block, any other kind the tachometer blocks.
int WritePartBBlock_H9(qint32 slaveId, quint8 funcGroup, int kind);
int WriteTwoStageBlock_H9(qint32 slaveId);
int WriteDualCounterBlock_H9(qint32 slaveId);
int WriteDualTachoBlock_H9(qint32 slaveId);
// 1178 signal width, 1358 NPN/PNP, 1686 power saving; 0, or 1 after a failed write.
int WriteCommonRegs_H9(qint32 slaveId);
// part 0 all bytes, 1 the channel A bytes, 2 the channel B bytes.
int WriteSysFlags_H9(qint32 slaveId, int part);

// The six system-flag bytes as last read (the low byte of 1780 + i), then as written.
extern quint8 bySysFlags_H9[6];

// Replaces the fields of the six bytes that the set owns for `part`; every field
// takes only the low four bits of its setting, so no setting can spill into the
// field beside it.
void ApplySysFlags_H9(quint8 (&bytes)[6], int part);
