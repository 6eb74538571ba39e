#pragma once
// The controls of the windows, for tests that click or read them as a user does:
// ui(form).cboCountModeA. The windows keep their controls private to everything else.
// UiOf names a window's Ui_ part beside the windows of its layer: here those up to the
// editors, the monitor's in monitor_form_access.h, the program's own in main_window.h.
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "link/frmCommSetup.h"
#include "transfer/frmWriteProcess1.h"

template <class Form>
struct UiOf;
template <> struct UiOf<frmModeSetting_H9> { using type = Ui_frmModeSetting_H9; };
template <> struct UiOf<frmModeSetting_H7> { using type = Ui_frmModeSetting_H7; };
template <> struct UiOf<frmCommSetup> { using type = Ui_frmCommSetup; };
template <> struct UiOf<frmWriteProcess1> { using type = Ui_frmWriteProcess1; };

struct FormAccess {
    template <class Form>
    static typename UiOf<Form>::type& ui(Form& form) { return form; }
};

template <class Form>
auto& ui(Form& form) { return FormAccess::ui(form); }
