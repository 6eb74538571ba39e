#pragma once
// Pictures by name. Each picture is drawn by our own code; names are matched without
// regard to case.
#include <QPixmap>
#include <QString>
#include <functional>

namespace platform {

using BitmapPainter = std::function<QPixmap()>;

// A null pixmap for a name no painter was registered under.
QPixmap LoadResPicture(const QString& name);
void registerBitmap(const QString& name, BitmapPainter painter);
bool hasBitmap(const QString& name);

} // namespace platform
