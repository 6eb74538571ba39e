#include "monitor/frmMonitoring.h"

#include "core/common_registers.h"
#include "core/machine_type.h"
#include "core/shell.h"
#include "link/comm_records.h"
#include "link/comm_status.h"
#include "link/frmCommSetup.h"
#include "link/link.h"
#include "link/messages.h"
#include "link/mscomm.h"
#include "monitor/frmLogging.h"
#include "monitor/h5_monitor.h"
#include "monitor/h7_monitor.h"
#include "monitor/h9_monitor.h"
#include "monitor/panel_state.h"
#include "monitor/register_block.h"
#include "monitor/summary_table.h"
#include "platform/bitmaps.h"
#include "platform/clock.h"
#include "platform/strings.h"
#include "platform/twips.h"
#include "resources/bitmaps.h"
#include "settings_file/file_flags.h"
#include "transfer/identify.h"

#include <QCloseEvent>
#include <QHash>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using platform::LoadResString;

// ---------------------------------------------------------------- MonitorImage

MonitorImage::MonitorImage(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setScaledContents(true);
}

void MonitorImage::setPictureName(const QString& name)
{
    requestedName_ = name;
    if (name.compare(pictureName_, Qt::CaseInsensitive) == 0)
        return;
    QPixmap picture = platform::LoadResPicture(name);
    if (picture.isNull())
        return;
    // A control smaller or larger than the picture gets it drawn at its own size, so
    // the lower row's cells stay as crisp as the upper row's.
    if (picture.size() != size() && !size().isEmpty()) {
        static QHash<QString, QPixmap> atSize;
        const QString key = name.toUpper() + QLatin1Char('@') + QString::number(width()) + QLatin1Char('x')
                          + QString::number(height());
        auto it = atSize.find(key);
        if (it == atSize.end())
            it = atSize.insert(key, resources::drawMonitorBitmap(name, size()));
        if (!it->isNull())
            picture = *it;
    }
    setPixmap(picture);
    pictureName_ = name;
}

void MonitorImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Click();
    else
        QLabel::mousePressEvent(event);
}

MonitorImage* PanelImages::element(const PanelPicture& p) const
{
    const auto i = static_cast<std::size_t>(p.index);
    switch (p.element) {
    case PanelPicture::AU: return image_str_AU;
    case PanelPicture::OnOff: return image_str_OnOff;
    case PanelPicture::Group: return image_Group;
    case PanelPicture::CountDir: return image_CountDir;
    case PanelPicture::KP: return image_str_KP;
    case PanelPicture::RangeMode: return image_str_RangeMode;
    case PanelPicture::TimerMode: return image_TimerMode;
    case PanelPicture::DPColA: return image_DPCol_A[i];
    case PanelPicture::DPColB: return image_DPCol_B[i];
    case PanelPicture::DPA: return image_DP_A[i];
    case PanelPicture::DPB: return image_DP_B[i];
    case PanelPicture::CharA: return image_char_A[i];
    case PanelPicture::CharB: return image_char_B[i];
    case PanelPicture::TB: return image_T_B;
    case PanelPicture::CharSpB: return image_char_sp_B;
    case PanelPicture::Week: return image_week;
    }
    return nullptr;
}

// ---------------------------------------------------------------- the window

frmMonitoring::frmMonitoring() : QWidget(nullptr)
{
    setObjectName("frmMonitoring");
    setProperty("Tag", QStringLiteral("4"));
    setFont(platform::formFont(9));
    setupUi();
    connect(cmdMonitorStart, &QPushButton::clicked, this, &frmMonitoring::cmdMonitorStart_Click);
    connect(cmdMonitorStop, &QPushButton::clicked, this, &frmMonitoring::cmdMonitorStop_Click);
    connect(cmdRetrun, &QPushButton::clicked, this, &frmMonitoring::cmdRetrun_Click);
    connect(ImageStart, &MonitorImage::Click, this, &frmMonitoring::ImageStart_Click);
    connect(ImageStop, &MonitorImage::Click, this, &frmMonitoring::ImageStop_Click);
    connect(ImageReturn, &MonitorImage::Click, this, &frmMonitoring::ImageReturn_Click);
    connect(mReturn, &QAction::triggered, this, &frmMonitoring::mReturn_Click);
    connect(mCommSetting, &QAction::triggered, this, &frmMonitoring::mCommSetting_Click);
    connect(mLogging, &QAction::triggered, this, &frmMonitoring::mLogging_Click);
    connect(mLogoff, &QAction::triggered, this, &frmMonitoring::mLogoff_Click);
    connect(Timer1_monitor, &QTimer::timeout, this, &frmMonitoring::Timer1_monitor_Timer);
    connect(Timer1_log, &QTimer::timeout, this, &frmMonitoring::Timer1_log_Timer);
    connect(&core::shellEvents(), &core::ShellEvents::childActivated, this, [this](QWidget* form) {
        if (form == this)
            Form_Activate();
    });
    // A read of the start that fails shows its box before the start ends: the log has
    // to know of the failure while that box waits for its OK. Monitoring that does not
    // poll yet is a start under way.
    connect(&linkEvents(), &LinkEvents::requestFailed, this, [this] {
        if (monitorState.bMonitoring && !pollEnabled_)
            monitorState.bPollError = true;
    });
    setPanelDrawer([this] { DrawMonitorPanel(); });
    Form_Load();
}

frmMonitoring::~frmMonitoring()
{
    setPanelDrawer({});
    logFile_.close();
}

void frmMonitoring::ApplyTextsMonitor()
{
    setWindowTitle(LoadResString(res::kMonitoring));
    mFile->setTitle(LoadResString(res::kMenuFile));
    mReturn->setText(LoadResString(res::kMenuReturn));
    mSetting->setTitle(LoadResString(res::kMenuOption));
    mCommSetting->setText(LoadResString(res::kCommSettings));
    mLogging->setText(LoadResString(res::kMenuLogging));
    mLogoff->setText(LoadResString(res::kMenuLogOff));
}

void frmMonitoring::Form_Load()
{
    ApplyTextsMonitor();
    ResetPanelImages(0);
    ResetPanelImages(1);
    cmdMonitorStop->setEnabled(false);
    cmdMonitorStart->setEnabled(true);
    cmdRetrun->setEnabled(true);
    mCommSetting->setEnabled(true);
    mLogoff->setEnabled(false);
    setToolbarVisible(false);
    setStatusPanel(4, QString());
    monitorState.sMonitorText = {QString(), QString()};
    ArrangeMonitorButtons();
}

void frmMonitoring::ArrangeMonitorButtons()
{
    const std::array<std::pair<QPushButton*, MonitorImage*>, 3> pairs = {
        {{cmdMonitorStart, ImageStart}, {cmdMonitorStop, ImageStop}, {cmdRetrun, ImageReturn}}};
    for (auto [button, image] : pairs) {
        image->setGeometry(button->geometry());
        image->raise();
    }
    setButtonLook(cmdMonitorStart, ImageStart, "IMAGE_START", true);
    setButtonLook(cmdMonitorStop, ImageStop, "IMAGE_STOP", false);
    setButtonLook(cmdRetrun, ImageReturn, "IMAGE_RETURN", true);
    for (std::size_t i = 0; i < 2; ++i) {
        const MonitorImage* week = (i == 0 ? panelA : panelB).image_week;
        // Exactly over the lamp row: the legend centres its words on the row's cells.
        QLabel* label = lblRstOut[i];
        label->setGeometry(week->x(), week->y() - label->height(), week->width(), label->height());
    }
}

void frmMonitoring::setButtonLook(QPushButton* button, MonitorImage* image, const char* picture, bool available)
{
    button->setEnabled(available);
    image->setPictureName(QLatin1String(picture) + (available ? "_E" : "_D"));
    image->setFrameStyle(available ? QFrame::NoFrame : (QFrame::Box | QFrame::Plain));
    image->setLineWidth(1);
}

void frmMonitoring::setRunningLook(bool running)
{
    setButtonLook(cmdMonitorStart, ImageStart, "IMAGE_START", !running);
    setButtonLook(cmdMonitorStop, ImageStop, "IMAGE_STOP", running);
    setButtonLook(cmdRetrun, ImageReturn, "IMAGE_RETURN", !running);
    mReturn->setEnabled(!running);
    mCommSetting->setEnabled(!running);
}

void frmMonitoring::Form_Activate() { setStatusPanel(1, QStringLiteral("Monitor")); }

// ---------------------------------------------------------------- panels

void frmMonitoring::showPanel(const PanelImages& panel, const std::vector<PanelPicture>& pictures)
{
    for (const PanelPicture& p : pictures)
        if (MonitorImage* image = panel.element(p))
            image->setPictureName(p.name);
}

void frmMonitoring::DrawMonitorPanel()
{
    showPanel(panelA, PanelPictureNames(PanelShownA));
    showPanel(panelB, PanelPictureNames(PanelShownB));
}

void frmMonitoring::ResetPanelImages(int set)
{
    if (set == 0 || set == 1)
        showPanel(set == 0 ? panelA : panelB, BlankPanelPictureNames());
}

// ---------------------------------------------------------------- start and stop

void frmMonitoring::ImageStart_Click()
{
    if (!cmdMonitorStart->testAttribute(Qt::WA_Disabled))
        cmdMonitorStart_Click();
}

void frmMonitoring::ImageStop_Click()
{
    if (!cmdMonitorStop->testAttribute(Qt::WA_Disabled))
        cmdMonitorStop_Click();
}

void frmMonitoring::ImageReturn_Click()
{
    if (!cmdRetrun->testAttribute(Qt::WA_Disabled))
        cmdRetrun_Click();
}

void frmMonitoring::cmdMonitorStart_Click()
{
    // Stop is available while the instrument is identified.
    setRunningLook(true);
    QPointer<frmMonitoring> self(this);
    const int result = StartMonitor();
    commState.nErrCode = result;
    // A window closed under the start has ended it and left the link as the editor needs it.
    if (!self || unloaded_ || result == 0)
        return;
    if (CommControl().PortOpen())
        CommControl().setPortOpen(false);
    setRunningLook(false);
    monitorState.bMonitoring = false;
    commState.bSilentComm = 1;
}

int frmMonitoring::StartMonitor()
{
    if (commSettings.nSlaveID < 0 || commSettings.nSlaveID > 255) {
        setStatusPanel(4, LoadResString(res::kStatusWrongDeviceId));
        ShowErrorMessage(kWrongDeviceId);
        return 1;
    }
    commState.nErrCode = OpenCommPort();
    if (commState.nErrCode != 0)
        return commState.nErrCode;
    commState.bSilentComm = 0;
    monitorState.bMonitoring = true;
    // Nothing of this start is read yet: neither the panels, the summaries nor the log
    // show what an earlier one left, and a start that fails leaves them so.
    monitorState.bPollError = false;
    monitorState.sMonitorText = {QString(), QString()};
    ResetPanelImages(0);
    ResetPanelImages(1);
    txtInformation_A->clear();
    txtInformation_B->clear();

    // A Stop pressed (or the window closed) while a read waited ends the start without
    // a message: the link calls off a read whose port the program closed.
    InstrumentIdentity id;
    int linkCode = 0;
    switch (ReadInstrumentIdentity(id, false, linkCode, [] { return monitorState.bMonitoring; })) {
    case IdentifyStep::Ok:
        break;
    case IdentifyStep::NotFamily:
        return startRefused(kMemoryAddressError);
    case IdentifyStep::ReadFailed:
    case IdentifyStep::Stopped:
        return 1;
    }
    monitorState.nDevCode = id.typeCode;

    switch (monitorState.nDevCode) {
    case 1: return runStart(InitMonitor_H9);
    case 2: return runStart(InitMonitor_H5);
    case 3: return runStart(InitMonitor_H7);
    case 4: return InitMonitor_H8();
    default: return startRefused(kWrongMachineType);
    }
}

int frmMonitoring::startRefused(int code)
{
    // Failed before its box shows, which the log may write under.
    monitorState.bPollError = true;
    ShowErrorMessage(code);
    return 1;
}

int frmMonitoring::InitMonitor_H8()
{
    if (!monitorState.bMonitoring)
        return 0;
    LinkRegisterSource source(commSettings.nSlaveID);
    StartReads reads(source);
    if (!reads.low(kRegFuncMode, &devReadback.nDevFuncMode))
        return 1;
    const int mode = devReadback.nDevFuncMode;
    if (mode <= 2)
        return runStart(InitMonitor_H5);
    if (mode <= 8)
        return runStart(InitMonitor_H7);
    // A mode no reader serves would leave a running look that polls nothing.
    return startRefused(kWrongMachineType);
}

int frmMonitoring::runStart(StartRoutine routine)
{
    QPointer<frmMonitoring> self(this);
    LinkRegisterSource source(commSettings.nSlaveID);
    MonitorSummary summary;
    const int result = routine(source, ModelName(monitorState.nDevCode), summary);
    if (!self)
        return 1;
    // A routine that found monitoring stopped on entry did nothing: the window stays
    // idle where Stop has put it.
    if (result != 0 || !monitorState.bMonitoring)
        return result;
    const auto boxText = [](QString text) { return text.replace(QLatin1String(kLineEnd), QStringLiteral("\n")); };
    txtInformation_A->setPlainText(boxText(summary.textA));
    if (summary.textB)
        txtInformation_B->setPlainText(boxText(*summary.textB));
    commState.bSilentComm = 1;
    enablePoll();
    return 0;
}

void frmMonitoring::enablePoll()
{
    pollEnabled_ = true;
    Timer1_monitor->start();
}

void frmMonitoring::disablePoll()
{
    pollEnabled_ = false;
    Timer1_monitor->stop();
}

void frmMonitoring::Timer1_monitor_Timer()
{
    // The chain never overlaps itself: one request on the line at a time.
    if (tickRunning_ || !pollEnabled_)
        return;
    tickRunning_ = true;
    QPointer<frmMonitoring> self(this);
    // While panel 4 tells of failed polls, this poll's read leaves it so: the user
    // hears of an answer only once one has come.
    commState.bKeepActivityText = monitorState.bPollError;
    LinkRegisterSource source(commSettings.nSlaveID);
    int result = 0;
    const int mode = devReadback.nDevFuncMode;
    if (monitorState.nDevCode == 1)
        result = UpdateMonitorPanel_H9(source);
    else if (mode <= 2)
        result = UpdateMonitorPanel_H5(source);
    else if (mode <= 8)
        result = UpdateMonitorPanel_H7(source);
    commState.bKeepActivityText = false;
    if (!self || unloaded_) {
        // The window closed under this poll and kept the link silent for its read.
        commState.bSilentComm = 0;
        if (self)
            tickRunning_ = false;
        return;
    }
    tickRunning_ = false;
    // Only Stop and closing the window close the port on purpose, and both end the
    // chain first. A port closed under a running chain has lost its device (the
    // instrument or its adapter unplugged): every further poll would fail at once and
    // the panel would go on showing the last values as if they were live.
    if (pollEnabled_ && !CommControl().PortOpen()) {
        monitorState.bPollError = true;
        // The log tells of the loss when it is found, while monitoring still runs.
        if (logSettings.bLogErrors && Logging())
            writeLogLine();
        cmdMonitorStop_Click();
        setStatusPanel(4, QString::fromLatin1(kActivityReadError));
        ShowErrorMessage(kCommError, LostPortDetail());
        return;
    }
    // A poll cut short by Stop tells nothing of the instrument.
    if (!pollEnabled_)
        return;
    // A silent instrument on an open port: polling goes on, and panel 4 says so until
    // a poll is answered again.
    const bool failed = result != 0;
    if (failed != monitorState.bPollError)
        setStatusPanel(4, QString::fromLatin1(failed ? kActivityReadError : kActivityRead));
    monitorState.bPollError = failed;
    // The next poll once this one has ended and the window has handled its events.
    Timer1_monitor->start();
}

void frmMonitoring::cmdMonitorStop_Click()
{
    disablePoll();
    setRunningLook(false);
    monitorState.bMonitoring = false;
    // A read waiting for its reply ends now, not at its time-out.
    if (CommControl().PortOpen())
        CommControl().setPortOpen(false);
    setStatusPanel(4, QString());
}

void frmMonitoring::cmdRetrun_Click()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void frmMonitoring::mReturn_Click() { cmdRetrun_Click(); }

void frmMonitoring::mCommSetting_Click()
{
    frmCommSetup::instance().exec();
    UpdateCommStatusBar();
}

void frmMonitoring::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
    unload();
}

void frmMonitoring::Form_Unload()
{
    if (monitorState.bMonitoring) {
        disablePoll();
        if (CommControl().PortOpen())
            CommControl().setPortOpen(false);
    }
    disablePoll();
    monitorState.bMonitoring = false;
    stopLogging();
    if (!programClosing())
        showEditorAgain();
    // A poll cut short by the closed port still has to fail without a message.
    if (!tickRunning_)
        commState.bSilentComm = 0;
}

// ---------------------------------------------------------------- logging

bool frmMonitoring::Logging() const { return Timer1_log->isActive(); }

void frmMonitoring::mLogging_Click()
{
    const SaveAsChoice choice = SelectLogFile(CommonDialog1);
    commState.nErrCode = choice.code;
    if (commState.nErrCode != 0) {
        ShowErrorMessage(commState.nErrCode);
        return;
    }
    if (bSaveCancelled)
        return;
    // Kept as chosen, so that the file replaced is the one the question named.
    sLogFileName = choice.path;
    frmLogging::ShowModal();
}

void frmMonitoring::StartLogging()
{
    if (!logFile_.open(sLogFileName)) {
        ShowErrorMessage(kSaveFailed);
        return;
    }
    logSettings.nLogTickSec = 0;
    logSettings.nLogTickMin = 0;
    Timer1_log->start();
    mLogging->setEnabled(false);
    mLogoff->setEnabled(true);
}

void frmMonitoring::mLogoff_Click() { stopLogging(); }

void frmMonitoring::stopLogging()
{
    if (!Timer1_log->isActive())
        return;
    Timer1_log->stop();
    platform::sleepMs(100);
    logFile_.close();
    mLogging->setEnabled(true);
    mLogoff->setEnabled(false);
}

void frmMonitoring::Timer1_log_Timer()
{
    if (LogTickElapsed(logSettings) && monitorState.bMonitoring)
        writeLogLine();
}

void frmMonitoring::writeLogLine()
{
    const QString line = LogLine(LogTimestamp(platform::clock().now()), logSettings, monitorState);
    if (!logFile_.writeLine(line)) {
        // Never a silent loss: logging ends and says so.
        stopLogging();
        ShowErrorMessage(kSaveFailed);
    }
}
