#pragma once
// What the three loaders share: a refusal that ends the load, and the checked ways
// of putting an image position into an editor control.
#include "core/settings_buffers.h"

#include <QString>

#include <optional>

class DigitLabelArray;
class QComboBox;
class QWidget;

namespace image_loading {

// Thrown inside a loader at the first position it does not accept; the loader turns
// it into its fail code and unloads the half-filled editor.
struct LoadRefused {};

// What a load refused, for the line under an upload's failure box: the setting as the
// editor captions it and the value the image held.
struct Refusal {
    QString setting;
    QString value;
};

// The refusal of the last load that named one; its caller clears it before a load.
std::optional<Refusal>& lastRefusal();

// Ends the load at a position that names no setting.
[[noreturn]] void refuse();
// Ends the load, recording `setting` and `value` first.
[[noreturn]] void refuse(const QString& setting, const QString& value);

// The caption the editor shows for `control`: the label that is its buddy, else the
// label on its line to its left; without the accelerator and the trailing colon. The
// control's name when it has none.
QString settingCaption(const QWidget* control);

// Selects `index` through the editors' code path (SetListIndex, which runs the combo's
// handler); an index outside the list ends the load, naming the combo's caption.
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
