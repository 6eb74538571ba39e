#pragma once
// Draws a timing diagram into a picture.
#include "diagram.h"

#include <QImage>
#include <QSize>

namespace diagram {

// The editors stretch a diagram over 6030 x 4530 twips (402 x 302 pixels); drawn at
// twice that, its text stays sharp on a screen that scales the window up.
inline constexpr QSize kPictureSize(804, 604);

// The diagram on a white ground. The diagram must pass validate().
QImage paint(const Diagram& d, QSize size = kPictureSize);

} // namespace diagram
