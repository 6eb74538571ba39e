#pragma once
// The string table: one row per id, the texts in UTF-8 in the four language columns.
namespace resources {

struct StringTableRow {
    int id;
    const char* zhTW;    // 1028 Traditional Chinese
    const char* en;      // 1033 English
    const char* neutral; // 2048 neutral copy of the English
    const char* zhCN;    // 2052 Simplified Chinese
};

extern const StringTableRow kStringTable[];
extern const int kStringTableSize;

} // namespace resources
