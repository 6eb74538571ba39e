// Upload from an instrument of every type in every function mode: the editor of its
// type shows the instrument's set (Compare agrees, a set value poked into the
// instrument is on screen), and Save writes it to a file that opens the same again.
#include "acceptance/acceptance_fixture.h"

#include "app/frmMDI.h"
#include "core/h5h7_registers.h"
#include "core/h9_registers.h"
#include "editors/common/digit_label_array.h"
#include "platform/strings.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

using namespace acceptance;

namespace {

QString checkedMode(QWidget* form)
{
    for (QAction* a : form->findChildren<QAction*>())
        if (a->objectName().startsWith("mFuncModeSelect_") && a->isChecked())
            return a->objectName().mid(16);
    return QString();
}

} // namespace

TEST_F(Acceptance, UploadShowsTheInstrumentsSetAndSaves)
{
    struct Case {
        Model model;
        int firstMode, lastMode;
        // The first mode's set value, and where and how the instrument keeps 123456.
        const char* row;
        int address;
        sim::Bytes bytes;
    };
    const std::vector<Model>& all = models();
    const Case cases[] = {{all[0], 0, 6, "lblTimerSettingA", kTimerSlotsA_H9[0].setValue, {0x56, 0x00, 0x34, 0x12}},
                          {all[1], 0, 2, "lblTimerSetting_A_H5", kRegTimerSetting_A_H5, {0x56, 0x34, 0x12, 0x00}},
                          {all[2], 3, 8, "lblCounterSetting_1st_H7", kRegCounterSetting1_H7, {0x56, 0x34, 0x12, 0x00}},
                          {all[3], 0, 8, "lblTimerSetting_A_H5", kRegTimerSetting_A_H5, {0x56, 0x34, 0x12, 0x00}}};
    for (const Case& c : cases) {
        for (int mode = c.firstMode; mode <= c.lastMode; ++mode) {
            SCOPED_TRACE(testing::Message() << c.model.name << " mode " << mode);
            // An instrument set up earlier: a set of this mode, each row's last digit
            // turned, downloaded into it; in the first mode one set value changed on
            // the instrument itself since.
            plugIn(c.model.type, 1, mode);
            startProgram();
            newSet(c.model);
            QWidget* made = activeForm();
            ASSERT_NE(made, nullptr);
            menu({res(128), modeTexts(made).value(mode - c.firstMode)});
            for (DigitLabelArray* row : made->findChildren<DigitLabelArray*>())
                if (row->isVisibleTo(made) && row->label(5)->isEnabled())
                    click(row->label(5));
            QStringList expected = rowsShown(made);
            boxes.autoAcknowledgeOk();
            toolbar("Download");
            ASSERT_EQ(panel(4), res(264));
            endProgram();
            if (mode == c.firstMode) {
                instrument->pokeBytes(c.address, c.bytes);
                for (QString& r : expected)
                    if (r.startsWith(QLatin1String(c.row) + ' '))
                        r = QStringLiteral("%1 123456").arg(c.row);
            }
            startProgram();
            // From the main window's key, alternately from its menu.
            if (mode % 2)
                key(Qt::Key_F11, {}, &frmMDI::instance());
            else
                menu({res(129), res(146)});
            QWidget* form = activeForm();
            ASSERT_NE(form, nullptr) << boxTexts().join("|").toStdString();
            EXPECT_EQ(panel(4), res(263));
            EXPECT_EQ(caption(), "Unknown01.kvf");
            EXPECT_EQ(checkedMode(form), QString::number(mode));
            EXPECT_EQ(rowsShown(form), expected);
            menu({res(129), res(148)});
            EXPECT_EQ(boxTexts().last(), res(288));

            const QString file = path(QStringLiteral("up-%1-%2.kvf").arg(c.model.name).arg(mode));
            dialogs.accept(file);
            if (mode % 2)
                key(Qt::Key_S, Qt::ControlModifier);
            else
                toolbar("Save");
            EXPECT_EQ(panel(4), res(252)) << boxTexts().join("|").toStdString();
            EXPECT_EQ(caption(), QFileInfo(file).fileName());
            boxes.autoAcknowledgeOk(false);
            const int before = boxes.count();
            exitProgram();
            EXPECT_EQ(boxes.count(), before + 1) << "saved: only the exit question";

            startProgram(file);
            ASSERT_NE(activeForm(), nullptr);
            EXPECT_EQ(checkedMode(activeForm()), QString::number(mode));
            EXPECT_EQ(rowsShown(activeForm()), expected);
            endProgram();
            boxes.clear();
        }
    }
}
