#include "transfer/frmWriteProcess1.h"

#include "core/shell.h"
#include "platform/message_box.h"
#include "platform/strings.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/mscomm.h"
#include "transfer/transfer_jobs.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <exception>
#include <stdexcept>

frmWriteProcess1::frmWriteProcess1()
{
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setupUi();
    connect(Timer1, &QTimer::timeout, this, &frmWriteProcess1::Timer1_Timer);

    Form_Load();
}

frmWriteProcess1::~frmWriteProcess1() = default;

void frmWriteProcess1::ShowModal() { instance().exec(); }

void frmWriteProcess1::Form_Load() { ProgressBar1->setValue(1); }

void frmWriteProcess1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The job runs once, after the window has been painted.
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, &frmWriteProcess1::Form_Activate);
    }
}

void frmWriteProcess1::closeEvent(QCloseEvent* event)
{
    // The close box never stops a job; the window closes itself when the job ends.
    event->ignore();
}

void frmWriteProcess1::reject()
{
    // Escape: the window offers no way to stop a job.
}

void frmWriteProcess1::Timer1_Timer()
{
    if (ProgressBar1->value() < ProgressBar1->maximum() - 1)
        ProgressBar1->setValue(ProgressBar1->value() + 2);
}

void frmWriteProcess1::Form_Activate()
{
    running_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const TransferJob job = core::shell().nUpDownCompare;
    const TransferJobRow row = TransferJobRowFor(job);
    Label1->setText(platform::LoadResString(row.labelStringId));
    Label1->repaint();
    Timer1->setInterval(row.timerIntervalMs);

    int result = 0;
    try {
        if (!row.routine)
            throw std::runtime_error("no routine for this transfer job");
        result = row.routine();
    } catch (const std::exception&) {
        Timer1->stop();
        ShowErrorMessage(row.unexpectedErrorCode);
        result = row.unexpectedErrorCode;
    }
    EndJob(result == 0, job);
}

void frmWriteProcess1::EndJob(bool success, TransferJob job)
{
    const TransferJobRow row = TransferJobRowFor(job);
    if (success)
        ProgressBar1->setValue(ProgressBar1->maximum());
    Timer1->stop();
    if (CommControl().PortOpen())
        CommControl().setPortOpen(false);
    running_ = false;
    done(success ? QDialog::Accepted : QDialog::Rejected);
    unload();

    if (!success) {
        core::SetStatusPanel(4, platform::LoadResString(row.failureTextId));
        return;
    }
    if (row.successTextId == 0)
        return;
    const QString text = platform::LoadResString(row.successTextId);
    core::SetStatusPanel(4, text);
    if (!row.successBoxTitle.isEmpty())
        platform::MsgBox(text, platform::MsgButtons::Ok, platform::MsgIcon::Information, row.successBoxTitle);
}

void TransferProgressStep()
{
    if (frmWriteProcess1* w = frmWriteProcess1::loaded())
        w->ProgressBar1->setValue(std::min(w->ProgressBar1->value() + 1, w->ProgressBar1->maximum()));
}

void TransferTimerOn()
{
    if (frmWriteProcess1* w = frmWriteProcess1::loaded())
        w->Timer1->start();
}

void TransferHideWindow()
{
    if (frmWriteProcess1* w = frmWriteProcess1::loaded())
        w->hide();
}
