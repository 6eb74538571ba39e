// The upload's read maps and failures against the simulated instrument (the main
// window's Upload command around it is in tests/app/upload_command_test.cpp).
#include "sim_jobs_fixture.h"

#include "core/h9_registers.h"
#include "core/ui_lock.h"
#include "settings_file/settings_image.h"
#include "support/form_access.h"
#include "transfer/identify.h"
#include "transfer/upload.h"

#include <tuple>

using namespace simtest;

namespace {

class Upload : public SimTransferTest {
protected:
    // Runs the upload job in the transfer window; returns panel 4's failure text, or ""
    // for a success, which the Upload command tells once the editor has the set.
    QString upload()
    {
        const QString panel = runJob(0);
        return panel == failed() ? panel : QString();
    }
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
    QString ok() const { return QString(); }
    QString failed() const { return res(260); }
};

// The registers each read map asks for, in order: identification and the function mode,
// the fields of every mode, the function mode once more, then the mode's own section.
TEST_F(Upload, EveryModeReadsItsMap)
{
    const std::string h5 = "R1024 R1026 R1028 R1074 R1080 R1076 R1078 R1084 R1074 ";
    const std::string h7 = "R1024 R1026 R1028 R1074 R1080 R1702 R1078 R1704x2 R1700 R1076 R1084 R1074 ";
    for (const auto& [type, mode, reads] :
         {std::tuple{sim::Type::H5, 0, h5 + "R1088 R1090 R1092 R1098x2 R1094x2 R1102"},
          {sim::Type::H5, 1, h5 + "R1120 R1122 R1124 R1126 R1128x2 R1132x2"},
          {sim::Type::H8, 2, h5 + "R1152 R1154 R1156 R1158x2 R1162x2"},
          {sim::Type::H7, 3, h7 + "R1696 R1698 R1716x2 R1708x2 R1734"},
          {sim::Type::H7, 4, h7 + "R1696 R1698 R1716x2 R1720x2 R1708x2 R1734 R1712x2 R1736"},
          {sim::Type::H8, 5, h7 + "R1696 R1698 R1716x2 R1708x2 R1734"},
          {sim::Type::H7, 6, h7 + "R1696 R1698 R1716x2 R1708x2 R1734 R1712x2"},
          {sim::Type::H7, 7, h7 + "R1724 R1698 R1716x2 R1708x2 R1734 R1712x2"},
          {sim::Type::H7, 8, h7 + "R1726 R1728 R1730 R1732 R1708x2 R1712x2"}}) {
        SCOPED_TRACE(mode);
        restart(type, mode);
        EXPECT_EQ(upload(), ok());
        EXPECT_EQ(trace(), reads);
    }
}

TEST_F(Upload, H7OneStageAndTotalCounter)
{
    sim::Instrument& inst = start(sim::Type::H7, 5);
    inst.write16(1698, 0x000B);
    inst.write16(1708, 0x2345);
    inst.write16(1710, 0x0001);
    inst.write16(1734, 0x0001);
    inst.write16(1716, 0x0150);
    inst.write16(1704, 0x2500);
    inst.write16(1706, 0x0001);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(core::shell().sCurrentMacType_Upload, "H7");
    EXPECT_EQ(at(0, 8), "0100030A");
    EXPECT_EQ(at(31, 1), "5");
    EXPECT_EQ(at(33, 1), "B");
    EXPECT_EQ(at(36, 6), "000150");
    EXPECT_EQ(at(42, 6), "-12345");
    EXPECT_EQ(at(13, 6), "012500");
    EXPECT_EQ(zerosOutside({{10, 21}, {31, 33}, {36, 47}}), "");

    inst.write16(1734, 0);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(at(42, 6), "012345");
}

TEST_F(Upload, H8ChoosesTheMapByItsFunctionMode)
{
    sim::Instrument& inst = start(sim::Type::H8, 1);
    inst.write16(1128, 0x4321);
    inst.write16(1130, 0x0065);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(core::shell().sCurrentMacType_Upload, "H8");
    EXPECT_EQ(at(4, 4), "040A");
    EXPECT_EQ(at(31, 1), "1");
    EXPECT_EQ(at(85, 6), "654321");

    inst.write16(1074, 8);
    inst.write16(1730, 0x9999);
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
    inst.write16(1092, 9);
    inst.write16(1102, 0x0100);
    inst.write16(1098, 0x3456);
    inst.write16(1100, 0x0012);
    EXPECT_EQ(upload(), ok());
    EXPECT_EQ(at(34, 1), "9");
    EXPECT_EQ(at(35, 6), "123456");
    EXPECT_EQ(at(47, 6), "000100");
    EXPECT_EQ(requests().size(), 15u);
}

// Timer A in every time code, as the editor shows it, is in tests/app/upload_command_test.cpp.
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

// A value the maps have no place for ends the upload with one box naming the register
// and what it held.
TEST_F(Upload, ValuesTheMapsRefuseAreNamedInTheFailureBox)
{
    struct Bad {
        sim::Type type;
        int group, address, value;
        const char* detail;
    };
    // A function group of 16 would be read as "0" by its last digit; a time code of 8 or
    // 15; an input mode of 8; BCD digits "AB" and "1A" in a set value; an option of 0x1D;
    // function kinds and modes no section belongs to.
    for (const Bad& b : {Bad{sim::Type::H9, 0, 1542, 0x10, "Register 1542 holds 0x0010"},
                         {sim::Type::H9, 0, 1542, 5, "Register 1542 holds 0x0005"},
                         {sim::Type::H9, 0, 1114, 8, "Register 1114 holds 0x0008"},
                         {sim::Type::H9, 0, 1114, 0x0F, "Register 1114 holds 0x000F"},
                         {sim::Type::H9, 0, 1374, 8, "Register 1374 holds 0x0008"},
                         {sim::Type::H9, 0, 1116, 0x00AB, "Register 1116 holds 0x00AB"},
                         {sim::Type::H9, 0, 1118, 0x1A00, "Register 1118 holds 0x1A00"},
                         {sim::Type::H9, 0, 1176, 0x1D, "Register 1176 holds 0x001D"},
                         {sim::Type::H9, 0, 1552, 7, "Register 1552 holds 0x0007"},
                         {sim::Type::H9, 1, 1584, 9, "Register 1584 holds 0x0009"},
                         {sim::Type::H5, 0, 1074, 5, "Register 1074 holds 0x0005"},
                         {sim::Type::H7, 3, 1074, 2, "Register 1074 holds 0x0002"},
                         {sim::Type::H7, 3, 1074, 0xFF, "Register 1074 holds 0x00FF"},
                         {sim::Type::H8, 0, 1074, 9, "Register 1074 holds 0x0009"}}) {
        SCOPED_TRACE(b.detail);
        sim::Instrument& inst = restart(b.type, b.type == sim::Type::H7 ? 3 : 0);
        inst.write16(kRegFuncType_H9, static_cast<std::uint16_t>(b.group));
        inst.write16(b.address, static_cast<std::uint16_t>(b.value));
        core::shell().sCurrentMacType_Upload = "H9";
        boxes.clear();
        EXPECT_EQ(upload(), failed());
        EXPECT_EQ(boxTexts(), QStringList{failed()});
        EXPECT_EQ(boxes.last().detail, QString(b.detail) + ", a value the program cannot take.");
        EXPECT_EQ(core::shell().sCurrentMacType_Upload, "");
    }
}

TEST_F(Upload, InstrumentsItCannotRead)
{
    sim::Instrument& inst = start(sim::Type::H7, 3);
    // A type code outside 1 to 4 is reported instead of an empty success.
    inst.poke(1029, 5);
    EXPECT_EQ(upload(), failed());
    EXPECT_EQ(boxTexts(), QStringList{"Wrong machine type !"});
    EXPECT_EQ(core::shell().sCurrentMacType_Upload, "");

    inst.poke(1029, 3);
    inst.poke(1026, 0x26);
    boxes.clear();
    EXPECT_EQ(upload(), failed());
    EXPECT_EQ(boxTexts(), QStringList{res(269)});
    EXPECT_EQ(requests().back(), rd(1026));

    // A failed read shows the read's message only.
    inst.poke(1026, 0x25);
    inst.setFault(sim::Fault::noReply(), sim::FaultScope::atAddress(1026));
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
    EXPECT_EQ(requests(), (std::vector<Req>{rd(1024), rd(1026)}));
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
