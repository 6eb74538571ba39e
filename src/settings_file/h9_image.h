#pragma once
// The H9 layout of the settings image, its writer and its loader. Unlike the H5/H7
// layouts only the sections of the current function mode are stored, each after the
// set-value check of that section has passed.
#include "settings_file/settings_image.h"

// Fills byFileBuf from frmModeSetting_H9. Returns 0, the code of the first failed
// set-value check (6, 7, 8, 9, 10, 11 or 13), or 15 when a field cannot be stored.
// Each section's result is also left in nErrCode.
int BuildFileImage_H9();

// Section writers, each 0 or its check's code (15 for a field that cannot be stored).
int PutTimerA_H9();
int PutPartB_H9();
int PutDualTimer_H9();
int PutDualCounter_H9();
int PutDualTacho_H9();

// Puts `image` into frmModeSetting_H9 (loaded and shown here). Returns 0, or
// `failCode` when a position is refused; the editor is then unloaded without its save
// question.
int LoadFileImage_H9(const SettingFileImage& image, int failCode);
