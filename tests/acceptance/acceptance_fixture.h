#pragma once
// The program as a user meets it: started through its own start (picture, main window)
// on a fake clock, with its user folder in a temporary place, the simulated instrument
// on a pty as COM1, and the user's hands: menus by the text they show, toolbar buttons,
// clicks and keys on the widgets, answers in modal windows. Boxes and file dialogs are
// scripted; what the test reads is what the user would see.
#include "instrument_sim.h"

#include "platform/clock.h"
#include "support/modal.h"
#include "support/qstring_print.h"
#include "support/scripted_ui.h"
#include "support/temp_user_folder.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>
#include <ostream>

class QAction;
class QWidget;
class frmMDI;

namespace acceptance {

// A model as New's chooser offers it (option 0 H9, 1 H5, 2 H7, 3 H8) and as the
// simulator plays it.
struct Model {
    sim::Type type;
    int macType;
    int option;
    const char* name;
};
const std::vector<Model>& models();

// The function modes an editor's menu offers, by their texts, and each digit row the
// editor shows, as "name digits"; both fail the test when `form` is nullptr (no editor came).
QStringList modeTexts(QWidget* form);
QStringList rowsShown(QWidget* form);

class Acceptance : public ::testing::Test, protected testhelp::TempUserFolder {
protected:
    void SetUp() override;
    void TearDown() override;

    // The instrument on the line: a simulator on a fresh pty, COM1 pointed at it.
    sim::Instrument& plugIn(sim::Type type, int slaveId = 1, std::optional<int> mode = std::nullopt);
    // The cable pulled: the simulator stops and its pty goes away mid-run.
    void unplug();

    // The program's start with `commandLine`; returns the main window on screen.
    frmMDI& startProgram(const QString& commandLine = QString());
    // File > Exit of the active window, "Yes" to the exit question (its text checked);
    // then what the end of the process does to the windows left.
    void exitProgram();
    // The program gone without a word (the end of a run within a test): every window
    // and the port closed.
    static void endProgram();

    // New from the File menu, the model picked in the chooser by a click, OK.
    void newSet(const Model& model);

    // The menu item at `path` of the visible texts ({"File", "Save As"}) in the active
    // window's menu bar (the open child's own, else the main window's); nullptr when
    // there is none. menu() triggers it and fails the test when it is hidden or disabled;
    // menuEnabled() fails the test when there is none.
    QAction* menuItem(const QStringList& path) const;
    void menu(const QStringList& path);
    bool menuEnabled(const QStringList& path) const;
    // A click on the toolbar button `key` ("New", "Open", "Save", "Upload", "Download",
    // "MonitorStart", "KP", "PowerSaving").
    void toolbar(const QString& key);

    // Mouse and keyboard on a widget, the main window active as the user's desktop has it.
    static void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton);
    // Keys go to the widget with the keyboard focus (`w` given: focused first).
    static void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier, QWidget* w = nullptr);
    static void type(const QString& text);
    // Tab pressed until `w` has the keyboard focus; fails when Tab never reaches it.
    static void tabTo(QWidget* w);
    // `act` runs in the next modal window once it shows (testsupport::whenModalShown);
    // whenModal<Form> fails the test when a window of another class comes.
    static void whenModal(std::function<void(QWidget*)> act) { testsupport::whenModalShown(std::move(act)); }
    template <class Form>
    static void whenModal(std::function<void(Form&)> act) { testsupport::whenModalShown<Form>(std::move(act)); }

    // What the user reads: a status-bar panel (1-4), the active editor (nullptr: none)
    // and its caption, and the texts of the boxes shown so far.
    static QString panel(int n);
    static QWidget* activeForm();
    static QString caption();
    QStringList boxTexts() const;
    static QString res(int id);

    platform::FakeClock clock;
    platform::ScopedClock useClock{&clock};
    testsupport::ScriptedMessages boxes;
    testsupport::ScriptedFileDialogs dialogs;
    std::unique_ptr<sim::Instrument> instrument;
};

} // namespace acceptance
