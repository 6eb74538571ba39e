#include "resources/panel_drawing.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace resources {

int sevenSegmentMask(const QString& code)
{
    static const QHash<QString, int> masks = {
        {"0", SegA | SegB | SegC | SegD | SegE | SegF},
        {"1", SegB | SegC},
        {"2", SegA | SegB | SegD | SegE | SegG},
        {"3", SegA | SegB | SegC | SegD | SegG},
        {"4", SegB | SegC | SegF | SegG},
        {"5", SegA | SegC | SegD | SegF | SegG},
        {"6", SegA | SegC | SegD | SegE | SegF | SegG},
        {"7", SegA | SegB | SegC},
        {"8", SegA | SegB | SegC | SegD | SegE | SegF | SegG},
        {"9", SegA | SegB | SegC | SegD | SegF | SegG},
        {"98", SegG},
        {"99", 0},
        // Letters take the forms a seven-segment display can tell apart from the
        // digits where it can: b, d, n, o, r, t and y are the lower-case shapes.
        {"A", SegA | SegB | SegC | SegE | SegF | SegG},
        {"B", SegC | SegD | SegE | SegF | SegG},
        {"C", SegA | SegD | SegE | SegF},
        {"D", SegB | SegC | SegD | SegE | SegG},
        {"E", SegA | SegD | SegE | SegF | SegG},
        {"F", SegA | SegE | SegF | SegG},
        {"H", SegB | SegC | SegE | SegF | SegG},
        {"L", SegD | SegE | SegF},
        {"N", SegC | SegE | SegG},
        {"O", SegC | SegD | SegE | SegG},
        {"P", SegA | SegB | SegE | SegF | SegG},
        {"R", SegE | SegG},
        {"T", SegD | SegE | SegF | SegG},
        {"U", SegB | SegC | SegD | SegE | SegF},
        {"Y", SegB | SegC | SegD | SegF | SegG},
        {"Z", SegA | SegB | SegD | SegE | SegG},
    };
    return masks.value(code.toUpper(), -1);
}

SegmentMetrics segmentMetrics(QSize cell)
{
    SegmentMetrics m{};
    m.thickness = std::max(2, qRound(cell.height() * 0.09));
    const int marginY = std::max(1, qRound(cell.height() * 0.06));
    const int marginX = std::max(1, qRound(cell.width() * 0.12));
    m.left = marginX;
    m.right = cell.width() - marginX;
    m.top = marginY;
    m.bottom = cell.height() - marginY;
    m.middleTop = (m.top + m.bottom - m.thickness) / 2;
    m.gap = std::max(0.5, m.thickness / 6.0);
    return m;
}

namespace {

// A segment between two corner points of the cell's frame, pointed at both ends.
QPolygonF horizontalSegment(double x0, double x1, double yc, double t, double g)
{
    const double h = t / 2;
    return {{x0 + g, yc},     {x0 + g + h, yc - h}, {x1 - g - h, yc - h},
            {x1 - g, yc},     {x1 - g - h, yc + h}, {x0 + g + h, yc + h}};
}

QPolygonF verticalSegment(double xc, double y0, double y1, double t, double g)
{
    const double h = t / 2;
    return {{xc, y0 + g},     {xc + h, y0 + g + h}, {xc + h, y1 - g - h},
            {xc, y1 - g},     {xc - h, y1 - g - h}, {xc - h, y0 + g + h}};
}

} // namespace

void drawSevenSegment(QPainter& p, const QRect& cell, int mask, const QColor& lit,
                      const QColor& unlit)
{
    const SegmentMetrics m = segmentMetrics(cell.size());
    const double t = m.thickness;
    const double h = t / 2;
    // Centre lines of the frame the segments run along.
    const double xl = cell.left() + m.left + h;
    const double xr = cell.left() + m.right - h;
    const double yt = cell.top() + m.top + h;
    const double ym = cell.top() + m.middleTop + h;
    const double yb = cell.top() + m.bottom - h;

    const struct {
        int bit;
        QPolygonF shape;
    } segments[] = {
        {SegA, horizontalSegment(xl, xr, yt, t, m.gap)},
        {SegB, verticalSegment(xr, yt, ym, t, m.gap)},
        {SegC, verticalSegment(xr, ym, yb, t, m.gap)},
        {SegD, horizontalSegment(xl, xr, yb, t, m.gap)},
        {SegE, verticalSegment(xl, ym, yb, t, m.gap)},
        {SegF, verticalSegment(xl, yt, ym, t, m.gap)},
        {SegG, horizontalSegment(xl, xr, ym, t, m.gap)},
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (const auto& s : segments) {
        p.setBrush((mask & s.bit) ? lit : unlit);
        p.drawPolygon(s.shape);
    }
    p.restore();
}

QFont fittedFont(const QStringList& words, QSizeF box, int maxPixels)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    for (int px = maxPixels; px > 6; --px) {
        f.setPixelSize(px);
        const QFontMetricsF fm(f);
        const bool fits = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return fm.horizontalAdvance(w) <= box.width() && fm.capHeight() <= box.height();
        });
        if (fits)
            return f;
    }
    f.setPixelSize(6);
    return f;
}

} // namespace resources
