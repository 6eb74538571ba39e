#include "editors/common/editor_window.h"

#include "core/key_protect.h"
#include "core/machine_type.h"
#include "link/comm_status.h"
#include "link/frmCommSetup.h"
#include "platform/message_box.h"
#include "platform/string_ids.h"
#include "platform/strings.h"
#include "settings_file/file_flags.h"
#include "settings_file/save_flow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>

#include <algorithm>

using platform::LoadResString;

namespace {

// The toolbar buttons that belong to a loaded set; each editor shows its own of them.
constexpr int kSetButtons[] = {core::button::Save,    core::button::Download, core::button::MonitorStart,
                               core::button::Split02, core::button::KP,       core::button::PowerSaving};

} // namespace

EditorWindow::EditorWindow(std::initializer_list<int> setButtons) : QWidget(nullptr), setButtons_(setButtons)
{
    // Activation of this window's frame in the main window.
    connect(&core::shellEvents(), &core::ShellEvents::childActivated, this, [this](QWidget* form) {
        if (form == this)
            Form_Activate();
    });
}

EditorWindow::~EditorWindow()
{
    // The editor's own part has gone: no activation may reach it any more.
    disconnect(&core::shellEvents(), nullptr, this, nullptr);
}

// ---------------------------------------------------------------- life

void EditorWindow::StartFreshSet(QAction* keyProtectItem)
{
    core::Shell& mdi = core::shell();
    // What the load step set up does not count as a change, and belongs to no file.
    mdi.bChange = false;
    bHasFileName = false;
    bKeyProtect = 0;
    keyProtectItem_ = keyProtectItem;
    keyProtectItem_->setChecked(false);
    for (int b : kSetButtons)
        mdi.Buttons(b).setVisible(std::find(setButtons_.begin(), setButtons_.end(), b) != setButtons_.end());
    // The picture goes with the released state, whatever an earlier set left on it.
    mdi.Buttons(core::button::KP).setValue(false);
    mdi.Buttons(core::button::KP).setImage(QStringLiteral("KP_OFF"));
}

void EditorWindow::Show()
{
    core::shell().showChild(this);
    // Monitor hid the window (or its frame in the main window); showing it brings both back.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->show();
    if (isHidden())
        show();
    Form_Activate();
}

void EditorWindow::Form_Activate()
{
    core::Shell& mdi = core::shell();
    mdi.setToolbarVisible(true);
    mdi.setPanelText(1, ModelName(ModelCode()));
}

void EditorWindow::Form_QueryUnload(bool& cancel)
{
    bCancelClose = false;
    core::Shell& mdi = core::shell();
    // The program closing from the live view asks nothing.
    if (mdi.bMonitorUnload || !mdi.bChange)
        return;
    using namespace platform;
    switch (MsgBox(LoadResString(res::kSaveQuestion), MsgButtons::YesNoCancel, MsgIcon::Question, QStringLiteral("Save"))) {
    case MsgResult::No:
        return;
    case MsgResult::Yes:
        // The file written on close is the one Save would write now; a failed build or
        // write, and a cancelled Save As, keep the window open with its values.
        if (settings_file::SaveSettingFlow([this] { return BuildSettingsImage(); }) == settings_file::SaveOutcome::Saved)
            return;
        break;
    default:
        break;
    }
    cancel = true;
    bCancelClose = true;
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (!unloading_) {
        bool cancel = false;
        Form_QueryUnload(cancel);
        if (cancel) {
            event->ignore();
            return;
        }
    }
    Unload();
    event->accept();
}

void EditorWindow::Form_Unload()
{
    core::Shell& mdi = core::shell();
    mdi.setPanelText(1, QString());
    mdi.setPanelText(4, QString());
    for (int b : setButtons_)
        mdi.Buttons(b).setVisible(false);
}

void EditorWindow::Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    // The frame goes with its form, and at once out of sight: the main window must not
    // take a closed editor for the active one while the deletion waits.
    if (sub)
        sub->hide();
    ForgetInstance();
    hide();
    core::shell().childUnloaded(this);
    if (holdDeletion_) {
        // A command of this window closed it and goes on (New, Open, Upload):
        // CloseAndThen deletes the window when that command has returned.
        deletePending_ = true;
        return;
    }
    deleteLater();
    if (sub)
        sub->deleteLater();
}

void EditorWindow::CloseAndThen(void (core::Shell::*next)())
{
    // A closed window runs no question again and takes no command.
    if (unloading_)
        return;
    holdDeletion_ = true;
    close();
    holdDeletion_ = false;
    if (!bCancelClose)
        (core::shell().*next)();
    if (deletePending_) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->deleteLater();
        deleteLater();
    }
}

// ---------------------------------------------------------------- commands

void EditorWindow::mNew_Click() { CloseAndThen(&core::Shell::mNew_Click); }

void EditorWindow::mOpenSetting_Click() { CloseAndThen(&core::Shell::mOpen_Click); }

void EditorWindow::mUpload_Click() { CloseAndThen(&core::Shell::mUpload_Click); }

void EditorWindow::mClose_Click() { close(); }

void EditorWindow::mExit_Click() { core::shell().mExit_Click(); }

void EditorWindow::mSaveSetting_Click() { (void)settings_file::SaveSettingFlow([this] { return BuildSettingsImage(); }); }

void EditorWindow::mSaveAs_Click() { (void)settings_file::SaveSettingAsFlow([this] { return BuildSettingsImage(); }); }

void EditorWindow::mMonitoring_Click()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->hide();
    else
        hide();
    core::shell().mMonitoring_Click();
}

void EditorWindow::mCommSetting_Click()
{
    frmCommSetup::instance().exec();
    UpdateCommStatusBar();
}

void EditorWindow::mVelHelp_Click() { core::shell().mVelHelp_Click(); }

void EditorWindow::mAbout_Click() { core::shell().mAbout_Click(); }

void EditorWindow::mKP_Click()
{
    bKeyProtect = bKeyProtect != 0 ? 0 : 1;
    const bool on = bKeyProtect != 0;
    if (keyProtectItem_)
        keyProtectItem_->setChecked(on);
    core::ToolbarButtonState& button = core::shell().Buttons(core::button::KP);
    button.setValue(on);
    button.setImage(on ? QStringLiteral("KP_ON") : QStringLiteral("KP_OFF"));
}

void EditorWindow::KeyProtectChosen()
{
    mKP_Click();
    core::shell().bChange = true;
}

void EditorWindow::BindFunctionModeItem(QAction* item, int mode, std::function<void()> select)
{
    connect(item, &QAction::triggered, this, [this, item, mode, select = std::move(select)] {
        const int before = FunctionMode();
        if (mode == before) {
            // A click on the checked item unticks it by itself.
            item->setChecked(true);
            return;
        }
        select();
        if (FunctionMode() != before)
            core::shell().bChange = true;
    });
}

bool EditorWindow::invokeCommand(core::ToolbarCommand command)
{
    if (unloading_)
        return false;
    using C = core::ToolbarCommand;
    switch (command) {
    case C::New: mNew_Click(); return true;
    case C::Open: mOpenSetting_Click(); return true;
    case C::Save: mSaveSetting_Click(); return true;
    case C::Upload: mUpload_Click(); return true;
    case C::Download: mDownload_Click(); return true;
    case C::Monitor: mMonitoring_Click(); return true;
    // The toolbar's KP button is the user's toggle, like the menu item.
    case C::KeyProtect: KeyProtectChosen(); return true;
    default: return invokeOwnCommand(command);
    }
}

bool EditorWindow::invokeOwnCommand(core::ToolbarCommand) { return false; }
