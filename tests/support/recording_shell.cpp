#include "support/recording_shell.h"

namespace testsupport {

RecordingShell::RecordingShell() { previous_ = core::setShell(this); }

RecordingShell::~RecordingShell()
{
    if (&core::shell() == this)
        core::setShell(previous_);
}

QString RecordingShell::PanelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[static_cast<std::size_t>(panel - 1)] : QString();
}

void RecordingShell::setPanelText(int panel, const QString& text)
{
    if (panel < 1 || panel > 4)
        return;
    panels_[static_cast<std::size_t>(panel - 1)] = text;
    panelHistory[static_cast<std::size_t>(panel - 1)] << text;
}

core::ToolbarButtonState& RecordingShell::Buttons(int index)
{
    return buttons_.at(static_cast<std::size_t>(index - 1));
}

void RecordingShell::showChild(QWidget* form)
{
    shownChildren << form;
    form->show();
    emit core::shellEvents().childActivated(form);
}

QWidget* RecordingShell::ActiveForm() const
{
    for (auto it = shownChildren.crbegin(); it != shownChildren.crend(); ++it)
        if (*it && !(*it)->isHidden())
            return it->data();
    return nullptr;
}

} // namespace testsupport
