#include "app/frmMDI.h"
#include "app/machine_type.h"
#include "editor_state.h"
#include "editors/h9/combo_select.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/strings.h"
#include "settings_file/h9_image.h"

#include <gtest/gtest.h>

using testhelp::image;
using testhelp::imageDiff;
using testhelp::pick;
using testhelp::setDigits;

namespace {

class H9Image : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        nMacType = kMacTypeH9;
    }
    void TearDown() override { testhelp::unloadAll(); }

    frmModeSetting_H9& ed() { return frmModeSetting_H9::instance(); }

    void common(bool kp, bool ps, int sgWidth, int input)
    {
        if (kp)
            ed().mKP_Click();
        if (ps)
            ed().mPowerSaving_Click();
        pick(ed().cboSGWidth_All, sgWidth);
        pick(ed().cboInputMethod_All, input);
    }

    void timerA(int range, int dir, int output, const char* set, const char* hold)
    {
        pick(ed().cboCountModeA, range);
        pick(ed().cboCountDirectionA, dir);
        pick(ed().cboOutputModeA, output);
        setDigits(ed().lblTimerSettingA, set);
        setDigits(ed().lblHoldTimeA, hold);
    }

    // Timer A with counter B: every value worked out by hand from the layout.
    void mode0()
    {
        ed().mFuncModeSelect_0_Click();
        common(true, false, 1, 0);
        timerA(0, 0, 0, "001234", "000050");
        pick(ed().cboCountInputModeB, 2);
        pick(ed().cboDotAdjB, 3);
        pick(ed().cboMaxFreqB, 1);
        pick(ed().cboOutputModeB, 11);
        setDigits(ed().lblMagnificationB, "012500");
        setDigits(ed().lblCounterSettingB, "012345");
        setDigits(ed().lblHoldCounterB, "000250");
    }
    static SettingFileImage mode0Image()
    {
        return image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "0"}, {21, "0"},
                      {25, "0"}, {26, "0"}, {28, "0"}, {29, "0012.34"}, {36, "0000.50"},
                      {51, "0"}, {52, "2"}, {53, "3"}, {54, "1"}, {55, "B"},
                      {57, "12.500"}, {63, "012.345"}, {70, "0002.50"}, {251, "1"}, {252, "0"}});
    }
};

} // namespace

TEST_F(H9Image, TimerWithCounter)
{
    mode0();
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf, mode0Image()), "");

    // Decimal point 0 stores the set value behind the greyed "0"; output 13 is "D".
    pick(ed().cboDotAdjB, 0);
    setDigits(ed().lblCounterSettingB, "001234");
    pick(ed().cboOutputModeB, 13);
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(byFileBuf.mid(63, 7), "0001234");
    EXPECT_EQ(byFileBuf.at(53), '0');
    EXPECT_EQ(byFileBuf.at(55), 'D');
}

TEST_F(H9Image, TimerWithTachometer)
{
    ed().mFuncModeSelect_1_Click();
    common(false, true, 0, 1);
    timerA(2, 1, 3, "000150", "000075");
    pick(ed().cboSampleAvgB_F, 2);
    pick(ed().cboDotAdjB_F, 1);
    pick(ed().cboMaxFreqB_F, 3);
    pick(ed().cboOutputModeB_F, 1);
    setDigits(ed().lblMagnificationB_F, "001250");
    setDigits(ed().lblCounterSettingB_F, "054321");
    setDigits(ed().lblHoldCounterB_F, "000300");
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf,
                        image({{0, "0100"}, {4, "010A"}, {8, "0"}, {9, "1"}, {21, "0"},
                               {25, "2"}, {26, "1"}, {28, "3"}, {29, "0000150"}, {36, "0000.75"},
                               {51, "1"}, {91, "2"}, {92, "1"}, {93, "3"}, {94, "1"},
                               {95, "01.250"}, {101, "05432.1"}, {108, "0003.00"},
                               {251, "0"}, {252, "1"}})),
              "");
}

TEST_F(H9Image, DualCounterInEachSubMode)
{
    struct Case { int mode; int speed; int output; const char* subMode; const char* code; };
    // Sub-mode 1 lists K-1, K-2, Q-1, Q-2 and stores their codes 4, 10, 12, 13.
    const Case cases[] = {{2, 2, 10, "0", "A"}, {3, 3, 1, "1", "A"}, {4, 0, 13, "2", "D"}};
    for (const Case& c : cases) {
        switch (c.mode) {
        case 2: ed().mFuncModeSelect_2_Click(); break;
        case 3: ed().mFuncModeSelect_3_Click(); break;
        default: ed().mFuncModeSelect_4_Click(); break;
        }
        common(false, false, 1, 1);
        pick(ed().cboOutputMode_C_Dual_0, 1);
        setDigits(ed().lblCounterSetting_C_Dual_0, "000777");
        setDigits(ed().lblHoldCounter_C_Dual_0, "000120");
        pick(ed().cboCountInputMode_C_Dual_1, 5);
        pick(ed().cboMaxFreq_C_Dual_1, c.speed);
        pick(ed().cboOutputMode_C_Dual_1, c.output);
        setDigits(ed().lblCounterSetting_C_Dual_1, "000888");
        setDigits(ed().lblHoldCounter_C_Dual_1, "000140");
        ASSERT_EQ(BuildFileImage_H9(), 0) << c.mode;
        const QByteArray speed = QByteArray::number(c.speed);
        EXPECT_EQ(imageDiff(byFileBuf,
                            image({{0, "0100"}, {4, "010A"}, {8, "0"}, {9, "0"}, {21, "1"},
                                   {130, "1"}, {171, c.subMode}, {172, "1"}, {173, "0000777"},
                                   {180, "0001.20"}, {191, "5"}, {192, speed.constData()},
                                   {193, c.code}, {195, "0000888"}, {202, "0001.40"},
                                   {251, "1"}, {252, "1"}})),
                  "")
            << c.mode;
        testhelp::unloadAll();
    }
}

TEST_F(H9Image, TwoStageTimerAndDualTachometer)
{
    ed().mFuncModeSelect_5_Click();
    common(true, true, 0, 0);
    pick(ed().cboOutputMode_T_Dual_0, 1);
    pick(ed().cboOutputMode_T_Dual_1, 0);
    setDigits(ed().lblTimerSetting_T_Dual_0, "000100");
    setDigits(ed().lblHoldTime_T_Dual_0, "000050");
    setDigits(ed().lblTimerSetting_T_Dual_1, "000200");
    setDigits(ed().lblHoldTime_T_Dual_1, "000060");
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf,
                        image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "1"}, {21, "1"},
                               {130, "0"}, {131, "1"}, {132, "0000100"}, {139, "0000.50"},
                               {151, "0"}, {152, "0000200"}, {159, "0000.60"},
                               {251, "0"}, {252, "0"}})),
              "");

    // Stage 1 below stage 0: the check's code, and nothing of the section is written.
    setDigits(ed().lblTimerSetting_T_Dual_1, "000099");
    EXPECT_EQ(BuildFileImage_H9(), 13);
    EXPECT_EQ(imageDiff(byFileBuf, image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "1"},
                                          {21, "1"}, {130, "0"}})),
              "");
    testhelp::unloadAll();

    ed().mFuncModeSelect_6_Click();
    common(false, false, 1, 0);
    pick(ed().cboOutputModeA_Dual_F, 1);
    pick(ed().cboSampleAvgB_Dual_F, 2);
    pick(ed().cboMaxFreqB_Dual_F, 3);
    pick(ed().cboOutputModeB_Dual_F, 1);
    setDigits(ed().lblCounterSettingA_Dual_F, "001000");
    setDigits(ed().lblCounterSettingB_Dual_F, "002000");
    setDigits(ed().lblHoldCounterB_Dual_F, "000500");
    ASSERT_EQ(BuildFileImage_H9(), 0);
    EXPECT_EQ(imageDiff(byFileBuf,
                        image({{0, "0100"}, {4, "010A"}, {8, "0"}, {9, "0"}, {21, "1"},
                               {130, "2"}, {221, "1"}, {222, "0001000"}, {231, "2"},
                               {232, "3"}, {233, "1"}, {234, "0002000"}, {241, "0005.00"},
                               {251, "1"}, {252, "0"}})),
              "");
}

TEST_F(H9Image, WriterStopsAtAFailedCheckOrAFieldItCannotStore)
{
    mode0();
    setDigits(ed().lblTimerSettingA, "000000");
    EXPECT_EQ(BuildFileImage_H9(), 6);
    EXPECT_EQ(imageDiff(byFileBuf, image({{0, "0100"}, {4, "010A"}, {8, "1"}, {9, "0"}, {21, "0"}})),
              "");

    mode0();
    setDigits(ed().lblMagnificationB, "100000");
    EXPECT_EQ(BuildFileImage_H9(), 9);
    EXPECT_EQ(byFileBuf.at(51), '0');
    EXPECT_EQ(byFileBuf.at(52), '0'); // the counter section is not begun

    mode0();
    nOutputModeB_H9 = 16; // no one-character code
    EXPECT_EQ(BuildFileImage_H9(), 15);
    nOutputModeB_H9 = 11;
    nDotAdjB_H9 = 4; // no label order
    EXPECT_EQ(BuildFileImage_H9(), 15);
    nDotAdjB_H9 = 3;
    ASSERT_EQ(BuildFileImage_H9(), 0);
    (*ed().lblHoldCounterB)(6).setCaption("");
    EXPECT_EQ(BuildFileImage_H9(), 15);
}

// ---------------------------------------------------------------- loader

TEST_F(H9Image, LoaderPutsTheImageBack)
{
    ASSERT_EQ(LoadFileImage_H9(mode0Image(), 18), 0);
    frmModeSetting_H9& e = ed();
    EXPECT_EQ(nFuncType_H9, 0);
    EXPECT_EQ(nFuncB_H9, 0);
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(e.mKP->isChecked());
    EXPECT_EQ(frmMDI::instance().Toolbar1->Buttons(11).Image(), "KP_ON");
    EXPECT_EQ(bPowerSaving_H9, 0);
    EXPECT_EQ(nDotAdjB_H9, 3);
    EXPECT_EQ(nOutputModeB_H9, 11);
    EXPECT_EQ(nSGWidth_H9, 1);
    EXPECT_EQ(e.lblCounterSettingB->digits(), "012345");
    EXPECT_EQ((*e.lblCounterSettingB)(6).Caption(), ".");
    EXPECT_EQ(e.lblMagnificationB->digits(), "012500");
    EXPECT_EQ(e.lblTimerSettingA->digits(), "001234");
}

TEST_F(H9Image, LoaderReadsOptionsLeniently)
{
    SettingFileImage img = mode0Image();
    img[8] = 'X';  // a flag that is no digit: off
    img[55] = 'd'; // lower-case hexadecimal
    img[57] = '9'; // the prescale's label 0 is not stored: always "0"
    img[58] = '9';
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_EQ(nOutputModeB_H9, 13);
    EXPECT_EQ(ed().lblMagnificationB->digits(), "099500");
    testhelp::unloadAll();

    img[55] = 'G'; // no hexadecimal digit: index 0
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(nOutputModeB_H9, 0);
    testhelp::unloadAll();

    // The dual tachometer's average, speed and output read as decimal characters.
    img = image({{0, "0100"}, {4, "010A"}, {21, "1"}, {130, "2"}, {222, "0001000"},
                 {231, "A"}, {232, "3"}, {234, "0002000"}, {241, "0005.00"}});
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(nSampleAvgB_Dual_F_H9, 0);
    EXPECT_EQ(nMaxFreqB_Dual_F_H9, 3);
}

TEST_F(H9Image, DualCounterOutputCodes)
{
    SettingFileImage img = image({{0, "0100"}, {4, "010A"}, {21, "1"}, {130, "1"}, {171, "1"},
                                  {173, "0000777"}, {180, "0001.20"}, {193, "A"},
                                  {195, "0000888"}, {202, "0001.40"}});
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(nDualCounterMode_H9, 1);
    EXPECT_EQ(ed().cboOutputMode_C_Dual_1->currentIndex(), 1);
    EXPECT_EQ(nOutputMode_C_Dual_1_H9, 10);
    testhelp::unloadAll();

    img[171] = '0';
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(ed().cboOutputMode_C_Dual_1->currentIndex(), 10);
}

TEST_F(H9Image, LoaderRefusalsLeaveNoEditor)
{
    struct Case { int pos; const char* chars; };
    const Case refused[] = {
        {8, "2"},    // key protection is on or off
        {9, "7"},    // power saving too
        {21, "2"},   // function group
        {51, "2"},   // channel B kind
        {25, "4"},   // four time ranges
        {53, "4"},   // four decimal points
        {251, "B"},  // two signal widths
        {30, "Z"},   // digits only
        {32, "."},   // a point in a digit place
        {34, "-"},   // no sign in an H9 row
        {59, "5"},   // the prescale's point place
        {66, "5"},   // the set value's point place (three decimals)
        {40, "x"},   // the output time's point place
    };
    for (const Case& c : refused) {
        SettingFileImage img = mode0Image();
        img.replace(c.pos, 1, c.chars);
        EXPECT_EQ(LoadFileImage_H9(img, 21), 21) << c.pos << " " << c.chars;
        EXPECT_FALSE(frmModeSetting_H9::isLoaded()) << c.pos;
        testhelp::unloadAll();
    }

    // A dual-counter sub-mode outside 0 to 2 names no function mode; a batch-counter
    // output code outside 4, 10, 12, 13 is no item of its list.
    SettingFileImage dual = image({{0, "0100"}, {4, "010A"}, {21, "1"}, {130, "1"}, {171, "1"},
                                   {193, "7"}});
    EXPECT_EQ(LoadFileImage_H9(dual, 18), 18);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    dual[193] = '4';
    dual[171] = '5';
    EXPECT_EQ(LoadFileImage_H9(dual, 18), 18);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    dual[130] = '3';
    EXPECT_EQ(LoadFileImage_H9(dual, 18), 18);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
}
