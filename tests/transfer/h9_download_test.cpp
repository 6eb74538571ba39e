// Every H9 download sequence against the simulated instrument, request by request.
#include "transfer/h9_download.h"

#include "link/messages.h"
#include "platform/strings.h"
#include "sim_fixture.h"

using namespace simtx;

namespace {

const std::string kIdentify = "R1024 R1026 R1028 W1248=0000";
const std::string kSysFlagReads = "R1780 R1781 R1782 R1783 R1784 R1785";

// Each download of the sets of setH9 as the instrument receives it: the identification and
// the begin register, the blocks in the order of their writers, the common registers, the
// system flags read and written back over the bytes A5 5A 3C C3 96 69, and the end.
struct DownloadCase {
    const char* name;
    int mode;
    int (*download)();
    std::vector<std::string> lines;
};
const DownloadCase kDownloads[] = {
    {"timer and counter", 0, DownloadAll_H9,
     {kIdentify, "W1542=0000 W1114=0005 W1144=0000 W1146=0000 W1148=3456 W1150=0012 W1172=0021 W1174=6543 W1176=0006",
      "W1542=0000 W1552=0000 W1356=0002 W1360=0680 W1362=0024 W1364=0001 W1370=0054 W1372=9876 W1374=0004 "
      "W1376=000B W1378=0038 W1380=1029",
      "W1178=0001 W1358=0000 W1686=0001", kSysFlagReads, "W1780=1650 W1782=2B40 W1784=6910",
      "W1280=0001 wait8000 DD wait4000 W1278=0001"}},
    {"timer and tachometer", 1, DownloadAll_H9,
     {kIdentify, "W1542=0000 W1114=0001 W1120=0026 W1122=3159 W1172=0002 W1174=8473 W1176=0003",
      "W1542=0000 W1552=0001 W1554=0001 W1556=0003 W1574=0031 W1576=0975",
      "W1356=0002 W1360=0579 W1362=0013 W1364=0000 W1366=0007 W1368=5612 W1374=0000 W1376=0000",
      "W1178=0000 W1358=0001 W1686=0001", kSysFlagReads, "W1780=0310 W1782=2331 W1784=3106",
      "W1280=0001 wait8000 DD wait4000 W1278=0000"}},
    {"counter and total counter", 2, DownloadDualCounter_H9,
     {kIdentify, "W1542=0001 W1584=0001 W1648=0000 W1650=0001 W1652=2468 W1654=0013 W1656=5709 W1658=0001",
      "W1552=0000 W1356=0003 W1360=0000 W1362=0001 W1364=0000 W1366=0010 W1368=6824 W1374=0006 W1376=0009 "
      "W1378=0062 W1380=3915",
      "W1178=0001 W1358=0000 W1686=0000", kSysFlagReads, "W1780=5A11 W1782=3960 W1784=6910",
      "W1280=0001 wait8000 DD wait4000 W1278=0001"}},
    {"counter and batch counter", 3, DownloadDualCounter_H9,
     {kIdentify, "W1542=0001 W1584=0001 W1648=0001 W1650=0086 W1652=7531 W1654=0068 W1656=2049 W1658=0000",
      "W1552=0000 W1356=0002 W1360=0000 W1362=0001 W1364=0000 W1370=0027 W1372=4190 W1374=0003 W1376=000A "
      "W1378=0035 W1380=8601",
      "W1178=0000 W1358=0001 W1686=0000", kSysFlagReads, "W1780=5A11 W1782=2331 W1784=6101",
      "W1280=0001 wait8000 DD wait4000 W1278=0000"}},
    {"two counters", 4, DownloadDualCounter_H9,
     {kIdentify, "W1542=0001 W1584=0001 W1648=0002 W1650=0065 W1652=0987 W1654=0034 W1656=1625 W1658=0001",
      "W1552=0000 W1356=0001 W1360=0000 W1362=0001 W1364=0000 W1370=0084 W1372=5273 W1374=0007 W1376=0005 "
      "W1378=0020 W1380=7439",
      "W1178=0001 W1358=0000 W1686=0001", kSysFlagReads, "W1780=5A11 W1782=C572 W1784=6910",
      "W1280=0001 wait8000 DD wait4000 W1278=0001"}},
    {"2-stage timer", 5, DownloadTwoStageTimer_H9,
     {kIdentify,
      "W1542=0001 W1584=0000 W1586=0046 W1588=1352 W1590=0053 W1592=6421 W1594=0000 W1596=0001 W1598=0072 "
      "W1600=9081 W1602=0029 W1604=0718",
      "W1178=0001 W1358=0001 W1686=0000", kSysFlagReads, "W1780=1201 W1782=C33C W1784=6996",
      "W1280=0001 wait8000 DD wait4000 W1278=0000"}},
    // The signal width goes twice.
    {"dual tachometer", 6, DownloadDualTacho_H9,
     {kIdentify, "W1584=0002 W1680=0026 W1682=4815 W1684=0000",
      "W1542=0001 W1552=0001 W1554=0001 W1556=0002 W1574=0018 W1576=3604",
      "W1356=0003 W1360=0000 W1362=0001 W1364=0000 W1366=0037 W1368=2590 W1374=0000 W1376=0000 W1178=0000",
      "W1178=0000 W1358=0001 W1686=0001", kSysFlagReads, "W1780=5221 W1782=333C W1784=2996",
      "W1280=0001 wait8000 DD wait4000 W1278=0001"}},
    // One channel alone keeps the system-flag bytes of the other as the instrument has them.
    {"channel A alone", 0, DownloadTimerA_H9,
     {kIdentify, "W1542=0000 W1114=0005 W1144=0000 W1146=0000 W1148=3456 W1150=0012 W1172=0021 W1174=6543 W1176=0006",
      "W1178=0001 W1358=0000 W1686=0001", kSysFlagReads, "W1780=1650 W1782=C33C W1784=6996",
      "W1280=0001 wait8000 DD wait4000 W1278=0001"}},
    {"channel B alone, counter", 0, DownloadPartB_H9,
     {kIdentify,
      "W1542=0000 W1552=0000 W1356=0002 W1360=0680 W1362=0024 W1364=0001 W1370=0054 W1372=9876 W1374=0004 "
      "W1376=000B W1378=0038 W1380=1029",
      "W1178=0001 W1358=0000 W1686=0001", kSysFlagReads, "W1780=5AA5 W1782=2B40 W1784=6910",
      "W1280=0001 wait8000 DD wait4000 W1278=0001"}},
    {"channel B alone, tachometer", 1, DownloadPartB_H9,
     {kIdentify, "W1542=0000 W1552=0001 W1554=0001 W1556=0003 W1574=0031 W1576=0975",
      "W1356=0002 W1360=0579 W1362=0013 W1364=0000 W1366=0007 W1368=5612 W1374=0000 W1376=0000",
      "W1178=0000 W1358=0001 W1686=0001", kSysFlagReads, "W1780=5AA5 W1782=2331 W1784=3106",
      "W1280=0001 wait8000 DD wait4000 W1278=0000"}},
};

using H9Download = SimTest;

} // namespace

TEST_F(H9Download, EverySequenceRequestByRequest)
{
    for (const DownloadCase& c : kDownloads) {
        SCOPED_TRACE(c.name);
        setH9(c.mode);
        // A download of one channel neither checks nor sends the other.
        if (c.download == DownloadTimerA_H9)
            rows[H9Row::lblCounterSettingB].setDigits("000000");
        if (c.download == DownloadPartB_H9)
            rows[H9Row::lblTimerSettingA].setDigits("000000");
        presetSysFlags({0xA5, 0x5A, 0x3C, 0xC3, 0x96, 0x69});
        clearTrace();
        ASSERT_EQ(c.download(), 0);
        expectTrace(c.lines);
        EXPECT_EQ(boxes.count(), 0);
        EXPECT_TRUE(portOpen()); // the transfer window closes it
        EXPECT_EQ(commState.bSilentComm, 0);
        // The instrument holds what it was sent (the begin register is also its run flag).
        for (const std::string& t : trace()) {
            int reg = 0, value = 0;
            if (std::sscanf(t.c_str(), "W%d=%X", &reg, &value) == 2 && reg != 1248) {
                EXPECT_EQ(instrument.read16(reg), value) << t;
            }
        }
        CommControl().setPortOpen(false);
    }
}

// --- Failure paths -----------------------------------------------------------------

TEST_F(H9Download, AFailedCheckSendsNothing)
{
    setH9(0);
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
    setH9(0);
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
    setH9(0);
    instrument.poke(1025, 0x77); // high byte of 1024: anything
    instrument.poke(1026, 0x24);
    EXPECT_NE(DownloadAll_H9(), 0);
    expectTrace({"R1024 R1026"});
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(269));

    instrument.clearRequests();
    boxes.clear();
    instrument.poke(1024, 0x00);
    CommControl().setPortOpen(false);
    EXPECT_NE(DownloadAll_H9(), 0);
    expectTrace({"R1024"});
    EXPECT_EQ(boxes.last().text, platform::LoadResString(269));
}

TEST_F(H9Download, AnotherTypeClosesThePortThenGivesMessage20)
{
    setH9(0);
    instrument.poke(1029, 2); // an H5 answers
    EXPECT_NE(DownloadAll_H9(), 0);
    expectTrace({"R1024 R1026 R1028"});
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(284));
    EXPECT_FALSE(boxes.portOpenAtBox[0]);
}

TEST_F(H9Download, TimeOutDuringIdentificationWritesNothing)
{
    setH9(0);
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1024));
    EXPECT_EQ(DownloadAll_H9(), 3);
    expectTrace({"R1024"});
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(268));
    EXPECT_FALSE(portOpen());
}

TEST_F(H9Download, AWriteFailingMidBlockEndsTheDownload)
{
    setH9(0);
    instrument.setFault(sim::Fault::exception(2), sim::FaultScope::atAddress(1148));
    EXPECT_EQ(DownloadAll_H9(), 29);
    // No system flags, no end register, no pauses, no 0xDD and no key protection.
    expectTrace({kIdentify, "W1542=0000 W1114=0005 W1144=0000 W1146=0000 W1148=3456"});
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(341));
    EXPECT_FALSE(portOpen());
}

TEST_F(H9Download, AFailedSystemFlagReadWritesNoFlags)
{
    setH9(0);
    // The one-register read of 1781 covers bytes 1781 and 1782.
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1782));
    EXPECT_EQ(DownloadAll_H9(), 3);
    std::vector<std::string> lines(kDownloads[0].lines.begin(), kDownloads[0].lines.begin() + 4);
    lines.push_back("R1780 R1781");
    expectTrace(lines);
}

TEST_F(H9Download, TimeOutOnTheEndRegister)
{
    setH9(0);
    instrument.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1280));
    EXPECT_EQ(DownloadAll_H9(), 3);
    const Trace t = trace();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back(), "W1280=0001");
    EXPECT_TRUE(clock.pauses.empty());
}

TEST_F(H9Download, ACommandDDThatCannotBeSentEndsWithMessage14)
{
    setH9(0);
    // The line goes away during the first pause.
    clock.onPause = [](qint64 ms) {
        if (ms > 4000)
            CommControl().setPortOpen(false);
    };
    EXPECT_EQ(DownloadAll_H9(), 14);
    const Trace t = trace();
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[t.size() - 2], "W1280=0001");
    EXPECT_EQ(t.back(), "wait8000");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, platform::LoadResString(261));
}
