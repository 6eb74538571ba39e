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

// Six digits, none 0 and no two alike, unlike those of any other key below 18 and of the
// same key in the other seed. `zeros` leading labels hold the 0 the row's range forces;
// `sign` puts "-" into label 0.
void digitsFor(DigitLabelArray* row, int key, int seed, int zeros = 0, bool sign = false)
{
    static const int stepsCoprimeToNine[] = {1, 2, 4, 5, 7, 8};
    char six[7] = {};
    for (int i = 0; i < 6; ++i)
        six[i] = static_cast<char>(i < zeros ? '0' : '1' + (key + 4 * seed + stepsCoprimeToNine[key % 6] * i) % 9);
    if (sign)
        six[0] = '-';
    setDigits(row, six);
}

} // namespace

void fillH5H7(int mode, int seed)
{
    frmModeSetting_H7& ed = frmModeSetting_H7::instance();
    Ui_frmModeSetting_H7& u = ui(ed);
    ed.FuncModeSelect(mode);
    ASSERT_EQ(nFuncMode, mode);
    const bool odd = seed % 2 == 1;
    if (odd)
        ed.mKP_Click();
    int key = 0;
    const auto row = [&](DigitLabelArray* r, int zeros = 0, bool sign = false) { digitsFor(r, key++, seed, zeros, sign); };
    if (mode <= 2) {
        pick(u.cboKP_All_H5, odd ? 3 : 4);
        pick(u.cboSGWidth_All_H5, 1);
        pick(u.cboInputMethod_All_H5, !odd);
        // No colon range: it would limit the digit after the colon to 5.
        pick(u.cboTimerRange_A_H5, odd ? 4 : 9);
        pick(u.cboTimerDirection_A_H5, 1);
        pick(u.cboOutputMode_A_H5, odd ? 2 : 3); // 0 to 5 have an output time
        pick(u.cboTimerRangeOFF_B_H5, odd ? 5 : 2);
        pick(u.cboTimerRangeON_B_H5, odd ? 7 : 8);
        pick(u.cboTimerDirection_B_H5, odd);
        pick(u.cboOutputMode_B_H5, !odd);
        pick(u.cboSettingMode_C_H5, 1);
        pick(u.cboTimerRange_C_H5, odd ? 8 : 5);
        pick(u.cboOutputMode_C_H5, odd);
        for (DigitLabelArray* r : {u.lblTimerSetting_A_H5, u.lblHoldTime_A_H5, u.lblSettingValueOFF_B_H5,
                                   u.lblSettingValueON_B_H5, u.lblSV1_C_H5, u.lblSV2_C_H5})
            row(r);
        row(u.lblDutyRatio_A_H5, 4); // 0 to 100 in labels 3 to 5
        return;
    }
    pick(u.cboKP_Comm_H7, odd ? 4 : 2);
    pick(u.cboDotAdj_Comm_H7, odd ? 2 : 3);
    pick(u.cboInputMethod_Comm_H7, 1);
    pick(u.cboMaxFreq_Comm_H7, odd);
    pick(u.cboSGWidth_Comm_H7, !odd);
    // Each input before its output: an up/down input (2 to 4) offers the outputs 8 to 11.
    // Outputs 2 to 8 have an output time, 8 to 11 a signed set value.
    pick(u.cboCountInputMode_1st_H7, odd ? 3 : 4);
    pick(u.cboOutputMode_1st_H7, odd ? 8 : 5);
    pick(u.cboCountInputMode_2nd_H7, odd ? 4 : 2);
    pick(u.cboOutputMode_2nd_H7, odd ? 6 : 8);
    // The dual counter's inputs are ADD and SUB; SUB lists its output 8 first.
    pick(u.cboCountInputMode_batch_H7, mode == 7 ? odd : odd ? 2 : 3);
    pick(u.cboOutputMode_batch_H7, mode == 7 ? (odd ? 0 : 7) : odd ? 7 : 6);
    pick(u.cboOutputMode_freq_H7, odd ? 3 : 2);
    pick(u.cboSampleAvg_freq_H7, odd ? 2 : 3);
    row(u.lblMagnification_Comm_H7);
    row(u.lblHoldCounter_1st_H7);
    row(u.lblCounterSetting_1st_H7, 0, odd);
    row(u.lblHoldCounter_2nd_1_H7);
    row(u.lblHoldCounter_2nd_2_H7);
    row(u.lblCounterSetting_2nd_1_H7, 0, !odd);
    row(u.lblCounterSetting_2nd_2_H7, 0, !odd);
    row(u.lblHoldCounter_batch_H7);
    row(u.lblCounterSetting_batch_1_H7, 0, mode == 7 && odd);
    row(u.lblCounterSetting_batch_2_H7);
    row(u.lblAuto2ZeroTime_freq_H7, 2); // two fixed leading zeros
    row(u.lblDelay2StartTime_freq_H7, 2);
    row(u.lblCounterSetting_freq_1_H7);
    row(u.lblCounterSetting_freq_2_H7);
}

void fillH9(int mode, int seed)
{
    frmModeSetting_H9& ed = frmModeSetting_H9::instance();
    Ui_frmModeSetting_H9& u = ui(ed);
    const bool odd = seed % 2 == 1;
    if (odd)
        ed.mKP_Click();
    if (seed % 3 != 0)
        ed.mPowerSaving_Click();
    int key = 0;
    const auto row = [&](DigitLabelArray* r, int zeros = 0) { digitsFor(r, key++, seed, zeros); };
    pick(u.cboSGWidth_All, 1);
    pick(u.cboInputMethod_All, odd);
    switch (mode) {
    case 0:
    case 1:
        // Timer A before the mode, as the loader does. Its outputs 0 and 5 have no output time.
        pick(u.cboCountModeA, odd ? 1 : 3);
        pick(u.cboCountDirectionA, !odd);
        pick(u.cboOutputModeA, odd ? 6 : 4);
        row(u.lblTimerSettingA);
        row(u.lblHoldTimeA);
        if (mode == 0) {
            ed.mFuncModeSelect_0_Click();
            pick(u.cboCountInputModeB, odd ? 7 : 5);
            pick(u.cboDotAdjB, odd ? 2 : 3);
            pick(u.cboMaxFreqB, odd ? 3 : 2);
            pick(u.cboOutputModeB, odd ? 11 : 9); // 3 to 5 and 9 to 13 have an output time
            row(u.lblMagnificationB, 1); // a prescale is at most 99.999
            row(u.lblCounterSettingB);
            row(u.lblHoldCounterB);
        } else {
            ed.mFuncModeSelect_1_Click();
            pick(u.cboSampleAvgB_F, odd ? 3 : 1);
            pick(u.cboDotAdjB_F, odd ? 2 : 3);
            pick(u.cboMaxFreqB_F, odd ? 1 : 2);
            pick(u.cboOutputModeB_F, !odd);
            row(u.lblMagnificationB_F, 1);
            row(u.lblCounterSettingB_F);
            row(u.lblHoldCounterB_F);
        }
        break;
    case 2:
    case 3:
    case 4:
        if (mode == 2) ed.mFuncModeSelect_2_Click();
        if (mode == 3) ed.mFuncModeSelect_3_Click();
        if (mode == 4) ed.mFuncModeSelect_4_Click();
        pick(u.cboOutputMode_C_Dual_0, 1);
        pick(u.cboCountInputMode_C_Dual_1, odd ? 6 : 5);
        pick(u.cboMaxFreq_C_Dual_1, mode == 4 ? 0 : odd ? 2 : 3); // two counters: 30 Hz only
        // The batch counter's four outputs stand for 4, 10, 12 and 13.
        pick(u.cboOutputMode_C_Dual_1, u.cboOutputMode_C_Dual_1->count() - (odd ? 2 : 1));
        row(u.lblCounterSetting_C_Dual_0);
        row(u.lblHoldCounter_C_Dual_0);
        row(u.lblCounterSetting_C_Dual_1);
        row(u.lblHoldCounter_C_Dual_1);
        break;
    case 5:
        ed.mFuncModeSelect_5_Click();
        pick(u.cboOutputMode_T_Dual_0, odd); // one-shot (1) has an output time
        pick(u.cboOutputMode_T_Dual_1, !odd);
        row(u.lblTimerSetting_T_Dual_0, 1); // below stage 1's set value
        row(u.lblHoldTime_T_Dual_0);
        row(u.lblTimerSetting_T_Dual_1);
        row(u.lblHoldTime_T_Dual_1);
        break;
    case 6:
        ed.mFuncModeSelect_6_Click();
        pick(u.cboOutputModeA_Dual_F, odd);
        pick(u.cboSampleAvgB_Dual_F, odd ? 3 : 2);
        pick(u.cboMaxFreqB_Dual_F, odd ? 2 : 3);
        pick(u.cboOutputModeB_Dual_F, !odd);
        row(u.lblCounterSettingA_Dual_F);
        row(u.lblCounterSettingB_Dual_F);
        row(u.lblHoldCounterB_Dual_F);
        break;
    default:
        FAIL() << "no H9 mode " << mode;
    }
}

EditorWindow* openEditor()
{
    if (frmModeSetting_H9* h9 = frmModeSetting_H9::loaded())
        return h9;
    return frmModeSetting_H7::loaded();
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
