// The H5/H7 loaders: images into the editor, refusals, lenient characters.
#include "core/key_protect.h"
#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h5h7/h5h7_image_loader.h"
#include "platform/strings.h"
#include "settings_file/h5h7_image.h"
#include "support/h5h7_images.h"
#include "support/form_access.h"
#include "support/windows.h"

#include <gtest/gtest.h>

using testhelp::handH5;
using testhelp::handH7;

namespace {

class H5H7Image : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        bKeyProtect = 0;
    }
    void TearDown() override { testsupport::closeEditorWindows(); }
};

} // namespace

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
    EXPECT_TRUE(ui(ed).mKP->isChecked());
    EXPECT_EQ(ui(ed).lblTimerSetting_A_H5->digits(), "123456");
    EXPECT_EQ(ui(ed).lblSV2_C_H5->digits(), "040506");
    testsupport::closeEditorWindows();

    nMacType = kMacTypeH7;
    ASSERT_EQ(LoadFileImage_H7(handH7(), 21), 0);
    frmModeSetting_H7& ed7 = frmModeSetting_H7::instance();
    EXPECT_EQ(nFuncMode, 6);
    EXPECT_EQ(counterParamsH7.nCountInputMode_batch_H7, 4);
    EXPECT_EQ(counterParamsH7.nOutputMode_1st_H7, 11);
    EXPECT_EQ(counterParamsH7.nOutputMode_2nd_H7, 10);
    EXPECT_EQ(ui(ed7).lblCounterSetting_2nd_2_H7->digits(), "-01000");
    EXPECT_EQ(ui(ed7).lblMagnification_Comm_H7->digits(), "012345");
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
        testsupport::closeEditorWindows();
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
        testsupport::closeEditorWindows();
    }
}

TEST_F(H5H7Image, H7OutputModesFollowTheirInputMode)
{
    // Output modes 8 to 11 exist only for input modes 2 to 4.
    SettingFileImage img = handH7();
    img[32] = '1';
    nMacType = kMacTypeH7;
    EXPECT_EQ(LoadFileImage_H7(img, 18), 18);
    testsupport::closeEditorWindows();

    // The dual counter with SUB stores 8 to 11 and lists them as items 0 to 3.
    img = handH7("030A", "7");
    img[131] = '1';
    img[132] = 'A';
    nMacType = kMacTypeH7;
    ASSERT_EQ(LoadFileImage_H7(img, 18), 0);
    EXPECT_EQ(ui(frmModeSetting_H7::instance()).cboOutputMode_batch_H7->currentIndex(), 2);
    EXPECT_EQ(counterParamsH7.nOutputMode_batch_H7, 10);
    ASSERT_EQ(BuildFileImage_H7(), 0);
    EXPECT_EQ(byFileBuf.at(131), '1');
    EXPECT_EQ(byFileBuf.at(132), 'A');
    testsupport::closeEditorWindows();

    img[132] = '7'; // below the SUB list
    nMacType = kMacTypeH7;
    EXPECT_EQ(LoadFileImage_H7(img, 18), 18);
}
