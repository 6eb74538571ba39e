// Every function mode of every type makes the round trip through the program's own
// transfer window against the simulated instrument: a set that is not the default is
// downloaded, uploaded by the main window's Upload into a fresh editor and compared.
// The settings writer's images of the set before and after agree in every position
// that the mode uses, the uploaded editor shows what the downloaded one showed, and the
// compare finds no difference.
#include "transfer/sim_jobs_fixture.h"

#include "core/h5h7_params.h"
#include "core/h9_params.h"
#include "support/editor_state.h"
#include "support/main_window.h"
#include "support/windows.h"
#include "settings_file/h5h7_image.h"
#include "settings_file/h9_image.h"

#include <string>
#include <vector>

using namespace simtest;

namespace {

struct Span {
    int first;
    int last;
};

// The image positions a mode of the H5 or H7 layout uses: the header, the common
// settings, the function mode and the mode's own section.
std::vector<Span> h5h7Positions(int mode)
{
    if (mode <= 2) {
        std::vector<Span> s = {{0, 7}, {10, 13}, {31, 31}};
        const Span sections[] = {{32, 52}, {81, 96}, {121, 135}};
        s.push_back(sections[mode]);
        return s;
    }
    std::vector<Span> s = {{0, 7}, {10, 21}, {31, 31}};
    switch (mode) {
    case 3:
    case 5: s.push_back({32, 47}); break;
    case 4: s.push_back({81, 108}); break;
    case 6: s.push_back({131, 152}); break;
    case 7: s.push_back({131, 146}); break; // the dual counter has no batch set value
    default: s.push_back({181, 207}); break;
    }
    return s;
}

std::string diffIn(const SettingFileImage& got, const SettingFileImage& want, const std::vector<Span>& spans)
{
    std::string out;
    for (const Span& s : spans)
        for (int i = s.first; i <= s.last; ++i)
            if (got.at(i) != want.at(i))
                out += std::to_string(i) + ": got '" + got.at(i) + "' want '" + want.at(i) + "'\n";
    return out;
}

using Case = TypeMode;

class RoundTrip : public testsupport::InMainWindow<SimTransferTest>, public ::testing::WithParamInterface<Case> {
protected:
    // The writer's image of the editor's set (the H9 writer stores only the mode's
    // sections, the H5/H7 writers every section of their half).
    SettingFileImage writerImage(const Case& c)
    {
        int rc = 0;
        if (c.macType == kMacTypeH9)
            rc = BuildFileImage_H9();
        else
            rc = nFuncMode <= 2 ? BuildFileImage_H5() : BuildFileImage_H7();
        EXPECT_EQ(rc, 0);
        return byFileBuf;
    }

    void unloadEditors() { testsupport::closeChildWindows(); }
    static QWidget* editor(bool h9)
    {
        return h9 ? static_cast<QWidget*>(frmModeSetting_H9::loaded()) : frmModeSetting_H7::loaded();
    }
};

TEST_P(RoundTrip, DownloadUploadCompare)
{
    const Case c = GetParam();
    start(c.type);
    nMacType = c.macType;
    const bool h9 = c.macType == kMacTypeH9;
    const int seed = c.mode + 2;
    if (h9) {
        frmModeSetting_H9::instance().Show();
        testhelp::fillH9(c.mode, seed);
    } else {
        frmModeSetting_H7::instance().Show();
        testhelp::fillH5H7(c.mode, seed);
    }
    if (HasFatalFailure())
        return;
    const SettingFileImage before = writerImage(c);
    const QStringList shown = testhelp::shownSet(editor(h9));

    const int kind = h9 ? 0 : c.mode <= 2 ? 3 : 4;
    ASSERT_EQ(runJob(1, kind), res(264)) << boxTexts().join("|").toStdString();

    // Upload into fresh editors, through the main window's command.
    unloadEditors();
    nMacType = 0;
    frmMDI& mdi = frmMDI::instance();
    boxes.clear();
    mdi.mUpload_Click();
    dropDeferredDeletes();
    ASSERT_EQ(mdi.sCurrentMacType_Upload, c.typeText) << boxTexts().join("|").toStdString();
    EXPECT_EQ(panel4(), res(263));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().title, "Upload");
    EXPECT_EQ(nMacType, c.macType);
    EXPECT_TRUE(mdi.bChange);
    ASSERT_NE(editor(h9), nullptr);
    EXPECT_EQ(editor(h9)->windowTitle(), "Unknown01.kvf");
    EXPECT_EQ(testhelp::firstDifference(shown, testhelp::shownSet(editor(h9))), "");
    if (!h9) {
        EXPECT_EQ(nFuncMode, c.mode);
    }

    const SettingFileImage after = writerImage(c);
    if (h9)
        EXPECT_EQ(testhelp::imageDiff(after, before), "");
    else
        EXPECT_EQ(diffIn(after, before, h5h7Positions(c.mode)), "");

    // The instrument holds exactly the uploaded set.
    boxes.clear();
    EXPECT_EQ(runJob(2), res(265));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "Compare completed ! The programs are the same.");
    EXPECT_EQ(boxes.last().title, "Compare");
    EXPECT_EQ(boxes.last().icon, platform::MsgIcon::None);
}

INSTANTIATE_TEST_SUITE_P(EveryTypeAndMode, RoundTrip, ::testing::ValuesIn(everyTypeAndMode()), typeModeName);

} // namespace
