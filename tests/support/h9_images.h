#pragma once
// A hand-made H9 settings image, shared by the writer and the loader tests.
#include "support/images.h"

namespace testhelp {

// Timer A with counter B, key protection on: every value worked out by hand from the
// layout.
inline SettingFileImage h9Mode0Image()
{
    return image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "0"}, {21, "0"},
                  {25, "0"}, {26, "0"}, {28, "0"}, {29, "0012.34"}, {36, "0000.50"},
                  {51, "0"}, {52, "2"}, {53, "3"}, {54, "1"}, {55, "B"},
                  {57, "12.500"}, {63, "012.345"}, {70, "0002.50"}, {251, "1"}, {252, "0"}});
}

} // namespace testhelp
