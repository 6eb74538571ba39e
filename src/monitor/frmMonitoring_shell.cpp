#include "monitor/frmMonitoring.h"

// What the monitoring window asks of the main window.

void frmMonitoring::setStatusPanel(int, const QString&) {}

void frmMonitoring::setToolbarVisible(bool) {}

void frmMonitoring::showEditorAgain() {}

bool frmMonitoring::programClosing() const { return false; }
