#pragma once
// The H5 and H7 layouts of the settings image and the H5/H7 editor's writers and
// loaders. Every section of every mode of the half is stored and loaded, whatever the
// function mode, so a file keeps the values of the modes that were not selected. An
// H8 set uses the H5 layout in modes 0 to 2 and the H7 layout in modes 3 to 8.
#include "settings_file/settings_image.h"

// Fill byFileBuf from frmModeSetting_H7. Return 0, or 15 when a field cannot be stored.
int BuildFileImage_H5();
int BuildFileImage_H7();

// Put `image` into frmModeSetting_H7 (loaded and shown here, laid out by nMacType,
// which the caller sets first). Return 0, or `failCode` when a position is refused;
// the editor is then unloaded without its save question.
int LoadFileImage_H5(const SettingFileImage& image, int failCode);
int LoadFileImage_H7(const SettingFileImage& image, int failCode);
