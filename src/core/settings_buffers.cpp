#include "core/settings_buffers.h"

// A fresh image holds "0" in every position.
SettingFileImage byFileBuf(kSettingImageSize, '0');
SettingFileImage byUploadBuf(kSettingImageSize, '0');
