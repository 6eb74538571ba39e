// The H5 and H7 download sequences against the simulated instrument.
#include "sim_jobs_fixture.h"

#include "core/h5h7_registers.h"
#include "support/editor_state.h"
#include "transfer/h5h7_download.h"
#include "transfer/h5_encoder.h"
#include "transfer/h7_encoder.h"
#include "support/form_access.h"

using namespace simtest;

namespace {

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

TEST_F(H5H7Download, H7SequenceOnTheLine)
{
    sim::Instrument& inst = start(sim::Type::H7);
    frmModeSetting_H7& ed = editor(kMacTypeH7, 3, 2);
    testhelp::setDigits(ui(ed).lblCounterSetting_1st_H7, "-12345");
    testhelp::setDigits(ui(ed).lblHoldCounter_1st_H7, "000005");

    EXPECT_EQ(runJob(1, 4), downloaded());
    std::vector<Req> expected = {rd(kRegFamily1), rd(kRegFamily2), rd(kRegDeviceType), rd(kRegWritePermission_H5H7),
                                 wr(kRegBegin_H5H7, 0)};
    for (int r : {kRegFuncMode, kRegSGWidth_H5H7, kRegInputMethod_H5H7, kRegKP_H5H7, kRegKeyProtect_H5H7})
        expected.push_back(wr(r, RegImage_H7.Comm.Word(r)));
    for (int r = kRegCntFirst_H7; r <= kRegSign2_H7; r += 2)
        expected.push_back(wr(r, RegImage_H7.Cnt.Word(r)));
    expected.push_back(wr(kRegEnd_H5H7, 1));
    expected.push_back(dd());
    EXPECT_TRUE(settle(expected.size()));
    EXPECT_EQ(requests(), expected);

    // The set as the instrument holds it now.
    EXPECT_EQ(inst.read16(kRegFuncMode), 3);
    EXPECT_EQ(inst.read16(kRegCounterSetting1_H7), 0x2345);
    EXPECT_EQ(inst.read16(kRegCounterSetting1_H7 + 2), 0x0001);
    EXPECT_EQ(inst.read16(kRegSign1_H7), 1);
    EXPECT_EQ(inst.read16(kRegHoldCounter1_H7), 0x0005);
    EXPECT_EQ(inst.read16(kRegEnd_H5H7), 1);

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

TEST_F(H5H7Download, H5SendsEveryTimerSectionAndKeyProtectionInsideTheImage)
{
    start(sim::Type::H5);
    editor(kMacTypeH5, 0, 1); // seed 1 switches key protection on
    ASSERT_EQ(bKeyProtect, 1);
    EXPECT_EQ(runJob(1, 3), downloaded());
    EXPECT_TRUE(settle(4u + 30u + 1u));

    const std::vector<Req> w = writes();
    ASSERT_EQ(w.size(), 30u);
    EXPECT_EQ(w.front(), wr(kRegBegin_H5H7, 0));
    EXPECT_EQ(w.back(), wr(kRegEnd_H5H7, 1));
    std::vector<int> regs;
    for (std::size_t i = 1; i + 1 < w.size(); ++i)
        regs.push_back(w[i].address);
    std::vector<int> expected = {kRegFuncMode, kRegSGWidth_H5H7, kRegInputMethod_H5H7, kRegKP_H5H7,
                                 kRegKeyProtect_H5H7};
    for (int first : {kRegTimerRange_A_H5, kRegTimerRangeOFF_B_H5})
        for (int r = first; r <= first + 14; r += 2)
            expected.push_back(r);
    for (int r = kRegSettingMode_C_H5; r <= kRegSV2_C_H5 + 2; r += 2)
        expected.push_back(r);
    EXPECT_EQ(regs, expected);
    EXPECT_EQ(w[5], wr(kRegKeyProtect_H5H7, 1));
    // Nothing follows the 0xDD request.
    EXPECT_EQ(requests().back(), dd());
}

TEST_F(H5H7Download, H8CounterModeExpectsTypeFour)
{
    start(sim::Type::H8);
    editor(kMacTypeH8, 4);
    EXPECT_EQ(runJob(1, 4), downloaded());
    EXPECT_EQ(instrument->read16(kRegFuncMode), 4);
    EXPECT_EQ(requests()[2], rd(kRegDeviceType));
}

TEST_F(H5H7Download, AnotherTypeIsRefusedBeforeAnyWrite)
{
    start(sim::Type::H7);
    editor(kMacTypeH8, 4);
    EXPECT_EQ(runJob(1, 4), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(284)});
    EXPECT_EQ(requests(), (std::vector<Req>{rd(kRegFamily1), rd(kRegFamily2), rd(kRegDeviceType)}));
}

TEST_F(H5H7Download, WriteInhibitedShowsMessage30AndWritesNothing)
{
    sim::Instrument& inst = start(sim::Type::H5);
    inst.poke(kRegWritePermission_H5H7, 0);
    inst.poke(kRegWritePermission_H5H7 + 1, 1); // only the low byte counts
    editor(kMacTypeH5, 1);
    EXPECT_EQ(runJob(1, 3), failed());
    EXPECT_EQ(requests(),
              (std::vector<Req>{rd(kRegFamily1), rd(kRegFamily2), rd(kRegDeviceType), rd(kRegWritePermission_H5H7)}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Communication writing inhibit !");
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::None);
    EXPECT_EQ(boxes.last().title, "Error");
}

TEST_F(H5H7Download, NotAnInstrumentOfTheFamily)
{
    sim::Instrument& inst = start(sim::Type::H7);
    inst.poke(kRegFamily2, 0x24);
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
    inst.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegSettingValueOFF_B_H5));
    editor(kMacTypeH5, 1);
    EXPECT_EQ(runJob(1, 3), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(268)});
    const std::vector<Req> w = writes();
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w.back().address, kRegSettingValueOFF_B_H5);
    // What was written keeps its value; the end register and the pauses never came.
    EXPECT_EQ(inst.read16(kRegOutputMode_B_H5), RegImage_H5.H5.Word(kRegOutputMode_B_H5));
    EXPECT_EQ(inst.read16(kRegEnd_H5H7), 0);
    EXPECT_EQ(clock.virtualMsSpent(), 0);
}

} // namespace
