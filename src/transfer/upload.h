#pragma once
// Upload: the parameter set of whatever instrument of the four types answers, read
// register by register into byUploadBuf in the layout of a settings file of its type.
// The main window's Upload command then loads that image into the editor of the type
// named in frmMDI.sCurrentMacType_Upload.
#include <QByteArray>
#include <QtGlobal>

// The upload job of the transfer window. Returns 0 success; kMemoryAddressError the
// instrument failed identification (shown); kWrongMachineType it reports a type code
// other than 1 to 4 (shown); kUploadFailed any other failure (its message shown by the
// failing step, or kUploadFailed's for an unexpected failure). frmMDI.sCurrentMacType_Upload is "H9",
// "H5", "H7" or "H8" after a success and "" after any failure.
int UploadSettings();

// The read maps of the three layouts; an H8 uses the H5 map in function modes 0 to 2
// and the H7 map otherwise. Each returns 0, or 1 at the first failed read or the first
// value the map has no place for (no message of its own).
int Upload_H5();
int Upload_H7();
int Upload_H9();

// Reads 2 registers at `reg` and returns their digits as the image stores them:
// kind 0 "dddd.dd", 1 "0dddddd", 2 "dd.ddd", 3 "dddddd". Returns "" when the read
// failed (the read has shown its message), when a digit is not "0" to "9", or when
// kind is not 0 to 3 (then nothing is sent).
QByteArray ReadBcdValue(qint32 slaveId, qint32 reg, int kind);
