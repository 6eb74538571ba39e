#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "support/modal.h"
#include "support/qstring_print.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace platform;

// Runs `act` in the next modal window. Modal windows still open two seconds later (a box it
// raised over itself too) are closed and fail the test, so none can hold up the run.
static void inNextModal(std::function<void(QWidget*)> act)
{
    testsupport::whenModalShown([act = std::move(act)](QWidget* w) {
        QTimer::singleShot(2000, w, [] {
            ADD_FAILURE() << "the window stayed open";
            for (int i = 0; i < 5 && QApplication::activeModalWidget(); ++i)
                QApplication::activeModalWidget()->hide();
        });
        act(w);
    });
}

TEST(ScriptedMessages, AnswersInOrderAndRecordsEveryBox)
{
    testsupport::ScriptedMessages boxes;
    boxes.answer(MsgResult::Yes).answer(MsgResult::Cancel);
    EXPECT_EQ(MsgBox("first", MsgButtons::YesNo, MsgIcon::Question, "Save"), MsgResult::Yes);
    EXPECT_EQ(MsgBox("second", MsgButtons::YesNoCancel), MsgResult::Cancel);
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].title, "Save");
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Question);
    EXPECT_EQ(boxes.last().text, "second");
}

TEST(ScriptedMessages, AnUnscriptedBoxFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            testsupport::ScriptedMessages boxes;
            MsgBox("nobody expects this");
        },
        "Unscripted message box");
}

TEST(CommonDialog, KeepsTheChosenNameAndReportsCancelAndInvalidNames)
{
    testsupport::ScriptedFileDialogs dialogs;
    dialogs.accept("/tmp/sets/a.kvf").cancel().invalidName();
    CommonDialog dlg;
    dlg.InitDir = "/tmp/sets";
    dlg.DialogTitle = "Open";
    dlg.Filter = "Setting File (*.kvf)|*.kvf";

    EXPECT_EQ(dlg.ShowOpen(), kDialogAccepted);
    EXPECT_EQ(dlg.FileName, "/tmp/sets/a.kvf");
    EXPECT_EQ(dlg.FileTitle, "a.kvf");

    EXPECT_EQ(dlg.ShowSave(), kDialogCancelled);
    EXPECT_EQ(dlg.FileName, "/tmp/sets/a.kvf") << "a cancel keeps the last name";
    EXPECT_EQ(dlg.ShowSave(), kDialogInvalidFileName);

    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[1].kind, FileDialogRequest::Save);
    EXPECT_EQ(dialogs.shown()[1].fileName, "/tmp/sets/a.kvf");
    EXPECT_EQ(dialogs.shown()[0].initDir, "/tmp/sets");
}

TEST(CommonDialog, ConvertsTheFormsFilterToQtFilters)
{
    EXPECT_EQ(toQtFilter("Setting File (*.kvf)|*.kvf"), "Setting File (*.kvf)");
    EXPECT_EQ(toQtFilter("Log|*.txt;*.log|All Files (*.*)|*.*"), "Log (*.txt *.log);;All Files (*.*)");
}

// The program's own box as the user answers it: each button, Escape, the close box, and
// a box closed without any button (reject).
TEST(QtMessageBox, EachButtonSetAnswersItsButtonsEscapeAndTheCloseBox)
{
    using B = MsgButtons;
    using R = MsgResult;
    const struct { B set; const char* act; R expected; } rows[] = {
        {B::Ok, "Ok", R::Ok}, {B::Ok, "Escape", R::Ok}, {B::Ok, "close box", R::Ok}, {B::Ok, "reject", R::Ok},
        {B::OkCancel, "Ok", R::Ok}, {B::OkCancel, "Cancel", R::Cancel}, {B::OkCancel, "Escape", R::Cancel},
        {B::OkCancel, "close box", R::Cancel}, {B::OkCancel, "reject", R::Cancel},
        {B::YesNo, "Yes", R::Yes}, {B::YesNo, "No", R::No}, {B::YesNo, "Escape", R::No},
        {B::YesNo, "close box", R::No}, {B::YesNo, "reject", R::No},
        {B::YesNoCancel, "Yes", R::Yes}, {B::YesNoCancel, "No", R::No}, {B::YesNoCancel, "Cancel", R::Cancel},
        {B::YesNoCancel, "Escape", R::Cancel}, {B::YesNoCancel, "close box", R::Cancel}, {B::YesNoCancel, "reject", R::Cancel},
    };
    using S = QMessageBox::StandardButton;
    const QMessageBox::StandardButtons shown[] = {S::Ok, S::Ok | S::Cancel, S::Yes | S::No, S::Yes | S::No | S::Cancel};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(static_cast<int>(row.set)) + " " + row.act);
        inNextModal([&row, &shown](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->standardButtons(), shown[static_cast<int>(row.set)]);
            const QString act = row.act;
            if (act == "Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (act == "close box")
                box->close();
            else if (act == "reject")
                box->reject();
            else if (auto* button = box->button(S(QMetaEnum::fromType<QMessageBox::StandardButtons>().keyToValue(row.act))))
                button->click();
            else
                FAIL() << "no " << row.act << " button";
        });
        EXPECT_EQ(MsgBox("Save the changes?", row.set), row.expected);
    }
}

TEST(CommonDialog, TheQtDialogReturnsTheChosenFileAndOffersItsNameAgain)
{
    QTemporaryDir dir;
    CommonDialog dlg;
    dlg.InitDir = dir.path();
    const QString name = "first.kvf";
    QString offered;
    // Notes the name offered, then types `typed` (a null one keeps it) and accepts, or cancels.
    const auto next = [&offered](QString typed, bool accept) {
        inNextModal([&offered, typed, accept](QWidget* w) {
            auto* edit = w->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_TRUE(qobject_cast<QFileDialog*>(w) && edit) << w->metaObject()->className();
            offered = edit->text();
            if (!typed.isNull())
                edit->setText(typed);
            accept ? static_cast<QDialog*>(w)->accept() : static_cast<QDialog*>(w)->reject();
        });
    };
    next(name, true);
    EXPECT_EQ(dlg.ShowSave(), kDialogAccepted);
    EXPECT_EQ(dlg.FileName, dir.filePath(name));
    EXPECT_EQ(dlg.FileTitle, name);
    next({}, false);
    EXPECT_EQ(dlg.ShowOpen(), kDialogCancelled);
    EXPECT_EQ(offered, name);
    EXPECT_EQ(dlg.FileName, dir.filePath(name)) << "a cancel keeps the last name";
    next({}, true);
    EXPECT_EQ(dlg.ShowSave(), kDialogAccepted);
    EXPECT_EQ(offered, name) << "offered again after a cancel";
    EXPECT_EQ(dlg.FileName, dir.filePath(name));
}

TEST(QtTexts, BoxAndDialogButtonsFollowTheLanguageAndZhTwDatesReadAsTheLocaleWrites)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("counter settings of the second line.kvf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.setFileTime({{2026, 12, 10}, {21, 13}}, QFile::FileModificationTime));
    const Language saved = language();
    translateQtTexts();
    QLocale::setDefault(QLocale("zh_TW"));
    const struct { Language lang; QString ok, save; } rows[] = {{Language::TraditionalChinese, "確定", "儲存(&S)"},
        {Language::SimplifiedChinese, "确定", "保存(&S)"}, {Language::English, "OK", "&Save"}};
    for (const auto& row : rows) {
        setLanguage(row.lang);
        inNextModal([&row](QWidget* w) { EXPECT_EQ(static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->text(), row.ok); w->close(); });
        MsgBox("Save the changes?", MsgButtons::OkCancel);
        inNextModal([&row](QWidget* w) {
            EXPECT_EQ(static_cast<QFileDialog*>(w)->labelText(QFileDialog::Accept), row.save);
            const auto* files = w->findChild<QTreeView*>("treeView");
            const auto date = [files] { return files->model()->index(0, 3, files->rootIndex()).data().toString(); };
            EXPECT_TRUE(QTest::qWaitFor([&] { return date() == "2026/12/10 下午9:13"; }, 1500)) << date().toStdString();
            // Each column at least as wide as the widest text it shows, its header's included, and in view.
            const auto narrow = [files, fm = QFontMetrics(files->font())](int c) {
                int widest = fm.horizontalAdvance(files->model()->headerData(c, Qt::Horizontal).toString());
                for (int r = 0; r < files->model()->rowCount(files->rootIndex()); ++r)
                    widest = std::max(widest, fm.horizontalAdvance(files->model()->index(r, c, files->rootIndex()).data().toString()));
                return files->columnWidth(c) < widest;
            };
            for (int c = 0; c < 4; ++c)
                EXPECT_TRUE(QTest::qWaitFor([&] { return !narrow(c); }, 1500)) << files->model()->headerData(c, Qt::Horizontal).toString().toStdString();
            EXPECT_LE(files->columnViewportPosition(3) + files->columnWidth(3), files->viewport()->width());
            w->close();
        });
        CommonDialog dlg;
        dlg.InitDir = dir.path();
        dlg.ShowSave();
    }
    setLanguage(saved);
    translateQtTexts(false);
    QLocale::setDefault(QLocale::system());
}
