#pragma once
// The main window: a multiple-document frame holding the child windows, with the
// toolbar and the four-panel status bar.
#include "core/shell.h"
#include "platform/single_form.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QToolBar>

#include <functional>
#include <map>
#include <vector>

// One button of the toolbar: the key names the command, Value is the pressed state of
// a two-state button, Image the picture key.
class ToolbarButton : public core::ToolbarButtonState {
public:
    ToolbarButton(QAction* action, QString key, bool separator, bool twoState);

    const QString& Key() const { return key_; }
    bool IsSeparator() const { return separator_; }
    bool Visible() const override { return action_->isVisible(); }
    void setVisible(bool v) override
    {
        action_->setVisible(v);
        action_->setEnabled(enabled_);
    }
    // Kept apart from the action: a hidden QAction reports itself disabled, while a
    // hidden toolbar button keeps its own Enabled state.
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool e) override
    {
        enabled_ = e;
        action_->setEnabled(e);
    }
    bool Value() const override { return action_->isChecked(); }
    void setValue(bool pressed) override { action_->setChecked(pressed); }
    QString Image() const override { return image_; }
    void setImage(const QString& imageKey) override;
    void setToolTipText(const QString& text) { action_->setToolTip(text); }
    QAction* action() const { return action_; }

private:
    QAction* action_;
    QString key_;
    QString image_;
    bool separator_;
    bool enabled_ = true;
};

class ToolbarControl : public QToolBar {
    Q_OBJECT
public:
    explicit ToolbarControl(QWidget* parent);
    // Buttons by index, 1 to 12.
    ToolbarButton& Buttons(int index);
    int Count() const { return static_cast<int>(buttons_.size()); }

signals:
    void ButtonClick(const QString& key);

private:
    // Every button but the separators reports its key (frmMDI.cpp).
    void ConnectButtons();

    std::vector<ToolbarButton> buttons_;
};

class StatusBarControl : public QWidget {
    Q_OBJECT
public:
    explicit StatusBarControl(QWidget* parent);
    // Panels 1 to 4.
    QString PanelText(int panel) const;
    void setPanelText(int panel, const QString& text);

private:
    std::vector<QLabel*> panels_;
};

// The controls of the main window, made and placed by its setupUi (frmMDI_layout.cpp).
// The other windows reach the status panels and the toolbar's buttons through
// core::Shell.
struct Ui_frmMDI {
    ToolbarControl* Toolbar1 = nullptr;
    StatusBarControl* StatusBar1 = nullptr;
    QMdiArea* mdiArea = nullptr;

    QMenu* mFile = nullptr;
    QAction* mNew = nullptr;
    QAction* mOpen = nullptr;
    QAction* mstep0 = nullptr;
    QAction* mExit = nullptr;
    QMenu* mTool = nullptr;
    QAction* mUpload = nullptr;
    // Hidden and disabled: the live view opens from an editor.
    QMenu* mMonitor = nullptr;
    QAction* mMonitoring = nullptr;
    QMenu* mSetting = nullptr;
    QAction* mCommSetting = nullptr;
    QMenu* mHelp = nullptr;
    QAction* mVelHelp = nullptr;
    QAction* mAbout = nullptr;
};

// The main window. Its shared state (bChange, nLoadForm, nUpDownCompare,
// sCurrentMacType_Upload, bMonitorUnload, bOpenOldFile, CommonDialog1) and what the
// other windows may do with it are those of core::Shell; it installs itself as the
// shell when it is made, and is the window every dialog is centred on.
//
// Its own menu bar shows while no child window is open; an open child carries its
// own menus, which take the place of the main window's (their commands would reach
// past the child's save question otherwise).
class frmMDI : public QMainWindow, public platform::SingleForm<frmMDI>, public core::Shell, private Ui_frmMDI {
    Q_OBJECT
    // Tests reach the controls through FormAccess (tests/support/form_access.h).
    friend struct FormAccess;

public:
    frmMDI();
    ~frmMDI() override;

    // core::Shell
    QString PanelText(int panel) const override { return StatusBar1->PanelText(panel); }
    void setPanelText(int panel, const QString& text) override { StatusBar1->setPanelText(panel, text); }
    core::ToolbarButtonState& Buttons(int index) override { return Toolbar1->Buttons(index); }
    // The toolbar's own flag: a main window not on screen yet still has it shown.
    bool ToolbarVisible() const override { return !Toolbar1->isHidden(); }
    void setToolbarVisible(bool visible) override { Toolbar1->setVisible(visible); }
    bool isToolbarAction(const QAction* action) const override { return action->parent() == Toolbar1; }
    // Shows `form` as the child window (modeless); it is unloaded with its window.
    void showChild(QWidget* form) override;
    // The main window's own menus come back at once, also while the form is kept.
    void childUnloaded(QWidget* form) override;
    QWidget* ActiveForm() const override;
    // Sets a child form's window caption (the form's subwindow shows it).
    void setChildCaption(QWidget* form, const QString& caption) override;

    // The process-wide start values (SetStartValues); runs once when the window is made.
    static void MDIForm_Initialize();
    // The command line the program was started with (the settings-file path).
    static QString sCmdLine;

    // A new set: the model chooser, then the model's editor in its first function
    // mode (new_command.cpp).
    void mNew_Click() override;
    // Opens a settings file in the editor of its type (open_command.cpp).
    void mOpen_Click() override;
    // Asks, then closes every window and ends the program.
    void mExit_Click() override;
    // Reads the connected instrument's set into the editor of its type (upload_command.cpp).
    void mUpload_Click() override;
    // The help file of the program's language, in a help window beside this one.
    void mVelHelp_Click() override;
    void mAbout_Click() override;
    // Opens the monitoring window in place of the editor (monitor_command.cpp).
    void mMonitoring_Click() override;
    void mCommSetting_Click();
    // A toolbar button by its key: the active child's command for it, or with no child
    // open the main window's own New, Open or Upload. A separator's key, or any other,
    // does nothing.
    void Toolbar1_ButtonClick(const QString& key);

    // The main window's own commands for the toolbar when no editor is open (New, Open,
    // Upload; any other is never run).
    void registerOwnCommand(core::ToolbarCommand command, std::function<void()> handler);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Makes and places the menus, toolbar, status bar and client area (frmMDI_layout.cpp).
    void setupUi();
    void ConnectHandlers();
    void MDIForm_Load();
    void MDIForm_Activate();
    bool MDIForm_QueryUnload();
    void MDIForm_Unload();
    void ApplyTextsMDI();
    // The own menu bar while no child window is open; `going` is a child (or its
    // frame) on its way out.
    void UpdateOwnMenus(const QObject* going = nullptr);
    // A toolbar command: to the active child, or with none open to the own command.
    void RunCommand(core::ToolbarCommand command);

    std::map<core::ToolbarCommand, std::function<void()>> ownCommands_;
    // The forms shown as children.
    QList<QPointer<QWidget>> children_;
    core::Shell* previousShell_ = nullptr;
};
