#pragma once
// Panels 2 and 3 of the main window's status bar: the line settings and the slave ID.
void UpdateCommStatusBar();
