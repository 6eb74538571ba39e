#pragma once
// Key protection of the edited set, as both editors toggle it.
class QAction;

// Switches bKeyProtect over and shows the new state in the editor's menu item (ticked
// while on) and the main window's KP button (toolbar button 11: pressed, with the
// picture "KP_ON" while on, "KP_OFF" while off). Leaves the change flag alone.
void ToggleKeyProtect(QAction* menuItem);
