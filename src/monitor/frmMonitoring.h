#pragma once
// The monitoring window: two imitations of the instrument's front panel, the
// configuration summary of each, Start, Stop and Return, and the value log.
//
// It stands in for the editor while it is open (the toolbar is hidden and nothing
// here starts a transfer); closing it shows the editor that opened it again. Start
// identifies the instrument and runs its type's start routine; polling then runs as a
// chain, each poll starting once the previous one has ended and the window has handled
// its events. Stop, Return and closing the window cut a waiting read short by closing
// the port, and nothing is drawn after Stop.
#include "monitor/value_log.h"
#include "platform/file_dialog.h"
#include "platform/single_form.h"

#include <QLabel>
#include <QWidget>

#include <array>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;
struct MonitorSummary;
struct PanelPicture;
class RegisterSource;

// A picture by name, stretched to the control. A name the picture set lacks leaves
// the picture on show, so one missing bitmap costs one element, not the panel.
class MonitorImage : public QLabel {
    Q_OBJECT
public:
    explicit MonitorImage(const QString& name, QWidget* parent);
    void setPictureName(const QString& name);
    // The name of the picture on show ("" before the first one).
    const QString& pictureName() const { return pictureName_; }
    // The last name asked for, shown or not.
    const QString& requestedName() const { return requestedName_; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString pictureName_;
    QString requestedName_;
};

// The names of the lamps, laid over a lamp row: the caption's words stand centred
// over every other lamp cell from the first (RST1, RST2, OUT1, OUT2 over cells 1, 3,
// 5 and 7). The label spans the row, whose picture divides its width into seven
// equal cells, so the words keep to their lamps whatever the font makes of the blanks
// between them.
class LampLegend : public QLabel {
    Q_OBJECT
public:
    LampLegend(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The image controls of one panel, named as on panel A; panel B's carry the prefix
// "T_" in their object names.
struct PanelImages {
    QFrame* frame = nullptr;
    MonitorImage* image_str_AU = nullptr;
    MonitorImage* image_str_OnOff = nullptr;
    MonitorImage* image_week = nullptr;
    MonitorImage* image_Group = nullptr;
    MonitorImage* image_CountDir = nullptr;
    MonitorImage* image_TimerMode = nullptr;
    MonitorImage* image_str_KP = nullptr;
    MonitorImage* image_str_RangeMode = nullptr;
    MonitorImage* image_char_sp_B = nullptr;
    MonitorImage* image_T_B = nullptr;
    std::array<MonitorImage*, 6> image_char_A{};
    std::array<MonitorImage*, 6> image_char_B{};
    std::array<MonitorImage*, 2> image_DPCol_A{};
    std::array<MonitorImage*, 2> image_DPCol_B{};
    std::array<MonitorImage*, 2> image_DP_A{};
    std::array<MonitorImage*, 2> image_DP_B{};

    MonitorImage* element(const PanelPicture& picture) const;
};

// The controls of the window, made and placed by its setupUi (frmMonitoring_layout.cpp).
struct Ui_frmMonitoring {
    QPushButton* cmdMonitorStart = nullptr;
    QPushButton* cmdMonitorStop = nullptr;
    QPushButton* cmdRetrun = nullptr;
    MonitorImage* ImageStart = nullptr;
    MonitorImage* ImageStop = nullptr;
    MonitorImage* ImageReturn = nullptr;
    QTimer* Timer1_monitor = nullptr;
    QTimer* Timer1_log = nullptr;
    std::array<LampLegend*, 2> lblRstOut{};
    QPlainTextEdit* txtInformation_A = nullptr;
    QPlainTextEdit* txtInformation_B = nullptr;
    PanelImages panelA; // frmTimer_A
    PanelImages panelB; // Frame22

    QMenuBar* menuBar = nullptr;
    QMenu* mFile = nullptr;
    QAction* mReturn = nullptr;
    QMenu* mSetting = nullptr;
    QAction* mCommSetting = nullptr;
    QAction* mstep10 = nullptr;
    QAction* mLogging = nullptr;
    QAction* mLogoff = nullptr;
};

class frmMonitoring : public QWidget, public platform::SingleForm<frmMonitoring>, private Ui_frmMonitoring {
    Q_OBJECT
    // Tests reach the controls through FormAccess (tests/support/form_access.h).
    friend struct FormAccess;

public:
    frmMonitoring();
    ~frmMonitoring() override;

    // The log file's Save dialog, and the file its last choice named (as SelectLogFile
    // gave it): OK of the log options opens that file.
    platform::CommonDialog CommonDialog1;
    QString sLogFileName;

    void Form_Load();
    void Form_Activate();
    void cmdMonitorStart_Click();
    void cmdMonitorStop_Click();
    void cmdRetrun_Click();
    void ImageStart_Click();
    void ImageStop_Click();
    void ImageReturn_Click();
    void mReturn_Click();
    void mCommSetting_Click();
    void mLogging_Click();
    void mLogoff_Click();
    void Timer1_monitor_Timer();
    void Timer1_log_Timer();

    // Identification and the start routine of the type found; 0 when polling runs.
    int StartMonitor();
    // The start of an H8, by the function mode it reports.
    int InitMonitor_H8();

    // Opens sLogFileName and starts the log timer (OK of the log options).
    // A file that cannot be opened shows kSaveFailed and logging does not start.
    void StartLogging();
    bool Logging() const;
    // Whether a poll is due or running.
    bool Polling() const { return pollEnabled_; }

    // Draws the shown records on both panels.
    void DrawMonitorPanel();
    // Both panels dark (set 0 panel A, 1 panel B; any other set does nothing).
    void ResetPanelImages(int set);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setupUi();
    void BuildMenus();
    void BuildPanel(PanelImages& panel, const QString& prefix);
    void ApplyTextsMonitor();
    void ArrangeMonitorButtons();
    void setRunningLook(bool running);
    void setButtonLook(QPushButton* button, MonitorImage* image, const char* picture, bool available);
    void enablePoll();
    void disablePoll();
    void Form_Unload();
    void stopLogging();
    // Writes the line of this moment; a line that cannot be written ends logging.
    void writeLogLine();
    // A check of the start failed: its message, and the start ends (1).
    int startRefused(int code);
    using StartRoutine = int (*)(RegisterSource&, const QString&, MonitorSummary&);
    // Runs a type's start routine; on success writes the boxes and starts polling.
    int runStart(StartRoutine routine);
    void showPanel(const PanelImages& panel, const std::vector<PanelPicture>& pictures);

    // What the window asks of the main window.
    void setStatusPanel(int panel, const QString& text);
    void setToolbarVisible(bool visible);
    void showEditorAgain();
    bool programClosing() const;

    bool pollEnabled_ = false;
    bool tickRunning_ = false;
    bool unloaded_ = false;
    LogFile logFile_;
};
