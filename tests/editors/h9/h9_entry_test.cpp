// Reaching and changing every value from the keyboard, and texts that fit their boxes
// in every language.
#include "h9_fixture.h"

#include "support/form_access.h"
#include "support/text_fit.h"

#include <QApplication>
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
    frmModeSetting_H9& f = editor();
    f.Show();
    for (int mode = 0; mode < 7; ++mode) {
        SCOPED_TRACE(mode);
        modeItem(f, mode)->trigger();
        QApplication::setActiveWindow(&f);
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

TEST_F(H9Editor, EveryCaptionAndListItemFitsItsBoxAndNoListRepeatsAnItemInEachLanguage)
{
    for (platform::Language lang : {platform::Language::English, platform::Language::TraditionalChinese,
                                    platform::Language::SimplifiedChinese}) {
        SCOPED_TRACE(static_cast<int>(lang));
        platform::setLanguage(lang);
        testsupport::closeEditorWindows();
        frmModeSetting_H9& f = editor();
        f.mPowerSaving_Click(); // the note shows
        // Every mode, so counter 1's lists of each dual-counter kind are measured.
        for (int mode = 0; mode < 7; ++mode) {
            modeItem(f, mode)->trigger();
            EXPECT_EQ(testsupport::clippedTexts(&f).join("\n").toStdString(), "") << mode;
            EXPECT_EQ(testsupport::repeatedChoices(&f).join("\n").toStdString(), "") << mode;
        }
    }
}
