#include "diagram.h"

#include <QRegularExpression>

namespace diagram {

Row sig(const QString& label, const QString& wave, std::vector<Span> spans)
{
    return Row{RowKind::Digital, label, wave, {}, std::move(spans), std::nullopt};
}

Row bus(const QString& label, const QString& wave) { return Row{RowKind::Bus, label, wave, {}, {}, std::nullopt}; }

Row value(const QString& label, std::vector<Level> levels, const QString& wave, std::vector<Span> spans)
{
    return Row{RowKind::Value, label, wave, std::move(levels), std::move(spans), std::nullopt};
}

namespace {

constexpr double kEnd = 100;

QStringList tokens(const QString& wave) { return wave.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

bool number(const QString& text, double* out)
{
    bool ok = false;
    *out = text.toDouble(&ok);
    return ok;
}

// Adds a level change, keeping times in order and within the axis.
bool addEvent(std::vector<std::pair<double, Lvl>>& events, double t, Lvl l, QString* error)
{
    if (t < 0 || t > kEnd)
        return fail(error, QStringLiteral("time %1 off the axis").arg(t));
    if (!events.empty() && t < events.back().first - 1e-9)
        return fail(error, QStringLiteral("time %1 goes back").arg(t));
    if (!events.empty() && qAbs(events.back().first - t) < 1e-9)
        events.back().second = l;
    else
        events.emplace_back(t, l);
    return true;
}

} // namespace

std::optional<std::vector<Segment>> parseDigital(const QString& wave, QString* error)
{
    static const QRegularExpression pulses(QStringLiteral("^P([0-9.]+)-([0-9.]+)/([0-9]+)(?:\\+([0-9.]+))?$"));
    std::vector<std::pair<double, Lvl>> events{{0.0, Lvl::Low}};
    Lvl base = Lvl::Low;
    for (const QString& tok : tokens(wave)) {
        if (tok.isEmpty())
            continue;
        const QChar c = tok.at(0);
        if (c == QLatin1Char('L') || c == QLatin1Char('H') || c == QLatin1Char('X')) {
            double t = 0;
            if (!number(tok.mid(1), &t))
                return fail(error, QStringLiteral("bad time in ") + tok), std::nullopt;
            base = c == QLatin1Char('L') ? Lvl::Low : c == QLatin1Char('H') ? Lvl::High : Lvl::NotFixed;
            if (!addEvent(events, t, base, error))
                return std::nullopt;
            continue;
        }
        const auto m = pulses.match(tok);
        if (!m.hasMatch())
            return fail(error, QStringLiteral("unknown token ") + tok), std::nullopt;
        double from = 0, to = 0, shift = 0;
        number(m.captured(1), &from);
        number(m.captured(2), &to);
        if (!m.captured(4).isEmpty())
            number(m.captured(4), &shift);
        const int n = m.captured(3).toInt();
        if (n < 1 || to <= from)
            return fail(error, QStringLiteral("empty pulse train ") + tok), std::nullopt;
        const double period = (to - from) / n;
        // The i-th rising edge at from + i * period, so that the last one falls on `to`
        // where a count reaches its set value; each pulse is high for 0.4 of the period.
        for (int i = 1; i <= n; ++i) {
            const double up = from + (i + shift) * period;
            if (!addEvent(events, up, Lvl::High, error) || !addEvent(events, qMin(up + 0.4 * period, kEnd), base, error))
                return std::nullopt;
        }
    }
    std::vector<Segment> out;
    for (size_t i = 0; i < events.size(); ++i) {
        const double to = i + 1 < events.size() ? events[i + 1].first : kEnd;
        if (to > events[i].first)
            out.push_back({events[i].first, to, events[i].second});
    }
    return out;
}

std::optional<std::vector<BusSegment>> parseBus(const QString& wave, QString* error)
{
    std::vector<BusSegment> out;
    for (const QString& tok : tokens(wave)) {
        const int eq = tok.indexOf(QLatin1Char('='));
        double t = 0;
        if (eq < 1 || !number(tok.left(eq), &t))
            return fail(error, QStringLiteral("unknown token ") + tok), std::nullopt;
        if (t < 0 || t > kEnd || (!out.empty() && t <= out.back().from))
            return fail(error, QStringLiteral("bad time in ") + tok), std::nullopt;
        if (!out.empty())
            out.back().to = t;
        out.push_back({t, kEnd, tok.mid(eq + 1).replace(QLatin1Char('_'), QLatin1Char(' '))});
    }
    if (out.empty() || out.front().from != 0)
        return fail(error, QStringLiteral("a bus starts at 0")), std::nullopt;
    return out;
}

std::optional<std::vector<ValueRun>> parseValue(const QString& wave, QString* error)
{
    static const QRegularExpression point(QStringLiteral("^([0-9.]+):(-?[0-9.]+)(?:/([0-9]+))?$"));
    std::vector<ValueRun> out;
    ValueRun run;
    double last = 0;
    bool any = false;
    auto flush = [&] {
        if (run.points.size() > 0)
            out.push_back(run);
        run = ValueRun{};
    };
    for (const QString& tok : tokens(wave)) {
        if (tok.startsWith(QLatin1Char('X'))) {
            double t = 0;
            if (!any || !number(tok.mid(1), &t) || t < last || t > kEnd)
                return fail(error, QStringLiteral("bad not-fixed stretch ") + tok), std::nullopt;
            flush();
            out.push_back(ValueRun{true, {{last, 0}, {t, 0}}});
            last = t;
            continue;
        }
        const auto m = point.match(tok);
        if (!m.hasMatch())
            return fail(error, QStringLiteral("unknown token ") + tok), std::nullopt;
        double t = 0, v = 0;
        number(m.captured(1), &t);
        number(m.captured(2), &v);
        if (t < last - 1e-9 || t > kEnd)
            return fail(error, QStringLiteral("bad time in ") + tok), std::nullopt;
        const int steps = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
        if (steps > 0) {
            if (run.points.empty())
                return fail(error, QStringLiteral("a staircase needs a point before it: ") + tok), std::nullopt;
            const auto [t0, v0] = run.points.back();
            for (int i = 1; i <= steps; ++i) {
                const double ti = t0 + i * (t - t0) / steps;
                run.points.emplace_back(ti, v0 + (i - 1) * (v - v0) / steps);
                run.points.emplace_back(ti, v0 + i * (v - v0) / steps);
            }
        } else {
            run.points.emplace_back(t, v);
        }
        last = t;
        any = true;
    }
    // A value that is not fixed to the end holds its last point to the end.
    if (run.points.size() > 0 && run.points.back().first < kEnd)
        run.points.emplace_back(kEnd, run.points.back().second);
    flush();
    if (!any)
        return fail(error, QStringLiteral("a value row needs points")), std::nullopt;
    return out;
}

Lvl levelAt(const std::vector<Segment>& segments, double t)
{
    Lvl l = Lvl::Low;
    for (const Segment& s : segments)
        if (s.from <= t + 1e-9)
            l = s.level;
    return l;
}

bool hasNotFixed(const Diagram& d)
{
    for (const Row& r : d.rows) {
        if (r.kind == RowKind::Digital) {
            const auto segs = parseDigital(r.wave, nullptr);
            if (segs)
                for (const Segment& s : *segs)
                    if (s.level == Lvl::NotFixed)
                        return true;
        } else if (r.kind == RowKind::Value) {
            const auto runs = parseValue(r.wave, nullptr);
            if (runs)
                for (const ValueRun& v : *runs)
                    if (v.notFixed)
                        return true;
        }
    }
    return false;
}

QString validate(const Diagram& d)
{
    if (d.title.isEmpty())
        return QStringLiteral("no title");
    if (d.rows.empty())
        return QStringLiteral("no rows");
    for (const Row& r : d.rows) {
        QString error;
        bool ok = true;
        switch (r.kind) {
        case RowKind::Digital: ok = parseDigital(r.wave, &error).has_value(); break;
        case RowKind::Bus: ok = parseBus(r.wave, &error).has_value(); break;
        case RowKind::Value: ok = parseValue(r.wave, &error).has_value(); break;
        }
        if (!ok)
            return r.label + QStringLiteral(": ") + error;
        for (const Span& s : r.spans)
            if (s.from < 0 || s.to > kEnd || s.to <= s.from)
                return r.label + QStringLiteral(": bad span ") + s.text;
    }
    for (const Marker& m : d.markers)
        if (m.at < 0 || m.at > kEnd)
            return QStringLiteral("marker off the axis: ") + m.text;
    return QString();
}

} // namespace diagram
