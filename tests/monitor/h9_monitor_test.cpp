// The H9 start (summary, presets, reads in order) and its live reading.
#include "memory_source.h"

#include "monitor/h9_monitor.h"

namespace {

class H9Monitor : public montest::MonitorLogic {
protected:
    // Timer (time code 0, output 3) with a counter (input 0, output 4, point 2,
    // speed 1, prescale 01.000) on channel B; width 0, NPN, no power saving.
    void timerWithCounter()
    {
        src.poke(1542, {0});
        src.poke(1114, {0});
        src.poke(1176, {3});
        src.poke(1552, {0});
        src.poke(1374, {0});
        src.poke(1376, {4});
        src.poke(1364, {2});
        src.poke(1356, {1});
        src.poke(1360, {0x00, 0x00, 0x01, 0x00});
        src.poke(1780, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC});
    }
    // Live values of that function.
    void timerWithCounterLive()
    {
        src.poke(1184, {0x56, 0x00, 0x34, 0x12});       // present value 123456
        src.poke(1116, {0x00, 0x00, 0x00, 0x10});       // set value 100000
        src.poke(1504, {0x56, 0x04, 0x23, 0x00, 0x01}); // 000123.456
        src.poke(1366, {0x54, 0x00, 0x76, 0x98});       // set value 987654
        src.poke(1278, {1});
        src.poke(1248, {1});
        src.poke(1498, {0x30});
    }
    // The reads since the last clear: the address, with "x" and the count for a block.
    std::string reads() const
    {
        std::string out;
        for (int e : src.log) {
            out += out.empty() ? "" : " ";
            out += e < 100000 ? std::to_string(e) : std::to_string(e / 100) + "x" + std::to_string(e % 100);
        }
        return out;
    }
};

} // namespace

TEST_F(H9Monitor, TimerWithCounterSummaryAndPresets)
{
    timerWithCounter();
    ASSERT_EQ(InitMonitor_H9(src, "H9 model", summary), 0);
    const QString type = "Type :   : H9 model\r\n";
    const QString tail = "Input Signal Width : 1 ms\r\nNPN / PNP Input Mode : NPN\r\nPower Saving : OFF\r\n"
                         " Menu : 21436587A9CB";
    EXPECT_EQ(summary.textA, type + "Function Selection : Timer\r\nTime Range : 0.01~9999.99 Sec\r\n"
                                    "Time Mode : Up\r\nOutput Mode : 3\r\n" + tail);
    EXPECT_EQ(summary.textB.value_or("unset"),
              type + "Function Selection : 1-stage Counter\r\nInput Mode : 0 : Command (Up)\r\n"
                     "Output Mode : 4 ( K-1 ) \r\nDecimal Point Position : 2\r\nCounting Speed : 100 Hz\r\n"
                     "Prescale Value : 1\r\n" + tail);
    EXPECT_EQ(PanelNextA.byTimerMode, 4);
    EXPECT_EQ(PanelNextA.byDPColA, (PointPair{0, 1}));
    EXPECT_EQ(PanelNextA.byCountDir, 1);
    EXPECT_EQ(PanelNextB.byGroup, 2);
    EXPECT_EQ(PanelNextB.byDPColA, (PointPair{0, 1}));

    // Prescales with a fraction, on the counter and on the tachometer of channel B.
    const struct { std::initializer_list<int> bytes; const char* text; } prescales[2] = {
        {{0x34, 0x02, 0x01, 0x00}, "1.234"}, {{0x50, 0x00, 0x10, 0x00}, "10.05"}};
    for (const auto& p : prescales)
        for (int kind : {0, 1}) {
            src.poke(1360, p.bytes);
            src.poke(1552, {kind});
            ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
            EXPECT_TRUE(summary.textB->contains(QString("\r\nPrescale Value : %1\r\n").arg(p.text))) << summary.textB->toStdString();
        }
}

// What the start and one poll read in each function the monitor tells apart, and the
// count direction display B is preset with; the start ends alike in all of them. The
// counter on channel B runs through every input mode: 0, 1, 2 and 6 count up.
TEST_F(H9Monitor, ReadsOfEachFunction)
{
    struct Case {
        int group, kind, inputMode;
        const char* start;
        std::string poll;
        int countDirB;
    };
    const char* const counter = "1542 1114 1176 1552 1374 1376 1364 1356 1360x2";
    const std::string timer = "1184x2 1116x2 1278 1248 1498 ";
    const std::string up = timer + "1504x3 1366x2", down = timer + "1510x3 1370x2";
    const Case cases[] = {
        {0, 0, 0, counter, up, 1},
        {0, 0, 1, counter, up, 1},
        {0, 0, 2, counter, up, 1},
        {0, 0, 3, counter, down, 2},
        {0, 0, 4, counter, down, 2},
        {0, 0, 5, counter, down, 2},
        {0, 0, 6, counter, up, 1},
        {0, 0, 7, counter, down, 2},
        {0, 1, 0, "1542 1114 1176 1552 1556 1364 1356 1554 1360x2 1574x2", timer + "1562x3 1366x2", 0},
        {1, 0, 0, "1542 1584 1594 1596", "1608x2 1586x2 1278 1248 1498 1590x2", 1},
        {1, 1, 4, "1542 1584 1648 1658 1374 1376 1356", "1664x2 1650x2 1278 1498 1510x3 1370x2", 2},
        {1, 2, 0, "1542 1584 1684 1556 1356 1554 1574x2", "1564x2 1680x2 1278 1498 1562x3 1366x2", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ", input mode " << c.inputMode);
        src.poke(1542, {c.group});
        src.poke(c.group == 0 ? 1552 : 1584, {c.kind});
        src.poke(1374, {c.inputMode});
        src.log.clear();
        ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
        EXPECT_EQ(reads(), std::string(c.start) + " 1178 1358 1686x2 1780 1781 1782 1783 1784 1785");
        src.log.clear();
        ASSERT_EQ(UpdateMonitorPanel_H9(src), 0);
        EXPECT_EQ(reads(), c.poll);
        EXPECT_EQ(PanelShownB.byCountDir, c.countDirB);
    }
}

TEST_F(H9Monitor, DualFunctionSummaries)
{
    // Counter + batch counter: the batch list numbers K-2 as 1.
    src.poke(1542, {1});
    src.poke(1584, {1});
    src.poke(1648, {1});
    src.poke(1374, {3});
    src.poke(1376, {10});
    src.poke(1686, {0x00, 0x01}); // power saving: the high byte alone counts
    ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.startsWith("Type :   : M\r\nBatch counter\r\nOutput Mode : 0\r\n"));
    EXPECT_TRUE(summary.textB->contains("1-stage Counter\r\nInput Mode : 3 : Command (Down)\r\n"
                                        "Output Mode : 1 ( K-2 ) \r\n"));
    EXPECT_TRUE(summary.textB->contains("Power Saving : ON\r\n"));

    // Two counters: fixed input mode and speed text on A.
    src.poke(1648, {2});
    ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.contains("1-stage Counter\r\nInput Mode : 1 : Individual (Up)\r\n"
                                       "Counting Speed : 30Hz\r\n"));

    // A function group the table lacks: only the common lines, no preset.
    src.poke(1542, {7});
    PanelNextA.byGroup = 3;
    ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.startsWith("Type :   : M\r\nInput Signal Width"));
    EXPECT_EQ(PanelNextA.byGroup, 3);
}

// The counter's output-mode line over the whole list: its code and name, where the batch
// counter numbers K-1, K-2, Q-1 and Q-2 in its own list and leaves the others unnumbered.
TEST_F(H9Monitor, CounterOutputModeLineForEveryOutputMode)
{
    const char* const names[14] = {"N-1", "F-1", "C-1", "R-1", "K-1", "P-1", "N-2",
                                   "F-2", "C-2", "R-2", "K-2", "P-2", "Q-1", "Q-2"};
    const char* const batch[14] = {"", "", "", "", "0", "", "", "", "", "", "1", "", "2", "3"};
    for (int n = 0; n < 14; ++n) {
        SCOPED_TRACE(n);
        timerWithCounter();
        src.poke(1376, {n});
        ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
        EXPECT_TRUE(summary.textB->contains(QString("\r\nOutput Mode : %1 ( %2 ) \r\n").arg(n).arg(names[n])));
        src.poke(1542, {1});
        src.poke(1584, {1});
        src.poke(1648, {1});
        ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
        EXPECT_TRUE(summary.textB->contains(QString("\r\nOutput Mode : %1 ( %2 ) \r\n").arg(batch[n], names[n])));
    }
}

TEST_F(H9Monitor, StopOrAFailedReadEndsTheStartWithoutTouchingTheBoxes)
{
    timerWithCounter();
    summary.textA = "old";
    src.beforeRead = [](int address) {
        if (address == 1176)
            monitorState.bMonitoring = false;
    };
    EXPECT_EQ(InitMonitor_H9(src, "M", summary), 1);
    EXPECT_EQ(src.log.back(), 1176);
    EXPECT_EQ(summary.textA, "old");
    EXPECT_FALSE(summary.textB.has_value());
    // Off on entry: nothing is read and the start counts as done.
    src.log.clear();
    EXPECT_EQ(InitMonitor_H9(src, "M", summary), 0);
    EXPECT_TRUE(src.log.empty());

    monitorState.bMonitoring = true;
    src.beforeRead = {};
    src.failures[1783] = 3;
    EXPECT_EQ(InitMonitor_H9(src, "M", summary), 1);
    EXPECT_EQ(summary.textA, "old");
}

TEST_F(H9Monitor, TimerWithCounterPoll)
{
    timerWithCounter();
    timerWithCounterLive();
    ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
    int draws = 0;
    setPanelDrawer([&] { ++draws; });
    src.log.clear();
    ASSERT_EQ(UpdateMonitorPanel_H9(src), 0);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(PanelShownA.byCharA, row({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(PanelShownA.byCharB, row({1, 0, 0, 0, 0, 0}));
    // The two highest integer digits dropped, the third decimal not shown.
    EXPECT_EQ(PanelShownB.byCharA, row({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(PanelShownB.byCharB, row({9, 8, 7, 6, 5, 4}));
    EXPECT_EQ(PanelShownA.byKP, 1);
    EXPECT_EQ(PanelShownB.byKP, 1);
    EXPECT_EQ(PanelShownA.byOnOff, 1);
    EXPECT_EQ(PanelShownB.sWeek, "0000101");
    EXPECT_EQ(monitorState.sMonitorText[0], "1234.56");
    EXPECT_EQ(monitorState.sMonitorText[1], "0123.45");

    // A digit character that is not decimal keeps the digit it replaces.
    src.poke(1184, {0x5A});
    ASSERT_EQ(UpdateMonitorPanel_H9(src), 0);
    EXPECT_EQ(PanelShownA.byCharA, row({1, 2, 3, 4, 5, 6}));

    // A failed read: nothing copied, drawn or formatted.
    src.poke(1184, {0x00});
    src.failures[1248] = 3;
    EXPECT_EQ(UpdateMonitorPanel_H9(src), 3);
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(PanelShownA.byCharA, row({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(monitorState.sMonitorText[0], "1234.56");
    EXPECT_EQ(PanelNextA.byCharA, row({1, 2, 3, 4, 0, 0}));
}

TEST_F(H9Monitor, ValuesWithoutADecodingDrawBlankAndFailThePoll)
{
    timerWithCounter();
    timerWithCounterLive();
    src.poke(1114, {9}); // a time code no register belongs to
    src.poke(1364, {5}); // a decimal point the counter cannot show
    ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.contains("Time Range : 9\r\nTime Mode : Down\r\n"));
    src.log.clear();
    EXPECT_EQ(UpdateMonitorPanel_H9(src), kUndecodableValue);
    EXPECT_EQ(reads(), "1278 1248 1498 1504x3 1366x2");
    EXPECT_EQ(PanelShownA.byCharA, row({99, 99, 99, 99, 99, 99}));
    EXPECT_EQ(PanelShownB.byCharA, row({99, 99, 99, 99, 99, 99}));
    EXPECT_EQ(PanelShownB.byCharB, row({9, 8, 7, 6, 5, 4}));
    EXPECT_EQ(PanelShownA.sWeek, "0000101");
}

TEST_F(H9Monitor, DualCounterPollAndAnUnknownGroup)
{
    src.poke(1542, {1});
    // Dual counter: display B counts down (1510, 1370) with the decimal point 0.
    src.poke(1584, {1});
    src.poke(1374, {4});
    devReadback.nDevDotAdjB_H9 = 3;
    src.poke(1510, {0x00, 0x00, 0x45, 0x00, 0x23, 0x01});
    ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0);
    EXPECT_EQ(PanelNextB.byDPColA, (PointPair{0, 0}));
    EXPECT_EQ(PanelNextA.byCountDir, 2);
    ASSERT_EQ(UpdateMonitorPanel_H9(src), 0);
    EXPECT_EQ(monitorState.sMonitorText[1], "012345");
    EXPECT_EQ(PanelShownA.byOnOff, 1);

    // An unknown function group reads nothing and still shows the records.
    devReadback.nDevFuncMode = 2;
    src.log.clear();
    EXPECT_EQ(UpdateMonitorPanel_H9(src), 0);
    EXPECT_TRUE(src.log.empty());
    EXPECT_EQ(monitorState.sMonitorText[1], "012345");
}

TEST_F(H9Monitor, TimerReadsTheRegistersOfItsTimeCode)
{
    // Every time code's registers hold a value of their own (first digit = the code),
    // with 9s in the byte the code's layout leaves unused. The addresses are written
    // out, not taken from the register map, so that a wrong entry there fails here.
    constexpr int kPresent[8] = {1184, 1188, 1194, 1200, 1208, 1216, 1226, 1236};
    constexpr int kSet[8] = {1116, 1120, 1126, 1132, 1140, 1148, 1158, 1168};
    constexpr int kUnitLetters[8] = {4, 4, 4, 4, 3, 3, 2, 2}; // S, M, H
    const auto pokeRow = [&](int address, int code, const DigitRow& d) {
        const auto pair = [&](std::size_t i) { return d[i] * 16 + d[i + 1]; };
        if (code <= 1) // four digits from N + 2, the last two from N's low byte
            src.poke(address, {pair(4), 0x99, pair(2), pair(0)});
        else // the first two from N + 2's low byte, the last four from N
            src.poke(address, {pair(4), pair(2), pair(0), 0x99});
    };
    const auto present = [](int code) { return row({code, 1, 2, 3, 4, 5}); };
    const auto set = [](int code) { return row({code, 6, 7, 8, 9, 0}); };
    timerWithCounter();
    timerWithCounterLive();
    for (int code = 0; code < 8; ++code) {
        pokeRow(kPresent[code], code, present(code));
        pokeRow(kSet[code], code, set(code));
    }
    for (int code = 0; code < 8; ++code) {
        src.poke(1114, {code});
        ASSERT_EQ(InitMonitor_H9(src, "M", summary), 0) << "time code " << code;
        src.log.clear();
        ASSERT_EQ(UpdateMonitorPanel_H9(src), 0) << "time code " << code;
        ASSERT_GE(src.log.size(), 2u);
        EXPECT_EQ(src.log[0], kPresent[code] * 100 + 2) << "present value register, time code " << code;
        EXPECT_EQ(src.log[1], kSet[code] * 100 + 2) << "set value register, time code " << code;
        EXPECT_EQ(PanelShownA.byCharA, present(code)) << "time code " << code;
        EXPECT_EQ(PanelShownA.byCharB, set(code)) << "time code " << code;
        EXPECT_EQ(PanelShownA.byTimerMode, kUnitLetters[code]) << "time code " << code;
        EXPECT_EQ(PanelShownA.byCountDir, code % 2 == 0 ? 1 : 2) << "time code " << code;
        const QString digits = QString::number(code) + "12345";
        EXPECT_EQ(monitorState.sMonitorText[0], code <= 1 ? digits.left(4) + "." + digits.mid(4) : digits)
            << "time code " << code;
    }
}
