#include "support/editor_state.h"

#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/common/combo_select.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "support/form_access.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace testhelp {

void setDigits(DigitLabelArray* row, const char* six, const char* separator)
{
    for (int i = 0; i < 6; ++i)
        (*row)(i).setCaption(QString(QLatin1Char(six[i])));
    if (separator)
        (*row)(DigitLabelArray::kSeparator).setCaption(QString::fromLatin1(separator));
}

void pick(QComboBox* combo, int index)
{
    ASSERT_TRUE(SetListIndex(combo, index)) << combo->objectName().toStdString() << " " << index;
}

namespace {

// A valid index of a combo, varied by key and seed, never the default 0 when the list
// offers another item.
int indexFor(QComboBox* combo, int key, int seed)
{
    const int n = combo->count();
    if (n <= 1)
        return 0;
    return 1 + (key + seed) % (n - 1);
}

void pickH7(QComboBox* combo, int key, int seed)
{
    const int i = indexFor(combo, key, seed);
    ASSERT_TRUE(SetListIndex(combo, i)) << combo->objectName().toStdString();
}

// Six digits varied by key and seed; `sign` puts "-" into label 0.
void digitsFor(DigitLabelArray* row, int key, int seed, bool sign = false, int fixedZeros = 0)
{
    char six[7] = {};
    for (int i = 0; i < 6; ++i)
        six[i] = static_cast<char>('0' + (key * 7 + seed * 3 + i * 5 + 1) % 10);
    for (int i = 0; i < fixedZeros; ++i)
        six[i] = '0';
    if (sign)
        six[0] = '-';
    setDigits(row, six);
}

} // namespace

void fillH5H7(int mode, int seed)
{
    frmModeSetting_H7& ed = frmModeSetting_H7::instance();
    ed.FuncModeSelect(mode);
    ASSERT_EQ(nFuncMode, mode);
    if (seed % 2 == 1)
        ed.mKP_Click();
    if (mode <= 2) {
        int k = 0;
        for (QComboBox* c : {ui(ed).cboKP_All_H5, ui(ed).cboSGWidth_All_H5, ui(ed).cboInputMethod_All_H5,
                             ui(ed).cboTimerRange_A_H5, ui(ed).cboTimerDirection_A_H5, ui(ed).cboOutputMode_A_H5,
                             ui(ed).cboTimerRangeOFF_B_H5, ui(ed).cboTimerRangeON_B_H5,
                             ui(ed).cboTimerDirection_B_H5, ui(ed).cboOutputMode_B_H5,
                             ui(ed).cboSettingMode_C_H5, ui(ed).cboTimerRange_C_H5, ui(ed).cboOutputMode_C_H5})
            pickH7(c, k++, seed);
        digitsFor(ui(ed).lblTimerSetting_A_H5, 1, seed);
        digitsFor(ui(ed).lblHoldTime_A_H5, 2, seed);
        // The duty ratio is 0 to 100 in labels 3 to 5.
        setDigits(ui(ed).lblDutyRatio_A_H5, seed % 2 ? "000100" : "000047");
        digitsFor(ui(ed).lblSettingValueOFF_B_H5, 3, seed);
        digitsFor(ui(ed).lblSettingValueON_B_H5, 4, seed);
        digitsFor(ui(ed).lblSV1_C_H5, 5, seed);
        digitsFor(ui(ed).lblSV2_C_H5, 6, seed);
        return;
    }
    int k = 0;
    for (QComboBox* c : {ui(ed).cboKP_Comm_H7, ui(ed).cboDotAdj_Comm_H7, ui(ed).cboInputMethod_Comm_H7,
                         ui(ed).cboMaxFreq_Comm_H7, ui(ed).cboSGWidth_Comm_H7})
        pickH7(c, k++, seed);
    // Each input before its output: the input decides the output list.
    for (auto [input, output] : {std::pair{ui(ed).cboCountInputMode_1st_H7, ui(ed).cboOutputMode_1st_H7},
                                 std::pair{ui(ed).cboCountInputMode_2nd_H7, ui(ed).cboOutputMode_2nd_H7},
                                 std::pair{ui(ed).cboCountInputMode_batch_H7, ui(ed).cboOutputMode_batch_H7}}) {
        pickH7(input, k++, seed);
        pickH7(output, k++, seed);
    }
    pickH7(ui(ed).cboOutputMode_freq_H7, k++, seed);
    pickH7(ui(ed).cboSampleAvg_freq_H7, k++, seed);
    const bool neg = seed % 2 == 0;
    digitsFor(ui(ed).lblMagnification_Comm_H7, 1, seed);
    digitsFor(ui(ed).lblHoldCounter_1st_H7, 2, seed);
    digitsFor(ui(ed).lblCounterSetting_1st_H7, 3, seed, neg);
    digitsFor(ui(ed).lblHoldCounter_2nd_1_H7, 4, seed);
    digitsFor(ui(ed).lblHoldCounter_2nd_2_H7, 5, seed);
    digitsFor(ui(ed).lblCounterSetting_2nd_1_H7, 6, seed, !neg);
    digitsFor(ui(ed).lblCounterSetting_2nd_2_H7, 7, seed, neg);
    digitsFor(ui(ed).lblHoldCounter_batch_H7, 8, seed);
    digitsFor(ui(ed).lblCounterSetting_batch_1_H7, 9, seed, neg);
    digitsFor(ui(ed).lblCounterSetting_batch_2_H7, 10, seed);
    digitsFor(ui(ed).lblAuto2ZeroTime_freq_H7, 11, seed, false, 2);
    digitsFor(ui(ed).lblDelay2StartTime_freq_H7, 12, seed, false, 2);
    digitsFor(ui(ed).lblCounterSetting_freq_1_H7, 13, seed);
    digitsFor(ui(ed).lblCounterSetting_freq_2_H7, 14, seed);
}

void fillH9(int mode, int seed)
{
    frmModeSetting_H9& ed = frmModeSetting_H9::instance();
    if (seed % 2 == 1)
        ed.mKP_Click();
    if (seed % 3 != 0)
        ed.mPowerSaving_Click();
    pick(ui(ed).cboSGWidth_All, seed % 2);
    pick(ui(ed).cboInputMethod_All, (seed + 1) % 2);
    switch (mode) {
    case 0:
    case 1:
        // Timer A before the mode, as the loader does.
        pick(ui(ed).cboCountModeA, seed % 4);
        pick(ui(ed).cboCountDirectionA, 1);
        pick(ui(ed).cboOutputModeA, 1 + seed % 7);
        setDigits(ui(ed).lblTimerSettingA, "001234");
        setDigits(ui(ed).lblHoldTimeA, "000150");
        if (mode == 0) {
            ed.mFuncModeSelect_0_Click();
            pick(ui(ed).cboCountInputModeB, 1 + seed % 7);
            pick(ui(ed).cboDotAdjB, seed % 4);
            pick(ui(ed).cboMaxFreqB, 1 + seed % 3);
            pick(ui(ed).cboOutputModeB, 3 + seed % 11);
            setDigits(ui(ed).lblMagnificationB, "012500", ".");
            setDigits(ui(ed).lblCounterSettingB, "012345");
            setDigits(ui(ed).lblHoldCounterB, "000250");
        } else {
            ed.mFuncModeSelect_1_Click();
            pick(ui(ed).cboSampleAvgB_F, 1 + seed % 3);
            pick(ui(ed).cboDotAdjB_F, (seed + 1) % 4);
            pick(ui(ed).cboMaxFreqB_F, 1 + seed % 3);
            pick(ui(ed).cboOutputModeB_F, 1);
            setDigits(ui(ed).lblMagnificationB_F, "001250", ".");
            setDigits(ui(ed).lblCounterSettingB_F, "054321");
            setDigits(ui(ed).lblHoldCounterB_F, "000300");
        }
        break;
    case 2:
    case 3:
    case 4:
        if (mode == 2) ed.mFuncModeSelect_2_Click();
        if (mode == 3) ed.mFuncModeSelect_3_Click();
        if (mode == 4) ed.mFuncModeSelect_4_Click();
        pick(ui(ed).cboOutputMode_C_Dual_0, 1);
        setDigits(ui(ed).lblCounterSetting_C_Dual_0, "000777");
        setDigits(ui(ed).lblHoldCounter_C_Dual_0, "000120");
        pick(ui(ed).cboCountInputMode_C_Dual_1, 1 + seed % 7);
        pick(ui(ed).cboMaxFreq_C_Dual_1, 0);
        pick(ui(ed).cboOutputMode_C_Dual_1, ui(ed).cboOutputMode_C_Dual_1->count() - 1);
        setDigits(ui(ed).lblCounterSetting_C_Dual_1, "000888");
        setDigits(ui(ed).lblHoldCounter_C_Dual_1, "000140");
        break;
    case 5:
        ed.mFuncModeSelect_5_Click();
        pick(ui(ed).cboOutputMode_T_Dual_0, 1);
        pick(ui(ed).cboOutputMode_T_Dual_1, 1);
        setDigits(ui(ed).lblTimerSetting_T_Dual_0, "000100");
        setDigits(ui(ed).lblHoldTime_T_Dual_0, "000050");
        setDigits(ui(ed).lblTimerSetting_T_Dual_1, "000200");
        setDigits(ui(ed).lblHoldTime_T_Dual_1, "000060");
        break;
    case 6:
        ed.mFuncModeSelect_6_Click();
        pick(ui(ed).cboOutputModeA_Dual_F, 1);
        pick(ui(ed).cboSampleAvgB_Dual_F, 2);
        pick(ui(ed).cboMaxFreqB_Dual_F, 3);
        pick(ui(ed).cboOutputModeB_Dual_F, 1);
        setDigits(ui(ed).lblCounterSettingA_Dual_F, "001000");
        setDigits(ui(ed).lblCounterSettingB_Dual_F, "002000");
        setDigits(ui(ed).lblHoldCounterB_Dual_F, "000500");
        break;
    default:
        FAIL() << "no H9 mode " << mode;
    }
}

QStringList shownSet(QWidget* editor)
{
    QStringList out;
    int n = 0;
    for (QWidget* w : editor->findChildren<QWidget*>()) {
        ++n;
        if (!w->isVisibleTo(editor))
            continue;
        const QString where = QString::number(n) + ' ' + w->objectName() + (w->isEnabled() ? "" : " (grey)") + ": ";
        if (const auto* combo = qobject_cast<QComboBox*>(w))
            out << where + combo->currentText();
        else if (const auto* label = qobject_cast<QLabel*>(w))
            out << where + label->text() + (label->pixmap().isNull() ? "" : " [picture]");
        else if (const auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
            out << where + (button->isChecked() ? "on" : "off");
    }
    return out;
}

std::string firstDifference(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= a.size() || i >= b.size() || a[i] != b[i])
            return (i < a.size() ? a[i] : QStringLiteral("(nothing)")).toStdString() + " became "
                 + (i < b.size() ? b[i] : QStringLiteral("(nothing)")).toStdString();
    return {};
}

} // namespace testhelp
