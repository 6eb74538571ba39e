#pragma once
// The H9 layout of a settings image put back into the H9 editor.
#include "core/settings_buffers.h"

// Puts `image` into frmModeSetting_H9 (loaded and shown here). Returns 0, or
// `failCode` when a position is refused; the editor is then unloaded without its save
// question, taking its toolbar buttons and status panels with it.
int LoadFileImage_H9(const SettingFileImage& image, int failCode);
