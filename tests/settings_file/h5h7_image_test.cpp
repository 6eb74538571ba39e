#include "app/frmMDI.h"
#include "app/machine_type.h"
#include "editor_state.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/key_protect.h"
#include "platform/strings.h"
#include "settings_file/h5h7_image.h"

#include <gtest/gtest.h>

using testhelp::image;
using testhelp::setDigits;

namespace {

bool pickH7(QComboBox* c, int i) { return frmModeSetting_H7::SetListIndex(c, i); }

class H5H7Image : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        bKeyProtect = 0;
    }
    void TearDown() override { testhelp::unloadAll(); }

    frmModeSetting_H7& editorFor(int macType)
    {
        nMacType = macType;
        return frmModeSetting_H7::instance();
    }

    // A valid H5 image of mode 0 with every field away from its default.
    static SettingFileImage handH5(const char* type = "020A", const char* mode = "0")
    {
        return image({{0, "0100"}, {4, type}, {10, "3"}, {11, "1"}, {12, "1"}, {13, "1"},
                      {31, mode}, {32, "9"}, {33, "1"}, {34, "9"},
                      {35, "123456"}, {41, "000150"}, {47, "000100"},
                      {81, "2"}, {82, "5"}, {83, "1"}, {84, "1"}, {85, "000777"}, {91, "888888"},
                      {121, "1"}, {122, "7"}, {123, "1"}, {124, "010203"}, {130, "040506"}});
    }

    // The editor state that handH5 describes.
    void setHandH5(frmModeSetting_H7& ed, int mode = 0)
    {
        ed.FuncModeSelect(mode);
        ASSERT_TRUE(pickH7(ed.cboKP_All_H5, 3));
        ASSERT_TRUE(pickH7(ed.cboSGWidth_All_H5, 1));
        ASSERT_TRUE(pickH7(ed.cboInputMethod_All_H5, 1));
        ed.mKP_Click();
        ASSERT_TRUE(pickH7(ed.cboTimerRange_A_H5, 9));
        ASSERT_TRUE(pickH7(ed.cboTimerDirection_A_H5, 1));
        ASSERT_TRUE(pickH7(ed.cboOutputMode_A_H5, 9));
        setDigits(ed.lblTimerSetting_A_H5, "123456");
        setDigits(ed.lblHoldTime_A_H5, "000150");
        setDigits(ed.lblDutyRatio_A_H5, "000100");
        ASSERT_TRUE(pickH7(ed.cboTimerRangeOFF_B_H5, 2));
        ASSERT_TRUE(pickH7(ed.cboTimerRangeON_B_H5, 5));
        ASSERT_TRUE(pickH7(ed.cboTimerDirection_B_H5, 1));
        ASSERT_TRUE(pickH7(ed.cboOutputMode_B_H5, 1));
        setDigits(ed.lblSettingValueOFF_B_H5, "000777");
        setDigits(ed.lblSettingValueON_B_H5, "888888");
        ASSERT_TRUE(pickH7(ed.cboSettingMode_C_H5, 1));
        ASSERT_TRUE(pickH7(ed.cboTimerRange_C_H5, 7));
        ASSERT_TRUE(pickH7(ed.cboOutputMode_C_H5, 1));
        setDigits(ed.lblSV1_C_H5, "010203");
        setDigits(ed.lblSV2_C_H5, "040506");
    }

    // A valid H7 image of the 2-stage counter with every field away from its default.
    static SettingFileImage handH7(const char* type = "030A", const char* mode = "6")
    {
        return image({{0, "0100"}, {4, type}, {10, "4"}, {11, "3"}, {12, "1"}, {13, "012345"},
                      {19, "1"}, {20, "1"}, {21, "1"}, {31, mode},
                      {32, "2"}, {33, "B"}, {36, "000050"}, {42, "-00123"},
                      {81, "3"}, {82, "A"}, {85, "000001"}, {91, "000002"}, {97, "-00003"},
                      {103, "-01000"},
                      {131, "4"}, {132, "5"}, {135, "000011"}, {141, "000012"}, {147, "000013"},
                      {181, "3"}, {183, "2"}, {184, "009999"}, {190, "000500"},
                      {196, "123456"}, {202, "654321"}});
    }

    void setHandH7(frmModeSetting_H7& ed, int mode = 6)
    {
        ed.FuncModeSelect(mode);
        ASSERT_TRUE(pickH7(ed.cboKP_Comm_H7, 4));
        ASSERT_TRUE(pickH7(ed.cboDotAdj_Comm_H7, 3));
        ASSERT_TRUE(pickH7(ed.cboInputMethod_Comm_H7, 1));
        setDigits(ed.lblMagnification_Comm_H7, "012345");
        ASSERT_TRUE(pickH7(ed.cboMaxFreq_Comm_H7, 1));
        ASSERT_TRUE(pickH7(ed.cboSGWidth_Comm_H7, 1));
        ed.mKP_Click();
        ASSERT_TRUE(pickH7(ed.cboCountInputMode_1st_H7, 2));
        ASSERT_TRUE(pickH7(ed.cboOutputMode_1st_H7, 11));
        setDigits(ed.lblHoldCounter_1st_H7, "000050");
        setDigits(ed.lblCounterSetting_1st_H7, "-00123");
        ASSERT_TRUE(pickH7(ed.cboCountInputMode_2nd_H7, 3));
        ASSERT_TRUE(pickH7(ed.cboOutputMode_2nd_H7, 10));
        setDigits(ed.lblHoldCounter_2nd_1_H7, "000001");
        setDigits(ed.lblHoldCounter_2nd_2_H7, "000002");
        setDigits(ed.lblCounterSetting_2nd_1_H7, "-00003");
        setDigits(ed.lblCounterSetting_2nd_2_H7, "-01000");
        ASSERT_TRUE(pickH7(ed.cboCountInputMode_batch_H7, 4));
        ASSERT_TRUE(pickH7(ed.cboOutputMode_batch_H7, 5));
        setDigits(ed.lblHoldCounter_batch_H7, "000011");
        setDigits(ed.lblCounterSetting_batch_1_H7, "000012");
        setDigits(ed.lblCounterSetting_batch_2_H7, "000013");
        ASSERT_TRUE(pickH7(ed.cboOutputMode_freq_H7, 3));
        ASSERT_TRUE(pickH7(ed.cboSampleAvg_freq_H7, 2));
        setDigits(ed.lblAuto2ZeroTime_freq_H7, "009999");
        setDigits(ed.lblDelay2StartTime_freq_H7, "000500");
        setDigits(ed.lblCounterSetting_freq_1_H7, "123456");
        setDigits(ed.lblCounterSetting_freq_2_H7, "654321");
    }
};

} // namespace

TEST_F(H5H7Image, WritersFillTheLayoutWorkedOutByHand)
{
    frmModeSetting_H7& ed = editorFor(kMacTypeH5);
    setHandH5(ed);
    ASSERT_EQ(BuildFileImage_H5(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH5()), "");
    testhelp::unloadAll();

    bKeyProtect = 0;
    frmModeSetting_H7& ed7 = editorFor(kMacTypeH7);
    setHandH7(ed7);
    ASSERT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH7()), "");
}

TEST_F(H5H7Image, H8UsesTheLayoutOfItsMode)
{
    frmModeSetting_H7& ed = editorFor(kMacTypeH8);
    setHandH5(ed, 1);
    ASSERT_EQ(BuildFileImage_H5(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH5("040A", "1")), "");
    EXPECT_EQ(BuildFileImage_H7(), 15); // a timer mode has no counter layout

    testhelp::unloadAll();
    bKeyProtect = 0;
    frmModeSetting_H7& ed8 = editorFor(kMacTypeH8);
    setHandH7(ed8, 6);
    ASSERT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(testhelp::imageDiff(byFileBuf, handH7("040A", "6")), "");
    EXPECT_EQ(BuildFileImage_H5(), 15);
}

TEST_F(H5H7Image, WritersRefuseWhatOneCharacterCannotHold)
{
    frmModeSetting_H7& ed = editorFor(kMacTypeH8);
    EXPECT_EQ(BuildFileImage_H5(), 15); // no mode chosen yet
    EXPECT_EQ(BuildFileImage_H7(), 15);

    ed.FuncModeSelect(0);
    ASSERT_EQ(BuildFileImage_H5(), 0);
    (*ed.lblSV2_C_H5)(5).setCaption("");
    EXPECT_EQ(BuildFileImage_H5(), 15);
    (*ed.lblSV2_C_H5)(5).setCaption("12");
    EXPECT_EQ(BuildFileImage_H5(), 15);
    (*ed.lblSV2_C_H5)(5).setCaption("2");
    timerParamsH5.nTimerRange_C_H5 = 10;
    EXPECT_EQ(BuildFileImage_H5(), 15);
    timerParamsH5.nTimerRange_C_H5 = 0;
    EXPECT_EQ(BuildFileImage_H5(), 0);

    ed.FuncModeSelect(8);
    ASSERT_EQ(BuildFileImage_H7(), 0);
    counterParamsH7.nOutputMode_freq_H7 = 16; // beyond one hexadecimal digit
    EXPECT_EQ(BuildFileImage_H7(), 15);
    counterParamsH7.nOutputMode_freq_H7 = 15;
    EXPECT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(byFileBuf.at(181), 'F');
}

TEST_F(H5H7Image, LoadersPutTheImageIntoTheEditor)
{
    nMacType = kMacTypeH5;
    ASSERT_EQ(LoadFileImage_H5(handH5(), 18), 0);
    frmModeSetting_H7& ed = frmModeSetting_H7::instance();
    EXPECT_EQ(nFuncMode, 0);
    EXPECT_EQ(timerParamsH5.nKP_H5, 3);
    EXPECT_EQ(timerParamsH5.nTimerRange_A_H5, 9);
    EXPECT_EQ(timerParamsH5.nOutputMode_A_H5, 9);
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(ed.mKP->isChecked());
    EXPECT_EQ(ed.lblTimerSetting_A_H5->digits(), "123456");
    EXPECT_EQ(ed.lblSV2_C_H5->digits(), "040506");
    testhelp::unloadAll();

    nMacType = kMacTypeH7;
    ASSERT_EQ(LoadFileImage_H7(handH7(), 21), 0);
    frmModeSetting_H7& ed7 = frmModeSetting_H7::instance();
    EXPECT_EQ(nFuncMode, 6);
    EXPECT_EQ(counterParamsH7.nCountInputMode_batch_H7, 4);
    EXPECT_EQ(counterParamsH7.nOutputMode_1st_H7, 11);
    EXPECT_EQ(counterParamsH7.nOutputMode_2nd_H7, 10);
    EXPECT_EQ(ed7.lblCounterSetting_2nd_2_H7->digits(), "-01000");
    EXPECT_EQ(ed7.lblMagnification_Comm_H7->digits(), "012345");
}

TEST_F(H5H7Image, H5LoaderRefusalsLeaveNoEditor)
{
    struct Case { int pos; const char* chars; };
    const Case refused[] = {
        {31, "3"},  // a counter mode
        {13, "2"},  // key protection is on or off
        {32, "A"},  // the ten-item range list has no index 10
        {10, "5"},  // five key-protect levels
        {35, "Z"},  // digits only
        {47, "-"},  // no sign in a timer row
        {135, "."}, // not a digit
    };
    for (const Case& c : refused) {
        SettingFileImage img = handH5();
        img.replace(c.pos, 1, c.chars);
        nMacType = kMacTypeH5;
        EXPECT_EQ(LoadFileImage_H5(img, 18), 18) << c.pos << " " << c.chars;
        EXPECT_FALSE(frmModeSetting_H7::isLoaded()) << c.pos;
        testhelp::unloadAll();
    }
    nMacType = kMacTypeH5;
    EXPECT_EQ(LoadFileImage_H5(handH5().left(255), 21), 21);
    EXPECT_FALSE(frmModeSetting_H7::isLoaded());
}

TEST_F(H5H7Image, LenientCharactersStillLoad)
{
    SettingFileImage img = handH5();
    img[13] = 'X'; // a flag that is no digit reads as off
    img[33] = 'x'; // an option that is no hexadecimal digit reads as 0
    nMacType = kMacTypeH5;
    ASSERT_EQ(LoadFileImage_H5(img, 18), 0);
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_EQ(timerParamsH5.nTimerDir_A_H5, 0);
}

TEST_F(H5H7Image, H7LoaderRefusalsLeaveNoEditor)
{
    struct Case { int pos; const char* chars; };
    const Case refused[] = {
        {31, "2"},  // a timer mode
        {31, "9"},
        {21, "5"},  // key protection
        {13, "C"},  // a prescale digit is a digit, not 12
        {16, "-"},
        {43, "-"},  // the sign only in label 0
        {36, "-"},  // no sign in an output time
        {196, "-"}, // nor in a tachometer set value
        {183, "4"}, // four averaging choices
        {207, " "},
    };
    for (const Case& c : refused) {
        SettingFileImage img = handH7();
        img.replace(c.pos, 1, c.chars);
        nMacType = kMacTypeH7;
        EXPECT_EQ(LoadFileImage_H7(img, 18), 18) << c.pos << " " << c.chars;
        EXPECT_FALSE(frmModeSetting_H7::isLoaded()) << c.pos;
        testhelp::unloadAll();
    }
}

TEST_F(H5H7Image, H7OutputModesFollowTheirInputMode)
{
    // Output modes 8 to 11 exist only for input modes 2 to 4.
    SettingFileImage img = handH7();
    img[32] = '1';
    nMacType = kMacTypeH7;
    EXPECT_EQ(LoadFileImage_H7(img, 18), 18);
    testhelp::unloadAll();

    // The dual counter with SUB stores 8 to 11 and lists them as items 0 to 3.
    img = handH7("030A", "7");
    img[131] = '1';
    img[132] = 'A';
    nMacType = kMacTypeH7;
    ASSERT_EQ(LoadFileImage_H7(img, 18), 0);
    EXPECT_EQ(frmModeSetting_H7::instance().cboOutputMode_batch_H7->currentIndex(), 2);
    EXPECT_EQ(counterParamsH7.nOutputMode_batch_H7, 10);
    ASSERT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(byFileBuf.at(131), '1');
    EXPECT_EQ(byFileBuf.at(132), 'A');
    testhelp::unloadAll();

    img[132] = '7'; // below the SUB list
    nMacType = kMacTypeH7;
    EXPECT_EQ(LoadFileImage_H7(img, 18), 18);
}
