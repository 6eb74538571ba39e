#include "h9_fixture.h"

#include "core/settings_buffers.h"
#include "editors/common/refresh.h"
#include "settings_file/h9_image.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "support/form_access.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace {

struct ModeCase {
    int mode;
    quint8 funcType;
    int funcB;   // -1: not written
    int dual;    // -1: not written
    int subMode; // -1: not written
    bool partial;
    bool optPicB;
    const char* chb;
};

void select(frmModeSetting_H9& f, int mode)
{
    switch (mode) {
    case 0: f.mFuncModeSelect_0_Click(); break;
    case 1: f.mFuncModeSelect_1_Click(); break;
    case 2: f.mFuncModeSelect_2_Click(); break;
    case 3: f.mFuncModeSelect_3_Click(); break;
    case 4: f.mFuncModeSelect_4_Click(); break;
    case 5: f.mFuncModeSelect_5_Click(); break;
    case 6: f.mFuncModeSelect_6_Click(); break;
    default: FAIL() << "no function mode " << mode;
    }
}

QString fileOf(const QString& path) { return path.section('/', -2); }

} // namespace

TEST_F(H9Editor, EachFunctionModeWritesItsCodingAndShowsItsPanels)
{
    const ModeCase cases[] = {
        {0, 0, 0, -1, -1, true, true, "IMAGE_CHB_W"},  {1, 0, 1, -1, -1, true, true, "IMAGE_CHB_W"},
        {2, 1, -1, 1, 0, false, false, "IMAGE_CHB_G"}, {3, 1, -1, 1, 1, false, false, "IMAGE_CHB_G"},
        {4, 1, -1, 1, 2, false, true, "IMAGE_CHB_G"},  {5, 1, -1, 0, -1, false, false, "IMAGE_CHB_G"},
        {6, 1, -1, 2, -1, false, false, "IMAGE_CHB_G"},
    };
    frmModeSetting_H9& f = editor();
    QWidget* panels[] = {ui(f).picST_A, ui(f).picSC_B, ui(f).picSF_B, ui(f).picDC_A, ui(f).picDC_B,
                         ui(f).picDT_A, ui(f).picDT_B, ui(f).picDF_A, ui(f).picDF_B};
    const std::vector<std::vector<int>> shown = {{0, 1}, {0, 2}, {3, 4}, {3, 4}, {3, 4}, {5, 6}, {7, 8}};
    QAction* items[] = {ui(f).mFuncModeSelect_0, ui(f).mFuncModeSelect_1, ui(f).mFuncModeSelect_2, ui(f).mFuncModeSelect_3,
                        ui(f).mFuncModeSelect_4, ui(f).mFuncModeSelect_5, ui(f).mFuncModeSelect_6};
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.mode);
        // Marker values prove which bytes a mode leaves alone.
        timerCounterParamsH9.nFuncB_H9 = 7;
        timerCounterParamsH9.nDualFunc_H9 = 7;
        timerCounterParamsH9.nDualCounterMode_H9 = c.subMode < 0 ? 7 : 0;
        changed() = false;
        select(f, c.mode);
        EXPECT_EQ(timerCounterParamsH9.nFuncType_H9, c.funcType);
        EXPECT_EQ(timerCounterParamsH9.nFuncB_H9, c.funcB < 0 ? 7 : c.funcB);
        EXPECT_EQ(timerCounterParamsH9.nDualFunc_H9, c.dual < 0 ? 7 : c.dual);
        EXPECT_EQ(timerCounterParamsH9.nDualCounterMode_H9, c.subMode < 0 ? 7 : c.subMode);
        for (int p = 0; p < 9; ++p) {
            const bool want = p == shown[c.mode][0] || p == shown[c.mode][1];
            EXPECT_EQ(!panels[p]->isHidden(), want) << panels[p]->objectName().toStdString();
        }
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(items[i]->isChecked(), i == c.mode);
        EXPECT_FALSE(ui(f).mPLC->isChecked());
        EXPECT_EQ(ui(f).mDownload_A->isEnabled(), c.partial);
        EXPECT_EQ(ui(f).mDownload_B->isEnabled(), c.partial);
        EXPECT_EQ(!disabled(*ui(f).optPic[1]), c.optPicB);
        EXPECT_EQ(ui(f).ImageCH_B->pictureName(), c.chb);
        EXPECT_TRUE(ui(f).optPic[0]->isChecked());
        if (c.mode == 0 || c.mode == 1 || c.mode == 5 || c.mode == 6) {
            EXPECT_FALSE(changed()) << "a mode set by code is no edit";
        }
    }
    EXPECT_EQ(ui(f).txtCH_A->text(), platform::LoadResString(187));
}

TEST_F(H9Editor, DualCounterModesRefillCounterOnesLists)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    frmModeSetting_H9& f = editor();

    f.mFuncModeSelect_3_Click();
    ASSERT_EQ(ui(f).cboOutputMode_C_Dual_1->count(), 4);
    EXPECT_EQ(ui(f).cboOutputMode_C_Dual_1->itemText(0), "0 : K-1");
    EXPECT_EQ(p.nOutputMode_C_Dual_1_H9, 4);
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_DC/image_Dual_Counter_Out_1_0_0_4_0.jpg");
    EXPECT_TRUE(ui(f).cboCountInputMode_C_Dual_0->isHidden());
    // The batch list stores the codes of the full output list; all have an output time.
    const int codes[] = {4, 10, 12, 13};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_C_Dual_1, i));
        EXPECT_EQ(p.nOutputMode_C_Dual_1_H9, codes[i]);
        EXPECT_TRUE(digitsEnabled(*ui(f).lblHoldCounter_C_Dual_1));
    }
    EXPECT_FALSE(SetListIndex(ui(f).cboOutputMode_C_Dual_1, 4));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_C_Dual_1, 1));
    EXPECT_TRUE(ui(f).Image_Output_A->requestedFile().endsWith("_a_0.jpg"));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_C_Dual_0, 1));
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputMode_C_Dual_1, 6));
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_DC/image_Dual_Counter_Out_1_1_6_a_0.jpg");
    changed() = false;
    f.cboOutputMode_C_Dual_1_Click();
    EXPECT_EQ(p.nOutputMode_C_Dual_1_H9, 10);
    EXPECT_FALSE(changed()) << "a re-run with the same choice is no edit";

    // Mode 2 again after other choices: both lists back on item 0, both codes 0.
    f.mFuncModeSelect_2_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboMaxFreq_C_Dual_1, 3));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_C_Dual_1, 12));
    f.mFuncModeSelect_2_Click();
    EXPECT_EQ(ui(f).cboOutputMode_C_Dual_1->count(), 14);
    EXPECT_EQ(ui(f).cboMaxFreq_C_Dual_1->currentIndex(), 0);
    EXPECT_EQ(p.nMaxFreq_C_Dual_1_H9, 0);
    EXPECT_EQ(p.nOutputMode_C_Dual_1_H9, 0);
    EXPECT_TRUE(digitsDisabled(*ui(f).lblHoldCounter_C_Dual_1));

    // Two counters: one speed, counter 0's fixed fields shown, counter 0 in diagram A.
    f.mFuncModeSelect_4_Click();
    ASSERT_EQ(ui(f).cboMaxFreq_C_Dual_1->count(), 1);
    EXPECT_EQ(ui(f).cboMaxFreq_C_Dual_1->itemText(0), "30 Hz");
    EXPECT_FALSE(ui(f).cboCountInputMode_C_Dual_0->isHidden());
    EXPECT_FALSE(ui(f).lblMaxFreq_C_Dual_0->isHidden());
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_SC/image_Ind_Counter_Out_1_4_0.jpg");
    EXPECT_EQ(fileOf(ui(f).Image_Output_B->requestedFile()), "Output_SC/image_Ind_Counter_Out_1_0_0.jpg");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_C_Dual_0, 0));
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_SC/image_Ind_Counter_Out_1_0_0.jpg");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_C_Dual_1, 11));
    EXPECT_EQ(fileOf(ui(f).Image_Output_B->requestedFile()), "Output_SC/image_Ind_Counter_Out_1_b_0.jpg");
}

TEST_F(H9Editor, SwitchingModesKeepsTheOtherPanelsValues)
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    frmModeSetting_H9& f = editor();
    f.mFuncModeSelect_1_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboCountModeA, 2));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeB_F, 1));
    (*ui(f).lblTimerSettingA)(5).setCaption("3");
    f.mFuncModeSelect_5_Click();
    f.mFuncModeSelect_0_Click();
    f.mFuncModeSelect_1_Click();
    EXPECT_EQ(p.nFuncB_H9, 1);
    EXPECT_EQ(p.nTimeRangeA_H9, 2);
    EXPECT_EQ(ui(f).cboCountModeA->currentIndex(), 2);
    EXPECT_EQ(p.nOutputModeB_F_H9, 1);
    EXPECT_EQ(ui(f).lblTimerSettingA->digits(), "999993");
    EXPECT_EQ(fileOf(ui(f).Image_Output_B->requestedFile()), "Output_SF/image_Ind_Freq_Out_1_0.jpg");
}

TEST_F(H9Editor, ComboHandlersMarkAChangeOnlyWhenTheCodeChanges)
{
    frmModeSetting_H9& f = editor();
    f.mFuncModeSelect_0_Click();
    changed() = false;
    for (QComboBox* c : {ui(f).cboCountModeA, ui(f).cboDotAdjB, ui(f).cboOutputModeA, ui(f).cboSGWidth_All}) {
        ASSERT_TRUE(SetListIndex(c, 0));
        EXPECT_FALSE(changed()) << c->objectName().toStdString();
    }
    ASSERT_TRUE(SetListIndex(ui(f).cboInputMethod_All, 1));
    EXPECT_EQ(timerCounterParamsH9.nInputMethod_H9, 1);
    EXPECT_TRUE(changed());

    // The user's path: a key press in the list picks the next item.
    changed() = false;
    ui(f).cboMaxFreqB->setFocus();
    QTest::keyClick(ui(f).cboMaxFreqB, Qt::Key_Down);
    EXPECT_EQ(ui(f).cboMaxFreqB->currentIndex(), 1);
    EXPECT_EQ(timerCounterParamsH9.nMaxFreqB_H9, 1);
    EXPECT_TRUE(changed());
}

TEST_F(H9Editor, OptionHandlersSetTheirRowsAndDiagrams)
{
    frmModeSetting_H9& f = editor();
    f.mFuncModeSelect_0_Click();
    for (int mode = 0; mode < 8; ++mode) {
        ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeA, mode));
        const bool on = mode != 0 && mode != 5;
        EXPECT_EQ(digitsEnabled(*ui(f).lblHoldTimeA), on) << mode;
        EXPECT_EQ(!disabled((*ui(f).lblHoldTimeA)(6)), on) << mode;
    }
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_ST/image_Ind_Timer_Out_7_0.jpg");
    for (int mode = 0; mode < 14; ++mode) {
        ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeB, mode));
        const bool on = (mode >= 3 && mode <= 5) || mode >= 9;
        EXPECT_EQ(digitsEnabled(*ui(f).lblHoldCounterB), on) << mode;
    }
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputModeB, 3));
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeB, 12));
    EXPECT_EQ(fileOf(ui(f).Image_Output_B->requestedFile()), "Output_SC/image_Ind_Counter_Out_3_c_0.jpg");
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputModeB, 5));
    EXPECT_EQ(fileOf(ui(f).Image_Output_B->requestedFile()), "Output_SC/image_Ind_Counter_Out_3_c_0.jpg");
    ASSERT_TRUE(SetListIndex(ui(f).cboCountInputModeB, 7));
    EXPECT_EQ(fileOf(ui(f).Image_Output_B->requestedFile()), "Output_SC/image_Ind_Counter_Out_4_c_0.jpg");

    ASSERT_TRUE(SetListIndex(ui(f).cboOutputMode_T_Dual_0, 1));
    EXPECT_TRUE(digitsEnabled(*ui(f).lblHoldTime_T_Dual_0));
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_DT/image_Dual_Timer_Out_1_0_0.jpg");
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeB_Dual_F, 1));
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_DF/image_Dual_Freq_Out_0_1_0.jpg");

    // Time range: only the separator moves, the digits stay.
    ui(f).lblTimerSettingA->setDigits("001234");
    ASSERT_TRUE(SetListIndex(ui(f).cboCountModeA, 1));
    EXPECT_EQ(ui(f).lblTimerSettingA->digits(), "001234");
    EXPECT_EQ(sep(*ui(f).lblTimerSettingA), "0");
    EXPECT_TRUE(disabled((*ui(f).lblTimerSettingA)(6)));
    EXPECT_EQ((*ui(f).lblTimerSettingA)(6).Left(), 0);
    ASSERT_TRUE(SetListIndex(ui(f).cboDotAdjB_F, 3));
    EXPECT_EQ((*ui(f).lblCounterSettingB_F)(6).Left(), 855);
}

// The lists filled from the string table, chosen by the English text a user reads: the
// byte stored and saved, and the output-time row that the choice enables.
TEST_F(H9Editor, AChoiceStoresAndSavesWhatItsTextSays)
{
    using U = Ui_frmModeSetting_H9;
    using P = TimerCounterParamsH9;
    // The byte is stored, and saved at `position` of the file; a one-shot output enables its time row.
    struct Case { int mode; QComboBox* U::*list; const char* text; quint8 P::*byte; char saved; int position;
                  DigitLabelArray* U::*timeRow; };
    const Case cases[] = {
        {0, &U::cboCountDirectionA, "Down", &P::nCountDirectionA_H9, '1', 26, nullptr},
        {0, &U::cboOutputModeA, "6 : Repeat cycle 2", &P::nOutputModeA_H9, '6', 28, nullptr},
        {0, &U::cboCountInputModeB, "5 : Quadrature inputs (Down)", &P::nCountInputModeB_H9, '5', 52, nullptr},
        {1, &U::cboOutputModeB_F, "1 : OFF", &P::nOutputModeB_F_H9, '1', 94, nullptr},
        {2, &U::cboOutputMode_C_Dual_0, "One-shot output", &P::nOutputMode_C_Dual_0_H9, '1', 172, &U::lblHoldCounter_C_Dual_0},
        {2, &U::cboOutputMode_C_Dual_0, "Self-holding output", &P::nOutputMode_C_Dual_0_H9, '0', 172, &U::lblHoldCounter_C_Dual_0},
        {4, &U::cboCountInputMode_C_Dual_1, "7 : Decrement", &P::nCountInputMode_C_Dual_1_H9, '7', 191, nullptr},
        {5, &U::cboOutputMode_T_Dual_0, "One-shot output", &P::nOutputMode_T_Dual_0_H9, '1', 131, &U::lblHoldTime_T_Dual_0},
        {5, &U::cboOutputMode_T_Dual_1, "One-shot output", &P::nOutputMode_T_Dual_1_H9, '1', 151, &U::lblHoldTime_T_Dual_1},
        {5, &U::cboOutputMode_T_Dual_1, "Self-holding output", &P::nOutputMode_T_Dual_1_H9, '0', 151, &U::lblHoldTime_T_Dual_1},
        {6, &U::cboOutputModeA_Dual_F, "1 : OFF", &P::nOutputModeA_Dual_F_H9, '1', 221, nullptr},
        {6, &U::cboOutputModeB_Dual_F, "1 : OFF", &P::nOutputModeB_Dual_F_H9, '1', 233, nullptr},
    };
    frmModeSetting_H9& f = editor();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        select(f, c.mode);
        choose(ui(f).*c.list, c.text);
        EXPECT_EQ(timerCounterParamsH9.*c.byte, c.saved - '0');
        if (c.timeRow) {
            EXPECT_EQ(digitsEnabled(*(ui(f).*c.timeRow)), c.saved == '1');
            (ui(f).*c.timeRow)->setDigits("000150"); // a one-shot output needs a time to be saved
        }
        ASSERT_EQ(BuildFileImage_H9(), 0);
        EXPECT_EQ(byFileBuf.at(c.position), c.saved);
    }
}

TEST_F(H9Editor, AMissingDiagramLeavesThePictureOnShow)
{
    const QString folder = tmp.path() + "/Picture/733/Output_ST";
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(folder + "/image_Ind_Timer_Out_1_0.jpg", "JPG"));

    frmModeSetting_H9& f = editor();
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeA, 1));
    const QPixmap shown = ui(f).Image_Output_A->pixmap();
    ASSERT_FALSE(shown.isNull());
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeA, 2));
    EXPECT_EQ(fileOf(ui(f).Image_Output_A->requestedFile()), "Output_ST/image_Ind_Timer_Out_2_0.jpg");
    EXPECT_EQ(ui(f).Image_Output_A->pixmap().cacheKey(), shown.cacheKey());
    EXPECT_EQ(timerCounterParamsH9.nOutputModeA_H9, 2);
    EXPECT_TRUE(digitsEnabled(*ui(f).lblHoldTimeA)) << "the rest of the handler still runs";
}

namespace {

void enableEverything(QWidget& w)
{
    for (QWidget* c : w.findChildren<QWidget*>())
        c->setEnabled(true);
}

} // namespace

TEST_F(H9Editor, RefreshDisablesAgainWhatTheChoicesDisable)
{
    frmModeSetting_H9& f = editor();
    f.mFuncModeSelect_1_Click();
    ASSERT_TRUE(SetListIndex(ui(f).cboOutputModeA, 1));
    ASSERT_TRUE(SetListIndex(ui(f).cboCountModeA, 3));
    changed() = false;

    enableEverything(f);
    RefreshDependentControls(0);
    EXPECT_TRUE(digitsEnabled(*ui(f).lblHoldTimeA));
    EXPECT_TRUE(digitsDisabled(*ui(f).lblHoldCounterB));
    EXPECT_TRUE(disabled((*ui(f).lblTimerSettingA)(6)));
    EXPECT_TRUE(disabled((*ui(f).lblCounterSettingB)(6)));
    EXPECT_TRUE(disabled((*ui(f).lblCounterSettingB_F)(6)));
    EXPECT_TRUE(disabled((*ui(f).lblMagnificationB)(0)));
    EXPECT_TRUE(disabled((*ui(f).lblMagnificationB_F)(0)));
    EXPECT_FALSE(changed()) << "a refresh after a transfer is no edit";
    EXPECT_EQ(fileOf(ui(f).Image_Output_B->requestedFile()), "Output_SF/image_Ind_Freq_Out_0_0.jpg")
        << "the tachometer keeps its diagram";

    f.mFuncModeSelect_5_Click();
    enableEverything(f);
    RefreshDependentControls(0);
    EXPECT_TRUE(disabled((*ui(f).lblTimerSetting_T_Dual_0)(6)));
    EXPECT_TRUE(disabled((*ui(f).lblTimerSetting_T_Dual_1)(6)));
    EXPECT_TRUE(digitsDisabled(*ui(f).lblHoldTime_T_Dual_0));
    EXPECT_FALSE(disabled((*ui(f).lblMagnificationB)(0))) << "hidden panels are left as they are";

    f.mFuncModeSelect_3_Click();
    changed() = false;
    enableEverything(f);
    RefreshDependentControls(0);
    EXPECT_TRUE(disabled((*ui(f).lblCounterSetting_C_Dual_0)(6)));
    EXPECT_TRUE(disabled((*ui(f).lblCounterSetting_C_Dual_1)(6)));
    EXPECT_TRUE(digitsDisabled(*ui(f).lblHoldCounter_C_Dual_0));
    EXPECT_TRUE(digitsEnabled(*ui(f).lblHoldCounter_C_Dual_1));
    EXPECT_EQ(timerCounterParamsH9.nOutputMode_C_Dual_1_H9, 4);
    EXPECT_FALSE(changed());

    f.mFuncModeSelect_6_Click();
    enableEverything(f);
    RefreshDependentControls(0);
    EXPECT_TRUE(disabled((*ui(f).lblCounterSettingA_Dual_F)(6)));
    EXPECT_TRUE(disabled((*ui(f).lblCounterSettingB_Dual_F)(6)));
    EXPECT_FALSE(changed());
}

TEST_F(H9Editor, RefreshOfAnyKindNeverLoadsAnEditor)
{
    for (int kind : {-1, 0, 1, 2, 3, 4})
        RefreshDependentControls(kind);
    EXPECT_FALSE(frmModeSetting_H9::isLoaded());
    EXPECT_FALSE(frmModeSetting_H7::isLoaded());
}
