// The ten toolbar pictures, drawn as simple 24x24 icons.
#include "resources/bitmaps.h"

#include "platform/bitmaps.h"

#include <QPainter>
#include <QPainterPath>

namespace resources {

namespace {

constexpr int kSize = 24;

QPixmap canvas()
{
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap documentIcon()
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(5, 2); page.lineTo(15, 2); page.lineTo(19, 6); page.lineTo(19, 22); page.lineTo(5, 22);
    page.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(15, 2), QPointF(15, 6));
    p.drawLine(QPointF(15, 6), QPointF(19, 6));
    p.setPen(QPen(QColor(140, 140, 140), 1));
    for (int y = 10; y <= 18; y += 3)
        p.drawLine(8, y, 16, y);
    return pm;
}

QPixmap folderIcon()
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 20), 1.2));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(2.5, 7.5, 19, 13));
    p.drawRect(QRectF(2.5, 4.5, 8, 3));
    p.setBrush(QColor(250, 220, 120));
    QPolygonF flap{{5, 11}, {23, 11}, {20, 20.5}, {2.5, 20.5}};
    p.drawPolygon(flap);
    return pm;
}

QPixmap diskIcon()
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(50, 90, 170));
    p.drawRect(3, 3, 18, 18);
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 10, 7);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(6, 13, 12, 8);
    return pm;
}

// An instrument box with an arrow: towards the PC for an upload, away for a download.
QPixmap transferIcon(bool toPc)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(1.5, 6.5, 10, 11));
    p.setBrush(QColor(230, 60, 40));
    p.drawRect(QRectF(3, 8, 7, 3));
    const QColor arrow = toPc ? QColor(30, 140, 60) : QColor(30, 90, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    QPolygonF shape = toPc
        ? QPolygonF{{13, 10}, {18, 10}, {18, 6}, {23, 12}, {18, 18}, {18, 14}, {13, 14}}
        : QPolygonF{{23, 10}, {18, 10}, {18, 6}, {13, 12}, {18, 18}, {18, 14}, {23, 14}};
    p.drawPolygon(shape);
    return pm;
}

QPixmap monitorIcon()
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(20, 20, 20));
    p.drawRect(2, 5, 20, 12);
    p.setPen(QPen(QColor(255, 60, 40), 2));
    p.drawLine(5, 11, 8, 11);
    p.drawLine(10, 11, 13, 11);
    p.drawLine(15, 11, 18, 11);
    p.setPen(QPen(QColor(80, 220, 80), 1));
    p.drawLine(5, 14, 18, 14);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawLine(12, 17, 12, 21);
    p.drawLine(8, 21, 16, 21);
    return pm;
}

// A lock for key protection, a leaf for power saving; the "on" pictures are lit.
QPixmap keyProtectIcon(bool on)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body = on ? QColor(220, 160, 20) : QColor(150, 150, 150);
    p.setPen(QPen(body.darker(150), 2));
    p.setBrush(Qt::NoBrush);
    if (on)
        p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
    else
        p.drawArc(QRectF(11, 1, 10, 12), 0, 180 * 16);
    p.setPen(QPen(body.darker(150), 1));
    p.setBrush(body);
    p.drawRect(QRectF(5.5, 10.5, 13, 10));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(12, 15), 1.5, 1.5);
    return pm;
}

QPixmap powerSavingIcon(bool on)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor leaf = on ? QColor(40, 170, 60) : QColor(150, 150, 150);
    p.setPen(QPen(leaf.darker(160), 1));
    p.setBrush(leaf);
    QPainterPath path;
    path.moveTo(4, 20);
    path.cubicTo(4, 8, 12, 3, 21, 3);
    path.cubicTo(21, 12, 16, 20, 4, 20);
    p.drawPath(path);
    p.setPen(QPen(leaf.darker(200), 1.2));
    p.drawLine(QPointF(5, 19), QPointF(16, 8));
    return pm;
}

} // namespace

void registerToolbarBitmaps()
{
    platform::registerBitmap("New", documentIcon);
    platform::registerBitmap("Open", folderIcon);
    platform::registerBitmap("Save", diskIcon);
    platform::registerBitmap("Upload", [] { return transferIcon(true); });
    platform::registerBitmap("Download", [] { return transferIcon(false); });
    platform::registerBitmap("MonitorStart", monitorIcon);
    platform::registerBitmap("KP_ON", [] { return keyProtectIcon(true); });
    platform::registerBitmap("KP_OFF", [] { return keyProtectIcon(false); });
    platform::registerBitmap("PS_ON", [] { return powerSavingIcon(true); });
    platform::registerBitmap("PS_OFF", [] { return powerSavingIcon(false); });
}

} // namespace resources
