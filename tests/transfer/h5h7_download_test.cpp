// The H5 and H7 download sequences against the simulated instrument.
#include "sim_jobs_fixture.h"

#include "support/editor_state.h"
#include "transfer/h5h7_download.h"
#include "transfer/h5_encoder.h"
#include "transfer/h7_encoder.h"
#include "support/fake_digit_rows.h"
#include "support/form_access.h"

#include <map>
#include <tuple>

using namespace simtest;

namespace {

using R = H5H7Row;

class H5H7Download : public SimTransferTest {
protected:
    frmModeSetting_H7& editor(int macType, int mode, int seed = 1)
    {
        nMacType = macType;
        frmModeSetting_H7& ed = frmModeSetting_H7::instance();
        ed.Show();
        testhelp::fillH5H7(mode, seed);
        return ed;
    }
    QString downloaded() const { return res(264); }
    QString failed() const { return res(261); }
};

// Every function mode on the line: identification, the write permission, the begin
// register, the words of the image in the order of the map, the end register and the
// 0xDD request. Every field holds a value unlike its neighbours', every row six different
// digits; an H8 sends the same words as an H5 or an H7.
TEST_F(H5H7Download, EveryModeOnTheLine)
{
    testsupport::FakeH5H7Rows rows;
    for (auto [row, digits] :
         {std::pair{R::lblHoldTime_A_H5, "159263"}, {R::lblTimerSetting_A_H5, "274815"},
          {R::lblDutyRatio_A_H5, "000086"}, {R::lblSettingValueOFF_B_H5, "381604"},
          {R::lblSettingValueON_B_H5, "497120"}, {R::lblSV1_C_H5, "506238"}, {R::lblSV2_C_H5, "613947"},
          {R::lblMagnification_Comm_H7, "072513"}, {R::lblHoldCounter_1st_H7, "294058"},
          {R::lblCounterSetting_1st_H7, "-81736"}, {R::lblHoldCounter_2nd_1_H7, "315769"},
          {R::lblHoldCounter_2nd_2_H7, "460382"}, {R::lblCounterSetting_2nd_1_H7, "537914"},
          {R::lblCounterSetting_2nd_2_H7, "-62485"}, {R::lblHoldCounter_batch_H7, "706149"},
          {R::lblCounterSetting_batch_1_H7, "-94302"}, {R::lblCounterSetting_batch_2_H7, "851627"},
          {R::lblAuto2ZeroTime_freq_H7, "004718"}, {R::lblDelay2StartTime_freq_H7, "005293"},
          {R::lblCounterSetting_freq_1_H7, "938061"}, {R::lblCounterSetting_freq_2_H7, "192847"}})
        rows[row].setDigits(digits);
    const std::string h5 = "W1088=0007 W1090=0001 W1092=0004 W1094=9263 W1096=0015 W1098=4815 W1100=0027 W1102=0086 "
                           "W1120=0002 W1122=0006 W1124=0000 W1126=0001 W1128=1604 W1130=0038 W1132=7120 W1134=0049 "
                           "W1152=0001 W1154=0008 W1156=0000 W1158=6238 W1160=0050 W1162=3947 W1164=0061";
    const std::string oneStage = "W1696=0002 W1698=000A W1700=0001 W1702=0003 W1704=2513 W1706=0007 W1708=1736 "
                                 "W1710=0008 W1712=0000 W1714=0000 W1716=4058 W1718=0029 W1720=0000 W1722=0000 "
                                 "W1724=0000 W1726=0000 W1728=0000 W1730=0000 W1732=0000 W1734=0001 W1736=0000";
    const std::map<int, std::string> words = {
        {0, "W1074=0000 W1076=0001 W1078=0000 W1080=0003 W1084=0001 " + h5},
        {1, "W1074=0001 W1076=0000 W1078=0001 W1080=0003 W1084=0001 " + h5},
        {2, "W1074=0002 W1076=0001 W1078=0000 W1080=0003 W1084=0001 " + h5},
        {3, "W1074=0003 W1076=0001 W1078=0000 W1080=0002 W1084=0001 " + oneStage},
        {4, "W1074=0004 W1076=0001 W1078=0000 W1080=0002 W1084=0001 "
            "W1696=0003 W1698=0008 W1700=0001 W1702=0003 W1704=2513 W1706=0007 W1708=7914 W1710=0053 W1712=2485 "
            "W1714=0006 W1716=5769 W1718=0031 W1720=0382 W1722=0046 W1724=0000 W1726=0000 W1728=0000 W1730=0000 "
            "W1732=0000 W1734=0000 W1736=0001"},
        {5, "W1074=0005 W1076=0001 W1078=0000 W1080=0002 W1084=0001 " + oneStage},
        {6, "W1074=0006 W1076=0001 W1078=0000 W1080=0002 W1084=0001 "
            "W1696=0004 W1698=000B W1700=0001 W1702=0003 W1704=2513 W1706=0007 W1708=4302 W1710=0009 W1712=1627 "
            "W1714=0085 W1716=6149 W1718=0070 W1720=0000 W1722=0000 W1724=0000 W1726=0000 W1728=0000 W1730=0000 "
            "W1732=0000 W1734=0001 W1736=0000"},
        {7, "W1074=0007 W1076=0001 W1078=0000 W1080=0002 W1084=0001 "
            "W1696=0003 W1698=0009 W1700=0001 W1702=0003 W1704=2513 W1706=0007 W1708=4302 W1710=0009 W1712=0000 "
            "W1714=0000 W1716=6149 W1718=0070 W1720=0000 W1722=0000 W1724=0001 W1726=0000 W1728=0000 W1730=0000 "
            "W1732=0000 W1734=0001 W1736=0000"},
        {8, "W1074=0008 W1076=0001 W1078=0000 W1080=0002 W1084=0001 "
            "W1696=0003 W1698=0000 W1700=0001 W1702=0003 W1704=2513 W1706=0007 W1708=8061 W1710=0093 W1712=2847 "
            "W1714=0019 W1716=0000 W1718=0000 W1720=0000 W1722=0000 W1724=0000 W1726=0002 W1728=0003 W1730=4718 "
            "W1732=5293 W1734=0000 W1736=0000"},
    };
    for (auto [type, macType, mode] : {std::tuple{sim::Type::H5, kMacTypeH5, 0}, {sim::Type::H5, kMacTypeH5, 1},
                                       {sim::Type::H5, kMacTypeH5, 2}, {sim::Type::H8, kMacTypeH8, 1},
                                       {sim::Type::H7, kMacTypeH7, 3}, {sim::Type::H7, kMacTypeH7, 4},
                                       {sim::Type::H7, kMacTypeH7, 5}, {sim::Type::H7, kMacTypeH7, 6},
                                       {sim::Type::H7, kMacTypeH7, 7}, {sim::Type::H7, kMacTypeH7, 8},
                                       {sim::Type::H8, kMacTypeH8, 4}}) {
        SCOPED_TRACE(mode);
        sim::Instrument& inst = restart(type);
        boxes.clear();
        clock.clearLog();
        nMacType = macType;
        nFuncMode = mode;
        bKeyProtect = 1;
        timerParamsH5 = {.nSGWidth_H5 = quint8(mode != 1), .nInputMethod_H5 = quint8(mode == 1), .nKP_H5 = 3,
                         .nTimerRange_A_H5 = 7, .nTimerDir_A_H5 = 1, .nOutputMode_A_H5 = 4, .nTimerRangeOFF_B_H5 = 2,
                         .nTimerRangeON_B_H5 = 6, .nTimerDir_B_H5 = 0, .nOutputMode_B_H5 = 1, .nSettingMode_C_H5 = 1,
                         .nTimerRange_C_H5 = 8, .nOutputMode_C_H5 = 0};
        // The dual counter's ADD/SUB choice and its output list take the batch counter's bytes.
        counterParamsH7 = {.nCountInputMode_1st_H7 = 2, .nOutputMode_1st_H7 = 10, .nCountInputMode_2nd_H7 = 3,
                           .nOutputMode_2nd_H7 = 8, .nCountInputMode_batch_H7 = quint8(mode == 7 ? 1 : 4),
                           .nOutputMode_batch_H7 = quint8(mode == 7 ? 9 : 11), .nOutputMode_freq_H7 = 2,
                           .nSampleAvg_freq_H7 = 3, .nDotAdj_H7 = 3, .nInputMethod_H7 = 0, .nKP_H7 = 2,
                           .nMaxFreq_H7 = 1, .nSGWidth_H7 = 1};

        EXPECT_EQ(runJob(1, mode <= 2 ? 3 : 4), downloaded());
        ASSERT_TRUE(settleDD());
        EXPECT_EQ(trace(), "R1024 R1026 R1028 R1086 W1234=0000 " + words.at(mode) + " W1400=0001 DD");
        EXPECT_EQ(inst.read16(1074), mode);
        EXPECT_EQ(inst.read16(1400), 1);
        // The end register is followed by 8 s, the 0xDD request and 4 s more; the fake
        // clock lets them pass at once.
        std::vector<qint64> pauses;
        for (const auto& e : clock.log())
            if (e.kind == platform::FakeClock::Entry::TimedWait)
                pauses.push_back(e.ms);
        EXPECT_EQ(pauses, (std::vector<qint64>{8000, 4000}));
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().title, "Download");
        EXPECT_EQ(boxes.last().text, downloaded());
    }
    // The set as the instrument holds it now.
    EXPECT_EQ(instrument->read16(1712), 0x2485);
    EXPECT_EQ(instrument->read16(1714), 0x0006);
    EXPECT_EQ(instrument->read16(1736), 1);
}

TEST_F(H5H7Download, AnotherTypeIsRefusedBeforeAnyWrite)
{
    start(sim::Type::H7);
    editor(kMacTypeH8, 4);
    EXPECT_EQ(runJob(1, 4), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(284)});
    EXPECT_EQ(requests(), (std::vector<Req>{rd(1024), rd(1026), rd(1028)}));
}

TEST_F(H5H7Download, WriteInhibitedShowsMessage30AndWritesNothing)
{
    sim::Instrument& inst = start(sim::Type::H5);
    inst.poke(1086, 0);
    inst.poke(1087, 1); // only the low byte counts
    editor(kMacTypeH5, 1);
    EXPECT_EQ(runJob(1, 3), failed());
    EXPECT_EQ(requests(), (std::vector<Req>{rd(1024), rd(1026), rd(1028), rd(1086)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Communication writing inhibit !");
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::None);
    EXPECT_EQ(boxes.last().title, "Error");
}

TEST_F(H5H7Download, NotAnInstrumentOfTheFamily)
{
    sim::Instrument& inst = start(sim::Type::H7);
    inst.poke(1026, 0x24);
    editor(kMacTypeH7, 5);
    EXPECT_EQ(runJob(1, 4), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(269)});
    EXPECT_TRUE(writes().empty());
}

TEST_F(H5H7Download, AnUnencodableSetNeverReachesTheLine)
{
    start(sim::Type::H5);
    frmModeSetting_H7& ed = editor(kMacTypeH5, 2);
    ui(ed).lblSV2_C_H5->label(4)->setCaption("X");
    EXPECT_EQ(runJob(1, 3), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(261)});
    EXPECT_TRUE(requests().empty());
}

TEST_F(H5H7Download, ATimeOutStopsBeforeTheEndRegister)
{
    sim::Instrument& inst = start(sim::Type::H5);
    inst.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1128));
    editor(kMacTypeH5, 1);
    EXPECT_EQ(runJob(1, 3), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(268)});
    const std::vector<Req> w = writes();
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w.back().address, 1128);
    // What was written keeps its value; the end register and the pauses never came.
    EXPECT_EQ(inst.read16(1126), RegImage_H5.H5.Word(1126));
    EXPECT_EQ(inst.read16(1400), 0);
    EXPECT_EQ(clock.virtualMsSpent(), 0);
}

} // namespace
