// Reaching and changing every value from the keyboard, texts that fit their boxes in
// every language, and the editor inside the main window.
#include "h9_fixture.h"

#include "monitor/frmMonitoring.h"
#include "support/deferred_delete.h"
#include "support/form_access.h"
#include "support/scripted_ui.h"
#include "support/text_fit.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

namespace {

QAction* modeItem(frmModeSetting_H9& f, int mode)
{
    return f.findChild<QAction*>(QStringLiteral("mFuncModeSelect_%1").arg(mode));
}

// The digits the user can change in the shown panels, in the order of the panels.
QStringList editableDigits(frmModeSetting_H9& f)
{
    QStringList out;
    for (DigitLabelArray* row : f.findChildren<DigitLabelArray*>())
        for (int i = 0; i < 6; ++i)
            if (row->label(i)->isVisibleTo(&f) && row->label(i)->isEnabled())
                out << row->label(i)->objectName();
    return out;
}

} // namespace

TEST_F(H9Editor, TabReachesEveryDigitOfTheModeAndTheKeysChangeIt)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    frmModeSetting_H9& f = editor();
    f.Show();
    for (int mode = 0; mode < 7; ++mode) {
        SCOPED_TRACE(mode);
        modeItem(f, mode)->trigger();
        QApplication::setActiveWindow(&mdi);
        QWidget* first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr);
        QStringList reached;
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == first)
                break;
            ASSERT_TRUE(now->isVisible()) << now->objectName().toStdString();
            if (qobject_cast<DigitLabel*>(now))
                reached << now->objectName();
        }
        EXPECT_GE(reached.size(), 12);
        EXPECT_EQ(reached, editableDigits(f)); // not the fixed prescale digit, not a row switched off
    }

    // Typed digits go through the row's wheel, mark the set changed and move on.
    modeItem(f, 0)->trigger();
    ui(f).lblCounterSettingB->label(0)->setFocus();
    changed() = false;
    for (const char* digit : {"1", "2", "0", "0", "3", "4"})
        QTest::keyClicks(QApplication::focusWidget(), digit);
    EXPECT_EQ(ui(f).lblCounterSettingB->digits(), "120034");
    EXPECT_TRUE(changed());
}

TEST_F(H9Editor, EveryCaptionAndListItemFitsItsBoxInEnglishAndChinese)
{
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese,
                                    platform::Language::SimplifiedChinese}) {
        SCOPED_TRACE(static_cast<int>(lang));
        platform::setLanguage(lang);
        testsupport::closeChildWindows();
        frmModeSetting_H9& f = editor();
        f.mPowerSaving_Click(); // the note shows
        // Every mode, so counter 1's lists of each dual-counter kind are measured.
        for (int mode = 0; mode < 7; ++mode) {
            modeItem(f, mode)->trigger();
            EXPECT_EQ(testsupport::clippedTexts(&f).join("\n").toStdString(), "") << mode;
        }
    }
}

TEST_F(H9Editor, InTheMainWindowItsMenusStandInAndTheMainOpenGoesThroughIt)
{
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    const auto fresh = [&] {
        editor().Show();
        editor().mFuncModeSelect_0_Click();
        changed() = true;
    };
    fresh();
    EXPECT_TRUE(mdi.menuBar()->isHidden());
    // Cancel: the editor stays and no file dialog opens, from the menu or the toolbar.
    boxes.answer(platform::MsgResult::Cancel).answer(platform::MsgResult::Cancel);
    ui(mdi).mOpen->trigger();
    mdi.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_TRUE(frmModeSetting_H9::isLoaded());
    // No: the editor closes first, then the main window's Open asks for the file.
    boxes.answer(platform::MsgResult::No);
    dialogs.cancel();
    mdi.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    testsupport::dropDeferredDeletes();
    EXPECT_FALSE(mdi.menuBar()->isHidden());

    // Monitor and back: the editor's menus again, not the main window's.
    fresh();
    ui(editor()).mMonitoring->trigger();
    ASSERT_TRUE(frmMonitoring::isLoaded());
    EXPECT_FALSE(editor().isVisible());
    QTest::mouseClick(ui(frmMonitoring::instance()).ImageReturn, Qt::LeftButton);
    testsupport::dropDeferredDeletes();
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(mdi.menuBar()->isHidden());

    // Exit asks about a changed set too (an uploaded one is changed); Cancel keeps both.
    boxes.answer(platform::MsgResult::Yes).answer(platform::MsgResult::Cancel);
    mdi.mExit_Click();
    EXPECT_EQ(boxes.last().text, platform::LoadResString(251));
    EXPECT_TRUE(frmModeSetting_H9::isLoaded());
    EXPECT_TRUE(mdi.isVisible());
}
