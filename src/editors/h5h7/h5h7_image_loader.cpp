// The H5/H7 loader: a settings or upload image into the H5/H7 editor, through the
// editor's own handlers.
#include "editors/h5h7/h5h7_image_loader.h"

#include "core/key_protect.h"
#include "editors/common/loader_support.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "platform/string_ids.h"
#include "platform/strings.h"
#include "settings_file/settings_image.h"


using image_loading::CaptionKind;
using image_loading::LoadRefused;
using image_loading::putCaption;
using image_loading::refuse;
using image_loading::select;
using settings_image::hexAt;
using settings_image::readDecimal;

namespace {

// Labels 0 to 5 of a row from six consecutive positions.
void putDigits(const SettingFileImage& image, int pos, DigitLabelArray* row,
               CaptionKind label0 = CaptionKind::Digit)
{
    putCaption(image, pos, *row, 0, label0);
    for (int i = 1; i < 6; ++i)
        putCaption(image, pos + i, *row, i, CaptionKind::Digit);
}

// The key-protection flag: the editor toggles it, so it is set to the opposite first.
void loadKeyProtect(frmModeSetting_H7& ed, const SettingFileImage& image, int pos)
{
    const int v = readDecimal(image.at(pos));
    if (v != 0 && v != 1)
        refuse(platform::LoadResString(res::kKeyProtection), QString(QLatin1Char(image.at(pos))));
    bKeyProtect = v ? 0 : 1;
    ed.mKP_Click();
}

// The function mode position holds a mode this editor does not have.
[[noreturn]] void refuseFunction(const SettingFileImage& image)
{
    refuse(platform::LoadResString(res::kFunctionSelection), QString(QLatin1Char(image.at(31))));
}

void unloadEditor()
{
    if (frmModeSetting_H7* ed = frmModeSetting_H7::loaded())
        ed->Unload();
    platform::SingleForm<frmModeSetting_H7>::unload();
}

// Runs a load body; any refusal unloads the editor so no half-loaded set is left.
template <class Body>
int runLoad(const SettingFileImage& image, int failCode, Body body)
{
    if (image.size() != kSettingImageSize)
        return failCode;
    try {
        frmModeSetting_H7& ed = frmModeSetting_H7::instance();
        ed.Show();
        body(ed);
        return 0;
    } catch (const LoadRefused&) {
        unloadEditor();
        return failCode;
    }
}

} // namespace

int LoadFileImage_H5(const SettingFileImage& image, int failCode)
{
    return runLoad(image, failCode, [&image](frmModeSetting_H7& ed) {
        switch (hexAt(image, 31)) {
        case 0: ed.mFuncModeSelect_0_Click(); break;
        case 1: ed.mFuncModeSelect_1_Click(); break;
        case 2: ed.mFuncModeSelect_2_Click(); break;
        default: refuseFunction(image);
        }
        select(ed.cboKP_All_H5, hexAt(image, 10));
        select(ed.cboSGWidth_All_H5, hexAt(image, 11));
        select(ed.cboInputMethod_All_H5, hexAt(image, 12));
        loadKeyProtect(ed, image, 13);

        // Each time range before its rows: the range lays out the separator, the
        // digits then go in unchanged.
        select(ed.cboTimerRange_A_H5, hexAt(image, 32));
        select(ed.cboTimerDirection_A_H5, hexAt(image, 33));
        select(ed.cboOutputMode_A_H5, hexAt(image, 34));
        putDigits(image, 35, ed.lblTimerSetting_A_H5);
        putDigits(image, 41, ed.lblHoldTime_A_H5);
        putDigits(image, 47, ed.lblDutyRatio_A_H5);

        select(ed.cboTimerRangeOFF_B_H5, hexAt(image, 81));
        select(ed.cboTimerRangeON_B_H5, hexAt(image, 82));
        select(ed.cboTimerDirection_B_H5, hexAt(image, 83));
        select(ed.cboOutputMode_B_H5, hexAt(image, 84));
        putDigits(image, 85, ed.lblSettingValueOFF_B_H5);
        putDigits(image, 91, ed.lblSettingValueON_B_H5);

        select(ed.cboSettingMode_C_H5, hexAt(image, 121));
        select(ed.cboTimerRange_C_H5, hexAt(image, 122));
        select(ed.cboOutputMode_C_H5, hexAt(image, 123));
        putDigits(image, 124, ed.lblSV1_C_H5);
        putDigits(image, 130, ed.lblSV2_C_H5);
        ed.ApplyLoadedRows();
    });
}

int LoadFileImage_H7(const SettingFileImage& image, int failCode)
{
    return runLoad(image, failCode, [&image](frmModeSetting_H7& ed) {
        const int mode = hexAt(image, 31);
        switch (mode) {
        case 3: ed.mFuncModeSelect_3_Click(); break;
        case 4: ed.mFuncModeSelect_4_Click(); break;
        case 5: ed.mFuncModeSelect_5_Click(); break;
        case 6: ed.mFuncModeSelect_6_Click(); break;
        case 7: ed.mFuncModeSelect_7_Click(); break;
        case 8: ed.mFuncModeSelect_8_Click(); break;
        default: refuseFunction(image);
        }
        select(ed.cboKP_Comm_H7, hexAt(image, 10));
        select(ed.cboDotAdj_Comm_H7, hexAt(image, 11));
        select(ed.cboInputMethod_Comm_H7, hexAt(image, 12));
        // Prescale digits are digits: a letter would show as a two-character caption.
        putDigits(image, 13, ed.lblMagnification_Comm_H7);
        select(ed.cboMaxFreq_Comm_H7, hexAt(image, 19));
        select(ed.cboSGWidth_Comm_H7, hexAt(image, 20));
        loadKeyProtect(ed, image, 21);

        // Each input mode before its output mode: the input decides whether the output
        // list offers items 8 to 11.
        select(ed.cboCountInputMode_1st_H7, hexAt(image, 32));
        select(ed.cboOutputMode_1st_H7, hexAt(image, 33));
        putDigits(image, 36, ed.lblHoldCounter_1st_H7);
        putDigits(image, 42, ed.lblCounterSetting_1st_H7, CaptionKind::SignedDigit);

        select(ed.cboCountInputMode_2nd_H7, hexAt(image, 81));
        select(ed.cboOutputMode_2nd_H7, hexAt(image, 82));
        putDigits(image, 85, ed.lblHoldCounter_2nd_1_H7);
        putDigits(image, 91, ed.lblHoldCounter_2nd_2_H7);
        putDigits(image, 97, ed.lblCounterSetting_2nd_1_H7, CaptionKind::SignedDigit);
        putDigits(image, 103, ed.lblCounterSetting_2nd_2_H7, CaptionKind::SignedDigit);

        const int batchInput = hexAt(image, 131);
        select(ed.cboCountInputMode_batch_H7, batchInput);
        // The dual counter's SUB list shows the output modes 8 to 11 as items 0 to 3.
        const int batchOutput = hexAt(image, 132);
        select(ed.cboOutputMode_batch_H7,
               (mode == 7 && batchInput == 1) ? batchOutput - 8 : batchOutput);
        putDigits(image, 135, ed.lblHoldCounter_batch_H7);
        putDigits(image, 141, ed.lblCounterSetting_batch_1_H7, CaptionKind::SignedDigit);
        putDigits(image, 147, ed.lblCounterSetting_batch_2_H7, CaptionKind::SignedDigit);

        select(ed.cboOutputMode_freq_H7, hexAt(image, 181));
        select(ed.cboSampleAvg_freq_H7, hexAt(image, 183));
        putDigits(image, 184, ed.lblAuto2ZeroTime_freq_H7);
        putDigits(image, 190, ed.lblDelay2StartTime_freq_H7);
        putDigits(image, 196, ed.lblCounterSetting_freq_1_H7);
        putDigits(image, 202, ed.lblCounterSetting_freq_2_H7);
        ed.ApplyLoadedRows();
    });
}
