// New from the main window's menu, shortcut and toolbar: the model chooser, then the
// chosen model's editor, fresh, in its first function mode.
#include "app/frmMDI.h"
#include "app/frmMacTypeSel.h"
#include "core/h5h7_params.h"
#include "core/h9_params.h"
#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "support/form_access.h"
#include "support/modal.h"
#include "support/scripted_ui.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

namespace {

class NewSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        mdi().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mdi()));
    }
    void TearDown() override { testsupport::closeWindows(); }

    frmMDI& mdi() { return frmMDI::instance(); }

    // Answers the chooser when it comes: what it preselected, then a click on option
    // `option` (-1: none) and on the button `button`.
    void answerChooser(int option, QPushButton* Ui_frmMacTypeSel::*button)
    {
        testsupport::whenModalShown([this, option, button](QWidget* w) {
            auto* chooser = qobject_cast<frmMacTypeSel*>(w);
            ASSERT_NE(chooser, nullptr);
            Ui_frmMacTypeSel& c = ui(*chooser);
            chooserTitle = chooser->windowTitle();
            for (int i = 0; i < 4; ++i)
                if (c.grpType[static_cast<std::size_t>(i)]->isChecked())
                    preselected = i;
            chooserCentre = chooser->frameGeometry().center();
            if (option >= 0) {
                // On the option's circle, where a user clicks.
                QRadioButton* opt = c.grpType[static_cast<std::size_t>(option)];
                QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(8, opt->height() / 2));
            }
            QTest::mouseClick(c.*button, Qt::LeftButton);
        });
    }

    QWidget* toolbarButton(int index)
    {
        return mdi().Toolbar1->widgetForAction(mdi().Toolbar1->Buttons(index).action());
    }

    testsupport::ScriptedMessages boxes;
    QString chooserTitle;
    int preselected = -1;
    QPoint chooserCentre;
};

} // namespace

TEST_F(NewSet, EachModelOpensItsEditorFreshInItsFirstMode)
{
    struct Case {
        int option;
        int macType;
        const char* how;
        QStringList shownModes;
    };
    const Case cases[] = {
        {0, kMacTypeH9, "Ctrl+N", {}},
        {1, kMacTypeH5, "toolbar", {"0", "1", "2"}},
        {2, kMacTypeH7, "menu", {"3", "4", "5", "6", "7", "8"}},
        {3, kMacTypeH8, "Ctrl+N", {"0", "1", "2", "3", "4", "5", "6", "7", "8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how + std::string(" for option ") + std::to_string(c.option));
        // Left-overs of an earlier set that a fresh editor must not show.
        nFuncMode = 5;
        nFuncType_H9 = 1;
        nFuncB_H9 = 1;
        mdi().bChange = true;
        bHasFileName = true;
        preselected = -1;

        answerChooser(c.option, &Ui_frmMacTypeSel::OKButton);
        if (c.how == std::string("Ctrl+N")) {
            // Back in front after the last chooser, as the window manager puts it.
            mdi().activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi()));
            QTest::keyClick(&mdi(), Qt::Key_N, Qt::ControlModifier);
        }
        else if (c.how == std::string("toolbar"))
            QTest::mouseClick(toolbarButton(2), Qt::LeftButton);
        else
            mdi().mNew->trigger();

        EXPECT_EQ(chooserTitle, "Select a machine type ");
        EXPECT_EQ(preselected, 1) << "the H5 model is preselected every time";
        EXPECT_LE((chooserCentre - mdi().frameGeometry().center()).manhattanLength(), 2)
            << "centred on the main window";
        EXPECT_FALSE(frmMacTypeSel::isLoaded());
        EXPECT_EQ(nMacType, c.macType);
        EXPECT_FALSE(mdi().bChange);
        EXPECT_FALSE(bHasFileName);
        EXPECT_EQ(mdi().StatusBar1->PanelText(4), "File is opened completed!");
        EXPECT_EQ(mdi().StatusBar1->PanelText(1), ModelName(c.macType >> 8));
        EXPECT_FALSE(mdi().menuBar()->isVisible()) << "the editor's menus stand in for the main window's";

        if (c.macType == kMacTypeH9) {
            ASSERT_TRUE(frmModeSetting_H9::isLoaded());
            EXPECT_FALSE(frmModeSetting_H7::isLoaded());
            frmModeSetting_H9& ed = frmModeSetting_H9::instance();
            EXPECT_EQ(mdi().ActiveForm(), &ed);
            EXPECT_EQ(nFuncType_H9, 0);
            EXPECT_EQ(nFuncB_H9, 0);
            EXPECT_TRUE(ui(ed).mFuncModeSelect_0->isChecked());
            EXPECT_EQ(mdi().nLoadForm, 1);
            EXPECT_TRUE(mdi().Toolbar1->Buttons(12).Visible()) << "power saving on the H9 only";
        } else {
            ASSERT_TRUE(frmModeSetting_H7::isLoaded());
            EXPECT_FALSE(frmModeSetting_H9::isLoaded());
            frmModeSetting_H7& ed = frmModeSetting_H7::instance();
            EXPECT_EQ(mdi().ActiveForm(), &ed);
            QStringList shown;
            for (int n = 0; n <= 8; ++n)
                if (ed.mFuncModeSelect(n)->isVisible())
                    shown << QString::number(n);
            EXPECT_EQ(shown, c.shownModes);
            const int first = c.macType == kMacTypeH7 ? 3 : 0;
            EXPECT_EQ(nFuncMode, first);
            EXPECT_TRUE(ed.mFuncModeSelect(first)->isChecked());
            EXPECT_FALSE(mdi().Toolbar1->Buttons(12).Visible());
        }
        for (int i : {4, 7, 9, 11})
            EXPECT_TRUE(mdi().Toolbar1->Buttons(i).Visible()) << i;
        testsupport::closeChildWindows();
        EXPECT_TRUE(mdi().menuBar()->isVisible()) << "the main window's menus are back";
    }
}

TEST_F(NewSet, ChooserLeftWithCancelCloseBoxOrEscapeChangesNothing)
{
    nMacType = kMacTypeH7;
    mdi().StatusBar1->setPanelText(4, "before");

    answerChooser(0, &Ui_frmMacTypeSel::CancelButton);
    mdi().mNew->trigger();
    EXPECT_EQ(preselected, 1);

    testsupport::whenModalShown([](QWidget* w) { w->close(); });
    mdi().mNew->trigger();
    testsupport::whenModalShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    mdi().mNew->trigger();

    EXPECT_FALSE(bMacTypeSelOK);
    EXPECT_EQ(nMacType, kMacTypeH7);
    EXPECT_EQ(mdi().StatusBar1->PanelText(4), "before");
    EXPECT_EQ(mdi().ActiveForm(), nullptr);
    EXPECT_FALSE(frmModeSetting_H7::isLoaded() || frmModeSetting_H9::isLoaded());

    // OK at once takes the preselected H5 model.
    answerChooser(-1, &Ui_frmMacTypeSel::OKButton);
    mdi().mNew->trigger();
    EXPECT_TRUE(bMacTypeSelOK);
    EXPECT_EQ(nMacType, kMacTypeH5);
}
