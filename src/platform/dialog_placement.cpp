#include "platform/dialog_placement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace platform {

namespace {

QPointer<QWidget> g_mainWindow;

bool isDialog(const QWidget* w)
{
    return w->isWindow() && w != g_mainWindow
        && (w->windowType() == Qt::Dialog || w->windowType() == Qt::Sheet);
}

class DialogPlacement : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::WindowTitleChange) || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!isDialog(w))
            return false;
        if (type == QEvent::WindowTitleChange) {
            // Emptied while on screen: the widget has just handed the empty title on.
            if (w->isVisible())
                keepEmptyTitleBlank(w);
            return false;
        }
        // The dialog's own show handling comes first: a message box settles its size
        // there, and the centring needs the final size. Both happen before the window
        // is mapped, so it never appears elsewhere first.
        static_cast<QObject*>(w)->event(event);
        centreOnMainWindow(w);
        keepEmptyTitleBlank(w);
        return true;
    }

private:
    // The window system is given an empty title as the program's name (Qt's platform
    // window falls back to it); a blank shows nothing.
    static void keepEmptyTitleBlank(QWidget* w)
    {
        if (w->windowTitle().isEmpty() && w->windowHandle())
            w->windowHandle()->setTitle(QStringLiteral(" "));
    }
};

} // namespace

void setMainWindow(QWidget* window) { g_mainWindow = window; }

QWidget* mainWindow() { return g_mainWindow.data(); }

void centreOnMainWindow(QWidget* dialog)
{
    QWidget* main = g_mainWindow.data();
    if (!dialog || !main || !main->isVisible() || main->isMinimized() || dialog == main)
        return;
    const QRect mainFrame = main->frameGeometry();
    // The dialog's frame is not known before it is mapped: take the main window's.
    const QSize margins = mainFrame.size() - main->geometry().size();
    const QSize frame = dialog->size() + margins;
    QPoint topLeft = mainFrame.center() - QPoint(frame.width() / 2, frame.height() / 2);
    // Keep the title bar on the screen the main window is on.
    if (QScreen* screen = main->screen()) {
        const QRect avail = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), avail.left(), std::max(avail.left(), avail.right() - frame.width() + 1)));
        topLeft.setY(std::clamp(topLeft.y(), avail.top(), std::max(avail.top(), avail.bottom() - frame.height() + 1)));
    }
    dialog->move(topLeft);
}

void installDialogPlacement()
{
    static QPointer<DialogPlacement> filter;
    if (filter || !qApp)
        return;
    filter = new DialogPlacement;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}

} // namespace platform
