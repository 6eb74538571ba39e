// The seven function modes of the H9 editor.
#include "editors/h9/frmModeSetting_H9.h"

#include "editors/common/combo_fit.h"
#include "editors/common/combo_select.h"
#include "platform/bitmaps.h"
#include "platform/strings.h"
#include "platform/twips.h"

#include <QCoreApplication>

using platform::LoadResString;

namespace {

struct ModeRow {
    quint8 funcType;
    bool partialDownloads; // mDownload_A, mDownload_B
    int titleA, titleB;    // string ids of the channel titles
    bool optPicB;          // a second diagram to choose
};

constexpr ModeRow kModes[7] = {
    {0, true, res::kTimerTitle, res::kOneStageCounter, true},         // timer + 1-stage counter
    {0, true, res::kTimerTitle, res::kTachometerTitle, true},         // timer + tachometer
    {1, false, res::kTotalCounter, res::kOneStageCounter, false},     // counter + total counter
    {1, false, res::kBatchCounter, res::kOneStageCounter, false},     // counter + batch counter
    {1, false, res::kOneStageCounter, res::kOneStageCounter, true},   // two counters
    {1, false, res::kTwoStageTimer, res::kTwoStageTimer, false},      // 2-stage timer
    {1, false, res::kTachometerTitle, res::kTachometerTitle, false},  // tachometer with two set values
};

} // namespace

void frmModeSetting_H9::mFuncModeSelect_0_Click() { SelectFunctionMode(0); }
void frmModeSetting_H9::mFuncModeSelect_1_Click() { SelectFunctionMode(1); }
void frmModeSetting_H9::mFuncModeSelect_2_Click() { SelectFunctionMode(2); }
void frmModeSetting_H9::mFuncModeSelect_3_Click() { SelectFunctionMode(3); }
void frmModeSetting_H9::mFuncModeSelect_4_Click() { SelectFunctionMode(4); }
void frmModeSetting_H9::mFuncModeSelect_5_Click() { SelectFunctionMode(5); }
void frmModeSetting_H9::mFuncModeSelect_6_Click() { SelectFunctionMode(6); }

// Switches the editor to `mode` (0 to 6). Only the mode's coding bytes change, and in
// the dual-counter modes counter 1's speed and output, whose lists depend on the mode;
// every other choice and digit stays, so switching back shows it again.
void frmModeSetting_H9::SelectFunctionMode(int mode)
{
    if (mode < 0 || mode > 6)
        return;
    const ModeRow& m = kModes[mode];
    functionMode_ = mode;
    timerCounterParamsH9.nFuncType_H9 = m.funcType;

    QAction* items[7] = {mFuncModeSelect_0, mFuncModeSelect_1, mFuncModeSelect_2, mFuncModeSelect_3,
                         mFuncModeSelect_4, mFuncModeSelect_5, mFuncModeSelect_6};
    for (int i = 0; i < 7; ++i)
        items[i]->setChecked(i == mode);
    mPLC->setChecked(false);

    mDownload_A->setEnabled(m.partialDownloads);
    mDownload_B->setEnabled(m.partialDownloads);

    const bool dualCounter = mode >= 2 && mode <= 4;
    picST_A->setVisible(mode <= 1);
    picSC_B->setVisible(mode == 0);
    picSF_B->setVisible(mode == 1);
    picDC_A->setVisible(dualCounter);
    picDC_B->setVisible(dualCounter);
    picDT_A->setVisible(mode == 5);
    picDT_B->setVisible(mode == 5);
    picDF_A->setVisible(mode == 6);
    picDF_B->setVisible(mode == 6);

    if (dualCounter) {
        // Let the panel switch paint; user input waits until the handler is done, so no
        // second mode selection can run in the middle of this one.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const bool twoCounters = mode == 4;
        cboCountInputMode_C_Dual_0->setVisible(twoCounters);
        lblCountInputMode_C_Dual_0->setVisible(twoCounters);
        cboMaxFreq_C_Dual_0->setVisible(twoCounters);
        lblMaxFreq_C_Dual_0->setVisible(twoCounters);
    }

    txtCH_A->setText(LoadResString(m.titleA));
    txtCH_B->setText(LoadResString(m.titleB));

    switch (mode) {
    case 0: timerCounterParamsH9.nFuncB_H9 = 0; break;
    case 1: timerCounterParamsH9.nFuncB_H9 = 1; break;
    case 2: case 3: case 4:
        timerCounterParamsH9.nDualFunc_H9 = 1;
        timerCounterParamsH9.nDualCounterMode_H9 = static_cast<quint8>(mode - 2);
        break;
    case 5: timerCounterParamsH9.nDualFunc_H9 = 0; break;
    case 6: timerCounterParamsH9.nDualFunc_H9 = 2; break;
    }

    if (dualCounter)
        PrepareDualCounterLists(mode - 2);

    LoadModeDiagrams();

    optPic[1]->setEnabled(m.optPicB);
    SetImageCHB(m.partialDownloads ? QStringLiteral("IMAGE_CHB_W") : QStringLiteral("IMAGE_CHB_G"));

    optPic[0]->setChecked(true);
    optPic_Click(0);

    QComboBox* focus = mode <= 1 ? cboCountModeA
                       : dualCounter ? cboOutputMode_C_Dual_0
                       : mode == 5   ? cboOutputMode_T_Dual_0
                                     : cboOutputModeA_Dual_F;
    if (focus->isVisible())
        focus->setFocus();
}

const QStringList& frmModeSetting_H9::CounterOutputItems()
{
    static const QStringList items = {"0 : N-1",  "1 : F-1",  "2 : C-1",  "3 : R-1",  "4 : K-1",
                                      "5 : P-1",  "6 : N-2",  "7 : F-2",  "8 : C-2",  "9 : R-2",
                                      "10 : K-2", "11 : P-2", "12 : Q-1", "13 : Q-2"};
    return items;
}

// Refills counter 1's speed and output lists for dual-counter sub-mode `subMode` and
// selects item 0 of each, which stores their codes through the lists' handlers.
void frmModeSetting_H9::PrepareDualCounterLists(int subMode)
{
    if (subMode < 0 || subMode > 2)
        return;
    timerCounterParamsH9.nDualCounterMode_H9 = static_cast<quint8>(subMode);
    const QStringList speeds = {"30 Hz", "100 Hz", "1K Hz", "5K Hz"};
    const QStringList& outputs = CounterOutputItems();
    const QStringList batchOutputs = {"0 : K-1", "1 : K-2", "2 : Q-1", "3 : Q-2"};

    FillComboList(cboMaxFreq_C_Dual_1, subMode == 2 ? QStringList{"30 Hz"} : speeds);
    (void)SetListIndex(cboMaxFreq_C_Dual_1, 0);
    FillComboList(cboOutputMode_C_Dual_1, subMode == 1 ? batchOutputs : outputs);
    (void)SetListIndex(cboOutputMode_C_Dual_1, 0);
    FitComboFont(cboMaxFreq_C_Dual_1, platform::formFont(9));
    FitComboFont(cboOutputMode_C_Dual_1, platform::formFont(9));

    LoadDiagramDC();
}

void frmModeSetting_H9::SetImageCHB(const QString& bitmapName)
{
    ImageCH_B->setPictureName(bitmapName);
}
