#include "monitor/frmMonitoring.h"

#include "core/shell.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"

// What the monitoring window asks of the main window.

void frmMonitoring::setStatusPanel(int panel, const QString& text) { core::SetStatusPanel(panel, text); }

void frmMonitoring::setToolbarVisible(bool visible) { core::shell().setToolbarVisible(visible); }

// The editor that opened the monitor; its activation shows the toolbar again.
void frmMonitoring::showEditorAgain()
{
    switch (core::shell().nLoadForm) {
    case 1: core::shell().showChild(&frmModeSetting_H9::instance()); break;
    case 2:
    case 3:
    case 4: core::shell().showChild(&frmModeSetting_H7::instance()); break;
    default: break;
    }
}

bool frmMonitoring::programClosing() const { return core::shell().bMonitorUnload; }
