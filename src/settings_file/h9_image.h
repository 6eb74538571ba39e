#pragma once
// The H9 layout of the settings image and its writer (the loader fills the editor:
// editors/h9/h9_image_loader.h). Unlike the H5/H7 layouts only the sections of the
// current function mode are stored, each after the set-value check of that section
// has passed.
#include "settings_file/settings_image.h"

// Fills byFileBuf from the edited H9 set. Returns 0, the code of the first failed
// set-value check (6, 7, 8, 9, 10, 11 or 13), or 15 when a field cannot be stored.
// Each section's result is also left in nErrCode.
int BuildFileImage_H9();

// Section writers, each 0 or its check's code (kSaveFailed for a field that cannot be
// stored).
int PutTimerA_H9();
int PutPartB_H9();
int PutDualTimer_H9();
int PutDualCounter_H9();
int PutDualTacho_H9();
