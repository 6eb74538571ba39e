// The live registers as the monitor reads them: requests over the pty at a fixed simulated time,
// each reply decoded from its characters the way the panel readers take them apart.
#include "command_line.h"
#include "instrument_sim.h"
#include "pty_client.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace simtest;
using namespace std::chrono_literals;
using sim::Bytes;
using sim::Type;

namespace {

class Panel {
public:
    explicit Panel(Type type, int mode) : inst(type, 1, mode) {
        inst.start();
        client = std::make_unique<PtyClient>(inst.path());
    }

    // The data characters of a read of `count` registers at `address` (reply text from position 8).
    std::string data(int address, int count) {
        const std::string req = sim::buildFrame({1, 0x03, Bytes::value_type(address >> 8), Bytes::value_type(address),
                                                 0, Bytes::value_type(count)});
        const std::string reply = client->transact(req);
        EXPECT_EQ(reply.size(), 11u + 4u * count) << reply;
        return reply.size() >= 7u + 4u * count ? reply.substr(7, 4 * count) : std::string(4 * count, '?');
    }

    int lowByte(int address) { return std::stoi(data(address, 1).substr(2, 2), nullptr, 16); }
    bool bit(int address, int b) { return lowByte(address) >> b & 1; }

    // Two registers N, N+2; positions 0-3 from N+2, 4-5 from the low byte of N.
    std::string twoRegisterRow(int n) {
        const std::string s = data(n, 2).substr(2);
        return s.substr(2, 4) + s.substr(0, 2);
    }
    // Two registers N, N+2; positions 0-1 from the low byte of N+2, 2-5 from N.
    std::string timerIntegerRow(int n) {
        const std::string t = data(n, 2);
        return t.substr(6, 2) + t.substr(0, 4);
    }
    // Three registers: the nine digits r9 r10 r11 r12 r7 r8 r2 r3 r4, six of them from digit d + 1.
    std::string channelBRow(int n, int d) {
        const std::string r = " " + data(n, 3);  // r[1] .. r[12]
        const std::string nine = r.substr(9, 4) + r.substr(7, 2) + r.substr(2, 3);
        return nine.substr(d, 6);
    }
    // Characters 7, 8 give digits 0, 1 and characters 1 to 4 digits 2 to 5.
    std::string timerRow(int n) {
        const std::string c = data(n, 2);
        return c.substr(6, 2) + c.substr(0, 4);
    }
    // Six digits from bytes b+2, b+1, b of a block read at `block`, "-" first when the sign word is
    // not 0 read as a decimal number.
    static std::string signedRow(const std::string& block, int b, int sign) {
        auto byteAt = [&](int offset) { return block.substr(4 * (offset / 2) + (offset % 2 ? 0 : 2), 2); };
        std::string row = byteAt(b + 2) + byteAt(b + 1) + byteAt(b);
        const std::string word = block.substr(4 * (sign / 2), 4);
        std::size_t digits = 0;
        while (digits < 4 && std::isdigit(static_cast<unsigned char>(word[digits]))) ++digits;
        if (digits > 0 && std::stoi(word.substr(0, digits)) != 0) row[0] = '-';
        return row;
    }
    // RST1 RST2 OUT1 OUT2 as the lamp row of an H5 and of an H7 shows them.
    std::string h5Lamps() {
        return std::string{bit(kRegRst1Lamp_H5, 3) ? '1' : '0', '0', bit(kRegRst2Lamp_H5, 0) ? '1' : '0', '0',
                           bit(kRegOutLamps_H5H7, 3) ? '1' : '0', '0', bit(kRegOutLamps_H5H7, 4) ? '1' : '0'};
    }
    std::string h7Lamps() {
        const int out = lowByte(kRegOutLamps_H5H7);
        const int rst = lowByte(kRegRstLamps_H7);
        return std::string{rst & 1 ? '0' : '1', '0', rst & 2 ? '0' : '1', '0', out & 8 ? '1' : '0', '0',
                           out & 16 ? '1' : '0'};
    }

    void at(std::chrono::milliseconds t) { inst.setSimulatedTime(t); }

    sim::Instrument inst;
    std::unique_ptr<PtyClient> client;
};

}  // namespace

TEST(SimLive, H9TimerWithCounterOrTachometer) {
    Panel p(Type::H9, 0);
    // Time code 0: hundredths of a second, up; the counter with two decimals counts up.
    p.inst.poke(kRegDotAdjB_H9, 2);
    p.at(1500ms);
    EXPECT_EQ(p.twoRegisterRow(kRegTimerPresentA_H9[0]), "000150");
    EXPECT_EQ(p.channelBRow(kRegCounterPresentUpB_H9, 2), "000015");  // 15 counts shown as 0000.15
    EXPECT_TRUE(p.bit(kRegOnOff_H9, 0));                              // ON/OFF while timing
    EXPECT_EQ(p.lowByte(kRegLamps_H9) & 0x30, 0);
    p.at(6000ms);
    EXPECT_EQ(p.twoRegisterRow(kRegTimerPresentA_H9[0]), "000600");
    EXPECT_EQ(p.channelBRow(kRegCounterPresentUpB_H9, 2), "000060");
    EXPECT_EQ(p.lowByte(kRegLamps_H9) & 0x30, 0x10);  // OUT1
    p.at(9000ms);
    EXPECT_EQ(p.twoRegisterRow(kRegTimerPresentA_H9[0]), "000800");  // time up: holds
    EXPECT_FALSE(p.bit(kRegOnOff_H9, 0));
    EXPECT_EQ(p.lowByte(kRegLamps_H9) & 0x30, 0x30);

    // Time code 3 (seconds, down) in its own register with the integer layout; a down-counting input
    // mode moves the counter to 1510.
    p.inst.poke(kRegTimeCodeA_H9, 3);
    p.inst.poke(kRegCountInputModeB_H9, 3);
    p.inst.poke(kRegDotAdjB_H9, 0);
    p.at(3200ms);
    EXPECT_EQ(p.timerIntegerRow(kRegTimerPresentA_H9[3]), "000005");
    EXPECT_EQ(p.channelBRow(kRegCounterPresentDownB_H9, 0), "000048");

    // The tachometer's rate rises to mid-cycle; with three decimals it shows the fraction.
    p.inst.setFunctionMode(1);
    p.inst.poke(kRegDotAdjB_H9, 3);
    p.at(2500ms);
    EXPECT_EQ(p.channelBRow(kRegTachoPresentB_H9, 3), "125000");
    p.at(5000ms);
    EXPECT_EQ(p.channelBRow(kRegTachoPresentB_H9, 0), "000150");
}

TEST(SimLive, H9DualFunctions) {
    Panel p(Type::H9, 2);  // counter + total counter
    p.at(12000ms);         // second cycle, 2 s in
    EXPECT_EQ(p.twoRegisterRow(kRegDualCounterPresent_H9), "000100");  // 80 + 20
    EXPECT_EQ(p.channelBRow(kRegCounterPresentUpB_H9, 0), "000020");
    p.inst.setFunctionMode(3);  // batch counter: one batch done, the second after time up
    EXPECT_EQ(p.twoRegisterRow(kRegDualCounterPresent_H9), "000001");
    p.at(18500ms);
    EXPECT_EQ(p.twoRegisterRow(kRegDualCounterPresent_H9), "000002");

    p.inst.setFunctionMode(5);  // 2-stage timer, whole seconds
    p.at(4500ms);
    EXPECT_EQ(p.twoRegisterRow(kRegTwoStagePresent_H9), "000004");
    EXPECT_TRUE(p.bit(kRegOnOff_H9, 0));

    p.inst.setFunctionMode(6);  // dual tachometer: display A reads the same rate at 1564
    p.at(5000ms);
    EXPECT_EQ(p.twoRegisterRow(kRegTachoPresentA_H9), "000150");
    EXPECT_EQ(p.channelBRow(kRegTachoPresentB_H9, 0), "000150");
}

TEST(SimLive, H5TimerModes) {
    Panel p(Type::H5, 0);
    p.at(1234ms);
    EXPECT_EQ(p.timerRow(kRegPresentValue_H5), "000123");  // range 0: hundredths
    EXPECT_EQ(p.lowByte(kRegStatus_H5) & 0x15, 0x01);
    EXPECT_EQ(p.h5Lamps(), "0000000");
    EXPECT_GT(p.lowByte(kRegCount_H5), 0);
    p.at(8600ms);
    EXPECT_EQ(p.timerRow(kRegPresentValue_H5), "000800");
    EXPECT_EQ(p.lowByte(kRegStatus_H5) & 0x15, 0x10);  // time up
    EXPECT_EQ(p.lowByte(kRegCount_H5), 0);
    EXPECT_EQ(p.h5Lamps(), "0000101");
    p.at(9700ms);
    EXPECT_EQ(p.h5Lamps(), "1010101");
    EXPECT_EQ(p.lowByte(kRegStatus_H5) & 0x04, 0x04);

    // Range 3 (min:s) counting down from 8 s; range 9 in thousandths.
    p.inst.poke(kRegTimerRange_A_H5, 3);
    p.inst.poke(kRegTimerDir_A_H5, 1);
    p.at(2500ms);
    EXPECT_EQ(p.timerRow(kRegPresentValue_H5), "000005");
    p.inst.poke(kRegTimerRange_A_H5, 9);
    p.inst.poke(kRegTimerDir_A_H5, 0);
    EXPECT_EQ(p.timerRow(kRegPresentValue_H5), "002500");

    // Twin timer: the phase bytes flip at 5 s; the lower row carries the running phase's set value.
    p.inst.setFunctionMode(1);
    p.inst.pokeBytes(kRegSettingValueOFF_B_H5, {0x34, 0x12, 0x00, 0x00});  // OFF set value 001234
    p.inst.pokeBytes(kRegSettingValueON_B_H5, {0x78, 0x56, 0x00, 0x00});   // ON set value 005678
    p.inst.poke(kRegTimerRangeON_B_H5, 2);                                 // ON range in seconds
    p.at(2000ms);
    EXPECT_EQ(p.lowByte(kRegTwinPhaseUpper_H5), 0);
    EXPECT_EQ(p.lowByte(kRegTwinPhaseLower_H5), 0);
    EXPECT_EQ(p.timerRow(kRegPresentValue_H5), "000200");
    EXPECT_EQ(p.timerRow(kRegTwinValue_H5), "001234");
    p.at(8000ms);
    EXPECT_EQ(p.lowByte(kRegTwinPhaseUpper_H5), 1);
    EXPECT_EQ(p.timerRow(kRegPresentValue_H5), "000003");
    EXPECT_EQ(p.timerRow(kRegTwinValue_H5), "005678");
    EXPECT_EQ(p.h5Lamps().substr(4), "101");
}

TEST(SimLive, H7CounterModes) {
    Panel p(Type::H7, 3);
    p.inst.poke(kRegCountInputMode_H7, 1);  // DOWN: into negative counts
    p.at(2000ms);
    EXPECT_EQ(Panel::signedRow(p.data(kRegPresentValue1_H7, 6), 0, 4), "-00020");
    EXPECT_EQ(p.h7Lamps(), "0000000");
    p.at(9200ms);
    EXPECT_EQ(p.h7Lamps(), "0010101");
    p.at(9600ms);
    EXPECT_EQ(p.h7Lamps(), "1010101");

    p.inst.setFunctionMode(5);  // total counter: the second value carries on over the cycles
    p.inst.poke(kRegCountInputMode_H7, 0);
    p.at(13000ms);
    std::string block = p.data(kRegPresentValue1_H7, 6);
    EXPECT_EQ(Panel::signedRow(block, 0, 4), "000030");
    EXPECT_EQ(Panel::signedRow(block, 6, 10), "000110");

    p.inst.setFunctionMode(7);  // dual counter, SUB
    p.inst.poke(kRegDualInputMode_H7, 1);
    p.at(5000ms);
    block = p.data(kRegDualPresentUpper_H7, 6);
    EXPECT_EQ(Panel::signedRow(block, 0, 4), "000020");
    EXPECT_EQ(Panel::signedRow(block, 6, 10), "000030");  // 50 - 20

    p.inst.setFunctionMode(8);  // tachometer with one decimal: 125.0
    p.inst.poke(kRegDotAdj_H7, 1);
    p.at(2500ms);
    EXPECT_EQ(Panel::signedRow(p.data(kRegPresentValue1_H7, 6), 0, 4), "001250");
}

TEST(SimLive, FreezeClockAndRestart) {
    Panel p(Type::H8, 4);  // an H8 in a counter mode animates as a counter
    p.at(3000ms);
    EXPECT_EQ(Panel::signedRow(p.data(kRegPresentValue1_H7, 6), 0, 4), "000030");

    // Frozen, a poked value stays through reads whatever the time.
    p.inst.setAnimated(false);
    p.inst.pokeBytes(kRegPresentValue1_H7, {0x56, 0x34, 0x12});
    p.at(7000ms);
    EXPECT_EQ(Panel::signedRow(p.data(kRegPresentValue1_H7, 6), 0, 4), "123456");
    p.inst.updateLiveRegisters();  // on request it still computes
    EXPECT_EQ(p.inst.peek(kRegPresentValue1_H7), 0x70);
    p.inst.setAnimated(true);

    // The download's begin register restarts the cycle at the present time.
    EXPECT_EQ(p.client->transact(sim::buildFrame({1, 0x06, 0x04, 0xD2, 0, 0})), sim::buildFrame({1, 0x06, 0x04, 0xD2, 0, 0}));
    EXPECT_EQ(Panel::signedRow(p.data(kRegPresentValue1_H7, 6), 0, 4), "000000");
    p.at(8000ms);
    EXPECT_EQ(Panel::signedRow(p.data(kRegPresentValue1_H7, 6), 0, 4), "000010");

    // The real clock runs on from a fixed time.
    p.inst.resumeClock();
    std::this_thread::sleep_for(150ms);
    EXPECT_GE(p.inst.simulatedTime(), 8100ms);
}

TEST(SimCommandLine, ModesPerType) {
    using Outcome = sim::ParsedCommandLine::Outcome;
    auto parse = [](std::vector<std::string> args) { return sim::parseCommandLine(args); };

    // Without --mode each type starts in a mode it has; an H7 identifies with mode 3.
    for (auto [name, mode] : {std::pair{"H9", 0}, {"H5", 0}, {"H7", 3}, {"H8", 0}}) {
        const auto r = parse({"--type", name});
        ASSERT_EQ(r.outcome, Outcome::Run) << name;
        EXPECT_EQ(r.options.mode, mode) << name;
        EXPECT_TRUE(r.options.animate);
    }
    EXPECT_EQ(sim::Instrument(Type::H7).peek(kRegFuncMode), 3);

    // Modes a type lacks are refused, whichever option comes first.
    for (auto [name, mode] : {std::pair{"H5", "3"}, {"H7", "0"}, {"H7", "9"}, {"H8", "9"}, {"H9", "7"}}) {
        const auto r = parse({"--mode", mode, "--type", name});
        EXPECT_EQ(r.outcome, Outcome::Error) << name << " " << mode;
        EXPECT_NE(r.error.find("no function mode"), std::string::npos) << r.error;
    }
    const auto last = parse({"--type", "H7", "--mode", "8", "--no-animate", "--id", "9"});
    ASSERT_EQ(last.outcome, Outcome::Run);
    EXPECT_EQ(last.options.mode, 8);
    EXPECT_EQ(last.options.slaveId, 9);
    EXPECT_FALSE(last.options.animate);
    EXPECT_EQ(parse({"--type", "H5", "--mode"}).outcome, Outcome::Error);
    EXPECT_EQ(parse({"--mode", "1"}).outcome, Outcome::Error);
    EXPECT_EQ(parse({"--type", "H9", "--speed", "1"}).outcome, Outcome::Error);
    EXPECT_EQ(parse({"--help"}).outcome, Outcome::Help);

    // An H9's mode goes into its selection registers.
    sim::Instrument h9(Type::H9, 1, 3);
    EXPECT_EQ(h9.peekBytes(kRegFuncType_H9, 1), Bytes{1});
    EXPECT_EQ(h9.peek(kRegDualFunc_H9), 1);
    EXPECT_EQ(h9.peek(kRegDualCounterMode_H9), 1);
}
