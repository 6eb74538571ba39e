#include "transfer/compare_messages.h"

#include "platform/strings.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class CompareMessages : public ::testing::Test {
protected:
    void SetUp() override { platform::setLanguage(platform::Language::English); }
};

TEST_F(CompareMessages, H9NamesJoinTwoIdsAndKeepBlanks)
{
    EXPECT_EQ(CompareMismatchName_H9(1114), "Time Range/Time Mode");
    EXPECT_EQ(CompareMismatchName_H9(1028), "Type :  ");
    // Every byte of a multi-byte value carries the value's name.
    EXPECT_EQ(CompareMismatchName_H9(1116), "Set Value");
    EXPECT_EQ(CompareMismatchName_H9(1171), "Set Value");
    EXPECT_EQ(CompareMismatchName_H9(1381), "Output Time");
    EXPECT_EQ(CompareMismatchName_H9(1686), "Power Saving");
    EXPECT_EQ(CompareMismatchName_H9(1544), "Device ID");
}

TEST_F(CompareMessages, AddressesInNoRowAreNamedByHexAddress)
{
    EXPECT_EQ(CompareMismatchName_H9(1115), "ADD:45B  Unknow");
    EXPECT_EQ(CompareMismatchName_H9(1545), "ADD:609  Unknow");
    for (long a : {1082L, 1083L, 1086L, 1087L})
        EXPECT_EQ(CompareMismatchName_H5H7(a), "ADD:" + QString::number(a, 16).toUpper() + "  Unknow");
    EXPECT_EQ(CompareMismatchName_H5H7(1734), "ADD:6C6  Unknow");
}

TEST_F(CompareMessages, H5H7Names)
{
    EXPECT_EQ(CompareMismatchName_H5H7(1098), "Set Value/Cycle Time");
    EXPECT_EQ(CompareMismatchName_H5H7(1101), "Set Value/Cycle Time");
    EXPECT_EQ(CompareMismatchName_H5H7(1120), "Time Range");
    EXPECT_EQ(CompareMismatchName_H5H7(1123), "Time Range");
    EXPECT_EQ(CompareMismatchName_H5H7(1074), "Function Selection");
    EXPECT_EQ(CompareMismatchName_H5H7(1084), "Key Protection");
    EXPECT_EQ(CompareMismatchName_H5H7(1711), "Set Value");
    EXPECT_EQ(CompareMismatchName_H5H7(1730), "Auto-zero Time");
}

// The English name of every parameter, by its byte addresses.
struct Named {
    long first;
    long last;
    const char* name;
};

constexpr Named kNamesH9[] = {
    {1024, 1027, "Check number"}, {1028, 1028, "Type :  "}, {1114, 1114, "Time Range/Time Mode"},
    {1116, 1171, "Set Value"}, {1172, 1175, "Output Time"}, {1176, 1177, "Output Mode"},
    {1178, 1179, "Input Signal Width"}, {1356, 1357, "Counting Speed"}, {1358, 1359, "NPN / PNP Input Mode"},
    {1360, 1363, "Prescale Value"}, {1364, 1365, "Decimal Point Position"}, {1366, 1373, "Set Value"},
    {1374, 1375, "Input Mode"}, {1376, 1377, "Output Mode"}, {1378, 1381, "Output Time"},
    {1542, 1543, "Function Selection"}, {1544, 1544, "Device ID"}, {1552, 1553, "Function Selection"},
    {1554, 1555, "Output Mode"}, {1556, 1557, "Average Processing"}, {1574, 1577, "Startup Time"},
    {1584, 1585, "Function Selection"}, {1586, 1593, "Set Value"}, {1594, 1597, "Output Mode"},
    {1598, 1605, "Output Time"}, {1648, 1649, "Function Selection"}, {1650, 1653, "Set Value"},
    {1654, 1657, "Output Time"}, {1658, 1659, "Output Mode"}, {1680, 1683, "Set Value"},
    {1684, 1685, "Output Mode"}, {1686, 1687, "Power Saving"},
};

constexpr Named kNamesH5H7[] = {
    {1074, 1075, "Function Selection"}, {1076, 1077, "Input Signal Width"}, {1078, 1079, "NPN / PNP Input Mode"},
    {1080, 1081, "Key Protect Level"}, {1084, 1085, "Key Protection"}, {1088, 1089, "Time Range"},
    {1090, 1091, "Time Mode"}, {1092, 1093, "Output Mode"}, {1094, 1097, "Output Time"},
    {1098, 1101, "Set Value/Cycle Time"}, {1102, 1103, "ON Duty Ratio"}, {1120, 1123, "Time Range"},
    {1124, 1125, "Time Mode"}, {1126, 1127, "ON/OFF Start Mode"}, {1128, 1135, "Set Value"},
    {1152, 1153, "Setting Method"}, {1154, 1155, "Time Range"}, {1156, 1157, "Output Mode"},
    {1158, 1165, "Set Value"}, {1696, 1697, "Input Mode"}, {1698, 1699, "Output Mode"},
    {1700, 1701, "Counting Speed"}, {1702, 1703, "Decimal Point Position"}, {1704, 1707, "Prescale Value"},
    {1708, 1715, "Set Value"}, {1716, 1723, "Output Time"}, {1724, 1725, "Input Mode"},
    {1726, 1727, "Output Mode"}, {1728, 1729, "Average Processing"}, {1730, 1731, "Auto-zero Time"},
    {1732, 1733, "Startup Time"},
};

template <std::size_t N>
void expectEveryName(const Named (&table)[N], QString (*nameOf)(long))
{
    char unknown[32];
    for (long a = 1000; a <= 1800; ++a) {
        const char* want = nullptr;
        for (const Named& n : table)
            if (a >= n.first && a <= n.last)
                want = n.name;
        if (!want) {
            std::snprintf(unknown, sizeof unknown, "ADD:%lX  Unknow", a);
            want = unknown;
        }
        EXPECT_EQ(nameOf(a).toStdString(), want) << a;
    }
}

TEST_F(CompareMessages, EveryAddressOfBothMaps)
{
    expectEveryName(kNamesH9, &CompareMismatchName_H9);
    expectEveryName(kNamesH5H7, &CompareMismatchName_H5H7);
}

TEST_F(CompareMessages, BoxTextTitleAndIcon)
{
    testsupport::ScriptedMessages boxes;
    boxes.autoAcknowledgeOk();
    ShowCompareMismatch_H9(1028);
    ShowCompareMismatch_H5H7(1115);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, "Program different :Type :  ");
    EXPECT_EQ(boxes.shown()[0].title, "Compare");
    EXPECT_EQ(boxes.shown()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(boxes.shown()[0].buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(boxes.shown()[1].text, "Program different :ADD:45B  Unknow");
}

TEST_F(CompareMessages, NamesFollowTheLanguage)
{
    platform::setLanguage(platform::Language::SimplifiedChinese);
    EXPECT_EQ(CompareMismatchName_H9(1114),
              platform::resString(307, platform::Language::SimplifiedChinese) + "/"
                  + platform::resString(308, platform::Language::SimplifiedChinese));
    platform::setLanguage(platform::Language::English);
}

} // namespace
