// The timing diagrams of a set that comes back: every function mode of every model,
// its input and output lists worked through by keys in a new set (once with the rows
// as New leaves them, once with each row's last digit turned), shows the same diagrams
// after Save As and Open, and after Download and Upload, as it showed when made.
#include "acceptance/acceptance_fixture.h"

#include "app/frmMDI.h"
#include "editors/common/digit_label_array.h"
#include "editors/common/image_control.h"
#include "platform/strings.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

using namespace acceptance;

namespace {

// The lists on show that name a diagram: the input modes first, since an input mode
// decides what its output list offers.
std::vector<QComboBox*> diagramLists(QWidget* form)
{
    std::vector<QComboBox*> inputs, outputs;
    for (QComboBox* c : form->findChildren<QComboBox*>()) {
        if (!c->isVisibleTo(form) || !c->isEnabled())
            continue;
        if (c->objectName().contains("InputMode"))
            inputs.push_back(c);
        else if (c->objectName().contains("OutputMode"))
            outputs.push_back(c);
    }
    inputs.insert(inputs.end(), outputs.begin(), outputs.end());
    return inputs;
}

// The diagrams a user can bring to the front: channel A's, and channel B's where its
// button is enabled.
QStringList diagramsShown(QWidget* form)
{
    const auto* a = form ? form->findChild<ImageControl*>("Image_Output_A") : nullptr;
    const auto* b = form ? form->findChild<ImageControl*>("Image_Output_B") : nullptr;
    const auto* showB = form ? form->findChild<QAbstractButton*>("optPic_1") : nullptr;
    if (!a || !b || !showB) {
        ADD_FAILURE() << "no editor with both diagrams";
        return {};
    }
    QStringList out{a->requestedFile()};
    if (showB->isEnabled())
        out << b->requestedFile();
    return out;
}

class DiagramsAfterLoad : public Acceptance {
protected:
    // Item `index` of a list chosen from the keyboard: Home, then Down.
    void choose(QComboBox* list, int index)
    {
        key(Qt::Key_Home, {}, list);
        for (int i = 0; i < index; ++i)
            key(Qt::Key_Down);
        ASSERT_EQ(list->currentIndex(), index) << list->objectName().toStdString();
    }

    // The function modes of the menu from `first` up to (not including) `end`.
    void everyModeOf(const Model& m, int first = 0, int end = 9)
    {
        plugIn(m.type);
        startProgram();
        newSet(m);
        const QStringList modes = modeTexts(activeForm());
        endProgram();
        ASSERT_GT(modes.size(), first);
        int cases = 0;
        for (const QString& mode : modes.mid(first, end - first))
            for (int pass = 0; pass < 2; ++pass)
                for (int k = 0, lists = 1; k < lists; ++k) {
                    SCOPED_TRACE(testing::Message() << m.name << " " << mode.toStdString() << " pass " << pass
                                                    << " case " << k);
                    startProgram();
                    newSet(m);
                    menu({res(128), mode});
                    QWidget* form = activeForm();
                    ASSERT_NE(form, nullptr);
                    // Case k: item k of each list (wrapping round); in the second pass
                    // each input list on its last item (the up/down inputs, which add
                    // outputs) and every row's last digit one up.
                    for (QComboBox* list : diagramLists(form)) {
                        const bool input = list->objectName().contains("InputMode");
                        choose(list, pass == 1 && input ? list->count() - 1 : k % list->count());
                        lists = std::max(lists, list->count());
                    }
                    if (pass == 1)
                        for (DigitLabelArray* row : form->findChildren<DigitLabelArray*>())
                            if (row->isVisibleTo(form) && row->label(5)->isEnabled())
                                click(row->label(5));
                    const QStringList made = diagramsShown(form);

                    const QString file = path(QStringLiteral("d-%1-%2.kvf").arg(m.name).arg(cases++));
                    boxes.autoAcknowledgeOk();
                    dialogs.accept(file);
                    menu({res(127), res(137)});
                    ASSERT_EQ(panel(4), res(252)) << boxTexts().join("|").toStdString();
                    dialogs.accept(file);
                    menu({res(127), res(134)});
                    ASSERT_EQ(panel(4), res(249)) << boxTexts().join("|").toStdString();
                    EXPECT_EQ(diagramsShown(activeForm()), made) << "after Open";

                    toolbar("Download");
                    ASSERT_EQ(panel(4), res(264));
                    menu({res(129), res(146)});
                    ASSERT_EQ(panel(4), res(263));
                    EXPECT_EQ(diagramsShown(activeForm()), made) << "after Upload";
                    endProgram();
                    boxes.clear();
                    if (HasFatalFailure())
                        return;
                }
    }
};

} // namespace

// The H9's seven modes and the H8's nine in two runs each, for time.
TEST_F(DiagramsAfterLoad, H9FirstThreeModes) { everyModeOf(models()[0], 0, 3); }
TEST_F(DiagramsAfterLoad, H9LastFourModes) { everyModeOf(models()[0], 3); }
TEST_F(DiagramsAfterLoad, H5) { everyModeOf(models()[1]); }
TEST_F(DiagramsAfterLoad, H7) { everyModeOf(models()[2]); }
TEST_F(DiagramsAfterLoad, H8TimerModes) { everyModeOf(models()[3], 0, 3); }
TEST_F(DiagramsAfterLoad, H8CounterModes) { everyModeOf(models()[3], 3); }
