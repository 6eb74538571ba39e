// The window icon and the start-up picture: a small timer/counter panel of our own.
#include "resources/bitmaps.h"

#include "platform/bitmaps.h"
#include "resources/panel_drawing.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace resources {

namespace {

const QColor kRed(255, 70, 40);
const QColor kRedDark(40, 14, 10);
// The see-through parts are transparent; everything shown is at least this bright, so
// that keying out pure black gives the same shape.
const QColor kDisplayGround(14, 14, 16);

// A panel front: a bezel, a display of seven-segment cells showing text, two lamps.
// Unlit segments are left out where they would blur the digits.
void drawPanelFront(QPainter& p, const QRectF& body, const QString& shown, int lampsLit,
                    bool unlitSegments = true)
{
    p.setRenderHint(QPainter::Antialiasing);
    const double u = body.height() / 44.0;
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(96, 96, 100));
    g.setColorAt(1, QColor(52, 52, 56));
    p.setPen(QPen(QColor(30, 30, 32), std::max(1.0, u)));
    p.setBrush(g);
    p.drawRoundedRect(body, 5 * u, 5 * u);

    const QRectF display = body.adjusted(4 * u, 5 * u, -4 * u, -15 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(kDisplayGround);
    p.drawRect(display);

    const int n = static_cast<int>(shown.size());
    const double cellW = (display.width() - 2 * u) / n;
    for (int i = 0; i < n; ++i) {
        const QRect cell(qRound(display.left() + u + i * cellW), qRound(display.top() + u),
                         qRound(cellW), qRound(display.height() - 2 * u));
        drawSevenSegment(p, cell, std::max(0, sevenSegmentMask(shown.mid(i, 1))), kRed,
                         unlitSegments ? kRedDark : kDisplayGround);
    }

    for (int i = 0; i < 2; ++i) {
        const QPointF c(body.left() + (8 + 8 * i) * u, body.bottom() - 6 * u);
        p.setBrush(i < lampsLit ? QColor(60, 210, 80) : QColor(30, 60, 36));
        p.drawEllipse(c, 2.2 * u, 2.2 * u);
    }
    p.setBrush(QColor(185, 185, 190));
    for (int i = 0; i < 2; ++i)
        p.drawRoundedRect(QRectF(body.right() - (20 - 9 * i) * u, body.bottom() - 9 * u, 7 * u, 5 * u),
                          u, u);
}

QPixmap appIcon() { return drawAppIcon(64); }

QPixmap splashPicture()
{
    QPixmap pm(480, 270);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    drawPanelFront(p, QRectF(20.5, 10.5, 439, 200), "tcPAnEL", 2);

    // The name and version on a plate below the panel.
    const QRectF plate(90.5, 218.5, 299, 44);
    p.setPen(QPen(QColor(30, 30, 32), 1));
    p.setBrush(QColor(232, 232, 236));
    p.drawRoundedRect(plate, 8, 8);
    QFont name = fittedFont({"tcpanel"}, QSizeF(140, 20), 22);
    p.setFont(name);
    p.setPen(QColor(30, 30, 34));
    const QString version = QStringLiteral("Version %1.%2.%3")
                                .arg(TCPANEL_VERSION_MAJOR)
                                .arg(TCPANEL_VERSION_MINOR)
                                .arg(TCPANEL_VERSION_PATCH);
    const QFontMetricsF nameMetrics(name);
    const double nameWidth = nameMetrics.horizontalAdvance("tcpanel");
    QFont small = name;
    small.setBold(false);
    small.setPixelSize(13);
    const double versionWidth = QFontMetricsF(small).horizontalAdvance(version);
    const double left = plate.center().x() - (nameWidth + 16 + versionWidth) / 2;
    const double baseline = plate.center().y() + nameMetrics.capHeight() / 2;
    p.drawText(QPointF(qRound(left), qRound(baseline)), "tcpanel");
    p.setFont(small);
    p.setPen(QColor(80, 80, 86));
    p.drawText(QPointF(qRound(left + nameWidth + 16), qRound(baseline)), version);
    return pm;
}

} // namespace

QPixmap drawAppIcon(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const double s = size / 64.0;
    drawPanelFront(p, QRectF(1.5 * s, 6.5 * s, 61 * s, 51 * s), "12", 1, size >= 32);
    return pm;
}

void registerAppBitmaps()
{
    platform::registerBitmap(kAppIconName, appIcon);
    platform::registerBitmap(kSplashName, splashPicture);
}

} // namespace resources
