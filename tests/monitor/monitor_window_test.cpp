// The monitoring window driven as a user drives it, against the simulated instrument.
#include "monitor_window.h"

using montest::MonitorWindow;

TEST_F(MonitorWindow, H9StartPollAndStop)
{
    sim::Instrument& dev = instrument(sim::Type::H9);
    dev.pokeBytes(1184, {0x56, 0x00, 0x34, 0x12});
    dev.pokeBytes(1498, {0x10});
    frmMonitoring& f = window();
    EXPECT_EQ(f.property("Tag").toString(), "4");
    EXPECT_EQ(f.windowTitle(), "Monitor");
    EXPECT_EQ(upperRowPictures(f.panelA), QStringList(6, "image_99"));
    EXPECT_EQ(f.panelB.image_week->requestedName(), "image_week_0000000");
    EXPECT_TRUE(f.cmdMonitorStop->testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(f.ImageStop->requestedName(), "IMAGE_STOP_D");

    clickStart();
    EXPECT_TRUE(monitorState.bMonitoring);
    EXPECT_TRUE(f.Polling());
    EXPECT_TRUE(commState.bSilentComm);
    EXPECT_EQ(f.ImageStart->requestedName(), "IMAGE_START_D");
    EXPECT_EQ(f.ImageStop->requestedName(), "IMAGE_STOP_E");
    EXPECT_FALSE(f.mReturn->isEnabled());
    EXPECT_FALSE(f.mCommSetting->isEnabled());
    EXPECT_TRUE(box(f.txtInformation_A).contains("\nFunction Selection : Timer\nTime Range : 0.01~9999.99 Sec\n"));
    EXPECT_TRUE(box(f.txtInformation_B).contains("\nFunction Selection : 1-stage Counter\n"));

    ASSERT_TRUE(waitPolls(2));
    EXPECT_EQ(upperRowPictures(f.panelA),
              (QStringList{"image_1", "image_2", "image_3", "image_4", "image_5", "image_6"}));
    EXPECT_EQ(f.panelA.image_DPCol_A[1]->requestedName(), "image_dpcol_1");
    EXPECT_EQ(f.panelB.image_week->requestedName(), "image_week_0000100");
    EXPECT_EQ(monitorState.sMonitorText[0], "1234.56");

    // Stop: nothing more on the line, the panels keep their last picture.
    dev.pokeBytes(1184, {0x00, 0x00, 0x00, 0x00});
    clickStop();
    EXPECT_FALSE(monitorState.bMonitoring);
    EXPECT_FALSE(portOpen());
    EXPECT_FALSE(f.testAttribute(Qt::WA_Disabled));
    EXPECT_EQ(f.ImageStart->requestedName(), "IMAGE_START_E");
    EXPECT_TRUE(f.mReturn->isEnabled());
    const std::size_t sent = dev.requests().size();
    QTest::qWait(100);
    EXPECT_EQ(dev.requests().size(), sent);
    EXPECT_EQ(f.panelA.image_char_A[0]->requestedName(), "image_1");
    EXPECT_EQ(boxes.count(), 0);
}
