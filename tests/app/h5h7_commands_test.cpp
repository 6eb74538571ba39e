// The H5/H7 editor's commands as a user gives them: the save question on every way
// out (a function mode, of every type, or a counting input chosen is an edit), key protection, the toolbar and the
// download picture, Monitor, Open from the main window, and an opened set whose duty
// ratio keeps its limit.
#include "editors/h5h7/h5h7_fixture.h"

#include "core/digit_rows.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/comm_records.h"
#include "monitor/frmMonitoring.h"
#include "support/deferred_delete.h"
#include "support/editor_state.h"
#include "support/main_window.h"
#include "support/modal.h"
#include "support/recording_shell.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"
#include "transfer/frmWriteProcess1.h"

#include <QMdiSubWindow>
#include <QSet>

#include <functional>
#include <vector>

using namespace h5h7test;
using platform::MsgResult;
using U = Ui_frmModeSetting_H7;

namespace {

class H5H7Commands : public testsupport::InMainWindow<H5H7EditorTest>, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        InMainWindow::SetUp();
        enterUserFolder();
        boxes.autoAcknowledgeOk();
    }
    void TearDown() override
    {
        H5H7EditorTest::TearDown();
        leaveUserFolder();
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
    // An edit a user makes: a click on the prescale's last digit.
    static void edit(frmModeSetting_H7& f)
    {
        QTest::mouseClick(ui(f).lblMagnification_Comm_H7->label(5), Qt::LeftButton);
    }

    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    const QString question = "The settings have changed, do you want to save them ?";
};

} // namespace

TEST_F(H5H7Commands, SaveQuestionOnEveryWayOut)
{
    testsupport::RecordingShell shell;
    const QString path = tmp.path() + "/Sample/q.kvf";
    struct Case {
        const char* how;
        std::function<void()> script; // the question's answer and what follows it
        bool goesOn;
        QStringList boxesAfter;
    };
    const Case cases[] = {
        {"Cancel", [&] { boxes.answer(MsgResult::Cancel); }, false, {}},
        {"No", [&] { boxes.answer(MsgResult::No); }, true, {}},
        {"Yes, Save As cancelled", [&] { boxes.answer(MsgResult::Yes); dialogs.cancel(); }, false, {}},
        {"Yes, the write fails", [&] { boxes.answer(MsgResult::Yes); dialogs.accept(tmp.path() + "/no/x.kvf"); },
         false, {"Failed to save the file!"}},
        {"Yes, saved", [&] { boxes.answer(MsgResult::Yes); dialogs.accept(path); }, true,
         {"File is save completed!"}},
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
            c.script();
            (ui(f).*item)->trigger();
            EXPECT_EQ(boxTexts(), QStringList{question} + c.boxesAfter);
            EXPECT_EQ(shell.commands, c.goesOn ? QStringList{command} : QStringList{});
            EXPECT_EQ(frmModeSetting_H7::isLoaded(), !c.goesOn);
            EXPECT_EQ(f.CancelClose(), !c.goesOn);
            testsupport::closeChildWindows();
            QFile::remove(path);
        }
    }
    // A set saved with Yes is the set on show; with a file name a second Yes asks no name.
    frmModeSetting_H7& f = newSet(kMacTypeH7);
    dialogs.accept(path);
    ui(f).mSaveAs->trigger();
    edit(f);
    const QStringList values = rows();
    const std::size_t dialogsBefore = dialogs.shown().size();
    boxes.answer(MsgResult::Yes);
    ui(f).mClose->trigger();
    EXPECT_EQ(dialogs.shown().size(), dialogsBefore);
    testsupport::closeChildWindows();
    dialogs.accept(path);
    frmMDI::instance().mOpen_Click();
    EXPECT_EQ(rows(), values);
    testsupport::closeChildWindows();

    // Nothing changed, or the program closing from the live view: no question.
    for (bool monitorUnload : {false, true}) {
        frmModeSetting_H7& g = newSet(kMacTypeH5);
        if (monitorUnload)
            edit(g);
        shell.bMonitorUnload = monitorUnload;
        boxes.clear();
        ui(g).mClose->trigger();
        EXPECT_EQ(boxes.count(), 0);
        EXPECT_FALSE(frmModeSetting_H7::isLoaded());
        testsupport::closeChildWindows();
    }
    shell.bMonitorUnload = false;
}

TEST_F(H5H7Commands, ExitCancelledInTheQuestionKeepsTheEditor)
{
    frmModeSetting_H7& f = newSet(kMacTypeH5);
    edit(f);
    boxes.answer(MsgResult::Yes).answer(MsgResult::Cancel); // "Are you sure to exit ?"
    ui(f).mExit->trigger();
    EXPECT_EQ(boxTexts().value(1), question);
    EXPECT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_FALSE(frmMDI::instance().isHidden());
}

TEST_F(H5H7Commands, KeyProtectionIsAnEditOnlyWhenTheUserTogglesIt)
{
    frmMDI& mdi = frmMDI::instance();
    ToolbarButton& kp = ui(mdi).Toolbar1->Buttons(11);
    kp.setImage("KP_ON");
    kp.setValue(true);
    frmModeSetting_H7& f = newSet(kMacTypeH5);
    EXPECT_EQ(kp.Image(), "KP_OFF");
    EXPECT_FALSE(kp.Value());
    ctrl(Qt::Key_K);
    EXPECT_TRUE(bKeyProtect && ui(f).mKP->isChecked() && kp.Value() && kp.Image() == "KP_ON");
    EXPECT_TRUE(core::shell().bChange);
    core::shell().bChange = false;
    mdi.Toolbar1_ButtonClick("KP");
    EXPECT_EQ(bKeyProtect, 0);
    EXPECT_TRUE(core::shell().bChange);
    mdi.Toolbar1_ButtonClick("KP");
    // Saved on, opened again: shown on, and the set counts as unchanged.
    const QString path = tmp.path() + "/Sample/kp.kvf";
    dialogs.accept(path).accept(path);
    ctrl(Qt::Key_A);
    ui(f).mOpenSetting->trigger();
    EXPECT_EQ(bKeyProtect, 1);
    EXPECT_EQ(kp.Image(), "KP_ON");
    EXPECT_FALSE(core::shell().bChange);
}

TEST_F(H5H7Commands, ToolbarAndDownloadPictureReachTheEditor)
{
    // Notes what the download picture shows while each box is up.
    struct PictureAtBox : testsupport::ScriptedMessages {
        platform::MsgResult present(const platform::MessageBoxRequest& r) override
        {
            frmModeSetting_H7* f = frmModeSetting_H7::loaded();
            pictures << (f ? ui(*f).ImageDownload->pictureName() : "(no editor)");
            return ScriptedMessages::present(r);
        }
        QStringList pictures;
    };
    frmMDI& mdi = frmMDI::instance();
    frmModeSetting_H7& f = newSet(kMacTypeH7);
    dialogs.cancel();
    mdi.Toolbar1_ButtonClick("Save");
    EXPECT_EQ(dialogs.shown().size(), 1u);
    // A slave ID the line cannot carry stops Download before anything is locked.
    commSettings.nSlaveID = 256;
    {
        PictureAtBox refusals;
        refusals.autoAcknowledgeOk();
        mdi.Toolbar1_ButtonClick("Download");
        QTest::mouseClick(ui(f).ImageDownload, Qt::LeftButton);
        press(Qt::Key_F9);
        EXPECT_EQ(refusals.pictures, (QStringList{"IMAGE_DOWNLOAD_E", "IMAGE_DOWNLOAD_D", "IMAGE_DOWNLOAD_E"}));
        for (const auto& b : refusals.shown())
            EXPECT_EQ(b.text, "Wrong Device ID !");
    }
    commSettings.nSlaveID = 1;
    EXPECT_EQ(ui(f).ImageDownload->pictureName(), "IMAGE_DOWNLOAD_E");
    EXPECT_EQ(ui(f).ImageDownload->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(mdi.PanelText(4), "Wrong Device ID !");
    EXPECT_FALSE(frmWriteProcess1::isLoaded());
    mdi.Toolbar1_ButtonClick("PowerSaving"); // the editor has none
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(H5H7Commands, MonitorGivesTheEditorBackWithItsValues)
{
    frmModeSetting_H7& f = newSet(kMacTypeH8);
    testhelp::fillH5H7(6, 1);
    const QStringList values = rows();
    ctrl(Qt::Key_M);
    auto* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    ASSERT_TRUE(sub && sub->isHidden() && frmMonitoring::isLoaded());
    frmMonitoring::loaded()->close();
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(frmModeSetting_H7::loaded(), &f);
    EXPECT_FALSE(sub->isHidden());
    EXPECT_EQ(rows(), values);
    EXPECT_EQ(nFuncMode, 6);
}

TEST_F(H5H7Commands, OpenFromTheMainWindowNeverLeavesTwoEditors)
{
    const QString path = tmp.path() + "/Sample/h7.kvf";
    frmModeSetting_H7& first = newSet(kMacTypeH7);
    dialogs.accept(path);
    ctrl(Qt::Key_A);
    edit(first);
    // The main window hands Open to the open editor, which asks first.
    boxes.answer(MsgResult::Cancel).answer(MsgResult::No);
    ui(frmMDI::instance()).mOpen->trigger();
    EXPECT_EQ(frmModeSetting_H7::loaded(), &first);
    EXPECT_EQ(boxes.last().text, question);
    dialogs.accept(path);
    EXPECT_TRUE(first.invokeCommand(core::ToolbarCommand::Open));
    testsupport::dropDeferredDeletes();
    const auto subs = ui(frmMDI::instance()).mdiArea->subWindowList();
    ASSERT_EQ(subs.size(), 1);
    EXPECT_EQ(subs[0]->widget(), frmModeSetting_H7::loaded());
    // A closed editor takes no command any more.
    frmModeSetting_H7* second = frmModeSetting_H7::loaded();
    ASSERT_NE(second, nullptr);
    second->Unload();
    EXPECT_FALSE(second->invokeCommand(core::ToolbarCommand::Save));
}

TEST_F(H5H7Commands, AClosedEditorOutlivesTheCommandThatClosedIt)
{
    // New's chooser, the Open dialog and the upload run the event loop; the editor whose
    // menu started them must still be there when control comes back to its menu. No
    // editor is open meanwhile: the main window offers its own menus.
    frmMDI& mdi = frmMDI::instance();
    QPointer<QWidget> editor;
    QString command;
    QStringList seen;
    const auto look = [&] {
        QCoreApplication::processEvents();
        seen << command + (editor ? ": kept" : ": gone") + (mdi.menuBar()->isHidden() ? ", no own menus" : ", own menus");
    };
    struct Looking : testsupport::ScriptedMessages, testsupport::ScriptedFileDialogs {
        std::function<void()> look;
        platform::MsgResult present(const platform::MessageBoxRequest& r) override
        {
            look();
            return ScriptedMessages::present(r);
        }
        platform::FileDialogAnswer present(const platform::FileDialogRequest& r) override
        {
            look();
            return ScriptedFileDialogs::present(r);
        }
    } scripted;
    scripted.look = look;
    scripted.autoAcknowledgeOk();
    const auto closeBy = [&](const char* name, QAction* U::*item) {
        command = name;
        editor = frmModeSetting_H7::loaded();
        ASSERT_NE(editor, nullptr) << "no editor for " << name;
        (ui(*frmModeSetting_H7::loaded()).*item)->trigger();
    };
    newSet(kMacTypeH7);
    testsupport::whenModalShown<frmMacTypeSel>([&](frmMacTypeSel& chooser) {
        look();
        QTest::mouseClick(ui(chooser).OKButton, Qt::LeftButton);
    });
    closeBy("New", &U::mNew);
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    EXPECT_NE(frmModeSetting_H7::loaded(), editor);
    EXPECT_TRUE(mdi.menuBar()->isHidden()) << "the new editor's menus take over";
    scripted.cancel();
    closeBy("Open", &U::mOpenSetting);
    newSet(kMacTypeH7);
    qputenv("TCPANEL_COM1", QFile::encodeName(tmp.path() + "/no-port"));
    closeBy("Upload", &U::mUpload);
    qunsetenv("TCPANEL_COM1");
    EXPECT_EQ(seen.join("; ").toStdString(), "New: kept, own menus; Open: kept, own menus; Upload: kept, own menus");
    EXPECT_FALSE(frmModeSetting_H7::isLoaded());
    testsupport::dropDeferredDeletes();
    EXPECT_TRUE(editor.isNull());
}

TEST_F(H5H7Commands, AnOpenedDutyRatioStaysWithinHundred)
{
    // A flicker set with an ON duty ratio of 050, made by hand, saved and opened again.
    const QString path = tmp.path() + "/Sample/duty.kvf";
    frmModeSetting_H7& made = newSet(kMacTypeH5);
    ui(made).cboOutputMode_A_H5->setFocus();
    press(Qt::Key_End);
    ASSERT_EQ(ui(made).cboOutputMode_A_H5->currentText(), "Z : ON/OFF-duty adjustable flicker");
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(ui(made).lblDutyRatio_A_H5->label(4), Qt::LeftButton);
    ASSERT_EQ(ui(made).lblDutyRatio_A_H5->digits(), "000050");
    dialogs.accept(path).accept(path);
    ctrl(Qt::Key_A);
    ui(made).mOpenSetting->trigger();
    testsupport::dropDeferredDeletes();
    ASSERT_TRUE(frmModeSetting_H7::isLoaded());
    frmModeSetting_H7& f = *frmModeSetting_H7::loaded();
    ASSERT_NE(&f, &made);
    DigitLabelArray& duty = *ui(f).lblDutyRatio_A_H5;
    ASSERT_EQ(duty.digits(), "000050");

    // The hundreds digit takes no click at 050; the tens digit turns.
    QTest::mouseClick(duty.label(3), Qt::LeftButton);
    EXPECT_EQ(duty.digits(), "000050");
    QTest::mouseClick(duty.label(4), Qt::RightButton);
    EXPECT_EQ(duty.digits(), "000040");

    // Every label clicked with both buttons and, where it takes the keyboard focus,
    // keyed (Up, Down, each digit typed from 9 down to 0), round after round: the row
    // goes down to 000 and up to 100, never above.
    QSet<int> seen;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 7; ++i) {
            DigitLabel* label = duty.label(i);
            std::vector<std::function<void()>> acts = {
                [&] { QTest::mouseClick(label, Qt::LeftButton); },
                [&] { QTest::mouseClick(label, Qt::RightButton); },
                [&] { label->setFocus(); if (label->hasFocus()) press(Qt::Key_Up); },
                [&] { label->setFocus(); if (label->hasFocus()) press(Qt::Key_Down); }};
            for (int d = 9; d >= 0; --d)
                acts.push_back([&, d] { label->setFocus(); if (label->hasFocus()) type(QString::number(d)); });
            for (const auto& act : acts) {
                act();
                ASSERT_TRUE(duty.digits().startsWith("000")) << duty.digits().toStdString();
                const int value = duty.digits().toInt();
                ASSERT_LE(value, 100) << "round " << round << ", label " << i;
                seen.insert(value);
            }
        }
    for (int value : {0, 40, 90, 100})
        EXPECT_TRUE(seen.contains(value)) << value;
}

TEST_F(H5H7Commands, AFunctionModeOrACountingInputChosenIsAskedAboutWhenClosed)
{
    // Modes whose panels read as the old one's did, picked by their menu texts: Yes on Close
    // saves the mode; the file opened again shows it checked, also once it is picked again.
    for (auto [macType, mode] : {std::pair{kMacTypeH9, "Timer + Tachometer"}, std::pair{kMacTypeH5, "Twin Timer"},
                                 std::pair{kMacTypeH7, "Total counter"}, std::pair{kMacTypeH8, "2-stage Timer"}}) {
        SCOPED_TRACE(mode);
        if (macType == kMacTypeH9) {
            nMacType = macType;
            frmModeSetting_H9::instance().Show();
            frmModeSetting_H9::instance().mFuncModeSelect_0_Click();
            core::shell().bChange = bHasFileName = false;
        } else {
            newSet(macType);
        }
        const auto items = [h9 = macType == kMacTypeH9] {
            QWidget* ed = h9 ? static_cast<QWidget*>(frmModeSetting_H9::loaded()) : frmModeSetting_H7::loaded();
            return ed ? ed->findChildren<QAction*>() : QList<QAction*>();
        };
        const auto pick = [&](const QString& text) {
            for (QAction* a : items())
                if (a->text().remove('&') == text && a->isVisible()) {
                    a->trigger();
                    return;
                }
            ADD_FAILURE() << "no item reads " << text.toStdString();
        };
        const QString path = QStringLiteral("%1/Sample/mode-%2.kvf").arg(tmp.path()).arg(macType);
        pick(mode);
        boxes.clear();
        boxes.answer(MsgResult::Yes);
        dialogs.accept(path).accept(path);
        pick("Close(C)");
        EXPECT_EQ(boxTexts(), (QStringList{question, "File is save completed!"}));
        frmMDI::instance().mOpen_Click();
        boxes.clear();
        pick(mode);
        for (QAction* a : items())
            EXPECT_EQ(a->isChecked(), a->text() == mode) << a->text().toStdString();
        pick("Close(C)");
        EXPECT_EQ(boxTexts(), QStringList{}) << "the checked mode picked again is no edit";
        testsupport::closeChildWindows();
    }

    for (auto [mode, list] : {std::pair{3, &U::cboCountInputMode_1st_H7}, std::pair{4, &U::cboCountInputMode_2nd_H7},
                              std::pair{6, &U::cboCountInputMode_batch_H7}}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        frmModeSetting_H7& f = newSet(kMacTypeH7);
        f.mFuncModeSelect(mode)->trigger();
        dialogs.accept(QStringLiteral("%1/Sample/input-%2.kvf").arg(tmp.path()).arg(mode));
        ctrl(Qt::Key_A);
        ASSERT_FALSE(core::shell().bChange);
        // The next input mode, of the same group: the output list stays as it was.
        (ui(f).*list)->setFocus();
        press(Qt::Key_Down);
        ASSERT_EQ((ui(f).*list)->currentIndex(), 1);
        boxes.clear();
        boxes.answer(MsgResult::Cancel);
        ui(f).mClose->trigger();
        EXPECT_EQ(boxTexts(), QStringList{question});
        EXPECT_TRUE(frmModeSetting_H7::isLoaded());
        testsupport::closeChildWindows();
    }
}
