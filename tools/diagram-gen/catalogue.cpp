#include "catalogue.h"

#include "platform/strings.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace diagram {

void PictureList::add(const QString& path, Diagram d)
{
    if (names_.contains(path))
        return;
    names_.insert(path);
    pictures_.push_back({path, std::move(d)});
}

QString englishText(int id) { return platform::resString(id, platform::Language::English).trimmed(); }

Row counterOutputRow(const QString& label, CounterOutput kind, const std::vector<double>& countUps,
                     const std::vector<double>& resets, double outputTime)
{
    std::vector<std::pair<double, QString>> events{{0, QStringLiteral("L")}};
    for (double c : countUps) {
        events.emplace_back(c, QStringLiteral("H"));
        if (kind == CounterOutput::OneShot)
            events.emplace_back(c + outputTime, QStringLiteral("L"));
        else if (kind == CounterOutput::OnNotFixed)
            events.emplace_back(c + 6, QStringLiteral("X"));
    }
    for (double r : resets)
        events.emplace_back(r, QStringLiteral("L"));
    std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList wave;
    for (const auto& [t, l] : events)
        wave << l + QString::number(t);
    std::vector<Span> spans;
    if (kind == CounterOutput::OneShot && !countUps.empty())
        spans.push_back({countUps.front(), countUps.front() + outputTime, QStringLiteral("Output time")});
    return sig(label, wave.join(QLatin1Char(' ')), spans);
}

namespace {

double tachoSpeed(double t)
{
    if (t < 20)
        return 0.3;
    if (t < 45)
        return 0.3 + (t - 20) / 25;
    if (t < 60)
        return 1.3;
    if (t < 85)
        return 1.3 - (t - 60) / 25;
    return 0.3;
}

} // namespace

// One pulse each time the speed, summed over time, passes a whole number: the pulses
// crowd together as the speed rises (a period of about 2.2 at the top speed).
QString tachoInputWave()
{
    QStringList wave{QStringLiteral("L0")};
    double phase = 0.6;
    const double dt = 0.01;
    for (double t = 0; t < 99; t += dt) {
        const double before = phase;
        phase += tachoSpeed(t) * dt / (1.3 * 2.2);
        if (std::floor(phase) > std::floor(before)) {
            const double width = 0.4 * 1.3 * 2.2 / tachoSpeed(t);
            if (t + width >= 100)
                break;
            wave << QStringLiteral("H%1").arg(t, 0, 'f', 2) << QStringLiteral("L%1").arg(t + width, 0, 'f', 2);
        }
    }
    return wave.join(QLatin1Char(' '));
}
QString tachoSpeedWave() { return QStringLiteral("0:0.3 20:0.3 45:1.3 60:1.3 85:0.3 100:0.3"); }
double tachoRise(double level) { return 20 + 25 * (level - 0.3); }
double tachoFall(double level) { return 60 + 25 * (1.3 - level); }

QString tachoOutput(double level, bool above)
{
    return above ? QStringLiteral("L0 H%1 L%2").arg(tachoRise(level)).arg(tachoFall(level))
                 : QStringLiteral("H0 L%1 H%2").arg(tachoRise(level)).arg(tachoFall(level));
}

std::vector<Picture> allPictures()
{
    std::vector<Picture> out = h9Pictures();
    std::vector<Picture> more = h5h7Pictures();
    out.insert(out.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    return out;
}

} // namespace diagram
