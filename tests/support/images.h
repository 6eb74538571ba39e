#pragma once
// Hand-made settings images and what two images differ in.
#include "settings_file/settings_image.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace testhelp {

// An image of "0" with `fields` written over it (position, characters).
inline SettingFileImage image(std::initializer_list<std::pair<int, const char*>> fields)
{
    SettingFileImage img = settings_image::blankImage();
    for (const auto& [pos, chars] : fields) {
        const QByteArray c(chars);
        img.replace(pos, c.size(), c);
    }
    return img;
}

// The positions where two images differ, as "pos: got 'x' want 'y'" lines; empty
// when they are equal.
inline std::string imageDiff(const SettingFileImage& got, const SettingFileImage& want)
{
    if (got.size() != want.size())
        return "size " + std::to_string(got.size()) + " want " + std::to_string(want.size());
    std::string out;
    for (int i = 0; i < got.size(); ++i)
        if (got.at(i) != want.at(i))
            out += std::to_string(i) + ": got '" + got.at(i) + "' want '" + want.at(i) + "'\n";
    return out;
}

} // namespace testhelp
