#pragma once
// Where the program's dialogs and message boxes appear, once for all of them: each is
// centred on the main window when it is shown, whoever opened it and whatever its
// parent. A dialog whose title is empty shows an empty title bar; left to itself the
// window system would put the program's name there.
class QWidget;

namespace platform {

// The window dialogs are centred on (not owned); nullptr when there is none. A window
// that goes is forgotten.
void setMainWindow(QWidget* window);
QWidget* mainWindow();

// Centres the top-level window `dialog` on the main window's frame while the main
// window is visible; otherwise leaves it where it is.
void centreOnMainWindow(QWidget* dialog);

// Watches the application's windows as they are shown: dialogs and message boxes are
// centred on the main window and keep an empty title empty. Installing again does
// nothing; needs a QApplication.
void installDialogPlacement();

} // namespace platform
