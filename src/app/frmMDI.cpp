#include "app/frmMDI.h"

#include "core/machine_type.h"
#include "core/monitor_state.h"
#include "link/comm_records.h"
#include "link/comm_status.h"
#include "link/frmCommSetup.h"
#include "platform/bitmaps.h"
#include "platform/message_box.h"
#include "platform/strings.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

using platform::LoadResString;

QString frmMDI::sCmdLine;

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
        if (!d.separator) {
            connect(a, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
        }
    }
}

ToolbarButton& ToolbarControl::Buttons(int index)
{
    Q_ASSERT(index >= 1 && index <= Count());
    return buttons_.at(static_cast<std::size_t>(index - 1));
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
    MDIForm_Initialize();

    setObjectName("frmMDI");
    setWindowTitle(QStringLiteral("Velmora "));
    // The main window never offers maximising.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(900, 680);

    mdiArea = new QMdiArea(this);
    mdiArea->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (sub && sub->widget())
            emit core::shellEvents().childActivated(sub->widget());
    });

    Toolbar1 = new ToolbarControl(this);
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    connect(Toolbar1, &ToolbarControl::ButtonClick, this, &frmMDI::Toolbar1_ButtonClick);

    StatusBar1 = new StatusBarControl(this);
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setSizeGripEnabled(false);

    mFile = menuBar()->addMenu(QString());
    mFile->setObjectName("mFile");
    mOpen = mFile->addAction(QString());
    mOpen->setObjectName("mOpen");
    mOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    // With an editor open, Open goes through the editor's own Open, so its save
    // question runs and no second editor opens beside it.
    connect(mOpen, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(QStringLiteral("Open")); });
    registerOwnCommand(QStringLiteral("mOpen_Click"), [this] { mOpen_Click(); });
    mExit = mFile->addAction(QString());
    mExit->setObjectName("mExit");
    connect(mExit, &QAction::triggered, this, &frmMDI::mExit_Click);
    mTool = menuBar()->addMenu(QString());
    mTool->setObjectName("mTool");
    mUpload = mTool->addAction(QString());
    mUpload->setObjectName("mUpload");
    mUpload->setShortcut(QKeySequence(Qt::Key_F11));
    connect(mUpload, &QAction::triggered, this, &frmMDI::mUpload_Click);
    registerOwnCommand(QStringLiteral("mUpload_Click"), [this] { mUpload_Click(); });
    mSetting = menuBar()->addMenu(QString());
    mSetting->setObjectName("mSetting");
    mCommSetting = mSetting->addAction(QString());
    mCommSetting->setObjectName("mCommSetting");
    mCommSetting->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(mCommSetting, &QAction::triggered, this, &frmMDI::mCommSetting_Click);

    MDIForm_Load();
}

frmMDI::~frmMDI()
{
    if (&core::shell() == this)
        core::setShell(previousShell_);
}

void frmMDI::MDIForm_Initialize()
{
    commSettings.nCommPort = 1;
    bMacTypeSelOK = false;
    monitorState.bMonitoring = false;
    commState.bSilentComm = 0;
    commSettings.nBaudIndex = 3;
    commSettings.nParityIndex = 0;
    commSettings.nDataBitsIndex = 1;
    commSettings.nStopBitsIndex = 0;
    commSettings.nCommProtocol = 0;
    commSettings.nSlaveID = 1;
    core::shell().bMonitorUnload = false;
    commSettings.nTimeOut = 1000;
    commSettings.nCommDelay = 0;
    logSettings.nLogRateSec = 1;
    logSettings.nLogRateMin = 0;
    logSettings.bLogErrors = false;
    logSettings.nLogDelimIdx = 0;
    commSettings.bAutoIdMode = 0;
    commSettings.sCommSettingsText = ComposeCommSettingsText(commSettings);
}

void frmMDI::ApplyTextsMDI()
{
    mFile->setTitle(LoadResString(127));
    mOpen->setText(LoadResString(134));
    mExit->setText(LoadResString(138));
    mTool->setTitle(LoadResString(129));
    mUpload->setText(LoadResString(146));
    mSetting->setTitle(LoadResString(131));
    mCommSetting->setText(LoadResString(103));
}

void frmMDI::MDIForm_Load()
{
    ApplyTextsMDI();
    StatusBar1->setPanelText(1, QString());
    StatusBar1->setPanelText(4, QString());
    UpdateCommStatusBar();
    for (int i : {4, 7, 9, 10})
        Toolbar1->Buttons(i).setVisible(false);
    static const std::pair<int, int> kTips[] = {{2, 133}, {3, 134}, {4, 136}, {6, 146},
                                                {7, 147}, {9, 149}, {11, 151}, {12, 152}};
    for (auto [button, id] : kTips)
        Toolbar1->Buttons(button).setToolTipText(LoadResString(id));
    // A settings file given on the command line is opened at once.
    if (sCmdLine.right(3).toUpper() == QLatin1String("KVF")) {
        CommonDialog1.FileName = sCmdLine;
        bOpenOldFile = true;
        mOpen_Click();
    }
    bOpenOldFile = false;
}

void frmMDI::showChild(QWidget* form)
{
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (sub->widget() == form) {
            sub->show();
            mdiArea->setActiveSubWindow(sub);
            UpdateOwnMenus();
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
    connect(sub, &QObject::destroyed, this, [this, going = static_cast<QObject*>(sub)] { UpdateOwnMenus(going); });
    UpdateOwnMenus();
    // Forms laid out at fixed positions have no layout to ask for their size: keep
    // the size the form gave itself.
    if (!form->layout())
        form->setMinimumSize(form->size());
    sub->adjustSize();
    sub->show();
    form->show();
    mdiArea->setActiveSubWindow(sub);
}

void frmMDI::UpdateOwnMenus(const QObject* going)
{
    // An open child's menus take the place of the main window's, whose shortcuts would
    // otherwise clash with the child's (and whose Open and Upload would start a second
    // editor or a transfer under the open one).
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (static_cast<QObject*>(sub) != going && sub->widget() && sub->widget() != going) {
            menuBar()->hide();
            return;
        }
    }
    menuBar()->show();
}

QWidget* frmMDI::ActiveForm() const
{
    QMdiSubWindow* sub = mdiArea->activeSubWindow();
    if (!sub) {
        const auto list = mdiArea->subWindowList();
        for (QMdiSubWindow* s : list)
            if (!s->isHidden() && s->widget())
                return s->widget();
        return nullptr;
    }
    return sub->widget();
}

void frmMDI::setChildCaption(QWidget* form, const QString& caption)
{
    form->setWindowTitle(caption);
}

void frmMDI::registerOwnCommand(const QString& handlerName, std::function<void()> handler)
{
    ownCommands_[handlerName] = std::move(handler);
}

void frmMDI::Toolbar1_ButtonClick(const QString& key)
{
    static const std::map<QString, QString> kHandlers = {
        {"New", "mNew_Click"},          {"Open", "mOpenSetting_Click"},
        {"Save", "mSaveSetting_Click"}, {"Upload", "mUpload_Click"},
        {"Download", "mDownload_Click"}, {"MonitorStart", "mMonitoring_Click"},
        {"KP", "mKP_Click"},            {"PowerSaving", "mPowerSaving_Click"},
    };
    auto it = kHandlers.find(key);
    if (it == kHandlers.end())
        return;
    if (QWidget* child = ActiveForm()) {
        if (auto* target = dynamic_cast<core::ToolbarCommandTarget*>(child))
            target->invokeCommand(it->second);
        return;
    }
    // No editor open: only New, Open and Upload have a command of the main window.
    static const std::map<QString, QString> kOwn = {
        {"New", "mNew_Click"}, {"Open", "mOpen_Click"}, {"Upload", "mUpload_Click"}};
    auto own = kOwn.find(key);
    if (own == kOwn.end())
        return;
    auto cmd = ownCommands_.find(own->second);
    if (cmd != ownCommands_.end())
        cmd->second();
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

bool frmMDI::MDIForm_QueryUnload()
{
    using namespace platform;
    if (MsgBox(LoadResString(246), MsgButtons::YesNo, MsgIcon::Question, QString()) != MsgResult::Yes)
        return false;
    QWidget* active = ActiveForm();
    if (active && active->property("Tag").toString() == QLatin1String("4"))
        bMonitorUnload = true;
    // Every open child may still refuse (its save question).
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (sub->widget() && !sub->widget()->close())
            return false;
    }
    return true;
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
}
