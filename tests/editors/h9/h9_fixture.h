#pragma once
// A freshly loaded H9 editor per test in a recording shell, with the picture folder in
// a temporary place.
#include "editors/common/combo_select.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/comm_records.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "support/recording_shell.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTest>

class H9Editor : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        platform::setAppDataDir(tmp.path());
        SetStartValues();
    }
    void TearDown() override
    {
        testsupport::closeEditorWindows();
        platform::setAppDataDir(QString());
    }
    frmModeSetting_H9& editor() { return frmModeSetting_H9::instance(); }
    static bool& changed() { return core::shell().bChange; }
    static bool disabled(const QWidget& w) { return w.testAttribute(Qt::WA_Disabled); }
    // True when labels 0..5 (and the separator, if asked) all have the given state.
    static bool digitsDisabled(const DigitLabelArray& row)
    {
        for (int i = 0; i < 6; ++i)
            if (!disabled(row(i)))
                return false;
        return true;
    }
    static bool digitsEnabled(const DigitLabelArray& row)
    {
        for (int i = 0; i < 6; ++i)
            if (disabled(row(i)))
                return false;
        return true;
    }
    static QString sep(const DigitLabelArray& row) { return row(DigitLabelArray::kSeparator).Caption(); }
    // Picks the entry that reads `text` as a user does: opens the list and clicks it.
    static void choose(QComboBox* list, const QString& text)
    {
        const int i = list->findText(text, Qt::MatchExactly);
        ASSERT_GE(i, 0) << "no entry reads " << text.toStdString();
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(i, 0)).center());
        ASSERT_FALSE(view->isVisible()) << "the list stayed open";
    }

    QTemporaryDir tmp;
    testsupport::RecordingShell shell;
};
