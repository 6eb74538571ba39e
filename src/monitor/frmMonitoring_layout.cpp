#include "monitor/frmMonitoring.h"

#include "platform/twips.h"

#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using platform::placeTw;

namespace {

QPlainTextEdit* makeSummaryBox(const char* name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFont(platform::formFont(9));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return box;
}

QPushButton* makeButton(const char* name, QWidget* parent, double left)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    placeTw(button, left, 5940, 1215, 555);
    return button;
}

} // namespace

LampLegend::LampLegend(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setFont(platform::formFont(7));
    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    setPalette(white);
}

void LampLegend::paintEvent(QPaintEvent*)
{
    constexpr int kLampCells = 7;
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int k = 0; k < words.size() && 2 * k < kLampCells; ++k) {
        // Cell edges as the lamp picture rounds them; a word wider than its cell
        // spills evenly to both sides rather than being cut.
        const int left = qRound(2 * k * width() / double(kLampCells));
        const int right = qRound((2 * k + 1) * width() / double(kLampCells));
        const QRect cell(left - width(), 0, right - left + 2 * width(), height());
        p.drawText(cell, Qt::AlignCenter, words[k]);
    }
}

void frmMonitoring::BuildPanel(PanelImages& p, const QString& prefix)
{
    p.frame->setAutoFillBackground(true);
    QPalette black = p.frame->palette();
    black.setColor(QPalette::Window, Qt::black);
    p.frame->setPalette(black);
    const auto image = [&](const QString& name, double left, double top, double width, double height) {
        auto* img = new MonitorImage(prefix + name, p.frame);
        placeTw(img, left, top, width, height);
        return img;
    };
    p.image_str_AU = image("image_str_AU", 60, 240, 555, 390);
    p.image_str_OnOff = image("image_str_OnOff", 660, 270, 915, 360);
    p.image_week = image("image_week", 1650, 300, 3480, 315);
    p.image_Group = image("image_Group", 60, 720, 315, 1425);
    p.image_CountDir = image("image_CountDir", 420, 750, 345, 1335);
    static constexpr std::array<double, 6> kUpperLeft = {840, 1440, 2130, 2820, 3510, 4170};
    static constexpr std::array<double, 6> kLowerLeft = {3120, 3360, 3660, 3960, 4260, 4560};
    for (std::size_t i = 0; i < 6; ++i) {
        p.image_char_A[i] = image(QStringLiteral("image_char_A(%1)").arg(i), kUpperLeft[i], 840, 600, 1050);
        p.image_char_B[i] = image(QStringLiteral("image_char_B(%1)").arg(i), kLowerLeft[i], 2280, 240, 465);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        p.image_DPCol_A[i] = image(QStringLiteral("image_DPCol_A(%1)").arg(i), i == 0 ? 2040 : 3420, 840, 105, 1050);
        p.image_DP_A[i] = image(QStringLiteral("image_DP_A(%1)").arg(i), i == 0 ? 2730 : 4080, 840, 105, 1050);
        p.image_DPCol_B[i] = image(QStringLiteral("image_DPCol_B(%1)").arg(i), i == 0 ? 3600 : 4200, 2280, 60, 465);
        p.image_DP_B[i] = image(QStringLiteral("image_DP_B(%1)").arg(i), i == 0 ? 3900 : 4500, 2280, 60, 465);
    }
    p.image_TimerMode = image("image_TimerMode", 4860, 750, 255, 1305);
    p.image_str_KP = image("image_str_KP", -180, 2310, 750, 405);
    p.image_str_RangeMode = image("image_str_RangeMode", 660, 2310, 1830, 420);
    p.image_char_sp_B = image("image_char_sp_B", 2640, 2280, 240, 465);
    p.image_T_B = image("image_T_B", 2880, 2280, 240, 465);
}

void frmMonitoring::BuildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    mFile = menuBar->addMenu(QString());
    mFile->setObjectName("mFile");
    mReturn = mFile->addAction(QString());
    mReturn->setObjectName("mReturn");
    mSetting = menuBar->addMenu(QString());
    mSetting->setObjectName("mSetting");
    mCommSetting = mSetting->addAction(QString());
    mCommSetting->setObjectName("mCommSetting");
    mCommSetting->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    mstep10 = mSetting->addSeparator();
    mstep10->setObjectName("mstep10");
    mLogging = mSetting->addAction(QString());
    mLogging->setObjectName("mLogging");
    mLogoff = mSetting->addAction(QString());
    mLogoff->setObjectName("mLogoff");
}

void frmMonitoring::setupUi()
{
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(platform::tw(10980), platform::tw(6615));
    BuildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);

    panelA.frame = new QFrame(client);
    panelA.frame->setObjectName("frmTimer_A");
    placeTw(panelA.frame, 120, 120, 5295, 2895);
    BuildPanel(panelA, QString());
    panelB.frame = new QFrame(client);
    panelB.frame->setObjectName("Frame22");
    placeTw(panelB.frame, 5565, 120, 5295, 2895);
    BuildPanel(panelB, QStringLiteral("T_"));

    for (std::size_t i = 0; i < 2; ++i) {
        auto* label = new LampLegend(QStringLiteral("RST1            RST2           OUT1           OUT2"),
                                     i == 0 ? panelA.frame : panelB.frame);
        label->setObjectName(QStringLiteral("lblRstOut(%1)").arg(i));
        label->resize(label->width(), platform::tw(195));
        lblRstOut[i] = label;
    }

    txtInformation_A = makeSummaryBox("txtInformation_A", client);
    placeTw(txtInformation_A, 120, 3135, 5295, 2655);
    txtInformation_B = makeSummaryBox("txtInformation_B", client);
    placeTw(txtInformation_B, 5565, 3135, 5295, 2655);

    cmdMonitorStart = makeButton("cmdMonitorStart", client, 7005);
    cmdMonitorStop = makeButton("cmdMonitorStop", client, 8265);
    cmdRetrun = makeButton("cmdRetrun", client, 9525);
    ImageStart = new MonitorImage(QStringLiteral("ImageStart"), client);
    ImageStop = new MonitorImage(QStringLiteral("ImageStop"), client);
    ImageReturn = new MonitorImage(QStringLiteral("ImageReturn"), client);

    Timer1_monitor = new QTimer(this);
    Timer1_monitor->setObjectName("Timer1_monitor");
    Timer1_monitor->setSingleShot(true);
    Timer1_monitor->setInterval(5);
    Timer1_log = new QTimer(this);
    Timer1_log->setObjectName("Timer1_log");
    Timer1_log->setTimerType(Qt::PreciseTimer);
    Timer1_log->setInterval(1000);
}
