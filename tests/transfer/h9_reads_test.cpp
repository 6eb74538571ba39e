// What the compare and the upload read of an H9 that holds the set just downloaded,
// request by request.
#include "link/messages.h"
#include "platform/strings.h"
#include "sim_fixture.h"
#include "transfer/compare.h"
#include "transfer/h9_download.h"
#include "transfer/upload.h"

using namespace simtx;

namespace {

using H9Reads = SimTest;

// "R1114-1119" is one read of each byte address from 1114 to 1119 (the compare tests every
// byte the set owns), "R1148x2" one read of two registers.
TEST_F(H9Reads, CompareAndUploadReadTheRegistersOfTheFunctionMode)
{
    struct Case {
        int mode;
        int (*download)();
        std::vector<std::string> compare, upload;
    };
    const std::string identify = "R1024 R1026 R1028", common = "R1178 R1358 R1686", tail = "R1178 R1358";
    const Case cases[] = {
        // Timer with time code 5, counter counting down.
        {0, DownloadAll_H9,
         {identify, "R1542 R1114-1115 R1144-1151 R1172-1177", "R1552 R1356-1357 R1360-1365 R1370-1381", common},
         {identify + " R1074", "R1278 R1686 R1542", "R1114 R1148x2 R1176 R1172x2 R1552",
          "R1374 R1364 R1356 R1376 R1360x2 R1370x2 R1378x2", tail}},
        // Timer with time code 1, tachometer.
        {1, DownloadAll_H9,
         {identify, "R1542 R1114-1115 R1120-1123 R1172-1177",
          "R1552 R1554-1557 R1574-1577 R1356-1357 R1360-1369 R1374-1377", common},
         {identify + " R1074", "R1278 R1686 R1542", "R1114 R1120x2 R1176 R1172x2 R1552",
          "R1556 R1364 R1356 R1554 R1360x2 R1366x2 R1574x2", tail}},
        // Dual counter: beside a total counter the second counts up; beside a batch counter
        // and as two counters (input mode 7) it counts down.
        {2, DownloadDualCounter_H9,
         {identify, "R1542 R1584 R1648-1659", "R1356-1357 R1360-1369 R1374-1381", common},
         {identify + " R1074", "R1278 R1686 R1542 R1584", "R1648 R1658 R1650x2 R1654x2",
          "R1374 R1356 R1376 R1366x2 R1378x2", tail}},
        {3, DownloadDualCounter_H9,
         {identify, "R1542 R1584 R1648-1659", "R1356-1357 R1360-1365 R1370-1381", common},
         {identify + " R1074", "R1278 R1686 R1542 R1584", "R1648 R1658 R1650x2 R1654x2",
          "R1374 R1356 R1376 R1370x2 R1378x2", tail}},
        {4, DownloadDualCounter_H9,
         {identify, "R1542 R1584 R1648-1659", "R1356-1357 R1360-1365 R1370-1381", common},
         {identify + " R1074", "R1278 R1686 R1542 R1584", "R1648 R1658 R1650x2 R1654x2",
          "R1374 R1356 R1376 R1370x2 R1378x2", tail}},
        {5, DownloadTwoStageTimer_H9,
         {identify, "R1542 R1584 R1584-1605", common},
         {identify + " R1074", "R1278 R1686 R1542 R1584", "R1594 R1586x2 R1598x2 R1596 R1590x2 R1602x2", tail}},
        {6, DownloadDualTacho_H9,
         {identify, "R1542 R1584 R1680-1685 R1554-1557 R1574-1577 R1356-1357 R1360-1369 R1374-1377", common},
         {identify + " R1074", "R1278 R1686 R1542 R1584", "R1684 R1680x2 R1556 R1356 R1554 R1366x2 R1574x2",
          tail}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        setH9(c.mode);
        ASSERT_EQ(c.download(), 0);
        CommControl().setPortOpen(false);
        clearTrace();
        boxes.clear();
        EXPECT_EQ(CompareSettings(), 0);
        ASSERT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.last().text, platform::LoadResString(MessageStringId(kNoDifference)));
        expectTrace(c.compare);

        CommControl().setPortOpen(false);
        clearTrace();
        EXPECT_EQ(UploadSettings(), 0);
        expectTrace(c.upload);
        CommControl().setPortOpen(false);
    }
}

} // namespace
