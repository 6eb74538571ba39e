// The About box, where every dialog and message box of the program appears (on the
// main window, with the title the program gives it: an empty one stays empty), and the
// serial settings dialog from the main window's menu against the in-process fake line.
#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "app/frmMacTypeSel.h"
#include "link/frmCommSetup.h"
#include "link/link_fixture.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "support/main_window.h"
#include "support/modal.h"
#include "support/text_fit.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Within the test screen, so no dialog is pushed back onto it.
        mdi.setGeometry(30, 20, 740, 560);
        mdi.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mdi));
    }
    void TearDown() override
    {
        testsupport::closeWindows();
        platform::setLanguage(platform::Language::English);
    }

    // How far `w` sits from the middle of the main window.
    int offCentre(const QWidget* w) const
    {
        return (w->frameGeometry().center() - mdi.frameGeometry().center()).manhattanLength();
    }

    frmMDI& mdi = frmMDI::instance();
};

} // namespace

TEST_F(Dialogs, AboutShowsTheBuildsVersionAndOurTextsFitAndDifferInEachLanguage)
{
    EXPECT_EQ(AboutVersionText(1, 0, 5), "Version : 1 . 0 . 5");
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese,
                                    platform::Language::SimplifiedChinese}) {
        SCOPED_TRACE(static_cast<int>(lang));
        platform::setLanguage(lang);
        QStringList clipped = testsupport::clippedTexts(&frmMacTypeSel::instance());
        clipped += testsupport::repeatedChoices(&frmMacTypeSel::instance()); // four distinct models
        frmMacTypeSel::unload();
        QString version;
        testsupport::whenModalShown([&](QWidget* w) {
            auto* about = qobject_cast<frmAbout*>(w);
            ASSERT_NE(about, nullptr);
            Ui_frmAbout& c = ui(*about);
            version = c.lblVersion->text();
            EXPECT_EQ(about->windowTitle(), platform::LoadResString(101));
            EXPECT_TRUE(c.Label1->text().startsWith("tcpanel"));
            EXPECT_FALSE(c.Label2->text().isEmpty() || c.lblDisclaimer->text().isEmpty());
            EXPECT_EQ(about->focusWidget(), c.cmdOK);
            EXPECT_LE(offCentre(about), 2);
            clipped += testsupport::clippedTexts(about);
            QTest::mouseClick(c.cmdOK, Qt::LeftButton);
        });
        ui(mdi).mAbout->trigger();
        EXPECT_EQ(version, "Version : 1 . 0 . 0") << "the build's version (CMake's project version)";
        EXPECT_FALSE(frmAbout::isLoaded());
        EXPECT_TRUE(clipped.isEmpty()) << clipped.join('\n').toStdString();
    }
}

TEST_F(Dialogs, BoxesAndDialogsOpenOnTheMainWindowWithTheirOwnTitles)
{
    using platform::MsgButtons;
    QStringList seen;
    // Notes the title and what the window system is told to show (it would fill an
    // empty one with the program's name, not a blank one), then closes the window.
    const auto onNext = [&](auto close) {
        testsupport::whenModalShown([&seen, this, close](QWidget* w) {
            seen << QString::fromLatin1(w->metaObject()->className()) + " '" + w->windowHandle()->title() + "'";
            EXPECT_LE(offCentre(w), 2) << w->metaObject()->className();
            close(w);
        });
    };
    const auto click = [](QWidget* w, QMessageBox::StandardButton which) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_TRUE(box && box->button(which)) << w->metaObject()->className();
        box->button(which)->click();
    };
    const auto noButton = [click](QWidget* w) { click(w, QMessageBox::No); };
    const auto okButton = [click](QWidget* w) { click(w, QMessageBox::Ok); };
    const auto closeBox = [](QWidget* w) { w->close(); };
    onNext(noButton);
    EXPECT_EQ(platform::MsgBox("Are you sure to exit  ?", MsgButtons::YesNo), platform::MsgResult::No);
    onNext(okButton);
    platform::MsgBox("Communication error!", MsgButtons::Ok, platform::MsgIcon::Exclamation, "Error");
    onNext(closeBox);
    ui(mdi).mCommSetting->trigger();
    onNext(closeBox);
    platform::CommonDialog files;
    files.DialogTitle = "Open";
    EXPECT_EQ(files.ShowOpen(), platform::kDialogCancelled);
    EXPECT_EQ(seen, (QStringList{"QMessageBox ' '", "QMessageBox 'Error'", "frmCommSetup '" + frmCommSetup::instance().windowTitle() + "'",
                                 "QFileDialog 'Open'"}));
}

namespace {

using Dialog = testsupport::InMainWindow<linktest::LinkTest>;
using testsupport::dropDeferredDeletes;

TEST_F(Dialog, MainWindowMenuShowsTheDialogAndRefreshesThePanels)
{
    frmMDI::unload();
    dropDeferredDeletes();
    frmMDI& mdi = frmMDI::instance();
    EXPECT_EQ(mdi.PanelText(2), "COM1 , 9600 , N , 8 , 1");
    EXPECT_EQ(mdi.PanelText(3), "Device ID(Hex) : 01");
    EXPECT_EQ(ui(mdi).mSetting->title(), "Option(&O)");
    EXPECT_EQ(ui(mdi).mCommSetting->text(), "Communication Settings");
    EXPECT_EQ(ui(mdi).mCommSetting->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));

    bool shown = false;
    QTimer::singleShot(0, testsupport::testScope(), [&] {
        frmCommSetup* d = frmCommSetup::loaded();
        ASSERT_NE(d, nullptr);
        shown = d->isVisible();
        ui(*d).cboComPort->setCurrentIndex(1);
        ui(*d).cboDeviceID_Menu->setEditText("AB");
        // Cancel after Apply: the panels follow what was applied.
        d->cmdApply_Click();
        ui(*d).cboComPort->setCurrentIndex(4);
        ui(*d).cmdCancel->click();
    });
    ui(mdi).mCommSetting->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(frmCommSetup::isLoaded());
    EXPECT_EQ(mdi.PanelText(2), "COM2 , 9600 , N , 8 , 1");
    EXPECT_EQ(mdi.PanelText(3), "Device ID(Hex) : AB");
}

} // namespace
