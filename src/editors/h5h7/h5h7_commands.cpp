// The H5/H7 editor's own commands: the download and the compare of the half on show,
// the settings image its saves write, and the picture button under the diagrams. Its
// other commands are EditorWindow's.
#include "editors/h5h7/frmModeSetting_H7.h"

#include "core/machine_type.h"
#include "editors/h5h7/h5h7_refresh.h"
#include "settings_file/h5h7_image.h"
#include "transfer/run_transfer.h"

#include <QPointer>

// The settings image of the half the current function mode belongs to.
int frmModeSetting_H7::BuildSettingsImage() { return nFuncMode > 2 ? BuildFileImage_H7() : BuildFileImage_H5(); }

// ---------------------------------------------------------------- transfers

void frmModeSetting_H7::mDownload_Click()
{
    // An H8 set sends the half of its current mode, and refreshes the half it sent.
    RunTransfer(this, TransferJob::Download, nFuncMode < 3 ? DownloadKind::H5 : DownloadKind::H7,
                [] { RefreshDependentControlsH5H7(nFuncMode > 2 ? 2 : 1); });
}

void frmModeSetting_H7::mCompare_Click()
{
    // A compare refreshes by the model, an H8 set by its current mode.
    RunTransfer(this, TransferJob::Compare, [] { RefreshDependentControlsH5H7(DeviceTypeCode(nMacType) - 1); });
}

void frmModeSetting_H7::cmdDownload_All_A_Click() { mDownload_Click(); }

void frmModeSetting_H7::ImageDownload_Click()
{
    QPointer<ImageControl> button(ImageDownload);
    // The hidden button is locked with the window, so a locked window starts nothing.
    if (!cmdDownload_All_A->testAttribute(Qt::WA_Disabled)) {
        ImageDownload->setFrameStyle(QFrame::Box | QFrame::Plain);
        ImageDownload->setPictureName(QStringLiteral("IMAGE_DOWNLOAD_D"));
        ImageDownload->repaint();
        cmdDownload_All_A_Click();
    }
    if (button) {
        button->setPictureName(QStringLiteral("IMAGE_DOWNLOAD_E"));
        button->setFrameStyle(QFrame::NoFrame);
    }
}
