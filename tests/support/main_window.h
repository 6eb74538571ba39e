#pragma once
// The program's own windows for tests: their controls (as in form_access.h),
// every window closed with the main window last, and InMainWindow<F> for the tests of
// tests/app that share a lower fixture F under its name, with the main window made
// before F's set-up (once English is set, as F sets it first).
#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "app/frmMacTypeSel.h"
#include "platform/strings.h"
#include "support/deferred_delete.h"
#include "support/monitor_form_access.h"
#include "support/windows.h"

template <> struct UiOf<frmMDI> { using type = Ui_frmMDI; };
template <> struct UiOf<frmMacTypeSel> { using type = Ui_frmMacTypeSel; };
template <> struct UiOf<frmAbout> { using type = Ui_frmAbout; };

namespace testsupport {

inline void closeWindows()
{
    closeChildWindows();
    frmMDI::unload();
    dropDeferredDeletes();
}

template <class Fixture>
class InMainWindow : public Fixture {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        frmMDI::instance();
        Fixture::SetUp();
    }
    // Not in TearDown: a fixture may run that between the cases of a test.
    ~InMainWindow() override { closeWindows(); }
};

} // namespace testsupport
