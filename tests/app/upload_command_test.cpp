// The main window's Upload command around the upload job, against the simulated
// instrument: the menu and the toolbar reach it, and it opens the editor of the type
// it read.
#include "transfer/sim_jobs_fixture.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "support/main_window.h"

#include <QMenuBar>

#include <algorithm>

using namespace simtest;

namespace {

using Upload = testsupport::InMainWindow<SimTransferTest>;

// A row as the user reads it: the captions from the left, as the row is laid out.
std::string shown(const DigitLabelArray& row)
{
    std::vector<const DigitLabel*> labels;
    for (int i = 0; i <= 6; ++i)
        labels.push_back(&row(i));
    std::sort(labels.begin(), labels.end(), [](auto* a, auto* b) { return a->Left() < b->Left(); });
    std::string out;
    for (const DigitLabel* l : labels)
        out += l->Caption().toStdString();
    return out;
}

TEST_F(Upload, CommandRefusesASlaveIdOutOfRange)
{
    // The menu item and, with no editor open, the toolbar button reach the command.
    frmMDI& mdi = frmMDI::instance();
    EXPECT_EQ(ui(mdi).mTool->title(), "Communication(&C)");
    EXPECT_EQ(ui(mdi).mUpload->text(), "Upload ( Device --> PC )");
    EXPECT_EQ(ui(mdi).mUpload->shortcut(), QKeySequence(Qt::Key_F11));
    commSettings.nSlaveID = 256;
    ui(mdi).mUpload->trigger();
    mdi.Toolbar1_ButtonClick("Upload");
    EXPECT_EQ(panel4(), "Wrong Device ID !");
    EXPECT_EQ(boxTexts(), (QStringList{res(285), res(285)}));
    EXPECT_FALSE(frmWriteProcess1::isLoaded());
}

TEST_F(Upload, CommandOpensTheEditorOfTheInstrumentsModel)
{
    sim::Instrument& inst = start(sim::Type::H8, 6);
    inst.write16(kRegCountInputMode_H7, 2);
    frmMDI& mdi = frmMDI::instance();
    boxes.autoAcknowledgeOk(false);
    boxes.answer(platform::MsgResult::Ok);
    nMacType = kMacTypeH9;
    mdi.mUpload_Click();
    dropDeferredDeletes();
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(boxTexts(), QStringList{res(263)});
    EXPECT_EQ(boxes.last().title, "Upload");
    EXPECT_EQ(panel4(), res(263));
    frmModeSetting_H7& ed = frmModeSetting_H7::instance();
    EXPECT_EQ(nMacType, kMacTypeH8);
    EXPECT_EQ(nFuncMode, 6);
    EXPECT_EQ(counterParamsH7.nCountInputMode_batch_H7, 2);
    for (int n = 0; n <= 8; ++n)
        EXPECT_TRUE(ed.mFuncModeSelect(n)->isVisible()) << n;
    // The toolbar is given back once the window has closed.
    EXPECT_TRUE(ui(mdi).Toolbar1->Buttons(6).Enabled());
    EXPECT_TRUE(ui(mdi).mUpload->isEnabled());
    EXPECT_TRUE(mdi.menuBar()->isEnabled());
    EXPECT_TRUE(ui(mdi).mFile->menuAction()->isEnabled()) << "menu titles come back with their menus";
    EXPECT_TRUE(ui(mdi).mdiArea->isEnabled());
    EXPECT_TRUE(ui(mdi).StatusBar1->isEnabled());
    EXPECT_TRUE(ed.isEnabled());

    // An H5 offers only the timer modes.
    ed.Unload();
    dropDeferredDeletes();
    restart(sim::Type::H5, 2);
    boxes.autoAcknowledgeOk();
    mdi.mUpload_Click();
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    for (int n = 0; n <= 8; ++n)
        EXPECT_EQ(frmModeSetting_H7::instance().mFuncModeSelect(n)->isVisible(), n <= 2) << n;
    EXPECT_EQ(nMacType, kMacTypeH5);
}

// Timer A beside a counter (channel B 0) and beside a tachometer (1), in every time code
// (time range x 2 + direction): the set value comes from the time code's own slot, in
// the form of its range, and shows with two decimals for range 0 and behind a greyed "0"
// for the whole-number ranges; the output time always with two decimals. Every case holds
// other digits, so a value read from another slot or in another form shows.
TEST_F(Upload, TimerARowsShowWhatTheInstrumentHoldsInEveryTimeCode)
{
    struct Case {
        int channelB, timeCode, slot;
        quint16 set0, set2;
        const char* setValue;
        quint16 out0, out2;
        const char* outputTime;
    };
    const Case cases[] = {
        {0, 0, 1116, 0x0056, 0x1234, "1234.56", 0x0054, 0x9876, "9876.54"},
        {0, 1, 1120, 0x0067, 0x2345, "2345.67", 0x0021, 0x6543, "6543.21"},
        {0, 2, 1126, 0x5678, 0x0034, "0345678", 0x0098, 0x3210, "3210.98"},
        {0, 3, 1132, 0x6789, 0x0045, "0456789", 0x0065, 0x0987, "0987.65"},
        {0, 4, 1140, 0x7890, 0x0056, "0567890", 0x0032, 0x7654, "7654.32"},
        {0, 5, 1148, 0x8901, 0x0067, "0678901", 0x0009, 0x4321, "4321.09"},
        {0, 6, 1158, 0x9012, 0x0078, "0789012", 0x0076, 0x1098, "1098.76"},
        {0, 7, 1168, 0x0123, 0x0089, "0890123", 0x0043, 0x8765, "8765.43"},
        {1, 0, 1116, 0x0018, 0x9753, "9753.18", 0x0010, 0x5432, "5432.10"},
        {1, 1, 1120, 0x0086, 0x7531, "7531.86", 0x0087, 0x2109, "2109.87"},
        {1, 2, 1126, 0x1864, 0x0053, "0531864", 0x0054, 0x9876, "9876.54"},
        {1, 3, 1132, 0x8642, 0x0031, "0318642", 0x0021, 0x6543, "6543.21"},
        {1, 4, 1140, 0x6420, 0x0018, "0186420", 0x0098, 0x3210, "3210.98"},
        {1, 5, 1148, 0x4209, 0x0086, "0864209", 0x0065, 0x0987, "0987.65"},
        {1, 6, 1158, 0x2097, 0x0064, "0642097", 0x0032, 0x7654, "7654.32"},
        {1, 7, 1168, 0x0975, 0x0042, "0420975", 0x0009, 0x4321, "4321.09"},
    };
    sim::Instrument& inst = start(sim::Type::H9);
    // Channel B's set value (both kinds), the counter's output time, the tachometer's startup time.
    inst.write16(1366, 0x0079), inst.write16(1368, 0x2435);
    inst.write16(1378, 0x0068), inst.write16(1380, 0x1357);
    inst.write16(1574, 0x0013), inst.write16(1576, 0x8642);
    for (const Case& c : cases) {
        SCOPED_TRACE("channel B " + std::to_string(c.channelB) + ", time code " + std::to_string(c.timeCode));
        inst.write16(1552, static_cast<quint16>(c.channelB));
        inst.write16(1114, static_cast<quint16>(c.timeCode));
        inst.write16(c.slot, c.set0), inst.write16(c.slot + 2, c.set2);
        inst.write16(1172, c.out0), inst.write16(1174, c.out2);
        frmMDI::instance().mUpload_Click();
        dropDeferredDeletes();
        ASSERT_TRUE(frmModeSetting_H9::isLoaded());
        const Ui_frmModeSetting_H9& ed = ui(frmModeSetting_H9::instance());
        EXPECT_EQ(ed.cboCountModeA->currentIndex(), c.timeCode / 2);
        EXPECT_EQ(ed.cboCountDirectionA->currentIndex(), c.timeCode % 2);
        EXPECT_EQ(shown(*ed.lblTimerSettingA), c.setValue);
        EXPECT_EQ((*ed.lblTimerSettingA)(6).testAttribute(Qt::WA_Disabled), c.timeCode >= 2);
        EXPECT_EQ(shown(*ed.lblHoldTimeA), c.outputTime);
        EXPECT_EQ(shown(*(c.channelB == 0 ? ed.lblCounterSettingB : ed.lblCounterSettingB_F)), "0243579");
        EXPECT_EQ(shown(*(c.channelB == 0 ? ed.lblHoldCounterB : ed.lblHoldCounterB_F)),
                  c.channelB == 0 ? "1357.68" : "8642.13");
    }
}

// A value the editor or the read map refuses: one box that says what, never a success
// first, and no editor.
TEST_F(Upload, CommandTellsARefusedValueOnceAndOpensNoEditor)
{
    struct Case {
        sim::Type type;
        int mode, address;
        quint16 value;
        const char* refused;
    };
    // A time range of 12 reaches the image as "C", which the 10-item list refuses.
    for (const Case& c : {Case{sim::Type::H5, 0, kRegTimerRange_A_H5, 12, "Time Range holds 12"},
                          {sim::Type::H7, 3, 1702, 9, "Decimal Point Position holds 9"},
                          {sim::Type::H9, 0, 1176, 0x0F, "Output Mode holds 15"},
                          {sim::Type::H9, 0, 1542, 5, "Register 1542 holds 0x0005"}}) {
        SCOPED_TRACE(c.refused);
        restart(c.type, c.mode).write16(c.address, c.value);
        boxes.clear();
        frmMDI::instance().mUpload_Click();
        dropDeferredDeletes();
        EXPECT_EQ(boxTexts(), QStringList{"Failed to upload the settings!"});
        EXPECT_EQ(boxes.last().detail, QString(c.refused) + ", a value the program cannot take.");
        EXPECT_EQ(panel4(), res(260));
        EXPECT_FALSE(frmModeSetting_H7::isLoaded());
        EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    }
}

TEST_F(Upload, CommandLoadsNothingAfterAFailedUpload)
{
    sim::Instrument& inst = start(sim::Type::H9);
    inst.setFault(sim::Fault::badLrc(), sim::FaultScope::atAddress(kRegFuncType_H9));
    nMacType = kMacTypeH7;
    frmMDI::instance().mUpload_Click();
    dropDeferredDeletes();
    EXPECT_EQ(boxTexts(), QStringList{"Failed to response !"});
    EXPECT_EQ(panel4(), res(260));
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    EXPECT_EQ(nMacType, kMacTypeH7);
}

} // namespace
