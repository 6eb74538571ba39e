// The H5 start (summary, presets) and its live reading.
#include "memory_source.h"

#include "monitor/h5_monitor.h"

namespace {

using montest::logged;

class H5Monitor : public montest::MonitorLogic {
protected:
    void SetUp() override
    {
        MonitorLogic::SetUp();
        bBlinkPhase_H5 = false;
        src.poke(1078, {1});
        src.poke(1080, {0x03});
    }
    static constexpr const char* kCommon = "Input Signal Width : 20 ms\r\nNPN / PNP Input Mode : PNP\r\n"
                                           "Key Protect Level : KP-4\r\n";
};

} // namespace

// What the start and one poll read, in order, per function and for the timer per output
// mode: the "Output Time" line and its read come with the output modes A to b-1 only, and
// box B repeats box A with Z alone. The timer's range follows its output mode here, so
// that the same pass gives every range's unit letters.
TEST_F(H5Monitor, EachFunctionReadsItsRegisters)
{
    const std::vector<int> withTime = {1074, 1088, 1090, 1092, logged(1094, 2), 1076, 1078, 1080};
    const std::vector<int> noTime = {1074, 1088, 1090, 1092, 1076, 1078, 1080};
    const std::vector<int> timerPoll = {1234, logged(1098, 2), logged(1282, 2), 1084, 1290, 1065, 1060, 1234};
    const int letters[10] = {4, 4, 4, 6, 3, 3, 5, 2, 2, 4};
    struct Case { int mode, outputMode; std::vector<int> start, poll; };
    std::vector<Case> cases = {
        {1, 0, {1074, 1120, 1122, 1124, 1126, 1076, 1078, 1080},
         {1234, logged(1282, 2), logged(1286, 2), 1664, 2048, 1084, 1290, 1065, 1060, 1234}},
        {2, 0, {1074, 1152, 1154, 1156, 1076, 1078, 1080},
         {1234, logged(1158, 2), logged(1162, 2), logged(1282, 2), 1084, 1290, 1065, 1060, 1234}}};
    const std::vector<int> countedPoll = {1234, logged(1098, 2), logged(1282, 2), 1264, 1084, 1290, 1065, 1060,
                                          1234};
    const std::vector<int> flickerPoll = {1234, 1102, logged(1098, 2), logged(1282, 2), 1084, 1290, 1065, 1060,
                                          1234};
    for (int om = 0; om <= 9; ++om)
        cases.push_back(
            {0, om, om <= 5 ? withTime : noTime, om == 9 ? flickerPoll : om == 1 ? countedPoll : timerPoll});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode * 100 + c.outputMode);
        src.poke(1074, {c.mode});
        src.poke(1088, {c.outputMode});
        src.poke(1092, {c.outputMode});
        src.log.clear();
        ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
        EXPECT_EQ(src.log, c.start);
        EXPECT_EQ(summary.textA.contains("Output Time"), c.start == withTime);
        if (c.mode == 0) {
            EXPECT_EQ(summary.textB.value_or("unset"), c.outputMode == 9 ? summary.textA : "");
            EXPECT_EQ(PanelNextA.byTimerMode, letters[c.outputMode]);
        }
        src.log.clear();
        ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
        EXPECT_EQ(src.log, c.poll);
    }
}

TEST_F(H5Monitor, FlickerTimerUsesBothPanels)
{
    src.poke(1074, {0});
    src.poke(1088, {4}); // 0.1 min: ddddd.d, letter M
    src.poke(1092, {9});
    ASSERT_EQ(InitMonitor_H5(src, "H5 model", summary), 0);
    const QString text = QString("Type :   : H5 model\r\nFunction Selection : Timer\r\n"
                                 "Time Range : 0.1 min ~ 99999.9 min\r\nTime Mode : Up\r\n"
                                 "Output Mode : Z : ON/OFF-duty adjustable flicker\r\n") + kCommon;
    EXPECT_EQ(summary.textA, text);
    EXPECT_EQ(summary.textB.value_or("unset"), text);
    EXPECT_EQ(src.log, (std::vector<int>{1074, 1088, 1090, 1092, 1076, 1078, 1080}));
    EXPECT_EQ(PanelNextA.byGroup, 1);
    EXPECT_EQ(PanelNextB.byGroup, 2);
    EXPECT_EQ(PanelNextB.byDPB, (PointPair{0, 1}));
    EXPECT_EQ(PanelNextA.byDPB, (PointPair{0, 0}));

    src.poke(1234, {0x01});             // counting
    src.poke(1102, {0x50, 0x05});       // duty ratio 550
    src.poke(1098, {0x00, 0x00, 0x02}); // cycle time 020000
    src.poke(1282, {0x78, 0x56, 0x34}); // present value 345678
    src.poke(1290, {0x18});
    src.log.clear();
    ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
    EXPECT_EQ(src.log,
              (std::vector<int>{1234, 1102, logged(1098, 2), logged(1282, 2), 1084, 1290, 1065, 1060, 1234}));
    EXPECT_EQ(PanelShownA.byCharB, row({99, 99, 99, 5, 5, 0}));
    EXPECT_EQ(PanelShownB.byCharB, row({0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(PanelShownA.byCharA, row({3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(PanelShownB.byCharA, row({3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(PanelShownB.sWeek, "0000101");
    // The letters of both panels flash together; panel B's value is never logged.
    EXPECT_EQ(PanelShownA.byTimerMode, 0);
    EXPECT_EQ(PanelShownB.byTimerMode, 0);
    EXPECT_EQ(monitorState.sMonitorText[0], "34567.8");
    EXPECT_TRUE(monitorState.sMonitorText[1].isEmpty());
    ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
    EXPECT_EQ(PanelShownA.byTimerMode, 3);
    EXPECT_EQ(PanelShownB.byTimerMode, 3);
}

TEST_F(H5Monitor, OutputTimeLinesAndAnUnusedPanelB)
{
    src.poke(1074, {0});
    src.poke(1088, {5});
    src.poke(1092, {1});
    ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.contains("Output Mode : A-1 : Signal ON delay 2\r\nOutput Time : Hold\r\n"));
    EXPECT_EQ(summary.textB.value_or("unset"), "");
    EXPECT_EQ(PanelNextB.byCharA, row({99, 99, 99, 99, 99, 99}));
    src.poke(1094, {0x34, 0x12, 0x00, 0x00});
    ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.contains("Output Time : 0012.34 s\r\n"));
    src.poke(1094, {0x3A});
    summary.textA = "kept";
    EXPECT_EQ(InitMonitor_H5(src, "M", summary), 1);
    EXPECT_EQ(summary.textA, "kept");
    src.poke(1094, {0x34});

    // Panel B, unused, shows none of panel A's lamps.
    ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
    src.poke(1290, {0x18});
    ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
    EXPECT_EQ(PanelShownB.sWeek, "0000000");
}

// The unit letters flash (dark at every other poll) while the timer counts in a minute or
// hour range, 4 to 8: status bit 0 set, bits 2 and 4 (time up) clear. Output mode 1 counts
// by its count above 0 and bit 2 alone; the flicker timer's letters follow panel B's.
TEST_F(H5Monitor, UnitLettersFlashOnlyWhileCountingInMinutesOrHours)
{
    struct Case { int mode, outputMode, range, status, count; bool flashes; };
    const Case cases[] = {
        {0, 0, 4, 0x01, 0, true},  {0, 0, 8, 0x01, 0, true},  {0, 0, 3, 0x01, 0, false},
        {0, 0, 9, 0x01, 0, false}, {0, 0, 4, 0x00, 0, false}, {0, 0, 4, 0x11, 0, false},
        {0, 0, 8, 0x05, 0, false}, {0, 0, 6, 0x15, 0, false}, {0, 9, 8, 0x01, 0, true},
        {0, 9, 4, 0x11, 0, false}, {0, 9, 9, 0x01, 0, false}, {2, 0, 8, 0x01, 0, true},
        {2, 0, 3, 0x01, 0, false}, {2, 0, 4, 0x11, 0, false}, {2, 0, 4, 0x05, 0, false},
        {0, 1, 4, 0x10, 1, true},  {0, 1, 8, 0x00, 1, true},  {0, 1, 4, 0x01, -1, false},
        {0, 1, 8, 0x01, 0, false}, {0, 1, 8, 0x05, 1, false}, {0, 1, 9, 0x01, 1, false},
        {0, 1, 3, 0x01, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << "/" << c.outputMode << " range " << c.range << " status " << c.status);
        src.poke(1074, {c.mode});
        src.poke(1088, {c.range});
        src.poke(1154, {c.range});
        src.poke(1092, {c.outputMode});
        src.poke(1234, {c.status});
        src.poke(1264, {c.count & 0xFF, (c.count >> 8) & 0xFF});
        ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
        int dark = 0;
        for (int poll = 0; poll < 2; ++poll) {
            ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
            dark += PanelShownA.byTimerMode == 0;
        }
        EXPECT_EQ(dark, c.flashes ? 1 : 0);
    }
}

TEST_F(H5Monitor, TwinTimerPhasesChooseSeparatorsAndLetters)
{
    src.poke(1074, {1});
    src.poke(1120, {3}); // OFF: dddd:dd
    src.poke(1122, {9}); // ON: ddd.ddd
    src.poke(1126, {1});
    ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.contains("OFF Time Range : 0 min 01 s ~ 9999 min 59 s\r\n"
                                       "ON Time Range : 0.001 s ~ 999.999 s\r\nTime Mode : Up\r\n"
                                       "ON/OFF Start Mode : Flicker ON start\r\n"));
    EXPECT_EQ(summary.textB.value_or("unset"), "");
    src.poke(1664, {0x01});
    src.poke(2048, {0x00});
    src.poke(1286, {0x56, 0x34, 0x12});
    src.poke(1084, {0x01});
    src.poke(1065, {0x08});
    src.poke(1060, {0x01});
    src.poke(1290, {0x10});
    ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
    EXPECT_EQ(PanelShownA.byCharB, row({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(PanelShownA.sWeek, "1010001");
    EXPECT_EQ(PanelShownA.byKP, 1);
    EXPECT_EQ(PanelShownB.sWeek, "0000000");
    EXPECT_EQ(PanelShownB.byKP, 0);

    // Each row takes the separators of the range its own phase byte names (1664 the upper,
    // 2048 the lower row); the unit letters follow the upper row, the group letter (A for
    // OFF, B for ON) the lower. A phase byte of letters counts as the OFF phase; any other
    // number is neither: range 0's separators, and the group letter left as it was.
    struct Look { PointPair pointOrColon, point; };
    const Look off = {{0, 2}, {0, 0}}, on = {{0, 0}, {1, 0}}, neither = {{0, 1}, {0, 0}};
    struct Case { int upperPhase, lowerPhase; Look upper; int letters; Look lower; int group; };
    const Case cases[] = {
        {0x01, 0x00, on, 4, off, 1},
        {0x00, 0x01, off, 6, on, 2},
        {0x00, 0x00, off, 6, off, 1},
        {0x01, 0x01, on, 4, on, 2},
        {0x0A, 0x07, off, 6, neither, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "phases " << c.upperPhase << " " << c.lowerPhase);
        src.poke(1664, {c.upperPhase});
        src.poke(2048, {c.lowerPhase});
        ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
        EXPECT_EQ(PanelShownA.byDPColA, c.upper.pointOrColon);
        EXPECT_EQ(PanelShownA.byDPA, c.upper.point);
        EXPECT_EQ(PanelShownA.byTimerMode, c.letters);
        EXPECT_EQ(PanelShownA.byDPColB, c.lower.pointOrColon);
        EXPECT_EQ(PanelShownA.byDPB, c.lower.point);
        EXPECT_EQ(PanelShownA.byGroup, c.group);
    }

    // While the timer counts, the unit letters flash (dark at every other tick) in a
    // minute or hour range of the phase the upper row shows, never by the other phase's
    // range: ON in minutes (4) or hours (8), OFF in seconds.
    src.poke(1234, {0x01});
    src.poke(1120, {0});
    for (const int onRange : {4, 8}) {
        src.poke(1122, {onRange});
        ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
        for (const int upperPhase : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "ON range " << onRange << ", upper phase " << upperPhase);
            src.poke(1664, {upperPhase});
            bool dark = false;
            for (int tick = 0; tick < 2; ++tick) {
                ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
                dark = dark || PanelShownA.byTimerMode == 0;
            }
            EXPECT_EQ(dark, upperPhase == 1);
        }
    }

    // A key protect level without a text fails the start.
    src.poke(1080, {0x05});
    EXPECT_EQ(InitMonitor_H5(src, "M", summary), 1);
}

TEST_F(H5Monitor, TwoStageTimerSettingMethods)
{
    src.poke(1074, {2});
    src.poke(1154, {0});
    ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
    EXPECT_EQ(summary.textB.value_or("unset"), summary.textA);
    EXPECT_TRUE(summary.textA.contains("Setting Method : Forecast Value\r\nTime Range : 0.01 s ~ 9999.99 s\r\n"
                                       "Output Mode : A : Power ON Delay\r\n"));
    EXPECT_EQ(PanelNextA.byGroup, 0);
    EXPECT_EQ(PanelNextB.byGroup, 1);
    EXPECT_EQ(PanelNextB.byRangeMode, 0);
    src.poke(1152, {1});
    src.poke(1156, {3});
    ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
    EXPECT_TRUE(summary.textA.contains("Output Mode : F-1 : Cumulative\r\n"));
    EXPECT_EQ(PanelNextA.byGroup, 1);
    EXPECT_EQ(PanelNextB.byGroup, 2);
    EXPECT_EQ(PanelNextB.byRangeMode, 2);
    EXPECT_EQ(PanelNextB.byDPColA, (PointPair{0, 1}));

    src.poke(1158, {0x00, 0x00, 0x01});
    src.poke(1162, {0x00, 0x00, 0x02});
    src.poke(1282, {0x00, 0x00, 0x03});
    src.log.clear();
    ASSERT_EQ(UpdateMonitorPanel_H5(src), 0);
    EXPECT_EQ(src.log.size(), 9u);
    EXPECT_EQ(PanelShownA.byCharB, row({0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(PanelShownB.byCharB, row({0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(PanelShownB.byCharA, row({0, 3, 0, 0, 0, 0}));
    EXPECT_EQ(monitorState.sMonitorText[0], "0300.00");

}

TEST_F(H5Monitor, RangeWithoutSeparatorsDrawsDarkAndFailsThePoll)
{
    src.poke(1074, {0});
    src.poke(1088, {12});
    src.poke(1090, {2});
    src.poke(1092, {11});
    PanelNextA.byDPColA = {0, 2};
    ASSERT_EQ(InitMonitor_H5(src, "M", summary), 0);
    EXPECT_FALSE(summary.textA.contains("Time Range"));
    EXPECT_TRUE(summary.textA.contains("Time Mode : 2\r\nOutput Mode : 11\r\nInput"));
    EXPECT_EQ(PanelNextA.byDPColA, (PointPair{0, 0}));
    EXPECT_EQ(PanelNextA.byTimerMode, 0);
    src.poke(1282, {0x00, 0x00, 0x05});
    EXPECT_EQ(UpdateMonitorPanel_H5(src), kUndecodableValue);
    EXPECT_EQ(PanelShownA.byCharA, row({0, 5, 0, 0, 0, 0}));
}
