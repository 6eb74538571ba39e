#pragma once
// A freshly loaded H5/H7 editor per test, in English, with the diagram folder in a
// temporary directory.
#include "app/frmMDI.h"
#include "core/machine_type.h"
#include "editors/common/combo_select.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "core/key_protect.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

class H5H7EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        ASSERT_TRUE(pictures.isValid());
        platform::setAppDataDir(pictures.path());
        frmMDI::instance();
    }

    void TearDown() override
    {
        testsupport::closeWindows();
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

    QTemporaryDir pictures;
};
