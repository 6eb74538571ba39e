#include "monitor/h7_monitor.h"

#include "core/h5h7_registers.h"
#include "core/monitor_state.h"
#include "monitor/summary_table.h"
#include "platform/strings.h"

#include <array>
#include <optional>

using platform::LoadResString;

namespace {

constexpr std::array<const char*, 5> kInputModes = {"UP", "DOWN", "UP/DOWN A", "UP/DOWN B", "UP/DOWN C"};
constexpr std::array<const char*, 2> kDualInputModes = {"ADD", "SUB"};
constexpr std::array<const char*, 12> kOutputModes = {"N", "F", "C", "R", "K-1", "P", "Q", "A", "K-2", "D", "L", "H"};
constexpr std::array<const char*, 4> kTachoOutputModes = {"HI_LO", "AREA", "HI_HI", "LO_LO"};
constexpr std::array<const char*, 2> kSpeeds = {"30 Hz", "5K Hz"};
constexpr std::array<const char*, 2> kTachoSpeeds = {"30 Hz", "10K Hz"};
constexpr std::array<const char*, 4> kAverages = {"OFF", "2", "4", "8"};
constexpr std::array<const char*, 4> kDecimalPoints = {"----", "---.-", "--.--", "-.---"};

// The value texts of the summary, of the low byte of the register unless said. A code
// a list lacks has no text: the start then fails.
std::optional<QString> inputModeText(const RegisterBlock& r) { return ListText(kInputModes, r.low(0)); }
std::optional<QString> dualInputModeText(const RegisterBlock& r) { return ListText(kDualInputModes, r.low(0)); }
std::optional<QString> outputModeText(const RegisterBlock& r) { return ListText(kOutputModes, r.low(0)); }
std::optional<QString> tachoOutputModeText(const RegisterBlock& r) { return ListText(kTachoOutputModes, r.low(0)); }
std::optional<QString> speedText(const RegisterBlock& r) { return ListText(kSpeeds, r.low(0)); }
std::optional<QString> tachoSpeedText(const RegisterBlock& r) { return ListText(kTachoSpeeds, r.low(0)); }
std::optional<QString> averageText(const RegisterBlock& r) { return ListText(kAverages, r.low(0)); }
std::optional<QString> decimalPointText(const RegisterBlock& r) { return ListText(kDecimalPoints, r.low(0)); }
std::optional<QString> keyProtectText(const RegisterBlock& r)
{
    return r.low(0) <= 4 ? std::optional<QString>(QStringLiteral("KP-%1").arg(r.low(0) + 1)) : std::nullopt;
}

// The two characters of byte n of the registers read (even n a low byte, odd n a high one).
QByteArray byteChars(const RegisterBlock& r, int n)
{
    return n % 2 == 0 ? r.lowText(n / 2) : r.chars().mid(4 * (n / 2), 2);
}

// Prescale value: the low digit of byte 2, then bytes 1 and 0; two digits, ".", three.
std::optional<QString> prescaleText(const RegisterBlock& r)
{
    const QByteArray digits = (byteChars(r, 2) + byteChars(r, 1) + byteChars(r, 0)).mid(1);
    return QString::fromLatin1(digits.left(2) + '.' + digits.mid(2));
}

// Output time: bytes 2, 1, 0 as six digits, shown as three, ".", three; "Hold" when all
// are 0. The start fails for digits that are not a number in every function, before any
// line is written.
QByteArray outputTimeDigits(const RegisterBlock& r) { return byteChars(r, 2) + byteChars(r, 1) + byteChars(r, 0); }
std::optional<QString> outputTimeText(const RegisterBlock& r)
{
    const QByteArray digits = outputTimeDigits(r);
    return digits == "000000" ? QStringLiteral("Hold") : QString::fromLatin1(digits.left(3) + '.' + digits.mid(3));
}
bool allDigits(const QByteArray& s)
{
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return !s.isEmpty();
}
// The output modes C to K-2 have an output time; the 2-stage counter's first from N on.
bool outputTimeShown(int outputMode) { return outputMode >= 2 && outputMode <= 8; }
bool outputTime1Shown_TwoStage(int outputMode) { return outputMode <= 8; }

// Auto-zero and startup time: byte 1, then byte 0; two digits, ".", two.
std::optional<QString> twoDotTwoText(const RegisterBlock& r)
{
    const QByteArray digits = byteChars(r, 1) + byteChars(r, 0);
    return QString::fromLatin1(digits.left(2) + '.' + digits.mid(2));
}

using enum SummaryBox;

// Function modes 3, 5 and 6 on box A; box B of modes 5 and 6 holds only the name of the
// second function, which the start writes.
constexpr SummaryRow kOneStageCounter[] = {
    {A, res::kFunctionSelection, StringText(res::kOneStageCounter)},
    {A, res::kInputMode, inputModeText, kRegCountInputMode_H7},
    {A, res::kOutputMode, outputModeText, kRegOutputMode_H7},
    {A, res::kOutputTime, {outputTimeText, 2}, kRegHoldCounter1_H7, nullptr, {kRegOutputMode_H7, outputTimeShown}},
    {A, res::kCountingSpeed, speedText, kRegMaxFreq_H7},
};
constexpr SummaryRow kTwoStageCounter[] = {
    {Both, res::kFunctionSelection, StringText(res::kTwoStageCounter)},
    {Both, res::kInputMode, inputModeText, kRegCountInputMode_H7},
    {Both, res::kOutputMode, outputModeText, kRegOutputMode_H7},
    {A, res::kOutputTime1, {outputTimeText, 2}, kRegHoldCounter1_H7, nullptr,
     {kRegOutputMode_H7, outputTime1Shown_TwoStage}},
    {B, res::kOutputTime2, {outputTimeText, 2}, kRegHoldCounter2_H7, nullptr, {kRegOutputMode_H7, outputTimeShown}},
    {Both, res::kCountingSpeed, speedText, kRegMaxFreq_H7},
};
constexpr SummaryRow kDualCounter[] = {
    {Both, res::kFunctionSelection, StringText(res::kDualCounter)},
    {Both, res::kInputMode, dualInputModeText, kRegDualInputMode_H7},
    {Both, res::kOutputMode, outputModeText, kRegOutputMode_H7},
    {Both, res::kCountingSpeed, speedText, kRegMaxFreq_H7},
    {Both, res::kOutputTime, {outputTimeText, 2}, kRegHoldCounter1_H7, nullptr, {kRegOutputMode_H7, outputTimeShown}},
};
// The counters end with these lines; so does a function mode no table has.
constexpr SummaryRow kCommon[] = {
    {Both, res::kInputSignalWidth, SignalWidthText_H5H7, kRegSGWidth_H5H7},
    {Both, res::kDecimalPoint, decimalPointText, kRegDotAdj_H7},
    {Both, res::kPrescale, {prescaleText, 2}, kRegMagnification_H7},
    {Both, res::kNpnPnpInputMode, InputTypeText, kRegInputMethod_H5H7},
    {Both, res::kKeyProtectLevel, keyProtectText, kRegKP_H5H7},
};
// Function mode 8, without an input signal width.
constexpr SummaryRow kTachometer[] = {
    {Both, res::kFunctionSelection, StringText(res::kTachometer)},
    {Both, res::kOutputMode, tachoOutputModeText, kRegOutputMode_freq_H7},
    {Both, res::kCountingSpeed, tachoSpeedText, kRegMaxFreq_H7},
    {Both, res::kDecimalPoint, decimalPointText, kRegDotAdj_H7},
    {Both, res::kPrescale, {prescaleText, 2}, kRegMagnification_H7},
    {Both, res::kAverageProcessing, averageText, kRegSampleAvg_freq_H7},
    {Both, res::kAutoZeroTime, twoDotTwoText, kRegAuto2ZeroTime_freq_H7},
    {Both, res::kStartupTime, twoDotTwoText, kRegDelay2StartTime_freq_H7},
    {Both, res::kNpnPnpInputMode, InputTypeText, kRegInputMethod_H5H7},
    {Both, res::kKeyProtectLevel, keyProtectText, kRegKP_H5H7},
};

std::span<const SummaryRow> functionLines(int mode)
{
    switch (mode) {
    case 3: case 5: case 6: return kOneStageCounter;
    case 4: return kTwoStageCounter;
    case 7: return kDualCounter;
    case 8: return kTachometer;
    default: return {};
    }
}

} // namespace

void PresetPanels_H7(int mode, int dp, int om)
{
    PanelState& a = PanelNextA;
    PanelState& b = PanelNextB;
    a.byAU = 0;
    a.byOnOff = 2;
    a.bySpare = 0;
    a.byCountDir = 0;
    a.byTimerMode = 0;
    a.byRangeMode = 2;
    a.sTB = QStringLiteral("0");
    a.sCharSpB = QStringLiteral("99");
    a.byGroup = 0;
    a.clearPoints();
    switch (dp) {
    case 1: a.byDPA[1] = a.byDPB[1] = 1; break;
    case 2: a.byDPColA[1] = a.byDPColB[1] = 1; break;
    case 3: a.byDPA[0] = a.byDPB[0] = 1; break;
    default: break;
    }
    if (mode == 4 || (mode == 8 && om < 2))
        a.byGroup = 1;

    b.byAU = 0;
    b.sTB = QStringLiteral("0");
    b.byCountDir = 0;
    b.byOnOff = 2;
    b.sCharSpB = QStringLiteral("99");
    b.byTimerMode = 0;
    b.clearPoints();
    const auto pointsAsA = [&] {
        b.byDPColA = a.byDPColA;
        b.byDPColB = a.byDPColB;
        b.byDPA = a.byDPA;
        b.byDPB = a.byDPB;
    };
    switch (mode) {
    case 3:
        b.byGroup = 0;
        b.byRangeMode = 0;
        b.blankDigits();
        break;
    case 4:
        b.byGroup = 2;
        b.byRangeMode = 2;
        pointsAsA();
        break;
    case 5:
        // The total count: the T legend and the upper row's point only.
        b.byGroup = 0;
        b.byRangeMode = 0;
        b.sTB = QStringLiteral("1");
        b.byDPColA = a.byDPColA;
        b.byDPA = a.byDPA;
        break;
    case 6:
        b.byGroup = 0;
        b.byRangeMode = 0;
        b.sCharSpB = QStringLiteral("B");
        break;
    case 7:
        b.byGroup = 4;
        b.byRangeMode = 0;
        pointsAsA();
        break;
    case 8:
        b.byGroup = 2;
        b.byRangeMode = 2;
        pointsAsA();
        break;
    default:
        break;
    }
}

int InitMonitor_H7(RegisterSource& source, const QString& modelName, MonitorSummary& summary)
{
    if (!monitorState.bMonitoring)
        return 0;
    // The configuration comes in block reads before any line is written: the registers
    // of every mode, the counter block, then what the function adds. The rows find every
    // register they name among them.
    StartReads reads(source);
    RegisterBlock block;
    if (!reads.read(kRegFuncMode, 4, block))
        return 1;
    const int mode = block.low(0);
    devReadback.nDevFuncMode = static_cast<quint8>(mode);
    if (!reads.read(kRegCntFirst_H7, 14, block))
        return 1;
    const auto low = [&reads](int address) { // of a register read already
        RegisterBlock known;
        reads.read(address, 1, known);
        return known.low(0);
    };
    const int dp = low(kRegDotAdj_H7);
    devReadback.nDevDotAdj_H7 = static_cast<quint8>(dp);
    if (mode == 7 && !reads.read(kRegDualInputMode_H7, 1, block))
        return 1;
    if (mode == 8 && !reads.read(kRegOutputMode_freq_H7, 4, block))
        return 1;
    RegisterBlock time1;
    RegisterBlock time2;
    if (!reads.read(kRegHoldCounter1_H7, 2, time1) || !reads.read(kRegHoldCounter2_H7, 2, time2)
        || !allDigits(outputTimeDigits(time1)) || !allDigits(outputTimeDigits(time2)))
        return 1;

    SummaryTexts texts;
    if (!AppendSummaryLines(reads, functionLines(mode), texts)
        || (mode != 8 && !AppendSummaryLines(reads, kCommon, texts)))
        return 1;
    const QString type = SummaryTypeLine(modelName);
    summary.textA = type + texts.a;
    if (mode == 3)
        summary.textB = QString();
    else if (mode == 5 || mode == 6)
        summary.textB = type + LoadResString(res::kFunctionSelection) + QStringLiteral(" : ")
                      + LoadResString(mode == 5 ? res::kTotalCounter : res::kBatchCounter);
    else if (mode == 4 || mode == 7 || mode == 8)
        summary.textB = type + texts.b;
    else
        summary.textB.reset();
    // The tachometer's legend follows its own output mode, as the counters' follows theirs.
    PresetPanels_H7(mode, dp, low(mode == 8 ? kRegOutputMode_freq_H7 : kRegOutputMode_H7));
    return 0;
}
