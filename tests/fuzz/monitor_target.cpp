// The live register values the monitor decodes: a start and three polls of one
// instrument type whose registers hold arbitrary bytes, with one read made to fail.
//
// Input: the type (1 H9, 2 H5, 3 H7, 4 H8), a flag byte (bit 0 lower-case hexadecimal
// letters in the replies), the number of the read that fails (0 none), then the
// register bytes, handed out in the order the monitor first reads each byte address.
#include "fuzz_support.h"

#include "core/common_registers.h"
#include "core/machine_type.h"
#include "core/monitor_state.h"
#include "link/comm_records.h"
#include "link/messages.h"
#include "monitor/h5_monitor.h"
#include "monitor/h7_monitor.h"
#include "monitor/h9_monitor.h"
#include "monitor/panel_state.h"
#include "monitor/register_block.h"
#include "monitor/summary_table.h"
#include "monitor/value_log.h"
#include "platform/strings.h"

#include <array>
#include <set>

namespace {

constexpr int kFirstRegister = 1024;
// Above the highest register any map names.
constexpr int kLastByte = 2559;
constexpr int kMostRegistersRead = 14;
// What the source answers the failing read with: a time-out, as the link would.
constexpr int kFailedRead = kTimeOut;

class LazySource : public RegisterSource {
public:
    LazySource(fuzz::Input& in, bool lowerCase, int failAt) : in_(in), lowerCase_(lowerCase), failAt_(failAt)
    {
        mem_.fill(-1);
    }

    int read(int address, int count, RegisterBlock& block) override
    {
        if (!suspended_)
            ++reads;
        FUZZ_CHECK(count >= 1 && count <= kMostRegistersRead, "a read of " + std::to_string(count) + " registers");
        FUZZ_CHECK(address >= kFirstRegister && address + 2 * count - 1 <= kLastByte,
                   "a read from " + std::to_string(address));
        if (!suspended_ && reads == failAt_) {
            failed = true;
            return kFailedRead;
        }
        if (count < 1 || count > kMostRegistersRead || address < kFirstRegister || address + 2 * count - 1 > kLastByte)
            return kFailedRead;
        QByteArray chars;
        for (int k = 0; k < count; ++k) {
            const int a = address + 2 * k;
            const int low = byteAt(a);
            const int high = byteAt(a + 1);
            chars += QByteArray::number(high * 256 + low, 16).rightJustified(4, '0');
        }
        block = RegisterBlock(lowerCase_ ? chars : chars.toUpper());
        return 0;
    }

    // While suspended, no read fails and none is counted.
    void suspendFailures(bool on) { suspended_ = on; }

    int reads = 0;
    bool failed = false;

private:
    int byteAt(int address)
    {
        int& b = mem_[static_cast<std::size_t>(address)];
        if (b < 0)
            b = in_.byte();
        return b;
    }

    fuzz::Input& in_;
    bool lowerCase_;
    int failAt_;
    bool suspended_ = false;
    std::array<int, kLastByte + 1> mem_;
};

const std::set<QString>& pictureNames()
{
    static const std::set<QString> names = [] {
        const std::vector<QString> all = AllPanelPictureNames();
        return std::set<QString>(all.begin(), all.end());
    }();
    return names;
}

bool validDigit(quint8 d) { return d <= 9 || d == kDigitMinus || d == kDigitBlank; }

bool allBlank(const DigitRow& row)
{
    for (quint8 d : row)
        if (d != kDigitBlank)
            return false;
    return true;
}

// A drawable record: every element names a picture of the set, every digit a code
// the cells know.
void checkDrawable(const PanelState& p, const char* which)
{
    for (const PanelPicture& picture : PanelPictureNames(p))
        FUZZ_CHECK(pictureNames().count(picture.name) == 1, std::string(which) + " names " + picture.name.toStdString());
    for (const DigitRow* row : {&p.byCharA, &p.byCharB})
        for (quint8 d : *row)
            FUZZ_CHECK(validDigit(d), std::string(which) + " digit code " + std::to_string(d));
}

void checkValueText(const QString& text)
{
    FUZZ_CHECK(text.size() <= 8, text.toStdString());
    for (QChar c : text)
        FUZZ_CHECK(QStringLiteral("0123456789 .:-").contains(c), text.toStdString());
}

// Everything a poll reads or changes besides the registers.
struct PollState {
    PanelState nextA = PanelNextA, shownA = PanelShownA, nextB = PanelNextB, shownB = PanelShownB;
    MonitorState monitor = monitorState;
    DevReadback dev = devReadback;
    CommState comm = commState;
    qint16 iconA = nTimerIconA_H5, iconB = nTimerIconB_H5;
    bool blink = bBlinkPhase_H5;

    void restore() const
    {
        PanelNextA = nextA;
        PanelShownA = shownA;
        PanelNextB = nextB;
        PanelShownB = shownB;
        monitorState = monitor;
        devReadback = dev;
        commState = comm;
        nTimerIconA_H5 = iconA;
        nTimerIconB_H5 = iconB;
        bBlinkPhase_H5 = blink;
    }
};

// The values a poll decodes through a table (the H9 time code and decimal points, the
// H5 time ranges), each put to the table's first entry when it lies outside; false
// when every one was inside.
bool bringIntoTables(DevReadback& d, int type)
{
    bool changed = false;
    const auto into = [&changed](quint8& v, int last) {
        if (v > last) {
            v = 0;
            changed = true;
        }
    };
    if (type == 1) {
        into(d.nDevTimeRange, 7);
        into(d.nDevDotAdjB_H9, 3);
        into(d.nDevDotAdjB_F_H9, 3);
    } else {
        into(d.nDevTimeRange, 9);
        into(d.nDevTimeRangeOFF_H5, 9);
        into(d.nDevTimeRangeON_H5, 9);
    }
    return changed;
}

// A record without the elements those values decide: the digit rows of an H9, the
// separators and unit letters of an H5.
PanelState withoutTableElements(PanelState p, int type)
{
    if (type == 1) {
        p.byCharA = {};
        p.byCharB = {};
    } else {
        p.clearPoints();
        p.byTimerMode = 0;
    }
    return p;
}

using Start = int (*)(RegisterSource&, const QString&, MonitorSummary&);
using Poll = int (*)(RegisterSource&);

} // namespace

TCPANEL_FUZZ_TARGET(monitor)
{
    fuzz::Input in(data, size);
    const int type = 1 + in.byte() % 4;
    const std::uint8_t flags = in.byte();
    const int failAt = in.byte() % 32;
    LazySource source(in, flags & 1, failAt);

    platform::setLanguage(platform::Language::English);
    commState = CommState{};
    monitorState = MonitorState{};
    monitorState.bMonitoring = true;
    monitorState.nDevCode = type;
    devReadback = DevReadback{};
    logSettings = LogSettings{};
    logSettings.sLogDelimiter = LogDelimiter(0);
    PanelNextA = PanelShownA = PanelNextB = PanelShownB = PanelState{};
    setPanelDrawer({});

    // An H8 is read as an H5 in the timer modes and as an H7 in the counter modes; the
    // window refuses any other mode before a start.
    bool h7 = type == 3;
    if (type == 4) {
        RegisterBlock mode;
        if (source.read(kRegFuncMode, 1, mode) != 0)
            return;
        if (mode.low(0) > 8)
            return;
        h7 = mode.low(0) > 2;
    }
    const Start start = type == 1 ? InitMonitor_H9 : h7 ? InitMonitor_H7 : InitMonitor_H5;
    const Poll poll = type == 1 ? UpdateMonitorPanel_H9 : h7 ? UpdateMonitorPanel_H7 : UpdateMonitorPanel_H5;

    MonitorSummary summary;
    const int started = start(source, ModelName(type), summary);
    FUZZ_CHECK(started == 0 || started == 1, "start gave " + std::to_string(started));
    if (source.failed)
        FUZZ_CHECK(started == 1, "a start with a failed read went on");
    if (started != 0)
        return;
    FUZZ_CHECK(summary.textA.startsWith(SummaryTypeLine(ModelName(type))), summary.textA.toStdString());
    checkDrawable(PanelNextA, "preset panel A");
    checkDrawable(PanelNextB, "preset panel B");

    for (int round = 0; round < 3; ++round) {
        const PollState before;
        const PanelState& shownA = before.shownA;
        const PanelState& shownB = before.shownB;
        const auto& texts = before.monitor.sMonitorText;
        const bool failedBefore = source.failed;
        const int result = poll(source);
        const bool failedNow = source.failed && !failedBefore;
        const std::string r = "poll " + std::to_string(round) + " gave " + std::to_string(result);
        if (result != 0 && result != kUndecodableValue) {
            FUZZ_CHECK(h7 ? result == 1 : result == kFailedRead, r);
            FUZZ_CHECK(failedNow, r + " without a failed read");
            // Nothing of a failed poll reaches the panel or the log.
            FUZZ_CHECK(PanelShownA == shownA && PanelShownB == shownB, r + " and drew");
            FUZZ_CHECK(monitorState.sMonitorText == texts, r + " and changed the logged values");
            continue;
        }
        // A failed read may only go unnoticed as the last look of an H5 poll.
        if (failedNow)
            FUZZ_CHECK(!h7 && type != 1 && source.reads == failAt, r + " after a failed read");
        FUZZ_CHECK(PanelShownA == PanelNextA && PanelShownB == PanelNextB, r + " without drawing what it read");
        checkDrawable(PanelShownA, "panel A");
        checkDrawable(PanelShownB, "panel B");
        FUZZ_CHECK(monitorState.sMonitorText[0] == FormatUpperRow(PanelShownA), r);
        checkValueText(monitorState.sMonitorText[0]);
        checkValueText(monitorState.sMonitorText[1]);
        if (result == kUndecodableValue) {
            // The element that could not be decoded is dark: an H9 value's whole row,
            // an H5 time range's separators.
            const auto dark = [](const PointPair& a, const PointPair& b) { return a == PointPair{} && b == PointPair{}; };
            const bool blank = type == 1 ? allBlank(PanelShownA.byCharA) || allBlank(PanelShownA.byCharB)
                                               || allBlank(PanelShownB.byCharA)
                                         : dark(PanelShownA.byDPColA, PanelShownA.byDPA)
                                               || dark(PanelShownA.byDPColB, PanelShownA.byDPB)
                                               || dark(PanelShownB.byDPColA, PanelShownB.byDPA);
            FUZZ_CHECK(blank, r + " with nothing dark");

            // The same poll with those values inside their tables succeeds and differs
            // only in the elements they decide.
            const PollState after;
            before.restore();
            FUZZ_CHECK(bringIntoTables(devReadback, type), r + " with every value inside its table");
            source.suspendFailures(true);
            const int inside = poll(source);
            source.suspendFailures(false);
            FUZZ_CHECK(inside == 0, r + ", and " + std::to_string(inside) + " with the values inside their tables");
            FUZZ_CHECK(withoutTableElements(PanelShownA, type) == withoutTableElements(after.shownA, type)
                           && withoutTableElements(PanelShownB, type) == withoutTableElements(after.shownB, type),
                       r + " and changed more than the undecodable elements");
            after.restore();
        }
        if (type == 1 && devReadback.nDevFuncMode == 0 && result == 0)
            FUZZ_CHECK(devReadback.nDevTimeRange <= 7, "time code " + std::to_string(devReadback.nDevTimeRange) + " decoded");
        const QString line = LogLine(QStringLiteral("1/1/2026 00:00:00"), logSettings, monitorState);
        FUZZ_CHECK(line.endsWith(QStringLiteral("\r\n")) && line.count(QLatin1Char('\n')) == 1, line.toStdString());
    }
    monitorState = MonitorState{};
}
