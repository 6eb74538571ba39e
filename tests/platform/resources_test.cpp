#include "platform/bitmaps.h"
#include "platform/folders.h"
#include "platform/strings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <set>

using namespace platform;

TEST(Strings, LanguageFollowsTheUiLocale)
{
    EXPECT_EQ(languageForLocale("zh-TW"), Language::TraditionalChinese);
    EXPECT_EQ(languageForLocale("zh_HK"), Language::TraditionalChinese);
    EXPECT_EQ(languageForLocale("zh-MO"), Language::TraditionalChinese);
    EXPECT_EQ(languageForLocale("zh-Hant-TW"), Language::TraditionalChinese);
    EXPECT_EQ(languageForLocale("zh-CN"), Language::SimplifiedChinese);
    EXPECT_EQ(languageForLocale("zh_SG"), Language::SimplifiedChinese);
    EXPECT_EQ(languageForLocale("en-US"), Language::English);
    EXPECT_EQ(languageForLocale("de-DE"), Language::English);
    EXPECT_EQ(languageForLocale("en-HK"), Language::English);
}

TEST(Strings, TextsComeFromTheChosenColumnAndUnknownIdsAreEmpty)
{
    setLanguage(Language::English);
    EXPECT_EQ(LoadResString(246), "Are you sure to exit  ?");
    setLanguage(Language::SimplifiedChinese);
    EXPECT_NE(LoadResString(246), resString(246, Language::English));
    setLanguage(Language::English);
    EXPECT_TRUE(LoadResString(99).isEmpty());
    EXPECT_FALSE(hasResString(363));
}

// Every id the program asks the table for must be there, in all four columns.
TEST(Strings, EveryIdTheCodeAsksForExistsInAllFourLanguages)
{
    // The code asks by the names of platform/string_ids.h only.
    QFile f(QStringLiteral(TCPANEL_SOURCE_DIR "/src/platform/string_ids.h"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    QRegularExpression name(QStringLiteral("constexpr int k\\w+ = (\\d+);"));
    std::set<int> ids;
    for (auto m = name.globalMatch(text); m.hasNext();)
        ids.insert(m.next().captured(1).toInt());
    ASSERT_FALSE(ids.empty());
    for (int id : ids) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(hasResString(id));
        for (Language l : {Language::TraditionalChinese, Language::English, Language::Neutral,
                           Language::SimplifiedChinese})
            EXPECT_FALSE(resString(id, l).isEmpty());
        EXPECT_EQ(resString(id, Language::Neutral), resString(id, Language::English));
    }
}

TEST(Bitmaps, NamesMatchWithoutCaseAndUnknownNamesGiveNoImage)
{
    const QPixmap a = LoadResPicture("KP_ON");
    EXPECT_FALSE(a.isNull());
    EXPECT_EQ(LoadResPicture("kp_on").cacheKey(), a.cacheKey());
    EXPECT_TRUE(LoadResPicture("NO_SUCH_PICTURE").isNull());
    for (const char* n : {"KP_OFF", "New", "Open", "KP_ON", "Save", "Upload", "PS_ON", "PS_OFF",
                          "Download", "MonitorStart"})
        EXPECT_TRUE(hasBitmap(n)) << n;
}

TEST(Folders, CanBeReplacedAndRestored)
{
    setUserDataDir("/tmp/tcpanel-test-user");
    setAppDataDir("/tmp/tcpanel-test-app");
    EXPECT_EQ(userDataDir(), "/tmp/tcpanel-test-user");
    EXPECT_EQ(appDataDir(), "/tmp/tcpanel-test-app");
    setUserDataDir({});
    setAppDataDir({});
    EXPECT_TRUE(userDataDir().endsWith("/tcpanel"));
    EXPECT_FALSE(appDataDir().isEmpty());
}
