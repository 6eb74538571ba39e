// The H5/H7 editor window as a user meets it: function modes from the menu with their
// panels, titles, diagrams and channel tabs; values the keyboard may not give; texts
// that fit their boxes in every language.
#include "h5h7_fixture.h"

#include "editors/h5h7/h5h7_image_loader.h"
#include "platform/twips.h"
#include "support/editor_state.h"
#include "support/form_access.h"
#include "support/h5h7_images.h"
#include "support/text_fit.h"

using namespace h5h7test;
using U = Ui_frmModeSetting_H7;

namespace {

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
const QWidget* inFront(U& u) { return u.Picture2->childAt(u.Image_Output_A->geometry().center()); }

} // namespace

TEST_F(H5H7EditorTest, EveryFunctionModeOfEachTypeFromTheMenu)
{
    struct Mode {
        QWidget* U::*panel;
        const char* title;
        QString diagramA;
        QString diagramB; // empty: channel B unavailable
        const char* focus;
    };
    const Mode modes[] = {
        {&U::picTimer_H5_A, "TIMER", H5DiagramPath(0, 0, 0), {}, "cboTimerRange_A_H5"},
        {&U::picTimer_H5_B, "TWIN TIMER", H5DiagramPath(1, 0, 0), {}, "cboTimerRangeOFF_B_H5"},
        {&U::picTimer_H5_C, "2-STAGE TIMER", H5DiagramPath(2, 0, 0), {}, "cboTimerRange_C_H5"},
        {&U::picTimer_H7_1st_total, "1-STAGE COUNTER", H7DiagramPath(3, 0, 0), {}, "cboCountInputMode_1st_H7"},
        {&U::picTimer_H7_2nd, "2-STAGE COUNTER", H7DiagramPath(4, 0, 0), {}, "cboCountInputMode_2nd_H7"},
        {&U::picTimer_H7_1st_total, "TOTAL COUNTER", H7DiagramPath(3, 0, 0), H7DiagramPath(5, 0, 0),
         "cboCountInputMode_1st_H7"},
        {&U::picTimer_H7_batch_dual, "BATCH COUNTER", H7DiagramPath(3, 0, 0), H7DiagramPath(6, 0, 0),
         "cboCountInputMode_batch_H7"},
        {&U::picTimer_H7_batch_dual, "DUAL COUNTER", H7DiagramPath(7, 0, 0), {}, "cboCountInputMode_batch_H7"},
        {&U::picTimer_H7_freq, "TACHOMETER", H7DiagramPath(8, 0, 0), {}, "cboOutputMode_freq_H7"},
    };
    QWidget* U::*const panels[] = {&U::picTimer_H5_A, &U::picTimer_H5_B, &U::picTimer_H5_C,
                                   &U::picTimer_H7_1st_total, &U::picTimer_H7_2nd,
                                   &U::picTimer_H7_batch_dual, &U::picTimer_H7_freq};
    const QStringList names = H5DiagramPaths() + H7DiagramPaths();
    for (auto [macType, first, last] : {std::tuple{kMacTypeH5, 0, 2}, {kMacTypeH7, 3, 8}, {kMacTypeH8, 0, 8}}) {
        frmModeSetting_H7& f = newSet(macType);
        U& u = ui(f);
        // From the other end of the list, so that every choice is a change of mode.
        for (int n = last; n >= first; --n) {
            const Mode& m = modes[n];
            SCOPED_TRACE(testing::Message() << "type " << macType << " mode " << n);
            f.mFuncModeSelect(n)->trigger();
            EXPECT_EQ(nFuncMode, n);
            for (QWidget* U::*p : panels)
                EXPECT_EQ((u.*p)->isVisibleTo(&f), p == m.panel) << (u.*p)->objectName().toStdString();
            for (int i = 0; i <= 8; ++i)
                EXPECT_EQ(f.mFuncModeSelect(i)->isChecked(), i == n) << i;
            EXPECT_EQ(u.txtCH_A->text(), m.title);
            EXPECT_EQ(u.Image_Output_A->requestedFile(), diagram(m.diagramA));
            EXPECT_TRUE(names.contains(m.diagramA));
            EXPECT_EQ(inFront(u), u.Image_Output_A);
            EXPECT_EQ(u.optPic[1]->isEnabled(), !m.diagramB.isEmpty());
            EXPECT_EQ(u.ImageCH_B->pictureName(), m.diagramB.isEmpty() ? "IMAGE_CHB_G" : "IMAGE_CHB_W");
            if (!m.diagramB.isEmpty()) {
                EXPECT_EQ(u.Image_Output_B->requestedFile(), diagram(m.diagramB));
                EXPECT_TRUE(names.contains(m.diagramB));
            }
            EXPECT_EQ(focusName(), m.focus);
            // The common settings follow the panel's last line without an empty band.
            const int gap = (n <= 2 ? u.picCommon_H5 : u.picCommon_H7)->y() - shownBottom(u.*m.panel);
            EXPECT_GE(gap, 0);
            EXPECT_LE(gap, platform::tw(150));
        }
        f.Unload();
        testsupport::closeEditorWindows();
    }
}

TEST_F(H5H7EditorTest, ChannelTabsByMouseInTheTotalAndBatchCounters)
{
    frmModeSetting_H7& f = newSet(kMacTypeH7);
    U& u = ui(f);
    QTest::mouseClick(u.ImageCH_B, Qt::LeftButton); // a single-channel mode keeps A
    EXPECT_EQ(inFront(u), u.Image_Output_A);
    EXPECT_EQ(u.ImageCH_B->pictureName(), "IMAGE_CHB_G");
    for (int mode : {5, 6}) {
        f.mFuncModeSelect(mode)->trigger();
        QTest::mouseClick(u.ImageCH_B, Qt::LeftButton);
        EXPECT_EQ(inFront(u), u.Image_Output_B) << mode;
        EXPECT_EQ(u.ImageCH_B->pictureName() + u.ImageCH_A->pictureName(), "IMAGE_CHB_BIMAGE_CHA_W");
        QTest::mouseClick(u.ImageCH_A, Qt::LeftButton);
        EXPECT_EQ(inFront(u), u.Image_Output_A) << mode;
        EXPECT_EQ(u.ImageCH_B->pictureName() + u.ImageCH_A->pictureName(), "IMAGE_CHB_WIMAGE_CHA_B");
        QTest::mouseClick(u.ImageCH_B, Qt::LeftButton); // the next mode starts on A again
    }
    f.mFuncModeSelect(7)->trigger();
    EXPECT_EQ(inFront(u), u.Image_Output_A);
    EXPECT_EQ(u.ImageCH_B->pictureName(), "IMAGE_CHB_G");
}

TEST_F(H5H7EditorTest, OnlyThePanelOnShowDrawsItsDiagram)
{
    // The loaders select the items of every panel, the panel on show first.
    nMacType = kMacTypeH7;
    ASSERT_EQ(LoadFileImage_H7(testhelp::handH7("030A", "3"), 18), 0);
    EXPECT_EQ(ui(*frmModeSetting_H7::loaded()).Image_Output_A->requestedFile(), diagram(H7DiagramPath(3, 2, 11)));
    testsupport::closeEditorWindows();
    nMacType = kMacTypeH5;
    ASSERT_EQ(LoadFileImage_H5(testhelp::handH5("020A", "0"), 18), 0);
    EXPECT_EQ(ui(*frmModeSetting_H7::loaded()).Image_Output_A->requestedFile(), diagram(H5DiagramPath(0, 9, 0)));
}

TEST_F(H5H7EditorTest, TheKeyboardGivesNoValueARowRefuses)
{
    frmModeSetting_H7& f = newSet(kMacTypeH8);
    // Timer A in range 3 (min:s): the digit right of the colon takes 0 to 5 only.
    press(Qt::Key_Down, 3);
    press(Qt::Key_Tab, 3);
    ASSERT_EQ(focusName(), "lblTimerSetting_A_H5_0");
    type("12347");
    EXPECT_EQ(ui(f).lblTimerSetting_A_H5->digits(), "123400");
    EXPECT_EQ(focusName(), "lblTimerSetting_A_H5_4");
    type("59");
    EXPECT_EQ(ui(f).lblTimerSetting_A_H5->digits(), "123459");

    // The 1-stage output time may not become zero: a "0" typed on its only non-zero
    // digit leaves it, and Down stops at "1".
    f.mFuncModeSelect(3)->trigger();
    press(Qt::Key_Tab);
    press(Qt::Key_Down, 2); // "2 : C" has an output time
    press(Qt::Key_Tab);
    press(Qt::Key_Right, 3);
    ASSERT_EQ(focusName(), "lblHoldCounter_1st_H7_3");
    EXPECT_EQ(ui(f).lblHoldCounter_1st_H7->digits(), "000500");
    type("0");
    EXPECT_EQ(ui(f).lblHoldCounter_1st_H7->digits(), "000500");
    press(Qt::Key_Down, 6);
    EXPECT_EQ(ui(f).lblHoldCounter_1st_H7->digits(), "000100");
    // "1 : F" greys the row; a greyed digit takes no click.
    press(Qt::Key_Tab, 4, Qt::ShiftModifier);
    ASSERT_EQ(focusName(), "cboOutputMode_1st_H7");
    press(Qt::Key_Up);
    QTest::mouseClick(ui(f).lblHoldCounter_1st_H7->label(3), Qt::LeftButton);
    EXPECT_EQ(ui(f).lblHoldCounter_1st_H7->digits(), "000000");
}

TEST_F(H5H7EditorTest, TextsFitTheirBoxesAndNoListRepeatsAnItemInEveryLanguage)
{
    using L = platform::Language;
    for (L lang : {L::English, L::TraditionalChinese, L::SimplifiedChinese}) {
        platform::setLanguage(lang);
        frmModeSetting_H7& f = newSet(kMacTypeH8);
        // Every mode and input mode, for the lists they fill (batch, dual, up/down outputs added and taken).
        for (int mode = 0; mode <= 8; ++mode) {
            f.FuncModeSelect(mode);
            for (int input : {2, 3, 4, 0, 1}) {
                for (QComboBox* c : {ui(f).cboCountInputMode_1st_H7, ui(f).cboCountInputMode_2nd_H7,
                                     ui(f).cboCountInputMode_batch_H7})
                    if (c->isVisibleTo(&f) && input < c->count())
                        testhelp::pick(c, input);
                const QStringList wrong = testsupport::clippedTexts(&f) + testsupport::repeatedChoices(&f);
                EXPECT_EQ(wrong.join("\n").toStdString(), "") << int(lang) << " mode " << mode << " input " << input;
            }
        }
        testsupport::closeEditorWindows();
    }
}
