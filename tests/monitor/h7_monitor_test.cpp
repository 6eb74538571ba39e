// The H7 start (summary, presets, refusals) and its live reading.
#include "memory_source.h"

#include "link/comm_records.h"
#include "monitor/h7_monitor.h"

namespace {

using montest::logged;

class H7Monitor : public montest::MonitorLogic {
protected:
    // Input UP/DOWN A, output C, 5K Hz, point 2, prescale 01.000, output time 1
    // 000.500, output time 2 zero; 20 ms, NPN, KP-2.
    void configure(int mode)
    {
        src.poke(1074, {mode, 0, 0, 0, 0, 0, 1, 0});
        src.poke(1696, {2, 0, 2, 0, 1, 0, 2, 0, 0x00, 0x10, 0x00, 0});
        src.poke(1716, {0x00, 0x05, 0x00});
    }
    static constexpr const char* kCommon = "Input Signal Width : 20 ms\r\nDecimal Point Position : --.--\r\n"
                                           "Prescale Value : 01.000\r\nNPN / PNP Input Mode : NPN\r\n"
                                           "Key Protect Level : KP-2\r\n";
    static constexpr const char* kType = "Type :   : H7 model\r\n";
};

} // namespace

// What the start and one poll read, in order, per function.
TEST_F(H7Monitor, EachFunctionReadsItsRegisters)
{
    const std::vector<int> start = {logged(1074, 4), logged(1696, 14)};
    const std::vector<int> poll = {logged(1708, 2), 1734, logged(2340, 6), 1084, 1290, 1292};
    const std::vector<int> poll2 = {logged(1708, 2), 1734, logged(2340, 6), 1084, 1290, 1292, logged(1712, 2), 1736};
    struct Case { int mode; std::vector<int> start, poll; };
    for (const Case& c :
         {Case{3, start, poll}, {4, start, poll2}, {5, start, poll}, {6, start, poll2},
          {7, {logged(1074, 4), logged(1696, 14), 1724},
           {logged(1708, 2), 1734, logged(2340, 6), 1084, 1290, 1292, logged(2352, 6)}},
          {8, {logged(1074, 4), logged(1696, 14), logged(1726, 4)}, poll2}}) {
        SCOPED_TRACE(c.mode);
        configure(c.mode);
        src.log.clear();
        ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
        EXPECT_EQ(src.log, c.start);
        src.log.clear();
        ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
        EXPECT_EQ(src.log, c.poll);
    }
}

TEST_F(H7Monitor, CounterSummariesByMode)
{
    configure(4);
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    const QString head = "Function Selection : 2-stage Counter\r\nInput Mode : UP/DOWN A\r\nOutput Mode : C\r\n";
    EXPECT_EQ(summary.textA, kType + head + "Output Time 1 : 000.500\r\nCounting Speed : 5K Hz\r\n" + kCommon);
    EXPECT_EQ(summary.textB.value_or("unset"),
              kType + head + "Output Time 2 : Hold\r\nCounting Speed : 5K Hz\r\n" + kCommon);
    EXPECT_EQ(src.log, (std::vector<int>{logged(1074, 4), logged(1696, 14)}));
    EXPECT_EQ(PanelNextA.byGroup, 1);
    EXPECT_EQ(PanelNextB.byGroup, 2);

    // Total and batch counters: box B holds two lines, the second without a line end.
    configure(5);
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(summary.textB.value_or("unset"), QString(kType) + "Function Selection : Total counter");
    EXPECT_TRUE(summary.textA.contains("Output Mode : C\r\nOutput Time : 000.500\r\nCounting Speed"));
    EXPECT_EQ(PanelNextB.sTB, "1");
    configure(6);
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(summary.textB.value_or("unset"), QString(kType) + "Function Selection : Batch counter");
    EXPECT_EQ(PanelNextB.sCharSpB, "B");
    configure(3);
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(summary.textB.value_or("unset"), "");
    EXPECT_EQ(PanelNextB.byCharB, row({99, 99, 99, 99, 99, 99}));

    // Dual counter: its own input mode, the output time after the speed.
    configure(7);
    src.poke(1724, {1});
    src.log.clear();
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(src.log, (std::vector<int>{logged(1074, 4), logged(1696, 14), 1724}));
    EXPECT_TRUE(summary.textA.contains("Dual Counter\r\nInput Mode : SUB\r\nOutput Mode : C\r\n"
                                       "Counting Speed : 5K Hz\r\nOutput Time : 000.500\r\n"));
    EXPECT_EQ(summary.textB.value_or("unset"), summary.textA);
    EXPECT_EQ(PanelNextB.byGroup, 4);
}

// Every counter over the whole output-mode list: the name, and the output time lines of
// C to K-2, where the 2-stage counter's first output time starts at N.
TEST_F(H7Monitor, OutputTimeLinesForEveryOutputMode)
{
    const char* const names[12] = {"N", "F", "C", "R", "K-1", "P", "Q", "A", "K-2", "D", "L", "H"};
    for (int mode : {3, 4, 5, 6, 7})
        for (int om = 0; om < 12; ++om) {
            SCOPED_TRACE(mode * 100 + om);
            configure(mode);
            src.poke(1698, {om});
            ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
            const bool timed = om >= 2 && om <= 8;
            const bool lineA = mode == 4 ? om <= 8 : timed;
            const QString b = summary.textB.value_or("unset");
            EXPECT_TRUE(summary.textA.contains(QString("\r\nOutput Mode : ") + names[om] + "\r\n"));
            EXPECT_EQ(summary.textA.count("Output Time"), lineA ? 1 : 0);
            EXPECT_EQ(summary.textA.contains(mode == 4 ? "Output Time 1 : 000.500\r\n" : "Output Time : 000.500\r\n"),
                      lineA);
            EXPECT_EQ(b.count("Output Time"), (mode == 4 || mode == 7) && timed ? 1 : 0);
            EXPECT_EQ(b.contains("Output Time 2 : Hold\r\n"), mode == 4 && timed);
        }
}

TEST_F(H7Monitor, TachometerSummaryAndLegend)
{
    configure(8);
    src.poke(1726, {1, 0, 2, 0, 0x50, 0x01, 0x25, 0x00});
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(summary.textA, QString(kType)
                                 + "Function Selection : Tachometer\r\nOutput Mode : AREA\r\n"
                                   "Counting Speed : 10K Hz\r\nDecimal Point Position : --.--\r\n"
                                   "Prescale Value : 01.000\r\nAverage Processing : 4\r\nAuto-zero Time : 01.50\r\n"
                                   "Startup Time : 00.25\r\nNPN / PNP Input Mode : NPN\r\nKey Protect Level : KP-2\r\n");
    // The legend follows the tachometer's output mode: AREA lights it, HI_HI does not.
    EXPECT_EQ(PanelNextA.byGroup, 1);
    src.poke(1726, {2});
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(PanelNextA.byGroup, 0);
}

TEST_F(H7Monitor, ValuesWithoutATextFailTheStart)
{
    const auto refuses = [this](int address, int value) {
        configure(3);
        src.poke(address, {value});
        summary = MonitorSummary{"old", std::nullopt};
        PanelNextB.byGroup = 9;
        EXPECT_EQ(InitMonitor_H7(src, "M", summary), 1) << address;
        EXPECT_EQ(summary.textA, "old");
        EXPECT_EQ(PanelNextB.byGroup, 9);
    };
    refuses(1702, 4);    // decimal point
    refuses(1080, 5);    // key protect level
    refuses(1696, 5);    // input mode
    refuses(1698, 12);   // output mode
    refuses(1700, 2);    // counting speed
    refuses(1721, 0x0A); // output time 2 in a mode that does not show it
    src.failures[1696] = 3;
    configure(3);
    EXPECT_EQ(InitMonitor_H7(src, "M", summary), 1);
}

TEST_F(H7Monitor, LiveReading)
{
    configure(4);
    ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
    src.poke(1708, {0x45, 0x23, 0x01}); // set value 1 = -12345 with its sign word
    src.poke(1734, {0x01, 0x00});
    src.poke(1712, {0x00, 0x00, 0x09});
    src.poke(1736, {0x00, 0x01});                      // 0100 is negative too
    src.poke(2340, {0x56, 0x34, 0x12, 0, 0xFF, 0x00}); // present value 123456, sign 00FF
    src.poke(1084, {1});
    src.poke(1292, {0x00});
    src.poke(1290, {0x00});
    src.log.clear();
    ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
    EXPECT_EQ(src.log,
              (std::vector<int>{logged(1708, 2), 1734, logged(2340, 6), 1084, 1290, 1292, logged(1712, 2), 1736}));
    EXPECT_EQ(PanelShownA.byCharB, row({98, 1, 2, 3, 4, 5}));
    EXPECT_EQ(PanelShownB.byCharB, row({98, 9, 0, 0, 0, 0}));
    EXPECT_EQ(PanelShownA.byCharA, row({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(PanelShownB.byCharA, row({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(PanelShownB.byKP, 1);
    EXPECT_EQ(PanelShownA.sWeek, "1010000");
    EXPECT_EQ(monitorState.sMonitorText[0], "1234.56");
    EXPECT_TRUE(monitorState.sMonitorText[1].isEmpty());

    // Total and batch counter: panel B's upper row is the total or batch count, logged
    // too; each of the two values takes its own sign word (2344, 2350). The total
    // counter's lower row is blank.
    src.poke(1292, {0x03});
    src.poke(1290, {0x18});
    for (int mode : {5, 6}) {
        configure(mode);
        ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
        for (const bool firstNegative : {true, false}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", first value negative " << firstNegative);
            const int first = firstNegative ? 1 : 0, second = 1 - first;
            src.poke(2340, {0x56, 0x34, 0x12, 0, first, 0, 0x21, 0x43, 0x65, 0, second, 0});
            ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
            EXPECT_EQ(PanelShownA.byCharA, row({firstNegative ? 98 : 1, 2, 3, 4, 5, 6}));
            EXPECT_EQ(PanelShownB.byCharA, row({firstNegative ? 6 : 98, 5, 4, 3, 2, 1}));
            EXPECT_EQ(monitorState.sMonitorText[0], firstNegative ? "-234.56" : "1234.56");
            // The batch count is whole, the total takes the decimal point.
            const char* const texts[2][2] = {{"-543.21", "6543.21"}, {"-54321", "654321"}};
            EXPECT_EQ(monitorState.sMonitorText[1], texts[mode - 5][firstNegative]);
        }
        if (mode == 5) {
            EXPECT_EQ(PanelShownB.byCharB, row({99, 99, 99, 99, 99, 99}));
        }
        EXPECT_EQ(PanelShownB.sWeek, "0000101");
    }

    // Every decimal point setting where panel B carries one: the 2-stage counter's rows
    // take panel A's points, the total count its upper row's only, and is logged with it.
    const struct { PointPair colon, point; const char* total; } points[4] = {
        {{0, 0}, {0, 0}, "654321"}, {{0, 0}, {0, 1}, "65432.1"},
        {{0, 1}, {0, 0}, "6543.21"}, {{0, 0}, {1, 0}, "654.321"}};
    for (int mode : {4, 5})
        for (int dp = 0; dp <= 3; ++dp) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", decimal point " << dp);
            configure(mode);
            src.poke(1702, {dp});
            ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
            src.poke(2340, {0x56, 0x34, 0x12, 0, 0, 0, 0x21, 0x43, 0x65, 0, 0, 0});
            ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
            const PointPair none{0, 0};
            EXPECT_EQ(PanelShownB.byDPColA, points[dp].colon);
            EXPECT_EQ(PanelShownB.byDPA, points[dp].point);
            EXPECT_EQ(PanelShownB.byDPColB, mode == 4 ? points[dp].colon : none);
            EXPECT_EQ(PanelShownB.byDPB, mode == 4 ? points[dp].point : none);
            EXPECT_EQ(monitorState.sMonitorText[1], mode == 5 ? points[dp].total : "");
        }

    // Dual counter: panel B from the second block, nothing logged for it.
    configure(7);
    ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
    src.poke(2352, {0x11, 0x11, 0x11, 0, 0x01, 0, 0x22, 0x22, 0x22, 0, 0, 0});
    ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
    EXPECT_EQ(PanelShownB.byCharA, row({98, 1, 1, 1, 1, 1}));
    EXPECT_EQ(PanelShownB.byCharB, row({2, 2, 2, 2, 2, 2}));
    EXPECT_TRUE(monitorState.sMonitorText[1].isEmpty());

    // 1-stage: panel B dark; a failed read keeps the last panels and texts.
    configure(3);
    ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
    ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
    EXPECT_EQ(PanelShownB.byCharA, row({99, 99, 99, 99, 99, 99}));
    EXPECT_EQ(PanelShownB.byKP, 0);
    EXPECT_EQ(PanelShownB.sWeek, "0000000");
    const PanelState before = PanelShownA;
    src.poke(2340, {0x99});
    src.failures[1290] = 3;
    EXPECT_EQ(UpdateMonitorPanel_H7(src), 1);
    EXPECT_EQ(commState.nErrCode, 1);
    EXPECT_EQ(PanelShownA, before);
}
