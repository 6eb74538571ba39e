#include "monitor/panel_state.h"

#include "core/monitor_state.h"

#include <cstring>
#include <utility>

PanelState PanelNextA;
PanelState PanelShownA;
PanelState PanelNextB;
PanelState PanelShownB;

void PanelState::clearPoints()
{
    byDPColA = {0, 0};
    byDPColB = {0, 0};
    byDPA = {0, 0};
    byDPB = {0, 0};
}

void PanelState::blankDigits()
{
    byCharA.fill(kDigitBlank);
    byCharB.fill(kDigitBlank);
}

QString FormatPanelText(const PointPair& pointOrColon, const PointPair& point, const DigitRow& digits)
{
    const auto pointOrColonText = [](quint8 b) {
        return b == 1 ? QStringLiteral(".") : b == 2 ? QStringLiteral(":") : QString();
    };
    const auto pointText = [](quint8 b) { return b == 1 ? QStringLiteral(".") : QString(); };
    const auto n = [&digits](int i) {
        const quint8 code = digits[static_cast<std::size_t>(i)];
        return code == kDigitBlank ? QStringLiteral(" ") : QString::number(code);
    };

    QString text = digits[0] == kDigitMinus ? QStringLiteral("-") : n(0);
    text += n(1) + pointOrColonText(pointOrColon[0]) + n(2) + pointText(point[0]) + n(3)
          + pointOrColonText(pointOrColon[1]) + n(4) + pointText(point[1]) + n(5);
    return text;
}

QString FormatUpperRow(const PanelState& panel)
{
    return FormatPanelText(panel.byDPColA, panel.byDPA, panel.byCharA);
}

namespace {

const char* const kSpecialLetters = "ABCDEFHLNOPRTUYZ";

QString indicatorName(const char* prefix, quint8 value, quint8 last, quint8 dark)
{
    return QLatin1String(prefix) + QString::number(value <= last ? value : dark);
}

bool isDigitCode(int code) { return (code >= 0 && code <= 9) || code == kDigitMinus || code == kDigitBlank; }

QString digitName(quint8 code)
{
    return QStringLiteral("image_") + QString::number(isDigitCode(code) ? code : kDigitBlank);
}

// The extra character cell shows a digit code written as text or one of a few letters.
QString characterName(const QString& code)
{
    bool isNumber = false;
    const int n = code.toInt(&isNumber);
    if (isNumber && isDigitCode(n) && code == QString::number(n))
        return QStringLiteral("image_") + code;
    if (code.size() == 1 && code.at(0).isUpper() && std::strchr(kSpecialLetters, code.at(0).toLatin1()))
        return QStringLiteral("image_") + code.toLower();
    return QStringLiteral("image_99");
}

QString lampRowName(const QString& pattern)
{
    bool ok = pattern.size() == 7;
    for (QChar c : pattern)
        ok = ok && (c == QLatin1Char('0') || c == QLatin1Char('1'));
    return QStringLiteral("image_week_") + (ok ? pattern : QStringLiteral("0000000"));
}

std::vector<PanelPicture> namesOf(const PanelState& p)
{
    using E = PanelPicture;
    std::vector<PanelPicture> out;
    out.reserve(32);
    out.push_back({E::AU, 0, indicatorName("image_au_", p.byAU, 1, 0)});
    out.push_back({E::OnOff, 0, indicatorName("image_onoff_", p.byOnOff, 2, 2)});
    out.push_back({E::Group, 0, indicatorName("image_group_", p.byGroup, 4, 0)});
    out.push_back({E::CountDir, 0, indicatorName("image_countdir_", p.byCountDir, 4, 0)});
    out.push_back({E::KP, 0, indicatorName("image_kp_", p.byKP, 1, 0)});
    out.push_back({E::RangeMode, 0, indicatorName("image_rangemode_", p.byRangeMode, 2, 0)});
    out.push_back({E::TimerMode, 0, indicatorName("image_timermode_", p.byTimerMode, 6, 0)});
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i < 2) {
            out.push_back({E::DPColA, i, indicatorName("image_dpcol_", p.byDPColA[k], 2, 0)});
            out.push_back({E::DPColB, i, indicatorName("image_dpcol_", p.byDPColB[k], 2, 0)});
            out.push_back({E::DPA, i, indicatorName("image_dp_", p.byDPA[k], 1, 0)});
            out.push_back({E::DPB, i, indicatorName("image_dp_", p.byDPB[k], 1, 0)});
        }
        out.push_back({E::CharA, i, digitName(p.byCharA[k])});
        out.push_back({E::CharB, i, digitName(p.byCharB[k])});
    }
    out.push_back({E::TB, 0, QStringLiteral("image_t_b_") + (p.sTB == QLatin1String("1") ? "1" : "0")});
    out.push_back({E::CharSpB, 0, characterName(p.sCharSpB)});
    out.push_back({E::Week, 0, lampRowName(p.sWeek)});
    return out;
}

std::function<void()> g_drawer;

} // namespace

std::vector<PanelPicture> PanelPictureNames(const PanelState& panel) { return namesOf(panel); }

std::vector<PanelPicture> BlankPanelPictureNames()
{
    PanelState dark;
    dark.byOnOff = 2;
    dark.blankDigits();
    dark.sTB = QStringLiteral("0");
    dark.sCharSpB = QStringLiteral("99");
    dark.sWeek = QStringLiteral("0000000");
    return namesOf(dark);
}

std::vector<QString> AllPanelPictureNames()
{
    std::vector<QString> names;
    const auto range = [&names](const char* prefix, int last) {
        for (int v = 0; v <= last; ++v)
            names.push_back(QLatin1String(prefix) + QString::number(v));
    };
    range("image_au_", 1);
    range("image_onoff_", 2);
    range("image_group_", 4);
    range("image_countdir_", 4);
    range("image_kp_", 1);
    range("image_rangemode_", 2);
    range("image_timermode_", 6);
    range("image_dpcol_", 2);
    range("image_dp_", 1);
    range("image_", 9);
    names.push_back(QStringLiteral("image_98"));
    names.push_back(QStringLiteral("image_99"));
    range("image_t_b_", 1);
    for (const char* c = kSpecialLetters; *c; ++c)
        names.push_back(QStringLiteral("image_") + QChar::fromLatin1(*c).toLower());
    // Every lamp row of the form x0x0x0x: the lamps under RST1, RST2, OUT1 and OUT2.
    for (int bits = 0; bits < 16; ++bits) {
        QString row = QStringLiteral("0000000");
        for (int lamp = 0; lamp < 4; ++lamp)
            if (bits & (8 >> lamp))
                row[2 * lamp] = QLatin1Char('1');
        names.push_back(QStringLiteral("image_week_") + row);
    }
    return names;
}

void setPanelDrawer(std::function<void()> drawer) { g_drawer = std::move(drawer); }

void DrawMonitorPanel()
{
    if (g_drawer)
        g_drawer();
}

void ShowDecodedPanels()
{
    if (!monitorState.bMonitoring)
        return;
    PanelShownA = PanelNextA;
    PanelShownB = PanelNextB;
    DrawMonitorPanel();
}
