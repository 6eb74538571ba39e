// The main window's controls: the menus with their shortcuts, the toolbar's twelve
// buttons, the four status panels and the grey client area the child windows live in.
#include "app/frmMDI.h"

#include "platform/bitmaps.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

ToolbarButton::ToolbarButton(QAction* action, QString key, bool separator, bool twoState)
    : action_(action), key_(std::move(key)), separator_(separator)
{
    action_->setCheckable(twoState);
}

void ToolbarButton::setImage(const QString& imageKey)
{
    image_ = imageKey;
    action_->setIcon(QIcon(platform::LoadResPicture(imageKey)));
}

ToolbarControl::ToolbarControl(QWidget* parent) : QToolBar(parent)
{
    setObjectName("Toolbar1");
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    struct Def { const char* key; bool separator; bool twoState; const char* image; bool visible; };
    // Index 1 to 12 as the window layout has them (visibility before the load step).
    static const Def kDefs[] = {
        {"split05", true, false, "", false},
        {"New", false, false, "New", true},
        {"Open", false, false, "Open", true},
        {"Save", false, false, "Save", true},
        {"split09", true, false, "", true},
        {"Upload", false, false, "Upload", true},
        {"Download", false, false, "Download", true},
        {"split01", true, false, "", true},
        {"MonitorStart", false, false, "MonitorStart", true},
        {"split02", true, false, "", true},
        {"KP", false, true, "KP_OFF", false},
        {"PowerSaving", false, true, "PS_OFF", false},
    };
    buttons_.reserve(std::size(kDefs));
    for (const Def& d : kDefs) {
        QAction* a = d.separator ? addSeparator() : addAction(QString());
        const QString key = QString::fromLatin1(d.key);
        a->setObjectName(key);
        buttons_.emplace_back(a, key, d.separator, d.twoState);
        if (*d.image)
            buttons_.back().setImage(QString::fromLatin1(d.image));
        buttons_.back().setVisible(d.visible);
    }
    ConnectButtons();
}

StatusBarControl::StatusBarControl(QWidget* parent) : QWidget(parent)
{
    setObjectName("StatusBar1");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    static const int kStretch[] = {3, 3, 2, 4};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(60);
        layout->addWidget(label, kStretch[i]);
        panels_.push_back(label);
    }
}

namespace {

QAction* menuItem(QMenu* menu, const char* name, const QKeySequence& shortcut = {})
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    return a;
}

QMenu* topMenu(QMenuBar* bar, const char* name)
{
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

void frmMDI::setupUi()
{
    setObjectName("frmMDI");
    setWindowTitle(QStringLiteral("Velmora "));
    // No maximise box and no maximise command (MDIForm_Activate keeps it so).
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Room for the larger editor with its menus and frame; centred where it opens, so
    // a box raised before the window shows (the command-line file) stands over it.
    resize(900, 720);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        resize(size().boundedTo(avail.size()));
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName("mdiArea");
    mdiArea->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdiArea);

    Toolbar1 = new ToolbarControl(this);
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    StatusBar1 = new StatusBarControl(this);
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setSizeGripEnabled(false);

    QMenuBar* bar = menuBar();
    mFile = topMenu(bar, "mFile");
    mNew = menuItem(mFile, "mNew", QKeySequence(Qt::CTRL | Qt::Key_N));
    mOpen = menuItem(mFile, "mOpen", QKeySequence(Qt::CTRL | Qt::Key_O));
    mstep0 = mFile->addSeparator();
    mstep0->setObjectName("mstep0");
    mExit = menuItem(mFile, "mExit");
    mTool = topMenu(bar, "mTool");
    mUpload = menuItem(mTool, "mUpload", QKeySequence(Qt::Key_F11));
    mMonitor = topMenu(bar, "mMonitor");
    mMonitoring = menuItem(mMonitor, "mMonitoring", QKeySequence(Qt::CTRL | Qt::Key_M));
    mMonitor->menuAction()->setVisible(false);
    mMonitor->menuAction()->setEnabled(false);
    mMonitoring->setEnabled(false);
    mSetting = topMenu(bar, "mSetting");
    mCommSetting = menuItem(mSetting, "mCommSetting", QKeySequence(Qt::CTRL | Qt::Key_U));
    mHelp = topMenu(bar, "mHelp");
    mVelHelp = menuItem(mHelp, "mVelHelp", QKeySequence(Qt::Key_F1));
    mAbout = menuItem(mHelp, "mAbout");
}
