// The monitoring window's pictures: the lit and dark elements of the two front panels
// and the Start, Stop and Return buttons.
//
// The front panel is white-on-black: lit elements white, dark elements dark grey, so a
// panel shows at a glance which indicators the instrument has lit. Each picture is drawn
// at the pixel size of the control that shows it; the digit and point cells appear in
// both rows, and drawMonitorBitmap() draws them again at the lower row's size.
#include "resources/bitmaps.h"

#include "platform/bitmaps.h"
#include "platform/twips.h"
#include "resources/panel_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <vector>

namespace resources {

namespace {

using platform::tw;

const QColor kLit(255, 255, 255);
const QColor kDark(58, 58, 58);

QSize twips(int width, int height) { return {tw(width), tw(height)}; }

QPixmap panelCanvas(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::black);
    return pm;
}

// Words in equal bands, side by side or stacked; bit i of lit lights word i. The
// leftmost `hiddenLeft` pixels are left black.
QPixmap legendPicture(QSize size, const QStringList& words, Qt::Orientation along, int lit, int hiddenLeft = 0)
{
    QPixmap pm = panelCanvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(hiddenLeft, 0);
    size.rwidth() -= hiddenLeft;
    const int n = static_cast<int>(words.size());
    const bool stacked = along == Qt::Vertical;
    const double bandW = stacked ? size.width() : double(size.width()) / n;
    const double bandH = stacked ? double(size.height()) / n : size.height();
    // Leave a little black around each word so neighbours do not run together.
    const QSizeF room(bandW - std::max(2.0, bandW * 0.1), std::min(bandH * 0.62, bandW * 0.9));
    const QFont font = fittedFont(words, room, 40);
    p.setFont(font);
    const QFontMetricsF fm(font);
    for (int i = 0; i < n; ++i) {
        const QRectF band = stacked ? QRectF(0, i * bandH, bandW, bandH)
                                    : QRectF(i * bandW, 0, bandW, bandH);
        const double x = band.center().x() - fm.horizontalAdvance(words[i]) / 2;
        const double baseline = band.center().y() + fm.capHeight() / 2;
        p.setPen((lit >> i) & 1 ? kLit : kDark);
        p.drawText(QPointF(qRound(x), qRound(baseline)), words[i]);
    }
    return pm;
}

QPixmap auPicture(QSize s, const QString& v)
{
    return legendPicture(s, {"AU"}, Qt::Horizontal, v.toInt());
}

QPixmap onOffPicture(QSize s, const QString& v)
{
    static const int lit[] = {0b10, 0b01, 0b00}; // OFF, ON, neither
    return legendPicture(s, {"ON", "OFF"}, Qt::Horizontal, lit[v.toInt()]);
}

QPixmap groupPicture(QSize s, const QString& v)
{
    static const int lit[] = {0b000, 0b001, 0b010, 0b100, 0b011}; // -, A, B, C, A and B
    return legendPicture(s, {"A", "B", "C"}, Qt::Vertical, lit[v.toInt()]);
}

QPixmap countDirPicture(QSize s, const QString& v)
{
    const int n = v.toInt();
    return legendPicture(s, {"Up", "Dw", "AM", "PM"}, Qt::Vertical, n ? 1 << (n - 1) : 0);
}

// The K/P control reaches 180 of its 750 twips past the panel's left edge, where the
// panel cuts it off: the letters go into the part that shows.
QPixmap kpPicture(QSize s, const QString& v)
{
    return legendPicture(s, {"K/P"}, Qt::Horizontal, v.toInt(), qRound(s.width() * 180.0 / 750.0));
}

QPixmap rangeModePicture(QSize s, const QString& v)
{
    const int n = v.toInt();
    return legendPicture(s, {"Mode", "Range"}, Qt::Horizontal, n ? 1 << (n - 1) : 0);
}

QPixmap timerModePicture(QSize s, const QString& v)
{
    static const int lit[] = {0b0000, 0b0001, 0b0010, 0b0100, 0b1000, 0b0110, 0b1100};
    return legendPicture(s, {"D", "H", "M", "S"}, Qt::Vertical, lit[v.toInt()]);
}

QPixmap segmentPicture(QSize s, const QString& code)
{
    QPixmap pm = panelCanvas(s);
    QPainter p(&pm);
    drawSevenSegment(p, QRect(QPoint(0, 0), s), sevenSegmentMask(code), kLit, kDark);
    return pm;
}

// The narrow cells between digits. Their dots sit on the digits' own lines: the point
// on the bottom segment, the colon in the middle of the upper and the lower half.
void drawDot(QPainter& p, int width, int centreY, int size, const QColor& colour)
{
    const int d = std::min(size, width);
    const QRect r((width - d) / 2, centreY - d / 2, d, d);
    if (d >= 5) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(r));
    } else {
        p.fillRect(r, colour);
    }
}

QPixmap pointCellPicture(QSize s, bool withColon, int value)
{
    QPixmap pm = panelCanvas(s);
    QPainter p(&pm);
    const SegmentMetrics m = segmentMetrics(s);
    const int t = m.thickness;
    drawDot(p, s.width(), m.bottom - t / 2, t, value == 1 ? kLit : kDark);
    if (withColon) {
        const QColor colon = value == 2 ? kLit : kDark;
        drawDot(p, s.width(), (m.top + m.middleTop) / 2 + t / 2, t, colon);
        drawDot(p, s.width(), (m.middleTop + m.bottom) / 2, t, colon);
    }
    return pm;
}

QPixmap dpColPicture(QSize s, const QString& v) { return pointCellPicture(s, true, v.toInt()); }
QPixmap dpPicture(QSize s, const QString& v) { return pointCellPicture(s, false, v.toInt()); }

// The T indicator is a block letter, not a segment pattern, so it cannot be mistaken for
// the seven-segment t of the character cell beside it.
QPixmap tIndicatorPicture(QSize s, const QString& v)
{
    QPixmap pm = panelCanvas(s);
    QPainter p(&pm);
    const SegmentMetrics m = segmentMetrics(s);
    const QColor c = v == "1" ? kLit : kDark;
    const int t = m.thickness;
    p.fillRect(QRect(m.left, m.top, m.right - m.left, t), c);
    const int stemLeft = (s.width() - t) / 2;
    p.fillRect(QRect(stemLeft, m.top + t + 1, t, m.bottom - m.top - t - 1), c);
    return pm;
}

// Seven lamps from the left, one per character of the pattern.
QPixmap lampRowPicture(QSize s, const QString& pattern)
{
    QPixmap pm = panelCanvas(s);
    QPainter p(&pm);
    const int inset = std::max(1, s.height() / 4);
    for (int i = 0; i < 7; ++i) {
        const int x0 = qRound(i * s.width() / 7.0);
        const int x1 = qRound((i + 1) * s.width() / 7.0);
        const int margin = (x1 - x0) / 5;
        p.fillRect(QRect(x0 + margin, inset, x1 - x0 - 2 * margin, s.height() - 2 * inset),
                   pattern.at(i) == '1' ? kLit : kDark);
    }
    return pm;
}

// The three monitor buttons: a raised face while available, flat and greyed while not
// (the window then draws a single-line border around the picture).
enum class ButtonSymbol { Start, Stop, Return };

QPixmap buttonPicture(QSize s, ButtonSymbol symbol, bool available)
{
    QPixmap pm(s);
    pm.fill(QColor(212, 208, 200));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(0.5, 0.5, s.width() - 1, s.height() - 1);
    if (available) {
        QLinearGradient g(face.topLeft(), face.bottomLeft());
        g.setColorAt(0, QColor(250, 250, 250));
        g.setColorAt(1, QColor(214, 214, 214));
        p.setPen(QPen(QColor(110, 110, 110), 1));
        p.setBrush(g);
        p.drawRoundedRect(face, 4, 4);
    }

    const double u = std::min(s.width(), s.height()) / 40.0; // symbols are drawn on a 40 grid
    const QPointF c(s.width() / 2.0, s.height() / 2.0);
    QPainterPath path;
    QColor colour;
    switch (symbol) {
    case ButtonSymbol::Start:
        path.addPolygon(QPolygonF{c + QPointF(-8 * u, -11 * u), c + QPointF(11 * u, 0),
                                  c + QPointF(-8 * u, 11 * u)});
        path.closeSubpath();
        colour = QColor(30, 150, 60);
        break;
    case ButtonSymbol::Stop:
        path.addRoundedRect(QRectF(c - QPointF(9 * u, 9 * u), QSizeF(18 * u, 18 * u)), 2 * u, 2 * u);
        colour = QColor(210, 50, 40);
        break;
    case ButtonSymbol::Return: {
        // A hooked arrow turning back to the left.
        path.moveTo(c + QPointF(-12 * u, -4 * u));
        path.lineTo(c + QPointF(-3 * u, -13 * u));
        path.lineTo(c + QPointF(-3 * u, -8 * u));
        path.lineTo(c + QPointF(4 * u, -8 * u));
        path.cubicTo(c + QPointF(16 * u, -8 * u), c + QPointF(16 * u, 12 * u), c + QPointF(4 * u, 12 * u));
        path.lineTo(c + QPointF(-6 * u, 12 * u));
        path.lineTo(c + QPointF(-6 * u, 6 * u));
        path.lineTo(c + QPointF(4 * u, 6 * u));
        path.cubicTo(c + QPointF(9 * u, 6 * u), c + QPointF(9 * u, 0), c + QPointF(4 * u, 0));
        path.lineTo(c + QPointF(-3 * u, 0));
        path.lineTo(c + QPointF(-3 * u, 5 * u));
        path.closeSubpath();
        colour = QColor(30, 90, 200);
        break;
    }
    }
    if (available) {
        p.setPen(QPen(colour.darker(150), 1));
        p.setBrush(colour);
        p.drawPath(path);
    } else {
        // The engraved look of an unavailable control: a light copy just below.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(path.translated(1, 1));
        p.setBrush(QColor(160, 160, 160));
        p.drawPath(path);
    }
    return pm;
}

template <ButtonSymbol S>
QPixmap button(QSize s, const QString& v)
{
    return buttonPicture(s, S, v == "E");
}

// Every picture the monitoring window asks for: the name is the prefix followed by one
// of the values. The size is that of the control showing the picture (the upper row's
// cells for the digit and point cells that both rows use).
struct Family {
    QString prefix;
    QSize size;
    QStringList values;
    QPixmap (*paint)(QSize, const QString&);
};

const std::vector<Family>& families()
{
    static const QStringList digits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "98", "99"};
    static const std::vector<Family> table = {
        {"IMAGE_AU_", twips(555, 390), {"0", "1"}, auPicture},
        {"IMAGE_ONOFF_", twips(915, 360), {"0", "1", "2"}, onOffPicture},
        {"IMAGE_GROUP_", twips(315, 1425), {"0", "1", "2", "3", "4"}, groupPicture},
        {"IMAGE_COUNTDIR_", twips(345, 1335), {"0", "1", "2", "3", "4"}, countDirPicture},
        {"IMAGE_KP_", twips(750, 405), {"0", "1"}, kpPicture},
        {"IMAGE_RANGEMODE_", twips(1830, 420), {"0", "1", "2"}, rangeModePicture},
        {"IMAGE_TIMERMODE_", twips(255, 1305), {"0", "1", "2", "3", "4", "5", "6"}, timerModePicture},
        {"IMAGE_DPCOL_", twips(105, 1050), {"0", "1", "2"}, dpColPicture},
        {"IMAGE_DP_", twips(105, 1050), {"0", "1"}, dpPicture},
        {"IMAGE_", twips(600, 1050), digits, segmentPicture},
        {"IMAGE_T_B_", twips(240, 465), {"0", "1"}, tIndicatorPicture},
        // The letters of the lower row's extra character cell.
        {"IMAGE_", twips(240, 465),
         {"A", "B", "C", "D", "E", "F", "H", "L", "N", "O", "P", "R", "T", "U", "Y", "Z"},
         segmentPicture},
        // Every lamp pattern the readers build (RST1, RST2, OUT1, OUT2 in cells 1, 3, 5
        // and 7, so x0x0x0x), and the single lamps of cells 2, 4 and 6.
        {"IMAGE_WEEK_", twips(3480, 315),
         {"0000000", "0000001", "0000010", "0000100", "0000101", "0001000", "0010000",
          "0010001", "0010100", "0010101", "0100000", "1000000", "1000001", "1000100",
          "1000101", "1010000", "1010001", "1010100", "1010101"},
         lampRowPicture},
        {"IMAGE_START_", QSize(80, 40), {"E", "D"}, button<ButtonSymbol::Start>},
        {"IMAGE_STOP_", QSize(80, 40), {"E", "D"}, button<ButtonSymbol::Stop>},
        {"IMAGE_RETURN_", QSize(80, 40), {"E", "D"}, button<ButtonSymbol::Return>},
    };
    return table;
}

} // namespace

QStringList monitorBitmapNames()
{
    QStringList names;
    for (const Family& f : families())
        for (const QString& v : f.values)
            names << f.prefix + v;
    return names;
}

QPixmap drawMonitorBitmap(const QString& name, QSize size)
{
    const QString key = name.toUpper();
    for (const Family& f : families())
        for (const QString& v : f.values)
            if (key == f.prefix + v)
                return size.isEmpty() ? QPixmap() : f.paint(size, v);
    return {};
}

void registerMonitorBitmaps()
{
    for (const Family& f : families())
        for (const QString& v : f.values)
            platform::registerBitmap(f.prefix + v, [&f, v] { return f.paint(f.size, v); });
}

} // namespace resources
