// The H9 read map: the instrument's function group first, then only the sections of
// that group, into the positions of the H9 settings image.
#include "transfer/upload.h"

#include "link/comm_records.h"
#include "transfer/upload_read.h"

using namespace upload_read;

namespace {

// A counter or tachometer set value with t decimals, as the image stores the row:
// t = 0 a leading "0" and the six digits, else the point before the last t digits.
bool counterSetValue(int reg, int t, int pos)
{
    QByteArray s = ReadBcdValue(commSettings.nSlaveID, reg, 3);
    if (s.isEmpty())
        return false;
    put(pos, t == 0 ? "0" + s : s.left(6 - t) + '.' + s.right(t));
    return true;
}

// Set values of the dual modes: a leading "0" and the six digits.
bool leadingSetValue(int reg, int pos)
{
    const QByteArray s = ReadBcdValue(commSettings.nSlaveID, reg, 3);
    if (s.isEmpty())
        return false;
    put(pos, "0" + s);
    return true;
}

// The set value of a counter lies in one of two slots by its input mode: up-counting
// modes 0, 1, 2 and 6 in 1366, down-counting 3, 4, 5 and 7 in 1370.
int setValueSlot(int inputMode)
{
    switch (inputMode) {
    case 0: case 1: case 2: case 6: return 1366;
    case 3: case 4: case 5: case 7: return 1370;
    default: return 0;
    }
}

bool timerA()
{
    const auto code = registers(1114, 1);
    if (!code)
        return false;
    // Time code c = time range x 2 + direction; each c has a set-value slot of its own.
    static constexpr int kSlot[8] = {1116, 1120, 1126, 1132, 1140, 1148, 1158, 1168};
    const int c = lowByte((*code)[0]);
    if (c < 0 || c > 7)
        return false;
    put(25, QByteArray(1, static_cast<char>('0' + c / 2)));
    put(26, QByteArray(1, static_cast<char>('0' + c % 2)));
    return bcd(kSlot[c], c < 2 ? 0 : 1, 29) && digit(1176, 28) && bcd(1172, 0, 36);
}

bool counterB()
{
    const std::optional<int> input = digit(1374, 52);
    if (!input || setValueSlot(*input) == 0)
        return false;
    const std::optional<int> t = digit(1364, 53);
    if (!t || *t > 3)
        return false;
    return digit(1356, 54) && digit(1376, 55) && bcd(1360, 2, 57)
        && counterSetValue(setValueSlot(*input), *t, 63) && bcd(1378, 0, 70);
}

bool tachoB()
{
    if (!digit(1556, 91))
        return false;
    const std::optional<int> t = digit(1364, 92);
    if (!t || *t > 3)
        return false;
    return digit(1356, 93) && digit(1554, 94) && bcd(1360, 2, 95) && counterSetValue(1366, *t, 101)
        && bcd(1574, 0, 108);
}

bool twoStageTimer()
{
    return digit(1594, 131) && leadingSetValue(1586, 132) && bcd(1598, 0, 139) && digit(1596, 151)
        && leadingSetValue(1590, 152) && bcd(1602, 0, 159);
}

bool dualCounter()
{
    if (!digit(1648, 171) || !digit(1658, 172) || !leadingSetValue(1650, 173) || !bcd(1654, 0, 180))
        return false;
    const std::optional<int> input = digit(1374, 191);
    if (!input || setValueSlot(*input) == 0)
        return false;
    return digit(1356, 192) && digit(1376, 193) && leadingSetValue(setValueSlot(*input), 195)
        && bcd(1378, 0, 202);
}

bool dualTacho()
{
    return digit(1684, 221) && leadingSetValue(1680, 222) && digit(1556, 231) && digit(1356, 232)
        && digit(1554, 233) && leadingSetValue(1366, 234) && bcd(1574, 0, 241);
}

} // namespace

int Upload_H9()
{
    if (!digit(1278, 8) || !digit(1686, 9))
        return 1;
    const std::optional<int> group = digit(1542, 21);
    if (!group)
        return 1;
    bool ok = false;
    if (*group == 0) {
        if (!timerA())
            return 1;
        const std::optional<int> kind = digit(1552, 51);
        if (!kind)
            return 1;
        ok = *kind == 0 ? counterB() : *kind == 1 ? tachoB() : false;
    } else if (*group == 1) {
        const std::optional<int> kind = digit(1584, 130);
        if (!kind)
            return 1;
        switch (*kind) {
        case 0: ok = twoStageTimer(); break;
        case 1: ok = dualCounter(); break;
        case 2: ok = dualTacho(); break;
        default: break;
        }
    }
    if (!ok)
        return 1;
    return digit(1178, 251) && digit(1358, 252) ? 0 : 1;
}
