// A new set of every model in each of its function modes: edited by mouse and
// keyboard, saved under a name, the program left (no save question) and started again
// with the file on its command line: the same values show.
#include "acceptance/acceptance_fixture.h"

#include "app/frmMDI.h"
#include "editors/common/digit_label_array.h"
#include "platform/strings.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

using namespace acceptance;

namespace {

// What the editor shows: every row's digits and separator, every option, the checked
// menu items.
QStringList shownValues(QWidget* form)
{
    QStringList out;
    for (DigitLabelArray* row : form->findChildren<DigitLabelArray*>())
        if (row->isVisibleTo(form))
            out << row->objectName() + " " + row->digits() + (*row)(DigitLabelArray::kSeparator).Caption();
    for (QComboBox* c : form->findChildren<QComboBox*>())
        if (c->isVisibleTo(form))
            out << c->objectName() + " " + c->currentText();
    for (QRadioButton* r : form->findChildren<QRadioButton*>())
        if (r->isVisibleTo(form) && r->isChecked())
            out << r->objectName();
    for (QAction* a : form->findChildren<QAction*>())
        if (a->isCheckable() && a->isChecked())
            out << a->objectName();
    return out;
}

} // namespace

TEST_F(Acceptance, NewEditSaveAsExitAndReopen)
{
    for (const Model& m : models()) {
        startProgram();
        newSet(m);
        ASSERT_NE(activeForm(), nullptr);
        const QStringList modes = modeTexts(activeForm());
        exitProgram();
        ASSERT_FALSE(modes.isEmpty());
        for (int i = 0; i < modes.size(); ++i) {
            SCOPED_TRACE(testing::Message() << m.name << " " << modes[i].toStdString());
            boxes.clear();
            startProgram();
            newSet(m);
            QWidget* form = activeForm();
            ASSERT_NE(form, nullptr);
            menu({res(128), modes[i]});
            const QStringList defaults = shownValues(form);

            // The first output mode offered: the next one, reached and chosen by keys.
            for (QComboBox* c : form->findChildren<QComboBox*>())
                if (c->isVisibleTo(form) && c->isEnabled() && c->objectName().contains("OutputMode")) {
                    tabTo(c);
                    key(Qt::Key_Down);
                    break;
                }
            // Each row that takes input: its last digit one up by the mouse; from the
            // keyboard (reached by Tab) its second digit one up, the third typed as 3,
            // the fourth one down.
            for (DigitLabelArray* row : form->findChildren<DigitLabelArray*>()) {
                if (!row->isVisibleTo(form) || !row->label(5)->isEnabled() || !row->label(1)->isEnabled())
                    continue;
                click(row->label(5));
                tabTo(row->label(1));
                key(Qt::Key_Up);
                key(Qt::Key_Right);
                type("3");
                key(Qt::Key_Minus);
            }
            const QStringList edited = shownValues(form);
            EXPECT_NE(edited, defaults);

            const QString file = path(QStringLiteral("%1-%2.kvf").arg(m.name).arg(i));
            dialogs.accept(file);
            boxes.clear();
            boxes.autoAcknowledgeOk();
            // Save As from its key, alternately from the menu.
            if (i % 2)
                key(Qt::Key_A, Qt::ControlModifier);
            else
                menu({res(127), res(137)});
            boxes.autoAcknowledgeOk(false);
            ASSERT_TRUE(QFile::exists(file)) << boxTexts().join("|").toStdString();
            EXPECT_EQ(boxTexts(), QStringList{res(252)});
            EXPECT_EQ(caption(), QFileInfo(file).fileName());
            EXPECT_EQ(panel(4), res(252));
            const int shownBeforeExit = boxes.count();
            exitProgram();
            EXPECT_EQ(boxes.count(), shownBeforeExit + 1) << "only the exit question";

            startProgram(file);
            ASSERT_NE(activeForm(), nullptr);
            EXPECT_EQ(caption(), QFileInfo(file).fileName());
            EXPECT_EQ(panel(4), res(249));
            EXPECT_EQ(shownValues(activeForm()), edited);
            exitProgram();
        }
    }
}
