#pragma once
// Compare: does the connected instrument hold the set that is in the editor now? The
// editor's set is encoded afresh, the instrument's registers are read back one at a
// time and their low bytes compared with the image in a fixed order; the first byte
// that differs ends the compare and is named to the user. Nothing is written.
#include <QtGlobal>

// devReadback: what the compare reads of the instrument's function coding.
#include "core/monitor_state.h"

// The compare job of the transfer window: 0 when it came to an answer (kNoDifference
// for no difference, else the difference box), kCompareFailed when it did not (its
// message shown: the link's, kMemoryAddressError, kWrongMachineType or kCompareFailed).
int CompareSettings();

// The per-map compares: 0 with `diff` the first differing register byte address (0
// none), or kCompareFailed when a read failed or the editor's set could not be encoded.
int Compare_H9(long& diff);
int Compare_H5(long& diff);
int Compare_H7(long& diff);

enum class RegCompare { Same, Differs, ReadFailed };

// Reads one register at `reg` (odd addresses too) and compares its low byte.
RegCompare CompareReg(qint32 slaveId, long reg, quint8 expected);
// The sign register of set value 1 (which = 1, register 1734) or 2 (1736).
RegCompare CompareReg1734(qint32 slaveId, int which, quint8 expected);
