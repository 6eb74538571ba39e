// The About box, and where every dialog and message box of the program appears: on
// the main window, with the title the program gives it (an empty one stays empty).
#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "app/frmMacTypeSel.h"
#include "link/frmCommSetup.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "support/form_access.h"
#include "support/modal.h"
#include "support/text_fit.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        frmMDI& mdi = frmMDI::instance();
        // Within the test screen, so no dialog is pushed back onto it.
        mdi.setGeometry(30, 20, 740, 560);
        mdi.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mdi));
    }
    void TearDown() override { testsupport::closeWindows(); }

    // How far `w` sits from the middle of the main window.
    static int offCentre(const QWidget* w)
    {
        return (w->frameGeometry().center() - frmMDI::instance().frameGeometry().center()).manhattanLength();
    }
};

bool hasHan(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

} // namespace

TEST_F(Dialogs, AboutShowsTheBuildsVersionAndOurNoticesInEachLanguage)
{
    EXPECT_EQ(AboutVersionText(1, 0, 5), "Version : 1 . 0 . 5");
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese,
                                    platform::Language::SimplifiedChinese}) {
        SCOPED_TRACE(static_cast<int>(lang));
        platform::setLanguage(lang);
        bool seen = false;
        testsupport::whenModalShown([&](QWidget* w) {
            auto* about = qobject_cast<frmAbout*>(w);
            ASSERT_NE(about, nullptr);
            seen = true;
            Ui_frmAbout& c = ui(*about);
            EXPECT_EQ(about->windowTitle(), platform::LoadResString(101));
            EXPECT_EQ(c.cmdOK->text(), platform::LoadResString(102));
            EXPECT_EQ(c.lblVersion->text(),
                      AboutVersionText(TCPANEL_VERSION_MAJOR, TCPANEL_VERSION_MINOR, TCPANEL_VERSION_PATCH));
            EXPECT_TRUE(c.Label1->text().startsWith("tcpanel"));
            EXPECT_EQ(hasHan(c.Label1->text()), lang != platform::Language::English);
            EXPECT_EQ(hasHan(c.lblDisclaimer->text()), lang != platform::Language::English);
            EXPECT_FALSE(c.Label2->text().isEmpty());
            EXPECT_FALSE(c.Image1->pixmap().isNull());
            EXPECT_EQ(about->focusWidget(), c.cmdOK);
            EXPECT_LE(offCentre(about), 2);
            QTest::mouseClick(c.cmdOK, Qt::LeftButton);
        });
        frmMDI::instance().mAbout->trigger();
        EXPECT_TRUE(seen);
        EXPECT_FALSE(frmAbout::isLoaded());
    }
    EXPECT_EQ(AboutVersionText(TCPANEL_VERSION_MAJOR, TCPANEL_VERSION_MINOR, TCPANEL_VERSION_PATCH),
              "Version : 1 . 0 . 0") << "the version of the build (CMake's project version)";
}

TEST_F(Dialogs, BoxesAndDialogsOpenOnTheMainWindowWithTheirOwnTitles)
{
    using platform::MsgButtons;
    using platform::MsgIcon;
    using platform::MsgResult;
    QStringList shown;
    const auto answerBox = [&](QMessageBox::StandardButton button) {
        testsupport::whenModalShown([&shown, button](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            // What the window system is told to put in the title bar: an empty title
            // it would fill with the program's name, a blank one it shows blank.
            shown << box->windowTitle() + "|" + box->windowHandle()->title();
            EXPECT_LE(offCentre(box), 2) << box->text().toStdString();
            box->button(button)->click();
        });
    };
    answerBox(QMessageBox::No);
    EXPECT_EQ(platform::MsgBox("Are you sure to exit  ?", MsgButtons::YesNo, MsgIcon::Question), MsgResult::No);
    answerBox(QMessageBox::Ok);
    EXPECT_EQ(platform::MsgBox("Communication error!", MsgButtons::Ok, MsgIcon::Exclamation, "Error"), MsgResult::Ok);
    EXPECT_EQ(shown, (QStringList{"| ", "Error|Error"}));

    // The program's own dialogs and the file dialog.
    int dialogs = 0;
    testsupport::whenModalShown([&](QWidget* w) {
        EXPECT_NE(qobject_cast<frmCommSetup*>(w), nullptr);
        EXPECT_LE(offCentre(w), 2);
        ++dialogs;
        w->close();
    });
    frmMDI::instance().mCommSetting->trigger();
    testsupport::whenModalShown([&](QWidget* w) {
        EXPECT_NE(qobject_cast<QFileDialog*>(w), nullptr);
        EXPECT_LE(offCentre(w), 2);
        ++dialogs;
        w->close();
    });
    platform::CommonDialog files;
    EXPECT_EQ(files.ShowOpen(), platform::kDialogCancelled);
    EXPECT_EQ(dialogs, 2);
}

TEST_F(Dialogs, ChooserAndAboutTextsFitTheirControlsInEachLanguage)
{
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese,
                                    platform::Language::SimplifiedChinese}) {
        SCOPED_TRACE(static_cast<int>(lang));
        platform::setLanguage(lang);
        for (QWidget* w : {static_cast<QWidget*>(&frmMacTypeSel::instance()), static_cast<QWidget*>(&frmAbout::instance())}) {
            const QStringList clipped = testsupport::clippedTexts(w);
            EXPECT_TRUE(clipped.isEmpty()) << clipped.join('\n').toStdString();
        }
        frmMacTypeSel::unload();
        frmAbout::unload();
        testsupport::closeChildWindows();
    }
}
