// Selection handlers of the H9 editor's option combos.
#include "editors/h9/frmModeSetting_H9.h"

#include "platform/folders.h"

#include <QPixmap>

namespace {

// Stores code `code` in `byte`, marking the set changed only when the value changes.
void storeCode(quint8& byte, int code)
{
    if (code < 0 || code > 255)
        return;
    if (byte != static_cast<quint8>(code))
        core::shell().bChange = true;
    byte = static_cast<quint8>(code);
}

// The selected list position as the byte's code; false while nothing is selected, so a
// handler run on an empty selection never stores -1.
bool selected(const QComboBox* combo, int& position)
{
    position = combo->currentIndex();
    return position >= 0;
}

void setRowEnabled(DigitLabelArray& row, bool enabled)
{
    for (int i = 0; i <= DigitLabelArray::kSeparator; ++i)
        row(i).setEnabled(enabled);
}

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

// Counter input modes that draw the same diagram share a group.
int inputGroup(quint8 inputMode)
{
    switch (inputMode) {
    case 1: case 6: return 1;
    case 3: case 5: return 3;
    case 4: case 7: return 4;
    default: return 0;
    }
}

QString dec(int v) { return QString::number(v); }
QString hex(int v) { return QString::number(v, 16); }

// A diagram's file name: the prefix, the fields joined by "_", and "_0.jpg".
QString diagramName(const QString& prefix, const QStringList& fields)
{
    return prefix + fields.join(QLatin1Char('_')) + QStringLiteral("_0.jpg");
}

} // namespace

// ---- Diagrams ----

void frmModeSetting_H9::LoadDiagram(QLabel* image, QString& pathMember, const QString& folder,
                                    const QString& fileName)
{
    pathMember = platform::appDataDir() + QStringLiteral("/Picture/733/") + folder + QLatin1Char('/') + fileName;
    QPixmap picture;
    // A missing or unreadable file leaves the picture on show.
    if (picture.load(pathMember, "JPG"))
        image->setPixmap(picture);
}

void frmModeSetting_H9::LoadDiagramST()
{
    LoadDiagram(Image_Output_A, sDiagramPathA, QStringLiteral("Output_ST"),
                diagramName(QStringLiteral("image_Ind_Timer_Out_"), {dec(nOutputModeA_H9)}));
}

void frmModeSetting_H9::LoadDiagramSC()
{
    LoadDiagram(Image_Output_B, sDiagramPathB, QStringLiteral("Output_SC"),
                diagramName(QStringLiteral("image_Ind_Counter_Out_"),
                            {dec(inputGroup(nCountInputModeB_H9)), hex(nOutputModeB_H9)}));
}

void frmModeSetting_H9::LoadDiagramSF()
{
    LoadDiagram(Image_Output_B, sDiagramPathB, QStringLiteral("Output_SF"),
                diagramName(QStringLiteral("image_Ind_Freq_Out_"), {dec(nOutputModeB_F_H9)}));
}

void frmModeSetting_H9::LoadDiagramDC()
{
    LoadDiagram(Image_Output_A, sDiagramPathA, QStringLiteral("Output_DC"),
                diagramName(QStringLiteral("image_Dual_Counter_Out_"),
                            {dec(nDualCounterMode_H9), dec(nOutputMode_C_Dual_0_H9),
                             dec(nCountInputMode_C_Dual_1_H9), hex(nOutputMode_C_Dual_1_H9)}));
}

// Two counters: counter 1 draws as a single counter in diagram B ...
void frmModeSetting_H9::LoadDiagramDualCounter1()
{
    LoadDiagram(Image_Output_B, sDiagramPathB, QStringLiteral("Output_SC"),
                diagramName(QStringLiteral("image_Ind_Counter_Out_"),
                            {dec(inputGroup(nCountInputMode_C_Dual_1_H9)), hex(nOutputMode_C_Dual_1_H9)}));
}

// ... and counter 0, with its fixed input, by its output kind in diagram A.
void frmModeSetting_H9::LoadDiagramDualCounter0()
{
    LoadDiagram(Image_Output_A, sDiagramPathA, QStringLiteral("Output_SC"),
                diagramName(QStringLiteral("image_Ind_Counter_Out_1_"),
                            {dec(nOutputMode_C_Dual_0_H9 == 0 ? 0 : 4)}));
}

void frmModeSetting_H9::LoadDiagramDT()
{
    LoadDiagram(Image_Output_A, sDiagramPathA, QStringLiteral("Output_DT"),
                diagramName(QStringLiteral("image_Dual_Timer_Out_"),
                            {dec(nOutputMode_T_Dual_0_H9), dec(nOutputMode_T_Dual_1_H9)}));
}

void frmModeSetting_H9::LoadDiagramDF()
{
    LoadDiagram(Image_Output_A, sDiagramPathA, QStringLiteral("Output_DF"),
                diagramName(QStringLiteral("image_Dual_Freq_Out_"),
                            {dec(nOutputModeA_Dual_F_H9), dec(nOutputModeB_Dual_F_H9)}));
}

// ---- Timer A ----

void frmModeSetting_H9::cboCountModeA_Click()
{
    int p;
    if (!selected(cboCountModeA, p))
        return;
    storeCode(nTimeRangeA_H9, p);
    // Seconds with two decimals in range 0, whole numbers otherwise; the digits stay.
    LayoutDigitLabels(nTimeRangeA_H9 == 0 ? 2 : 0, *lblTimerSettingA);
}

void frmModeSetting_H9::cboCountDirectionA_Click()
{
    int p;
    if (selected(cboCountDirectionA, p))
        storeCode(nCountDirectionA_H9, p);
}

void frmModeSetting_H9::cboOutputModeA_Click()
{
    int p;
    if (!selected(cboOutputModeA, p))
        return;
    storeCode(nOutputModeA_H9, p);
    setRowEnabled(*lblHoldTimeA, nOutputModeA_H9 != 0 && nOutputModeA_H9 != 5);
    LoadDiagramST();
}

// ---- Counter B ----

void frmModeSetting_H9::cboCountInputModeB_Click()
{
    int p;
    if (!selected(cboCountInputModeB, p))
        return;
    storeCode(nCountInputModeB_H9, p);
    LoadDiagramSC();
}

void frmModeSetting_H9::cboDotAdjB_Click()
{
    int p;
    if (!selected(cboDotAdjB, p))
        return;
    storeCode(nDotAdjB_H9, p);
    LayoutDigitLabels(nDotAdjB_H9, *lblCounterSettingB);
}

void frmModeSetting_H9::cboMaxFreqB_Click()
{
    int p;
    if (selected(cboMaxFreqB, p))
        storeCode(nMaxFreqB_H9, p);
}

void frmModeSetting_H9::cboOutputModeB_Click()
{
    int p;
    if (!selected(cboOutputModeB, p))
        return;
    storeCode(nOutputModeB_H9, p);
    setRowEnabled(*lblHoldCounterB, counterOutputHasTime(nOutputModeB_H9));
    LoadDiagramSC();
}

// ---- Tachometer B ----

void frmModeSetting_H9::cboSampleAvgB_F_Click()
{
    int p;
    if (selected(cboSampleAvgB_F, p))
        storeCode(nSampleAvgB_F_H9, p);
}

void frmModeSetting_H9::cboDotAdjB_F_Click()
{
    int p;
    if (!selected(cboDotAdjB_F, p))
        return;
    storeCode(nDotAdjB_F_H9, p);
    LayoutDigitLabels(nDotAdjB_F_H9, *lblCounterSettingB_F);
}

void frmModeSetting_H9::cboMaxFreqB_F_Click()
{
    int p;
    if (selected(cboMaxFreqB_F, p))
        storeCode(nMaxFreqB_F_H9, p);
}

void frmModeSetting_H9::cboOutputModeB_F_Click()
{
    int p;
    if (!selected(cboOutputModeB_F, p))
        return;
    storeCode(nOutputModeB_F_H9, p);
    LoadDiagramSF();
}

// ---- 2-stage timer ----

void frmModeSetting_H9::cboOutputMode_T_Dual_0_Click()
{
    int p;
    if (!selected(cboOutputMode_T_Dual_0, p))
        return;
    storeCode(nOutputMode_T_Dual_0_H9, p);
    setRowEnabled(*lblHoldTime_T_Dual_0, nOutputMode_T_Dual_0_H9 != 0);
    LoadDiagramDT();
}

void frmModeSetting_H9::cboOutputMode_T_Dual_1_Click()
{
    int p;
    if (!selected(cboOutputMode_T_Dual_1, p))
        return;
    storeCode(nOutputMode_T_Dual_1_H9, p);
    setRowEnabled(*lblHoldTime_T_Dual_1, nOutputMode_T_Dual_1_H9 != 0);
    LoadDiagramDT();
}

// ---- Dual counter ----

void frmModeSetting_H9::cboOutputMode_C_Dual_0_Click()
{
    int p;
    if (!selected(cboOutputMode_C_Dual_0, p))
        return;
    storeCode(nOutputMode_C_Dual_0_H9, p);
    setRowEnabled(*lblHoldCounter_C_Dual_0, nOutputMode_C_Dual_0_H9 != 0);
    if (nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter0();
    else
        LoadDiagramDC();
}

void frmModeSetting_H9::cboCountInputMode_C_Dual_1_Click()
{
    int p;
    if (!selected(cboCountInputMode_C_Dual_1, p))
        return;
    storeCode(nCountInputMode_C_Dual_1_H9, p);
    if (nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter1();
    else
        LoadDiagramDC();
}

void frmModeSetting_H9::cboMaxFreq_C_Dual_1_Click()
{
    int p;
    if (selected(cboMaxFreq_C_Dual_1, p))
        storeCode(nMaxFreq_C_Dual_1_H9, p);
}

void frmModeSetting_H9::cboOutputMode_C_Dual_1_Click()
{
    int p;
    if (!selected(cboOutputMode_C_Dual_1, p))
        return;
    // With a batch counter the four items carry the codes of the full output list.
    static constexpr int kBatchCodes[] = {4, 10, 12, 13};
    int code = p;
    if (nDualCounterMode_H9 == 1) {
        if (p >= static_cast<int>(std::size(kBatchCodes)))
            return;
        code = kBatchCodes[p];
    }
    storeCode(nOutputMode_C_Dual_1_H9, code);
    if (nDualCounterMode_H9 == 2)
        LoadDiagramDualCounter1();
    else
        LoadDiagramDC();
    setRowEnabled(*lblHoldCounter_C_Dual_1, counterOutputHasTime(nOutputMode_C_Dual_1_H9));
}

// ---- Dual tachometer ----

void frmModeSetting_H9::cboOutputModeA_Dual_F_Click()
{
    int p;
    if (!selected(cboOutputModeA_Dual_F, p))
        return;
    storeCode(nOutputModeA_Dual_F_H9, p);
    LoadDiagramDF();
}

void frmModeSetting_H9::cboSampleAvgB_Dual_F_Click()
{
    int p;
    if (selected(cboSampleAvgB_Dual_F, p))
        storeCode(nSampleAvgB_Dual_F_H9, p);
}

void frmModeSetting_H9::cboMaxFreqB_Dual_F_Click()
{
    int p;
    if (selected(cboMaxFreqB_Dual_F, p))
        storeCode(nMaxFreqB_Dual_F_H9, p);
}

void frmModeSetting_H9::cboOutputModeB_Dual_F_Click()
{
    int p;
    if (!selected(cboOutputModeB_Dual_F, p))
        return;
    storeCode(nOutputModeB_Dual_F_H9, p);
    LoadDiagramDF();
}

// ---- Common row ----

void frmModeSetting_H9::cboSGWidth_All_Click()
{
    int p;
    if (selected(cboSGWidth_All, p))
        storeCode(nSGWidth_H9, p);
}

void frmModeSetting_H9::cboInputMethod_All_Click()
{
    int p;
    if (selected(cboInputMethod_All, p))
        storeCode(nInputMethod_H9, p);
}
