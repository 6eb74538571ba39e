#include "monitor/h9_monitor.h"

#include "core/h9_registers.h"
#include "core/monitor_state.h"
#include "platform/strings.h"

#include <array>

using platform::LoadResString;

namespace {

QString timeRangeText(int c)
{
    switch (c) {
    case 0: case 1: return QStringLiteral("0.01~9999.99 Sec");
    case 2: case 3: return QStringLiteral("1~999999 Sec");
    case 4: case 5: return QStringLiteral("1~999999 Min");
    case 6: case 7: return QStringLiteral("1~999999 Hour");
    default: return QString::number(c);
    }
}

// A text of a fixed list, or the bare number for a code the list lacks.
template <std::size_t N>
QString listText(const std::array<const char*, N>& list, int code)
{
    return code >= 0 && code < static_cast<int>(N) ? QString::fromLatin1(list[static_cast<std::size_t>(code)])
                                                    : QString::number(code);
}

// A string-table text of a run of ids, or the bare number outside the run.
QString resText(int firstId, int count, int code)
{
    return code >= 0 && code < count ? LoadResString(firstId + code) : QString::number(code);
}

const std::array<const char*, 14> kCounterOutputModes = {"N-1", "F-1", "C-1", "R-1", "K-1", "P-1", "N-2",
                                                         "F-2", "C-2", "R-2", "K-2", "P-2", "Q-1", "Q-2"};
const std::array<const char*, 4> kSpeeds = {"30 Hz", "100 Hz", "1K Hz", "5K Hz"};
const std::array<const char*, 4> kAverages = {"OFF", "2", "4", "8"};

QString inputModeText(int m) { return resText(res::kH9CounterInputModeFirst, 8, m); }
QString code(int value) { return QString::number(value); }

// Prescale value of the two registers at 1360: the low byte of 1362 and the lower three
// digits of 1360. Startup time at 1574: register 1576, then the low byte of 1574.
QByteArray prescaleDigits(const RegisterBlock& b)
{
    const QByteArray& t = b.chars();
    return t.mid(6, 2) + '.' + t.mid(1, 3);
}
QByteArray startupDigits(const RegisterBlock& b)
{
    const QByteArray& t = b.chars();
    return t.mid(4, 4) + '.' + t.mid(2, 2);
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
        b.byCountDir = (m <= 2 || m == 6) ? 1 : 2;
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
    RegisterBlock block;
    const int& v = reads.last;

    if (!reads.low(kRegFuncType_H9, &devReadback.nDevFuncMode))
        return 1;
    QString a;
    QString b;

    if (devReadback.nDevFuncMode == 0) {
        if (!reads.low(kRegTimeCodeA_H9, &dev.nDevTimeRange))
            return 1;
        const int c = dev.nDevTimeRange;
        a += SummaryLine(res::kFunctionSelection, LoadResString(res::kTimer));
        a += SummaryLine(res::kTimeRange, timeRangeText(c));
        a += SummaryLine(res::kTimeMode, LoadResString(c % 2 == 0 ? res::kUp : res::kDown));
        if (!reads.low(kRegOutputModeA_H9, &dev.nDevOutputMode))
            return 1;
        a += SummaryLine(res::kOutputMode, code(v));
        if (!reads.low(kRegFuncB_H9, &dev.nDevFuncB_H9))
            return 1;
        if (dev.nDevFuncB_H9 == 0) {
            if (!reads.low(kRegCountInputModeB_H9, &dev.nDevCountInputMode_H9))
                return 1;
            b += SummaryLine(res::kFunctionSelection, LoadResString(res::kOneStageCounter));
            b += SummaryLine(res::kInputMode, inputModeText(v));
            if (!reads.low(kRegOutputModeB_H9, &dev.nDevOutputModeB_H9))
                return 1;
            b += SummaryLine(res::kOutputMode, code(v) + " ( " + listText(kCounterOutputModes, v) + " ) ");
            if (!reads.low(kRegDotAdjB_H9, &dev.nDevDotAdjB_H9))
                return 1;
            b += SummaryLine(res::kDecimalPoint, code(v));
            if (!reads.low(kRegMaxFreqB_H9))
                return 1;
            b += SummaryLine(res::kCountingSpeed, listText(kSpeeds, v));
            if (!reads.read(kRegMagnificationB_H9, 2, block))
                return 1;
            b += SummaryLine(res::kPrescale, ShortestDecimal(prescaleDigits(block)));
        } else if (dev.nDevFuncB_H9 == 1) {
            if (!reads.low(kRegSampleAvgB_F_H9))
                return 1;
            b += SummaryLine(res::kFunctionSelection, LoadResString(res::kTachometer));
            b += SummaryLine(res::kAverageProcessing, listText(kAverages, v));
            if (!reads.low(kRegDotAdjB_H9, &dev.nDevDotAdjB_F_H9))
                return 1;
            b += SummaryLine(res::kDecimalPoint, code(v));
            if (!reads.low(kRegMaxFreqB_H9, &dev.nDevMaxFreqB_H9))
                return 1;
            b += SummaryLine(res::kCountingSpeed, listText(kSpeeds, v));
            if (!reads.low(kRegOutputModeB_F_H9, &dev.nDevOutputModeB_F_H9))
                return 1;
            b += SummaryLine(res::kOutputMode, code(v));
            if (!reads.read(kRegMagnificationB_H9, 2, block))
                return 1;
            b += SummaryLine(res::kPrescale, ShortestDecimal(prescaleDigits(block)));
            if (!reads.read(kRegHoldCounterB_F_H9, 2, block))
                return 1;
            b += SummaryLine(res::kStartupTime, ShortestDecimal(startupDigits(block)));
        }
        PresetPanelA_H9(dev.nDevTimeRange);
        if (dev.nDevFuncB_H9 == 0)
            PresetPanelB_H9(0, dev.nDevCountInputMode_H9, dev.nDevDotAdjB_H9);
        else
            PresetPanelB_H9(1, 0, dev.nDevDotAdjB_F_H9);
    } else if (devReadback.nDevFuncMode == 1) {
        if (!reads.low(kRegDualFunc_H9, &dev.nDevDualFunc_H9))
            return 1;
        if (dev.nDevDualFunc_H9 == 0) {
            const QString stage = SummaryNameLine(res::kTwoStageTimer)
                                + SummaryLine(res::kTimeRange, QStringLiteral("0 ~ 999999 Sec"))
                                + SummaryLine(res::kTimeMode, LoadResString(res::kUp));
            a += stage;
            b += stage;
            if (!reads.low(kRegOutputMode_T_Dual_0_H9, &dev.nDevOutputMode_T_Dual_0_H9))
                return 1;
            a += SummaryLine(res::kOutputMode, code(v));
            if (!reads.low(kRegOutputMode_T_Dual_1_H9, &dev.nDevOutputMode_T_Dual_1_H9))
                return 1;
            b += SummaryLine(res::kOutputMode, code(v));
            PresetPanelsTwoStage_H9();
        } else if (dev.nDevDualFunc_H9 == 1) {
            if (!reads.low(kRegDualCounterMode_H9, &dev.nDevDualCounterMode_H9))
                return 1;
            const int sub = dev.nDevDualCounterMode_H9;
            if (sub == 0)
                a += SummaryNameLine(res::kTotalCounter);
            else if (sub == 1)
                a += SummaryNameLine(res::kBatchCounter);
            else
                a += SummaryNameLine(res::kOneStageCounter) + SummaryLine(res::kInputMode, LoadResString(res::kIndividualUp))
                   + SummaryLine(res::kCountingSpeed, QStringLiteral("30Hz"));
            if (!reads.low(kRegOutputMode_C_Dual_0_H9, &dev.nDevOutputMode_C_Dual_H9))
                return 1;
            a += SummaryLine(res::kOutputMode, code(v));
            if (!reads.low(kRegCountInputModeB_H9, &dev.nDevCountInputMode_H9))
                return 1;
            b += SummaryNameLine(res::kOneStageCounter) + SummaryLine(res::kInputMode, inputModeText(v));
            if (!reads.low(kRegOutputModeB_H9, &dev.nDevOutputModeB_H9))
                return 1;
            QString shown = code(v);
            if (sub == 1) {
                // The batch counter offers its own four-item list of output modes.
                switch (v) {
                case 4: shown = QStringLiteral("0"); break;
                case 10: shown = QStringLiteral("1"); break;
                case 12: shown = QStringLiteral("2"); break;
                case 13: shown = QStringLiteral("3"); break;
                default: shown.clear(); break;
                }
            }
            b += SummaryLine(res::kOutputMode, shown + " ( " + listText(kCounterOutputModes, v) + " ) ");
            if (!reads.low(kRegMaxFreqB_H9))
                return 1;
            b += SummaryLine(res::kCountingSpeed, listText(kSpeeds, v));
            PresetPanelsDualCounter_H9();
        } else {
            a += SummaryNameLine(res::kTachometer);
            if (!reads.low(kRegOutputModeA_Dual_F_H9, &dev.nDevOutputMode_Dual_F_H9))
                return 1;
            a += SummaryLine(res::kOutputMode, code(v));
            if (!reads.low(kRegSampleAvgB_F_H9))
                return 1;
            b += SummaryNameLine(res::kTachometer) + SummaryLine(res::kAverageProcessing, listText(kAverages, v));
            if (!reads.low(kRegMaxFreqB_H9, &dev.nDevMaxFreqB_H9))
                return 1;
            b += SummaryLine(res::kCountingSpeed, listText(kSpeeds, v));
            if (!reads.low(kRegOutputModeB_F_H9, &dev.nDevOutputModeB_F_H9))
                return 1;
            b += SummaryLine(res::kOutputMode, code(v));
            if (!reads.read(kRegHoldCounterB_F_H9, 2, block))
                return 1;
            b += SummaryLine(res::kStartupTime, ShortestDecimal(startupDigits(block)));
            PresetPanelsDualTacho_H9();
        }
    }

    QString common;
    if (!reads.low(kRegSGWidth_H9))
        return 1;
    common += SummaryLine(res::kInputSignalWidth, v == 0 ? QStringLiteral("1 ms") : QStringLiteral("20 ms"));
    if (!reads.low(kRegInputMethod_H9))
        return 1;
    common += SummaryLine(res::kNpnPnpInputMode, v == 0 ? QStringLiteral("NPN") : QStringLiteral("PNP"));
    if (!reads.read(kRegPowerSaving_H9, 2, block))
        return 1;
    common += LoadResString(block.word(0) == 0 ? res::kPowerSavingOff : res::kPowerSavingOn) + QLatin1String(kLineEnd);

    QByteArray menu;
    for (int address = kRegSysFlags_H9; address < kRegSysFlags_H9 + kSysFlagCount_H9; ++address) {
        if (!reads.read(address, 1, block))
            return 1;
        const QByteArray pair = block.lowText(0);
        if (pair.size() == 2)
            menu += pair.right(1) + pair.left(1);
    }
    common += QStringLiteral(" Menu : ") + QString::fromLatin1(menu);

    const QString type = SummaryTypeLine(modelName);
    summary.textA = type + a + common;
    summary.textB = type + b + common;
    return 0;
}
