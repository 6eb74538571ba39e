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

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>

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

    QTemporaryDir tmp;
    testsupport::RecordingShell shell;
};
