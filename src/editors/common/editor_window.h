#pragma once
// The life both editor windows lead, written once: the end of the load step and the
// toolbar buttons of the set, activation, the save question on every way out, closing
// before New, Open and Upload, unloading, key protection, the commands that only hand
// over to the main window or a dialog, and the toolbar's commands.
//
// An editor window derives from EditorForm<itself> in place of QWidget and gives it
// what differs: the toolbar buttons its set uses, how it builds its settings image, its
// device type code, its download and its other toolbar commands.
#include "core/shell.h"
#include "platform/single_form.h"

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <vector>

class QAction;
class QCloseEvent;

class EditorWindow : public QWidget, public core::ToolbarCommandTarget {
public:
    ~EditorWindow() override;

    // Shows the window as the main window's child, also after Monitor has hidden it.
    void Show();
    // Unloads the window without the save question (a load that failed half-way, the
    // main window's New): the set's toolbar buttons and panels 1 and 4 are cleared as on
    // a close.
    void Unload();
    // Whether the last close attempt was refused by the save question.
    bool CancelClose() const { return bCancelClose; }

    // ---- Commands both editors have (menus, toolbar) ----
    // New, Open and Upload close this window first, with its save question, and go on
    // to the main window's command only when the close went through. The window is
    // deleted once that command has returned: a wait or a dialog of the next step may
    // run the event loop.
    void mNew_Click();
    void mOpenSetting_Click();
    void mUpload_Click();
    // Save to the set's file (or through Save As when it has none).
    void mSaveSetting_Click();
    // Download of the set (menu, toolbar, the button under the diagrams).
    virtual void mDownload_Click() = 0;
    // Hides this window, which stays loaded with all its values, and opens the live view
    // of the instrument; the live view shows the window again when it closes.
    void mMonitoring_Click();
    // Key protection: bKeyProtect, the menu item's tick, the toolbar's KP button (pressed
    // with the picture "KP_ON" while on, "KP_OFF" while off). The loaders show a stored
    // state through it, so it leaves the change flag alone; the user's toggle (menu,
    // Ctrl+K, toolbar) is KeyProtectChosen.
    void mKP_Click();

    // The toolbar's commands. A window on its way out takes none.
    bool invokeCommand(core::ToolbarCommand command) override;

protected:
    // `setButtons`: the toolbar buttons the set shows while the window is loaded, out of
    // Save, Download, MonitorStart, Split02, KP and PowerSaving; its load hides the rest
    // of them.
    explicit EditorWindow(std::initializer_list<int> setButtons);

    // Every close (Close, the close box, New, Open, Upload, the main window's exit)
    // asks Form_QueryUnload first.
    void closeEvent(QCloseEvent* event) override;

    // The end of both load steps: the set unchanged and without a file, key protection
    // off (`keyProtectItem`, the menu item, unticked; the KP button released with its
    // released picture), and the set's toolbar buttons on show.
    void StartFreshSet(QAction* keyProtectItem);
    // Runs whenever the window becomes the active child: the toolbar on show (the live
    // view hides it), panel 1 the model.
    void Form_Activate();
    // The save question. Unless the program is closing from the live view, and only for
    // a changed set: Yes, No or Cancel. Yes saves as Save does; a failed build or write
    // and a cancelled Save As keep the window with its edits. `cancel`, and bCancelClose,
    // are set when the close is refused.
    void Form_QueryUnload(bool& cancel);
    // Panels 1 and 4 emptied, the set's toolbar buttons hidden.
    void Form_Unload();

    void mClose_Click();
    void mSaveAs_Click();
    void mExit_Click();
    void mCommSetting_Click();
    void mVelHelp_Click();
    void mAbout_Click();
    // The user's key-protection toggle: the state is saved with the set, so it is an edit.
    void KeyProtectChosen();
    // Binds `item`, the menu item of function mode `mode`, to the user's pick (the
    // item or its key): `select` switches to the mode, and a mode other than the one
    // before is an edit, saved with the set. The checked item picked again keeps the
    // mode and every value as they are. The mode handlers themselves leave the change
    // flag alone: New, Open, Upload and the loaders call them and settle it afterwards.
    void BindFunctionModeItem(QAction* item, int mode, std::function<void()> select);

    // ---- What each editor gives ----
    // Builds the set's settings image into byFileBuf; 0 or a message code.
    virtual int BuildSettingsImage() = 0;
    // The device type code of the set: 1 H9, 2 H5, 3 H7, 4 H8.
    virtual int ModelCode() const = 0;
    // The function mode the set is in, numbered as its menu items are; -1 before the
    // first one is chosen.
    virtual int FunctionMode() const = 0;
    // Forgets the window as its form's loaded instance (SingleForm<T>::release).
    virtual void ForgetInstance() = 0;
    // A toolbar command the shared ones do not cover; false when the editor has none.
    virtual bool invokeOwnCommand(core::ToolbarCommand command);

private:
    // Closes the window and runs `next` of the main window when the close went through.
    void CloseAndThen(void (core::Shell::*next)());

    std::vector<int> setButtons_;
    QAction* keyProtectItem_ = nullptr;
    // The last close was refused by Form_QueryUnload.
    bool bCancelClose = false;
    bool unloading_ = false;
    bool holdDeletion_ = false;
    bool deletePending_ = false;
};

// An editor window with one instance, loaded on first use (platform::SingleForm).
template <class Form>
class EditorForm : public EditorWindow, public platform::SingleForm<Form> {
protected:
    using EditorWindow::EditorWindow;

private:
    void ForgetInstance() override { platform::SingleForm<Form>::release(); }
};
