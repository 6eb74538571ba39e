#include "monitor/h5_monitor.h"

#include "core/h5h7_registers.h"
#include "core/monitor_state.h"
#include "monitor/summary_table.h"
#include "platform/strings.h"

#include <array>

using platform::LoadResString;

qint16 nTimerIconA_H5 = 0;
qint16 nTimerIconB_H5 = 0;

namespace {

constexpr std::array<const char*, 10> kRangeTimer = {
    "0.01 s ~ 9999.99 s", "0.1 s ~ 99999.9 s", "1 s ~ 999999 s", "0 min 1 s ~ 9999 min 59 s",
    "0.1 min ~ 99999.9 min", "1 min ~ 999999 min", "0 h 1 min ~ 9999 h 59 min", "0.1 h ~ 99999.9 h",
    "1 h ~ 999999 h", "0.001 s ~ 999.999 s"};
constexpr std::array<const char*, 10> kRangeTwin = {
    "0.01 s ~ 9999.99 s", "0.1 s ~ 99999.9 s", "1 ~ 999999 s", "0 min 01 s ~ 9999 min 59 s",
    "0.1 min ~ 99999.9 min", "1 min ~ 999999 min", "0 h 01 min ~ 9999 h 59 min", "0.1 h ~ 99999.9 h",
    "1 h ~ 999999 h", "0.001 s ~ 999.999 s"};

// The value texts of the summary, of the low byte of the register unless said.
std::optional<QString> timerRangeText(const RegisterBlock& r) { return ListText(kRangeTimer, r.low(0)); }
std::optional<QString> twinRangeText(const RegisterBlock& r) { return ListText(kRangeTwin, r.low(0)); }
// A range code above 9 writes no range line.
constexpr SummaryValue kTimerRange(timerRangeText, 1, kLeftOutWithoutText);
constexpr SummaryValue kTwinRange(twinRangeText, 1, kLeftOutWithoutText);

std::optional<QString> timeModeText(const RegisterBlock& r) { return StringRunText(res::kUp, 2, r.low(0)); }
std::optional<QString> timerOutputModeText(const RegisterBlock& r)
{
    return StringRunText(res::kOutputModeA, 10, r.low(0));
}
std::optional<QString> startModeText(const RegisterBlock& r)
{
    return StringRunText(res::kFlickerOffStart, 2, r.low(0));
}
std::optional<QString> settingMethodText(const RegisterBlock& r)
{
    return StringRunText(res::kForecastValue, 2, r.low(0));
}
std::optional<QString> twoStageOutputModeText(const RegisterBlock& r)
{
    return LoadResString(r.low(0) == 0 ? res::kOutputModeAPowerOn : res::kOutputModeF1);
}

// The output time of two registers: the low byte of the second holds the two leading
// digits, the first the next two and the decimals. Not a number: no text.
std::optional<QString> outputTimeText(const RegisterBlock& r)
{
    const QByteArray& t = r.chars();
    bool number = t.size() == 8;
    for (char c : t)
        number = number && c >= '0' && c <= '9';
    if (!number)
        return std::nullopt;
    return t == "00000000" ? QStringLiteral("Hold")
                           : QString::fromLatin1(t.mid(6, 2) + t.mid(0, 2) + '.' + t.mid(2, 2) + " s");
}
bool outputTimeShown(int outputMode) { return outputMode <= 5; }

// The key protect level's two characters, read as the decimal number they begin with;
// above 4 it has no text.
std::optional<QString> keyProtectText(const RegisterBlock& r)
{
    int n = 0;
    for (char c : r.lowText(0)) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
    }
    return n <= 4 ? std::optional<QString>(QStringLiteral("KP-%1").arg(n + 1)) : std::nullopt;
}

using enum SummaryBox;

// The summary of function mode 0, 1 and 2, then the lines every mode ends with.
constexpr SummaryRow kTimer[] = {
    {A, res::kFunctionSelection, StringText(res::kTimer)},
    {A, res::kTimeRange, kTimerRange, kRegTimerRange_A_H5, &DevReadback::nDevTimeRange},
    {A, res::kTimeMode, timeModeText, kRegTimerDir_A_H5, &DevReadback::nDevTimeMode_H5},
    {A, res::kOutputMode, timerOutputModeText, kRegOutputMode_A_H5, &DevReadback::nDevOutputMode},
    {A, res::kOutputTime, {outputTimeText, 2}, kRegHoldTime_A_H5, nullptr, {kRegOutputMode_A_H5, outputTimeShown}},
};
constexpr SummaryRow kTwinTimer[] = {
    {A, res::kFunctionSelection, StringText(res::kTwinTimer)},
    {A, res::kOffTimeRange, kTwinRange, kRegTimerRangeOFF_B_H5, &DevReadback::nDevTimeRangeOFF_H5},
    {A, res::kOnTimeRange, kTwinRange, kRegTimerRangeON_B_H5, &DevReadback::nDevTimeRangeON_H5},
    {A, res::kTimeMode, timeModeText, kRegTimerDir_B_H5, &DevReadback::nDevTimeMode_H5},
    {A, res::kOnOffStartMode, startModeText, kRegOutputMode_B_H5, &DevReadback::nDevOutputMode},
};
constexpr SummaryRow kTwoStageTimer[] = {
    {A, res::kFunctionSelection, StringText(res::kTwoStageTimer)},
    {A, res::kSettingMethod, settingMethodText, kRegSettingMode_C_H5, &DevReadback::nDevSettingMode_C_H5},
    {A, res::kTimeRange, kTwinRange, kRegTimerRange_C_H5, &DevReadback::nDevTimeRange},
    {A, res::kOutputMode, twoStageOutputModeText, kRegOutputMode_C_H5},
};
constexpr SummaryRow kCommon[] = {
    {A, res::kInputSignalWidth, SignalWidthText_H5H7, kRegSGWidth_H5H7},
    {A, res::kNpnPnpInputMode, InputTypeText, kRegInputMethod_H5H7},
    {A, res::kKeyProtectLevel, keyProtectText, kRegKP_H5H7},
};

void presetCommonA()
{
    PanelState& a = PanelNextA;
    a.byAU = 0;
    a.byRangeMode = 2;
    a.sTB = QStringLiteral("0");
    a.sCharSpB = QStringLiteral("99");
    a.byCountDir = 0;
    a.byOnOff = 2;
}

void presetCommonB()
{
    PanelState& b = PanelNextB;
    b.byCountDir = 0;
    b.byOnOff = 2;
    b.byAU = 0;
    b.sTB = QStringLiteral("0");
    b.sCharSpB = QStringLiteral("99");
}

// Panel B unused: everything dark.
void presetUnusedB()
{
    PanelState& b = PanelNextB;
    b.byGroup = 0;
    b.byRangeMode = 0;
    b.byTimerMode = 0;
    b.bySpare = 0;
    b.clearPoints();
    b.blankDigits();
}

} // namespace

bool RangePoints_H5(quint8 range, PointPair& pointOrColon, PointPair& point)
{
    pointOrColon = {0, 0};
    point = {0, 0};
    switch (range) {
    case 0: pointOrColon[1] = 1; return true;
    case 1: case 4: case 7: point[1] = 1; return true;
    case 2: case 5: case 8: return true;
    case 3: case 6: pointOrColon[1] = 2; return true;
    case 9: point[0] = 1; return true;
    default: return false;
    }
}

quint8 RangeUnitLetters_H5(quint8 range)
{
    switch (range) {
    case 0: case 1: case 2: case 9: return 4;
    case 3: return 6;
    case 4: case 5: return 3;
    case 6: return 5;
    case 7: case 8: return 2;
    default: return 0;
    }
}

void PresetPanels_A_H5(quint8 range, quint8 outputMode)
{
    PanelState& a = PanelNextA;
    PanelState& b = PanelNextB;
    presetCommonA();
    a.bySpare = 0;
    presetCommonB();
    if (outputMode != 9) {
        a.byGroup = 0;
        RangePoints_H5(range, a.byDPColA, a.byDPA);
        RangePoints_H5(range, a.byDPColB, a.byDPB);
        nTimerIconA_H5 = RangeUnitLetters_H5(range);
        a.byTimerMode = static_cast<quint8>(nTimerIconA_H5);
        presetUnusedB();
    } else {
        // Panel A: present value over the ON duty ratio; panel B: over the cycle time.
        a.byGroup = 1;
        b.byGroup = 2;
        b.byRangeMode = 2;
        RangePoints_H5(range, a.byDPColA, a.byDPA);
        RangePoints_H5(range, b.byDPColA, b.byDPA);
        RangePoints_H5(range, b.byDPColB, b.byDPB);
        a.byDPColB = {0, 0};
        a.byDPB = {0, 0};
        nTimerIconB_H5 = RangeUnitLetters_H5(range);
        a.byTimerMode = b.byTimerMode = static_cast<quint8>(nTimerIconB_H5);
    }
}

void PresetPanels_B_H5()
{
    presetCommonA();
    presetCommonB();
    presetUnusedB();
    PanelNextB.sWeek = QStringLiteral("0000000");
}

void PresetPanels_C_H5(quint8 range)
{
    PanelState& a = PanelNextA;
    PanelState& b = PanelNextB;
    const bool absolute = devReadback.nDevSettingMode_C_H5 != 0;
    presetCommonA();
    a.byGroup = absolute ? 1 : 0;
    RangePoints_H5(range, a.byDPColA, a.byDPA);
    RangePoints_H5(range, a.byDPColB, a.byDPB);
    nTimerIconA_H5 = RangeUnitLetters_H5(range);
    a.byTimerMode = static_cast<quint8>(nTimerIconA_H5);
    b.byOnOff = 2;
    b.byGroup = absolute ? 2 : 1;
    b.byRangeMode = absolute ? 2 : 0;
    b.byDPColA = a.byDPColA;
    b.byDPColB = a.byDPColB;
    b.byDPA = a.byDPA;
    b.byDPB = a.byDPB;
    b.byTimerMode = a.byTimerMode;
    b.byAU = 0;
    b.sTB = QStringLiteral("0");
    b.sCharSpB = QStringLiteral("99");
    b.byCountDir = a.byCountDir;
}

int InitMonitor_H5(RegisterSource& source, const QString& modelName, MonitorSummary& summary)
{
    if (!monitorState.bMonitoring)
        return 0;
    DevReadback& dev = devReadback;
    StartReads reads(source);
    SummaryTexts texts;
    if (!reads.low(kRegFuncMode, &dev.nDevFuncMode))
        return 1;
    const int mode = dev.nDevFuncMode;
    if (mode == 0) {
        if (!AppendSummaryLines(reads, kTimer, texts))
            return 1;
        PresetPanels_A_H5(dev.nDevTimeRange, dev.nDevOutputMode);
    } else if (mode == 1) {
        if (!AppendSummaryLines(reads, kTwinTimer, texts))
            return 1;
        PresetPanels_B_H5();
    } else if (mode == 2) {
        if (!AppendSummaryLines(reads, kTwoStageTimer, texts))
            return 1;
        PresetPanels_C_H5(dev.nDevTimeRange);
    }
    if (!AppendSummaryLines(reads, kCommon, texts))
        return 1;

    const QString text = SummaryTypeLine(modelName) + texts.a;
    const bool bothPanels = mode == 2 || (mode == 0 && dev.nDevOutputMode == 9);
    const bool panelAOnly = mode == 1 || (mode == 0 && dev.nDevOutputMode != 9);
    if (bothPanels)
        summary.textB = text;
    else if (panelAOnly)
        summary.textB = QString();
    else
        summary.textB.reset();
    summary.textA = text;
    return 0;
}
