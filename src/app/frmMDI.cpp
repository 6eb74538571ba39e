#include "app/frmMDI.h"

#include "app/frmAbout.h"
#include "app/help_window.h"
#include "core/machine_type.h"
#include "link/comm_records.h"
#include "link/comm_status.h"
#include "link/frmCommSetup.h"
#include "platform/dialog_placement.h"
#include "platform/message_box.h"
#include "platform/strings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QMenuBar>

using platform::LoadResString;

QString frmMDI::sCmdLine;

void ToolbarControl::ConnectButtons()
{
    for (const ToolbarButton& b : buttons_)
        if (!b.IsSeparator())
            connect(b.action(), &QAction::triggered, this, [this, key = b.Key()] { emit ButtonClick(key); });
}

ToolbarButton& ToolbarControl::Buttons(int index)
{
    Q_ASSERT(index >= 1 && index <= Count());
    return buttons_.at(static_cast<std::size_t>(index - 1));
}

QString StatusBarControl::PanelText(int panel) const
{
    if (panel < 1 || panel > static_cast<int>(panels_.size()))
        return {};
    return panels_[static_cast<std::size_t>(panel - 1)]->text();
}

void StatusBarControl::setPanelText(int panel, const QString& text)
{
    if (panel < 1 || panel > static_cast<int>(panels_.size()))
        return;
    panels_[static_cast<std::size_t>(panel - 1)]->setText(text);
}

frmMDI::frmMDI()
{
    previousShell_ = core::setShell(this);
    platform::setMainWindow(this);
    platform::installDialogPlacement();
    MDIForm_Initialize();
    setupUi();
    ConnectHandlers();
    MDIForm_Load();
}

frmMDI::~frmMDI()
{
    // The children go with the window's bases, after this part of it: they must not
    // call back into it.
    disconnect(mdiArea, nullptr, this, nullptr);
    for (const QPointer<QWidget>& form : children_)
        if (form)
            disconnect(form, nullptr, this, nullptr);
    if (&core::shell() == this)
        core::setShell(previousShell_);
}

void frmMDI::ConnectHandlers()
{
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        UpdateOwnMenus(nullptr);
        if (sub && sub->widget())
            emit core::shellEvents().childActivated(sub->widget());
    });
    connect(Toolbar1, &ToolbarControl::ButtonClick, this, &frmMDI::Toolbar1_ButtonClick);
    connect(mNew, &QAction::triggered, this, &frmMDI::mNew_Click);
    // With an editor open, Open goes through the editor's own Open, so its save
    // question runs and no second editor opens beside it.
    connect(mOpen, &QAction::triggered, this, [this] { RunCommand(core::ToolbarCommand::Open); });
    connect(mExit, &QAction::triggered, this, &frmMDI::mExit_Click);
    connect(mUpload, &QAction::triggered, this, &frmMDI::mUpload_Click);
    connect(mCommSetting, &QAction::triggered, this, &frmMDI::mCommSetting_Click);
    connect(mVelHelp, &QAction::triggered, this, &frmMDI::mVelHelp_Click);
    connect(mAbout, &QAction::triggered, this, &frmMDI::mAbout_Click);
    registerOwnCommand(core::ToolbarCommand::New, [this] { mNew_Click(); });
    registerOwnCommand(core::ToolbarCommand::Open, [this] { mOpen_Click(); });
    registerOwnCommand(core::ToolbarCommand::Upload, [this] { mUpload_Click(); });
}

void frmMDI::MDIForm_Initialize() { SetStartValues(); }

void frmMDI::ApplyTextsMDI()
{
    mFile->setTitle(LoadResString(res::kMenuFile));
    mNew->setText(LoadResString(res::kMenuNew));
    mOpen->setText(LoadResString(res::kMenuOpen));
    mExit->setText(LoadResString(res::kMenuExit));
    mTool->setTitle(LoadResString(res::kMenuCommunication));
    mUpload->setText(LoadResString(res::kMenuUpload));
    mMonitor->setTitle(LoadResString(res::kMenuMonitor));
    mMonitoring->setText(LoadResString(res::kMonitoring));
    mSetting->setTitle(LoadResString(res::kMenuOption));
    mCommSetting->setText(LoadResString(res::kCommSettings));
    mHelp->setTitle(LoadResString(res::kMenuHelp));
    mVelHelp->setText(LoadResString(res::kProgramHelp));
    mAbout->setText(LoadResString(res::kAbout));
}

void frmMDI::MDIForm_Load()
{
    ApplyTextsMDI();
    StatusBar1->setPanelText(1, QString());
    StatusBar1->setPanelText(4, QString());
    UpdateCommStatusBar();
    // Without a set, only New, Open and Upload are on offer.
    using namespace core::button;
    for (int i : {Save, Download, MonitorStart, Split02})
        Toolbar1->Buttons(i).setVisible(false);
    // A tooltip is plain text: the menus' accelerator marks ("New(&N)") are left out.
    static const std::pair<int, int> kTips[] = {
        {New, res::kMenuNew},       {Open, res::kMenuOpen},         {Save, res::kMenuSave},
        {Upload, res::kMenuUpload}, {Download, res::kMenuDownload}, {MonitorStart, res::kMonitoring},
        {KP, res::kKeyProtection},  {PowerSaving, res::kPowerSaving},
    };
    for (auto [button, id] : kTips)
        Toolbar1->Buttons(button).setToolTipText(platform::withoutAccelerator(LoadResString(id)));
    // A settings file given on the command line is opened at once.
    if (sCmdLine.right(3).toUpper() == QLatin1String("KVF")) {
        CommonDialog1.FileName = sCmdLine;
        bOpenOldFile = true;
        mOpen_Click();
    }
    bOpenOldFile = false;
}

bool frmMDI::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        MDIForm_Activate();
    return QMainWindow::event(event);
}

void frmMDI::MDIForm_Activate()
{
    // Whatever changed the flags meanwhile, the window offers no maximising. Setting
    // flags re-creates a shown window, so only when they need it.
    constexpr Qt::WindowFlags kMaximising = Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint;
    if (windowFlags() & kMaximising) {
        const bool shown = isVisible();
        setWindowFlags(windowFlags() & ~kMaximising);
        if (shown)
            show();
    }
}

void frmMDI::UpdateOwnMenus(const QObject* going)
{
    // By the forms, not their frames: a frame on its way out is no frame any more.
    bool childOpen = false;
    for (const QPointer<QWidget>& form : children_)
        childOpen = childOpen || (form && form != going);
    menuBar()->setVisible(!childOpen);
    // A hidden menu bar still takes its items' shortcuts for the window; tied to their
    // menus, they wait for menus that are never opened.
    for (QAction* a : {mNew, mOpen, mExit, mUpload, mCommSetting, mVelHelp, mAbout})
        a->setShortcutContext(childOpen ? Qt::WidgetShortcut : Qt::WindowShortcut);
}

void frmMDI::showChild(QWidget* form)
{
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (sub->widget() == form) {
            sub->show();
            mdiArea->setActiveSubWindow(sub);
            UpdateOwnMenus(nullptr);
            return;
        }
    }
    QMdiSubWindow* sub = mdiArea->addSubWindow(form, Qt::SubWindow | Qt::WindowTitleHint
                                                         | Qt::WindowSystemMenuHint
                                                         | Qt::WindowMinimizeButtonHint
                                                         | Qt::WindowCloseButtonHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(form->windowTitle());
    connect(form, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    // The frame goes with its form when the form is unloaded.
    connect(form, &QObject::destroyed, sub, [sub] { sub->deleteLater(); });
    // The own menus come back once the last child has gone.
    children_.removeAll(nullptr);
    children_.append(form);
    connect(form, &QObject::destroyed, this, &frmMDI::UpdateOwnMenus);
    // Forms laid out at fixed positions have no layout to ask for their size: keep
    // the size the form gave itself.
    if (!form->layout())
        form->setMinimumSize(form->size());
    sub->adjustSize();
    sub->show();
    form->show();
    mdiArea->setActiveSubWindow(sub);
    UpdateOwnMenus(nullptr);
}

void frmMDI::childUnloaded(QWidget* form)
{
    children_.removeAll(form);
    disconnect(form, &QObject::destroyed, this, nullptr);
    UpdateOwnMenus(nullptr);
}

QWidget* frmMDI::ActiveForm() const
{
    // The current child, also while a box or dialog has the focus.
    if (QMdiSubWindow* sub = mdiArea->currentSubWindow(); sub && sub->widget() && !sub->isHidden())
        return sub->widget();
    for (QMdiSubWindow* s : mdiArea->subWindowList())
        if (!s->isHidden() && s->widget())
            return s->widget();
    return nullptr;
}

void frmMDI::setChildCaption(QWidget* form, const QString& caption)
{
    form->setWindowTitle(caption);
}

void frmMDI::registerOwnCommand(core::ToolbarCommand command, std::function<void()> handler)
{
    ownCommands_[command] = std::move(handler);
}

void frmMDI::Toolbar1_ButtonClick(const QString& key)
{
    using C = core::ToolbarCommand;
    static const std::map<QString, C> kCommands = {
        {"New", C::New},       {"Open", C::Open},         {"Save", C::Save},
        {"Upload", C::Upload}, {"Download", C::Download}, {"MonitorStart", C::Monitor},
        {"KP", C::KeyProtect}, {"PowerSaving", C::PowerSaving},
    };
    if (const auto it = kCommands.find(key); it != kCommands.end())
        RunCommand(it->second);
}

void frmMDI::RunCommand(core::ToolbarCommand command)
{
    if (QWidget* child = ActiveForm()) {
        if (auto* target = dynamic_cast<core::ToolbarCommandTarget*>(child))
            target->invokeCommand(command);
        return;
    }
    // No editor open: only New, Open and Upload have a command of the main window.
    using C = core::ToolbarCommand;
    if (command != C::New && command != C::Open && command != C::Upload)
        return;
    if (const auto own = ownCommands_.find(command); own != ownCommands_.end())
        own->second();
}

void frmMDI::mExit_Click()
{
    bMonitorUnload = false;
    close();
}

void frmMDI::mCommSetting_Click()
{
    frmCommSetup::instance().exec();
    UpdateCommStatusBar();
}

void frmMDI::mVelHelp_Click() { ShowHelpFile(HelpFilePath()); }

void frmMDI::mAbout_Click() { frmAbout::ShowModal(); }

bool frmMDI::MDIForm_QueryUnload()
{
    using namespace platform;
    if (MsgBox(LoadResString(res::kExitQuestion), MsgButtons::YesNo, MsgIcon::Question, QString()) != MsgResult::Yes)
        return false;
    const auto isMonitor = [](const QWidget* form) {
        return form && form->property("Tag").toString() == QLatin1String("4");
    };
    const bool fromMonitor = isMonitor(ActiveForm());
    QList<QPointer<QWidget>> editors;
    QPointer<QWidget> monitor;
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (QWidget* form = sub->widget()) {
            if (isMonitor(form))
                monitor = form;
            else
                editors.append(form);
        }
    }
    // The editors first, each with its save question: a set edited before the user
    // went to the monitoring window is not lost because its editor is out of sight
    // there. A Cancel or a failed save stops here, the monitoring window still open
    // and running as it was.
    for (const QPointer<QWidget>& form : editors)
        if (form && !form->close())
            return false;
    // Only now is the program closing from the monitoring window, which then does not
    // bring back the editor that has gone.
    if (fromMonitor)
        bMonitorUnload = true;
    return !monitor || monitor->close();
}

void frmMDI::MDIForm_Unload()
{
    // The children have gone with the close request; what is left are help windows.
    CloseAllHelp(HelpFilePath());
    QCoreApplication::quit();
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    MDIForm_Unload();
}
