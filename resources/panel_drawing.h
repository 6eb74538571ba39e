#pragma once
// Drawing pieces shared by the front-panel pictures, the window icon and the splash:
// the seven-segment cell and the legend text of the indicators.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

namespace resources {

// Segment bits of a cell.
enum Segment : int {
    SegA = 1,  // top
    SegB = 2,  // upper right
    SegC = 4,  // lower right
    SegD = 8,  // bottom
    SegE = 16, // lower left
    SegF = 32, // upper left
    SegG = 64, // middle
};

// The lit segments for a digit code ("0".."9", "98" minus, "99" blank) or one of the
// letters a cell can show (upper or lower case); -1 for anything else.
int sevenSegmentMask(const QString& code);

// Whole-pixel geometry of a cell, derived from its size alone so that a point cell of
// the same height puts its dots on the same lines as the digits beside it.
struct SegmentMetrics {
    int thickness;
    int left, right;   // outer edges of the vertical segments
    int top, bottom;   // outer edges of the top and bottom segments
    int middleTop;     // upper edge of the middle segment
    double gap;        // between neighbouring segment tips
};
SegmentMetrics segmentMetrics(QSize cell);

// Paints the seven segments into cell (at its top-left corner): the segments in mask in
// lit, the others in unlit. The background is left as it is.
void drawSevenSegment(QPainter& p, const QRect& cell, int mask, const QColor& lit,
                      const QColor& unlit);

// A bold sans-serif face at the largest pixel size (up to maxPixels) at which every one
// of words fits box.
QFont fittedFont(const QStringList& words, QSizeF box, int maxPixels);

} // namespace resources
