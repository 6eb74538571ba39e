#pragma once
// Finds texts that do not fit their fixed box: a combo item wider than the combo's edit
// field, a caption wider than its label or button. The windows are laid out at fixed
// sizes, so a text that is too long is cut off on screen without any other sign.
#include <QString>
#include <QStringList>

class QWidget;

namespace testsupport {

// One line per clipped text under `root` (hidden controls included):
// "objectName: "text" needs N px, has M px". Empty when everything fits.
QStringList clippedTexts(const QWidget* root);

// One line per choice under `root` that reads as another of its list does: two items of a
// combo, or two captions of the radio buttons of one parent. Empty when all differ.
QStringList repeatedChoices(const QWidget* root);

} // namespace testsupport
