#pragma once
// Puts back, after a transfer or an upload, the enabled states, diagrams and digit
// layouts of the H9 editor that its stored choices demand. Nothing happens while the
// editor is not loaded.
void RefreshDependentControlsH9();
