#pragma once
// The H5 and H7 layouts of the settings image and their writers (the loaders fill the
// editor: editors/h5h7/h5h7_image_loader.h). Every section of every mode of the half is stored and loaded, whatever the
// function mode, so a file keeps the values of the modes that were not selected. An
// H8 set uses the H5 layout in modes 0 to 2 and the H7 layout in modes 3 to 8.
#include "settings_file/settings_image.h"

// Fill byFileBuf from the edited H5 or H7 set. Return 0, or 15 when a field cannot be
// stored.
int BuildFileImage_H5();
int BuildFileImage_H7();
