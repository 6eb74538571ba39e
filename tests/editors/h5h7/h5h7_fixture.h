#pragma once
// A freshly loaded H5/H7 editor per test in a recording shell, in English, with the
// diagram folder in a temporary directory.
#include "core/machine_type.h"
#include "editors/common/combo_select.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h5h7/h5h7_diagrams.h"
#include "core/key_protect.h"
#include "link/comm_records.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "support/recording_shell.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTemporaryDir>

namespace h5h7test {

// A new set as the main window's New makes it: the editor of the model, the
// function-mode items of the model, its first mode, nothing changed. The editor's
// window (the main window, when the test has one) is on screen and active, so
// shortcuts reach the editor.
inline frmModeSetting_H7& newSet(int macType)
{
    nMacType = macType;
    frmModeSetting_H7& f = frmModeSetting_H7::instance();
    f.Show();
    f.window()->show();
    QApplication::setActiveWindow(f.window());
    f.FuncModeSelect(macType == kMacTypeH7 ? 3 : 0);
    core::shell().bChange = false;
    bHasFileName = false;
    return f;
}

// A key pressed `times` over where the keyboard focus is, as a user types it; a text
// typed key by key. The editor's window comes back to the front first when a modal
// window (the transfer) left none active, as the desktop does.
inline void press(int key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (!QApplication::activeWindow() && frmModeSetting_H7::isLoaded())
        QApplication::setActiveWindow(frmModeSetting_H7::loaded()->window());
    for (int i = 0; i < times; ++i) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
}
inline void ctrl(int key) { press(key, 1, Qt::ControlModifier); }
inline void type(const QString& text)
{
    for (QChar c : text)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}
inline QString focusName()
{
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

} // namespace h5h7test

class H5H7EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        ASSERT_TRUE(pictures.isValid());
        platform::setAppDataDir(pictures.path());
        SetStartValues();
    }

    void TearDown() override
    {
        testsupport::closeEditorWindows();
        platform::setAppDataDir(QString());
    }

    frmModeSetting_H7& open(int macType)
    {
        nMacType = macType;
        return frmModeSetting_H7::instance();
    }

    static bool& changed() { return core::shell().bChange; }

    static bool disabled(const QWidget* w) { return w->testAttribute(Qt::WA_Disabled); }

    static QStringList items(const QComboBox* c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }

    // The Left of labels 0 to 6, in twips.
    static std::vector<int> lefts(DigitLabelArray& row)
    {
        std::vector<int> out;
        for (int i = 0; i < 7; ++i)
            out.push_back(row(i).Left());
        return out;
    }

    static void click(frmModeSetting_H7& f, DigitLabelArray* row, int index, Qt::MouseButton b = Qt::LeftButton)
    {
        f.DigitRowClick(row, index, b);
    }

    static frmModeSetting_H7& newSet(int macType) { return h5h7test::newSet(macType); }

    // A diagram name of h5h7_diagrams.h in the test's data folder.
    QString diagram(const QString& relativePath) const { return pictures.path() + "/" + relativePath; }

    QTemporaryDir pictures;
    testsupport::RecordingShell shell;
};
