// The program's start as a user meets it: the picture, two seconds later the main
// window in its start state, and a settings file named on the command line opened.
#include "app/frmLogin.h"
#include "app/frmMDI.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/clock.h"
#include "platform/strings.h"
#include "support/editor_state.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBitmap>
#include <QFile>
#include <QLabel>

namespace {

// What the screen held while the picture waited.
struct DuringSplash {
    bool splashShown = false;
    bool mainWindowLoaded = true;
    bool editorLoaded = true;
};

// The program's clock, noting what is on screen whenever a wait starts.
class WatchingClock : public platform::FakeClock {
public:
    bool waitUntil(qint64 deadline, const std::function<bool()>& done, bool excludeUserInput) override
    {
        QCoreApplication::processEvents();
        seen.push_back({frmLogin::loaded() && frmLogin::loaded()->isVisible(), frmMDI::isLoaded(),
                        frmModeSetting_H7::isLoaded() || frmModeSetting_H9::isLoaded()});
        return FakeClock::waitUntil(deadline, done, excludeUserInput);
    }
    std::vector<DuringSplash> seen;
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

    QString writeH5(const QString& name)
    {
        const QString file = path(name);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(testhelp::image({{0, "0100"}, {4, "020A"}, {31, "1"}}));
        return file;
    }

    WatchingClock clock;
    platform::ScopedClock useClock{&clock};
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
};

} // namespace

TEST_F(StartUp, PictureForTwoSecondsThenTheMainWindowInItsStartState)
{
    frmLogin::Start(QString());

    // The picture, alone, for two seconds on the program's clock.
    ASSERT_EQ(clock.seen.size(), 1u);
    EXPECT_TRUE(clock.seen[0].splashShown);
    EXPECT_FALSE(clock.seen[0].mainWindowLoaded);
    ASSERT_EQ(clock.log().size(), 1u);
    EXPECT_EQ(clock.log()[0].kind, platform::FakeClock::Entry::TimedWait);
    EXPECT_EQ(clock.log()[0].ms, 2000);

    // Gone before the main window shows, so it can take nothing from it either.
    EXPECT_FALSE(frmLogin::isLoaded());
    frmMDI& mdi = frmMDI::instance();
    EXPECT_TRUE(mdi.isVisible());
    EXPECT_FALSE(mdi.windowIcon().isNull()) << "the program's icon on its windows";
    EXPECT_FALSE(QApplication::windowIcon().isNull());

    EXPECT_EQ(mdi.StatusBar1->PanelText(1), "");
    EXPECT_EQ(mdi.StatusBar1->PanelText(2), "COM1 , 9600 , N , 8 , 1");
    EXPECT_EQ(mdi.StatusBar1->PanelText(3), "Device ID(Hex) : 01");
    EXPECT_EQ(mdi.StatusBar1->PanelText(4), "");
    QStringList shownButtons;
    for (int i = 1; i <= 12; ++i)
        if (mdi.Toolbar1->Buttons(i).Visible())
            shownButtons << mdi.Toolbar1->Buttons(i).Key();
    EXPECT_EQ(shownButtons, (QStringList{"New", "Open", "split09", "Upload", "split01"}));
    EXPECT_EQ(mdi.ActiveForm(), nullptr);
    EXPECT_TRUE(mdi.menuBar()->isVisible());
}

TEST_F(StartUp, PictureIsAFramelessShapeThatTakesNoFocus)
{
    frmLogin& splash = frmLogin::instance();
    const Qt::WindowFlags flags = splash.windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowDoesNotAcceptFocus);
    EXPECT_EQ(splash.windowType(), Qt::SplashScreen);
    EXPECT_TRUE(splash.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(splash.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(splash.windowModality(), Qt::NonModal);

    // Cut to the picture's outline: its see-through corner is no part of the window.
    const QRegion shape = splash.mask();
    ASSERT_FALSE(shape.isEmpty());
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(splash.rect().center()));
    EXPECT_EQ(splash.size(), splash.Image1->pixmap().size());
    frmLogin::unload();
}

TEST_F(StartUp, CommandLineOpensASettingsFileByItsLastThreeLetters)
{
    for (const char* name : {"lower.kvf", "upper.KVF", "mixed.kVf"}) {
        SCOPED_TRACE(name);
        const QString file = writeH5(name);
        frmLogin::Start(file);
        // Opened after the picture, without a dialog.
        EXPECT_FALSE(clock.seen.back().editorLoaded);
        ASSERT_TRUE(frmModeSetting_H7::isLoaded());
        EXPECT_EQ(frmMDI::instance().ActiveForm(), frmModeSetting_H7::loaded());
        EXPECT_EQ(frmModeSetting_H7::loaded()->windowTitle(), name);
        EXPECT_EQ(frmMDI::instance().StatusBar1->PanelText(4), "File is opened completed!");
        EXPECT_FALSE(frmMDI::instance().bOpenOldFile);
        testsupport::closeWindows();
    }

    // A quoted path ends in a quote, a path with a blank after it in the blank.
    const QString file = writeH5("quoted.kvf");
    for (const QString& commandLine : {"\"" + file + "\"", file + " "}) {
        SCOPED_TRACE(commandLine.toStdString());
        frmLogin::Start(commandLine);
        EXPECT_EQ(frmMDI::sCmdLine, commandLine) << "kept exactly as given";
        EXPECT_FALSE(frmModeSetting_H7::isLoaded());
        EXPECT_EQ(frmMDI::instance().StatusBar1->PanelText(4), "");
        testsupport::closeWindows();
    }
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}
