#pragma once
// The main window: a multiple-document frame holding at most one editor or the
// monitoring window, with the toolbar and the four-panel status bar.
#include "platform/file_dialog.h"
#include "platform/single_form.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>

#include <functional>
#include <map>
#include <vector>

// One button of the toolbar, shaped like the forms' toolbar button: the key names
// the command, Value is the pressed state of a two-state button, Image the picture key.
class ToolbarButton {
public:
    ToolbarButton(QAction* action, QString key, bool separator, bool twoState);

    const QString& Key() const { return key_; }
    bool IsSeparator() const { return separator_; }
    bool Visible() const { return action_->isVisible(); }
    void setVisible(bool v)
    {
        action_->setVisible(v);
        action_->setEnabled(enabled_);
    }
    // Kept apart from the action: a hidden QAction reports itself disabled, while a
    // hidden toolbar button keeps its own Enabled state.
    bool Enabled() const { return enabled_; }
    void setEnabled(bool e)
    {
        enabled_ = e;
        action_->setEnabled(e);
    }
    bool Value() const { return action_->isChecked(); }
    void setValue(bool pressed) { action_->setChecked(pressed); }
    const QString& Image() const { return image_; }
    void setImage(const QString& imageKey);
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

// A child window that takes the toolbar's commands by their handler names
// ("mSaveSetting_Click", ...). Returns false when it has no handler of that name.
class ToolbarCommandTarget {
public:
    virtual ~ToolbarCommandTarget() = default;
    virtual bool invokeCommand(const QString& handlerName) = 0;
};

class frmMDI : public QMainWindow, public platform::SingleForm<frmMDI> {
    Q_OBJECT
public:
    frmMDI();
    ~frmMDI() override;

    // Public members shared by every subsystem.
    bool bChange = false;
    int nLoadForm = 0;
    int nUpDownCompare = 0;
    QString sCurrentMacType_Upload;
    bool bMonitorUnload = false;
    bool bOpenOldFile = false;

    ToolbarControl* Toolbar1 = nullptr;
    StatusBarControl* StatusBar1 = nullptr;
    platform::CommonDialog CommonDialog1;
    QMdiArea* mdiArea = nullptr;

    QMenu* mFile = nullptr;
    QAction* mOpen = nullptr;
    QAction* mExit = nullptr;
    QMenu* mSetting = nullptr;
    QAction* mCommSetting = nullptr;

    // Shows `form` as the child window (modeless); it is unloaded with its window.
    void showChild(QWidget* form);
    // The active child form, or nullptr when none is open.
    QWidget* ActiveForm() const;
    // Sets a child form's window caption (the form's subwindow shows it).
    void setChildCaption(QWidget* form, const QString& caption);

    // The process-wide start values, in their order; runs once when the window is made.
    static void MDIForm_Initialize();
    // The command line the program was started with (the settings-file path).
    static QString sCmdLine;

    // Opens a settings file in the editor of its type (defined with the settings files).
    void mOpen_Click();
    void mExit_Click();
    void mCommSetting_Click();
    void Toolbar1_ButtonClick(const QString& key);

    // The main window's own commands for the toolbar when no editor is open
    // ("mNew_Click", "mOpen_Click", "mUpload_Click"), registered by their owners.
    void registerOwnCommand(const QString& handlerName, std::function<void()> handler);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MDIForm_Load();
    void ApplyTextsMDI();
    bool MDIForm_QueryUnload();

    std::map<QString, std::function<void()>> ownCommands_;
};

// Convenience for status panel 4, the activity and outcome text.
void SetStatusPanel(int panel, const QString& text);
