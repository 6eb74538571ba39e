#include "diagram_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace diagram {

namespace {

// Sizes are for the full 804 x 604 picture and scale with it.
const QColor kInk(35, 35, 35);
const QColor kSignal(25, 60, 150);
const QColor kOutput(185, 55, 10);
const QColor kValue(0, 115, 65);
const QColor kLevel(200, 40, 40);
const QColor kMarker(150, 150, 150);
const QColor kRule(228, 228, 228);
const QColor kHatch(165, 165, 165);
const QColor kBand(255, 236, 200);

QFont font(double px, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(1, qRound(px)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Output rows are told by their label, so that a table only says what a row shows.
bool isOutput(const Row& r)
{
    return r.label.startsWith(QLatin1String("OUT")) || r.label.contains(QLatin1String("output"), Qt::CaseInsensitive);
}

class Painter {
public:
    Painter(QImage& image, const Diagram& d) : img_(image), d_(d), p_(&image), k_(image.width() / 804.0)
    {
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
    }

    void run()
    {
        img_.fill(Qt::white);
        double y = drawTitle();
        const bool legend = hasNotFixed(d_);
        const double bottom = img_.height() - s(legend ? 34 : 22) - s(16);
        layoutRows(y + s(16), bottom);
        drawMarkers(y + s(4), bottom);
        for (size_t i = 0; i < d_.rows.size(); ++i)
            drawRow(d_.rows[i], rowTop_[i], rowTop_[i + 1]);
        const double axis = drawAxis(bottom);
        if (legend)
            drawLegend(axis + s(14));
    }

private:
    double s(double v) const { return v * k_; }
    double x(double t) const { return plotLeft_ + (plotRight_ - plotLeft_) * t / 100.0; }

    double drawTitle()
    {
        double y = s(10);
        p_.setPen(kInk);
        p_.setFont(font(s(28), true));
        const QFontMetricsF big(p_.font());
        p_.drawText(QRectF(s(14), y, img_.width() - s(28), big.height()), Qt::AlignLeft | Qt::AlignTop, d_.title);
        y += big.height() + s(2);
        p_.setFont(font(s(20)));
        const QFontMetricsF small(p_.font());
        p_.setPen(QColor(80, 80, 80));
        for (const QString& line : d_.context) {
            p_.drawText(QRectF(s(14), y, img_.width() - s(28), small.height()), Qt::AlignLeft | Qt::AlignTop,
                        small.elidedText(line, Qt::ElideRight, img_.width() - s(28)));
            y += small.height();
        }
        p_.setPen(QPen(kRule, s(1.5)));
        p_.drawLine(QPointF(s(14), y + s(6)), QPointF(img_.width() - s(14), y + s(6)));
        return y + s(6);
    }

    void layoutRows(double top, double bottom)
    {
        plotLeft_ = s(214);
        plotRight_ = img_.width() - s(22);
        double weights = 0;
        for (const Row& r : d_.rows)
            weights += r.kind == RowKind::Value ? 2.2 : 1.0;
        // A diagram of few rows lies in the middle of the space, its rows no taller
        // than a comfortable size.
        const double unit = std::min((bottom - top) / weights, s(92));
        rowTop_.clear();
        double y = top + ((bottom - top) - unit * weights) / 3;
        for (const Row& r : d_.rows) {
            rowTop_.push_back(y);
            y += unit * (r.kind == RowKind::Value ? 2.2 : 1.0);
        }
        rowTop_.push_back(y);
        rowsBottom_ = y;
    }

    void drawMarkers(double top, double /*bottom*/)
    {
        p_.setFont(font(s(17)));
        const QFontMetricsF fm(p_.font());
        for (const Marker& m : d_.markers) {
            const double mx = x(m.at);
            p_.setPen(QPen(kMarker, s(1.3), Qt::DashLine));
            p_.drawLine(QPointF(mx, top + fm.height()), QPointF(mx, rowsBottom_));
            p_.setPen(QColor(110, 110, 110));
            const double w = fm.horizontalAdvance(m.text);
            const double left = std::clamp(mx - w / 2, plotLeft_ - s(20), plotRight_ + s(20) - w);
            p_.drawText(QPointF(left, top + fm.ascent()), m.text);
        }
    }

    void drawLabel(const Row& r, double top, double bottom)
    {
        p_.setPen(kInk);
        p_.setFont(font(s(20), isOutput(r)));
        const QFontMetricsF fm(p_.font());
        const QStringList lines = r.label.split(QLatin1Char('\n'));
        const double h = fm.height() * lines.size();
        double y = (top + bottom) / 2 - h / 2;
        p_.setFont(font(s(20), isOutput(r)));
        for (int i = 0; i < lines.size(); ++i) {
            if (i == 1) {
                p_.setFont(font(s(17)));
                p_.setPen(QColor(90, 90, 90));
            }
            p_.drawText(QRectF(s(14), y, plotLeft_ - s(24), fm.height()), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
            y += fm.height();
        }
    }

    void hatch(const QRectF& r)
    {
        p_.save();
        p_.setClipRect(r);
        p_.fillRect(r, QColor(244, 244, 244));
        p_.setPen(QPen(kHatch, s(1.2)));
        const double step = s(14);
        for (double d = -r.height(); d < r.width(); d += step)
            p_.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
        p_.restore();
        p_.setPen(QPen(kHatch, s(1.2)));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r);
    }

    void drawSpan(const Span& sp, double y)
    {
        const double a = x(sp.from), b = x(sp.to);
        p_.setPen(QPen(kInk, s(1.3)));
        p_.drawLine(QPointF(a, y), QPointF(b, y));
        const double h = s(5);
        for (auto [tip, dir] : {std::pair{a, 1.0}, std::pair{b, -1.0}}) {
            QPainterPath head;
            head.moveTo(tip, y);
            head.lineTo(tip + dir * s(9), y - h);
            head.lineTo(tip + dir * s(9), y + h);
            head.closeSubpath();
            p_.fillPath(head, kInk);
        }
        p_.setFont(font(s(17)));
        const QFontMetricsF fm(p_.font());
        const double w = fm.horizontalAdvance(sp.text);
        // Above the arrow when it is long enough, else beside its end.
        QRectF box;
        if (w + s(8) <= b - a)
            box = QRectF((a + b) / 2 - w / 2 - s(2), y - fm.height() - s(1), w + s(4), fm.height());
        else if (b + s(8) + w <= plotRight_)
            box = QRectF(b + s(6), y - fm.height() / 2, w + s(4), fm.height());
        else
            box = QRectF(a - s(10) - w, y - fm.height() / 2, w + s(4), fm.height());
        p_.drawText(box, Qt::AlignCenter, sp.text);
    }

    // The high and low lines of a digital row: 10 from its edges, at most 60 apart.
    std::pair<double, double> levels(double top, double bottom) const
    {
        const double half = std::min((bottom - top) / 2 - s(10), s(30));
        const double mid = (top + bottom) / 2;
        return {mid - half, mid + half};
    }

    void drawDigital(const Row& r, double top, double bottom)
    {
        const auto segs = *parseDigital(r.wave, nullptr);
        const auto [hi, lo] = levels(top, bottom);
        const QColor colour = isOutput(r) ? kOutput : kSignal;
        QPainterPath line;
        bool open = false;
        double prevY = lo;
        for (const Segment& sg : segs) {
            if (sg.level == Lvl::NotFixed) {
                hatch(QRectF(QPointF(x(sg.from), hi), QPointF(x(sg.to), lo)));
                open = false;
                continue;
            }
            const double y = sg.level == Lvl::High ? hi : lo;
            if (!open) {
                line.moveTo(x(sg.from), y);
                open = true;
            } else if (y != prevY) {
                line.lineTo(x(sg.from), y);
            }
            line.lineTo(x(sg.to), y);
            prevY = y;
        }
        p_.setPen(QPen(colour, s(isOutput(r) ? 3.2 : 2.4), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(line);
        for (const Span& sp : r.spans)
            drawSpan(sp, (hi + lo) / 2 + s(6));
    }

    void drawBus(const Row& r, double top, double bottom)
    {
        const auto segs = *parseBus(r.wave, nullptr);
        const auto [hi, lo] = levels(top, bottom);
        const double mid = (hi + lo) / 2, e = s(6);
        p_.setPen(QPen(kSignal, s(2.2)));
        p_.setFont(font(s(17), true));
        for (const BusSegment& sg : segs) {
            const double a = x(sg.from) + (sg.from > 0 ? e : 0), b = x(sg.to) - (sg.to < 100 ? e : 0);
            QPainterPath hex;
            hex.moveTo(a - (sg.from > 0 ? e : 0), mid);
            hex.lineTo(a, hi);
            hex.lineTo(b, hi);
            hex.lineTo(b + (sg.to < 100 ? e : 0), mid);
            hex.lineTo(b, lo);
            hex.lineTo(a, lo);
            hex.closeSubpath();
            p_.setBrush(QColor(232, 238, 250));
            p_.drawPath(hex);
            p_.drawText(QRectF(a, hi, b - a, lo - hi), Qt::AlignCenter, sg.text);
        }
    }

    void drawValue(const Row& r, double top, double bottom)
    {
        const auto runs = *parseValue(r.wave, nullptr);
        double maxV = 1.0;
        for (const Level& l : r.levels)
            maxV = std::max(maxV, l.value);
        for (const ValueRun& run : runs)
            for (auto [t, v] : run.points)
                maxV = std::max(maxV, v);
        const double base = bottom - s(8), ceiling = top + s(20);
        auto y = [&](double v) { return base - (base - ceiling) * v / (maxV * 1.08); };

        if (r.band) {
            const auto [a, b] = *r.band;
            p_.fillRect(QRectF(QPointF(plotLeft_, y(std::max(a, b))), QPointF(plotRight_, y(std::min(a, b)))), kBand);
        }
        // The zero line, then the levels with their names at the right end.
        p_.setPen(QPen(QColor(190, 190, 190), s(1)));
        p_.drawLine(QPointF(plotLeft_, base), QPointF(plotRight_, base));
        for (const Level& l : r.levels) {
            p_.setPen(QPen(kLevel, s(1.6), Qt::DashLine));
            p_.drawLine(QPointF(plotLeft_, y(l.value)), QPointF(plotRight_, y(l.value)));
        }
        for (const ValueRun& run : runs) {
            if (run.notFixed) {
                hatch(QRectF(QPointF(x(run.points.front().first), ceiling), QPointF(x(run.points.back().first), base)));
                continue;
            }
            QPainterPath path;
            for (size_t i = 0; i < run.points.size(); ++i) {
                const QPointF pt(x(run.points[i].first), y(run.points[i].second));
                if (i == 0)
                    path.moveTo(pt);
                else
                    path.lineTo(pt);
            }
            p_.setPen(QPen(kValue, s(3), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(path);
        }
        // The level names over everything else, so that no hatching hides them.
        p_.setFont(font(s(17), true));
        const QFontMetricsF fm(p_.font());
        for (const Level& l : r.levels) {
            const double w = fm.horizontalAdvance(l.name);
            QRectF box(plotRight_ - w - s(4), y(l.value) - fm.height(), w + s(4), fm.height() - s(1));
            p_.fillRect(box, QColor(255, 255, 255, 215));
            p_.setPen(kLevel);
            p_.drawText(box, Qt::AlignRight | Qt::AlignVCenter, l.name);
        }
        for (const Span& sp : r.spans)
            drawSpan(sp, base - s(12));
    }

    void drawRow(const Row& r, double top, double bottom)
    {
        p_.setPen(QPen(kRule, s(1)));
        p_.drawLine(QPointF(s(14), bottom), QPointF(img_.width() - s(14), bottom));
        drawLabel(r, top, bottom);
        switch (r.kind) {
        case RowKind::Digital: drawDigital(r, top, bottom); break;
        case RowKind::Bus: drawBus(r, top, bottom); break;
        case RowKind::Value: drawValue(r, top, bottom); break;
        }
    }

    // Returns where the axis lies.
    double drawAxis(double bottom)
    {
        const double y = std::min(rowsBottom_, bottom) + s(10);
        p_.setPen(QPen(QColor(120, 120, 120), s(1.4)));
        p_.drawLine(QPointF(plotLeft_, y), QPointF(plotRight_, y));
        QPainterPath head;
        head.moveTo(plotRight_ + s(8), y);
        head.lineTo(plotRight_, y - s(4));
        head.lineTo(plotRight_, y + s(4));
        head.closeSubpath();
        p_.fillPath(head, QColor(120, 120, 120));
        p_.setFont(font(s(17)));
        p_.setPen(QColor(110, 110, 110));
        p_.drawText(QRectF(plotLeft_ - s(60), y - s(10), s(52), s(20)), Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("time"));
        return y;
    }

    void drawLegend(double y)
    {
        hatch(QRectF(s(14), y, s(26), s(16)));
        p_.setPen(QColor(90, 90, 90));
        p_.setFont(font(s(17)));
        p_.drawText(QRectF(s(48), y - s(2), img_.width() - s(60), s(20)), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("depends on details of the mode not shown here"));
    }

    QImage& img_;
    const Diagram& d_;
    QPainter p_;
    double k_;
    double plotLeft_ = 0, plotRight_ = 0, rowsBottom_ = 0;
    std::vector<double> rowTop_;
};

} // namespace

QImage paint(const Diagram& d, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    Painter(image, d).run();
    return image;
}

} // namespace diagram
