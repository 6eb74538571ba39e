#include "monitor/h7_monitor.h"

#include "core/h5h7_registers.h"
#include "core/monitor_state.h"
#include "platform/strings.h"

#include <array>
#include <optional>

using platform::LoadResString;

namespace {

const std::array<const char*, 5> kInputModes = {"UP", "DOWN", "UP/DOWN A", "UP/DOWN B", "UP/DOWN C"};
const std::array<const char*, 2> kDualInputModes = {"ADD", "SUB"};
const std::array<const char*, 12> kOutputModes = {"N", "F", "C", "R", "K-1", "P", "Q", "A", "K-2", "D", "L", "H"};
const std::array<const char*, 4> kTachoOutputModes = {"HI_LO", "AREA", "HI_HI", "LO_LO"};
const std::array<const char*, 2> kSpeeds = {"30 Hz", "5K Hz"};
const std::array<const char*, 2> kTachoSpeeds = {"30 Hz", "10K Hz"};
const std::array<const char*, 4> kAverages = {"OFF", "2", "4", "8"};
const std::array<const char*, 4> kDecimalPoints = {"----", "---.-", "--.--", "-.---"};

// The text of a code, or nothing when the list has none: the start then fails.
template <std::size_t N>
std::optional<QString> listText(const std::array<const char*, N>& list, int code)
{
    if (code < 0 || code >= static_cast<int>(N))
        return std::nullopt;
    return QString::fromLatin1(list[static_cast<std::size_t>(code)]);
}

// The two characters of the byte at `address` in a block read from `base`.
QByteArray byteChars(const RegisterBlock& block, int base, int address)
{
    const int k = (address - base) / 2;
    return (address - base) % 2 == 0 ? block.lowText(k) : block.chars().mid(4 * k, 2);
}

bool allDigits(const QByteArray& s)
{
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return !s.isEmpty();
}

// Output time: six digits as three, ".", three; "Hold" when all are 0.
QString outputTimeText(const QByteArray& digits)
{
    return digits == "000000" ? QStringLiteral("Hold") : QString::fromLatin1(digits.left(3) + '.' + digits.mid(3));
}

bool outputTimeShown(int outputMode) { return outputMode >= 2 && outputMode <= 8; }

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
    StartReads reads(source);
    RegisterBlock head;
    RegisterBlock cfg;
    if (!reads.read(kRegFuncMode, 4, head))
        return 1;
    const int mode = head.low(0);
    devReadback.nDevFuncMode = static_cast<quint8>(mode);
    const int width = head.low(1);
    const int inputType = head.low(2);
    const int keyLevel = head.low(3);
    if (!reads.read(kRegCntFirst_H7, 14, cfg))
        return 1;
    const int inputMode = cfg.low(0);
    const int outputMode = cfg.low(1);
    const int speed = cfg.low(2);
    const int dp = cfg.low(3);
    devReadback.nDevDotAdj_H7 = static_cast<quint8>(dp);
    const auto bytes = [&cfg](std::initializer_list<int> addresses) {
        QByteArray s;
        for (int address : addresses)
            s += byteChars(cfg, kRegCntFirst_H7, address);
        return s;
    };
    const QByteArray prescale =
        bytes({kRegMagnification_H7 + 2, kRegMagnification_H7 + 1, kRegMagnification_H7}).mid(1);
    const QByteArray outputTime1 = bytes({kRegHoldCounter1_H7 + 2, kRegHoldCounter1_H7 + 1, kRegHoldCounter1_H7});
    const QByteArray outputTime2 = bytes({kRegHoldCounter2_H7 + 2, kRegHoldCounter2_H7 + 1, kRegHoldCounter2_H7});

    RegisterBlock extra;
    if (mode == 7 && !reads.read(kRegDualInputMode_H7, 1, extra))
        return 1;
    if (mode == 8 && !reads.read(kRegOutputMode_freq_H7, 4, extra))
        return 1;

    if (!allDigits(outputTime1) || !allDigits(outputTime2))
        return 1;
    const std::optional<QString> dpText = listText(kDecimalPoints, dp);
    if (!dpText || keyLevel > 4)
        return 1;
    const QString prescaleText = QString::fromLatin1(prescale.left(2) + '.' + prescale.mid(2));
    const QString npn = inputType == 0 ? QStringLiteral("NPN") : QStringLiteral("PNP");
    const QString kp = QStringLiteral("KP-%1").arg(keyLevel + 1);
    const QString common =
        SummaryLine(res::kInputSignalWidth, width == 0 ? QStringLiteral("20 ms") : QStringLiteral("1 ms"))
        + SummaryLine(res::kDecimalPoint, *dpText) + SummaryLine(res::kPrescale, prescaleText)
        + SummaryLine(res::kNpnPnpInputMode, npn) + SummaryLine(res::kKeyProtectLevel, kp);
    const QString type = SummaryTypeLine(modelName);

    QString a;
    std::optional<QString> b;
    if (mode >= 3 && mode <= 6) {
        const std::optional<QString> input = listText(kInputModes, inputMode);
        const std::optional<QString> output = listText(kOutputModes, outputMode);
        const std::optional<QString> speedText = listText(kSpeeds, speed);
        if (!input || !output || !speedText)
            return 1;
        const int nameId = mode == 4 ? res::kTwoStageCounter : res::kOneStageCounter;
        const QString head = SummaryLine(res::kFunctionSelection, LoadResString(nameId))
                           + SummaryLine(res::kInputMode, *input) + SummaryLine(res::kOutputMode, *output);
        if (mode == 4) {
            a = head + (outputMode <= 8 ? SummaryLine(res::kOutputTime1, outputTimeText(outputTime1)) : QString())
              + SummaryLine(res::kCountingSpeed, *speedText) + common;
            b = type + head
              + (outputTimeShown(outputMode) ? SummaryLine(res::kOutputTime2, outputTimeText(outputTime2)) : QString())
              + SummaryLine(res::kCountingSpeed, *speedText) + common;
        } else {
            a = head
              + (outputTimeShown(outputMode) ? SummaryLine(res::kOutputTime, outputTimeText(outputTime1)) : QString())
              + SummaryLine(res::kCountingSpeed, *speedText) + common;
            if (mode == 3)
                b = QString();
            else
                b = type + LoadResString(res::kFunctionSelection) + QStringLiteral(" : ")
                  + LoadResString(mode == 5 ? res::kTotalCounter : res::kBatchCounter);
        }
    } else if (mode == 7) {
        const std::optional<QString> input = listText(kDualInputModes, extra.low(0));
        const std::optional<QString> output = listText(kOutputModes, outputMode);
        const std::optional<QString> speedText = listText(kSpeeds, speed);
        if (!input || !output || !speedText)
            return 1;
        a = SummaryLine(res::kFunctionSelection, LoadResString(res::kDualCounter)) + SummaryLine(res::kInputMode, *input)
          + SummaryLine(res::kOutputMode, *output) + SummaryLine(res::kCountingSpeed, *speedText)
          + (outputTimeShown(outputMode) ? SummaryLine(res::kOutputTime, outputTimeText(outputTime1)) : QString()) + common;
        b = type + a;
    } else if (mode == 8) {
        const std::optional<QString> output = listText(kTachoOutputModes, extra.low(0));
        const std::optional<QString> average = listText(kAverages, extra.low(1));
        const std::optional<QString> speedText = listText(kTachoSpeeds, speed);
        if (!output || !average || !speedText)
            return 1;
        const QByteArray autoZero = byteChars(extra, kRegOutputMode_freq_H7, kRegAuto2ZeroTime_freq_H7 + 1)
                                  + byteChars(extra, kRegOutputMode_freq_H7, kRegAuto2ZeroTime_freq_H7);
        const QByteArray startup = byteChars(extra, kRegOutputMode_freq_H7, kRegDelay2StartTime_freq_H7 + 1)
                                 + byteChars(extra, kRegOutputMode_freq_H7, kRegDelay2StartTime_freq_H7);
        const auto twoDotTwo = [](const QByteArray& s) { return QString::fromLatin1(s.left(2) + '.' + s.mid(2)); };
        a = SummaryLine(res::kFunctionSelection, LoadResString(res::kTachometer)) + SummaryLine(res::kOutputMode, *output)
          + SummaryLine(res::kCountingSpeed, *speedText) + SummaryLine(res::kDecimalPoint, *dpText)
          + SummaryLine(res::kPrescale, prescaleText) + SummaryLine(res::kAverageProcessing, *average)
          + SummaryLine(res::kAutoZeroTime, twoDotTwo(autoZero)) + SummaryLine(res::kStartupTime, twoDotTwo(startup))
          + SummaryLine(res::kNpnPnpInputMode, npn) + SummaryLine(res::kKeyProtectLevel, kp);
        b = type + a;
    } else {
        a = common;
    }

    summary.textA = type + a;
    summary.textB = b;
    // The tachometer's legend follows its own output mode, as the counters' follows theirs.
    PresetPanels_H7(mode, dp, mode == 8 ? extra.low(0) : outputMode);
    return 0;
}
