#pragma once
// The English name the difference box of a compare gives each register byte address of
// the two register maps, by inclusive byte ranges; an address in no row is named by its
// address in hexadecimal.
#include <cstddef>
#include <cstdio>
#include <string>

namespace comparenames {

struct Named {
    long first;
    long last;
    const char* name;
};

inline constexpr Named kH9[] = {
    {1024, 1027, "Check number"},         {1028, 1028, "Type :  "},
    {1114, 1114, "Time Range/Time Mode"}, {1116, 1171, "Set Value"},
    {1172, 1175, "Output Time"},          {1176, 1177, "Output Mode"},
    {1178, 1179, "Input Signal Width"},   {1356, 1357, "Counting Speed"},
    {1358, 1359, "NPN / PNP Input Mode"}, {1360, 1363, "Prescale Value"},
    {1364, 1365, "Decimal Point Position"}, {1366, 1373, "Set Value"},
    {1374, 1375, "Input Mode"},           {1376, 1377, "Output Mode"},
    {1378, 1381, "Output Time"},          {1542, 1543, "Function Selection"},
    {1544, 1544, "Device ID"},            {1552, 1553, "Function Selection"},
    {1554, 1555, "Output Mode"},          {1556, 1557, "Average Processing"},
    {1574, 1577, "Startup Time"},         {1584, 1585, "Function Selection"},
    {1586, 1593, "Set Value"},            {1594, 1597, "Output Mode"},
    {1598, 1605, "Output Time"},          {1648, 1649, "Function Selection"},
    {1650, 1653, "Set Value"},            {1654, 1657, "Output Time"},
    {1658, 1659, "Output Mode"},          {1680, 1683, "Set Value"},
    {1684, 1685, "Output Mode"},          {1686, 1687, "Power Saving"},
};

inline constexpr Named kH5H7[] = {
    {1074, 1075, "Function Selection"},   {1076, 1077, "Input Signal Width"},
    {1078, 1079, "NPN / PNP Input Mode"}, {1080, 1081, "Key Protect Level"},
    {1084, 1085, "Key Protection"},       {1088, 1089, "Time Range"},
    {1090, 1091, "Time Mode"},            {1092, 1093, "Output Mode"},
    {1094, 1097, "Output Time"},          {1098, 1101, "Set Value/Cycle Time"},
    {1102, 1103, "ON Duty Ratio"},        {1120, 1123, "Time Range"},
    {1124, 1125, "Time Mode"},            {1126, 1127, "ON/OFF Start Mode"},
    {1128, 1135, "Set Value"},            {1152, 1153, "Setting Method"},
    {1154, 1155, "Time Range"},           {1156, 1157, "Output Mode"},
    {1158, 1165, "Set Value"},            {1696, 1697, "Input Mode"},
    {1698, 1699, "Output Mode"},          {1700, 1701, "Counting Speed"},
    {1702, 1703, "Decimal Point Position"}, {1704, 1707, "Prescale Value"},
    {1708, 1715, "Set Value"},            {1716, 1723, "Output Time"},
    {1724, 1725, "Input Mode"},           {1726, 1727, "Output Mode"},
    {1728, 1729, "Average Processing"},   {1730, 1731, "Auto-zero Time"},
    {1732, 1733, "Startup Time"},
};

template <std::size_t N>
std::string nameOf(const Named (&table)[N], long address)
{
    for (const Named& n : table)
        if (address >= n.first && address <= n.last)
            return n.name;
    char unknown[32];
    std::snprintf(unknown, sizeof unknown, "ADD:%lX  Unknow", address);
    return unknown;
}

} // namespace comparenames
