#include "platform/strings.h"
#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <QString>

#include <iterator>
#include <utility>

namespace {

using platform::Language;
using platform::resString;

// Every id that a window, message or summary of the program loads.
constexpr int kUsedIds[] = {
    101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 113, 114, 116,
    117, 118, 119, 120, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131,
    132, 133, 134, 135, 136, 137, 138, 139, 140, 141, 142, 143, 144, 145,
    146, 147, 148, 149, 151, 152, 153, 155, 156, 157, 158, 159, 160, 161,
    162, 163, 164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 176,
    177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 192, 195,
    196, 197, 198, 199, 200, 201, 202, 203, 204, 205, 206, 207, 208, 209,
    210, 211, 212, 213, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223,
    224, 225, 226, 227, 228, 229, 230, 231, 232, 233, 234, 235, 236, 237,
    238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251,
    252, 253, 254, 255, 256, 257, 258, 259, 260, 261, 262, 263, 264, 265,
    266, 267, 268, 269, 270, 274, 275, 276, 277, 278, 280, 281, 282, 283,
    284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 295, 296, 297,
    298, 299, 300, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311,
    312, 313, 314, 315, 316, 317, 318, 319, 320, 321, 323, 325, 326, 327,
    328, 333, 335, 336, 337, 338, 339, 340, 341, 342, 343, 344, 345, 346,
    347, 348, 349, 350, 351, 352, 353, 354, 355, 356, 357, 358, 359, 360,
    361, 362,
};

// For each text a user acts on, a word that carries its meaning (the job, and whether it
// succeeded or failed) in the English, Traditional and Simplified Chinese columns. No
// other row's text of that language holds the word, so two texts swapped show.
struct MeaningWords {
    int id;
    const char* en;
    const char* zhTW;
    const char* zhCN;
};
constexpr MeaningWords kMeaningWords[] = {
    // The jobs' status texts; 250 and 258, 254 and 259, 256 and 257 read alike.
    {247, "Open…", "開啟…", "打开…"},
    {250, "Read…", "讀取…", "读取…"},
    {254, "Compare…", "比對…", "比较…"},
    {256, "Write…", "寫入…", "写入…"},
    {257, "Write…", "寫入…", "写入…"},
    {258, "Read…", "讀取…", "读取…"},
    {259, "Compare…", "比對…", "比较…"},
    // Success and failure of each job.
    {248, "Failed to open", "開啟檔案失敗", "打开文件失败"},
    {249, "opened completed", "開啟完成", "打开完成"},
    {252, "save completed", "儲存完成", "保存完成"},
    {253, "Failed to save", "儲存檔案失敗", "保存文件失败"},
    {260, "Failed to upload", "上傳設定失敗", "上传设置失败"},
    {261, "Failed to download", "下載設定失敗", "下载设置失败"},
    {262, "compare the settings", "比對設定失敗", "比较设置失败"},
    {263, "read completely", "讀取完成", "读取完成"},
    {264, "written completely", "寫入完成", "写入完成"},
    {265, "compared completely", "設定比對完成", "设置比较完成"},
    // The questions.
    {246, "exit", "結束", "退出"},
    {251, "save them", "是否要儲存", "是否要保存"},
    {295, "replace", "取代", "替换"},
    // The compare results.
    {287, "Failed to compare!", "比對失敗", "比较失败"},
    {288, "the same", "程式相同", "程序相同"},
    {291, "different", "不同", "不同"},
    // Port and time-out errors.
    {266, "Communication error", "通訊錯誤", "通讯错误"},
    {267, "has been opened", "已被開啟", "已被打开"},
    {268, "Time out !", "逾時 !", "超时 !"},
    {290, "Time out setting error", "逾時設定錯誤", "超时设置错误"},
};

TEST(StringTable, EveryUsedIdHasAllFourColumns)
{
    EXPECT_EQ(std::size(kUsedIds), 240u);
    for (int id : kUsedIds) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(platform::hasResString(id));
        const QString en = resString(id, Language::English);
        EXPECT_FALSE(en.isEmpty());
        EXPECT_FALSE(resString(id, Language::TraditionalChinese).isEmpty());
        EXPECT_FALSE(resString(id, Language::SimplifiedChinese).isEmpty());
        EXPECT_EQ(resString(id, Language::Neutral), en);
        // Trailing blanks are part of some captions' layout and must survive translation.
        const auto trailingBlanks = [](const QString& s) {
            qsizetype n = 0;
            while (n < s.size() && s.at(s.size() - 1 - n) == QLatin1Char(' '))
                ++n;
            return n;
        };
        EXPECT_EQ(trailingBlanks(resString(id, Language::TraditionalChinese)), trailingBlanks(en));
        EXPECT_EQ(trailingBlanks(resString(id, Language::SimplifiedChinese)), trailingBlanks(en));
    }
    // One row per id, in id order, all within the table's range.
    for (int i = 0; i < resources::kStringTableSize; ++i) {
        EXPECT_GE(resources::kStringTable[i].id, 101);
        EXPECT_LE(resources::kStringTable[i].id, 362);
        if (i > 0) {
            EXPECT_LT(resources::kStringTable[i - 1].id, resources::kStringTable[i].id);
        }
    }
    // Ids outside the table give an empty text rather than a neighbour's.
    EXPECT_FALSE(platform::hasResString(112));
    EXPECT_TRUE(resString(100, Language::English).isEmpty());
    EXPECT_TRUE(resString(363, Language::English).isEmpty());
}

TEST(StringTable, EnglishTextsKeepTheirOddSpacingAndSpelling)
{
    const auto en = [](int id) { return resString(id, Language::English); };
    EXPECT_EQ(en(246), QStringLiteral("Are you sure to exit  ?"));
    EXPECT_EQ(en(269), QStringLiteral("Memory address error ! "));
    EXPECT_EQ(en(278), QStringLiteral("The set value of Timer_1 must be more than  the set value of Timer_0."));
    EXPECT_EQ(en(294), QStringLiteral("Type :  "));
    EXPECT_EQ(en(126), QStringLiteral("Select a machine type "));
    EXPECT_EQ(en(145), QStringLiteral("Tachometer "));
    EXPECT_EQ(en(297), QStringLiteral("Download  A ( Timer ) "));
    EXPECT_EQ(en(298), QStringLiteral("Download  B ( Counter / Tachometer ) "));
    EXPECT_TRUE(en(299).startsWith(QStringLiteral("p.s  If you")));
    EXPECT_EQ(en(280), QStringLiteral("Invaild file name!"));
    EXPECT_EQ(en(282), QStringLiteral("Falied to open the file."));
    EXPECT_EQ(en(128), QStringLiteral("Function Selection(&A)"));
    // Status texts use the ellipsis character, the logging menu three full stops.
    EXPECT_EQ(en(250), QString::fromUtf8("Read\u2026"));
    EXPECT_EQ(en(257), QString::fromUtf8("Write\u2026"));
    EXPECT_EQ(en(353), QStringLiteral("Logging..."));
    // Two different entries that read alike: the status text and the message.
    EXPECT_EQ(en(255), en(285));
    EXPECT_EQ(resString(127, Language::TraditionalChinese), QString::fromUtf8("\u6a94\u6848(&F)"));
}

TEST(StringTable, TextsAUserActsOnCarryTheirMeaningInEachLanguage)
{
    const std::pair<Language, const char* MeaningWords::*> columns[] = {
        {Language::English, &MeaningWords::en},
        {Language::TraditionalChinese, &MeaningWords::zhTW},
        {Language::SimplifiedChinese, &MeaningWords::zhCN},
    };
    for (const auto& [lang, column] : columns) {
        for (const MeaningWords& row : kMeaningWords) {
            const QString word = QString::fromUtf8(row.*column);
            SCOPED_TRACE(testing::Message() << row.id << " " << int(lang) << " \"" << row.*column << "\"");
            EXPECT_TRUE(resString(row.id, lang).contains(word));
            for (const MeaningWords& other : kMeaningWords) {
                if (other.id != row.id && QString::fromUtf8(other.*column) != word) {
                    EXPECT_FALSE(resString(other.id, lang).contains(word)) << "also in " << other.id;
                }
            }
        }
    }
}

} // namespace
