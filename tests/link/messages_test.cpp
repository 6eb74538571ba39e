// The message table: text, icon and title of every code class, in two languages.
#include "link/messages.h"

#include "platform/strings.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using platform::Language;
using platform::MsgIcon;

class Messages : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = platform::language();
        boxes.autoAcknowledgeOk();
    }
    void TearDown() override { platform::setLanguage(saved_); }

    const platform::MessageBoxRequest& show(int code)
    {
        ShowErrorMessage(code);
        return boxes.last();
    }

    testsupport::ScriptedMessages boxes;
    Language saved_ = Language::English;
};

TEST_F(Messages, EnglishTextsOfEveryClass)
{
    platform::setLanguage(Language::English);
    struct Case { int code; const char* text; MsgIcon icon; const char* title; };
    const Case cases[] = {
        {1, "Communication error!", MsgIcon::Exclamation, "Error"},
        {2, "COM port has been opened.", MsgIcon::Exclamation, "Error"},
        {3, "Time out !", MsgIcon::Exclamation, "Error"},
        {4, "Memory address error ! ", MsgIcon::Exclamation, "Error"},
        {5, "Failed to write !", MsgIcon::Exclamation, "Error"},
        {6, "Wrong set value !", MsgIcon::Exclamation, "Error"},
        {7, "Output time error !", MsgIcon::Exclamation, "Error"},
        {8, "Wrong set value !", MsgIcon::Exclamation, "Error"},
        {9, "Wrong prescale value !", MsgIcon::Exclamation, "Error"},
        {10, "Wrong set value !", MsgIcon::Exclamation, "Error"},
        {11, "Wrong startup time !", MsgIcon::Exclamation, "Error"},
        {12, "Failed to response !", MsgIcon::Exclamation, "Error"},
        {13, "The set value of Timer_1 must be more than  the set value of Timer_0.", MsgIcon::Exclamation, "Error"},
        {14, "Failed to download the settings!", MsgIcon::Exclamation, "Error"},
        {15, "Failed to save the file!", MsgIcon::Exclamation, "Error"},
        {16, "Invaild file name!", MsgIcon::Exclamation, "Error"},
        {17, "The file doesn't exist!", MsgIcon::Exclamation, "Error"},
        {18, "Falied to open the file.", MsgIcon::Exclamation, "Error"},
        {19, "Wrong version !", MsgIcon::Exclamation, "Error"},
        {20, "Wrong machine type !", MsgIcon::Exclamation, "Error"},
        {21, "Failed to upload the settings!", MsgIcon::Exclamation, "Error"},
        {22, "Wrong Device ID !", MsgIcon::Exclamation, "Error"},
        {23, "Data error !", MsgIcon::Exclamation, "Error"},
        {24, "Failed to compare!", MsgIcon::Exclamation, "Error"},
        {25, "Compare completed ! The programs are the same.", MsgIcon::None, "Compare"},
        {26, "Communication settings error!", MsgIcon::None, "Error"},
        {27, "Time out setting error!", MsgIcon::None, "Error"},
        {28, "ILLEGAL FUNCTION!", MsgIcon::None, "Error"},
        {29, "ILLEGAL DATA ADDRESS!", MsgIcon::None, "Error"},
        {30, "Communication writing inhibit !", MsgIcon::None, "Error"},
        {31, "Communication Delay time error !", MsgIcon::None, "Error"},
        {32, "Scan time error !", MsgIcon::None, "Error"},
        {0, "UnKnow Error !", MsgIcon::Exclamation, "Error"},
        {33, "UnKnow Error !", MsgIcon::Exclamation, "Error"},
        {-1, "UnKnow Error !", MsgIcon::Exclamation, "Error"},
    };
    for (const Case& c : cases) {
        const auto& box = show(c.code);
        EXPECT_EQ(box.text, QString::fromUtf8(c.text)) << c.code;
        EXPECT_EQ(box.icon, c.icon) << c.code;
        EXPECT_EQ(box.title, QString::fromLatin1(c.title)) << c.code;
        EXPECT_EQ(box.buttons, platform::MsgButtons::Ok) << c.code;
        if (c.code >= 1 && c.code <= 32) {
            EXPECT_EQ(box.text, platform::LoadResString(MessageStringId(c.code))) << c.code;
        }
    }
    EXPECT_EQ(boxes.count(), static_cast<int>(std::size(cases)));
}

TEST_F(Messages, ChineseTextsKeepTheEnglishTitles)
{
    platform::setLanguage(Language::TraditionalChinese);
    for (int code = 1; code <= 32; ++code) {
        const auto& box = show(code);
        EXPECT_EQ(box.text, platform::resString(MessageStringId(code), Language::TraditionalChinese));
        EXPECT_NE(box.text, platform::resString(MessageStringId(code), Language::English)) << code;
        EXPECT_EQ(box.title, code == 25 ? "Compare" : "Error");
    }
    EXPECT_EQ(show(3).text, QString::fromUtf8("逾時 !"));
    EXPECT_EQ(show(99).text, "UnKnow Error !") << "the default text is fixed English";
}

} // namespace
