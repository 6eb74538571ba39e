#pragma once
// Scripted answers for message boxes and file dialogs. Every box is recorded; a box
// or dialog nobody scripted fails the test instead of waiting for a user.
#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

class ScriptedMessages : public platform::MessagePresenter {
public:
    ScriptedMessages() { platform::setMessagePresenter(this); }
    ~ScriptedMessages() override;

    // Queues the answer for the next box.
    ScriptedMessages& answer(platform::MsgResult r) { answers_.push_back(r); return *this; }
    // Boxes with only an OK button need no script when this is on.
    void autoAcknowledgeOk(bool on = true) { autoOk_ = on; }

    platform::MsgResult present(const platform::MessageBoxRequest& request) override;

    const std::vector<platform::MessageBoxRequest>& shown() const { return shown_; }
    int count() const { return static_cast<int>(shown_.size()); }
    const platform::MessageBoxRequest& last() const { return shown_.back(); }
    void clear() { shown_.clear(); }
    bool allAnswered() const { return answers_.empty(); }
    // Runs while each box is up, before it is answered: a look at the window behind it,
    // or a user who takes a while to press OK.
    std::function<void(const platform::MessageBoxRequest&)> onBox;

private:
    std::deque<platform::MsgResult> answers_;
    std::vector<platform::MessageBoxRequest> shown_;
    bool autoOk_ = false;
};

class ScriptedFileDialogs : public platform::FileDialogPresenter {
public:
    ScriptedFileDialogs() { platform::setFileDialogPresenter(this); }
    ~ScriptedFileDialogs() override { platform::setFileDialogPresenter(nullptr); }

    ScriptedFileDialogs& accept(const QString& path) { answers_.push_back({platform::kDialogAccepted, path}); return *this; }
    ScriptedFileDialogs& cancel() { answers_.push_back({platform::kDialogCancelled, {}}); return *this; }
    ScriptedFileDialogs& invalidName() { answers_.push_back({platform::kDialogInvalidFileName, {}}); return *this; }

    platform::FileDialogAnswer present(const platform::FileDialogRequest& request) override;

    const std::vector<platform::FileDialogRequest>& shown() const { return shown_; }

private:
    std::deque<platform::FileDialogAnswer> answers_;
    std::vector<platform::FileDialogRequest> shown_;
};

} // namespace testsupport
