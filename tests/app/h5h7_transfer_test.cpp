// H5, H7 and H8 sets made, saved, opened, downloaded and compared in the editor window
// against the simulated instrument, with the keys and buttons a user has.
#include "editors/h5h7/h5h7_fixture.h"

#include "core/h5h7_registers.h"
#include "editors/common/refresh.h"
#include "settings_file/h5h7_image.h"
#include "support/editor_state.h"
#include "support/main_window.h"
#include "support/temp_user_folder.h"
#include "transfer/sim_jobs_fixture.h"

using namespace simtest;
using namespace h5h7test;

namespace {

class H5H7WindowTransfer : public testsupport::InMainWindow<SimTransferTest>, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        InMainWindow::SetUp();
        enterUserFolder();
    }
    // Not in TearDown: restart() runs that between the cases of a test.
    ~H5H7WindowTransfer() override { leaveUserFolder(); }

    QString lastBox() const { return boxes.count() ? boxes.last().text : QString(); }
    static SettingFileImage savedImage()
    {
        EXPECT_EQ(nFuncMode > 2 ? BuildFileImage_H7() : BuildFileImage_H5(), 0);
        return byFileBuf;
    }

    testsupport::ScriptedFileDialogs dialogs;
    const QString same = "Compare completed ! The programs are the same.";
};

} // namespace

TEST_F(H5H7WindowTransfer, SignedCounterValueKeyedInAndDownloaded)
{
    sim::Instrument& inst = start(sim::Type::H7);
    frmModeSetting_H7& f = newSet(kMacTypeH7);
    // Input "2 : Up / Down  A", output "8 : K-2", then the set value -00123.
    press(Qt::Key_Down, 2);
    press(Qt::Key_Tab);
    press(Qt::Key_Down, 8);
    press(Qt::Key_Tab, 7);
    ASSERT_EQ(focusName(), "lblCounterSetting_1st_H7_0");
    press(Qt::Key_Minus);
    press(Qt::Key_Right);
    type("00123");
    ASSERT_EQ(ui(f).lblCounterSetting_1st_H7->digits(), "-00123");

    press(Qt::Key_F9);
    EXPECT_EQ(lastBox(), res(264));
    // Identification, begin, the changed common words, the 21 counter words, end and
    // the one-way request, which may reach the instrument after the job has ended.
    ASSERT_TRUE(settleDD());
    const std::vector<Req> reqs = requests();
    EXPECT_EQ(std::vector<Req>(reqs.begin(), reqs.begin() + 5),
              (std::vector<Req>{rd(kRegFamily1), rd(kRegFamily2), rd(kRegDeviceType), rd(kRegWritePermission_H5H7),
                                wr(kRegBegin_H5H7, 0)}));
    EXPECT_EQ(std::vector<Req>(reqs.end() - 2, reqs.end()), (std::vector<Req>{wr(kRegEnd_H5H7, 1), dd()}));
    std::vector<int> counterWords;
    for (const Req& r : reqs)
        if (r.function == 0x06 && r.address >= kRegCntFirst_H7 && r.address <= kRegSign2_H7)
            counterWords.push_back(r.address);
    EXPECT_EQ(counterWords.size(), 21u);
    EXPECT_EQ(inst.read16(kRegFuncMode), 3);
    EXPECT_EQ(inst.read16(kRegCounterSetting1_H7), 0x0123);
    EXPECT_EQ(inst.read16(kRegCounterSetting1_H7 + 2), 0x0000);
    EXPECT_EQ(inst.read16(kRegSign1_H7), 1); // the sign
    EXPECT_EQ(inst.read16(kRegHoldCounter1_H7), 0x0500);
    // Unlocked, with what the choices grey grey again and the keyboard where it was.
    EXPECT_TRUE(ui(f).cboOutputMode_1st_H7->isEnabled());
    EXPECT_FALSE((*ui(f).lblCounterSetting_1st_H7)(6).isEnabled());
    QApplication::setActiveWindow(&frmMDI::instance());
    EXPECT_EQ(focusName(), "lblCounterSetting_1st_H7_5");
    press(Qt::Key_F8);
    EXPECT_EQ(lastBox(), same);
}

TEST_F(H5H7WindowTransfer, EachTypeMadeSavedOpenedDownloadedAndCompared)
{
    struct Case {
        sim::Type type;
        int macType;
        int mode;
    };
    for (const Case& c : {Case{sim::Type::H5, kMacTypeH5, 2}, Case{sim::Type::H7, kMacTypeH7, 8},
                          Case{sim::Type::H8, kMacTypeH8, 0}, Case{sim::Type::H8, kMacTypeH8, 6}}) {
        SCOPED_TRACE(testing::Message() << "type " << c.macType << " mode " << c.mode);
        sim::Instrument& inst = restart(c.type);
        frmModeSetting_H7& made = newSet(c.macType);
        made.mFuncModeSelect(c.mode)->trigger();
        testhelp::fillH5H7(c.mode, 2);
        // The values as the editor's own rules leave them (a sign only where allowed).
        RefreshDependentControls(c.mode > 2 ? 2 : 1);
        const SettingFileImage image = savedImage();

        const QString path = QStringLiteral("%1/Sample/%2-%3.kvf").arg(tmp.path()).arg(c.macType).arg(c.mode);
        dialogs.accept(path).accept(path);
        ctrl(Qt::Key_S);
        EXPECT_EQ(testhelp::readRaw(path), image);
        ui(made).mOpenSetting->trigger();
        dropDeferredDeletes();
        ASSERT_TRUE(frmModeSetting_H7::isLoaded());
        frmModeSetting_H7& opened = *frmModeSetting_H7::loaded();
        ASSERT_NE(&opened, &made);
        EXPECT_EQ(nFuncMode, c.mode);
        EXPECT_EQ(testhelp::imageDiff(savedImage(), image), "");
        EXPECT_FALSE(core::shell().bChange);

        QTest::mouseClick(ui(opened).ImageDownload, Qt::LeftButton);
        EXPECT_EQ(lastBox(), res(264));
        EXPECT_EQ(inst.read16(kRegFuncMode), c.mode);
        press(Qt::Key_F8);
        EXPECT_EQ(lastBox(), same);
        // An H8 compare refreshes the half of its mode: the batch counter's channel B
        // stays selectable.
        EXPECT_EQ(ui(opened).optPic[1]->isEnabled(), c.mode == 6);
        testsupport::closeChildWindows();
    }
}

TEST_F(H5H7WindowTransfer, AnUploadedSetIsAskedAboutWhenClosed)
{
    start(sim::Type::H8, 5);
    frmMDI::instance().mUpload_Click();
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(nFuncMode, 5);
    boxes.answer(platform::MsgResult::Cancel);
    frmModeSetting_H7::loaded()->close();
    EXPECT_EQ(lastBox(), "The settings have changed, do you want to save them ?");
    EXPECT_TRUE(frmModeSetting_H7::isLoaded());
}
