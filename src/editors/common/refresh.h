#pragma once
// After a transfer or an upload the editors' controls may have been re-enabled
// wholesale by UnlockUi; RefreshDependentControls re-runs an editor's combo handlers so
// that enabled states, diagrams and digit layouts follow the parameter bytes again.
//
// kind 0: the H9 editor; kind 1: the H5/H7 editor's timer half, 2: its counter half,
// 3: the half of its current function mode. Each editor puts in its own refresh for
// its kinds when it is made; an editor that is not loaded is left alone, and any other
// kind does nothing.
using RefreshRoutine = void (*)(int kind);

// The refresh of kinds `first` to `last` (within 0 to 3).
void SetRefreshRoutine(int first, int last, RefreshRoutine routine);

void RefreshDependentControls(int kind);
