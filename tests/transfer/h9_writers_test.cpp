// The system-flag fields of an H9 download.
#include "transfer/h9_writers.h"

#include "h9_fixture.h"

using h9test::H9Test;

namespace {

struct Flags {
    quint8 b[6];
};

Flags applied(std::initializer_list<int> read, int part)
{
    Flags f{};
    int i = 0;
    for (int v : read)
        f.b[i++] = static_cast<quint8>(v);
    ApplySysFlags_H9(f.b, part);
    return f;
}

} // namespace

using SysFlags = H9Test;

TEST_F(SysFlags, AFieldNeverSpillsIntoItsNeighbour)
{
    timerCounterParamsH9.nTimeRangeA_H9 = 9;       // time code 18: only its low four bits travel
    timerCounterParamsH9.nOutputModeA_H9 = 0x13;   // low field of byte 1
    timerCounterParamsH9.nSGWidth_H9 = 0;
    timerCounterParamsH9.nCountInputModeB_H9 = 0x25;
    timerCounterParamsH9.nOutputModeB_H9 = 0xF7;
    const Flags f = applied({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0);
    EXPECT_EQ(f.b[0], 0x20);
    EXPECT_EQ(f.b[1], 0x03);
    EXPECT_EQ(f.b[2], 0x50);
    EXPECT_EQ(f.b[3], 0x07);
}

TEST_F(SysFlags, ChannelPartsKeepTheOtherChannel)
{
    timerCounterParamsH9.nCountDirectionA_H9 = 1;
    timerCounterParamsH9.nOutputModeA_H9 = 2;
    timerCounterParamsH9.nMaxFreqB_H9 = 3;
    const Flags a = applied({0x11, 0x22, 0x33, 0x44, 0x55, 0x66}, 1);
    EXPECT_EQ(a.b[0], 0x10);
    EXPECT_EQ(a.b[1], 0x02);
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(a.b[i], 0x11 * (i + 1)) << i;
    const Flags b = applied({0x11, 0x22, 0x33, 0x44, 0x55, 0x66}, 2);
    EXPECT_EQ(b.b[0], 0x11);
    EXPECT_EQ(b.b[1], 0x22);
    EXPECT_EQ(b.b[3], 0x30);
    EXPECT_EQ(b.b[5], 0x66);
}

TEST_F(SysFlags, DualCounterWithBatchCounter)
{
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 1;
    timerCounterParamsH9.nDualCounterMode_H9 = 1;
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 12;
    timerCounterParamsH9.nMaxFreq_C_Dual_1_H9 = 2;
    Flags f = applied({0, 0, 0, 0xAB, 0, 0xCD}, 0);
    EXPECT_EQ(f.b[3], 0x2B); // low field as read
    EXPECT_EQ(f.b[5], 0xC2);
    timerCounterParamsH9.nOutputMode_C_Dual_1_H9 = 5; // not one of the batch outputs
    f = applied({0, 0, 0, 0xAB, 0, 0xCD}, 0);
    EXPECT_EQ(f.b[5], 0xC0);
}

TEST_F(SysFlags, DualTachometerSpeedKeepsTheLowField)
{
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 2;
    timerCounterParamsH9.nMaxFreqB_Dual_F_H9 = 3;
    const Flags f = applied({0, 0, 0, 0xAB, 0, 0}, 1); // the part does not matter
    EXPECT_EQ(f.b[3], 0x3B);
    EXPECT_EQ(f.b[0], 0x21);
}

TEST_F(SysFlags, AnUnknownDualFunctionChangesOnlyByteZero)
{
    timerCounterParamsH9.nFuncType_H9 = 1;
    timerCounterParamsH9.nDualFunc_H9 = 3;
    const Flags f = applied({0x11, 0x22, 0x33, 0x44, 0x55, 0x66}, 0);
    EXPECT_EQ(f.b[0], 0x31);
    for (int i = 1; i < 6; ++i)
        EXPECT_EQ(f.b[i], 0x11 * (i + 1)) << i;
}
