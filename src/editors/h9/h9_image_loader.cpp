// The H9 loader: a settings or upload image into the H9 editor, through the editor's
// own handlers.
#include "editors/h9/h9_image_loader.h"

#include "editors/common/combo_select.h"
#include "editors/common/loader_support.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/string_ids.h"
#include "platform/strings.h"
#include "settings_file/settings_image.h"

using image_loading::CaptionKind;
using image_loading::LoadRefused;
using image_loading::putCaption;
using image_loading::refuse;
using image_loading::select;
using platform::LoadResString;
using settings_image::LabelOrder;
using settings_image::orderByDecimalPoint;
using settings_image::orderLeading;
using settings_image::orderPrescale;
using settings_image::orderTwoDecimals;
using settings_image::readDecimal;
using settings_image::hexAt;

namespace {

// Puts a field back into the labels the writer took each position from: the
// separator label takes "." or the greyed "0", every other label a digit.
void putRow(const SettingFileImage& image, int pos, DigitLabelArray* row, const LabelOrder& order)
{
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int label = order[i];
        putCaption(image, pos + static_cast<int>(i), *row, label,
                   label == DigitLabelArray::kSeparator ? CaptionKind::Separator
                                                        : CaptionKind::Digit);
    }
}

void putPrescale(const SettingFileImage& image, int pos, DigitLabelArray* row)
{
    // The image keeps the last two integer digits; a stored prescale never exceeds 99.999.
    (*row)(0).setCaption(QStringLiteral("0"));
    putRow(image, pos, row, orderPrescale());
}

void putSetValue(const SettingFileImage& image, int pos, DigitLabelArray* row, int decimalPoint)
{
    const auto order = orderByDecimalPoint(decimalPoint);
    if (!order)
        refuse();
    putRow(image, pos, row, *order);
}

void loadTimerA(const Ui_frmModeSetting_H9& ed, const SettingFileImage& image)
{
    select(ed.cboCountModeA, hexAt(image, 25));
    select(ed.cboCountDirectionA, hexAt(image, 26));
    select(ed.cboOutputModeA, hexAt(image, 28));
    putRow(image, 29, ed.lblTimerSettingA,
           hexAt(image, 25) == 0 ? orderTwoDecimals() : orderLeading());
    putRow(image, 36, ed.lblHoldTimeA, orderTwoDecimals());
}

void loadCounterB(const Ui_frmModeSetting_H9& ed, const SettingFileImage& image)
{
    select(ed.cboCountInputModeB, hexAt(image, 52));
    select(ed.cboDotAdjB, hexAt(image, 53));
    select(ed.cboMaxFreqB, hexAt(image, 54));
    select(ed.cboOutputModeB, hexAt(image, 55));
    putPrescale(image, 57, ed.lblMagnificationB);
    putSetValue(image, 63, ed.lblCounterSettingB, hexAt(image, 53));
    putRow(image, 70, ed.lblHoldCounterB, orderTwoDecimals());
}

void loadTachoB(const Ui_frmModeSetting_H9& ed, const SettingFileImage& image)
{
    select(ed.cboSampleAvgB_F, hexAt(image, 91));
    select(ed.cboDotAdjB_F, hexAt(image, 92));
    select(ed.cboMaxFreqB_F, hexAt(image, 93));
    select(ed.cboOutputModeB_F, hexAt(image, 94));
    putPrescale(image, 95, ed.lblMagnificationB_F);
    putSetValue(image, 101, ed.lblCounterSettingB_F, hexAt(image, 92));
    putRow(image, 108, ed.lblHoldCounterB_F, orderTwoDecimals());
}

void loadDualTimer(const Ui_frmModeSetting_H9& ed, const SettingFileImage& image)
{
    select(ed.cboOutputMode_T_Dual_0, hexAt(image, 131));
    putRow(image, 132, ed.lblTimerSetting_T_Dual_0, orderLeading());
    putRow(image, 139, ed.lblHoldTime_T_Dual_0, orderTwoDecimals());
    select(ed.cboOutputMode_T_Dual_1, hexAt(image, 151));
    putRow(image, 152, ed.lblTimerSetting_T_Dual_1, orderLeading());
    putRow(image, 159, ed.lblHoldTime_T_Dual_1, orderTwoDecimals());
}

// The batch counter's four-item output list stores the codes 4, 10, 12 and 13.
int batchOutputIndex(int code)
{
    switch (code) {
    case 4: return 0;
    case 10: return 1;
    case 12: return 2;
    case 13: return 3;
    default: return -1;
    }
}

void loadDualCounter(const Ui_frmModeSetting_H9& ed, const SettingFileImage& image, int subMode)
{
    select(ed.cboOutputMode_C_Dual_0, hexAt(image, 172));
    putRow(image, 173, ed.lblCounterSetting_C_Dual_0, orderLeading());
    putRow(image, 180, ed.lblHoldCounter_C_Dual_0, orderTwoDecimals());
    select(ed.cboCountInputMode_C_Dual_1, hexAt(image, 191));
    select(ed.cboMaxFreq_C_Dual_1, hexAt(image, 192));
    const int code = hexAt(image, 193);
    if (subMode != 1)
        select(ed.cboOutputMode_C_Dual_1, code);
    else if (batchOutputIndex(code) >= 0)
        select(ed.cboOutputMode_C_Dual_1, batchOutputIndex(code));
    // A batch counter left with another output code keeps the list's first item, so an
    // instrument in that state can still be uploaded and corrected.
    putRow(image, 195, ed.lblCounterSetting_C_Dual_1, orderLeading());
    putRow(image, 202, ed.lblHoldCounter_C_Dual_1, orderTwoDecimals());
}

void loadDualTacho(const Ui_frmModeSetting_H9& ed, const SettingFileImage& image)
{
    select(ed.cboOutputModeA_Dual_F, hexAt(image, 221));
    putRow(image, 222, ed.lblCounterSettingA_Dual_F, orderLeading());
    select(ed.cboSampleAvgB_Dual_F, readDecimal(image.at(231)));
    select(ed.cboMaxFreqB_Dual_F, readDecimal(image.at(232)));
    select(ed.cboOutputModeB_Dual_F, readDecimal(image.at(233)));
    putRow(image, 234, ed.lblCounterSettingB_Dual_F, orderLeading());
    putRow(image, 241, ed.lblHoldCounterB_Dual_F, orderTwoDecimals());
}

// A position that picks the function mode holds a value no mode has.
[[noreturn]] void refuseFunction(const SettingFileImage& image, int pos)
{
    refuse(LoadResString(res::kFunctionSelection), QString(QLatin1Char(image.at(pos))));
}

void loadH9(frmModeSetting_H9& ed, const Ui_frmModeSetting_H9& ui, const SettingFileImage& image,
            int keyProtect)
{
    // The load step has reset both flags; the toggles then set them with their menu
    // checks and toolbar buttons.
    bKeyProtect = keyProtect ? 0 : 1;
    ed.mKP_Click();

    const int powerSaving = readDecimal(image.at(9));
    if (powerSaving != 0 && powerSaving != 1)
        refuse(LoadResString(res::kPowerSaving), QString(QLatin1Char(image.at(9))));
    timerCounterParamsH9.bPowerSaving_H9 = powerSaving ? 0 : 1;
    ed.mPowerSaving_Click();

    ed.Show();

    switch (image.at(21)) {
    case '0':
        // Timer A first: the handlers of modes 0 and 1 leave its selections alone.
        loadTimerA(ui, image);
        switch (image.at(51)) {
        case '0': ed.mFuncModeSelect_0_Click(); loadCounterB(ui, image); break;
        case '1': ed.mFuncModeSelect_1_Click(); loadTachoB(ui, image); break;
        default: refuseFunction(image, 51);
        }
        break;
    case '1':
        switch (image.at(130)) {
        case '0': ed.mFuncModeSelect_5_Click(); loadDualTimer(ui, image); break;
        case '1': {
            const int subMode = hexAt(image, 171);
            switch (subMode) {
            case 0: ed.mFuncModeSelect_2_Click(); break;
            case 1: ed.mFuncModeSelect_3_Click(); break;
            case 2: ed.mFuncModeSelect_4_Click(); break;
            default: refuseFunction(image, 171); // no function mode would hold these fields
            }
            loadDualCounter(ui, image, subMode);
            break;
        }
        case '2': ed.mFuncModeSelect_6_Click(); loadDualTacho(ui, image); break;
        default: refuseFunction(image, 130);
        }
        break;
    default: refuseFunction(image, 21);
    }

    select(ui.cboSGWidth_All, hexAt(image, 251));
    select(ui.cboInputMethod_All, hexAt(image, 252));
}

} // namespace

int LoadFileImage_H9(const SettingFileImage& image, int failCode)
{
    if (image.size() != kSettingImageSize)
        return failCode;
    const int keyProtect = readDecimal(image.at(8));
    if (keyProtect != 0 && keyProtect != 1) {
        // Refused before the editor is loaded.
        image_loading::lastRefusal() =
            image_loading::Refusal{LoadResString(res::kKeyProtection), QString(QLatin1Char(image.at(8)))};
        return failCode;
    }
    try {
        frmModeSetting_H9& ed = frmModeSetting_H9::instance();
        loadH9(ed, ed, image, keyProtect);
        // Each handler drew as its option went in; the mode's diagrams now follow the
        // whole loaded set.
        ed.LoadModeDiagrams();
        return 0;
    } catch (const LoadRefused&) {
        // Unloaded as a close would, so no toolbar button or panel of the set stays.
        if (frmModeSetting_H9* ed = frmModeSetting_H9::loaded())
            ed->Unload();
        return failCode;
    }
}
