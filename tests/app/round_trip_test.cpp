// Every function mode of every type survives editor -> writer -> file -> Open -> loader
// -> writer unchanged, and the opened editor shows what the saved one showed.
#include "app/frmMDI.h"
#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/h5h7_image.h"
#include "settings_file/h9_image.h"
#include "settings_file/save_flow.h"
#include "settings_file/settings_file_io.h"
#include "support/editor_state.h"
#include "support/main_window.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct TypeCase {
    int macType;
    int firstMode;
    int lastMode;
    const char* name;
};

void PrintTo(const TypeCase& c, std::ostream* os)
{
    *os << c.name << " modes " << c.firstMode << " to " << c.lastMode;
}

int buildH5H7() { return nFuncMode > 2 ? BuildFileImage_H7() : BuildFileImage_H5(); }

class RoundTrip : public ::testing::TestWithParam<TypeCase>, protected testhelp::TempUserFolder {
protected:
    void SetUp() override
    {
        enterUserFolder();
        boxes.autoAcknowledgeOk();
    }
    void TearDown() override
    {
        testsupport::closeWindows();
        leaveUserFolder();
    }

    testsupport::ScriptedFileDialogs dialogs;
    testsupport::ScriptedMessages boxes;
};

using testhelp::readRaw;

} // namespace

TEST_P(RoundTrip, EveryFunctionModeComesBackByteForByte)
{
    const TypeCase& t = GetParam();
    const bool h9 = t.macType == kMacTypeH9;
    const settings_file::ImageBuilder build = h9 ? settings_file::ImageBuilder(&BuildFileImage_H9)
                                                 : settings_file::ImageBuilder(&buildH5H7);
    for (int mode = t.firstMode; mode <= t.lastMode; ++mode) {
        for (int seed : {1, 2}) {
            SCOPED_TRACE(testing::Message() << t.name << " mode " << mode << " seed " << seed);
            nMacType = t.macType;
            frmMDI::instance();
            if (h9) {
                frmModeSetting_H9::instance().Show();
                testhelp::fillH9(mode, seed);
            } else {
                frmModeSetting_H7::instance().Show();
                testhelp::fillH5H7(mode, seed);
            }
            ASSERT_FALSE(HasFatalFailure());
            const QStringList before = testhelp::shownSet(testhelp::openEditor());

            const QString path = QStringLiteral("%1/Sample/%2-%3-%4.kvf")
                                     .arg(tmp.path(), t.name).arg(mode).arg(seed);
            dialogs.accept(path);
            ASSERT_EQ(settings_file::SaveSettingAsFlow(build), settings_file::SaveOutcome::Saved);
            const QByteArray saved = readRaw(path);
            ASSERT_EQ(saved.size(), kSettingImageSize);

            // Open starts with no editor, as after an editor's own Open closed it.
            testsupport::closeWindows();
            nMacType = 0;
            boxes.clear();
            dialogs.accept(path);
            frmMDI::instance().mOpen_Click();
            ASSERT_EQ(boxes.count(), 0) << boxes.last().text.toStdString();
            ASSERT_EQ(nMacType, t.macType);
            ASSERT_EQ(build(), 0);
            EXPECT_EQ(testhelp::imageDiff(byFileBuf, saved), "");
            EXPECT_EQ(testhelp::firstDifference(before, testhelp::shownSet(testhelp::openEditor())), "");
            EXPECT_EQ(frmMDI::instance().PanelText(4), "File is opened completed!");
            testsupport::closeWindows();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, RoundTrip,
                         ::testing::Values(TypeCase{kMacTypeH9, 0, 6, "H9"},
                                           TypeCase{kMacTypeH5, 0, 2, "H5"},
                                           TypeCase{kMacTypeH7, 3, 8, "H7"},
                                           TypeCase{kMacTypeH8, 0, 8, "H8"}),
                         [](const auto& info) { return std::string(info.param.name); });
