// The main window's Monitor command, which the editors' Monitor items and the
// toolbar's Monitor button run: the monitoring window stands in for the editor.
#include "app/frmMDI.h"

#include "monitor/frmMonitoring.h"

#include <QMdiSubWindow>

void frmMDI::mMonitoring_Click()
{
    frmMonitoring* open = frmMonitoring::loaded();
    if (QWidget* editor = ActiveForm(); editor && editor != open) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
            sub->hide();
        else
            editor->hide();
    }
    // Its own menus take the place of the main window's, as every child's do.
    showChild(&frmMonitoring::instance());
}
