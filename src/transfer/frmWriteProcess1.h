#pragma once
// The modal progress window in which every exchange of a whole parameter set runs.
// The caller sets frmMDI.nUpDownCompare (and nDownloadKind for a download) and shows
// the window with ShowModal(); once the window is on screen it runs the job, closes
// the serial port, unloads itself and writes the outcome into status panel 4, with a
// box after a successful download; an upload's success is left to its caller. The user
// cannot stop a job: Escape and the close box do nothing.
#include "platform/single_form.h"
#include "transfer/transfer_jobs.h"

#include <QDialog>

class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

// The controls of the window, made and placed by its setupUi (frmWriteProcess1_layout.cpp).
struct Ui_frmWriteProcess1 {
    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QFrame* Frame1 = nullptr;
};

class frmWriteProcess1 : public QDialog, public platform::SingleForm<frmWriteProcess1>, private Ui_frmWriteProcess1 {
    Q_OBJECT
    // The job routines' hold on the window (below); tests reach the controls through
    // FormAccess (tests/support/form_access.h).
    friend void TransferProgressStep();
    friend void TransferTimerOn();
    friend struct FormAccess;

public:
    frmWriteProcess1();
    ~frmWriteProcess1() override;

    // Loads the window, shows it modally and returns once the job has ended and its
    // outcome has been reported.
    static void ShowModal();

    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();

    bool JobRunning() const { return running_; }

    // Escape: the window offers no way to stop a job.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Creates and places the controls (frmWriteProcess1_layout.cpp).
    void setupUi();
    void EndJob(bool success, TransferJob job);

    bool started_ = false;
    bool running_ = false;
};

// The job routines' hold on the window; each does nothing while the window is not
// loaded, so a routine can also run on its own.
// ProgressBar1.Value + 1, never beyond the maximum.
void TransferProgressStep();
// Timer1 on: the bar creeps while the routine waits.
void TransferTimerOn();
// Hides the window (a compare does so before it shows its own boxes).
void TransferHideWindow();
