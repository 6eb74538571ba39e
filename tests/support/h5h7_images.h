#pragma once
// Hand-made H5 and H7 settings images with every field away from its default, shared
// by the writer and the loader tests.
#include "support/images.h"

namespace testhelp {

// A valid H5 image of mode 0.
inline SettingFileImage handH5(const char* type = "020A", const char* mode = "0")
{
    return image({{0, "0100"}, {4, type}, {10, "3"}, {11, "1"}, {12, "1"}, {13, "1"},
                  {31, mode}, {32, "9"}, {33, "1"}, {34, "9"},
                  {35, "123456"}, {41, "000150"}, {47, "000100"},
                  {81, "2"}, {82, "5"}, {83, "1"}, {84, "1"}, {85, "000777"}, {91, "888888"},
                  {121, "1"}, {122, "7"}, {123, "1"}, {124, "010203"}, {130, "040506"}});
}

// A valid H7 image of the batch counter.
inline SettingFileImage handH7(const char* type = "030A", const char* mode = "6")
{
    return image({{0, "0100"}, {4, type}, {10, "4"}, {11, "3"}, {12, "1"}, {13, "012345"},
                  {19, "1"}, {20, "1"}, {21, "1"}, {31, mode},
                  {32, "2"}, {33, "B"}, {36, "000050"}, {42, "-00123"},
                  {81, "3"}, {82, "A"}, {85, "000001"}, {91, "000002"}, {97, "-00003"},
                  {103, "-01000"},
                  {131, "4"}, {132, "5"}, {135, "000011"}, {141, "000012"}, {147, "000013"},
                  {181, "3"}, {183, "2"}, {184, "009999"}, {190, "000500"},
                  {196, "123456"}, {202, "654321"}});
}

} // namespace testhelp
