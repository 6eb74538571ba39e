#include "app/frmMDI.h"
#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/comm_records.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/h5h7_image.h"
#include "settings_file/save_flow.h"
#include "settings_file/settings_file_io.h"
#include "support/editor_state.h"
#include "support/main_window.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using platform::MsgResult;
using testhelp::image;

namespace {

class OpenFlow : public ::testing::Test, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        enterUserFolder();
        frmMDI::sCmdLine.clear();
        commState = CommState{}; // a refused file leaves its code for whoever looks after the Open
    }
    void TearDown() override
    {
        frmMDI::sCmdLine.clear();
        testsupport::closeWindows();
        leaveUserFolder();
        commState = CommState{}; // a refused file leaves its code behind
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString file = path(name);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return file;
    }
    frmMDI& mdi() { return frmMDI::instance(); }
    QString panel(int i) { return mdi().PanelText(i); }
    bool anyEditor() const { return frmModeSetting_H7::isLoaded() || frmModeSetting_H9::isLoaded(); }

    // Opens `path` through the dialog; every box is acknowledged.
    void open(const QString& path)
    {
        dialogs.accept(path);
        mdi().mOpen_Click();
    }

    testsupport::ScriptedFileDialogs dialogs;
    testsupport::ScriptedMessages boxes;
};

SettingFileImage validH5(const char* type = "020A")
{
    return image({{0, "0100"}, {4, type}});
}

} // namespace

TEST_F(OpenFlow, CancelledDialogShowsOnlyThePanelText)
{
    dialogs.cancel();
    mdi().mOpen_Click();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(panel(4), "Failed to open the file!");
    EXPECT_FALSE(anyEditor());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const platform::FileDialogRequest& r = dialogs.shown()[0];
    EXPECT_EQ(r.kind, platform::FileDialogRequest::Open);
    EXPECT_EQ(r.title, "Open");
    EXPECT_EQ(r.filter, "kvf(*.kvf)|*.kvf");
    // The per-user folders are made when the Open first needs them, and it starts there.
    EXPECT_EQ(r.initDir, tmp.path() + "/Sample");
    EXPECT_TRUE(QDir(tmp.path() + "/Sample").exists());
    EXPECT_TRUE(QDir(tmp.path() + "/Log").exists());
    EXPECT_EQ(commState.nErrCode, 0);

    dialogs.invalidName();
    boxes.autoAcknowledgeOk();
    mdi().mOpen_Click();
    EXPECT_EQ(dialogs.shown()[1].initDir, tmp.path() + "/Sample");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Falied to open the file.");
    EXPECT_EQ(panel(4), "Failed to open the file!");
}

TEST_F(OpenFlow, FilesThatAreNoSettingsImageAreRefused)
{
    boxes.autoAcknowledgeOk();
    struct Case { QByteArray bytes; const char* message; int code; };
    SettingFileImage version = validH5();
    version.replace(0, 4, "0101");
    SettingFileImage notHex = validH5();
    notHex.replace(0, 4, "01G0");
    SettingFileImage type05 = validH5("050A");
    SettingFileImage typeBlank = validH5("1 0A");
    const Case cases[] = {
        {validH5().left(255), "Falied to open the file.", 18},
        {version, "Wrong version !", 19},
        {notHex, "Falied to open the file.", 18},
        {type05, "Falied to open the file.", 18},
        {typeBlank, "Falied to open the file.", 18},
        {image({{0, "0100"}, {4, "010A"}, {8, "2"}}), "Falied to open the file.", 18},
        {image({{0, "0100"}, {4, "010A"}, {21, "2"}}), "Falied to open the file.", 18},
        {image({{0, "0100"}, {4, "040A"}, {31, "9"}}), "Falied to open the file.", 18},
    };
    int n = 0;
    for (const Case& c : cases) {
        boxes.clear();
        open(write(QString("f%1.kvf").arg(n++), c.bytes));
        ASSERT_EQ(boxes.count(), 1) << n;
        EXPECT_EQ(boxes.last().text, c.message) << n;
        EXPECT_EQ(boxes.last().title, "Error");
        EXPECT_EQ(panel(4), "Failed to open the file!");
        EXPECT_EQ(commState.nErrCode, c.code) << n;
        EXPECT_FALSE(anyEditor()) << n;
        EXPECT_FALSE(bHasFileName);
        // A refused file leaves none of an editor's toolbar buttons or its model name.
        for (int b : {4, 7, 9, 10, 11, 12})
            EXPECT_FALSE(ui(mdi()).Toolbar1->Buttons(b).Visible()) << n << " button " << b;
        EXPECT_EQ(panel(1), "") << n;
        testsupport::closeWindows();
    }
    boxes.clear();
    open(tmp.path() + "/missing.kvf");
    EXPECT_EQ(boxes.last().text, "The file doesn't exist!");
}

TEST_F(OpenFlow, AFileOfAnOlderVersionIsRefusedAndTheOpenSetStays)
{
    boxes.autoAcknowledgeOk();
    const QString kept = write("kept.kvf", validH5());
    open(kept);
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    mdi().bChange = true;

    // Apart from its version, a set the H9 editor would load.
    open(write("older.kvf", image({{0, "00FF"}, {4, "010A"}})));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Wrong version !");
    EXPECT_EQ(boxes.last().title, "Error");
    EXPECT_EQ(panel(4), "Failed to open the file!");
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(frmModeSetting_H7::instance().windowTitle(), "kept.kvf");
    EXPECT_EQ(nMacType, kMacTypeH5);
    EXPECT_EQ(mdi().nLoadForm, 2);
    EXPECT_EQ(panel(1), ModelName(2));
    EXPECT_EQ(settings_file::currentFile(), kept);
    EXPECT_TRUE(bHasFileName);
    EXPECT_TRUE(mdi().bChange);
}

TEST_F(OpenFlow, H5FileOpensInTheTimerHalfAndSavesBackToItself)
{
    const QString path = write("Line 3.kvf", validH5());
    mdi().bChange = true;
    open(path);
    EXPECT_EQ(boxes.count(), 0);
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    frmModeSetting_H7& ed = frmModeSetting_H7::instance();
    EXPECT_EQ(ed.windowTitle(), "Line 3.kvf");
    EXPECT_EQ(nMacType, kMacTypeH5);
    EXPECT_EQ(mdi().nLoadForm, 2);
    EXPECT_EQ(panel(1), ModelName(2));
    EXPECT_EQ(panel(4), "File is opened completed!");
    for (int n = 0; n <= 8; ++n)
        EXPECT_EQ(ed.mFuncModeSelect(n)->isVisible(), n <= 2) << n;
    for (int b : {4, 7, 9, 10, 11})
        EXPECT_TRUE(ui(mdi()).Toolbar1->Buttons(b).Visible()) << b;
    EXPECT_FALSE(ui(mdi()).Toolbar1->Buttons(12).Visible());
    EXPECT_TRUE(bHasFileName);
    EXPECT_FALSE(mdi().bChange);
    EXPECT_EQ(settings_file::currentFile(), path);

    // Save goes back to the opened file without a dialog.
    ed.FuncModeSelect(2);
    boxes.answer(MsgResult::Ok);
    EXPECT_EQ(settings_file::SaveSettingFlow(&BuildFileImage_H5), settings_file::SaveOutcome::Saved);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().at(31), '2');
}

TEST_F(OpenFlow, H9FileOpensWithItsPowerSavingButton)
{
    // Positions 6-7 of the type are not looked at.
    const QString path = write("h9.kvf", image({{0, "0100"}, {4, "01XY"}, {9, "1"}, {21, "1"},
                                                {130, "2"}, {222, "0001000"},
                                                {234, "0002000"}, {241, "0005.00"}}));
    mdi().bChange = true;
    open(path);
    EXPECT_EQ(boxes.count(), 0);
    ASSERT_TRUE(frmModeSetting_H9::isLoaded());
    EXPECT_EQ(frmModeSetting_H9::instance().windowTitle(), "h9.kvf");
    EXPECT_EQ(nMacType, kMacTypeH9);
    EXPECT_EQ(timerCounterParamsH9.nDualFunc_H9, 2);
    EXPECT_EQ(timerCounterParamsH9.bPowerSaving_H9, 1);
    EXPECT_EQ(mdi().nLoadForm, 1);
    EXPECT_EQ(panel(1), ModelName(1));
    for (int b : {4, 7, 9, 10, 11, 12})
        EXPECT_TRUE(ui(mdi()).Toolbar1->Buttons(b).Visible()) << b;
    EXPECT_FALSE(mdi().bChange);
    EXPECT_TRUE(bHasFileName);
}

TEST_F(OpenFlow, H8FileChoosesItsLayoutByTheFunctionMode)
{
    open(write("h8.kvf", image({{0, "0100"}, {4, "040A"}, {31, "5"}})));
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(nFuncMode, 5);
    EXPECT_EQ(mdi().nLoadForm, 4);
    for (int n = 0; n <= 8; ++n)
        EXPECT_TRUE(frmModeSetting_H7::instance().mFuncModeSelect(n)->isVisible()) << n;
    testsupport::closeWindows();

    open(write("h8t.kvf", image({{0, "0100"}, {4, "040A"}, {31, "1"}})));
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(nFuncMode, 1);
    testsupport::closeWindows();

    open(write("h7.kvf", image({{0, "0100"}, {4, "030A"}, {31, "8"}})));
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(mdi().nLoadForm, 3);
    EXPECT_EQ(panel(1), ModelName(3));
    for (int n = 0; n <= 8; ++n)
        EXPECT_EQ(frmModeSetting_H7::instance().mFuncModeSelect(n)->isVisible(), n >= 3) << n;
}

TEST_F(OpenFlow, CommandLineFileOpensAtStartUp)
{
    const QString path = write("start.kvf", image({{0, "0100"}, {4, "030A"}, {31, "6"}}));
    QFile::rename(path, tmp.path() + "/start.KVF");
    frmMDI::sCmdLine = tmp.path() + "/start.KVF";
    frmMDI& m = frmMDI::instance();
    EXPECT_TRUE(dialogs.shown().empty());
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_EQ(nFuncMode, 6);
    EXPECT_EQ(frmModeSetting_H7::instance().windowTitle(), "start.KVF");
    EXPECT_EQ(m.PanelText(4), "File is opened completed!");
    EXPECT_FALSE(m.bOpenOldFile);
    EXPECT_EQ(settings_file::currentFile(), tmp.path() + "/start.KVF");
}

TEST_F(OpenFlow, CommandLineThatIsNoSettingsFile)
{
    frmMDI::sCmdLine = tmp.path() + "/absent.kvf";
    boxes.autoAcknowledgeOk();
    frmMDI& m = frmMDI::instance();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "The file doesn't exist!");
    EXPECT_FALSE(anyEditor());
    EXPECT_FALSE(m.bOpenOldFile);
    testsupport::closeWindows();

    boxes.clear();
    frmMDI::sCmdLine = write("notes.txt", validH5());
    frmMDI::instance();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(anyEditor());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(OpenFlow, MenuShortcutAndToolbarReachTheOpen)
{
    frmMDI& m = mdi();
    const QList<QAction*> items = ui(m).mFile->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items.indexOf(ui(m).mOpen), items.indexOf(ui(m).mExit) - 2) << "Open, the separator, Exit";
    EXPECT_EQ(ui(m).mOpen->text(), "Open(&O)");
    EXPECT_EQ(ui(m).mOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));

    dialogs.cancel().cancel();
    ui(m).mOpen->trigger();
    EXPECT_EQ(dialogs.shown().size(), 1u);
    m.Toolbar1_ButtonClick("Open"); // no editor open: the main window's own Open
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(panel(4), "Failed to open the file!");
}
