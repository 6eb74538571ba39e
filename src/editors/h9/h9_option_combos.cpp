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
    if (nFuncType_H9 == 0) {
        LoadDiagramST();
        if (nFuncB_H9 == 0)
            LoadDiagramSC();
        else
            LoadDiagramSF();
        return;
    }
    switch (nDualFunc_H9) {
    case 0: LoadDiagramDT(); break;
    case 1:
        if (nDualCounterMode_H9 == 2) {
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

void frmModeSetting_H9::LoadDiagramST() { LoadDiagram(Image_Output_A, H9DiagramPathST(nOutputModeA_H9)); }

void frmModeSetting_H9::LoadDiagramSC()
{
    LoadDiagram(Image_Output_B, H9DiagramPathSC(nCountInputModeB_H9, nOutputModeB_H9));
}

void frmModeSetting_H9::LoadDiagramSF() { LoadDiagram(Image_Output_B, H9DiagramPathSF(nOutputModeB_F_H9)); }

void frmModeSetting_H9::LoadDiagramDC()
{
    LoadDiagram(Image_Output_A, H9DiagramPathDC(nDualCounterMode_H9, nOutputMode_C_Dual_0_H9,
                                                nCountInputMode_C_Dual_1_H9, nOutputMode_C_Dual_1_H9));
}

// Two counters: counter 1 draws as a single counter in diagram B ...
void frmModeSetting_H9::LoadDiagramDualCounter1()
{
    LoadDiagram(Image_Output_B, H9DiagramPathSC(nCountInputMode_C_Dual_1_H9, nOutputMode_C_Dual_1_H9));
}

// ... and counter 0, with its fixed input, by its output kind in diagram A.
void frmModeSetting_H9::LoadDiagramDualCounter0()
{
    LoadDiagram(Image_Output_A, H9DiagramPathDualCounter0(nOutputMode_C_Dual_0_H9));
}

void frmModeSetting_H9::LoadDiagramDT()
{
    LoadDiagram(Image_Output_A, H9DiagramPathDT(nOutputMode_T_Dual_0_H9, nOutputMode_T_Dual_1_H9));
}

void frmModeSetting_H9::LoadDiagramDF()
{
    LoadDiagram(Image_Output_A, H9DiagramPathDF(nOutputModeA_Dual_F_H9, nOutputModeB_Dual_F_H9));
}

// ---- Timer A ----

void frmModeSetting_H9::cboCountModeA_Click()
{
    if (!StoreComboIndex(cboCountModeA, nTimeRangeA_H9))
        return;
    // Seconds with two decimals in range 0, whole numbers otherwise; the digits stay.
    LayoutDigitLabels(nTimeRangeA_H9 == 0 ? 2 : 0, *lblTimerSettingA);
}

void frmModeSetting_H9::cboCountDirectionA_Click()
{
    StoreComboIndex(cboCountDirectionA, nCountDirectionA_H9);
}

void frmModeSetting_H9::cboOutputModeA_Click()
{
    if (!StoreComboIndex(cboOutputModeA, nOutputModeA_H9))
        return;
    lblHoldTimeA->setRowEnabled(nOutputModeA_H9 != 0 && nOutputModeA_H9 != 5);
    LoadDiagramST();
}

// ---- Counter B ----

void frmModeSetting_H9::cboCountInputModeB_Click()
{
    if (!StoreComboIndex(cboCountInputModeB, nCountInputModeB_H9))
        return;
    LoadDiagramSC();
}

void frmModeSetting_H9::cboDotAdjB_Click()
{
    if (!StoreComboIndex(cboDotAdjB, nDotAdjB_H9))
        return;
    LayoutDigitLabels(nDotAdjB_H9, *lblCounterSettingB);
}

void frmModeSetting_H9::cboMaxFreqB_Click()
{
    StoreComboIndex(cboMaxFreqB, nMaxFreqB_H9);
}

void frmModeSetting_H9::cboOutputModeB_Click()
{
    if (!StoreComboIndex(cboOutputModeB, nOutputModeB_H9))
        return;
    lblHoldCounterB->setRowEnabled(counterOutputHasTime(nOutputModeB_H9));
    LoadDiagramSC();
}

// ---- Tachometer B ----

void frmModeSetting_H9::cboSampleAvgB_F_Click()
{
    StoreComboIndex(cboSampleAvgB_F, nSampleAvgB_F_H9);
}

void frmModeSetting_H9::cboDotAdjB_F_Click()
{
    if (!StoreComboIndex(cboDotAdjB_F, nDotAdjB_F_H9))
        return;
    LayoutDigitLabels(nDotAdjB_F_H9, *lblCounterSettingB_F);
}

void frmModeSetting_H9::cboMaxFreqB_F_Click()
{
    StoreComboIndex(cboMaxFreqB_F, nMaxFreqB_F_H9);
}

void frmModeSetting_H9::cboOutputModeB_F_Click()
{
    if (!StoreComboIndex(cboOutputModeB_F, nOutputModeB_F_H9))
        return;
    LoadDiagramSF();
}

// ---- 2-stage timer ----

void frmModeSetting_H9::cboOutputMode_T_Dual_0_Click()
{
    if (!StoreComboIndex(cboOutputMode_T_Dual_0, nOutputMode_T_Dual_0_H9))
        return;
    lblHoldTime_T_Dual_0->setRowEnabled(nOutputMode_T_Dual_0_H9 != 0);
    LoadDiagramDT();
}

void frmModeSetting_H9::cboOutputMode_T_Dual_1_Click()
{
    if (!StoreComboIndex(cboOutputMode_T_Dual_1, nOutputMode_T_Dual_1_H9))
        return;
    lblHoldTime_T_Dual_1->setRowEnabled(nOutputMode_T_Dual_1_H9 != 0);
    LoadDiagramDT();
}

// ---- Dual counter ----

void frmModeSetting_H9::cboOutputMode_C_Dual_0_Click()
{
    if (!StoreComboIndex(cboOutputMode_C_Dual_0, nOutputMode_C_Dual_0_H9))
        return;
    lblHoldCounter_C_Dual_0->setRowEnabled(nOutputMode_C_Dual_0_H9 != 0);
    if (nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter0();
    else
        LoadDiagramDC();
}

void frmModeSetting_H9::cboCountInputMode_C_Dual_1_Click()
{
    if (!StoreComboIndex(cboCountInputMode_C_Dual_1, nCountInputMode_C_Dual_1_H9))
        return;
    if (nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter1();
    else
        LoadDiagramDC();
}

void frmModeSetting_H9::cboMaxFreq_C_Dual_1_Click()
{
    StoreComboIndex(cboMaxFreq_C_Dual_1, nMaxFreq_C_Dual_1_H9);
}

void frmModeSetting_H9::cboOutputMode_C_Dual_1_Click()
{
    const int p = cboOutputMode_C_Dual_1->currentIndex();
    if (p < 0)
        return;
    // With a batch counter the four items carry the codes of the full output list.
    static constexpr int kBatchCodes[] = {4, 10, 12, 13};
    int code = p;
    if (nDualCounterMode_H9 == 1) {
        if (p >= static_cast<int>(std::size(kBatchCodes)))
            return;
        code = kBatchCodes[p];
    }
    StoreSetting(nOutputMode_C_Dual_1_H9, code);
    if (nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter1();
    else
        LoadDiagramDC();
    lblHoldCounter_C_Dual_1->setRowEnabled(counterOutputHasTime(nOutputMode_C_Dual_1_H9));
}

// ---- Dual tachometer ----

void frmModeSetting_H9::cboOutputModeA_Dual_F_Click()
{
    if (!StoreComboIndex(cboOutputModeA_Dual_F, nOutputModeA_Dual_F_H9))
        return;
    LoadDiagramDF();
}

void frmModeSetting_H9::cboSampleAvgB_Dual_F_Click()
{
    StoreComboIndex(cboSampleAvgB_Dual_F, nSampleAvgB_Dual_F_H9);
}

void frmModeSetting_H9::cboMaxFreqB_Dual_F_Click()
{
    StoreComboIndex(cboMaxFreqB_Dual_F, nMaxFreqB_Dual_F_H9);
}

void frmModeSetting_H9::cboOutputModeB_Dual_F_Click()
{
    if (!StoreComboIndex(cboOutputModeB_Dual_F, nOutputModeB_Dual_F_H9))
        return;
    LoadDiagramDF();
}

// ---- Common row ----

void frmModeSetting_H9::cboSGWidth_All_Click()
{
    StoreComboIndex(cboSGWidth_All, nSGWidth_H9);
}

void frmModeSetting_H9::cboInputMethod_All_Click()
{
    StoreComboIndex(cboInputMethod_All, nInputMethod_H9);
}
