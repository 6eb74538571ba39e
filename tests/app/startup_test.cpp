// The program's start as a user meets it: the picture for two seconds, then the main
// window in its start state, and a settings file named on the command line opened.
#include "app/frmLogin.h"
#include "app/frmMDI.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "platform/clock.h"
#include "support/editor_state.h"
#include "support/main_window.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>

namespace {

// The program's clock, noting at each wait whether the picture shows and what else is loaded.
class WatchingClock : public platform::FakeClock {
public:
    bool waitUntil(qint64 deadline, const std::function<bool()>& done, bool excludeUserInput) override
    {
        frmLogin* splash = frmLogin::loaded();
        seen << QStringLiteral("splash %1, main %2, editor %3")
                    .arg(splash && splash->isVisible()).arg(frmMDI::isLoaded()).arg(frmModeSetting_H7::isLoaded());
        return FakeClock::waitUntil(deadline, done, excludeUserInput);
    }
    QStringList seen;
};

class StartUp : public ::testing::Test, protected testhelp::TempUserFolder {
protected:
    void SetUp() override { enterUserFolder(); }
    void TearDown() override
    {
        testsupport::closeWindows();
        frmMDI::sCmdLine.clear();
        leaveUserFolder();
    }

    WatchingClock clock;
    platform::ScopedClock useClock{&clock};
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
};

} // namespace

TEST_F(StartUp, PictureAloneForTwoSecondsThenTheMainWindowInItsStartState)
{
    frmLogin& splash = frmLogin::instance();
    // A frameless shape that takes no focus: see-through around the picture (its
    // corner is no part of the window) and never modal.
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(splash.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(splash.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(splash.windowModality(), Qt::NonModal);
    EXPECT_FALSE(splash.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(splash.mask().contains(splash.rect().center()));
    frmLogin::unload();

    frmLogin::Start(QString());
    EXPECT_EQ(clock.seen, QStringList{"splash 1, main 0, editor 0"});
    ASSERT_EQ(clock.log().size(), 1u);
    EXPECT_EQ(clock.log()[0].kind, platform::FakeClock::Entry::TimedWait);
    // Two seconds from the moment the picture showed (a loaded machine may pass a
    // millisecond before the wait begins).
    EXPECT_NEAR(clock.log()[0].ms, 2000, 20);
    // Gone before the main window shows, so it can take nothing from it.
    EXPECT_FALSE(frmLogin::isLoaded());
    frmMDI& mdi = frmMDI::instance();
    EXPECT_TRUE(mdi.isVisible());
    EXPECT_FALSE(mdi.windowIcon().isNull()) << "the program's icon on its windows";
    QStringList shown;
    for (int i = 1; i <= 12; ++i)
        if (ui(mdi).Toolbar1->Buttons(i).Visible())
            shown << ui(mdi).Toolbar1->Buttons(i).Key();
    EXPECT_EQ(shown, (QStringList{"New", "Open", "split09", "Upload", "split01"}));
    EXPECT_EQ(mdi.PanelText(1) + mdi.PanelText(4), "");
    EXPECT_EQ(mdi.ActiveForm(), nullptr);
}

TEST_F(StartUp, CommandLineOpensASettingsFileByItsLastThreeLetters)
{
    const auto h5File = [this](const QString& name) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(testhelp::image({{0, "0100"}, {4, "020A"}, {31, "1"}}));
        return path(name);
    };
    for (const char* name : {"lower.kvf", "upper.KVF", "mixed.kVf"}) {
        SCOPED_TRACE(name);
        frmLogin::Start(h5File(name));
        EXPECT_EQ(clock.seen.back(), "splash 1, main 0, editor 0") << "opened after the picture";
        ASSERT_TRUE(frmModeSetting_H7::isLoaded());
        EXPECT_EQ(frmModeSetting_H7::loaded()->windowTitle(), name);
        EXPECT_EQ(frmMDI::instance().PanelText(4), "File is opened completed!");
        testsupport::closeWindows();
    }
    // A quoted path ends in a quote, a path with a blank after it in the blank.
    const QString file = h5File("quoted.kvf");
    for (const QString& commandLine : {"\"" + file + "\"", file + " "}) {
        frmLogin::Start(commandLine);
        EXPECT_EQ(frmMDI::sCmdLine, commandLine) << "kept exactly as given";
        EXPECT_FALSE(frmModeSetting_H7::isLoaded());
        testsupport::closeWindows();
    }
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}
