#pragma once
// Locks a window and the main window's toolbar while a transfer runs, so that a click
// during a reply wait cannot start a second job.
class QWidget;

void LockUi(QWidget* window);
// Gives every control locked by LockUi(window) back the enabled state it had before.
void UnlockUi(QWidget* window);
