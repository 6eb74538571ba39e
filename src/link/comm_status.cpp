#include "link/comm_status.h"

#include "core/shell.h"
#include "link/comm_records.h"

void UpdateCommStatusBar()
{
    core::Shell& mdi = core::shell();
    mdi.setPanelText(
        2, QStringLiteral("COM%1 , %2").arg(commSettings.nCommPort).arg(commSettings.sCommSettingsText));
    mdi.setPanelText(
        3, QStringLiteral("Device ID(Hex) : %1")
               .arg(QString::number(commSettings.nSlaveID & 0xFF, 16).toUpper().rightJustified(2, '0')));
}
