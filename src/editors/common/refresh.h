#pragma once
// After a transfer the editors' controls may have been re-enabled wholesale by
// UnlockUi; RefreshDependentControls re-runs an editor's combo handlers so that enabled
// states, diagrams and digit layouts follow the parameter bytes again.
//
// kind 0: the H9 editor; kind 1: the H5/H7 editor's timer half, 2: its counter half,
// 3: the half of its current function mode. An editor that is not loaded is left
// alone, and any other kind does nothing.
void RefreshDependentControls(int kind);
