// Every H9 download sequence against the simulated instrument, request by request.
#include "transfer/h9_download.h"

#include "link/messages.h"
#include "platform/strings.h"
#include "sim_fixture.h"

using namespace simtx;

namespace {

// Timer A: 12.34 s up, output time 1.50 s, output mode 1.
void setTimerA(testsupport::FakeH9Rows& rows)
{
    nTimeRangeA_H9 = 0;
    nCountDirectionA_H9 = 0;
    nOutputModeA_H9 = 1;
    rows[H9Row::lblTimerSettingA].setDigits("001234");
    rows[H9Row::lblHoldTimeA].setDigits("000150");
}
const Trace kTimerABlock = {W(1542, 0), W(1114, 0), W(1116, 0x34), W(1118, 0x12),
                            W(1172, 0x50), W(1174, 1), W(1176, 1)};

// Counter B: set value 100, output time 2.00, prescale 1.000, speed 1, output mode 3.
void setCounterB(testsupport::FakeH9Rows& rows)
{
    nFuncB_H9 = 0;
    nMaxFreqB_H9 = 1;
    nDotAdjB_H9 = 0;
    nCountInputModeB_H9 = 0;
    nOutputModeB_H9 = 3;
    rows[H9Row::lblCounterSettingB].setDigits("000100");
    rows[H9Row::lblHoldCounterB].setDigits("000200");
    rows[H9Row::lblMagnificationB].setDigits("001000");
}
const Trace kCounterBWalk = {W(1356, 1), W(1360, 0), W(1362, 1), W(1364, 0), W(1366, 0),
                             W(1368, 1), W(1374, 0), W(1376, 3), W(1378, 0), W(1380, 2)};

// Tachometer B: 1234.5 with one decimal, startup 3.05, prescale 2.500.
void setTachoB(testsupport::FakeH9Rows& rows)
{
    nFuncB_H9 = 1;
    nDotAdjB_F_H9 = 1;
    nMaxFreqB_F_H9 = 3;
    nOutputModeB_F_H9 = 1;
    nSampleAvgB_F_H9 = 2;
    rows[H9Row::lblCounterSettingB_F].setDigits("012345");
    rows[H9Row::lblHoldCounterB_F].setDigits("000305");
    rows[H9Row::lblMagnificationB_F].setDigits("002500");
}
const Trace kTachoWalks = {W(1554, 1), W(1556, 2), W(1574, 5), W(1576, 3),
                           W(1356, 3), W(1360, 0x0500), W(1362, 2), W(1364, 1), W(1366, 0x45),
                           W(1368, 0x0123), W(1374, 0), W(1376, 0)};

void setCommon()
{
    nSGWidth_H9 = 1;
    nInputMethod_H9 = 1;
    bPowerSaving_H9 = 1;
    bKeyProtect = 1;
}
const Trace kCommon = {W(1178, 1), W(1358, 1), W(1686, 1)};

class H9Download : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        setCommon();
        presetSysFlags({0xA5, 0x5A, 0x3C, 0xC3, 0x96, 0x69});
    }
};

} // namespace

TEST_F(H9Download, WholeSetWithCounter)
{
    setTimerA(rows);
    setCounterB(rows);
    ASSERT_EQ(DownloadAll_H9(), 0);
    EXPECT_EQ(trace(), join({identification(), kTimerABlock, {W(1542, 0), W(1552, 0)}, kCounterBWalk, kCommon,
                             sysFlagReads(), {W(1780, 0x1100), W(1782, 0x1300), W(1784, 0x6901)}, ending(1)}));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(portOpen()); // the transfer window closes it
    EXPECT_EQ(instrument.read16(1116), 0x0034);
    EXPECT_EQ(instrument.read16(1278), 1);
    EXPECT_EQ(commState.bSilentComm, 0);
}

TEST_F(H9Download, WholeSetWithTachometer)
{
    setTimerA(rows);
    setTachoB(rows);
    ASSERT_EQ(DownloadAll_H9(), 0);
    // Byte 2 keeps its high field, byte 3 its low field, byte 4 its low field.
    EXPECT_EQ(trace(), join({identification(), kTimerABlock, {W(1542, 0), W(1552, 1)}, kTachoWalks, kCommon,
                             sysFlagReads(), {W(1780, 0x1100), W(1782, 0x3331), W(1784, 0x2116)}, ending(1)}));
}

TEST_F(H9Download, ChannelAAloneKeepsTheChannelBBytes)
{
    setTimerA(rows);
    nTimeRangeA_H9 = 3; // hours, down: time code 7
    nCountDirectionA_H9 = 1;
    rows[H9Row::lblTimerSettingA].setDigits("123456");
    rows[H9Row::lblCounterSettingB].setDigits("000000"); // channel B is neither checked nor sent
    ASSERT_EQ(DownloadTimerA_H9(), 0);
    EXPECT_EQ(trace(), join({identification(),
                             {W(1542, 0), W(1114, 7), W(1162, 0), W(1164, 0), W(1166, 0), W(1168, 0x3456),
                              W(1170, 0x12), W(1172, 0x50), W(1174, 1), W(1176, 1)},
                             kCommon, sysFlagReads(), {W(1780, 0x1170), W(1782, 0xC33C), W(1784, 0x6996)},
                             ending(1)}));
}

TEST_F(H9Download, ChannelBAloneKeepsTheChannelABytes)
{
    setCounterB(rows);
    rows[H9Row::lblTimerSettingA].setDigits("000000"); // timer A is neither checked nor sent
    ASSERT_EQ(DownloadPartB_H9(), 0);
    EXPECT_EQ(trace(), join({identification(), {W(1542, 0), W(1552, 0)}, kCounterBWalk, kCommon, sysFlagReads(),
                             {W(1780, 0x5AA5), W(1782, 0x1300), W(1784, 0x6901)}, ending(1)}));
}

TEST_F(H9Download, TwoStageTimer)
{
    nFuncType_H9 = 1;
    nDualFunc_H9 = 0;
    nOutputMode_T_Dual_0_H9 = 1;
    rows[H9Row::lblTimerSetting_T_Dual_0].setDigits("000100");
    rows[H9Row::lblTimerSetting_T_Dual_1].setDigits("123456");
    rows[H9Row::lblHoldTime_T_Dual_0].setDigits("000050");
    rows[H9Row::lblHoldTime_T_Dual_1].setDigits("999999");
    bKeyProtect = 0; // written all the same
    ASSERT_EQ(DownloadTwoStageTimer_H9(), 0);
    EXPECT_EQ(trace(), join({identification(),
                             {W(1542, 1), W(1584, 0), W(1586, 0), W(1588, 1), W(1590, 0x56), W(1592, 0x1234),
                              W(1594, 1), W(1596, 0), W(1598, 0x50), W(1600, 0), W(1602, 0x99), W(1604, 0x9999)},
                             kCommon, sysFlagReads(), {W(1780, 0x1101), W(1782, 0xC33C), W(1784, 0x6996)},
                             ending(0)}));
}

TEST_F(H9Download, DualCounterInEachSubMode)
{
    struct SubMode { int mode; int reg1782; int reg1784; };
    // Byte 3 and byte 5 by sub-mode; the batch counter's output code 12 travels as 2.
    const SubMode table[] = {{0, 0x1C70, 0x6911}, {1, 0x1371, 0x6211}, {2, 0xCC72, 0x6911}};
    nFuncType_H9 = 1;
    nDualFunc_H9 = 1;
    nOutputMode_C_Dual_0_H9 = 1;
    rows[H9Row::lblCounterSetting_C_Dual_0].setDigits("000777");
    rows[H9Row::lblHoldCounter_C_Dual_0].setDigits("000012");
    rows[H9Row::lblCounterSetting_C_Dual_1].setDigits("654321");
    rows[H9Row::lblHoldCounter_C_Dual_1].setDigits("000100");
    nCountInputMode_C_Dual_1_H9 = 7;
    nMaxFreq_C_Dual_1_H9 = 1;
    nOutputMode_C_Dual_1_H9 = 12;
    for (const SubMode& s : table) {
        instrument.clearRequests();
        clock.pauses.clear();
        presetSysFlags({0xA5, 0x5A, 0x3C, 0xC3, 0x96, 0x69});
        nDualCounterMode_H9 = static_cast<quint8>(s.mode);
        ASSERT_EQ(DownloadDualCounter_H9(), 0) << s.mode;
        EXPECT_EQ(trace(), join({identification(),
                                 {W(1542, 1), W(1584, 1), W(1648, s.mode), W(1650, 0x77), W(1652, 7), W(1654, 0x12),
                                  W(1656, 0), W(1658, 1), W(1552, 0), W(1356, 1), W(1360, 0), W(1362, 1), W(1364, 0),
                                  W(1370, 0x21), W(1372, 0x6543), W(1374, 7), W(1376, 12), W(1378, 0), W(1380, 1)},
                                 kCommon, sysFlagReads(), {W(1780, 0x5A11), W(1782, s.reg1782), W(1784, s.reg1784)},
                                 ending(1)}))
            << "sub-mode " << s.mode;
        CommControl().setPortOpen(false);
    }
}

TEST_F(H9Download, DualTachometerSendsTheSignalWidthTwice)
{
    nFuncType_H9 = 1;
    nDualFunc_H9 = 2;
    nOutputModeA_Dual_F_H9 = 1;
    nOutputModeB_Dual_F_H9 = 1;
    nMaxFreqB_Dual_F_H9 = 2;
    nSampleAvgB_Dual_F_H9 = 3;
    rows[H9Row::lblCounterSettingA_Dual_F].setDigits("100000");
    rows[H9Row::lblCounterSettingB_Dual_F].setDigits("000042");
    rows[H9Row::lblHoldCounterB_Dual_F].setDigits("001000");
    ASSERT_EQ(DownloadDualTacho_H9(), 0);
    EXPECT_EQ(trace(), join({identification(),
                             {W(1584, 2), W(1680, 0), W(1682, 0x1000), W(1684, 1), W(1542, 1), W(1552, 1),
                              W(1554, 1), W(1556, 3), W(1574, 0), W(1576, 0x10), W(1356, 2), W(1360, 0), W(1362, 1),
                              W(1364, 0), W(1366, 0x42), W(1368, 0), W(1374, 0), W(1376, 0), W(1178, 1)},
                             kCommon, sysFlagReads(), {W(1780, 0x5321), W(1782, 0x233C), W(1784, 0x3996)},
                             ending(1)}));
}

// --- Failure paths -----------------------------------------------------------------

TEST_F(H9Download, AFailedCheckSendsNothing)
{
    setTimerA(rows);
    setCounterB(rows);
    rows[H9Row::lblTimerSettingA].setDigits("000000");
    rows[H9Row::lblCounterSettingB].setDigits("000000"); // also wrong, but never reached
    EXPECT_EQ(DownloadAll_H9(), 6);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(275));
    EXPECT_EQ(commState.nErrCode, 6);
    EXPECT_FALSE(portOpen());
    EXPECT_TRUE(instrument.requests().empty());
}

TEST_F(H9Download, ARowTheEncoderCannotReadStopsBeforeThePortOpens)
{
    setTimerA(rows);
    setCounterB(rows);
    nOutputModeA_H9 = 0; // the output time is not checked in this mode, but it is sent
    rows[H9Row::lblHoldTimeA].setCaption(2, "?");
    EXPECT_EQ(DownloadAll_H9(), 14);
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(261));
    EXPECT_FALSE(portOpen());
    EXPECT_TRUE(instrument.requests().empty());
}

TEST_F(H9Download, FamilyMarkIsTestedInTheLowByteOnly)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.poke(1025, 0x77); // high byte of 1024: anything
    instrument.poke(1026, 0x24);
    EXPECT_NE(DownloadAll_H9(), 0);
    EXPECT_EQ(trace(), (Trace{R(1024), R(1026)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(269));

    instrument.clearRequests();
    boxes.clear();
    instrument.poke(1024, 0x00);
    CommControl().setPortOpen(false);
    EXPECT_NE(DownloadAll_H9(), 0);
    EXPECT_EQ(trace(), (Trace{R(1024)}));
    EXPECT_EQ(boxes.last().text, platform::LoadResString(269));
}

TEST_F(H9Download, AnotherTypeClosesThePortThenGivesMessage20)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.poke(1029, 2); // an H5 answers
    EXPECT_NE(DownloadAll_H9(), 0);
    EXPECT_EQ(trace(), (Trace{R(1024), R(1026), R(1028)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(284));
    EXPECT_FALSE(boxes.portOpenAtBox[0]);
}

TEST_F(H9Download, TimeOutDuringIdentificationWritesNothing)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1024));
    EXPECT_EQ(DownloadAll_H9(), 3);
    EXPECT_EQ(trace(), (Trace{R(1024)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(268));
    EXPECT_FALSE(portOpen());
}

TEST_F(H9Download, AWriteFailingMidBlockEndsTheDownload)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.setFault(sim::Fault::exception(2), sim::FaultScope::atAddress(1116));
    EXPECT_EQ(DownloadAll_H9(), 29);
    // No system flags, no end register, no pauses, no 0xDD and no key protection.
    EXPECT_EQ(trace(), join({identification(), {W(1542, 0), W(1114, 0), W(1116, 0x34)}}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(341));
    EXPECT_FALSE(portOpen());
}

TEST_F(H9Download, AFailedSystemFlagReadWritesNoFlags)
{
    setTimerA(rows);
    setCounterB(rows);
    // The one-register read of 1781 covers bytes 1781 and 1782.
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1782));
    EXPECT_EQ(DownloadAll_H9(), 3);
    EXPECT_EQ(trace(), join({identification(), kTimerABlock, {W(1542, 0), W(1552, 0)}, kCounterBWalk, kCommon,
                             {R(1780), R(1781)}}));
}

TEST_F(H9Download, TimeOutOnTheEndRegister)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1280));
    EXPECT_EQ(DownloadAll_H9(), 3);
    const Trace t = trace();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back(), W(1280, 1));
    EXPECT_TRUE(clock.pauses.empty());
}

TEST_F(H9Download, ACommandDDThatCannotBeSentEndsWithMessage14)
{
    setTimerA(rows);
    setCounterB(rows);
    // The line goes away during the first pause.
    clock.onPause = [](qint64 ms) {
        if (ms > 4000)
            CommControl().setPortOpen(false);
    };
    EXPECT_EQ(DownloadAll_H9(), 14);
    const Trace t = trace();
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[t.size() - 2], W(1280, 1));
    EXPECT_EQ(t.back(), WAIT(8000));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(261));
}
