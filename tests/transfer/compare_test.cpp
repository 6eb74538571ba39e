// The compare against the simulated instrument: what it names when a byte differs,
// what it leaves out, and how it fails.
#include "sim_jobs_fixture.h"

#include "compare_names.h"
#include "core/h5h7_params.h"
#include "core/h5h7_registers.h"
#include "core/h9_params.h"
#include "core/h9_registers.h"
#include "editors/common/combo_select.h"
#include "editors/common/refresh.h"
#include "support/editor_state.h"
#include "support/form_access.h"
#include "transfer/compare.h"
#include "transfer/register_image.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

using namespace simtest;

namespace {

class Compare : public SimTransferTest {
protected:
    // A non-default set in the editor of `macType`, downloaded to a fresh instrument.
    sim::Instrument& downloaded(sim::Type type, int macType, int mode)
    {
        sim::Instrument& inst = start(type);
        nMacType = macType;
        if (macType == kMacTypeH9) {
            frmModeSetting_H9::instance().Show();
            testhelp::fillH9(mode, 1);
            RefreshDependentControls(0);
        } else {
            frmModeSetting_H7::instance().Show();
            testhelp::fillH5H7(mode, 1);
            RefreshDependentControls(mode <= 2 ? 1 : 2);
        }
        EXPECT_EQ(runJob(1, macType == kMacTypeH9 ? 0 : mode <= 2 ? 3 : 4), res(264));
        // The log is cleared only when nothing is on its way to it: an H9 download ends
        // with an answered write, the others with their one-way 0xDD.
        if (macType != kMacTypeH9) {
            EXPECT_TRUE(settleDD());
        }
        boxes.clear();
        inst.clearRequests();
        return inst;
    }
    // Runs the compare; returns the text of its one box.
    QString compare()
    {
        boxes.clear();
        EXPECT_EQ(runJob(2), res(265));
        EXPECT_EQ(boxes.count(), 1) << boxTexts().join("|").toStdString();
        return boxes.count() ? boxes.last().text : QString();
    }
    void flip(int address) { instrument->poke(address, static_cast<quint8>(instrument->peek(address) ^ 1)); }

    const QString same = QStringLiteral("Compare completed ! The programs are the same.");
    const QString differs = QStringLiteral("Program different :");
};

TEST_F(Compare, AChangedByteIsNamedByItsParameter)
{
    downloaded(sim::Type::H5, kMacTypeH5, 1);
    EXPECT_EQ(compare(), same);
    flip(1133);
    EXPECT_EQ(compare(), differs + "Set Value");
    EXPECT_EQ(boxes.last().title, "Compare");
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::Exclamation);
    // Only the first difference, in the order of the reads.
    flip(1122);
    EXPECT_EQ(compare(), differs + "Time Range");
}

TEST_F(Compare, AnAddressInNoRowIsNamedByItsHexadecimalAddress)
{
    sim::Instrument& inst = downloaded(sim::Type::H9, kMacTypeH9, 0);
    inst.poke(kRegTimeCodeA_H9 + 1, 1); // the high byte of the time code
    EXPECT_EQ(compare(), differs + "ADD:45B  Unknow");
}

TEST_F(Compare, KeyProtectionAndSystemFlagsAreNotCompared)
{
    sim::Instrument& inst = downloaded(sim::Type::H9, kMacTypeH9, 5);
    flip(kRegKeyProtect_H9);
    for (int a = kRegSysFlags_H9; a <= kRegSysFlags_H9 + 5; ++a)
        inst.poke(a, 0x5A);
    EXPECT_EQ(compare(), same);
    flip(kRegPowerSaving_H9);
    EXPECT_EQ(compare(), differs + "Power Saving");

    TearDown();
    downloaded(sim::Type::H7, kMacTypeH7, 8);
    flip(1084);
    EXPECT_EQ(compare(), same);
}

TEST_F(Compare, H5TimerComparesOnlyWhatItsOutputModeUses)
{
    downloaded(sim::Type::H5, kMacTypeH5, 0);
    frmModeSetting_H7& ed = frmModeSetting_H7::instance();
    struct Step { int outputMode; int address; bool reported; const char* reads; };
    // d (6): no output time; Z (9): no output time, but the duty ratio; b-1 (5): the
    // output time and no duty ratio.
    for (const Step& s : {Step{6, 1095, false, "R1088-1093 R1098-1101 R1076 R1078 R1080"},
                          Step{9, 1102, true, "R1088-1093 R1098-1102"},
                          Step{5, 1103, false, "R1088-1101 R1076 R1078 R1080"}, Step{5, 1096, true, "R1088-1096"}}) {
        SCOPED_TRACE(s.address);
        ASSERT_TRUE(SetListIndex(ui(ed).cboOutputMode_A_H5, s.outputMode));
        testhelp::setDigits(ui(ed).lblDutyRatio_A_H5, "000047");
        ASSERT_EQ(runJob(1, 3), res(264));
        ASSERT_TRUE(settleDD());
        instrument->clearRequests();
        flip(s.address);
        const QString name = s.address >= 1102 ? "ON Duty Ratio" : "Output Time";
        EXPECT_EQ(compare(), s.reported ? differs + name : same);
        EXPECT_EQ(trace(), "R1024 R1026 R1028 R1074 " + std::string(s.reads));
    }
}

// The bytes each compare reads when the instrument holds the edited set: identification, the
// function mode (twice for an H8), the words of the mode; the H5's common bytes last, the H7's first.
TEST_F(Compare, EveryModeReadsItsBytes)
{
    const std::string h7 = "R1074 R1074-1081 R1702 R1700 R1704-1707 ";
    const std::string counter = h7 + "R1696-1699 R1716-1719 R1708-1711 R1734";
    for (const auto& [type, macType, mode, reads] :
         {std::tuple{sim::Type::H5, kMacTypeH5, 1, std::string("R1074 R1120-1135 R1076 R1078 R1080")},
          {sim::Type::H8, kMacTypeH8, 2, "R1074 R1074 R1152-1165 R1076 R1078 R1080"},
          {sim::Type::H7, kMacTypeH7, 3, counter},
          {sim::Type::H7, kMacTypeH7, 4, counter + " R1720-1723 R1712-1715 R1736"},
          {sim::Type::H7, kMacTypeH7, 5, counter},
          {sim::Type::H7, kMacTypeH7, 6, counter + " R1712-1715"},
          {sim::Type::H7, kMacTypeH7, 7, counter + " R1724-1725"},
          {sim::Type::H8, kMacTypeH8, 8, "R1074 " + h7 + "R1726-1733 R1708-1715"}}) {
        SCOPED_TRACE(mode);
        TearDown();
        downloaded(type, macType, mode);
        EXPECT_EQ(compare(), same);
        EXPECT_EQ(trace(), "R1024 R1026 R1028 " + reads);
    }
}

TEST_F(Compare, H7SignsAndTheDualCountersFirstInputRegister)
{
    downloaded(sim::Type::H7, kMacTypeH7, 7);
    flip(1696);
    flip(1697);
    EXPECT_EQ(compare(), same);
    flip(1698);
    EXPECT_EQ(compare(), differs + "Output Mode");
    flip(1698);
    // A sign difference is told as the set value before it.
    flip(1734);
    EXPECT_EQ(compare(), differs + "Set Value");
    EXPECT_EQ(boxes.count(), 1);
}

TEST_F(Compare, H8InAnotherFunctionModeIsReportedFirst)
{
    sim::Instrument& inst = downloaded(sim::Type::H8, kMacTypeH8, 4);
    inst.poke(1074, 1);
    EXPECT_EQ(compare(), differs + "Function Selection");
    EXPECT_EQ(requests(), (std::vector<Req>{rd(1024), rd(1026), rd(1028), rd(1074)}));
    EXPECT_EQ(devReadback.nDevFuncMode, 1);
}

TEST_F(Compare, Failures)
{
    sim::Instrument& inst = downloaded(sim::Type::H5, kMacTypeH5, 2);

    // A time-out while identifying: the link's message alone.
    inst.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1028));
    EXPECT_EQ(runJob(2), res(262));
    EXPECT_EQ(boxTexts(), QStringList{"Time out !"});
    EXPECT_FALSE(frmWriteProcess1::isLoaded());

    // A time-out while comparing: the link's message, then "Failed to compare!".
    inst.clearFaults();
    boxes.clear();
    inst.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1156));
    EXPECT_EQ(runJob(2), res(262));
    EXPECT_EQ(boxTexts(), (QStringList{"Time out !", "Failed to compare!"}));

    // Not an instrument of the family; then another type.
    inst.clearFaults();
    boxes.clear();
    inst.poke(1024, 0x52);
    EXPECT_EQ(runJob(2), res(262));
    EXPECT_EQ(boxTexts(), QStringList{res(269)});
    inst.poke(1024, 0x25);
    inst.poke(1029, 3);
    boxes.clear();
    EXPECT_EQ(runJob(2), res(262));
    EXPECT_EQ(boxTexts(), QStringList{"Wrong machine type !"});
    EXPECT_EQ(requests().back(), rd(1028));

    // Nothing was ever written by a compare.
    EXPECT_TRUE(writes().empty());
}

TEST_F(Compare, H8FunctionModeReadFailsWithMessage24)
{
    sim::Instrument& inst = downloaded(sim::Type::H8, kMacTypeH8, 8);
    inst.setFault(sim::Fault::exception(2), sim::FaultScope::atAddress(1074));
    EXPECT_EQ(runJob(2), res(262));
    EXPECT_EQ(boxTexts(), (QStringList{"ILLEGAL DATA ADDRESS!", "Failed to compare!"}));
}

TEST_F(Compare, AnUnencodableSetFailsTheCompare)
{
    downloaded(sim::Type::H7, kMacTypeH7, 3);
    ui(frmModeSetting_H7::instance()).lblMagnification_Comm_H7->label(5)->setCaption("?");
    EXPECT_EQ(runJob(2), res(262));
    EXPECT_EQ(boxTexts(), QStringList{"Failed to compare!"});
}

// The byte addresses the compare reads for the set in the editor: the function
// registers, the flagged bytes of the H9 blocks the mode uses or the mode's ranges of
// the H5 and H7 maps, and the common bytes.
std::set<long> comparedBytes(const TypeMode& c)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    std::set<long> out;
    auto add = [&out](long first, long last = 0) {
        for (long a = first; a <= std::max(first, last); ++a)
            out.insert(a);
    };
    if (c.macType == kMacTypeH9) {
        const RegImageH9& r = RegImage_H9;
        std::vector<const RegBlock*> blocks;
        if (p.nFuncType_H9 == 0) {
            add(kRegFuncB_H9);
            blocks = p.nFuncB_H9 == 0 ? std::vector{&r.TimerA, &r.CounterB} : std::vector{&r.TimerA, &r.TachoB, &r.TachoCnt};
        } else {
            add(kRegDualFunc_H9);
            blocks = p.nDualFunc_H9 == 0   ? std::vector{&r.TwoStage}
                   : p.nDualFunc_H9 == 1 ? std::vector{&r.DualCounter, &r.CounterB}
                                       : std::vector{&r.DualTacho, &r.TachoB, &r.TachoCnt};
        }
        for (const RegBlock* b : blocks)
            for (int a = b->lb(); a <= b->ub(); ++a)
                if (b->bRegFlag(a))
                    add(a);
        for (long a : {kRegFuncType_H9, kRegSGWidth_H9, kRegInputMethod_H9, kRegPowerSaving_H9})
            add(a);
        return out;
    }
    add(kRegFuncMode);
    if (c.mode <= 2) {
        const int outputMode = timerParamsH5.nOutputMode_A_H5;
        if (c.mode == 0) {
            add(kRegTimerRange_A_H5, kRegOutputMode_A_H5 + 1);
            if (outputMode <= 5)
                add(kRegHoldTime_A_H5, kRegHoldTime_A_H5 + 3);
            add(kRegTimerSetting_A_H5, outputMode == 9 ? kRegDutyRatio_A_H5 + 1 : kRegTimerSetting_A_H5 + 3);
        }
        c.mode == 1   ? add(kRegTimerRangeOFF_B_H5, kRegSettingValueON_B_H5 + 3)
        : c.mode == 2 ? add(kRegSettingMode_C_H5, kRegSV2_C_H5 + 3)
                      : void();
        for (long a : {kRegSGWidth_H5H7, kRegInputMethod_H5H7, kRegKP_H5H7})
            add(a);
        return out;
    }
    add(kRegFuncMode, kRegKP_H5H7 + 1);
    for (long a : {kRegMaxFreq_H7, kRegDotAdj_H7})
        add(a);
    add(kRegMagnification_H7, kRegMagnification_H7 + 3);
    if (c.mode == 8) {
        add(kRegCounterSetting1_H7, kRegCounterSetting2_H7 + 3);
        add(kRegOutputMode_freq_H7, kRegDelay2StartTime_freq_H7 + 1);
        return out;
    }
    // The dual counter passes over a difference in 1696 and 1697.
    add(c.mode == 7 ? kRegOutputMode_H7 : kRegCountInputMode_H7, kRegOutputMode_H7 + 1);
    add(kRegCounterSetting1_H7, c.mode == 4 || c.mode == 6 ? kRegCounterSetting2_H7 + 3 : kRegCounterSetting1_H7 + 3);
    add(kRegHoldCounter1_H7, c.mode == 4 ? kRegHoldCounter2_H7 + 3 : kRegHoldCounter1_H7 + 3);
    add(kRegSign1_H7); // the signs
    if (c.mode == 4)
        add(kRegSign2_H7);
    if (c.mode == 7)
        add(kRegDualInputMode_H7, kRegDualInputMode_H7 + 1);
    return out;
}

class CompareEachByte : public Compare, public ::testing::WithParamInterface<TypeMode> {};

TEST_P(CompareEachByte, AnyComparedByteThatDiffersIsNamed)
{
    const TypeMode c = GetParam();
    downloaded(c.type, c.macType, c.mode);
    ASSERT_EQ(compare(), same);
    const bool h9 = c.macType == kMacTypeH9;
    for (long a : comparedBytes(c)) {
        SCOPED_TRACE(a);
        flip(a);
        // A sign is told as the set value before it.
        const long named = a == 1734 ? 1711 : a == 1736 ? 1715 : a;
        const std::string name = h9 ? comparenames::nameOf(comparenames::kH9, named)
                                    : comparenames::nameOf(comparenames::kH5H7, named);
        EXPECT_EQ(compare().toStdString(), differs.toStdString() + name);
        flip(a);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTypeAndMode, CompareEachByte, ::testing::ValuesIn(everyTypeAndMode()), typeModeName);

} // namespace
