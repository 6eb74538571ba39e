#pragma once
// The H5 and H7 layouts of a settings image put back into the H5/H7 editor. Every
// section of every mode of the half is loaded, whatever the function mode.
#include "core/settings_buffers.h"

// Put `image` into frmModeSetting_H7 (loaded and shown here, laid out by nMacType,
// which the caller sets first). Return 0, or `failCode` when a position is refused;
// the editor is then unloaded without its save question.
int LoadFileImage_H5(const SettingFileImage& image, int failCode);
int LoadFileImage_H7(const SettingFileImage& image, int failCode);
