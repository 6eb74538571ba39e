#pragma once
// The main window as every other part of the program sees it: the state the session
// shares (the change flag, the loaded editor, the transfer job, the upload's type, the
// file dialog and its current file), the four status panels, the toolbar buttons by
// index, the child windows, and the main window's commands that its child windows run.
//
// The main window implements Shell and installs itself when it is made; tests install
// a recording one. Until one is installed a detached shell keeps the state, shows
// children as windows of their own and runs no command, so nothing below the main
// window ever needs it to exist.
#include "platform/file_dialog.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class QAction;

// The transfer window's job, defined with the jobs in transfer/transfer_jobs.h; the
// shell only holds one.
enum class TransferJob : int;

namespace core {

// The main window's toolbar buttons by index, as Shell::Buttons takes them: the
// separators are buttons too.
namespace button {
enum Index : int {
    Split05 = 1,
    New,
    Open,
    Save,
    Split09,
    Upload,
    Download,
    Split01,
    MonitorStart,
    Split02,
    KP,
    PowerSaving,
    Count = PowerSaving,
};
} // namespace button

// The commands the toolbar gives the active editor (or, for New, Open and Upload with
// no editor open, the main window).
enum class ToolbarCommand { New, Open, Save, Upload, Download, Monitor, KeyProtect, PowerSaving };

// One button of the main window's toolbar (index 1 to 12). Value is the pressed state
// of a two-state button, Image the key of its picture.
class ToolbarButtonState {
public:
    virtual ~ToolbarButtonState() = default;
    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool Enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool Value() const = 0;
    virtual void setValue(bool pressed) = 0;
    virtual QString Image() const = 0;
    virtual void setImage(const QString& imageKey) = 0;
};

class Shell {
public:
    Shell();
    // A shell that goes is no longer installed.
    virtual ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // ---- State of the session ----
    // The edited set differs from its file (or upload).
    bool bChange = false;
    // The editor of the loaded set: 1 H9, 2 H5, 3 H7, 4 H8; 0 none.
    int nLoadForm = 0;
    // The job of the transfer window; an upload until one is set.
    TransferJob nUpDownCompare{};
    // The type the last upload read: "H9", "H5", "H7", "H8", or "" after a failure.
    QString sCurrentMacType_Upload;
    // The program is closing from the live view of the instrument, its editors closed
    // (each after its save question): the live view, closing, shows no editor again.
    bool bMonitorUnload = false;
    // Open takes CommonDialog1.FileName as it is, without the dialog.
    bool bOpenOldFile = false;
    // The settings-file dialog; FileName is the file last chosen.
    platform::CommonDialog CommonDialog1;

    // ---- Status bar: panels 1 to 4; any other panel reads "" and takes nothing ----
    virtual QString PanelText(int panel) const = 0;
    virtual void setPanelText(int panel, const QString& text) = 0;

    // ---- Toolbar ----
    virtual ToolbarButtonState& Buttons(int index) = 0;
    virtual bool ToolbarVisible() const = 0;
    virtual void setToolbarVisible(bool visible) = 0;
    // Whether `action` is one of the toolbar's own buttons.
    virtual bool isToolbarAction(const QAction* action) const = 0;

    // ---- Child windows ----
    // Shows `form` as the child window of the main window and activates it.
    virtual void showChild(QWidget* form) = 0;
    // `form` has been unloaded: it counts as open no longer, though it may live on
    // until the command that closed it has returned.
    virtual void childUnloaded(QWidget* form) = 0;
    // The active child form, or nullptr when none is open.
    virtual QWidget* ActiveForm() const = 0;
    virtual void setChildCaption(QWidget* form, const QString& caption) = 0;

    // ---- Commands of the main window ----
    virtual void mNew_Click() = 0;
    virtual void mOpen_Click() = 0;
    virtual void mUpload_Click() = 0;
    virtual void mExit_Click() = 0;
    virtual void mVelHelp_Click() = 0;
    virtual void mAbout_Click() = 0;
    // Monitor: the live view of the connected instrument.
    virtual void mMonitoring_Click() = 0;
};

// A toolbar button that is only its values.
class PlainToolbarButton : public ToolbarButtonState {
public:
    bool Visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool Value() const override { return value_; }
    void setValue(bool pressed) override { value_ = pressed; }
    QString Image() const override { return image_; }
    void setImage(const QString& imageKey) override { image_ = imageKey; }

private:
    bool visible_ = true;
    bool enabled_ = true;
    bool value_ = false;
    QString image_;
};

// A shell without a main window: panels, buttons and the toolbar are only values, a
// child is shown as a window of its own (and announced as the active one), and the
// commands do nothing. It is the detached shell; tests build on it.
class PlainShell : public Shell {
public:
    QString PanelText(int panel) const override;
    void setPanelText(int panel, const QString& text) override;
    ToolbarButtonState& Buttons(int index) override;
    bool ToolbarVisible() const override { return toolbarVisible_; }
    void setToolbarVisible(bool visible) override { toolbarVisible_ = visible; }
    bool isToolbarAction(const QAction*) const override { return false; }
    void showChild(QWidget* form) override;
    void childUnloaded(QWidget*) override {}
    QWidget* ActiveForm() const override { return active_.data(); }
    void setChildCaption(QWidget* form, const QString& caption) override;
    void mNew_Click() override {}
    void mOpen_Click() override {}
    void mUpload_Click() override {}
    void mExit_Click() override {}
    void mVelHelp_Click() override {}
    void mAbout_Click() override {}
    void mMonitoring_Click() override {}

private:
    std::array<QString, 4> panels_;
    std::array<PlainToolbarButton, button::Count> buttons_;
    bool toolbarVisible_ = true;
    QPointer<QWidget> active_;
};

// The installed shell, or the detached one.
Shell& shell();
// Installs `s` (not owned) and returns the shell it replaces (nullptr for the detached
// one); nullptr, or a shell that has gone meanwhile, puts the detached shell back.
Shell* setShell(Shell* s);

// What the main window tells the windows it holds.
class ShellEvents : public QObject {
    Q_OBJECT
signals:
    // `form` has become the active child window.
    void childActivated(QWidget* form);
};
ShellEvents& shellEvents();

// Status panel `panel` of the installed shell.
void SetStatusPanel(int panel, const QString& text);

// A child window that takes the toolbar's commands. Returns false when it has no
// handler for the command (or takes none any more), and does nothing then.
class ToolbarCommandTarget {
public:
    virtual ~ToolbarCommandTarget() = default;
    virtual bool invokeCommand(ToolbarCommand command) = 0;
};

} // namespace core
