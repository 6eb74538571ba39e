#include "instrument_sim.h"
#include "pty_client.h"

#include "core/h5h7_registers.h"

#include <gtest/gtest.h>

using namespace simtest;
using sim::Bytes;
using sim::buildFrame;

namespace {

// A read request: slave, 03, address, count.
std::string readReq(int slave, int address, int count) {
    return buildFrame({Bytes::value_type(slave), 0x03, Bytes::value_type(address >> 8), Bytes::value_type(address),
                       0x00, Bytes::value_type(count)});
}

std::string writeReq(int slave, int address, int value) {
    return buildFrame({Bytes::value_type(slave), 0x06, Bytes::value_type(address >> 8), Bytes::value_type(address),
                       Bytes::value_type(value >> 8), Bytes::value_type(value)});
}

}  // namespace

TEST(SimFrames, LrcAndFraming) {
    EXPECT_EQ(readReq(1, 1028, 1), ":010304040001F3\r\n");
    EXPECT_EQ(writeReq(1, 1280, 1), ":010605000001F3\r\n");
    EXPECT_EQ(buildFrame({0x01, 0xDD, 0, 0, 0, 0}), ":01DD0000000022\r\n");
    EXPECT_EQ(sim::lrc({0x80, 0x80}), 0x00);  // a sum that is a multiple of 256
    EXPECT_EQ(buildFrame({0xAB}, true), ":ab55\r\n");

    EXPECT_EQ(sim::parseFrame(":010302010aEF\r\n"), (Bytes{0x01, 0x03, 0x02, 0x01, 0x0A, 0xEF}));
    EXPECT_FALSE(sim::parseFrame("010302\r\n"));   // no colon
    EXPECT_FALSE(sim::parseFrame(":01030\r\n"));   // odd digit count
    EXPECT_FALSE(sim::parseFrame(":01G3\r\n"));    // not hex
    EXPECT_FALSE(sim::parseFrame(":\r\n"));
}

TEST(SimInstrument, IdentificationOfEveryType) {
    sim::Instrument h9(sim::Type::H9);
    h9.start();
    PtyClient c(h9.path());
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.transact(":010304040001F3\r\n"), ":010302010AEF\r\n");

    for (auto [type, code] : {std::pair{sim::Type::H5, 2}, {sim::Type::H7, 3}, {sim::Type::H8, 4}}) {
        sim::Instrument inst(type, 7, 5);
        inst.start();
        PtyClient client(inst.path());
        // 1024 .. 1031 as four registers, then the mode and write-permission bytes.
        EXPECT_EQ(client.transact(readReq(7, kRegFamily1, 4)),
                  buildFrame({7, 3, 8, 0, 0x25, 0, 0x25, Bytes::value_type(code), 0x0A, 0, 0}));
        EXPECT_EQ(client.transact(readReq(7, kRegFuncMode, 1)), buildFrame({7, 3, 2, 0, 5}));
        EXPECT_EQ(client.transact(readReq(7, kRegWritePermission_H5H7, 1)), buildFrame({7, 3, 2, 0, 1}));
    }
}

TEST(SimInstrument, ReadsWritesAndTheirLimits) {
    sim::Instrument inst(sim::Type::H5);
    inst.setAnimated(false);  // plain memory: 1282 is a timer's present value
    inst.start();
    PtyClient c(inst.path());
    Bytes pattern;
    for (int i = 0; i < 28; ++i) pattern.push_back(Bytes::value_type(0x10 + i));
    inst.pokeBytes(301, pattern);

    // 14 registers at an odd address: register k is (301+2k low, 302+2k high), high byte first on the line.
    Bytes expect{1, 3, 28};
    for (int k = 0; k < 14; ++k) {
        expect.push_back(pattern[2 * k + 1]);
        expect.push_back(pattern[2 * k]);
    }
    const std::string reply = c.transact(readReq(1, 301, 14));
    EXPECT_EQ(reply, buildFrame(expect));
    EXPECT_EQ(reply.size(), 4u * 14 + 11);

    // A write lands low byte first in memory and is echoed; reading it back gives the value again.
    EXPECT_EQ(c.transact(writeReq(1, 1281, 0x1234)), writeReq(1, 1281, 0x1234));
    EXPECT_EQ(inst.peek(1281), 0x34);
    EXPECT_EQ(inst.peek(1282), 0x12);
    EXPECT_EQ(inst.read16(1281), 0x1234);
    EXPECT_EQ(c.transact(readReq(1, 1281, 1)), buildFrame({1, 3, 2, 0x12, 0x34}));
    inst.write16(40, 0xBEEF);
    EXPECT_EQ(c.transact(readReq(1, 40, 1)), buildFrame({1, 3, 2, 0xBE, 0xEF}));

    EXPECT_EQ(c.transact(readReq(1, 100, 0)), buildFrame({1, 0x83, 3}));
    EXPECT_EQ(c.transact(readReq(1, 100, 15)), buildFrame({1, 0x83, 3}));
    EXPECT_EQ(c.transact(readReq(1, 65535, 1)), buildFrame({1, 0x83, 2}));  // would run past the memory
    EXPECT_EQ(c.transact(readReq(1, 65534, 1)), buildFrame({1, 3, 2, 0, 0}));
    EXPECT_EQ(c.transact(writeReq(1, 65535, 1)), buildFrame({1, 0x86, 2}));
    EXPECT_EQ(c.transact(buildFrame({1, 0x04, 0, 0, 0, 1})), buildFrame({1, 0x84, 1}));  // unknown function
    EXPECT_EQ(c.transact(buildFrame({1, 0x03, 0, 0, 1})), buildFrame({1, 0x83, 3}));     // short read request

    const auto log = inst.requests();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[1].raw, writeReq(1, 1281, 0x1234));
    EXPECT_EQ(log[1].function, 6);
    EXPECT_EQ(log[1].address, 1281);
    EXPECT_EQ(log[1].countOrValue, 0x1234);
    EXPECT_TRUE(log[1].answered);
    EXPECT_EQ(log[0].countOrValue, 14);
}

TEST(SimInstrument, SilenceForDdOtherSlavesAndBadFrames) {
    sim::Instrument inst(sim::Type::H9, 3);
    inst.start();
    PtyClient c(inst.path());
    c.send(buildFrame({3, 0xDD, 0, 0, 0, 0}));
    c.send(readReq(4, 1028, 1));
    c.send(":030304040001F0\r\n");          // bad LRC (F1 is right)
    c.send("xx:0303040400");                 // broken off by the next colon, garbage before it ignored
    c.send(readReq(3, 1028, 1));
    EXPECT_EQ(c.readLine(), buildFrame({3, 3, 2, 1, 0x0A}));
    ASSERT_TRUE(inst.waitForRequests(4, 1000ms));
    EXPECT_EQ(c.readFor(50ms), "");

    const auto log = inst.requests();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].function, 0xDD);
    EXPECT_FALSE(log[0].answered);
    EXPECT_EQ(log[1].slave, 4);
    EXPECT_FALSE(log[1].answered);
    EXPECT_FALSE(log[2].lrcOk);
    EXPECT_FALSE(log[2].answered);
    EXPECT_TRUE(log[3].answered);
    EXPECT_LE(log[0].time, log[3].time);

    inst.clearRequests();
    EXPECT_TRUE(inst.requests().empty());
    const auto t0 = Clock::now();
    EXPECT_FALSE(inst.waitForRequests(1, 30ms));
    EXPECT_LT(Clock::now() - t0, 500ms);
}

TEST(SimInstrument, SurvivesClientCloseAndRestart) {
    sim::Instrument inst(sim::Type::H9);
    inst.start();
    for (int i = 0; i < 3; ++i) {
        PtyClient c(inst.path());
        EXPECT_EQ(c.transact(readReq(1, 1028, 1)), ":010302010AEF\r\n") << "open " << i;
    }
    // A stop in the middle of a long delayed reply is prompt; a restart serves on a fresh pty.
    inst.setFault(sim::Fault::delay(5000));
    {
        PtyClient c(inst.path());
        c.send(readReq(1, 1028, 1));
        ASSERT_TRUE(inst.waitForRequests(4, 1000ms));
    }
    const auto t0 = Clock::now();
    inst.stop();
    EXPECT_LT(Clock::now() - t0, 500ms);
    EXPECT_EQ(inst.path(), "");
    inst.clearFaults();
    inst.start();
    PtyClient c(inst.path());
    EXPECT_EQ(c.transact(readReq(1, 1028, 1)), ":010302010AEF\r\n");
}

TEST(SimInstrument, PacingFollowsTheLine) {
    sim::Instrument inst(sim::Type::H9);
    inst.setPacingBaud(9600);
    inst.start();
    PtyClient c(inst.path());
    // 17-char request and 17-char echo at 1.0417 ms a character.
    const auto t0 = Clock::now();
    EXPECT_EQ(c.transact(writeReq(1, 1248, 0)), writeReq(1, 1248, 0));
    const auto elapsed = Clock::now() - t0;
    EXPECT_GE(elapsed, 34ms);
    EXPECT_LT(elapsed, 1000ms);
    EXPECT_GT(c.reads(), 1);  // the reply trickles in
}
