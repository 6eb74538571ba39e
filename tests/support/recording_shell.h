#pragma once
// A main window for the tests of the windows below it: it keeps the shared state, the
// status panels and the toolbar buttons as plain values, shows children as windows of
// their own, and records every panel text and command. It is installed while it lives
// and puts the shell it replaced back when it goes.
#include "core/shell.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

namespace testsupport {

class RecordingShell : public core::Shell {
public:
    RecordingShell();
    ~RecordingShell() override;

    // Every text given to each panel, in order (index 0 is panel 1).
    std::array<QStringList, 4> panelHistory;
    // The commands run, by handler name ("mOpen_Click", ...).
    QStringList commands;
    // The forms shown as children, in order.
    QList<QPointer<QWidget>> shownChildren;

    QString PanelText(int panel) const override;
    void setPanelText(int panel, const QString& text) override;
    core::ToolbarButtonState& Buttons(int index) override;
    bool ToolbarVisible() const override { return toolbarVisible_; }
    void setToolbarVisible(bool visible) override { toolbarVisible_ = visible; }
    bool isToolbarAction(const QAction*) const override { return false; }
    void showChild(QWidget* form) override;
    QWidget* ActiveForm() const override;
    void setChildCaption(QWidget* form, const QString& caption) override { form->setWindowTitle(caption); }
    void mNew_Click() override { commands << "mNew_Click"; }
    void mOpen_Click() override { commands << "mOpen_Click"; }
    void mUpload_Click() override { commands << "mUpload_Click"; }
    void mExit_Click() override { commands << "mExit_Click"; }
    void mVelHelp_Click() override { commands << "mVelHelp_Click"; }
    void mAbout_Click() override { commands << "mAbout_Click"; }
    void mMonitoring_Click() override { commands << "mMonitoring_Click"; }

private:
    class Button : public core::ToolbarButtonState {
    public:
        bool Visible() const override { return visible; }
        void setVisible(bool v) override { visible = v; }
        bool Enabled() const override { return enabled; }
        void setEnabled(bool e) override { enabled = e; }
        bool Value() const override { return value; }
        void setValue(bool pressed) override { value = pressed; }
        QString Image() const override { return image; }
        void setImage(const QString& key) override { image = key; }
        bool visible = true;
        bool enabled = true;
        bool value = false;
        QString image;
    };

    std::array<QString, 4> panels_;
    std::array<Button, 12> buttons_;
    bool toolbarVisible_ = true;
    core::Shell* previous_ = nullptr;
};

} // namespace testsupport
