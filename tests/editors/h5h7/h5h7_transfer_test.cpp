// H5, H7 and H8 sets made, saved, opened, downloaded and compared in the editor window
// against the simulated instrument, with the keys and buttons a user has.
#include "h5h7_fixture.h"

#include "support/form_access.h"
#include "support/temp_user_folder.h"
#include "transfer/sim_jobs_fixture.h"

using namespace simtest;
using h5h7test::press;
using h5h7test::type;

namespace {

class H5H7WindowTransfer : public SimTransferTest, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        SimTransferTest::SetUp();
        enterUserFolder();
    }
    // Not in TearDown: restart() runs that between the cases of a test.
    ~H5H7WindowTransfer() override { leaveUserFolder(); }

    QString lastBox() const { return boxes.count() ? boxes.last().text : QString(); }

    testsupport::ScriptedFileDialogs dialogs;
};

} // namespace

TEST_F(H5H7WindowTransfer, SignedCounterValueKeyedInAndDownloaded)
{
    sim::Instrument& inst = start(sim::Type::H7);
    frmModeSetting_H7& f = h5h7test::newSet(kMacTypeH7);
    Ui_frmModeSetting_H7& u = ui(f);
    // Input "2 : Up / Down  A", output "8 : K-2", set value -00123.
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    for (int i = 0; i < 8; ++i)
        press(Qt::Key_Down);
    for (int i = 0; i < 7; ++i)
        press(Qt::Key_Tab);
    press(Qt::Key_Minus);
    press(Qt::Key_Right);
    type("00123");
    ASSERT_EQ(u.lblCounterSetting_1st_H7->rowText(), QString("-001230"));

    press(Qt::Key_F9);
    EXPECT_EQ(lastBox(), res(264));
    EXPECT_EQ(panel4(), res(264));
    // The keyboard goes on where it was before the window was locked.
    QApplication::setActiveWindow(&frmMDI::instance());
    EXPECT_EQ(h5h7test::focusName(), "lblCounterSetting_1st_H7_5");
    // Identification, begin, the changed common words, the 21 counter words, end and
    // the one-way request.
    ASSERT_TRUE(settle(5u + 21u + 3u));
    const std::vector<Req> reqs = requests();
    ASSERT_GE(reqs.size(), 8u);
    EXPECT_EQ(std::vector<Req>(reqs.begin(), reqs.begin() + 5),
              (std::vector<Req>{rd(1024), rd(1026), rd(1028), rd(1086), wr(1234, 0)}));
    EXPECT_EQ(std::vector<Req>(reqs.end() - 2, reqs.end()), (std::vector<Req>{wr(1400, 1), dd()}));
    std::vector<int> counterWords;
    for (const Req& r : reqs)
        if (r.function == 0x06 && r.address >= 1696 && r.address <= 1736)
            counterWords.push_back(r.address);
    ASSERT_EQ(counterWords.size(), 21u);
    EXPECT_EQ(counterWords.front(), 1696);
    EXPECT_EQ(counterWords.back(), 1736);
    EXPECT_EQ(inst.read16(1074), 3);
    EXPECT_EQ(inst.read16(1708), 0x0123);
    EXPECT_EQ(inst.read16(1710), 0x0000);
    EXPECT_EQ(inst.read16(1734), 1); // the sign
    EXPECT_EQ(inst.read16(1716), 0x0500);

    // The window is unlocked, and what the choices grey stays grey.
    EXPECT_TRUE(u.cboOutputMode_1st_H7->isEnabled());
    EXPECT_FALSE((*u.lblCounterSetting_1st_H7)(6).isEnabled());
    press(Qt::Key_F8);
    EXPECT_EQ(lastBox(), "Compare completed ! The programs are the same.");
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
        frmModeSetting_H7& made = h5h7test::newSet(c.macType);
        made.mFuncModeSelect(c.mode)->trigger();
        // A few edits by mouse on the panel on show.
        DigitLabelArray* row = c.mode == 0   ? ui(made).lblTimerSetting_A_H5
                               : c.mode == 2 ? ui(made).lblSV2_C_H5
                               : c.mode == 6 ? ui(made).lblCounterSetting_batch_2_H7
                                             : ui(made).lblCounterSetting_freq_1_H7;
        QTest::mouseClick(row->label(4), Qt::LeftButton);
        QTest::mouseClick(row->label(5), Qt::RightButton);
        const QString value = row->digits();
        ASSERT_EQ(value, "000019");

        const QString path = QStringLiteral("%1/Sample/%2-%3.kvf").arg(tmp.path()).arg(c.macType).arg(c.mode);
        dialogs.accept(path);
        press(Qt::Key_S, Qt::ControlModifier);
        ASSERT_TRUE(QFileInfo::exists(path));
        dialogs.accept(path);
        ui(made).mOpenSetting->trigger();
        dropDeferredDeletes();
        frmModeSetting_H7& opened = *frmModeSetting_H7::loaded();
        ASSERT_NE(&opened, &made);
        EXPECT_EQ(nFuncMode, c.mode);
        QApplication::setActiveWindow(&frmMDI::instance());
        opened.setFocus();

        QTest::mouseClick(ui(opened).ImageDownload, Qt::LeftButton);
        EXPECT_EQ(lastBox(), res(264));
        EXPECT_EQ(inst.read16(1074), c.mode);
        // An H8 compare refreshes the half of its current mode: the batch counter's
        // channel-B tab stays selectable.
        press(Qt::Key_F8);
        EXPECT_EQ(lastBox(), "Compare completed ! The programs are the same.");
        EXPECT_EQ(ui(opened).ImageCH_B->pictureName(), c.mode == 6 ? "IMAGE_CHB_W" : "IMAGE_CHB_G");
        EXPECT_EQ(ui(opened).optPic[1]->isEnabled(), c.mode == 6);
        testsupport::closeChildWindows();
    }
}

TEST_F(H5H7WindowTransfer, AnUploadedSetIsAskedAboutWhenClosed)
{
    start(sim::Type::H8, 5);
    frmMDI& mdi = frmMDI::instance();
    mdi.mUpload_Click();
    frmModeSetting_H7* f = frmModeSetting_H7::loaded();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(nFuncMode, 5);
    boxes.answer(platform::MsgResult::Cancel);
    f->close();
    EXPECT_EQ(lastBox(), "The settings have changed, do you want to save them ?");
    EXPECT_TRUE(frmModeSetting_H7::isLoaded());
}
