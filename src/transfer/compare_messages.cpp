#include "transfer/compare_messages.h"

#include "platform/message_box.h"
#include "platform/strings.h"

#include <iterator>

namespace {

// One parameter: an inclusive range of byte addresses and its name's string id; a
// second id names an alternative meaning of the same bytes ("a/b").
struct NameRow {
    long first;
    long last;
    int id;
    int altId;
};

constexpr NameRow kRowsH9[] = {
    {1024, 1027, 305, 0}, {1028, 1028, 294, 0}, {1114, 1114, 307, 308},
    {1116, 1171, 310, 0}, {1172, 1175, 311, 0}, {1176, 1177, 309, 0},
    {1178, 1179, 316, 0}, {1356, 1357, 314, 0}, {1358, 1359, 317, 0},
    {1360, 1363, 315, 0}, {1364, 1365, 313, 0}, {1366, 1373, 310, 0},
    {1374, 1375, 312, 0}, {1376, 1377, 309, 0}, {1378, 1381, 311, 0},
    {1542, 1543, 306, 0}, {1544, 1544, 304, 0}, {1552, 1553, 306, 0},
    {1554, 1555, 309, 0}, {1556, 1557, 318, 0}, {1574, 1577, 319, 0},
    {1584, 1585, 306, 0}, {1586, 1593, 310, 0}, {1594, 1597, 309, 0},
    {1598, 1605, 311, 0}, {1648, 1649, 306, 0}, {1650, 1653, 310, 0},
    {1654, 1657, 311, 0}, {1658, 1659, 309, 0}, {1680, 1683, 310, 0},
    {1684, 1685, 309, 0}, {1686, 1687, 152, 0},
};

constexpr NameRow kRowsH5H7[] = {
    {1074, 1075, 306, 0}, {1076, 1077, 316, 0}, {1078, 1079, 317, 0},
    {1080, 1081, 325, 0}, {1084, 1085, 151, 0}, {1088, 1089, 307, 0},
    {1090, 1091, 308, 0}, {1092, 1093, 309, 0}, {1094, 1097, 311, 0},
    {1098, 1101, 310, 327}, {1102, 1103, 326, 0}, {1120, 1123, 307, 0},
    {1124, 1125, 308, 0}, {1126, 1127, 320, 0}, {1128, 1135, 310, 0},
    {1152, 1153, 328, 0}, {1154, 1155, 307, 0}, {1156, 1157, 309, 0},
    {1158, 1165, 310, 0}, {1696, 1697, 312, 0}, {1698, 1699, 309, 0},
    {1700, 1701, 314, 0}, {1702, 1703, 313, 0}, {1704, 1707, 315, 0},
    {1708, 1715, 310, 0}, {1716, 1723, 311, 0}, {1724, 1725, 312, 0},
    {1726, 1727, 309, 0}, {1728, 1729, 318, 0}, {1730, 1731, 333, 0},
    {1732, 1733, 319, 0},
};

template <std::size_t N>
QString nameIn(const NameRow (&rows)[N], long address)
{
    for (const NameRow& row : rows) {
        if (address < row.first || address > row.last)
            continue;
        QString name = platform::LoadResString(row.id);
        if (row.altId != 0)
            name += QLatin1Char('/') + platform::LoadResString(row.altId);
        return name;
    }
    return QStringLiteral("ADD:") + QString::number(address, 16).toUpper()
         + QStringLiteral("  Unknow");
}

void showMismatch(const QString& name)
{
    platform::MsgBox(platform::LoadResString(291) + name, platform::MsgButtons::Ok,
                     platform::MsgIcon::Exclamation, QStringLiteral("Compare"));
}

} // namespace

QString CompareMismatchName_H9(long address) { return nameIn(kRowsH9, address); }
QString CompareMismatchName_H5H7(long address) { return nameIn(kRowsH5H7, address); }

void ShowCompareMismatch_H9(long address) { showMismatch(CompareMismatchName_H9(address)); }
void ShowCompareMismatch_H5H7(long address) { showMismatch(CompareMismatchName_H5H7(address)); }
