#include "monitor/h5_monitor.h"

#include "core/h5h7_registers.h"
#include "core/monitor_state.h"
#include "platform/strings.h"

#include <array>

using platform::LoadResString;

qint16 nTimerIconA_H5 = 0;
qint16 nTimerIconB_H5 = 0;

namespace {

const std::array<const char*, 10> kRangeTimer = {
    "0.01 s ~ 9999.99 s", "0.1 s ~ 99999.9 s", "1 s ~ 999999 s", "0 min 1 s ~ 9999 min 59 s",
    "0.1 min ~ 99999.9 min", "1 min ~ 999999 min", "0 h 1 min ~ 9999 h 59 min", "0.1 h ~ 99999.9 h",
    "1 h ~ 999999 h", "0.001 s ~ 999.999 s"};
const std::array<const char*, 10> kRangeTwin = {
    "0.01 s ~ 9999.99 s", "0.1 s ~ 99999.9 s", "1 ~ 999999 s", "0 min 01 s ~ 9999 min 59 s",
    "0.1 min ~ 99999.9 min", "1 min ~ 999999 min", "0 h 01 min ~ 9999 h 59 min", "0.1 h ~ 99999.9 h",
    "1 h ~ 999999 h", "0.001 s ~ 999.999 s"};

// A range code above 9 writes no range line.
QString rangeLine(int labelId, const std::array<const char*, 10>& table, int code)
{
    return code <= 9 ? SummaryLine(labelId, QString::fromLatin1(table[static_cast<std::size_t>(code)])) : QString();
}

QString resText(int firstId, int count, int code)
{
    return code >= 0 && code < count ? LoadResString(firstId + code) : QString::number(code);
}

// The key protect level's two characters, read as the decimal number they begin with.
int leadingNumber(const QByteArray& text)
{
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
    }
    return n;
}

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
    RegisterBlock block;
    const int& v = reads.last;

    if (!reads.low(kRegFuncMode, &devReadback.nDevFuncMode))
        return 1;
    const int mode = devReadback.nDevFuncMode;
    QString lines;
    if (mode == 0) {
        lines += SummaryLine(res::kFunctionSelection, LoadResString(res::kTimer));
        if (!reads.low(kRegTimerRange_A_H5, &dev.nDevTimeRange))
            return 1;
        lines += rangeLine(res::kTimeRange, kRangeTimer, v);
        if (!reads.low(kRegTimerDir_A_H5, &dev.nDevTimeMode_H5))
            return 1;
        lines += SummaryLine(res::kTimeMode, resText(res::kUp, 2, v));
        if (!reads.low(kRegOutputMode_A_H5, &dev.nDevOutputMode))
            return 1;
        lines += SummaryLine(res::kOutputMode, resText(res::kOutputModeA, 10, v));
        if (dev.nDevOutputMode <= 5) {
            if (!reads.read(kRegHoldTime_A_H5, 2, block))
                return 1;
            const QByteArray t = block.chars();
            bool number = t.size() == 8;
            for (char c : t)
                number = number && c >= '0' && c <= '9';
            if (!number)
                return 1;
            const QString time = t == "00000000"
                                     ? QStringLiteral("Hold")
                                     : QString::fromLatin1(t.mid(6, 2) + t.mid(0, 2) + '.' + t.mid(2, 2) + " s");
            lines += SummaryLine(res::kOutputTime, time);
        }
        PresetPanels_A_H5(dev.nDevTimeRange, dev.nDevOutputMode);
    } else if (mode == 1) {
        lines += SummaryLine(res::kFunctionSelection, LoadResString(res::kTwinTimer));
        if (!reads.low(kRegTimerRangeOFF_B_H5, &dev.nDevTimeRangeOFF_H5))
            return 1;
        lines += rangeLine(res::kOffTimeRange, kRangeTwin, v);
        if (!reads.low(kRegTimerRangeON_B_H5, &dev.nDevTimeRangeON_H5))
            return 1;
        lines += rangeLine(res::kOnTimeRange, kRangeTwin, v);
        if (!reads.low(kRegTimerDir_B_H5, &dev.nDevTimeMode_H5))
            return 1;
        lines += SummaryLine(res::kTimeMode, resText(res::kUp, 2, v));
        if (!reads.low(kRegOutputMode_B_H5, &dev.nDevOutputMode))
            return 1;
        lines += SummaryLine(res::kOnOffStartMode, resText(res::kFlickerOffStart, 2, v));
        PresetPanels_B_H5();
    } else if (mode == 2) {
        lines += SummaryLine(res::kFunctionSelection, LoadResString(res::kTwoStageTimer));
        if (!reads.low(kRegSettingMode_C_H5, &dev.nDevSettingMode_C_H5))
            return 1;
        lines += SummaryLine(res::kSettingMethod, resText(res::kForecastValue, 2, v));
        if (!reads.low(kRegTimerRange_C_H5, &dev.nDevTimeRange))
            return 1;
        lines += rangeLine(res::kTimeRange, kRangeTwin, v);
        if (!reads.low(kRegOutputMode_C_H5))
            return 1;
        lines += SummaryLine(res::kOutputMode, LoadResString(v == 0 ? res::kOutputModeAPowerOn : res::kOutputModeF1));
        PresetPanels_C_H5(dev.nDevTimeRange);
    }

    if (!reads.low(kRegSGWidth_H5H7))
        return 1;
    lines += SummaryLine(res::kInputSignalWidth, v == 0 ? QStringLiteral("20 ms") : QStringLiteral("1 ms"));
    if (!reads.low(kRegInputMethod_H5H7))
        return 1;
    lines += SummaryLine(res::kNpnPnpInputMode, v == 0 ? QStringLiteral("NPN") : QStringLiteral("PNP"));
    if (!reads.read(kRegKP_H5H7, 1, block))
        return 1;
    const int level = leadingNumber(block.lowText(0));
    if (level > 4)
        return 1;
    lines += SummaryLine(res::kKeyProtectLevel, QStringLiteral("KP-%1").arg(level + 1));

    const QString text = SummaryTypeLine(modelName) + lines;
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
