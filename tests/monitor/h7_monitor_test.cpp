// The H7 start (summary, presets, refusals) and its live reading.
#include "memory_source.h"

#include "core/h5h7_registers.h"
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
        src.poke(kRegFuncMode, {mode, 0, 0, 0, 0, 0, 1, 0});
        src.poke(kRegCountInputMode_H7, {2, 0, 2, 0, 1, 0, 2, 0, 0x00, 0x10, 0x00, 0});
        src.poke(kRegHoldCounter1_H7, {0x00, 0x05, 0x00});
    }
    static constexpr const char* kCommon = "Input Signal Width : 20 ms\r\nDecimal Point Position : --.--\r\n"
                                           "Prescale Value : 01.000\r\nNPN / PNP Input Mode : NPN\r\n"
                                           "Key Protect Level : KP-2\r\n";
    static constexpr const char* kType = "Type :   : H7 model\r\n";
};

} // namespace

TEST_F(H7Monitor, CounterSummariesByMode)
{
    configure(4);
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    const QString head = "Function Selection : 2-stage Counter\r\nInput Mode : UP/DOWN A\r\nOutput Mode : C\r\n";
    EXPECT_EQ(summary.textA, kType + head + "Output Time 1 : 000.500\r\nCounting Speed : 5K Hz\r\n" + kCommon);
    EXPECT_EQ(summary.textB.value_or("unset"),
              kType + head + "Output Time 2 : Hold\r\nCounting Speed : 5K Hz\r\n" + kCommon);
    EXPECT_EQ(src.log, (std::vector<int>{logged(kRegFuncMode, 4), logged(kRegCntFirst_H7, 14)}));
    EXPECT_EQ(PanelNextA.byGroup, 1);
    EXPECT_EQ(PanelNextB.byGroup, 2);
    EXPECT_EQ(PanelNextB.byDPColB, (PointPair{0, 1}));
    // Output mode 0: output time 1 only on panel A; 9: neither.
    src.poke(kRegOutputMode_H7, {0});
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_TRUE(summary.textA.contains("Output Time 1"));
    EXPECT_FALSE(summary.textB->contains("Output Time 2"));
    src.poke(kRegOutputMode_H7, {9});
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_FALSE(summary.textA.contains("Output Time"));

    // Total and batch counters: box B holds two lines, the second without a line end.
    configure(5);
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(summary.textB.value_or("unset"), QString(kType) + "Function Selection : Total counter");
    EXPECT_TRUE(summary.textA.contains("Output Mode : C\r\nOutput Time : 000.500\r\nCounting Speed"));
    EXPECT_EQ(PanelNextB.sTB, "1");
    EXPECT_EQ(PanelNextB.byDPColA, (PointPair{0, 1}));
    EXPECT_EQ(PanelNextB.byDPColB, (PointPair{0, 0}));
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
    src.poke(kRegDualInputMode_H7, {1});
    src.log.clear();
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(src.log, (std::vector<int>{logged(kRegFuncMode, 4), logged(kRegCntFirst_H7, 14), kRegDualInputMode_H7}));
    EXPECT_TRUE(summary.textA.contains("Dual Counter\r\nInput Mode : SUB\r\nOutput Mode : C\r\n"
                                       "Counting Speed : 5K Hz\r\nOutput Time : 000.500\r\n"));
    EXPECT_EQ(summary.textB.value_or("unset"), summary.textA);
    EXPECT_EQ(PanelNextB.byGroup, 4);
}

TEST_F(H7Monitor, TachometerSummaryAndLegend)
{
    configure(8);
    src.poke(kRegOutputMode_freq_H7, {1, 0, 2, 0, 0x50, 0x01, 0x25, 0x00});
    ASSERT_EQ(InitMonitor_H7(src, "H7 model", summary), 0);
    EXPECT_EQ(summary.textA, QString(kType)
                                 + "Function Selection : Tachometer\r\nOutput Mode : AREA\r\n"
                                   "Counting Speed : 10K Hz\r\nDecimal Point Position : --.--\r\n"
                                   "Prescale Value : 01.000\r\nAverage Processing : 4\r\nAuto-zero Time : 01.50\r\n"
                                   "Startup Time : 00.25\r\nNPN / PNP Input Mode : NPN\r\nKey Protect Level : KP-2\r\n");
    // The legend follows the tachometer's output mode: AREA lights it, HI_HI does not.
    EXPECT_EQ(PanelNextA.byGroup, 1);
    src.poke(kRegOutputMode_freq_H7, {2});
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
    refuses(kRegDotAdj_H7, 4);              // decimal point
    refuses(kRegKP_H5H7, 5);                // key protect level
    refuses(kRegCountInputMode_H7, 5);      // input mode
    refuses(kRegOutputMode_H7, 12);         // output mode
    refuses(kRegMaxFreq_H7, 2);             // counting speed
    refuses(kRegHoldCounter2_H7 + 1, 0x0A); // output time 2 in a mode that does not show it
    src.failures[kRegCountInputMode_H7] = 3;
    configure(3);
    EXPECT_EQ(InitMonitor_H7(src, "M", summary), 1);
}

TEST_F(H7Monitor, LiveReading)
{
    configure(4);
    ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
    src.poke(kRegCounterSetting1_H7, {0x45, 0x23, 0x01}); // set value 1 = -12345 with its sign word
    src.poke(kRegSign1_H7, {0x01, 0x00});
    src.poke(kRegCounterSetting2_H7, {0x00, 0x00, 0x09});
    src.poke(kRegSign2_H7, {0x00, 0x01});                              // 0100 is negative too
    src.poke(kRegPresentValue1_H7, {0x56, 0x34, 0x12, 0, 0xFF, 0x00}); // present value 123456, sign 00FF
    src.poke(kRegKeyProtect_H5H7, {1});
    src.poke(kRegRstLamps_H7, {0x00});
    src.poke(kRegOutLamps_H5H7, {0x00});
    src.log.clear();
    ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
    EXPECT_EQ(src.log,
              (std::vector<int>{logged(kRegCounterSetting1_H7, 2), kRegSign1_H7, logged(kRegPresentValue1_H7, 6),
                                kRegKeyProtect_H5H7, kRegOutLamps_H5H7, kRegRstLamps_H7,
                                logged(kRegCounterSetting2_H7, 2), kRegSign2_H7}));
    EXPECT_EQ(PanelShownA.byCharB, row({98, 1, 2, 3, 4, 5}));
    EXPECT_EQ(PanelShownB.byCharB, row({98, 9, 0, 0, 0, 0}));
    EXPECT_EQ(PanelShownA.byCharA, row({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(PanelShownB.byCharA, row({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(PanelShownB.byKP, 1);
    EXPECT_EQ(PanelShownA.sWeek, "1010000");
    EXPECT_EQ(monitorState.sMonitorText[0], "1234.56");
    EXPECT_TRUE(monitorState.sMonitorText[1].isEmpty());

    // Total counter: panel B's upper row is the total, its lower row blank, and logged.
    configure(5);
    ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
    src.poke(kRegPresentValue2_H7, {0x21, 0x43, 0x65, 0, 0, 0});
    src.poke(kRegRstLamps_H7, {0x03});
    src.poke(kRegOutLamps_H5H7, {0x18});
    ASSERT_EQ(UpdateMonitorPanel_H7(src), 0);
    EXPECT_EQ(PanelShownB.byCharA, row({6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(PanelShownB.byCharB, row({99, 99, 99, 99, 99, 99}));
    EXPECT_EQ(monitorState.sMonitorText[1], "6543.21");
    EXPECT_EQ(PanelShownB.sWeek, "0000101");

    // Dual counter: panel B from the second block, nothing logged for it.
    configure(7);
    ASSERT_EQ(InitMonitor_H7(src, "M", summary), 0);
    src.poke(kRegDualPresentUpper_H7, {0x11, 0x11, 0x11, 0, 0x01, 0, 0x22, 0x22, 0x22, 0, 0, 0});
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
    src.poke(kRegPresentValue1_H7, {0x99});
    src.failures[kRegOutLamps_H5H7] = 3;
    EXPECT_EQ(UpdateMonitorPanel_H7(src), 1);
    EXPECT_EQ(commState.nErrCode, 1);
    EXPECT_EQ(PanelShownA, before);
}
