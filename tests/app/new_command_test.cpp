// New from the main window's shortcut, toolbar and menu: the model chooser, then the
// chosen model's editor, fresh, in its first function mode.
#include "app/frmMDI.h"
#include "app/frmMacTypeSel.h"
#include "core/h5h7_params.h"
#include "core/h9_params.h"
#include "core/machine_type.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "support/main_window.h"
#include "support/modal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class NewSet : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        mdi.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mdi));
    }
    void TearDown() override { testsupport::closeWindows(); }

    // Answers the next chooser: notes the option it preselected, clicks option
    // `option` (-1: none) on its circle and then `button`; or, given an arrow key, presses
    // it where the focus is and then Enter.
    void answerChooser(int option, QPushButton* Ui_frmMacTypeSel::*button, Qt::Key arrow = Qt::Key_unknown)
    {
        preselected = -1;
        testsupport::whenModalShown<frmMacTypeSel>([this, option, button, arrow](frmMacTypeSel& chooser) {
            Ui_frmMacTypeSel& c = ui(chooser);
            for (int i = 0; i < 4; ++i)
                if (c.grpType[static_cast<std::size_t>(i)]->isChecked())
                    preselected = i;
            if (arrow != Qt::Key_unknown) {
                QTest::keyClick(QApplication::focusWidget(), arrow);
                return QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            if (option >= 0) {
                QRadioButton* opt = c.grpType[static_cast<std::size_t>(option)];
                QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(8, opt->height() / 2));
            }
            QTest::mouseClick(c.*button, Qt::LeftButton);
        });
    }

    frmMDI& mdi = frmMDI::instance();
    int preselected = -1;
};

} // namespace

TEST_F(NewSet, EachModelOpensItsEditorFreshInItsFirstMode)
{
    // Option, how New is given (or, from the menu, the arrow key pressed in the chooser
    // before Enter), the editor's mode items shown (H9: its own seven).
    const std::tuple<int, const char*, const char*> cases[] = {{0, "Ctrl+N", ""}, {1, "toolbar", "012"},
        {2, "menu", "345678"}, {3, "Ctrl+N", "012345678"}, {2, "Down", "345678"}, {0, "Up", ""}};
    for (auto [option, how, modes] : cases) {
        SCOPED_TRACE(how + std::to_string(option));
        // What an earlier set left, which a fresh editor must not show.
        nFuncMode = 5;
        timerCounterParamsH9.nFuncType_H9 = timerCounterParamsH9.nFuncB_H9 = 1;
        mdi.bChange = bHasFileName = true;

        const std::string key = how;
        answerChooser(option, &Ui_frmMacTypeSel::OKButton,
                      key == "Down" ? Qt::Key_Down : key == "Up" ? Qt::Key_Up : Qt::Key_unknown);
        if (how == std::string("Ctrl+N")) {
            mdi.activateWindow(); // back in front after the last chooser
            ASSERT_TRUE(QTest::qWaitForWindowActive(&mdi));
            QTest::keyClick(&mdi, Qt::Key_N, Qt::ControlModifier);
        } else if (how == std::string("toolbar")) {
            QTest::mouseClick(ui(mdi).Toolbar1->widgetForAction(ui(mdi).Toolbar1->Buttons(2).action()), Qt::LeftButton);
        } else {
            ui(mdi).mNew->trigger();
        }

        EXPECT_EQ(preselected, 1) << "the H5 model is preselected every time";
        EXPECT_FALSE(frmMacTypeSel::isLoaded());
        const int macType = std::array{kMacTypeH9, kMacTypeH5, kMacTypeH7, kMacTypeH8}[static_cast<std::size_t>(option)];
        EXPECT_EQ(nMacType, macType);
        EXPECT_FALSE(mdi.bChange || bHasFileName);
        EXPECT_EQ(mdi.PanelText(4), "File is opened completed!");
        EXPECT_FALSE(mdi.menuBar()->isVisible()) << "the editor's menus stand in for the main window's";
        if (macType == kMacTypeH9) {
            ASSERT_TRUE(frmModeSetting_H9::isLoaded() && !frmModeSetting_H7::isLoaded());
            EXPECT_EQ(mdi.ActiveForm(), frmModeSetting_H9::loaded());
            EXPECT_EQ(timerCounterParamsH9.nFuncType_H9 + timerCounterParamsH9.nFuncB_H9, 0);
            EXPECT_TRUE(ui(*frmModeSetting_H9::loaded()).mFuncModeSelect_0->isChecked());
        } else {
            ASSERT_TRUE(frmModeSetting_H7::isLoaded() && !frmModeSetting_H9::isLoaded());
            frmModeSetting_H7& ed = *frmModeSetting_H7::loaded();
            EXPECT_EQ(mdi.ActiveForm(), &ed);
            QString shown;
            for (int n = 0; n <= 8; ++n)
                if (ed.mFuncModeSelect(n)->isVisible())
                    shown += QString::number(n);
            EXPECT_EQ(shown, modes);
            const int first = macType == kMacTypeH7 ? 3 : 0;
            EXPECT_EQ(nFuncMode, first);
            EXPECT_TRUE(ed.mFuncModeSelect(first)->isChecked());
        }
        EXPECT_EQ(ui(mdi).Toolbar1->Buttons(12).Visible(), macType == kMacTypeH9) << "power saving on the H9 only";
        testsupport::closeChildWindows();
        EXPECT_TRUE(mdi.menuBar()->isVisible()) << "the main window's menus are back";
    }
}

TEST_F(NewSet, ChooserLeftWithCancelCloseBoxOrEscapeChangesNothing)
{
    // Every showing starts unconfirmed and only OK takes the model clicked: New from the
    // editor that an OK opened closes it, and the chooser then left by Cancel, its close
    // box or Escape, after a click on another model, opens no other. OK at once takes the
    // preselected H5 model.
    const std::pair<const char*, std::function<void(frmMacTypeSel&)>> leaves[] = {
        {"Cancel", [](frmMacTypeSel& c) { QTest::mouseClick(ui(c).CancelButton, Qt::LeftButton); }},
        {"close box", [](frmMacTypeSel& c) { c.close(); }},
        {"Escape", [](frmMacTypeSel& c) { QTest::keyClick(&c, Qt::Key_Escape); }}};
    for (const auto& [how, leave] : leaves) {
        SCOPED_TRACE(how);
        answerChooser(-1, &Ui_frmMacTypeSel::OKButton);
        ui(mdi).mNew->trigger();
        EXPECT_EQ(preselected, 1);
        ASSERT_EQ(nMacType, kMacTypeH5);
        ASSERT_TRUE(frmModeSetting_H7::isLoaded());

        testsupport::whenModalShown<frmMacTypeSel>([&leave](frmMacTypeSel& c) {
            QRadioButton* h9 = ui(c).grpType[0];
            QTest::mouseClick(h9, Qt::LeftButton, {}, QPoint(8, h9->height() / 2));
            leave(c);
        });
        QTest::mouseClick(ui(mdi).Toolbar1->widgetForAction(ui(mdi).Toolbar1->Buttons(2).action()), Qt::LeftButton);
        EXPECT_FALSE(bMacTypeSelOK);
        EXPECT_EQ(nMacType, kMacTypeH5);
        EXPECT_FALSE(frmModeSetting_H7::isLoaded() || frmModeSetting_H9::isLoaded());
        EXPECT_EQ(mdi.PanelText(4), "") << "no success text";
    }
}
