#include "support/recording_shell.h"

#include "platform/dialog_placement.h"

namespace testsupport {

RecordingShell::RecordingShell() : previous_(core::setShell(this)) { platform::installDialogPlacement(); }

RecordingShell::~RecordingShell()
{
    if (&core::shell() == this)
        core::setShell(previous_);
}

void RecordingShell::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 4)
        panelHistory[static_cast<std::size_t>(panel - 1)] << text;
    PlainShell::setPanelText(panel, text);
}

void RecordingShell::showChild(QWidget* form)
{
    shownChildren << form;
    PlainShell::showChild(form);
}

} // namespace testsupport
