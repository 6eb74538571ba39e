// Digit-row editing of the H5/H7 editor: change marks and the click rules.
#include "editors/h5h7/frmModeSetting_H7.h"

#include "editors/h5h7/h5h7_internal.h"

using platform::LoadResString;
using namespace h5h7detail;

// ---------------------------------------------------------------- digit rows

void frmModeSetting_H7::rowChanged(DigitLabelArray* row, int)
{
    // The timer A set value marks its clicks instead of its caption changes.
    if (row != lblTimerSetting_A_H5)
        core::shell().bChange = true;
}

void frmModeSetting_H7::DigitRowClick(DigitLabelArray* row, int index, Qt::MouseButton button)
{
    if (!row || index < 0 || index > 6)
        return;
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    // A greyed label is read-only.
    if (row->label(index)->testAttribute(Qt::WA_Disabled))
        return;
    if (row == lblTimerSetting_A_H5)
        core::shell().bChange = true;
    if (index > 5) {
        if (row == lblHoldTime_A_H5)
            ShowTimerADiagram();
        return;
    }
    DigitLabel& label = (*row)(index);

    // ---- timer rows
    const std::pair<DigitLabelArray*, const quint8*> setValueRows[] = {
        {lblTimerSetting_A_H5, &timerParamsH5.nTimerRange_A_H5},
        {lblSettingValueOFF_B_H5, &timerParamsH5.nTimerRangeOFF_B_H5},
        {lblSettingValueON_B_H5, &timerParamsH5.nTimerRangeON_B_H5},
        {lblSV1_C_H5, &timerParamsH5.nTimerRange_C_H5},
        {lblSV2_C_H5, &timerParamsH5.nTimerRange_C_H5}};
    for (const auto& [r, range] : setValueRows) {
        if (r != row)
            continue;
        const bool tensAfterColon = index == 4 && isColonRange(*range);
        label.setCaption(DigitLabelArray::WheelStep(label.text(), button, tensAfterColon ? 6 : 10));
        return;
    }
    if (row == lblHoldTime_A_H5) {
        label.setCaption(DigitLabelArray::WheelStep(label.text(), button));
        ShowTimerADiagram();
        return;
    }
    if (row == lblDutyRatio_A_H5) {
        if (index == 3)
            label.setCaption(QString::number(DigitLabelArray::DigitValue(label.text()) ^ 1));
        else if ((index == 4 || index == 5) && (*row)(3).text() == QLatin1String("0"))
            label.setCaption(DigitLabelArray::WheelStep(label.text(), button));
        ApplyDutyRatioEnables();
        return;
    }

    // ---- counter rows
    const std::pair<DigitLabelArray*, quint8> signedRows[] = {
        {lblCounterSetting_1st_H7, counterParamsH7.nOutputMode_1st_H7},
        {lblCounterSetting_2nd_1_H7, counterParamsH7.nOutputMode_2nd_H7},
        {lblCounterSetting_2nd_2_H7, counterParamsH7.nOutputMode_2nd_H7},
        {lblCounterSetting_batch_1_H7, counterParamsH7.nOutputMode_batch_H7}};
    for (const auto& [r, outputMode] : signedRows) {
        if (r != row || index != 0 || outputMode < 8)
            continue;
        const QString text = label.text();
        if (button == Qt::LeftButton)
            label.setCaption(text == QLatin1String("9")   ? QStringLiteral("-")
                             : text == QLatin1String("-") ? QStringLiteral("0")
                                                          : QString::number(DigitLabelArray::DigitValue(text) + 1));
        else
            label.setCaption(text == QLatin1String("0")   ? QStringLiteral("-")
                             : text == QLatin1String("-") ? QStringLiteral("9")
                                                          : QString::number(DigitLabelArray::DigitValue(text) - 1));
        return;
    }

    const bool neverZero = row == lblHoldCounter_1st_H7 || row == lblHoldCounter_2nd_2_H7
                           || row == lblHoldCounter_batch_H7 || row == lblAuto2ZeroTime_freq_H7
                           || row == lblMagnification_Comm_H7
                           || (row == lblHoldCounter_2nd_1_H7 && counterParamsH7.nOutputMode_2nd_H7 == 8);
    if (neverZero) {
        bool restNonZero = false;
        for (int i = 0; i < 6 && !restNonZero; ++i)
            if (i != index && (*row)(i).text() != QLatin1String("0"))
                restNonZero = true;
        const QString text = label.text();
        const bool wouldBeZero = (button == Qt::LeftButton && text == QLatin1String("9"))
                                 || (button == Qt::RightButton && text == QLatin1String("1"));
        if (!restNonZero && wouldBeZero) {
            // The value stays; the click still counts as an edit.
            core::shell().bChange = true;
            return;
        }
    }
    label.setCaption(DigitLabelArray::WheelStep(label.text(), button));
}
