// The H9 loader: images into the editor, lenient characters, refusals.
#include "core/h9_params.h"
#include "core/key_protect.h"
#include "core/machine_type.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "editors/h9/h9_image_loader.h"
#include "platform/strings.h"
#include "support/editor_state.h"
#include "support/h9_images.h"
#include "support/form_access.h"
#include "support/windows.h"

#include <gtest/gtest.h>

using testhelp::image;

namespace {

class H9Image : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        nMacType = kMacTypeH9;
    }
    void TearDown() override { testsupport::closeEditorWindows(); }

    frmModeSetting_H9& ed() { return frmModeSetting_H9::instance(); }
};

} // namespace

TEST_F(H9Image, LoaderPutsTheImageBack)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    ASSERT_EQ(LoadFileImage_H9(testhelp::h9Mode0Image(), 18), 0);
    frmModeSetting_H9& e = ed();
    EXPECT_EQ(p.nFuncType_H9, 0);
    EXPECT_EQ(p.nFuncB_H9, 0);
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(ui(e).mKP->isChecked());
    EXPECT_EQ(core::shell().Buttons(11).Image(), "KP_ON");
    EXPECT_EQ(p.bPowerSaving_H9, 0);
    EXPECT_EQ(p.nDotAdjB_H9, 3);
    EXPECT_EQ(p.nOutputModeB_H9, 11);
    EXPECT_EQ(p.nSGWidth_H9, 1);
    EXPECT_EQ(ui(e).lblCounterSettingB->digits(), "012345");
    EXPECT_EQ((*ui(e).lblCounterSettingB)(6).Caption(), ".");
    EXPECT_EQ(ui(e).lblMagnificationB->digits(), "012500");
    EXPECT_EQ(ui(e).lblTimerSettingA->digits(), "001234");
}

TEST_F(H9Image, LoaderReadsOptionsLeniently)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    SettingFileImage img = testhelp::h9Mode0Image();
    img[8] = 'X';  // a flag that is no digit: off
    img[55] = 'd'; // lower-case hexadecimal
    img[57] = '9'; // the prescale's label 0 is not stored: always "0"
    img[58] = '9';
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_EQ(p.nOutputModeB_H9, 13);
    EXPECT_EQ(ui(ed()).lblMagnificationB->digits(), "099500");
    testsupport::closeEditorWindows();

    img[55] = 'G'; // no hexadecimal digit: index 0
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(p.nOutputModeB_H9, 0);
    testsupport::closeEditorWindows();

    // The dual tachometer's average, speed and output read as decimal characters.
    img = image({{0, "0100"}, {4, "010A"}, {21, "1"}, {130, "2"}, {222, "0001000"},
                 {231, "A"}, {232, "3"}, {234, "0002000"}, {241, "0005.00"}});
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(p.nSampleAvgB_Dual_F_H9, 0);
    EXPECT_EQ(p.nMaxFreqB_Dual_F_H9, 3);
}

TEST_F(H9Image, DualCounterOutputCodes)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    SettingFileImage img = image({{0, "0100"}, {4, "010A"}, {21, "1"}, {130, "1"}, {171, "1"},
                                  {173, "0000777"}, {180, "0001.20"}, {193, "A"},
                                  {195, "0000888"}, {202, "0001.40"}});
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(p.nDualCounterMode_H9, 1);
    EXPECT_EQ(ui(ed()).cboOutputMode_C_Dual_1->currentIndex(), 1);
    EXPECT_EQ(p.nOutputMode_C_Dual_1_H9, 10);
    testsupport::closeEditorWindows();

    img[171] = '0';
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(ui(ed()).cboOutputMode_C_Dual_1->currentIndex(), 10);
    testsupport::closeEditorWindows();

    // A batch counter left with an output code its list lacks still loads: the list
    // keeps its first item and the rest of the set comes in.
    img[171] = '1';
    img[193] = '7';
    ASSERT_EQ(LoadFileImage_H9(img, 18), 0);
    EXPECT_EQ(ui(ed()).cboOutputMode_C_Dual_1->currentIndex(), 0);
    EXPECT_EQ(p.nOutputMode_C_Dual_1_H9, 4);
    EXPECT_EQ(ui(ed()).lblCounterSetting_C_Dual_1->digits(), "000888");
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
        SettingFileImage img = testhelp::h9Mode0Image();
        img.replace(c.pos, 1, c.chars);
        EXPECT_EQ(LoadFileImage_H9(img, 21), 21) << c.pos << " " << c.chars;
        EXPECT_FALSE(frmModeSetting_H9::isLoaded()) << c.pos;
        testsupport::closeEditorWindows();
    }

    // A dual-counter sub-mode outside 0 to 2 names no function mode.
    SettingFileImage dual = image({{0, "0100"}, {4, "010A"}, {21, "1"}, {130, "1"}, {171, "5"},
                                   {193, "4"}});
    EXPECT_EQ(LoadFileImage_H9(dual, 18), 18);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    dual[130] = '3';
    EXPECT_EQ(LoadFileImage_H9(dual, 18), 18);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
}
