#include "instrument_sim.h"
#include "pty_client.h"

#include <gtest/gtest.h>

using namespace simtest;
using sim::Bytes;
using sim::buildFrame;
using sim::Fault;
using sim::FaultScope;

namespace {

const std::string kRead1028 = ":010304040001F3\r\n";
const std::string kReply1028 = ":010302010AEF\r\n";
const std::string kRead1024 = ":010304000001F7\r\n";

struct Rig {
    sim::Instrument inst{sim::Type::H9};
    std::unique_ptr<PtyClient> client;
    Rig() {
        inst.start();
        client = std::make_unique<PtyClient>(inst.path());
    }
    std::string ask(const std::string& frame) { return client->transact(frame, 300ms); }
};

}  // namespace

TEST(SimFaults, ReplyContentFaults) {
    struct Case {
        const char* name;
        Fault fault;
        std::string expect;
    };
    const std::vector<Case> cases = {
        {"bad lrc", Fault::badLrc(), ":010302010AF0\r\n"},
        {"lower case", Fault::lowerCase(), ":010302010aef\r\n"},
        {"stray byte", Fault::strayByte('?'), "?:010302010AEF\r\n"},
        {"wrong slave", Fault::wrongSlave(2), ":020302010AEE\r\n"},
        {"truncated", Fault::truncate(9), ":01030201"},
        {"exception 01", Fault::exception(1), buildFrame({1, 0x83, 1})},
        {"exception 02", Fault::exception(2), buildFrame({1, 0x83, 2})},
        {"exception 03", Fault::exception(3), buildFrame({1, 0x83, 3})},
    };
    Rig rig;
    for (const Case& c : cases) {
        rig.inst.setFault(c.fault, FaultScope::next());
        EXPECT_EQ(rig.ask(kRead1028), c.expect) << c.name;
        if (c.expect.back() != '\n') {
            EXPECT_EQ(rig.client->readFor(20ms), "") << c.name;
        }
        EXPECT_EQ(rig.ask(kRead1028), kReply1028) << c.name << " must not outlive its one request";
    }

    // Bytes after the line feed arrive behind the reply; faults combine.
    rig.inst.setFault(Fault::trailingBytes("ZZ"), FaultScope::next());
    rig.inst.setFault(Fault::lowerCase(), FaultScope::next());
    EXPECT_EQ(rig.ask(kRead1028), ":010302010aef\r\n");
    EXPECT_EQ(rig.client->readFor(50ms), "ZZ");
    EXPECT_EQ(rig.inst.requests().back().reply, ":010302010aef\r\nZZ");
}

TEST(SimFaults, WritesUnderFaults) {
    Rig rig;
    const std::string write = buildFrame({1, 6, 0x05, 0x00, 0x00, 0x07});
    // An exception means the write was refused; a lost reply does not undo the write.
    rig.inst.setFault(Fault::exception(2), FaultScope::next());
    EXPECT_EQ(rig.ask(write), buildFrame({1, 0x86, 2}));
    EXPECT_EQ(rig.inst.read16(0x500), 0);
    rig.inst.setFault(Fault::noReply(), FaultScope::next());
    EXPECT_EQ(rig.ask(write), "");
    EXPECT_EQ(rig.inst.read16(0x500), 7);
    EXPECT_FALSE(rig.inst.requests().back().answered);
    EXPECT_EQ(rig.ask(write), write);
}

TEST(SimFaults, Scopes) {
    Rig rig;
    // By address: a read at 1028 covers bytes 1028-1029, one at 1024 of three registers 1024-1029.
    rig.inst.setFault(Fault::noReply(), FaultScope::atAddress(1029));
    EXPECT_EQ(rig.ask(kRead1028), "");
    EXPECT_EQ(rig.ask(kRead1024), buildFrame({1, 3, 2, 0, 0x25}));
    EXPECT_EQ(rig.ask(":010304000003F5\r\n"), "");
    rig.inst.clearFaults();

    // The next two requests, not counting ones the instrument ignores anyway.
    rig.inst.setFault(Fault::exception(3), FaultScope::next(2));
    rig.client->send(":020304040001F2\r\n");
    rig.client->send(":01DD0000000022\r\n");
    EXPECT_EQ(rig.ask(kRead1024), buildFrame({1, 0x83, 3}));
    EXPECT_EQ(rig.ask(kRead1028), buildFrame({1, 0x83, 3}));
    EXPECT_EQ(rig.ask(kRead1028), kReply1028);

    // Always, until cleared.
    rig.inst.setFault(Fault::badLrc());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rig.ask(kRead1028), ":010302010AF0\r\n");
    rig.inst.clearFaults();
    EXPECT_EQ(rig.ask(kRead1028), kReply1028);
}

TEST(SimFaults, Timing) {
    Rig rig;
    rig.inst.setFault(Fault::delay(120), FaultScope::next());
    auto t0 = Clock::now();
    EXPECT_EQ(rig.ask(kRead1028), kReply1028);
    EXPECT_GE(Clock::now() - t0, 120ms);

    // 15 characters with 6 ms after each: at least 14 gaps, and the reply comes in several reads.
    rig.inst.setFault(Fault::byteGap(6), FaultScope::next());
    const int readsBefore = rig.client->reads();
    t0 = Clock::now();
    EXPECT_EQ(rig.ask(kRead1028), kReply1028);
    EXPECT_GE(Clock::now() - t0, 84ms);
    EXPECT_GE(rig.client->reads() - readsBefore, 5);

    // A request that times out on the client's side is still answered, late.
    rig.inst.setFault(Fault::delay(150), FaultScope::next());
    EXPECT_EQ(rig.client->transact(kRead1028, 50ms), "");
    EXPECT_EQ(rig.client->readLine(1000ms), kReply1028);
}
