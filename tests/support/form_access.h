#pragma once
// The controls of the windows, for tests that click or read them as a user does:
// ui(form).cboCountModeA. The windows keep their controls private to everything else.
#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "app/frmMacTypeSel.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/frmCommSetup.h"
#include "monitor/frmLogging.h"
#include "monitor/frmMonitoring.h"
#include "transfer/frmWriteProcess1.h"

struct FormAccess {
    static Ui_frmModeSetting_H9& ui(frmModeSetting_H9& f) { return f; }
    static Ui_frmModeSetting_H7& ui(frmModeSetting_H7& f) { return f; }
    static Ui_frmCommSetup& ui(frmCommSetup& d) { return d; }
    static Ui_frmMacTypeSel& ui(frmMacTypeSel& d) { return d; }
    static Ui_frmAbout& ui(frmAbout& d) { return d; }
    static Ui_frmMDI& ui(frmMDI& m) { return m; }
    static Ui_frmMonitoring& ui(frmMonitoring& f) { return f; }
    static Ui_frmLogging& ui(frmLogging& d) { return d; }
    static Ui_frmWriteProcess1& ui(frmWriteProcess1& w) { return w; }
};

template <class Form>
auto& ui(Form& form) { return FormAccess::ui(form); }
