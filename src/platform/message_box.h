#pragma once
// Message boxes: one call, the answer as the result.
// The program shows a QMessageBox; tests install a presenter that scripts the answers.
#include <QString>

namespace platform {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Exclamation, Question, Information };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString title;
    // A second paragraph under the text, e.g. what the system said and what to do about it.
    QString detail;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MsgResult present(const MessageBoxRequest& request) = 0;
};

// Shows a box through the current presenter and returns the button chosen.
MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString& title = QString());
// The same with a detail paragraph.
MsgResult MsgBox(const MessageBoxRequest& request);

// Installs `p` (not owned); nullptr restores the QMessageBox presenter.
void setMessagePresenter(MessagePresenter* p);

} // namespace platform
