#include "monitor/h9_monitor.h"

#include "core/h9_registers.h"
#include "core/monitor_state.h"
#include "monitor/summary_table.h"
#include "platform/strings.h"

#include <array>

using platform::LoadResString;

namespace {

constexpr std::array<const char*, 14> kCounterOutputModes = {"N-1", "F-1", "C-1", "R-1", "K-1", "P-1", "N-2",
                                                             "F-2", "C-2", "R-2", "K-2", "P-2", "Q-1", "Q-2"};
constexpr std::array<const char*, 4> kSpeeds = {"30 Hz", "100 Hz", "1K Hz", "5K Hz"};
constexpr std::array<const char*, 4> kAverages = {"OFF", "2", "4", "8"};

// The value texts of the summary, of the low byte of the register read unless said.
// A code a list lacks is shown as its bare number.
QString listOrNumber(std::span<const char* const> list, int code)
{
    return ListText(list, code).value_or(QString::number(code));
}

std::optional<QString> code(const RegisterBlock& r) { return QString::number(r.low(0)); }

// Time code: twice the range plus the direction.
std::optional<QString> timeRangeText(const RegisterBlock& r)
{
    switch (r.low(0)) {
    case 0: case 1: return QStringLiteral("0.01~9999.99 Sec");
    case 2: case 3: return QStringLiteral("1~999999 Sec");
    case 4: case 5: return QStringLiteral("1~999999 Min");
    case 6: case 7: return QStringLiteral("1~999999 Hour");
    default: return QString::number(r.low(0));
    }
}
std::optional<QString> timeModeText(const RegisterBlock& r)
{
    return LoadResString(r.low(0) % 2 == 0 ? res::kUp : res::kDown);
}

std::optional<QString> inputModeText(const RegisterBlock& r)
{
    return StringRunText(res::kH9CounterInputModeFirst, 8, r.low(0));
}
// "4 ( K-1 ) ": the code, then its name.
std::optional<QString> counterOutputModeText(const RegisterBlock& r)
{
    return QString::number(r.low(0)) + " ( " + listOrNumber(kCounterOutputModes, r.low(0)) + " ) ";
}
// The batch counter numbers the four output modes it offers in a list of its own; the
// others have no number there.
std::optional<QString> batchOutputModeText(const RegisterBlock& r)
{
    QString shown;
    switch (r.low(0)) {
    case 4: shown = QStringLiteral("0"); break;
    case 10: shown = QStringLiteral("1"); break;
    case 12: shown = QStringLiteral("2"); break;
    case 13: shown = QStringLiteral("3"); break;
    default: break;
    }
    return shown + " ( " + listOrNumber(kCounterOutputModes, r.low(0)) + " ) ";
}
std::optional<QString> speedText(const RegisterBlock& r) { return listOrNumber(kSpeeds, r.low(0)); }
std::optional<QString> averageText(const RegisterBlock& r) { return listOrNumber(kAverages, r.low(0)); }

// Prescale value of the two registers at 1360: the low byte of 1362 and the lower three
// digits of 1360. Startup time at 1574: register 1576, then the low byte of 1574.
std::optional<QString> prescaleText(const RegisterBlock& r)
{
    const QByteArray& t = r.chars();
    return ShortestDecimal(t.mid(6, 2) + '.' + t.mid(1, 3));
}
std::optional<QString> startupText(const RegisterBlock& r)
{
    const QByteArray& t = r.chars();
    return ShortestDecimal(t.mid(4, 4) + '.' + t.mid(2, 2));
}

std::optional<QString> signalWidthText(const RegisterBlock& r)
{
    return r.low(0) == 0 ? QStringLiteral("1 ms") : QStringLiteral("20 ms");
}
// Both bytes of the register count: a whole line of its own.
std::optional<QString> powerSavingText(const RegisterBlock& r)
{
    return LoadResString(r.word(0) == 0 ? res::kPowerSavingOff : res::kPowerSavingOn);
}

// The dual counter's sub-mode.
bool totalCounter(int subMode) { return subMode == 0; }
bool batchCounter(int subMode) { return subMode == 1; }
bool notBatchCounter(int subMode) { return subMode != 1; }
bool twoCounters(int subMode) { return subMode > 1; }

using enum SummaryBox;

// Function group 0: the timer on display A, then a counter or a tachometer on display B.
constexpr SummaryRow kTimer[] = {
    {A, res::kFunctionSelection, StringText(res::kTimer)},
    {A, res::kTimeRange, timeRangeText, kRegTimeCodeA_H9, &DevReadback::nDevTimeRange},
    {A, res::kTimeMode, timeModeText, kRegTimeCodeA_H9},
    {A, res::kOutputMode, code, kRegOutputModeA_H9, &DevReadback::nDevOutputMode},
};
constexpr SummaryRow kCounterB[] = {
    {B, res::kFunctionSelection, StringText(res::kOneStageCounter)},
    {B, res::kInputMode, inputModeText, kRegCountInputModeB_H9, &DevReadback::nDevCountInputMode_H9},
    {B, res::kOutputMode, counterOutputModeText, kRegOutputModeB_H9, &DevReadback::nDevOutputModeB_H9},
    {B, res::kDecimalPoint, code, kRegDotAdjB_H9, &DevReadback::nDevDotAdjB_H9},
    {B, res::kCountingSpeed, speedText, kRegMaxFreqB_H9},
    {B, res::kPrescale, {prescaleText, 2}, kRegMagnificationB_H9},
};
constexpr SummaryRow kTachometerB[] = {
    {B, res::kFunctionSelection, StringText(res::kTachometer)},
    {B, res::kAverageProcessing, averageText, kRegSampleAvgB_F_H9},
    {B, res::kDecimalPoint, code, kRegDotAdjB_H9, &DevReadback::nDevDotAdjB_F_H9},
    {B, res::kCountingSpeed, speedText, kRegMaxFreqB_H9, &DevReadback::nDevMaxFreqB_H9},
    {B, res::kOutputMode, code, kRegOutputModeB_F_H9, &DevReadback::nDevOutputModeB_F_H9},
    {B, res::kPrescale, {prescaleText, 2}, kRegMagnificationB_H9},
    {B, res::kStartupTime, {startupText, 2}, kRegHoldCounterB_F_H9},
};

// Function group 1: a dual function on both displays.
constexpr SummaryRow kTwoStageTimer[] = {
    {Both, kNoLabel, StringText(res::kTwoStageTimer)},
    {Both, res::kTimeRange, FixedText("0 ~ 999999 Sec")},
    {Both, res::kTimeMode, StringText(res::kUp)},
    {A, res::kOutputMode, code, kRegOutputMode_T_Dual_0_H9, &DevReadback::nDevOutputMode_T_Dual_0_H9},
    {B, res::kOutputMode, code, kRegOutputMode_T_Dual_1_H9, &DevReadback::nDevOutputMode_T_Dual_1_H9},
};
// Display A names the sub-mode; two counters show a fixed input mode and speed there.
constexpr SummaryRow kDualCounter[] = {
    {A, kNoLabel, StringText(res::kTotalCounter), 0, nullptr, {kRegDualCounterMode_H9, totalCounter}},
    {A, kNoLabel, StringText(res::kBatchCounter), 0, nullptr, {kRegDualCounterMode_H9, batchCounter}},
    {A, kNoLabel, StringText(res::kOneStageCounter), 0, nullptr, {kRegDualCounterMode_H9, twoCounters}},
    {A, res::kInputMode, StringText(res::kIndividualUp), 0, nullptr, {kRegDualCounterMode_H9, twoCounters}},
    {A, res::kCountingSpeed, FixedText("30Hz"), 0, nullptr, {kRegDualCounterMode_H9, twoCounters}},
    {A, res::kOutputMode, code, kRegOutputMode_C_Dual_0_H9, &DevReadback::nDevOutputMode_C_Dual_H9},
    {B, kNoLabel, StringText(res::kOneStageCounter)},
    {B, res::kInputMode, inputModeText, kRegCountInputModeB_H9, &DevReadback::nDevCountInputMode_H9},
    {B, res::kOutputMode, batchOutputModeText, kRegOutputModeB_H9, &DevReadback::nDevOutputModeB_H9,
     {kRegDualCounterMode_H9, batchCounter}},
    {B, res::kOutputMode, counterOutputModeText, kRegOutputModeB_H9, &DevReadback::nDevOutputModeB_H9,
     {kRegDualCounterMode_H9, notBatchCounter}},
    {B, res::kCountingSpeed, speedText, kRegMaxFreqB_H9},
};
constexpr SummaryRow kDualTachometer[] = {
    {A, kNoLabel, StringText(res::kTachometer)},
    {A, res::kOutputMode, code, kRegOutputModeA_Dual_F_H9, &DevReadback::nDevOutputMode_Dual_F_H9},
    {B, kNoLabel, StringText(res::kTachometer)},
    {B, res::kAverageProcessing, averageText, kRegSampleAvgB_F_H9},
    {B, res::kCountingSpeed, speedText, kRegMaxFreqB_H9, &DevReadback::nDevMaxFreqB_H9},
    {B, res::kOutputMode, code, kRegOutputModeB_F_H9, &DevReadback::nDevOutputModeB_F_H9},
    {B, res::kStartupTime, {startupText, 2}, kRegHoldCounterB_F_H9},
};

// Every function, on both displays; the menu line follows them.
constexpr SummaryRow kCommon[] = {
    {Both, res::kInputSignalWidth, signalWidthText, kRegSGWidth_H9},
    {Both, res::kNpnPnpInputMode, InputTypeText, kRegInputMethod_H9},
    {Both, kNoLabel, {powerSavingText, 2}, kRegPowerSaving_H9},
};

// " Menu : " and the system-flag bytes, each the two characters of its low byte as sent
// with the second first; no line end.
std::optional<QString> menuLine(StartReads& reads)
{
    QByteArray menu;
    for (int address = kRegSysFlags_H9; address < kRegSysFlags_H9 + kSysFlagCount_H9; ++address) {
        RegisterBlock block;
        if (!reads.read(address, 1, block))
            return std::nullopt;
        const QByteArray pair = block.lowText(0);
        if (pair.size() == 2)
            menu += pair.right(1) + pair.left(1);
    }
    return QStringLiteral(" Menu : ") + QString::fromLatin1(menu);
}

} // namespace

QString ShortestDecimal(const QByteArray& digitText)
{
    const int point = digitText.indexOf('.');
    QByteArray whole = point < 0 ? digitText : digitText.left(point);
    QByteArray fraction = point < 0 ? QByteArray() : digitText.mid(point + 1);
    const auto allDigits = [](const QByteArray& s) {
        for (char c : s)
            if (c < '0' || c > '9')
                return false;
        return true;
    };
    if ((whole.isEmpty() && fraction.isEmpty()) || !allDigits(whole) || !allDigits(fraction))
        return QString::fromLatin1(digitText);
    while (whole.size() > 1 && whole.startsWith('0'))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = "0";
    while (fraction.endsWith('0'))
        fraction.chop(1);
    return QString::fromLatin1(fraction.isEmpty() ? whole : whole + '.' + fraction);
}

void PresetPanelA_H9(quint8 c)
{
    PanelState& a = PanelNextA;
    a.byAU = 0;
    a.byGroup = 1;
    a.byRangeMode = 2;
    a.sTB = QStringLiteral("0");
    a.sCharSpB = QStringLiteral("99");
    if (c <= 1) {
        a.byTimerMode = 4;
        a.clearPoints();
        a.byDPColA[1] = 1;
        a.byDPColB[1] = 1;
    } else if (c <= 7) {
        a.byTimerMode = c <= 3 ? 4 : c <= 5 ? 3 : 2;
        a.clearPoints();
    }
    a.byCountDir = c % 2 == 0 ? 1 : 2;
}

void PresetPanelB_H9(quint8 kind, quint8 m, quint8 d)
{
    PanelState& b = PanelNextB;
    b.byAU = 0;
    b.byGroup = 2;
    b.byRangeMode = 2;
    b.sTB = QStringLiteral("0");
    b.sCharSpB = QStringLiteral("99");
    b.byTimerMode = 0;
    if (d <= 4) {
        b.clearPoints();
        switch (d) {
        case 1: b.byDPA[1] = b.byDPB[1] = 1; break;
        case 2: b.byDPColA[1] = b.byDPColB[1] = 1; break;
        case 3: b.byDPA[0] = b.byDPB[0] = 1; break;
        case 4: b.byDPColA[0] = b.byDPColB[0] = 1; break;
        default: break;
        }
    }
    if (kind == 0)
        b.byCountDir = IsUpCountingInputMode_H9(m) ? 1 : 2;
    else if (kind == 1)
        b.byCountDir = 0;
}

namespace {

void commonPartA()
{
    PanelState& a = PanelNextA;
    a.byAU = 0;
    a.byGroup = 1;
    a.byRangeMode = 2;
    a.sTB = QStringLiteral("0");
    a.sCharSpB = QStringLiteral("99");
}

// The decimal point of the dual counter's display B. The start reads none for this
// function, and the parameter download always gives the instrument 0 there.
constexpr quint8 kDualCounterDecimalPoint = 0;

} // namespace

void PresetPanelsTwoStage_H9()
{
    commonPartA();
    PanelState& b = PanelNextB;
    b.byAU = 0;
    b.byGroup = 2;
    b.byRangeMode = 2;
    b.sTB = QStringLiteral("0");
    b.sCharSpB = QStringLiteral("99");
    PanelNextA.clearPoints();
    b.clearPoints();
    PanelNextA.byCountDir = b.byCountDir = 1;
    PanelNextA.byTimerMode = b.byTimerMode = 4;
}

void PresetPanelsDualCounter_H9()
{
    commonPartA();
    PanelNextA.clearPoints();
    PresetPanelB_H9(0, devReadback.nDevCountInputMode_H9, kDualCounterDecimalPoint);
    PanelNextA.byCountDir = PanelNextB.byCountDir;
    PanelNextA.byTimerMode = PanelNextB.byTimerMode = 0;
}

void PresetPanelsDualTacho_H9()
{
    commonPartA();
    PanelNextA.clearPoints();
    PanelNextA.byCountDir = PanelNextB.byCountDir = 0;
    PresetPanelB_H9(1, 0, 0);
    PanelNextA.byTimerMode = PanelNextB.byTimerMode = 0;
}

int InitMonitor_H9(RegisterSource& source, const QString& modelName, MonitorSummary& summary)
{
    if (!monitorState.bMonitoring)
        return 0;
    DevReadback& dev = devReadback;
    StartReads reads(source);
    SummaryTexts texts;
    if (!reads.low(kRegFuncType_H9, &dev.nDevFuncMode))
        return 1;

    if (dev.nDevFuncMode == 0) {
        if (!AppendSummaryLines(reads, kTimer, texts) || !reads.low(kRegFuncB_H9, &dev.nDevFuncB_H9))
            return 1;
        if (dev.nDevFuncB_H9 == 0 && !AppendSummaryLines(reads, kCounterB, texts))
            return 1;
        if (dev.nDevFuncB_H9 == 1 && !AppendSummaryLines(reads, kTachometerB, texts))
            return 1;
        PresetPanelA_H9(dev.nDevTimeRange);
        if (dev.nDevFuncB_H9 == 0)
            PresetPanelB_H9(0, dev.nDevCountInputMode_H9, dev.nDevDotAdjB_H9);
        else
            PresetPanelB_H9(1, 0, dev.nDevDotAdjB_F_H9);
    } else if (dev.nDevFuncMode == 1) {
        if (!reads.low(kRegDualFunc_H9, &dev.nDevDualFunc_H9))
            return 1;
        if (dev.nDevDualFunc_H9 == 0) {
            if (!AppendSummaryLines(reads, kTwoStageTimer, texts))
                return 1;
            PresetPanelsTwoStage_H9();
        } else if (dev.nDevDualFunc_H9 == 1) {
            if (!reads.low(kRegDualCounterMode_H9, &dev.nDevDualCounterMode_H9)
                || !AppendSummaryLines(reads, kDualCounter, texts))
                return 1;
            PresetPanelsDualCounter_H9();
        } else {
            if (!AppendSummaryLines(reads, kDualTachometer, texts))
                return 1;
            PresetPanelsDualTacho_H9();
        }
    }

    if (!AppendSummaryLines(reads, kCommon, texts))
        return 1;
    const std::optional<QString> menu = menuLine(reads);
    if (!menu)
        return 1;
    const QString type = SummaryTypeLine(modelName);
    summary.textA = type + texts.a + *menu;
    summary.textB = type + texts.b + *menu;
    return 0;
}
