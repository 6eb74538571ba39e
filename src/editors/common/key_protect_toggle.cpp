#include "editors/common/key_protect_toggle.h"

#include "core/key_protect.h"
#include "core/shell.h"

#include <QAction>

void ToggleKeyProtect(QAction* menuItem)
{
    bKeyProtect = bKeyProtect != 0 ? 0 : 1;
    const bool on = bKeyProtect != 0;
    menuItem->setChecked(on);
    core::ToolbarButtonState& button = core::shell().Buttons(11);
    button.setValue(on);
    button.setImage(on ? QStringLiteral("KP_ON") : QStringLiteral("KP_OFF"));
}
