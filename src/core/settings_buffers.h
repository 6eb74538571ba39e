#pragma once
// The two settings images of the session: the file image that Save builds and Open
// reads, and the upload image that the upload fills for the editor to load. An image
// is 256 printable characters, a settings file byte for byte.
#include <QByteArray>

constexpr int kSettingImageSize = 256;

// Always exactly kSettingImageSize bytes.
using SettingFileImage = QByteArray;

// The file image: built by the writers for a save, filled by ReadSettingFile for Open.
extern SettingFileImage byFileBuf;
// The upload image: filled by the upload, handed to a loader by the Upload command.
extern SettingFileImage byUploadBuf;
