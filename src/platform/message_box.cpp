#include "platform/message_box.h"

#include "platform/dialog_placement.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {

class QtMessagePresenter : public MessagePresenter {
public:
    MsgResult present(const MessageBoxRequest& r) override
    {
        // Owned by the window in front, or by the main window while the program has no
        // active window (a box raised while the user works elsewhere).
        QWidget* owner = QApplication::activeModalWidget();
        if (!owner)
            owner = QApplication::activeWindow();
        if (!owner)
            owner = mainWindow();
        QMessageBox box(owner);
        box.setWindowTitle(r.title);
        box.setText(r.text);
        if (!r.detail.isEmpty())
            box.setInformativeText(r.detail);
        switch (r.icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        }
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton escape = QMessageBox::NoButton;
        switch (r.buttons) {
        case MsgButtons::Ok: buttons = QMessageBox::Ok; escape = QMessageBox::Ok; break;
        case MsgButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; escape = QMessageBox::Cancel; break;
        case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; escape = QMessageBox::No; break;
        case MsgButtons::YesNoCancel:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
        }
        box.setStandardButtons(buttons);
        box.setEscapeButton(escape);
        switch (box.exec()) {
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Cancel: return MsgResult::Cancel;
        case QMessageBox::Ok: return MsgResult::Ok;
        default:
            // Closed without a button: the escape answer, as the close box gives.
            return r.buttons == MsgButtons::Ok ? MsgResult::Ok
                 : r.buttons == MsgButtons::YesNo ? MsgResult::No
                                                  : MsgResult::Cancel;
        }
    }
};

QtMessagePresenter g_qtPresenter;
MessagePresenter* g_presenter = &g_qtPresenter;

} // namespace

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    return g_presenter->present({text, buttons, icon, title, QString()});
}

MsgResult MsgBox(const MessageBoxRequest& request) { return g_presenter->present(request); }

void setMessagePresenter(MessagePresenter* p) { g_presenter = p ? p : &g_qtPresenter; }

} // namespace platform
