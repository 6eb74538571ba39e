#pragma once
// What the three loaders share: a refusal that ends the load, and the checked ways
// of putting an image position into an editor control.
#include "core/settings_buffers.h"

class DigitLabelArray;
class QComboBox;

namespace image_loading {

// Thrown inside a loader at the first position it does not accept; the loader turns
// it into its fail code and unloads the half-filled editor.
struct LoadRefused {};

[[noreturn]] inline void refuse() { throw LoadRefused{}; }

// Selects `index` through the editors' code path (SetListIndex, which runs the combo's
// handler); an index outside the list ends the load.
void select(QComboBox* combo, int index);

// What a label may take from an image.
enum class CaptionKind {
    Digit,          // "0".."9"
    SignedDigit,    // "0".."9" or "-" (label 0 of a signed set value)
    Separator,      // "." or the greyed "0"
};

bool captionAccepted(char c, CaptionKind kind);

// Sets label `label` of `row` to the character at `pos` after checking it.
void putCaption(const SettingFileImage& image, int pos, DigitLabelArray& row, int label,
                CaptionKind kind);

} // namespace image_loading
