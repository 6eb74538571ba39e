#include "transfer/compare_messages.h"

#include "compare_names.h"
#include "platform/strings.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

class CompareMessages : public ::testing::Test {
protected:
    void SetUp() override { platform::setLanguage(platform::Language::English); }
};

// Every byte address around both maps against the names of their tables: a name of two
// ids joins them with "/", a name keeps its blanks, every byte of a multi-byte value
// carries the value's name, and the bytes in no row (the time code's high byte, the
// device ID's second byte) are named by their address.
template <std::size_t N>
void expectEveryName(const comparenames::Named (&table)[N], QString (*nameOf)(long))
{
    for (long a = 1000; a <= 1800; ++a)
        EXPECT_EQ(nameOf(a).toStdString(), comparenames::nameOf(table, a)) << a;
}

TEST_F(CompareMessages, EveryAddressOfBothMaps)
{
    expectEveryName(comparenames::kH9, &CompareMismatchName_H9);
    expectEveryName(comparenames::kH5H7, &CompareMismatchName_H5H7);
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
