#pragma once
// Upload: the parameter set of whatever instrument of the four types answers, read
// register by register into byUploadBuf in the layout of a settings file of its type.
// The main window's Upload command then loads that image into the editor of the type
// named in frmMDI.sCurrentMacType_Upload.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The upload job of the transfer window. Returns 0 success; kMemoryAddressError the
// instrument failed identification (shown); kWrongMachineType it reports a type code
// other than 1 to 4 (shown); kUploadFailed any other failure (shown once: a failed
// read by the link, a value the read map refused by kUploadFailed's box with
// UploadRefusalDetail, an unexpected failure by kUploadFailed's box). Its success is
// told by the caller once the editor has taken the image. frmMDI.sCurrentMacType_Upload is "H9",
// "H5", "H7" or "H8" after a success and "" after any failure.
int UploadSettings();

// The read maps of the three layouts; an H8 uses the H5 map in function modes 0 to 2
// and the H7 map otherwise. Each returns 0, or 1 at the first failed read or the first
// value the map has no place for (no message of its own; upload_read::lastRefusal()
// then names the register and what it held).
int Upload_H5();
int Upload_H7();
int Upload_H9();

// Reads 2 registers at `reg` and returns their digits as the image stores them:
// kind 0 "dddd.dd", 1 "0dddddd", 2 "dd.ddd", 3 "dddddd". Returns "" when the read
// failed (the read has shown its message), when a digit is not "0" to "9" (refused, as
// upload_read::refuse records it), or when
// kind is not 0 to 3 (then nothing is sent).
QByteArray ReadBcdValue(qint32 slaveId, qint32 reg, int kind);

// The line under "Failed to upload the settings!" for a value the upload or the editor
// refused: `setting` as the editor captions it (or RegisterCaption) and the value read,
// in the user's language.
QString UploadRefusalDetail(const QString& setting, const QString& value);
// "Register n", for a value known only by its register.
QString RegisterCaption(int reg);
