#include "transfer/compare_messages.h"

#include "platform/strings.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

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
