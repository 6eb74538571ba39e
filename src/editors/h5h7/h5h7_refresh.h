#pragma once
// Puts back, after a transfer or an upload, the enabled states, layouts and channel
// buttons of the H5/H7 editor that its stored choices demand: kind 1 the timer half,
// 2 the counter half, 3 the half of the current function mode (an H8 set). Any other
// kind does nothing. The editor window must be loaded.
void RefreshDependentControlsH5H7(int kind);
