#pragma once
// Registers every picture the program draws by name (see platform/bitmaps.h).
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace resources {

void registerBuiltInBitmaps();

// One registrar per group of pictures.
void registerToolbarBitmaps();
void registerMonitorBitmaps();
void registerEditorBitmaps();
void registerAppBitmaps();

// Every name the monitoring window can build for its two front panels, and its six
// button pictures, in upper case. Each is registered at the pixel size of the control
// that shows it (the upper row's size for the digit and point cells).
QStringList monitorBitmapNames();

// One of the monitoring window's pictures drawn afresh at another pixel size, for a
// control that shows it at a size other than the registered one (the lower digit row).
// Null for a name not in monitorBitmapNames() or an empty size.
QPixmap drawMonitorBitmap(const QString& name, QSize size);

// The editors' channel tabs (CH A selected / selectable, CH B selected / selectable /
// unavailable) and the download button (normal / pressed), in upper case.
QStringList editorBitmapNames();

// The icon every window carries, and the start-up picture. The splash is drawn on a
// transparent ground: see-through wherever it is transparent, and it holds no opaque
// pure black, so a window keying black out shows the same outline.
inline constexpr char kAppIconName[] = "IMAGE_APP_ICON";
inline constexpr char kSplashName[] = "IMAGE_SPLASH";

// The icon at size x size pixels: the windows carry the 64-pixel one, the desktop's
// icon theme gets the others, drawn at build time by tools/icon-gen.
QPixmap drawAppIcon(int size);

} // namespace resources
