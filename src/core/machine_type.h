#pragma once
// The model of the edited set and the table of model names.
#include <QString>

// Machine type codes: the high byte is the device type code the instrument reports.
enum : int {
    kMacTypeH9 = 0x010A, // 266
    kMacTypeH5 = 0x020A, // 522
    kMacTypeH7 = 0x030A, // 778
    kMacTypeH8 = 0x040A, // 1034
};

extern int nMacType;

// The device type code of a machine type, its high byte: 1 H9, 2 H5, 3 H7, 4 H8.
constexpr int DeviceTypeCode(int macType) { return (macType >> 8) & 0xFF; }
extern bool bMacTypeSelOK;

// The model name of device type code 1 to 4; an empty text for any other code.
QString ModelName(int deviceTypeCode);
