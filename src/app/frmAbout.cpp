#include "app/frmAbout.h"

#include "platform/strings.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

using platform::Language;
using platform::LoadResString;

namespace {

struct AboutTexts {
    const char* name;
    const char* copyright;
    const char* disclaimer;
};

AboutTexts aboutTexts(Language lang)
{
    switch (lang) {
    case Language::TraditionalChinese:
        return {"tcpanel\n計時器/計數器面板儀表的設定與監控",
                "© tcpanel 開發者",
                "本程式依現狀提供，不附任何形式的保證。儀表控制機器之前，請先在儀表上確認其設定。"};
    case Language::SimplifiedChinese:
        return {"tcpanel\n计时器/计数器面板仪表的设置与监控",
                "© tcpanel 开发者",
                "本程序按现状提供，不附任何形式的保证。仪表控制机器之前，请先在仪表上确认其设置。"};
    case Language::English:
    case Language::Neutral:
        break;
    }
    return {"tcpanel\nSetting up and watching timer/counter panel instruments",
            "© The tcpanel developers",
            "This program is provided as is, without warranty of any kind. Check the settings "
            "on the instrument before it controls a machine."};
}

} // namespace

QString AboutVersionText(int major, int minor, int revision)
{
    return QStringLiteral("Version : %1 . %2 . %3").arg(major).arg(minor).arg(revision);
}

frmAbout::frmAbout()
{
    setupUi();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::ShowModal()
{
    instance().exec();
    unload();
}

void frmAbout::ApplyTextsAbout()
{
    setWindowTitle(LoadResString(res::kAbout));
    cmdOK->setText(LoadResString(res::kOkButton));
}

void frmAbout::Form_Load()
{
    ApplyTextsAbout();
    lblVersion->setText(AboutVersionText(TCPANEL_VERSION_MAJOR, TCPANEL_VERSION_MINOR, TCPANEL_VERSION_PATCH));
    const AboutTexts texts = aboutTexts(platform::language());
    Label1->setText(QString::fromUtf8(texts.name));
    Label2->setText(QString::fromUtf8(texts.copyright));
    lblDisclaimer->setText(QString::fromUtf8(texts.disclaimer));
}

bool frmAbout::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void frmAbout::Form_Activate() { cmdOK->setFocus(); }

void frmAbout::cmdOK_Click() { accept(); }
