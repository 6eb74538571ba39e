#pragma once
// The one reading of a hexadecimal digit, as the instrument's replies, the register
// texts and the settings files write them.

// '0' to '9' 0 to 9, 'A' to 'F' and 'a' to 'f' 10 to 15; -1 for any other character.
constexpr int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
