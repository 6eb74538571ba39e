// Option handlers and timing diagrams of the H5/H7 editor.
#include "editors/h5h7/frmModeSetting_H7.h"

#include "editors/h5h7/h5h7_internal.h"
#include "editors/h5h7/h5h7_diagrams.h"
#include "editors/common/combo_select.h"
#include "platform/folders.h"

#include <QSignalBlocker>

using platform::LoadResString;
using namespace h5h7detail;

// ---------------------------------------------------------------- timer option handlers

void frmModeSetting_H7::cboSGWidth_All_H5_Click() { StoreComboIndex(cboSGWidth_All_H5, timerParamsH5.nSGWidth_H5); }
void frmModeSetting_H7::cboInputMethod_All_H5_Click() { StoreComboIndex(cboInputMethod_All_H5, timerParamsH5.nInputMethod_H5); }
void frmModeSetting_H7::cboKP_All_H5_Click() { StoreComboIndex(cboKP_All_H5, timerParamsH5.nKP_H5); }
void frmModeSetting_H7::cboTimerDirection_A_H5_Click() { StoreComboIndex(cboTimerDirection_A_H5, timerParamsH5.nTimerDir_A_H5); }
void frmModeSetting_H7::cboTimerDirection_B_H5_Click() { StoreComboIndex(cboTimerDirection_B_H5, timerParamsH5.nTimerDir_B_H5); }
void frmModeSetting_H7::cboSettingMode_C_H5_Click() { StoreComboIndex(cboSettingMode_C_H5, timerParamsH5.nSettingMode_C_H5); }

void frmModeSetting_H7::cboOutputMode_A_H5_Click()
{
    if (!StoreComboIndex(cboOutputMode_A_H5, timerParamsH5.nOutputMode_A_H5))
        return;
    const quint8 mode = timerParamsH5.nOutputMode_A_H5;
    DigitLabelArray& hold = *lblHoldTime_A_H5;
    if (mode > 5) {
        for (int i = 0; i < 7; ++i) {
            hold(i).setEnabled(false);
            if (i < 6)
                hold(i).setCaption(QStringLiteral("0"));
        }
        lblOutputMode2_A_H5->setEnabled(false);
    } else {
        hold.setRowEnabled(true);
        lblOutputMode2_A_H5->setEnabled(true);
    }

    if (mode == 9) {
        lblRatio_A_H5->setEnabled(true);
        lblSetValue_A_H5->setText(LoadResString(res::kCycleTimeLabel));
        ApplyDutyRatioEnables();
    } else {
        lblRatio_A_H5->setEnabled(false);
        lblSetValue_A_H5->setText(LoadResString(res::kSetValueLabel));
        lblDutyRatio_A_H5->setRowEnabled(false);
    }

    const quint8 range = timerParamsH5.nTimerRange_A_H5;
    if (range == 2 || range == 5 || range == 8)
        (*lblTimerSetting_A_H5)(6).setEnabled(false);

    ShowTimerADiagram();
}

void frmModeSetting_H7::ApplyDutyRatioEnables()
{
    // Labels 3 to 5 are hundreds, tens and units. The hundreds digit turns only at
    // 000 and 100, the tens and units only below 100, so every value from 000 to 100
    // is reached and none above it.
    DigitLabelArray& duty = *lblDutyRatio_A_H5;
    const QLatin1String zero("0");
    const bool tensAndUnitsZero = duty(4).text() == zero && duty(5).text() == zero;
    const bool belowHundred = duty(3).text() == zero;
    for (int i = 0; i < 7; ++i)
        duty(i).setEnabled(i == 3 ? tensAndUnitsZero : (i == 4 || i == 5) && belowHundred);
}

void frmModeSetting_H7::ApplyLoadedRows()
{
    // The handlers ran as each option went in, before the rows that follow it held
    // the loaded digits.
    if (timerParamsH5.nOutputMode_A_H5 == 9)
        ApplyDutyRatioEnables();
    ShowModeDiagrams();
}

void frmModeSetting_H7::ShowModeDiagrams()
{
    ShowTimerADiagram();
    ShowTimerBDiagram();
    ShowTimerCDiagram();
    ShowFirstStageDiagrams();
    ShowSecondStageDiagram();
    ShowBatchDiagrams();
    ShowTachoDiagram();
}

void frmModeSetting_H7::ShowTimerADiagram()
{
    // Only the panel on show draws: a reset or a loader selecting items of the timer A
    // panel in another mode must not replace that mode's diagram.
    if (nFuncMode != 0)
        return;
    int hold = 0;
    const quint8 mode = timerParamsH5.nOutputMode_A_H5;
    if (mode == 4 || mode == 5)
        hold = digitsAllZero(*lblHoldTime_A_H5) ? 0 : 1;
    ShowDiagram(Image_Output_A, H5DiagramPath(nFuncMode, mode, hold));
}

void frmModeSetting_H7::cboOutputMode_B_H5_Click()
{
    if (!StoreComboIndex(cboOutputMode_B_H5, timerParamsH5.nOutputMode_B_H5))
        return;
    ShowTimerBDiagram();
}

void frmModeSetting_H7::ShowTimerBDiagram()
{
    if (nFuncMode == 1)
        ShowDiagram(Image_Output_A, H5DiagramPath(nFuncMode, timerParamsH5.nOutputMode_B_H5, 0));
}

void frmModeSetting_H7::cboOutputMode_C_H5_Click()
{
    if (!StoreComboIndex(cboOutputMode_C_H5, timerParamsH5.nOutputMode_C_H5))
        return;
    ShowTimerCDiagram();
}

void frmModeSetting_H7::ShowTimerCDiagram()
{
    if (nFuncMode == 2)
        ShowDiagram(Image_Output_A, H5DiagramPath(nFuncMode, timerParamsH5.nOutputMode_C_H5, 0));
}

namespace {

// Separator and label order of a set-value row for each time range code.
struct RangeLayout {
    const char* separator;
    DigitLabelOrder order;
};

const RangeLayout& rangeLayout(int code)
{
    static const RangeLayout kLayouts[] = {
        {".", kTwoDecimalsOrder}, {".", kOneDecimalOrder}, {"0", kWholeNumberOrder},
        {":", kTwoDecimalsOrder}, {".", kOneDecimalOrder}, {"0", kWholeNumberOrder},
        {":", kTwoDecimalsOrder}, {".", kOneDecimalOrder}, {"0", kWholeNumberOrder},
        {".", kThreeDecimalsOrder}};
    return kLayouts[code];
}

// Lays a set-value row out for a time range: separator caption, label order, look.
void layoutForRange(DigitLabelArray& row, int code)
{
    if (code < 0 || code > 9)
        return;
    const RangeLayout& layout = rangeLayout(code);
    DigitLabel& sep = row(DigitLabelArray::kSeparator);
    sep.setCaption(QString::fromLatin1(layout.separator));
    PackDigitLabels(row, layout.order);
    const bool whole = code == 2 || code == 5 || code == 8;
    sep.setFontBold(!whole);
    sep.setEnabled(!whole);
}

// Under a colon range the digit right of the colon is a tens digit of 0 to 5.
void limitTensAfterColon(DigitLabelArray& row, int code)
{
    if (!isColonRange(code))
        return;
    DigitLabel& tens = row(4);
    // A caption that does not start with a number counts as 0.
    const QString text = tens.text();
    int value = 0;
    for (QChar c : text) {
        if (!c.isDigit())
            break;
        value = value * 10 + c.digitValue();
    }
    if (value > 5)
        tens.setCaption(QStringLiteral("5"));
}

} // namespace

void frmModeSetting_H7::cboTimerRange_A_H5_Click()
{
    if (!StoreComboIndex(cboTimerRange_A_H5, timerParamsH5.nTimerRange_A_H5))
        return;
    layoutForRange(*lblTimerSetting_A_H5, timerParamsH5.nTimerRange_A_H5);
    limitTensAfterColon(*lblTimerSetting_A_H5, timerParamsH5.nTimerRange_A_H5);
}

void frmModeSetting_H7::cboTimerRangeOFF_B_H5_Click()
{
    if (!StoreComboIndex(cboTimerRangeOFF_B_H5, timerParamsH5.nTimerRangeOFF_B_H5))
        return;
    layoutForRange(*lblSettingValueOFF_B_H5, timerParamsH5.nTimerRangeOFF_B_H5);
    limitTensAfterColon(*lblSettingValueOFF_B_H5, timerParamsH5.nTimerRangeOFF_B_H5);
}

void frmModeSetting_H7::cboTimerRangeON_B_H5_Click()
{
    if (!StoreComboIndex(cboTimerRangeON_B_H5, timerParamsH5.nTimerRangeON_B_H5))
        return;
    layoutForRange(*lblSettingValueON_B_H5, timerParamsH5.nTimerRangeON_B_H5);
    limitTensAfterColon(*lblSettingValueON_B_H5, timerParamsH5.nTimerRangeON_B_H5);
}

void frmModeSetting_H7::cboTimerRange_C_H5_Click()
{
    if (!StoreComboIndex(cboTimerRange_C_H5, timerParamsH5.nTimerRange_C_H5))
        return;
    const int code = timerParamsH5.nTimerRange_C_H5;
    layoutForRange(*lblSV1_C_H5, code);
    layoutForRange(*lblSV2_C_H5, code);
    limitTensAfterColon(*lblSV1_C_H5, code);
    limitTensAfterColon(*lblSV2_C_H5, code);
}

// ---------------------------------------------------------------- counter option handlers

void frmModeSetting_H7::cboSampleAvg_freq_H7_Click() { StoreComboIndex(cboSampleAvg_freq_H7, counterParamsH7.nSampleAvg_freq_H7); }
void frmModeSetting_H7::cboInputMethod_Comm_H7_Click() { StoreComboIndex(cboInputMethod_Comm_H7, counterParamsH7.nInputMethod_H7); }
void frmModeSetting_H7::cboKP_Comm_H7_Click() { StoreComboIndex(cboKP_Comm_H7, counterParamsH7.nKP_H7); }
void frmModeSetting_H7::cboMaxFreq_Comm_H7_Click() { StoreComboIndex(cboMaxFreq_Comm_H7, counterParamsH7.nMaxFreq_H7); }
void frmModeSetting_H7::cboSGWidth_Comm_H7_Click() { StoreComboIndex(cboSGWidth_Comm_H7, counterParamsH7.nSGWidth_H7); }

void frmModeSetting_H7::cboDotAdj_Comm_H7_Click()
{
    if (!StoreComboIndex(cboDotAdj_Comm_H7, counterParamsH7.nDotAdj_H7))
        return;
    const quint8 places = counterParamsH7.nDotAdj_H7;
    switch (nFuncMode) {
    case 3:
    case 5:
        LayoutDigitLabels(places, *lblCounterSetting_1st_H7);
        break;
    case 4:
        LayoutDigitLabels(places, *lblCounterSetting_2nd_1_H7);
        LayoutDigitLabels(places, *lblCounterSetting_2nd_2_H7);
        break;
    case 6:
    case 7:
        // The batch set value is a count of batches and keeps its whole-number layout.
        LayoutDigitLabels(places, *lblCounterSetting_batch_1_H7);
        break;
    case 8:
        LayoutDigitLabels(places, *lblCounterSetting_freq_1_H7);
        LayoutDigitLabels(places, *lblCounterSetting_freq_2_H7);
        break;
    default:
        break;
    }
}

namespace {

bool isUpDown(int inputMode) { return inputMode >= 2 && inputMode <= 4; }

} // namespace

void frmModeSetting_H7::applyOutputListRule(QComboBox* output, int oldInput, int newInput, bool outputAbove7,
                                            quint8* outputByte)
{
    if (!isUpDown(oldInput) && isUpDown(newInput)) {
        // Only a base list grows; a list already grown is left as it is.
        if (output->count() == kCounterOutputs.size()) {
            const QSignalBlocker block(output);
            output->addItems(kUpDownOutputs);
        }
    } else if (isUpDown(oldInput) && !isUpDown(newInput)) {
        if (outputAbove7 && output->count() > 7) {
            (void)SetListIndex(output, 7);
            if (outputByte)
                *outputByte = 7;
        }
        const QSignalBlocker block(output);
        for (int i = 11; i >= 8; --i)
            if (i < output->count())
                output->removeItem(i);
    }
}

void frmModeSetting_H7::cboCountInputMode_1st_H7_Click()
{
    const int index = cboCountInputMode_1st_H7->currentIndex();
    if (index < 0 || index == counterParamsH7.nCountInputMode_1st_H7)
        return;
    core::shell().bChange = true;
    applyOutputListRule(cboOutputMode_1st_H7, counterParamsH7.nCountInputMode_1st_H7, index,
                        counterParamsH7.nOutputMode_1st_H7 > 7, &counterParamsH7.nOutputMode_1st_H7);
    counterParamsH7.nCountInputMode_1st_H7 = static_cast<quint8>(index);
    ShowFirstStageDiagrams();
}

void frmModeSetting_H7::cboCountInputMode_2nd_H7_Click()
{
    const int index = cboCountInputMode_2nd_H7->currentIndex();
    if (index < 0)
        return;
    if (index != counterParamsH7.nCountInputMode_2nd_H7)
        core::shell().bChange = true;
    applyOutputListRule(cboOutputMode_2nd_H7, counterParamsH7.nCountInputMode_2nd_H7, index,
                        cboOutputMode_2nd_H7->currentIndex() > 7, nullptr);
    counterParamsH7.nCountInputMode_2nd_H7 = static_cast<quint8>(index);
    ShowSecondStageDiagram();
}

void frmModeSetting_H7::cboCountInputMode_batch_H7_Click()
{
    const int index = cboCountInputMode_batch_H7->currentIndex();
    if (index < 0)
        return;
    quint8& stored = counterParamsH7.nCountInputMode_batch_H7;
    if (index != stored)
        core::shell().bChange = true;
    if (nFuncMode == 6) {
        applyOutputListRule(cboOutputMode_batch_H7, stored, index, cboOutputMode_batch_H7->currentIndex() > 7,
                            nullptr);
        stored = static_cast<quint8>(index);
    } else if (nFuncMode == 7) {
        if (stored == 0 && index != 0) {
            stored = static_cast<quint8>(index);
            FillComboList(cboOutputMode_batch_H7, kDualSubOutputs);
            (void)SetListIndex(cboOutputMode_batch_H7, 0);
            lblHoldCounter_batch_H7->setRowEnabled(true);
        } else if (stored == 1 && index != 1) {
            stored = static_cast<quint8>(index);
            FillComboList(cboOutputMode_batch_H7, dualAddOutputs());
            (void)SetListIndex(cboOutputMode_batch_H7, 0);
            lblHoldCounter_batch_H7->setRowEnabled(false);
        }
    }
    ShowBatchDiagrams();
}

namespace {

// Enables an output-time row with its title, giving a zero time its default of
// 000.500, or zeroes and greys it.
void setOutputTimeRow(DigitLabelArray& row, QLabel* title, bool enabled, bool defaultWhenZero)
{
    if (enabled) {
        row.setRowEnabled(true);
        title->setEnabled(true);
        if (defaultWhenZero && digitsAllZero(row))
            row(3).setCaption(QStringLiteral("5"));
    } else {
        zeroDigits(row);
        row.setRowEnabled(false);
        title->setEnabled(false);
    }
}

// Below output mode 8 a set value has no sign: a negative one becomes zero.
void clearSign(DigitLabelArray& row)
{
    if (row(0).text() == QLatin1String("-"))
        zeroDigits(row);
}

} // namespace

void frmModeSetting_H7::cboOutputMode_1st_H7_Click()
{
    if (!StoreSetting(counterParamsH7.nOutputMode_1st_H7, cboOutputMode_1st_H7->currentIndex()))
        return;
    const quint8 value = counterParamsH7.nOutputMode_1st_H7;
    setOutputTimeRow(*lblHoldCounter_1st_H7, lblOutputTime_H7_1st, value >= 2 && value <= 8, true);
    if (value < 8)
        clearSign(*lblCounterSetting_1st_H7);
    ShowFirstStageDiagrams();
}

void frmModeSetting_H7::ShowFirstStageDiagrams()
{
    if (nFuncMode != 3 && nFuncMode != 5)
        return;
    ShowCounterDiagram(3, counterParamsH7.nCountInputMode_1st_H7, counterParamsH7.nOutputMode_1st_H7, 0);
    if (nFuncMode == 5)
        ShowCounterDiagram(5, 0, 0, 1);
}

void frmModeSetting_H7::cboOutputMode_2nd_H7_Click()
{
    if (!StoreSetting(counterParamsH7.nOutputMode_2nd_H7, cboOutputMode_2nd_H7->currentIndex()))
        return;
    const quint8 value = counterParamsH7.nOutputMode_2nd_H7;
    setOutputTimeRow(*lblHoldCounter_2nd_2_H7, lblOutputTime2_2nd_H7, value >= 2 && value <= 8, true);
    setOutputTimeRow(*lblHoldCounter_2nd_1_H7, lblOutputTime1_2nd_H7, value <= 8, value == 8);
    if (value < 8) {
        clearSign(*lblCounterSetting_2nd_1_H7);
        clearSign(*lblCounterSetting_2nd_2_H7);
    }
    ShowSecondStageDiagram();
}

void frmModeSetting_H7::ShowSecondStageDiagram()
{
    if (nFuncMode == 4)
        ShowCounterDiagram(4, counterParamsH7.nCountInputMode_2nd_H7, counterParamsH7.nOutputMode_2nd_H7, 0);
}

void frmModeSetting_H7::cboOutputMode_batch_H7_Click()
{
    const int index = cboOutputMode_batch_H7->currentIndex();
    if (index < 0)
        return;
    const bool dualSub = nFuncMode == 7 && counterParamsH7.nCountInputMode_batch_H7 == 1;
    StoreSetting(counterParamsH7.nOutputMode_batch_H7, dualSub ? index + 8 : index);
    const quint8 value = counterParamsH7.nOutputMode_batch_H7;
    const bool enabled = dualSub ? value == 8 : value >= 2 && value <= 8;
    setOutputTimeRow(*lblHoldCounter_batch_H7, lblOutputTime_batch_H7, enabled, true);
    if (value < 8)
        clearSign(*lblCounterSetting_batch_1_H7);
    ShowBatchDiagrams();
}

void frmModeSetting_H7::ShowBatchDiagrams()
{
    if (nFuncMode == 6) {
        ShowCounterDiagram(3, counterParamsH7.nCountInputMode_batch_H7, counterParamsH7.nOutputMode_batch_H7, 0);
        ShowCounterDiagram(6, 0, 0, 1);
    } else if (nFuncMode == 7) {
        ShowCounterDiagram(7, 0, 0, 0);
    }
}

void frmModeSetting_H7::cboOutputMode_freq_H7_Click()
{
    if (!StoreComboIndex(cboOutputMode_freq_H7, counterParamsH7.nOutputMode_freq_H7))
        return;
    ShowTachoDiagram();
}

void frmModeSetting_H7::ShowTachoDiagram()
{
    if (nFuncMode == 8)
        ShowCounterDiagram(8, 0, counterParamsH7.nOutputMode_freq_H7, 0);
}

// ---------------------------------------------------------------- pictures

void frmModeSetting_H7::ShowDiagram(ImageControl* image, const QString& relativePath)
{
    // A missing or unreadable file leaves the picture that was there.
    image->loadPictureFile(platform::appDataDir() + QLatin1Char('/') + relativePath);
}

void frmModeSetting_H7::ShowCounterDiagram(quint8 mode, quint8 inputMode, quint8 outputMode, quint8 channel)
{
    ShowDiagram(channel != 0 ? Image_Output_B : Image_Output_A, H7DiagramPath(mode, inputMode, outputMode));
}

void frmModeSetting_H7::optPic_Click(int index)
{
    if (index == 0) {
        Image_Output_A->raise();
        ImageCH_A->setPictureName(QStringLiteral("IMAGE_CHA_B"));
    } else {
        Image_Output_B->raise();
        ImageCH_B->setPictureName(QStringLiteral("IMAGE_CHB_B"));
    }
}

void frmModeSetting_H7::ImageCH_A_Click()
{
    if (!optPic[0]->testAttribute(Qt::WA_Disabled)) {
        optPic[0]->setChecked(true);
        optPic_Click(0);
        ImageCH_A->setPictureName(QStringLiteral("IMAGE_CHA_B"));
    }
    ImageCH_B->setPictureName(optPic[1]->testAttribute(Qt::WA_Disabled) ? QStringLiteral("IMAGE_CHB_G")
                                                                          : QStringLiteral("IMAGE_CHB_W"));
}

void frmModeSetting_H7::ImageCH_B_Click()
{
    if (!optPic[1]->testAttribute(Qt::WA_Disabled)) {
        optPic[1]->setChecked(true);
        optPic_Click(1);
        ImageCH_B->setPictureName(QStringLiteral("IMAGE_CHB_B"));
        ImageCH_A->setPictureName(QStringLiteral("IMAGE_CHA_W"));
    } else {
        ImageCH_B->setPictureName(QStringLiteral("IMAGE_CHB_G"));
    }
}
