// The H5/H7 editor's commands as a user gives them: the save question on every way
// out, Save and Open, key protection, the toolbar, Monitor and Exit.
#include "h5h7_fixture.h"

#include "core/digit_rows.h"
#include "link/comm_records.h"
#include "monitor/frmMonitoring.h"
#include "settings_file/h5h7_image.h"
#include "support/deferred_delete.h"
#include "support/editor_state.h"
#include "support/form_access.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"
#include "transfer/frmWriteProcess1.h"

#include <QMdiSubWindow>

using platform::MsgResult;
using U = Ui_frmModeSetting_H7;

namespace {

class H5H7Commands : public H5H7EditorTest, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        H5H7EditorTest::SetUp();
        enterUserFolder();
        boxes.autoAcknowledgeOk();
    }
    void TearDown() override
    {
        H5H7EditorTest::TearDown();
        leaveUserFolder();
    }

    // The image Save writes for the set on show.
    static SettingFileImage currentImage()
    {
        EXPECT_EQ(nFuncMode > 2 ? BuildFileImage_H7() : BuildFileImage_H5(), 0);
        return byFileBuf;
    }
    static QStringList rows()
    {
        QStringList out;
        for (int r = 0; r < kH5H7RowCount; ++r)
            out << RowText(static_cast<H5H7Row>(r));
        return out;
    }
    QStringList boxTexts() const
    {
        QStringList out;
        for (const auto& b : boxes.shown())
            out << b.text;
        return out;
    }
    // An edit a user makes: one click on a digit of the set value on show.
    static void edit(frmModeSetting_H7& f)
    {
        DigitLabelArray* row = nFuncMode <= 2 ? ui(f).lblTimerSetting_A_H5 : ui(f).lblMagnification_Comm_H7;
        if (nFuncMode == 1)
            row = ui(f).lblSettingValueOFF_B_H5;
        if (nFuncMode == 2)
            row = ui(f).lblSV1_C_H5;
        QTest::mouseClick(row->label(5), Qt::LeftButton);
        ASSERT_TRUE(core::shell().bChange);
    }

    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    const QString saved = QStringLiteral("The settings have changed, do you want to save them ?");
};

} // namespace

TEST_F(H5H7Commands, SaveQuestionOnEveryWayOut)
{
    testsupport::RecordingShell shell;
    struct Case {
        const char* how;
        std::function<void()> answer; // scripts the question and what follows
        bool goesOn;
        QStringList boxesAfterQuestion;
    };
    const QString path = tmp.path() + "/Sample/q.kvf";
    const Case cases[] = {
        {"Cancel", [&] { boxes.answer(MsgResult::Cancel); }, false, {}},
        {"No", [&] { boxes.answer(MsgResult::No); }, true, {}},
        {"Yes, Save As cancelled", [&] { boxes.answer(MsgResult::Yes); dialogs.cancel(); }, false, {}},
        {"Yes, unwritable file", [&] { boxes.answer(MsgResult::Yes); dialogs.accept(tmp.path() + "/none/x.kvf"); },
         false, {"Failed to save the file!"}},
        {"Yes, saved", [&] { boxes.answer(MsgResult::Yes); dialogs.accept(path); }, true, {"File is save completed!"}},
    };
    const std::pair<const char*, QAction* U::*> commands[] = {
        {"mNew_Click", &U::mNew}, {"mOpen_Click", &U::mOpenSetting}, {"mUpload_Click", &U::mUpload}};
    for (const auto& [command, item] : commands) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << command << ", " << c.how);
            frmModeSetting_H7& f = newSet(kMacTypeH7);
            edit(f);
            shell.commands.clear();
            boxes.clear();
            c.answer();
            (ui(f).*item)->trigger();
            EXPECT_EQ(boxTexts().value(0), saved);
            EXPECT_EQ(boxTexts().mid(1), c.boxesAfterQuestion);
            EXPECT_EQ(shell.commands, c.goesOn ? QStringList{command} : QStringList{});
            EXPECT_EQ(frmModeSetting_H7::isLoaded(), !c.goesOn);
            EXPECT_EQ(f.CancelClose(), !c.goesOn);
            testsupport::closeChildWindows();
            QFile::remove(path);
        }
    }
    // Nothing changed, or the program closing from the live view: no question at all.
    for (bool monitorUnload : {false, true}) {
        frmModeSetting_H7& f = newSet(kMacTypeH5);
        if (monitorUnload)
            edit(f);
        shell.bMonitorUnload = monitorUnload;
        boxes.clear();
        ui(f).mClose->trigger();
        EXPECT_EQ(boxes.count(), 0);
        EXPECT_FALSE(frmModeSetting_H7::isLoaded());
        testsupport::closeChildWindows();
    }
    shell.bMonitorUnload = false;
}

TEST_F(H5H7Commands, SaveThenOpenGivesTheSameSetForEachType)
{
    const std::pair<int, int> sets[] = {{kMacTypeH5, 1}, {kMacTypeH7, 6}, {kMacTypeH8, 2}, {kMacTypeH8, 8}};
    for (auto [macType, mode] : sets) {
        SCOPED_TRACE(testing::Message() << "type " << macType << " mode " << mode);
        frmModeSetting_H7& f = newSet(macType);
        f.mFuncModeSelect(mode)->trigger();
        testhelp::fillH5H7(mode, 2);
        const QString path = QStringLiteral("%1/Sample/set-%2-%3.kvf").arg(tmp.path()).arg(macType).arg(mode);
        dialogs.accept(path);
        boxes.clear();
        press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(boxTexts(), QStringList{"File is save completed!"});
        EXPECT_FALSE(core::shell().bChange);
        EXPECT_EQ(f.windowTitle(), QFileInfo(path).fileName());
        // A second Save goes to the same file without the dialog.
        edit(f);
        press(Qt::Key_S, Qt::ControlModifier);
        const SettingFileImage image = currentImage();
        const QStringList values = rows();
        EXPECT_EQ(testhelp::readRaw(path), image);

        dialogs.accept(path);
        ui(f).mOpenSetting->trigger();
        testsupport::dropDeferredDeletes();
        frmModeSetting_H7* opened = frmModeSetting_H7::loaded();
        ASSERT_NE(opened, nullptr);
        EXPECT_NE(opened, &f);
        EXPECT_EQ(nFuncMode, mode);
        EXPECT_EQ(testhelp::imageDiff(currentImage(), image), "");
        EXPECT_EQ(rows(), values);
        EXPECT_FALSE(core::shell().bChange);
        for (int n = 0; n <= 8; ++n)
            EXPECT_EQ(opened->mFuncModeSelect(n)->isVisible(), macType == kMacTypeH8 || (macType == kMacTypeH5) == (n <= 2));
        testsupport::closeChildWindows();
    }
}

TEST_F(H5H7Commands, KeyProtectionIsAnEditOnlyWhenTheUserTogglesIt)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.Toolbar1->Buttons(11).setImage("KP_ON");
    mdi.Toolbar1->Buttons(11).setValue(true);
    frmModeSetting_H7& f = newSet(kMacTypeH5);
    EXPECT_EQ(mdi.Toolbar1->Buttons(11).Image(), "KP_OFF");
    EXPECT_FALSE(mdi.Toolbar1->Buttons(11).Value());

    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_TRUE(ui(f).mKP->isChecked());
    EXPECT_EQ(mdi.Toolbar1->Buttons(11).Image(), "KP_ON");
    EXPECT_TRUE(core::shell().bChange);
    core::shell().bChange = false;
    mdi.Toolbar1_ButtonClick("KP");
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_TRUE(core::shell().bChange);
    mdi.Toolbar1_ButtonClick("KP");

    // Saved on, opened again: shown on, and the set counts as unchanged.
    const QString path = tmp.path() + "/Sample/kp.kvf";
    dialogs.accept(path);
    press(Qt::Key_A, Qt::ControlModifier);
    dialogs.accept(path);
    ui(f).mOpenSetting->trigger();
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_EQ(mdi.Toolbar1->Buttons(11).Image(), "KP_ON");
    EXPECT_FALSE(core::shell().bChange);
}

namespace {

// Notes what the download picture shows while a box is up.
class DownloadPictureAtBox : public testsupport::ScriptedMessages {
public:
    platform::MsgResult present(const platform::MessageBoxRequest& r) override
    {
        if (auto* f = frmModeSetting_H7::loaded())
            pictures << ui(*f).ImageDownload->pictureName();
        return ScriptedMessages::present(r);
    }
    QStringList pictures;
};

} // namespace

TEST_F(H5H7Commands, ToolbarAndDownloadPictureReachTheEditor)
{
    frmMDI& mdi = frmMDI::instance();
    frmModeSetting_H7& f = newSet(kMacTypeH7);
    dialogs.cancel();
    mdi.Toolbar1_ButtonClick("Save");
    EXPECT_EQ(dialogs.shown().size(), 1u);

    // A slave ID the line cannot carry stops Download before anything is locked.
    commSettings.nSlaveID = 256;
    {
        DownloadPictureAtBox pictureBoxes;
        pictureBoxes.autoAcknowledgeOk();
        mdi.Toolbar1_ButtonClick("Download");
        QTest::mouseClick(ui(f).ImageDownload, Qt::LeftButton);
        press(Qt::Key_F9);
        ASSERT_EQ(pictureBoxes.count(), 3);
        for (const auto& b : pictureBoxes.shown())
            EXPECT_EQ(b.text, "Wrong Device ID !");
        EXPECT_EQ(pictureBoxes.pictures, (QStringList{"IMAGE_DOWNLOAD_E", "IMAGE_DOWNLOAD_D", "IMAGE_DOWNLOAD_E"}));
    }
    EXPECT_EQ(ui(f).ImageDownload->pictureName(), "IMAGE_DOWNLOAD_E");
    EXPECT_EQ(ui(f).ImageDownload->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(mdi.StatusBar1->PanelText(4), "Wrong Device ID !");
    EXPECT_FALSE(frmWriteProcess1::isLoaded());
    commSettings.nSlaveID = 1;
    // The editor has no power saving.
    mdi.Toolbar1_ButtonClick("PowerSaving");
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(H5H7Commands, MonitorHidesTheEditorWithItsValues)
{
    frmModeSetting_H7& f = newSet(kMacTypeH8);
    f.mFuncModeSelect(6)->trigger();
    testhelp::fillH5H7(6, 1);
    const QStringList values = rows();
    press(Qt::Key_M, Qt::ControlModifier);
    auto* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isHidden());
    EXPECT_TRUE(frmModeSetting_H7::isLoaded());
    // The live view shows the editor again when it closes.
    ASSERT_TRUE(frmMonitoring::isLoaded());
    frmMonitoring::loaded()->close();
    testsupport::dropDeferredDeletes();
    EXPECT_FALSE(frmMonitoring::isLoaded());
    EXPECT_EQ(frmModeSetting_H7::loaded(), &f);
    EXPECT_FALSE(sub->isHidden());
    EXPECT_EQ(rows(), values);
    EXPECT_EQ(nFuncMode, 6);
}

TEST_F(H5H7Commands, OpenFromTheMainWindowNeverLeavesTwoEditors)
{
    frmMDI& mdi = frmMDI::instance();
    const QString path = tmp.path() + "/Sample/h7.kvf";
    frmModeSetting_H7& first = newSet(kMacTypeH7);
    dialogs.accept(path);
    press(Qt::Key_A, Qt::ControlModifier);
    edit(first);

    // The main window hands Open to the open editor, which asks first.
    boxes.answer(MsgResult::Cancel);
    EXPECT_TRUE(first.invokeCommand("mOpenSetting_Click"));
    EXPECT_EQ(frmModeSetting_H7::loaded(), &first);
    EXPECT_TRUE(dialogs.shown().size() == 1u);
    boxes.answer(MsgResult::No);
    dialogs.accept(path);
    EXPECT_TRUE(first.invokeCommand("mOpenSetting_Click"));
    testsupport::dropDeferredDeletes();
    int editors = 0;
    for (QMdiSubWindow* sub : mdi.mdiArea->subWindowList())
        editors += qobject_cast<frmModeSetting_H7*>(sub->widget()) && !sub->isHidden();
    EXPECT_EQ(editors, 1);
    EXPECT_NE(frmModeSetting_H7::loaded(), nullptr);
    // A closed editor answers no command any more.
    frmModeSetting_H7& second = *frmModeSetting_H7::loaded();
    second.Unload();
    EXPECT_FALSE(second.invokeCommand("mSaveSetting_Click"));
}

TEST_F(H5H7Commands, ExitCancelledInTheQuestionKeepsTheEditor)
{
    frmMDI& mdi = frmMDI::instance();
    frmModeSetting_H7& f = newSet(kMacTypeH5);
    edit(f);
    boxes.answer(MsgResult::Yes).answer(MsgResult::Cancel);
    ui(f).mExit->trigger();
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxTexts().value(1), saved);
    EXPECT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_FALSE(mdi.isHidden());
}

TEST_F(H5H7Commands, AClosedEditorOutlivesTheCommandThatClosedIt)
{
    // The main window's Open runs the event loop (its dialog, the loader); the editor
    // whose menu started it must still be there when control comes back to its menu.
    struct PumpingShell : testsupport::RecordingShell {
        QPointer<QWidget> editor;
        bool aliveDuringOpen = false;
        void mOpen_Click() override
        {
            RecordingShell::mOpen_Click();
            QCoreApplication::processEvents();
            aliveDuringOpen = !editor.isNull();
        }
    } shell;
    frmModeSetting_H7& f = newSet(kMacTypeH7);
    shell.editor = &f;
    ui(f).mOpenSetting->trigger();
    EXPECT_EQ(shell.commands, QStringList{"mOpen_Click"});
    EXPECT_TRUE(shell.aliveDuringOpen);
    EXPECT_FALSE(frmModeSetting_H7::isLoaded());
    testsupport::dropDeferredDeletes();
    EXPECT_TRUE(shell.editor.isNull());
}
