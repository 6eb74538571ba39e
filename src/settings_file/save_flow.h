#pragma once
// The editors' Save and Save As: build the image with the editor's writer, write it to
// the current file or through the Save As dialog, and tell the user the outcome.
#include <functional>

namespace settings_file {

enum class SaveOutcome {
    Saved,     // written; the set has no unsaved changes
    Cancelled, // the user stopped the Save As; nothing shown, nothing changed
    Failed,    // the build or the write failed; its message has been shown
};

using ImageBuilder = std::function<int()>;

// Save: to the current file when the set has one, else through Save As.
SaveOutcome SaveSettingFlow(const ImageBuilder& buildImage);
// Save As: always through the dialog.
SaveOutcome SaveSettingAsFlow(const ImageBuilder& buildImage);

} // namespace settings_file
