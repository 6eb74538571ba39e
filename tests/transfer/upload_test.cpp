// The upload's read maps and failures against the simulated instrument (the main
// window's Upload command around it is in tests/app/upload_command_test.cpp).
#include "sim_jobs_fixture.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "core/ui_lock.h"
#include "settings_file/settings_image.h"
#include "support/form_access.h"
#include "transfer/identify.h"
#include "transfer/upload.h"

using namespace simtest;

namespace {

class Upload : public SimTransferTest {
protected:
    // Runs the upload job in the transfer window; returns panel 4.
    QString upload() { return runJob(0); }
    QByteArray at(int pos, int n) const { return byUploadBuf.mid(pos, n); }
    // Every position outside `used` holds "0".
    std::string zerosOutside(std::initializer_list<std::pair<int, int>> used) const
    {
        std::string bad;
        for (int i = 8; i < 256; ++i) {
            bool in = false;
            for (auto [a, b] : used)
                in = in || (i >= a && i <= b);
            if (!in && byUploadBuf.at(i) != '0')
                bad += std::to_string(i) + " ";
        }
        return bad;
    }
    QString ok() const { return res(263); }
    QString failed() const { return res(260); }
};

TEST_F(Upload, H7OneStageAndTotalCounter)
{
    sim::Instrument& inst = start(sim::Type::H7, 5);
    inst.write16(kRegOutputMode_H7, 0x000B);
    inst.write16(kRegCounterSetting1_H7, 0x2345);
    inst.write16(kRegCounterSetting1_H7 + 2, 0x0001);
    inst.write16(kRegSign1_H7, 0x0001);
    inst.write16(kRegHoldCounter1_H7, 0x0150);
    inst.write16(kRegMagnification_H7, 0x2500);
    inst.write16(kRegMagnification_H7 + 2, 0x0001);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(core::shell().sCurrentMacType_Upload, "H7");
    EXPECT_EQ(at(0, 8), "0100030A");
    EXPECT_EQ(at(31, 1), "5");
    EXPECT_EQ(at(33, 1), "B");
    EXPECT_EQ(at(36, 6), "000150");
    EXPECT_EQ(at(42, 6), "-12345");
    EXPECT_EQ(at(13, 6), "012500");
    EXPECT_EQ(zerosOutside({{10, 21}, {31, 33}, {36, 47}}), "");

    inst.write16(kRegSign1_H7, 0);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(at(42, 6), "012345");
}

TEST_F(Upload, H8ChoosesTheMapByItsFunctionMode)
{
    sim::Instrument& inst = start(sim::Type::H8, 1);
    inst.write16(kRegSettingValueOFF_B_H5, 0x4321);
    inst.write16(kRegSettingValueOFF_B_H5 + 2, 0x0065);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(core::shell().sCurrentMacType_Upload, "H8");
    EXPECT_EQ(at(4, 4), "040A");
    EXPECT_EQ(at(31, 1), "1");
    EXPECT_EQ(at(85, 6), "654321");

    inst.write16(kRegFuncMode, 8);
    inst.write16(kRegAuto2ZeroTime_freq_H7, 0x9999);
    inst.clearRequests();
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(at(31, 1), "8");
    EXPECT_EQ(at(184, 6), "009999");
    EXPECT_EQ(zerosOutside({{10, 21}, {31, 31}, {181, 207}}), "");
    // Identification with the mode, the common part and the tachometer section.
    EXPECT_EQ(requests().size(), 4u + 8u + 6u);
}

TEST_F(Upload, H5TimerAndItsDutyRatio)
{
    sim::Instrument& inst = start(sim::Type::H5, 0);
    inst.write16(kRegOutputMode_A_H5, 9);
    inst.write16(kRegDutyRatio_A_H5, 0x0100);
    inst.write16(kRegTimerSetting_A_H5, 0x3456);
    inst.write16(kRegTimerSetting_A_H5 + 2, 0x0012);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(at(34, 1), "9");
    EXPECT_EQ(at(35, 6), "123456");
    EXPECT_EQ(at(47, 6), "000100");
    EXPECT_EQ(requests().size(), 15u);
}

TEST_F(Upload, H9TimeCodeAndCounterSetValue)
{
    sim::Instrument& inst = start(sim::Type::H9);
    inst.write16(kRegTimeCodeA_H9, 5);
    inst.write16(kTimerSlotsA_H9[5].setValue, 0x3456);
    inst.write16(kTimerSlotsA_H9[5].setValue + 2, 0x0012);
    inst.write16(kRegCountInputModeB_H9, 4);
    inst.write16(kRegDotAdjB_H9, 2);
    inst.write16(kRegCounterSettingDownB_H9, 0x3456);
    inst.write16(kRegCounterSettingDownB_H9 + 2, 0x1200);
    inst.write16(kRegOutputModeB_H9, 13);
    inst.write16(kRegMagnificationB_H9, 0x0000);
    inst.write16(kRegMagnificationB_H9 + 2, 0x0001);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(core::shell().sCurrentMacType_Upload, "H9");
    EXPECT_EQ(at(25, 2), "21");
    EXPECT_EQ(at(29, 7), "0123456");
    EXPECT_EQ(at(55, 1), "D");
    EXPECT_EQ(at(57, 6), "01.000");
    EXPECT_EQ(at(63, 7), "1200.56");
    EXPECT_EQ(requests().size(), 21u);
    EXPECT_EQ(zerosOutside({{8, 9}, {21, 21}, {25, 42}, {51, 76}, {251, 252}}), "");

    inst.write16(kRegDotAdjB_H9, 0);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(at(63, 7), "0120056");
}

TEST_F(Upload, LowerCaseRepliesGiveTheSameImage)
{
    sim::Instrument& inst = start(sim::Type::H9);
    inst.write16(kRegOutputModeB_H9, 13);
    inst.write16(kRegFuncType_H9, 0);
    EXPECT_EQ(upload(), ok());
    const QByteArray upper = byUploadBuf;
    inst.setFault(sim::Fault::lowerCase());
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(byUploadBuf, upper);
    EXPECT_EQ(at(55, 1), "D");
}

TEST_F(Upload, ValuesTheMapsDoNotHandleFailWithoutAMessage)
{
    sim::Instrument& inst = start(sim::Type::H9);
    struct Bad {
        int address;
        int value;
    };
    // A function group of 16 would be read as "0" by its last digit; a time code of 8;
    // an input mode of 8; a BCD digit "A" in a set value; an option of 0x1D.
    for (const Bad& b : {Bad{kRegFuncType_H9, 0x10}, Bad{kRegTimeCodeA_H9, 8}, Bad{kRegCountInputModeB_H9, 8},
                         Bad{kTimerSlotsA_H9[0].setValue, 0x000A}, Bad{kRegOutputModeA_H9, 0x1D}}) {
        SCOPED_TRACE(b.address);
        const std::uint16_t old = inst.read16(b.address);
        inst.write16(b.address, static_cast<std::uint16_t>(b.value));
        core::shell().sCurrentMacType_Upload = "H9";
        boxes.clear();
        EXPECT_EQ(upload(), failed());
        EXPECT_EQ(boxes.count(), 0);
        EXPECT_EQ(core::shell().sCurrentMacType_Upload, "");
        inst.write16(b.address, old);
    }

    // An H5 reporting a counter mode has no section to read.
    restart(sim::Type::H5, 3);
    boxes.clear();
    EXPECT_EQ(upload(), failed());
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Upload, InstrumentsItCannotRead)
{
    sim::Instrument& inst = start(sim::Type::H7, 3);
    // A type code outside 1 to 4 is reported instead of an empty success.
    inst.poke(kRegDeviceType + 1, 5);
    EXPECT_EQ(upload(), failed());
    EXPECT_EQ(boxTexts(), QStringList{"Wrong machine type !"});
    EXPECT_EQ(core::shell().sCurrentMacType_Upload, "");

    inst.poke(kRegDeviceType + 1, 3);
    inst.poke(kRegFamily2, 0x26);
    boxes.clear();
    EXPECT_EQ(upload(), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(269)});
    EXPECT_EQ(requests().back(), rd(kRegFamily2));

    // A failed read shows the read's message only.
    inst.poke(kRegFamily2, 0x25);
    inst.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(kRegFamily2));
    boxes.clear();
    EXPECT_EQ(upload(), failed());
    EXPECT_EQ(boxTexts(), QStringList{"Time out !"});
}

// Every job identifies through the same routine; the monitor's start asks after each
// family mark whether to go on.
using Identification = SimTransferTest;

TEST_F(Identification, StopsAfterAFamilyMarkWhenItsCallerSaysSo)
{
    start(sim::Type::H7, 3);
    ASSERT_EQ(OpenCommPort(), 0);
    commState.bSilentComm = 0;
    InstrumentIdentity id;
    int linkCode = 0;
    int asked = 0;
    EXPECT_EQ(ReadInstrumentIdentity(id, true, linkCode, [&] { return ++asked < 2; }), IdentifyStep::Stopped);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(requests(), (std::vector<Req>{rd(kRegFamily1), rd(kRegFamily2)}));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(Upload, ReadBcdValueOfAnUnknownKindSendsNothing)
{
    start(sim::Type::H9);
    EXPECT_EQ(ReadBcdValue(1, kTimerSlotsA_H9[0].setValue, 5), QByteArray());
    EXPECT_EQ(ReadBcdValue(1, kTimerSlotsA_H9[0].setValue, -1), QByteArray());
    EXPECT_TRUE(requests().empty());
}

} // namespace
