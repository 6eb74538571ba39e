#include "link/messages.h"

#include "platform/message_box.h"
#include "platform/strings.h"

namespace {

// String-table id of codes kCommError to kScanTimeError.
constexpr int kStringIds[kScanTimeError] = {
    266, 267, 268, 269, 270, 275, 339, 275, 274, 275, 276, 277, 278, 261, 253, 280,
    281, 282, 283, 284, 260, 285, 286, 287, 288, 289, 290, 340, 341, 342, 343, 344,
};

} // namespace

int MessageStringId(int code)
{
    return code >= kCommError && code <= kScanTimeError ? kStringIds[code - kCommError] : 0;
}

void ShowErrorMessage(int code, const QString& detail)
{
    using namespace platform;
    const int id = MessageStringId(code);
    if (id == 0) {
        MsgBox({QStringLiteral("UnKnow Error !"), MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Error"),
                detail});
        return;
    }
    const MsgIcon icon = code <= kCompareFailed ? MsgIcon::Exclamation : MsgIcon::None;
    const QString title = code == kNoDifference ? QStringLiteral("Compare") : QStringLiteral("Error");
    MsgBox({LoadResString(id), MsgButtons::Ok, icon, title, detail});
}
