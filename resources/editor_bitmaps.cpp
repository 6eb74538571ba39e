// The editors' picture buttons: the two channel tabs over the timing diagrams and the
// download button below them, in the flat style of the toolbar pictures.
#include "resources/bitmaps.h"

#include "platform/bitmaps.h"
#include "platform/twips.h"
#include "resources/panel_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace resources {

namespace {

using platform::tw;

// The tab pair of the H5/H7 editor touches edge to edge at this size; the H9 editor
// shows the same pictures a little smaller.
const QSize kTabSize(tw(3042), tw(615));
const QSize kDownloadSize(tw(6285), tw(840));

const QColor kOutline(60, 60, 60);

// In front: a white tab, open at the bottom where it joins the diagram, with black
// text. Behind: a blue tab with white text, or grey text when the channel is not
// available in the chosen function.
enum class TabLook { Front, Selectable, Unavailable };

QPixmap tabPicture(const QString& text, TabLook look)
{
    const QSize s = kTabSize;
    QPixmap pm(s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const double r = 7;
    const double l = 0.5, t = 0.5, rt = s.width() - 0.5, b = s.height();
    QPainterPath outline;
    outline.moveTo(l, b);
    outline.lineTo(l, t + r);
    outline.arcTo(QRectF(l, t, 2 * r, 2 * r), 180, -90);
    outline.lineTo(rt - r, t);
    outline.arcTo(QRectF(rt - 2 * r, t, 2 * r, 2 * r), 90, -90);
    outline.lineTo(rt, b);

    QColor textColour;
    if (look == TabLook::Front) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(outline);
        textColour = Qt::black;
    } else {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(80, 115, 180));
        g.setColorAt(1, QColor(45, 75, 135));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(outline);
        textColour = look == TabLook::Selectable ? QColor(Qt::white) : QColor(150, 160, 175);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1));
    p.drawPath(outline);
    if (look != TabLook::Front)
        p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));

    const QFont font = fittedFont({text}, QSizeF(s.width() * 0.8, s.height() * 0.45), 22);
    p.setFont(font);
    p.setPen(textColour);
    const QFontMetricsF fm(font);
    const QPointF at((s.width() - fm.horizontalAdvance(text)) / 2,
                     (s.height() + fm.capHeight()) / 2 + 1);
    p.drawText(QPointF(qRound(at.x()), qRound(at.y())), text);
    return pm;
}

// A computer, an arrow and the instrument: settings go from the PC to the panel.
// Pressed, the face darkens and the picture moves a pixel down and to the right.
QPixmap downloadPicture(bool pressed)
{
    const QSize s = kDownloadSize;
    QPixmap pm(s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(0.5, 0.5, s.width() - 1, s.height() - 1);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, pressed ? QColor(196, 196, 196) : QColor(250, 250, 250));
    g.setColorAt(1, pressed ? QColor(222, 222, 222) : QColor(214, 214, 214));
    p.setPen(QPen(pressed ? QColor(70, 70, 70) : QColor(110, 110, 110), 1));
    p.setBrush(g);
    p.drawRoundedRect(face, 5, 5);

    const double u = s.height() / 56.0;
    p.translate(s.width() / 2.0 + (pressed ? 1 : 0), s.height() / 2.0 + (pressed ? 1 : 0));
    p.scale(u, u);

    // The computer: a screen on a stand.
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(200, 220, 245));
    p.drawRoundedRect(QRectF(-92, -18, 40, 28), 2, 2);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(-76, 10, 8, 5));
    p.drawRect(QRectF(-84, 15, 24, 4));

    // The arrow towards the instrument.
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(QColor(30, 90, 200));
    p.drawPolygon(QPolygonF{{-40, -5}, {26, -5}, {26, -14}, {44, 0}, {26, 14}, {26, 5}, {-40, 5}});

    // The instrument: a dark box with its red display and two keys.
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(54, -20, 40, 40), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawRect(QRectF(58, -15, 32, 16));
    p.setBrush(QColor(230, 60, 40));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(61 + i * 10, -8.5, 7, 3));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(60, 7, 10, 6));
    p.drawRect(QRectF(78, 7, 10, 6));
    return pm;
}

} // namespace

QStringList editorBitmapNames()
{
    return {"IMAGE_CHA_B", "IMAGE_CHA_W", "IMAGE_CHB_B", "IMAGE_CHB_W", "IMAGE_CHB_G",
            "IMAGE_DOWNLOAD_E", "IMAGE_DOWNLOAD_D"};
}

void registerEditorBitmaps()
{
    platform::registerBitmap("IMAGE_CHA_B", [] { return tabPicture("CH A", TabLook::Front); });
    platform::registerBitmap("IMAGE_CHA_W", [] { return tabPicture("CH A", TabLook::Selectable); });
    platform::registerBitmap("IMAGE_CHB_B", [] { return tabPicture("CH B", TabLook::Front); });
    platform::registerBitmap("IMAGE_CHB_W", [] { return tabPicture("CH B", TabLook::Selectable); });
    platform::registerBitmap("IMAGE_CHB_G", [] { return tabPicture("CH B", TabLook::Unavailable); });
    platform::registerBitmap("IMAGE_DOWNLOAD_E", [] { return downloadPicture(false); });
    platform::registerBitmap("IMAGE_DOWNLOAD_D", [] { return downloadPicture(true); });
}

} // namespace resources
