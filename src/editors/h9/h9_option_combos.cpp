// Selection handlers of the H9 editor's option combos.
#include "editors/h9/frmModeSetting_H9.h"

#include "editors/common/combo_select.h"
#include "editors/h9/h9_diagram_names.h"
#include "platform/folders.h"

namespace {

// Output modes of a counter that have an output time: R, K and P of both outputs, and Q.
bool counterOutputHasTime(quint8 code)
{
    switch (code) {
    case 3: case 4: case 5: case 9: case 10: case 11: case 12: case 13:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---- Diagrams ----

void frmModeSetting_H9::LoadDiagram(ImageControl* image, const QString& relativePath)
{
    // A missing or unreadable file leaves the picture on show.
    image->loadPictureFile(platform::appDataDir() + QLatin1Char('/') + relativePath, "JPG");
}

void frmModeSetting_H9::LoadModeDiagrams()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    if (p.nFuncType_H9 == 0) {
        LoadDiagramST();
        if (p.nFuncB_H9 == 0)
            LoadDiagramSC();
        else
            LoadDiagramSF();
        return;
    }
    switch (p.nDualFunc_H9) {
    case 0: LoadDiagramDT(); break;
    case 1:
        if (p.nDualCounterMode_H9 == 2) {
            LoadDiagramDualCounter1();
            LoadDiagramDualCounter0();
        } else {
            LoadDiagramDC();
        }
        break;
    case 2: LoadDiagramDF(); break;
    default: break;
    }
}

void frmModeSetting_H9::LoadDiagramST()
{
    LoadDiagram(Image_Output_A, H9DiagramPathST(timerCounterParamsH9.nOutputModeA_H9));
}

void frmModeSetting_H9::LoadDiagramSC()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    LoadDiagram(Image_Output_B, H9DiagramPathSC(p.nCountInputModeB_H9, p.nOutputModeB_H9));
}

void frmModeSetting_H9::LoadDiagramSF()
{
    LoadDiagram(Image_Output_B, H9DiagramPathSF(timerCounterParamsH9.nOutputModeB_F_H9));
}

void frmModeSetting_H9::LoadDiagramDC()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    LoadDiagram(Image_Output_A, H9DiagramPathDC(p.nDualCounterMode_H9, p.nOutputMode_C_Dual_0_H9,
                                                p.nCountInputMode_C_Dual_1_H9, p.nOutputMode_C_Dual_1_H9));
}

// Two counters: counter 1 draws as a single counter in diagram B ...
void frmModeSetting_H9::LoadDiagramDualCounter1()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    LoadDiagram(Image_Output_B, H9DiagramPathSC(p.nCountInputMode_C_Dual_1_H9, p.nOutputMode_C_Dual_1_H9));
}

// ... and counter 0, with its fixed input, by its output kind in diagram A.
void frmModeSetting_H9::LoadDiagramDualCounter0()
{
    LoadDiagram(Image_Output_A, H9DiagramPathDualCounter0(timerCounterParamsH9.nOutputMode_C_Dual_0_H9));
}

void frmModeSetting_H9::LoadDiagramDT()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    LoadDiagram(Image_Output_A, H9DiagramPathDT(p.nOutputMode_T_Dual_0_H9, p.nOutputMode_T_Dual_1_H9));
}

void frmModeSetting_H9::LoadDiagramDF()
{
    const TimerCounterParamsH9& p = timerCounterParamsH9;
    LoadDiagram(Image_Output_A, H9DiagramPathDF(p.nOutputModeA_Dual_F_H9, p.nOutputModeB_Dual_F_H9));
}

// ---- Timer A ----

void frmModeSetting_H9::cboCountModeA_Click()
{
    if (!StoreComboIndex(cboCountModeA, timerCounterParamsH9.nTimeRangeA_H9))
        return;
    // Seconds with two decimals in range 0, whole numbers otherwise; the digits stay.
    LayoutDigitLabels(timerCounterParamsH9.nTimeRangeA_H9 == 0 ? 2 : 0, *lblTimerSettingA);
}

void frmModeSetting_H9::cboCountDirectionA_Click()
{
    StoreComboIndex(cboCountDirectionA, timerCounterParamsH9.nCountDirectionA_H9);
}

void frmModeSetting_H9::cboOutputModeA_Click()
{
    if (!StoreComboIndex(cboOutputModeA, timerCounterParamsH9.nOutputModeA_H9))
        return;
    lblHoldTimeA->setRowEnabled(timerCounterParamsH9.nOutputModeA_H9 != 0 && timerCounterParamsH9.nOutputModeA_H9 != 5);
    LoadDiagramST();
}

// ---- Counter B ----

void frmModeSetting_H9::cboCountInputModeB_Click()
{
    if (!StoreComboIndex(cboCountInputModeB, timerCounterParamsH9.nCountInputModeB_H9))
        return;
    LoadDiagramSC();
}

void frmModeSetting_H9::cboDotAdjB_Click()
{
    if (!StoreComboIndex(cboDotAdjB, timerCounterParamsH9.nDotAdjB_H9))
        return;
    LayoutDigitLabels(timerCounterParamsH9.nDotAdjB_H9, *lblCounterSettingB);
}

void frmModeSetting_H9::cboMaxFreqB_Click()
{
    StoreComboIndex(cboMaxFreqB, timerCounterParamsH9.nMaxFreqB_H9);
}

void frmModeSetting_H9::cboOutputModeB_Click()
{
    if (!StoreComboIndex(cboOutputModeB, timerCounterParamsH9.nOutputModeB_H9))
        return;
    lblHoldCounterB->setRowEnabled(counterOutputHasTime(timerCounterParamsH9.nOutputModeB_H9));
    LoadDiagramSC();
}

// ---- Tachometer B ----

void frmModeSetting_H9::cboSampleAvgB_F_Click()
{
    StoreComboIndex(cboSampleAvgB_F, timerCounterParamsH9.nSampleAvgB_F_H9);
}

void frmModeSetting_H9::cboDotAdjB_F_Click()
{
    if (!StoreComboIndex(cboDotAdjB_F, timerCounterParamsH9.nDotAdjB_F_H9))
        return;
    LayoutDigitLabels(timerCounterParamsH9.nDotAdjB_F_H9, *lblCounterSettingB_F);
}

void frmModeSetting_H9::cboMaxFreqB_F_Click()
{
    StoreComboIndex(cboMaxFreqB_F, timerCounterParamsH9.nMaxFreqB_F_H9);
}

void frmModeSetting_H9::cboOutputModeB_F_Click()
{
    if (!StoreComboIndex(cboOutputModeB_F, timerCounterParamsH9.nOutputModeB_F_H9))
        return;
    LoadDiagramSF();
}

// ---- 2-stage timer ----

void frmModeSetting_H9::cboOutputMode_T_Dual_0_Click()
{
    if (!StoreComboIndex(cboOutputMode_T_Dual_0, timerCounterParamsH9.nOutputMode_T_Dual_0_H9))
        return;
    lblHoldTime_T_Dual_0->setRowEnabled(timerCounterParamsH9.nOutputMode_T_Dual_0_H9 != 0);
    LoadDiagramDT();
}

void frmModeSetting_H9::cboOutputMode_T_Dual_1_Click()
{
    if (!StoreComboIndex(cboOutputMode_T_Dual_1, timerCounterParamsH9.nOutputMode_T_Dual_1_H9))
        return;
    lblHoldTime_T_Dual_1->setRowEnabled(timerCounterParamsH9.nOutputMode_T_Dual_1_H9 != 0);
    LoadDiagramDT();
}

// ---- Dual counter ----

void frmModeSetting_H9::cboOutputMode_C_Dual_0_Click()
{
    if (!StoreComboIndex(cboOutputMode_C_Dual_0, timerCounterParamsH9.nOutputMode_C_Dual_0_H9))
        return;
    lblHoldCounter_C_Dual_0->setRowEnabled(timerCounterParamsH9.nOutputMode_C_Dual_0_H9 != 0);
    if (timerCounterParamsH9.nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter0();
    else
        LoadDiagramDC();
}

void frmModeSetting_H9::cboCountInputMode_C_Dual_1_Click()
{
    if (!StoreComboIndex(cboCountInputMode_C_Dual_1, timerCounterParamsH9.nCountInputMode_C_Dual_1_H9))
        return;
    if (timerCounterParamsH9.nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter1();
    else
        LoadDiagramDC();
}

void frmModeSetting_H9::cboMaxFreq_C_Dual_1_Click()
{
    StoreComboIndex(cboMaxFreq_C_Dual_1, timerCounterParamsH9.nMaxFreq_C_Dual_1_H9);
}

void frmModeSetting_H9::cboOutputMode_C_Dual_1_Click()
{
    const int p = cboOutputMode_C_Dual_1->currentIndex();
    if (p < 0)
        return;
    // With a batch counter the four items carry the codes of the full output list.
    static constexpr int kBatchCodes[] = {4, 10, 12, 13};
    int code = p;
    if (timerCounterParamsH9.nDualCounterMode_H9 == 1) {
        if (p >= static_cast<int>(std::size(kBatchCodes)))
            return;
        code = kBatchCodes[p];
    }
    StoreSetting(timerCounterParamsH9.nOutputMode_C_Dual_1_H9, code);
    if (timerCounterParamsH9.nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter1();
    else
        LoadDiagramDC();
    lblHoldCounter_C_Dual_1->setRowEnabled(counterOutputHasTime(timerCounterParamsH9.nOutputMode_C_Dual_1_H9));
}

// ---- Dual tachometer ----

void frmModeSetting_H9::cboOutputModeA_Dual_F_Click()
{
    if (!StoreComboIndex(cboOutputModeA_Dual_F, timerCounterParamsH9.nOutputModeA_Dual_F_H9))
        return;
    LoadDiagramDF();
}

void frmModeSetting_H9::cboSampleAvgB_Dual_F_Click()
{
    StoreComboIndex(cboSampleAvgB_Dual_F, timerCounterParamsH9.nSampleAvgB_Dual_F_H9);
}

void frmModeSetting_H9::cboMaxFreqB_Dual_F_Click()
{
    StoreComboIndex(cboMaxFreqB_Dual_F, timerCounterParamsH9.nMaxFreqB_Dual_F_H9);
}

void frmModeSetting_H9::cboOutputModeB_Dual_F_Click()
{
    if (!StoreComboIndex(cboOutputModeB_Dual_F, timerCounterParamsH9.nOutputModeB_Dual_F_H9))
        return;
    LoadDiagramDF();
}

// ---- Common row ----

void frmModeSetting_H9::cboSGWidth_All_Click()
{
    StoreComboIndex(cboSGWidth_All, timerCounterParamsH9.nSGWidth_H9);
}

void frmModeSetting_H9::cboInputMethod_All_Click()
{
    StoreComboIndex(cboInputMethod_All, timerCounterParamsH9.nInputMethod_H9);
}
