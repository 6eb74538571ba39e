// The main window's New: the model chooser, then the editor of the chosen model,
// freshly loaded with its defaults, in the model's first function mode.
#include "app/frmMDI.h"

#include "app/frmMacTypeSel.h"
#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"

void frmMDI::mNew_Click()
{
    frmMacTypeSel::ShowModal();
    if (!bMacTypeSelOK)
        return;

    switch (nMacType) {
    case kMacTypeH9: {
        frmModeSetting_H9& ed = frmModeSetting_H9::instance();
        ed.Show();
        ed.mFuncModeSelect_0_Click();
        break;
    }
    case kMacTypeH5:
    case kMacTypeH7:
    case kMacTypeH8: {
        // The editor lays itself out for nMacType as it loads, its function-mode items
        // those of the model.
        frmModeSetting_H7& ed = frmModeSetting_H7::instance();
        ed.Show();
        if (nMacType == kMacTypeH7)
            ed.mFuncModeSelect_3_Click();
        else
            ed.mFuncModeSelect_0_Click();
        break;
    }
    default:
        return;
    }
    // The defaults are no change of the user's, and belong to no file.
    bChange = false;
    bHasFileName = false;
    StatusBar1->setPanelText(4, platform::LoadResString(res::kStatusFileOpened));
}
