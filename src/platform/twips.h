#pragma once
// The forms lay out in twips; the screen has 15 twips to a pixel (96 dpi).
#include <QFont>
#include <QWidget>
#include <cmath>

namespace platform {

constexpr int kTwipsPerPixel = 15;

constexpr int tw(double twips) { return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5)); }

inline void placeTw(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(tw(left), tw(top), tw(width), tw(height));
}

// A font of the windows' point size pinned to pixels, so text fits the fixed boxes
// whatever the screen's dpi (12 pt = 16 px). The layouts were measured for Arial:
// Liberation Sans has its metrics, and the Chinese captions come from WenQuanYi.
inline QFont formFont(double points, bool bold = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    return f;
}

} // namespace platform
