#include "core/machine_type.h"

int nMacType = 0;
bool bMacTypeSelOK = false;

QString ModelName(int deviceTypeCode)
{
    static const char* const kNames[] = {
        "QD - Max733C  /  614C  /  852C",
        "QD-Max730",
        "QD-Max731",
        "QD-Max732",
    };
    if (deviceTypeCode < 1 || deviceTypeCode > 4)
        return {};
    return QString::fromLatin1(kNames[deviceTypeCode - 1]);
}
