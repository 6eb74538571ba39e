#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedMessages::~ScriptedMessages()
{
    platform::setMessagePresenter(nullptr);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) were never asked for";
}

platform::MsgResult ScriptedMessages::present(const platform::MessageBoxRequest& request)
{
    shown_.push_back(request);
    if (onBox)
        onBox(request);
    if (!answers_.empty()) {
        const platform::MsgResult r = answers_.front();
        answers_.pop_front();
        return r;
    }
    if (autoOk_ && request.buttons == platform::MsgButtons::Ok)
        return platform::MsgResult::Ok;
    ADD_FAILURE() << "Unscripted message box: \"" << request.text.toStdString() << "\" titled \""
                  << request.title.toStdString() << "\"";
    switch (request.buttons) {
    case platform::MsgButtons::Ok: return platform::MsgResult::Ok;
    case platform::MsgButtons::YesNo: return platform::MsgResult::No;
    default: return platform::MsgResult::Cancel;
    }
}

platform::FileDialogAnswer ScriptedFileDialogs::present(const platform::FileDialogRequest& request)
{
    shown_.push_back(request);
    if (answers_.empty()) {
        ADD_FAILURE() << "Unscripted file dialog: \"" << request.title.toStdString() << "\"";
        return {platform::kDialogCancelled, {}};
    }
    platform::FileDialogAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

} // namespace testsupport
