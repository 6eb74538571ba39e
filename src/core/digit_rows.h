#pragma once
// The numeric values of the edited set, read without the editor's widgets. While an
// editor is loaded it registers a view of its digit rows; the encoders, the checks,
// the compare and the settings-image writers read each row through it. With no view
// registered every row reads as "", which no reader accepts, so nothing is encoded
// from an editor that is not there.
//
// A row's text has seven characters: labels 0 to 5 (the digits, most significant
// first) and label 6, the separator. A caption that is not exactly one character
// stands as NUL, which no reader takes for a digit, a sign or a separator.
#include <QString>

#include <array>

// The digit rows of the H9 editor, named as its rows.
enum class H9Row {
    lblTimerSettingA,
    lblHoldTimeA,
    lblCounterSettingB,
    lblHoldCounterB,
    lblMagnificationB,
    lblCounterSettingB_F,
    lblHoldCounterB_F,
    lblMagnificationB_F,
    lblTimerSetting_T_Dual_0,
    lblTimerSetting_T_Dual_1,
    lblHoldTime_T_Dual_0,
    lblHoldTime_T_Dual_1,
    lblCounterSetting_C_Dual_0,
    lblCounterSetting_C_Dual_1,
    lblHoldCounter_C_Dual_0,
    lblHoldCounter_C_Dual_1,
    lblCounterSettingA_Dual_F,
    lblCounterSettingB_Dual_F,
    lblHoldCounterB_Dual_F,
};
constexpr int kH9RowCount = 19;

// The digit rows of the H5/H7 editor, named as its rows.
enum class H5H7Row {
    lblTimerSetting_A_H5,
    lblHoldTime_A_H5,
    lblDutyRatio_A_H5,
    lblSettingValueOFF_B_H5,
    lblSettingValueON_B_H5,
    lblSV1_C_H5,
    lblSV2_C_H5,
    lblMagnification_Comm_H7,
    lblHoldCounter_1st_H7,
    lblCounterSetting_1st_H7,
    lblHoldCounter_2nd_1_H7,
    lblHoldCounter_2nd_2_H7,
    lblCounterSetting_2nd_1_H7,
    lblCounterSetting_2nd_2_H7,
    lblHoldCounter_batch_H7,
    lblCounterSetting_batch_1_H7,
    lblCounterSetting_batch_2_H7,
    lblAuto2ZeroTime_freq_H7,
    lblDelay2StartTime_freq_H7,
    lblCounterSetting_freq_1_H7,
    lblCounterSetting_freq_2_H7,
};
constexpr int kH5H7RowCount = 21;

// A read-only view of one editor's digit rows.
template <class Row>
class DigitRowView {
public:
    // A view that goes is no longer registered.
    virtual ~DigitRowView()
    {
        if (registered_ == this)
            registered_ = nullptr;
    }
    virtual QString rowText(Row row) const = 0;

    // The view of the loaded editor, or nullptr.
    static const DigitRowView* registered() { return registered_; }
    // Registers `view` (not owned); nullptr when the editor goes.
    static void setRegistered(const DigitRowView* view) { registered_ = view; }

private:
    static inline const DigitRowView* registered_ = nullptr;
};

using H9Rows = DigitRowView<H9Row>;
using H5H7Rows = DigitRowView<H5H7Row>;

// The text of `row` in the registered view; "" without one.
QString RowText(H9Row row);
QString RowText(H5H7Row row);

// A row's text from the captions of its labels 0 to 6.
QString RowTextOf(const std::array<QString, 7>& captions);
