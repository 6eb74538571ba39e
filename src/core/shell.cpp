#include "core/shell.h"

#include <QPointer>
#include <QWidget>

#include <set>

namespace core {

namespace {

Shell* g_installed = nullptr;

std::set<const Shell*>& liveShells()
{
    static std::set<const Shell*> s;
    return s;
}

PlainShell& detached()
{
    static PlainShell s;
    return s;
}

} // namespace

Shell::Shell() { liveShells().insert(this); }

Shell::~Shell()
{
    liveShells().erase(this);
    if (g_installed == this)
        g_installed = nullptr;
}

Shell& shell() { return g_installed ? *g_installed : detached(); }

QString PlainShell::PanelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[static_cast<std::size_t>(panel - 1)] : QString();
}

void PlainShell::setPanelText(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 4)
        panels_[static_cast<std::size_t>(panel - 1)] = text;
}

ToolbarButtonState& PlainShell::Buttons(int index)
{
    Q_ASSERT(index >= 1 && index <= button::Count);
    return buttons_.at(static_cast<std::size_t>(index - 1));
}

void PlainShell::showChild(QWidget* form)
{
    active_ = form;
    form->show();
    emit shellEvents().childActivated(form);
}

void PlainShell::setChildCaption(QWidget* form, const QString& caption) { form->setWindowTitle(caption); }

Shell* setShell(Shell* s)
{
    Shell* previous = g_installed;
    g_installed = s && liveShells().count(s) ? s : nullptr;
    return previous;
}

ShellEvents& shellEvents()
{
    static ShellEvents events;
    return events;
}

void SetStatusPanel(int panel, const QString& text) { shell().setPanelText(panel, text); }

} // namespace core
