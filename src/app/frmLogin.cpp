#include "app/frmLogin.h"

#include "app/frmMDI.h"
#include "platform/bitmaps.h"
#include "platform/clock.h"
#include "resources/bitmaps.h"

#include <QApplication>
#include <QIcon>

namespace {

QString g_commandLine;

} // namespace

frmLogin::frmLogin()
{
    setupUi();
    Form_Load();
}

frmLogin::~frmLogin() = default;

void frmLogin::Start(const QString& commandLine)
{
    // Every window of the program carries the program's icon.
    QApplication::setWindowIcon(QIcon(platform::LoadResPicture(QString::fromLatin1(resources::kAppIconName))));
    g_commandLine = commandLine;
    frmLogin& splash = instance();
    splash.show();
    splash.Form_Activate();
}

void frmLogin::Form_Load()
{
    // Exactly as given: Load decides by its last three characters.
    frmMDI::sCmdLine = g_commandLine;
}

void frmLogin::Form_Activate()
{
    platform::Clock& clock = platform::clock();
    clock.waitUntil(clock.tickMs() + kShowMs, {});
    unload();
    frmMDI& mdi = frmMDI::instance();
    mdi.show();
    mdi.activateWindow();
}
