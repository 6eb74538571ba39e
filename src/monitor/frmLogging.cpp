#include "monitor/frmLogging.h"

#include "monitor/frmMonitoring.h"
#include "monitor/value_log.h"
#include "platform/message_box.h"
#include "platform/strings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using platform::LoadResString;

frmLogging::frmLogging()
{
    setObjectName("frmLogging");
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setupUi();
    txtScanRate->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, &frmLogging::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmLogging::CancelButton_Click);
    Form_Load();
}

frmLogging::~frmLogging() = default;

void frmLogging::ShowModal() { instance().exec(); }

void frmLogging::ApplyTextsLogging()
{
    setWindowTitle(LoadResString(res::kLogging));
    Frame1->setTitle(LoadResString(res::kLogRate));
    chkLogError->setText(LoadResString(res::kLogErrors));
    Frame3->setTitle(LoadResString(res::kDelimiters));
    optDelimiters[0]->setText(LoadResString(res::kFixedWidth));
    optDelimiters[1]->setText(LoadResString(res::kComma));
    OKButton->setText(LoadResString(res::kOkButton));
    CancelButton->setText(LoadResString(res::kCancelButton));
}

void frmLogging::Form_Load()
{
    ApplyTextsLogging();
    txtScanRate->setText(QString::number(60 * logSettings.nLogRateMin + logSettings.nLogRateSec));
    chkLogError->setChecked(logSettings.bLogErrors);
    const int idx = logSettings.nLogDelimIdx >= 0 && logSettings.nLogDelimIdx <= 2 ? logSettings.nLogDelimIdx : 0;
    optDelimiters[static_cast<std::size_t>(idx)]->setChecked(true);
}

void frmLogging::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &frmLogging::Form_Activate);
}

void frmLogging::Form_Activate() { txtScanRate->setFocus(Qt::OtherFocusReason); }

void frmLogging::txtScanRate_GotFocus() { txtScanRate->selectAll(); }

bool frmLogging::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtScanRate) {
        if (event->type() == QEvent::FocusIn) {
            // After the box's own focus handling, which would place the cursor.
            QTimer::singleShot(0, this, &frmLogging::txtScanRate_GotFocus);
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                OKButton_Click();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                CancelButton_Click();
                return true;
            }
            // Typed characters: digits and Backspace only (pasting with a key is typing).
            const QString text = key->text();
            if (!text.isEmpty() && key->key() != Qt::Key_Backspace) {
                for (QChar c : text)
                    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                        return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmLogging::CancelButton_Click()
{
    hide();
    unload();
}

void frmLogging::reject() { CancelButton_Click(); }

void frmLogging::OKButton_Click()
{
    const std::optional<int> period = ParseLogPeriod(txtScanRate->text());
    if (!period) {
        platform::MsgBox(QStringLiteral("Please enter an integer between 1 and 3600."));
        txtScanRate->setFocus(Qt::OtherFocusReason);
        txtScanRate_GotFocus();
        return;
    }
    SetLogPeriod(logSettings, *period);
    int idx = 0;
    while (idx < 2 && !optDelimiters[static_cast<std::size_t>(idx)]->isChecked())
        ++idx;
    logSettings.nLogDelimIdx = idx;
    logSettings.sLogDelimiter = LogDelimiter(idx);
    logSettings.bLogErrors = chkLogError->isChecked();
    hide();
    unload();
    frmMonitoring::instance().StartLogging();
}
