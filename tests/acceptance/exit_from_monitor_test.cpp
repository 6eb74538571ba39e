// Leaving the program from the monitoring window, which has no Exit: the close box of
// the main window. A set edited or uploaded before is not lost on the way: after the
// exit question its editor, out of sight, asks whether to save it. Cancel and a failed
// save keep the monitoring window running as it was; the editor never shows again.
#include "acceptance/acceptance_fixture.h"

#include "app/frmMDI.h"
#include "core/shell.h"
#include "editors/common/digit_label_array.h"
#include "support/deferred_delete.h"
#include "support/main_window.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

using namespace acceptance;
using platform::MsgResult;

namespace {

// The last digit of the first row that takes a click.
QWidget* aDigit(QWidget* form)
{
    if (!form)
        return nullptr;
    for (DigitLabelArray* row : form->findChildren<DigitLabelArray*>())
        if (row->isVisibleTo(form) && row->label(5)->isEnabled())
            return row->label(5);
    return nullptr;
}

} // namespace

TEST_F(Acceptance, ClosingFromTheMonitoringWindowAsksToSaveTheChangedSet)
{
    boxes.autoAcknowledgeOk();
    QPointer<QWidget> editor;
    bool editorShownAgain = false;
    // Ends with the test and before the locals it writes to.
    QObject guard;
    QObject::connect(&core::shellEvents(), &core::ShellEvents::childActivated, &guard,
                     [&](QWidget* form) { editorShownAgain = editorShownAgain || (editor && form == editor); });
    // Ctrl+M in the editor, Start: the instrument polled.
    const auto monitor = [&]() -> frmMonitoring* {
        editor = activeForm();
        if (!editor)
            return nullptr;
        key(Qt::Key_M, Qt::ControlModifier, editor);
        frmMonitoring* f = frmMonitoring::loaded();
        if (!f || activeForm() != f)
            return nullptr;
        click(ui(*f).ImageStart);
        editorShownAgain = false;
        boxes.clear();
        return f;
    };
    const auto polling = [&] {
        const std::size_t sent = instrument->requests().size();
        return QTest::qWaitFor([&] { return instrument->requests().size() > sent + 1; }, 3000);
    };
    const auto closeBox = [] { frmMDI::instance().close(); };

    // An edited new set: Cancel, then a save that fails, each keep everything running.
    plugIn(sim::Type::H9);
    startProgram();
    newSet(models()[0]);
    click(aDigit(activeForm()));
    const QStringList edited = rowsShown(activeForm());
    frmMonitoring* f = monitor();
    ASSERT_NE(f, nullptr);
    boxes.answer(MsgResult::Yes).answer(MsgResult::Cancel);
    closeBox();
    ASSERT_EQ(boxTexts(), (QStringList{res(246), res(251)}));
    EXPECT_EQ(boxes.shown()[1].title, "Save");
    EXPECT_EQ(boxes.shown()[1].buttons, platform::MsgButtons::YesNoCancel);
    const QString unwritable = path("gone/set.kvf");
    for (bool failedSave : {false, true}) {
        SCOPED_TRACE(failedSave ? "failed save" : "Cancel");
        EXPECT_TRUE(frmMDI::instance().isVisible());
        ASSERT_EQ(frmMonitoring::loaded(), f);
        EXPECT_EQ(activeForm(), f);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_FALSE(frmMDI::instance().ToolbarVisible());
        EXPECT_EQ(ui(*f).ImageStop->requestedName(), "IMAGE_STOP_E") << "stopped";
        EXPECT_TRUE(polling());
        EXPECT_FALSE(editorShownAgain);
        if (failedSave)
            break;
        boxes.clear();
        boxes.answer(MsgResult::Yes).answer(MsgResult::Yes);
        dialogs.accept(unwritable);
        closeBox();
        ASSERT_EQ(boxTexts(), (QStringList{res(246), res(251), res(253)}));
        EXPECT_EQ(dialogs.shown().size(), 1u) << "a new set is saved through Save As";
    }
    EXPECT_FALSE(QFileInfo::exists(unwritable));
    // Return: the editor again, with its edit.
    click(ui(*f).ImageStop);
    click(ui(*f).ImageReturn);
    ASSERT_EQ(activeForm(), editor);
    EXPECT_EQ(rowsShown(editor), edited);

    // No: the program ends, nothing written, the editor not shown.
    ASSERT_NE(monitor(), nullptr);
    boxes.answer(MsgResult::Yes).answer(MsgResult::No);
    closeBox();
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(boxTexts(), (QStringList{res(246), res(251)}));
    EXPECT_FALSE(frmMDI::instance().isVisible());
    EXPECT_FALSE(frmMonitoring::isLoaded() || editor);
    EXPECT_FALSE(editorShownAgain);
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList());
    endProgram();

    // An uploaded set: Yes saves it through Save As; the file opens as it was.
    plugIn(sim::Type::H7, 1, 4);
    startProgram();
    key(Qt::Key_F11, {}, &frmMDI::instance());
    ASSERT_NE(activeForm(), nullptr) << boxTexts().join("|").toStdString();
    const QStringList uploaded = rowsShown(activeForm());
    ASSERT_NE(monitor(), nullptr);
    const QString file = path("uploaded.kvf");
    dialogs.accept(file);
    boxes.answer(MsgResult::Yes).answer(MsgResult::Yes);
    closeBox();
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(boxTexts(), (QStringList{res(246), res(251), res(252)}));
    EXPECT_FALSE(frmMDI::instance().isVisible());
    EXPECT_FALSE(frmMonitoring::isLoaded() || editor);
    EXPECT_FALSE(editorShownAgain);
    endProgram();
    startProgram(file);
    ASSERT_NE(activeForm(), nullptr);
    EXPECT_EQ(rowsShown(activeForm()), uploaded);

    // A set with its file: Yes writes it there without a dialog.
    click(aDigit(activeForm()));
    const QStringList changed = rowsShown(activeForm());
    ASSERT_NE(changed, uploaded);
    ASSERT_NE(monitor(), nullptr);
    const std::size_t dialogsBefore = dialogs.shown().size();
    boxes.answer(MsgResult::Yes).answer(MsgResult::Yes);
    closeBox();
    EXPECT_EQ(boxTexts(), (QStringList{res(246), res(251), res(252)}));
    EXPECT_EQ(dialogs.shown().size(), dialogsBefore);
    endProgram();
    startProgram(file);
    ASSERT_NE(activeForm(), nullptr);
    EXPECT_EQ(rowsShown(activeForm()), changed);

    // Nothing changed: only the exit question.
    ASSERT_NE(monitor(), nullptr);
    boxes.answer(MsgResult::Yes);
    closeBox();
    EXPECT_EQ(boxTexts(), QStringList{res(246)});
    EXPECT_FALSE(frmMDI::instance().isVisible());
}
