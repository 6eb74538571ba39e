// The main window's Upload command around the upload job, against the simulated
// instrument: the menu and the toolbar reach it, and it opens the editor of the type
// it read.
#include "transfer/sim_jobs_fixture.h"

#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "support/main_window.h"

#include <QMenuBar>

using namespace simtest;

namespace {

using Upload = testsupport::InMainWindow<SimTransferTest>;

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

TEST_F(Upload, CommandUnloadsAnEditorItsLoaderRefused)
{
    // A time range of 12 reaches the image as "C", which the 10-item list refuses.
    sim::Instrument& inst = start(sim::Type::H5, 0);
    inst.write16(kRegTimerRange_A_H5, 12);
    frmMDI::instance().mUpload_Click();
    dropDeferredDeletes();
    EXPECT_EQ(boxTexts(), (QStringList{res(263), "Failed to upload the settings!"}));
    EXPECT_FALSE(frmModeSetting_H7::isLoaded());
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
