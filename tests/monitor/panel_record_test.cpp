// The front-panel record: value texts, picture names and when the shown records change.
#include "memory_source.h"

#include "platform/bitmaps.h"

TEST(FormatPanelText, SeparatorsSignAndOddCodes)
{
    const DigitRow r = {0, 0, 1, 2, 3, 4};
    EXPECT_EQ(FormatPanelText({0, 1}, {0, 0}, r), "0012.34");
    EXPECT_EQ(FormatPanelText({0, 2}, {0, 0}, r), "0012:34");
    EXPECT_EQ(FormatPanelText({0, 1}, {0, 0}, {98, 0, 1, 2, 3, 4}), "-012.34");
    // A point-or-colon cell keeps its separator whatever the point cells hold.
    EXPECT_EQ(FormatPanelText({1, 0}, {0, 0}, {1, 2, 3, 4, 5, 6}), "12.3456");
    EXPECT_EQ(FormatPanelText({0, 0}, {1, 1}, {1, 2, 3, 4, 5, 6}), "123.45.6");
    // 98 away from the front and bytes without meaning are written as numbers, a blank
    // cell as a blank.
    EXPECT_EQ(FormatPanelText({7, 0}, {5, 0}, {1, 98, 99, 2, 3, 4}), "198 234");
    EXPECT_EQ(FormatPanelText({0, 1}, {0, 0}, {99, 99, 99, 99, 99, 99}), "    .  ");
}

TEST(PanelPictureNames, ValuesOutsideTheTablesNameTheDarkPicture)
{
    PanelState p;
    p.byAU = 2;
    p.byOnOff = 3;
    p.byGroup = 5;
    p.byCountDir = 200;
    p.byKP = 7;
    p.byRangeMode = 3;
    p.byTimerMode = 7;
    p.byCharA = {10, 97, 100, 255, 13, 50};
    p.byCharB = {11, 12, 13, 14, 15, 16};
    p.byDPColA = {3, 9};
    p.byDPColB = {3, 3};
    p.byDPA = {2, 2};
    p.byDPB = {5, 5};
    p.sTB = "2";
    p.sCharSpB = "G";
    p.sWeek = "10101";
    const std::vector<PanelPicture> pics = PanelPictureNames(p);
    const std::vector<PanelPicture> dark = BlankPanelPictureNames();
    ASSERT_EQ(pics.size(), dark.size());
    for (std::size_t i = 0; i < pics.size(); ++i)
        EXPECT_EQ(pics[i].name, dark[i].name) << i;
    EXPECT_EQ(dark[1].name, "image_onoff_2");
    EXPECT_EQ(dark.back().name, "image_week_0000000");
    // Every name a record can give is one the picture set is asked to hold, the lamp
    // row RST1 + OUT1 + OUT2 included.
    const std::vector<QString> all = AllPanelPictureNames();
    for (const PanelPicture& pic : PanelPictureNames(PanelState{}))
        EXPECT_NE(std::find(all.begin(), all.end(), pic.name), all.end()) << pic.name.toStdString();
    EXPECT_EQ(std::count(all.begin(), all.end(), QString("image_week_1000101")), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), QString("image_z")), 1);
}

TEST(PanelPictureNames, ThePictureSetHoldsEveryNameTheWindowAsksFor)
{
    std::vector<QString> names = AllPanelPictureNames();
    for (const char* b : {"IMAGE_START_E", "IMAGE_START_D", "IMAGE_STOP_E", "IMAGE_STOP_D", "IMAGE_RETURN_E",
                          "IMAGE_RETURN_D"})
        names.push_back(b);
    for (const QString& name : names)
        EXPECT_TRUE(platform::hasBitmap(name)) << name.toStdString();
}
