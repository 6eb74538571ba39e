// Every H9 download sequence against the simulated instrument, request by request.
#include "transfer/h9_download.h"

#include "core/common_registers.h"
#include "core/h9_registers.h"
#include "link/messages.h"
#include "platform/strings.h"
#include "sim_fixture.h"

using namespace simtx;

namespace {

// Timer A: 12.34 s up, output time 1.50 s, output mode 1.
void setTimerA(testsupport::FakeH9Rows& rows)
{
    timerCounterParamsH9.nTimeRangeA_H9 = 0;
    timerCounterParamsH9.nCountDirectionA_H9 = 0;
    timerCounterParamsH9.nOutputModeA_H9 = 1;
    rows[H9Row::lblTimerSettingA].setDigits("001234");
    rows[H9Row::lblHoldTimeA].setDigits("000150");
}
const Trace kTimerABlock = {W(kRegFuncType_H9, 0), W(kRegTimeCodeA_H9, 0), W(kTimerSlotsA_H9[0].setValue, 0x34),
                            W(kTimerSlotsA_H9[0].setValue + 2, 0x12), W(kRegHoldTimeA_H9, 0x50),
                            W(kRegHoldTimeA_H9 + 2, 1), W(kRegOutputModeA_H9, 1)};

// Counter B: set value 100, output time 2.00, prescale 1.000, speed 1, output mode 3.
void setCounterB(testsupport::FakeH9Rows& rows)
{
    timerCounterParamsH9.nFuncB_H9 = 0;
    timerCounterParamsH9.nMaxFreqB_H9 = 1;
    timerCounterParamsH9.nDotAdjB_H9 = 0;
    timerCounterParamsH9.nCountInputModeB_H9 = 0;
    timerCounterParamsH9.nOutputModeB_H9 = 3;
    rows[H9Row::lblCounterSettingB].setDigits("000100");
    rows[H9Row::lblHoldCounterB].setDigits("000200");
    rows[H9Row::lblMagnificationB].setDigits("001000");
}
const Trace kCounterBWalk = {W(kRegMaxFreqB_H9, 1), W(kRegMagnificationB_H9, 0), W(kRegMagnificationB_H9 + 2, 1),
                             W(kRegDotAdjB_H9, 0), W(kRegCounterSettingUpB_H9, 0), W(kRegCounterSettingUpB_H9 + 2, 1),
                             W(kRegCountInputModeB_H9, 0), W(kRegOutputModeB_H9, 3), W(kRegHoldCounterB_H9, 0),
                             W(kRegHoldCounterB_H9 + 2, 2)};

// Tachometer B: 1234.5 with one decimal, startup 3.05, prescale 2.500.
void setTachoB(testsupport::FakeH9Rows& rows)
{
    timerCounterParamsH9.nFuncB_H9 = 1;
    timerCounterParamsH9.nDotAdjB_F_H9 = 1;
    timerCounterParamsH9.nMaxFreqB_F_H9 = 3;
    timerCounterParamsH9.nOutputModeB_F_H9 = 1;
    timerCounterParamsH9.nSampleAvgB_F_H9 = 2;
    rows[H9Row::lblCounterSettingB_F].setDigits("012345");
    rows[H9Row::lblHoldCounterB_F].setDigits("000305");
    rows[H9Row::lblMagnificationB_F].setDigits("002500");
}
const Trace kTachoWalks = {W(kRegOutputModeB_F_H9, 1), W(kRegSampleAvgB_F_H9, 2), W(kRegHoldCounterB_F_H9, 5),
                           W(kRegHoldCounterB_F_H9 + 2, 3), W(kRegMaxFreqB_H9, 3), W(kRegMagnificationB_H9, 0x0500),
                           W(kRegMagnificationB_H9 + 2, 2), W(kRegDotAdjB_H9, 1), W(kRegCounterSettingUpB_H9, 0x45),
                           W(kRegCounterSettingUpB_H9 + 2, 0x0123), W(kRegCountInputModeB_H9, 0),
                           W(kRegOutputModeB_H9, 0)};

void setCommon()
{
    timerCounterParamsH9.nSGWidth_H9 = 1;
    timerCounterParamsH9.nInputMethod_H9 = 1;
    timerCounterParamsH9.bPowerSaving_H9 = 1;
    bKeyProtect = 1;
}
const Trace kCommon = {W(kRegSGWidth_H9, 1), W(kRegInputMethod_H9, 1), W(kRegPowerSaving_H9, 1)};

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
    EXPECT_EQ(trace(),
              join({identification(), kTimerABlock, {W(kRegFuncType_H9, 0), W(kRegFuncB_H9, 0)}, kCounterBWalk, kCommon,
                    sysFlagReads(),
                    {W(kRegSysFlags_H9, 0x1100), W(kRegSysFlags_H9 + 2, 0x1300), W(kRegSysFlags_H9 + 4, 0x6901)},
                    ending(1)}));
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(portOpen()); // the transfer window closes it
    EXPECT_EQ(instrument.read16(kTimerSlotsA_H9[0].setValue), 0x0034);
    EXPECT_EQ(instrument.read16(kRegKeyProtect_H9), 1);
    EXPECT_EQ(commState.bSilentComm, 0);
}

TEST_F(H9Download, WholeSetWithTachometer)
{
    setTimerA(rows);
    setTachoB(rows);
    ASSERT_EQ(DownloadAll_H9(), 0);
    // Byte 2 keeps its high field, byte 3 its low field, byte 4 its low field.
    EXPECT_EQ(trace(),
              join({identification(), kTimerABlock, {W(kRegFuncType_H9, 0), W(kRegFuncB_H9, 1)}, kTachoWalks, kCommon,
                    sysFlagReads(),
                    {W(kRegSysFlags_H9, 0x1100), W(kRegSysFlags_H9 + 2, 0x3331), W(kRegSysFlags_H9 + 4, 0x2116)},
                    ending(1)}));
}

TEST_F(H9Download, ChannelAAloneKeepsTheChannelBBytes)
{
    setTimerA(rows);
    timerCounterParamsH9.nTimeRangeA_H9 = 3; // hours, down: time code 7
    timerCounterParamsH9.nCountDirectionA_H9 = 1;
    rows[H9Row::lblTimerSettingA].setDigits("123456");
    rows[H9Row::lblCounterSettingB].setDigits("000000"); // channel B is neither checked nor sent
    ASSERT_EQ(DownloadTimerA_H9(), 0);
    EXPECT_EQ(trace(),
              join({identification(),
                    {W(kRegFuncType_H9, 0), W(kRegTimeCodeA_H9, 7), W(kTimerSlotsA_H9[7].zeros[0], 0),
                     W(kTimerSlotsA_H9[7].zeros[1], 0), W(kTimerSlotsA_H9[7].zeros[2], 0),
                     W(kTimerSlotsA_H9[7].setValue, 0x3456), W(kTimerSlotsA_H9[7].setValue + 2, 0x12),
                     W(kRegHoldTimeA_H9, 0x50), W(kRegHoldTimeA_H9 + 2, 1), W(kRegOutputModeA_H9, 1)}, kCommon,
                    sysFlagReads(),
                    {W(kRegSysFlags_H9, 0x1170), W(kRegSysFlags_H9 + 2, 0xC33C), W(kRegSysFlags_H9 + 4, 0x6996)},
                    ending(1)}));
}

TEST_F(H9Download, ChannelBAloneKeepsTheChannelABytes)
{
    setCounterB(rows);
    rows[H9Row::lblTimerSettingA].setDigits("000000"); // timer A is neither checked nor sent
    ASSERT_EQ(DownloadPartB_H9(), 0);
    EXPECT_EQ(trace(),
              join({identification(), {W(kRegFuncType_H9, 0), W(kRegFuncB_H9, 0)}, kCounterBWalk, kCommon,
                    sysFlagReads(),
                    {W(kRegSysFlags_H9, 0x5AA5), W(kRegSysFlags_H9 + 2, 0x1300), W(kRegSysFlags_H9 + 4, 0x6901)},
                    ending(1)}));
}

TEST_F(H9Download, TwoStageTimer)
{
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 0;
    timerCounterParamsH9.nOutputMode_T_Dual_0_H9 = 1;
    rows[H9Row::lblTimerSetting_T_Dual_0].setDigits("000100");
    rows[H9Row::lblTimerSetting_T_Dual_1].setDigits("123456");
    rows[H9Row::lblHoldTime_T_Dual_0].setDigits("000050");
    rows[H9Row::lblHoldTime_T_Dual_1].setDigits("999999");
    bKeyProtect = 0; // written all the same
    ASSERT_EQ(DownloadTwoStageTimer_H9(), 0);
    EXPECT_EQ(trace(),
              join({identification(),
                    {W(kRegFuncType_H9, 1), W(kRegDualFunc_H9, 0), W(kRegTimerSetting_T_Dual_0_H9, 0),
                     W(kRegTimerSetting_T_Dual_0_H9 + 2, 1), W(kRegTimerSetting_T_Dual_1_H9, 0x56),
                     W(kRegTimerSetting_T_Dual_1_H9 + 2, 0x1234), W(kRegOutputMode_T_Dual_0_H9, 1),
                     W(kRegOutputMode_T_Dual_1_H9, 0), W(kRegHoldTime_T_Dual_0_H9, 0x50),
                     W(kRegHoldTime_T_Dual_0_H9 + 2, 0), W(kRegHoldTime_T_Dual_1_H9, 0x99),
                     W(kRegHoldTime_T_Dual_1_H9 + 2, 0x9999)}, kCommon, sysFlagReads(),
                    {W(kRegSysFlags_H9, 0x1101), W(kRegSysFlags_H9 + 2, 0xC33C), W(kRegSysFlags_H9 + 4, 0x6996)},
                    ending(0)}));
}

TEST_F(H9Download, DualCounterInEachSubMode)
{
    struct SubMode { int mode; int reg1782; int reg1784; };
    // Byte 3 and byte 5 by sub-mode; the batch counter's output code 12 travels as 2.
    const SubMode table[] = {{0, 0x1C70, 0x6911}, {1, 0x1371, 0x6211}, {2, 0xCC72, 0x6911}};
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 1;
    timerCounterParamsH9.nOutputMode_C_Dual_0_H9 = 1;
    rows[H9Row::lblCounterSetting_C_Dual_0].setDigits("000777");
    rows[H9Row::lblHoldCounter_C_Dual_0].setDigits("000012");
    rows[H9Row::lblCounterSetting_C_Dual_1].setDigits("654321");
    rows[H9Row::lblHoldCounter_C_Dual_1].setDigits("000100");
    timerCounterParamsH9.nCountInputMode_C_Dual_1_H9 = 7;
    timerCounterParamsH9.nMaxFreq_C_Dual_1_H9 = 1;
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 12;
    for (const SubMode& s : table) {
        instrument.clearRequests();
        clock.pauses.clear();
        presetSysFlags({0xA5, 0x5A, 0x3C, 0xC3, 0x96, 0x69});
        timerCounterParamsH9.nDualCounterMode_H9 = static_cast<quint8>(s.mode);
        ASSERT_EQ(DownloadDualCounter_H9(), 0) << s.mode;
        EXPECT_EQ(trace(),
                  join({identification(),
                        {W(kRegFuncType_H9, 1), W(kRegDualFunc_H9, 1), W(kRegDualCounterMode_H9, s.mode),
                         W(kRegCounterSetting_C_Dual_0_H9, 0x77), W(kRegCounterSetting_C_Dual_0_H9 + 2, 7),
                         W(kRegHoldCounter_C_Dual_0_H9, 0x12), W(kRegHoldCounter_C_Dual_0_H9 + 2, 0),
                         W(kRegOutputMode_C_Dual_0_H9, 1), W(kRegFuncB_H9, 0), W(kRegMaxFreqB_H9, 1),
                         W(kRegMagnificationB_H9, 0), W(kRegMagnificationB_H9 + 2, 1), W(kRegDotAdjB_H9, 0),
                         W(kRegCounterSettingDownB_H9, 0x21), W(kRegCounterSettingDownB_H9 + 2, 0x6543),
                         W(kRegCountInputModeB_H9, 7), W(kRegOutputModeB_H9, 12), W(kRegHoldCounterB_H9, 0),
                         W(kRegHoldCounterB_H9 + 2, 1)}, kCommon, sysFlagReads(),
                        {W(kRegSysFlags_H9, 0x5A11), W(kRegSysFlags_H9 + 2, s.reg1782),
                         W(kRegSysFlags_H9 + 4, s.reg1784)}, ending(1)})) << "sub-mode " << s.mode;
        CommControl().setPortOpen(false);
    }
}

TEST_F(H9Download, DualTachometerSendsTheSignalWidthTwice)
{
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 2;
    timerCounterParamsH9.nOutputModeA_Dual_F_H9 = 1;
    timerCounterParamsH9.nOutputModeB_Dual_F_H9 = 1;
    timerCounterParamsH9.nMaxFreqB_Dual_F_H9 = 2;
    timerCounterParamsH9.nSampleAvgB_Dual_F_H9 = 3;
    rows[H9Row::lblCounterSettingA_Dual_F].setDigits("100000");
    rows[H9Row::lblCounterSettingB_Dual_F].setDigits("000042");
    rows[H9Row::lblHoldCounterB_Dual_F].setDigits("001000");
    ASSERT_EQ(DownloadDualTacho_H9(), 0);
    EXPECT_EQ(trace(),
              join({identification(),
                    {W(kRegDualFunc_H9, 2), W(kRegCounterSettingA_Dual_F_H9, 0),
                     W(kRegCounterSettingA_Dual_F_H9 + 2, 0x1000), W(kRegOutputModeA_Dual_F_H9, 1),
                     W(kRegFuncType_H9, 1), W(kRegFuncB_H9, 1), W(kRegOutputModeB_F_H9, 1), W(kRegSampleAvgB_F_H9, 3),
                     W(kRegHoldCounterB_F_H9, 0), W(kRegHoldCounterB_F_H9 + 2, 0x10), W(kRegMaxFreqB_H9, 2),
                     W(kRegMagnificationB_H9, 0), W(kRegMagnificationB_H9 + 2, 1), W(kRegDotAdjB_H9, 0),
                     W(kRegCounterSettingUpB_H9, 0x42), W(kRegCounterSettingUpB_H9 + 2, 0),
                     W(kRegCountInputModeB_H9, 0), W(kRegOutputModeB_H9, 0), W(kRegSGWidth_H9, 1)}, kCommon,
                    sysFlagReads(),
                    {W(kRegSysFlags_H9, 0x5321), W(kRegSysFlags_H9 + 2, 0x233C), W(kRegSysFlags_H9 + 4, 0x3996)},
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
    timerCounterParamsH9.nOutputModeA_H9 = 0; // the output time is not checked in this mode, but it is sent
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
    instrument.poke(kRegFamily1 + 1, 0x77); // high byte of 1024: anything
    instrument.poke(kRegFamily2, 0x24);
    EXPECT_NE(DownloadAll_H9(), 0);
    EXPECT_EQ(trace(), (Trace{R(kRegFamily1), R(kRegFamily2)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(269));

    instrument.clearRequests();
    boxes.clear();
    instrument.poke(kRegFamily1, 0x00);
    CommControl().setPortOpen(false);
    EXPECT_NE(DownloadAll_H9(), 0);
    EXPECT_EQ(trace(), (Trace{R(kRegFamily1)}));
    EXPECT_EQ(boxes.last().text, platform::LoadResString(269));
}

TEST_F(H9Download, AnotherTypeClosesThePortThenGivesMessage20)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.poke(kRegDeviceType + 1, 2); // an H5 answers
    EXPECT_NE(DownloadAll_H9(), 0);
    EXPECT_EQ(trace(), (Trace{R(kRegFamily1), R(kRegFamily2), R(kRegDeviceType)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(284));
    EXPECT_FALSE(boxes.portOpenAtBox[0]);
}

TEST_F(H9Download, TimeOutDuringIdentificationWritesNothing)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegFamily1));
    EXPECT_EQ(DownloadAll_H9(), 3);
    EXPECT_EQ(trace(), (Trace{R(kRegFamily1)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(268));
    EXPECT_FALSE(portOpen());
}

TEST_F(H9Download, AWriteFailingMidBlockEndsTheDownload)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.setFault(sim::Fault::exception(2), sim::FaultScope::atAddress(kTimerSlotsA_H9[0].setValue));
    EXPECT_EQ(DownloadAll_H9(), 29);
    // No system flags, no end register, no pauses, no 0xDD and no key protection.
    EXPECT_EQ(trace(),
              join({identification(),
                    {W(kRegFuncType_H9, 0), W(kRegTimeCodeA_H9, 0), W(kTimerSlotsA_H9[0].setValue, 0x34)}}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(341));
    EXPECT_FALSE(portOpen());
}

TEST_F(H9Download, AFailedSystemFlagReadWritesNoFlags)
{
    setTimerA(rows);
    setCounterB(rows);
    // The one-register read of 1781 covers bytes 1781 and 1782.
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegSysFlags_H9 + 2));
    EXPECT_EQ(DownloadAll_H9(), 3);
    EXPECT_EQ(trace(),
              join({identification(), kTimerABlock, {W(kRegFuncType_H9, 0), W(kRegFuncB_H9, 0)}, kCounterBWalk, kCommon,
                    {R(kRegSysFlags_H9), R(kRegSysFlags_H9 + 1)}}));
}

TEST_F(H9Download, TimeOutOnTheEndRegister)
{
    setTimerA(rows);
    setCounterB(rows);
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegEnd_H9));
    EXPECT_EQ(DownloadAll_H9(), 3);
    const Trace t = trace();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back(), W(kRegEnd_H9, 1));
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
    EXPECT_EQ(t[t.size() - 2], W(kRegEnd_H9, 1));
    EXPECT_EQ(t.back(), WAIT(8000));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(261));
}
