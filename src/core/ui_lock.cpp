#include "core/ui_lock.h"

#include "core/shell.h"

#include <QAction>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {

// Enabled states saved by LockUi, per locked window. A control's own flag is kept
// (WA_ForceDisabled, not the state inherited from its parent), so rows that the
// editor's rules switched off stay off and everything else comes back.
struct SavedState {
    QList<QPair<QPointer<QWidget>, bool>> widgets;
    QList<QPair<QPointer<QAction>, bool>> actions;
    QList<bool> toolbar;
};

QHash<QWidget*, SavedState>& saved()
{
    static QHash<QWidget*, SavedState> s;
    return s;
}

} // namespace

void LockUi(QWidget* window)
{
    core::Shell& mdi = core::shell();
    SavedState state;
    for (int i = 1; i <= core::button::Count; ++i) {
        state.toolbar.append(mdi.Buttons(i).Enabled());
        mdi.Buttons(i).setEnabled(false);
    }
    if (window) {
        // Read every state before disabling anything: disabling a parent marks its
        // children disabled too, and a disabled menu disables its title action.
        const QList<QWidget*> widgets = window->findChildren<QWidget*>();
        QList<QAction*> actions;
        for (QWidget* w : widgets)
            state.widgets.append({w, !w->testAttribute(Qt::WA_ForceDisabled)});
        for (QAction* a : window->findChildren<QAction*>()) {
            // The toolbar's buttons are handled above. A hidden action cannot be
            // triggered, and reports itself disabled: leave it alone, or it would come
            // back disabled when shown again.
            if (mdi.isToolbarAction(a) || !a->isVisible())
                continue;
            state.actions.append({a, a->isEnabled()});
            actions.append(a);
        }
        for (QWidget* w : widgets)
            w->setEnabled(false);
        for (QAction* a : actions)
            a->setEnabled(false);
    }
    // A second lock of the same window must not overwrite the true states.
    if (!saved().contains(window))
        saved().insert(window, state);
}

void UnlockUi(QWidget* window)
{
    auto it = saved().find(window);
    if (it == saved().end())
        return;
    const SavedState state = *it;
    saved().erase(it);
    for (const auto& [w, enabled] : state.widgets)
        if (w)
            w->setEnabled(enabled);
    for (const auto& [a, enabled] : state.actions)
        if (a)
            a->setEnabled(enabled);
    core::Shell& mdi = core::shell();
    for (int i = 1; i <= core::button::Count; ++i)
        mdi.Buttons(i).setEnabled(state.toolbar[i - 1]);
}
