#pragma once
// After a transfer the editors' controls may have been re-enabled wholesale by
// UnlockUi; RefreshDependentControls re-runs an editor's combo handlers so that enabled
// states, diagrams and digit layouts follow the parameter bytes again.
//
// kind 0: the H9 editor (handled here; nothing happens while it is not loaded).
// kind 1: the H5/H7 editor's timer half, 2: its counter half, 3: both halves.
// Kinds 1 to 3 are forwarded to the handler the H5/H7 editor registers with
// SetRefreshHandlerH5H7 (for example at program start or in its load step); without
// one they do nothing. Any other kind does nothing.
#include <functional>

void RefreshDependentControls(int kind);

// Registers (or, with an empty function, removes) the handler for kinds 1 to 3.
void SetRefreshHandlerH5H7(std::function<void(int kind)> handler);
