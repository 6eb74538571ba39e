#pragma once
// A main window for the tests of the windows below it: the plain shell of core (the
// shared state, panels and toolbar buttons as values, children shown as windows of
// their own), recording every panel text, shown child and command. It is installed
// while it lives and puts the shell it replaced back when it goes; like the main
// window, it installs the dialogs' placement (platform/dialog_placement.h).
#include "core/shell.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

namespace testsupport {

class RecordingShell : public core::PlainShell {
public:
    RecordingShell();
    ~RecordingShell() override;

    // Every text given to each panel, in order (index 0 is panel 1).
    std::array<QStringList, 4> panelHistory;
    // The commands run, by handler name ("mOpen_Click", ...).
    QStringList commands;
    // The forms shown as children, in order.
    QList<QPointer<QWidget>> shownChildren;

    void setPanelText(int panel, const QString& text) override;
    void showChild(QWidget* form) override;
    void mNew_Click() override { commands << "mNew_Click"; }
    void mOpen_Click() override { commands << "mOpen_Click"; }
    void mUpload_Click() override { commands << "mUpload_Click"; }
    void mExit_Click() override { commands << "mExit_Click"; }
    void mVelHelp_Click() override { commands << "mVelHelp_Click"; }
    void mAbout_Click() override { commands << "mAbout_Click"; }
    void mMonitoring_Click() override { commands << "mMonitoring_Click"; }

private:
    core::Shell* previous_ = nullptr;
};

} // namespace testsupport
