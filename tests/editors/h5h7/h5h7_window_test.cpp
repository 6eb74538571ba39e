// The H5/H7 editor window as a user meets it: function modes from the menu, panels,
// titles, diagrams and channel tabs, and texts that fit their boxes in every language.
#include "h5h7_fixture.h"

#include "editors/h5h7/h5h7_image_loader.h"
#include "platform/twips.h"
#include "support/form_access.h"
#include "support/h5h7_images.h"
#include "support/text_fit.h"

namespace {

struct ModeCase {
    int mode;
    QWidget* Ui_frmModeSetting_H7::*panel;
    const char* title;
    QString diagramA;
    QString diagramB; // empty: channel B unavailable
    const char* focus;
};

using U = Ui_frmModeSetting_H7;

QWidget* U::*const kPanels[] = {&U::picTimer_H5_A, &U::picTimer_H5_B, &U::picTimer_H5_C,
                                &U::picTimer_H7_1st_total, &U::picTimer_H7_2nd,
                                &U::picTimer_H7_batch_dual, &U::picTimer_H7_freq};

std::vector<ModeCase> modeCases()
{
    return {
        {0, &U::picTimer_H5_A, "TIMER", H5DiagramPath(0, 0, 0), {}, "cboTimerRange_A_H5"},
        {1, &U::picTimer_H5_B, "TWIN TIMER", H5DiagramPath(1, 0, 0), {}, "cboTimerRangeOFF_B_H5"},
        {2, &U::picTimer_H5_C, "2-STAGE TIMER", H5DiagramPath(2, 0, 0), {}, "cboTimerRange_C_H5"},
        {3, &U::picTimer_H7_1st_total, "1-STAGE COUNTER", H7DiagramPath(3, 0, 0), {},
         "cboCountInputMode_1st_H7"},
        {4, &U::picTimer_H7_2nd, "2-STAGE COUNTER", H7DiagramPath(4, 0, 0), {}, "cboCountInputMode_2nd_H7"},
        {5, &U::picTimer_H7_1st_total, "TOTAL COUNTER", H7DiagramPath(3, 0, 0), H7DiagramPath(5, 0, 0),
         "cboCountInputMode_1st_H7"},
        {6, &U::picTimer_H7_batch_dual, "BATCH COUNTER", H7DiagramPath(3, 0, 0), H7DiagramPath(6, 0, 0),
         "cboCountInputMode_batch_H7"},
        {7, &U::picTimer_H7_batch_dual, "DUAL COUNTER", H7DiagramPath(7, 0, 0), {},
         "cboCountInputMode_batch_H7"},
        {8, &U::picTimer_H7_freq, "TACHOMETER", H7DiagramPath(8, 0, 0), {}, "cboOutputMode_freq_H7"},
    };
}

// The lowest edge of what a panel shows, in its half's coordinates.
int shownBottom(const QWidget* panel)
{
    int bottom = 0;
    for (const QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            bottom = std::max(bottom, w->geometry().bottom() + 1);
    return panel->y() + bottom;
}

// Which of the two stacked diagrams a user sees.
const QWidget* diagramInFront(Ui_frmModeSetting_H7& u)
{
    return u.Picture2->childAt(u.Image_Output_A->geometry().center());
}

} // namespace

TEST_F(H5H7EditorTest, EveryFunctionModeOfEachTypeFromTheMenu)
{
    const std::vector<ModeCase> cases = modeCases();
    for (auto [macType, first, last] : {std::tuple{kMacTypeH5, 0, 2}, {kMacTypeH7, 3, 8}, {kMacTypeH8, 0, 8}}) {
        frmModeSetting_H7& f = newSet(macType);
        Ui_frmModeSetting_H7& u = ui(f);
        // Each mode from the other end of the list, so that every one is a change.
        for (int n = last; n >= first; --n) {
            const ModeCase& c = cases[static_cast<std::size_t>(n)];
            SCOPED_TRACE(testing::Message() << "type " << macType << " mode " << n);
            f.mFuncModeSelect(n)->trigger();
            EXPECT_EQ(nFuncMode, n);
            EXPECT_EQ(u.picMode_H5->isHidden(), n > 2);
            EXPECT_EQ(u.picMode_H7->isHidden(), n <= 2);
            for (QWidget* U::*p : kPanels)
                EXPECT_EQ((u.*p)->isVisibleTo(&f), p == c.panel) << (u.*p)->objectName().toStdString();
            for (int i = 0; i <= 8; ++i)
                EXPECT_EQ(f.mFuncModeSelect(i)->isChecked(), i == n) << i;
            EXPECT_EQ(u.txtCH_A->text(), c.title);
            EXPECT_EQ(u.Image_Output_A->requestedFile(), diagram(c.diagramA));
            EXPECT_EQ(diagramInFront(u), u.Image_Output_A);
            EXPECT_EQ(u.optPic[1]->isEnabled(), !c.diagramB.isEmpty());
            EXPECT_EQ(u.ImageCH_B->pictureName(), c.diagramB.isEmpty() ? "IMAGE_CHB_G" : "IMAGE_CHB_W");
            if (!c.diagramB.isEmpty()) {
                EXPECT_EQ(u.Image_Output_B->requestedFile(), diagram(c.diagramB));
            }
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focus);
            // The common settings follow the panel's last line without an empty band.
            QWidget* common = n <= 2 ? u.picCommon_H5 : u.picCommon_H7;
            const int gap = common->y() - shownBottom(u.*c.panel);
            EXPECT_GE(gap, 0);
            EXPECT_LE(gap, platform::tw(150));
        }
        f.Unload();
        testsupport::closeChildWindows();
    }
}

TEST_F(H5H7EditorTest, ChannelTabsByMouseInTheTotalAndBatchCounters)
{
    frmModeSetting_H7& f = newSet(kMacTypeH7);
    Ui_frmModeSetting_H7& u = ui(f);
    // A single-channel mode keeps channel A in front.
    QTest::mouseClick(u.ImageCH_B, Qt::LeftButton);
    EXPECT_EQ(diagramInFront(u), u.Image_Output_A);
    EXPECT_EQ(u.ImageCH_B->pictureName(), "IMAGE_CHB_G");
    for (int mode : {5, 6}) {
        f.mFuncModeSelect(mode)->trigger();
        QTest::mouseClick(u.ImageCH_B, Qt::LeftButton);
        EXPECT_EQ(diagramInFront(u), u.Image_Output_B) << mode;
        EXPECT_EQ(u.ImageCH_B->pictureName(), "IMAGE_CHB_B");
        EXPECT_EQ(u.ImageCH_A->pictureName(), "IMAGE_CHA_W");
        QTest::mouseClick(u.ImageCH_A, Qt::LeftButton);
        EXPECT_EQ(diagramInFront(u), u.Image_Output_A) << mode;
        EXPECT_EQ(u.ImageCH_A->pictureName(), "IMAGE_CHA_B");
        EXPECT_EQ(u.ImageCH_B->pictureName(), "IMAGE_CHB_W");
        // Leaving for channel B and switching mode brings channel A back in front.
        QTest::mouseClick(u.ImageCH_B, Qt::LeftButton);
    }
    f.mFuncModeSelect(7)->trigger();
    EXPECT_EQ(diagramInFront(u), u.Image_Output_A);
    EXPECT_EQ(u.ImageCH_B->pictureName(), "IMAGE_CHB_G");
}

TEST_F(H5H7EditorTest, OnlyThePanelOnShowDrawsItsDiagram)
{
    // The loaders select every panel's items; the last panel they fill is not the one
    // on show.
    nMacType = kMacTypeH7;
    ASSERT_EQ(LoadFileImage_H7(testhelp::handH7("030A", "3"), 18), 0);
    frmModeSetting_H7& h7 = *frmModeSetting_H7::loaded();
    EXPECT_EQ(ui(h7).Image_Output_A->requestedFile(), diagram(H7DiagramPath(3, 2, 11)));
    h7.Unload();
    testsupport::closeChildWindows();

    nMacType = kMacTypeH5;
    ASSERT_EQ(LoadFileImage_H5(testhelp::handH5("020A", "0"), 18), 0);
    EXPECT_EQ(ui(*frmModeSetting_H7::loaded()).Image_Output_A->requestedFile(), diagram(H5DiagramPath(0, 9, 0)));
}

TEST_F(H5H7EditorTest, EveryDiagramAskedForHasAName)
{
    // Each function mode with every output mode its panel offers, and up/down inputs:
    // the files the window asks for are all among the names a picture set must hold.
    const QStringList names = H5DiagramPaths() + H7DiagramPaths();
    frmModeSetting_H7& f = newSet(kMacTypeH8);
    Ui_frmModeSetting_H7& u = ui(f);
    QStringList asked;
    auto note = [&] {
        for (const ImageControl* image : {u.Image_Output_A, u.Image_Output_B})
            if (!image->requestedFile().isEmpty())
                asked << image->requestedFile().mid(pictures.path().size() + 1);
    };
    const std::pair<int, QComboBox* U::*> outputs[] = {
        {0, &U::cboOutputMode_A_H5}, {1, &U::cboOutputMode_B_H5}, {2, &U::cboOutputMode_C_H5},
        {3, &U::cboOutputMode_1st_H7}, {4, &U::cboOutputMode_2nd_H7}, {5, &U::cboOutputMode_1st_H7},
        {6, &U::cboOutputMode_batch_H7}, {7, &U::cboOutputMode_batch_H7}, {8, &U::cboOutputMode_freq_H7}};
    for (auto [mode, output] : outputs) {
        f.FuncModeSelect(mode);
        QComboBox* input = mode == 3 || mode == 5 ? u.cboCountInputMode_1st_H7
                           : mode == 4           ? u.cboCountInputMode_2nd_H7
                           : mode >= 6 && mode <= 7 ? u.cboCountInputMode_batch_H7
                                                    : nullptr;
        for (int in = 0; in < (input ? input->count() : 1); ++in) {
            if (input)
                testhelp::pick(input, in);
            for (int o = 0; o < (u.*output)->count(); ++o) {
                // Timer A's b and b-1 have a picture for a zero and a set output time.
                for (const char* hold : {"0", "1"}) {
                    (*u.lblHoldTime_A_H5)(5).setCaption(hold);
                    testhelp::pick(u.*output, o);
                    note();
                }
            }
        }
    }
    for (const QString& file : asked)
        EXPECT_TRUE(names.contains(file)) << file.toStdString();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

TEST_F(H5H7EditorTest, TextsFitTheirBoxesInEveryLanguage)
{
    for (auto lang : {platform::Language::English, platform::Language::TraditionalChinese,
                      platform::Language::SimplifiedChinese}) {
        platform::setLanguage(lang);
        frmModeSetting_H7& f = newSet(kMacTypeH8);
        // The lists that the modes fill: the batch and dual lists, the up/down outputs.
        for (int mode = 0; mode <= 8; ++mode) {
            f.FuncModeSelect(mode);
            if (mode == 3)
                testhelp::pick(ui(f).cboCountInputMode_1st_H7, 2);
            if (mode == 0)
                testhelp::pick(ui(f).cboOutputMode_A_H5, 9);
            EXPECT_EQ(testsupport::clippedTexts(&f), QStringList())
                << static_cast<int>(lang) << " mode " << mode;
        }
        f.Unload();
        testsupport::closeChildWindows();
    }
}

TEST_F(H5H7EditorTest, KeyboardEntryFollowsEachRowsRules)
{
    using h5h7test::focusName;
    using h5h7test::type;
    frmModeSetting_H7& f = newSet(kMacTypeH8);
    Ui_frmModeSetting_H7& u = ui(f);

    // Timer A in range 3 (min:s): the digit right of the colon takes 0 to 5 only.
    ASSERT_EQ(focusName(), "cboTimerRange_A_H5");
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(timerParamsH5.nTimerRange_A_H5, 3);
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "lblTimerSetting_A_H5_0");
    type("1234");
    ASSERT_EQ(focusName(), "lblTimerSetting_A_H5_4");
    type("7");
    EXPECT_EQ(u.lblTimerSetting_A_H5->digits(), "123400");
    EXPECT_EQ(focusName(), "lblTimerSetting_A_H5_4");
    type("59");
    EXPECT_EQ(u.lblTimerSetting_A_H5->digits(), "123459");

    // 1-stage counter: input "2 : Up / Down  A" and output "8 : K-2" by the arrow keys
    // give the set value its sign digit.
    f.mFuncModeSelect(3)->trigger();
    ASSERT_EQ(focusName(), "cboCountInputMode_1st_H7");
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    for (int i = 0; i < 8; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(counterParamsH7.nOutputMode_1st_H7, 8);
    EXPECT_EQ(u.lblHoldCounter_1st_H7->digits(), "000500");
    for (int i = 0; i < 7; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "lblCounterSetting_1st_H7_0");
    press(Qt::Key_Minus);
    press(Qt::Key_Right);
    type("00123");
    EXPECT_EQ(u.lblCounterSetting_1st_H7->digits(), "-00123");

    // The output time may not become zero: a "0" typed on its only non-zero digit
    // leaves it, and Down stops at "1".
    for (int i = 0; i < 6; ++i)
        press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    ASSERT_EQ(focusName(), "lblHoldCounter_1st_H7_3");
    type("0");
    EXPECT_EQ(u.lblHoldCounter_1st_H7->digits(), "000500");
    for (int i = 0; i < 6; ++i)
        press(Qt::Key_Down);
    EXPECT_EQ(u.lblHoldCounter_1st_H7->digits(), "000100");

    // Output "1 : F": the sign goes, and the whole set value with it; the output time
    // is zeroed and greyed, and a greyed digit takes no click.
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusName(), "cboOutputMode_1st_H7");
    for (int i = 0; i < 7; ++i)
        press(Qt::Key_Up);
    EXPECT_EQ(u.lblCounterSetting_1st_H7->digits(), "000000");
    EXPECT_EQ(u.lblHoldCounter_1st_H7->digits(), "000000");
    QTest::mouseClick(u.lblHoldCounter_1st_H7->label(3), Qt::LeftButton);
    EXPECT_EQ(u.lblHoldCounter_1st_H7->digits(), "000000");
}
