// The drawn pictures: every name a window asks for exists at the size of its control,
// and each picture lights what its name says.
#include "platform/bitmaps.h"
#include "resources/bitmaps.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <set>

using platform::hasBitmap;
using platform::LoadResPicture;

namespace {

QImage imageOf(const QString& name) { return LoadResPicture(name).toImage(); }

// White lit elements stand out from the dark grey of unlit ones and the black ground.
int litPixels(const QImage& img, const QRect& area)
{
    int n = 0;
    const QRect r = area & img.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qGray(img.pixel(x, y)) > 200;
    return n;
}

int litPixels(const QImage& img) { return litPixels(img, img.rect()); }

QByteArray pixelsOf(const QImage& img)
{
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    return QByteArray(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes());
}

// Bit i set when band i of n equal bands (left to right, or top to bottom) holds lit pixels.
int litBands(const QImage& img, int n, Qt::Orientation along)
{
    int mask = 0;
    for (int i = 0; i < n; ++i) {
        const QRect band = along == Qt::Horizontal
            ? QRect(i * img.width() / n, 0, img.width() / n, img.height())
            : QRect(0, i * img.height() / n, img.width(), img.height() / n);
        if (litPixels(img, band) > 0)
            mask |= 1 << i;
    }
    return mask;
}

// The front-panel controls that show each kind of picture, in twips.
QSize panelControlSize(const QString& name)
{
    static const std::vector<std::pair<QRegularExpression, QSize>> sizes = {
        {QRegularExpression("^IMAGE_AU_\\d$"), {555, 390}},
        {QRegularExpression("^IMAGE_ONOFF_\\d$"), {915, 360}},
        {QRegularExpression("^IMAGE_GROUP_\\d$"), {315, 1425}},
        {QRegularExpression("^IMAGE_COUNTDIR_\\d$"), {345, 1335}},
        {QRegularExpression("^IMAGE_KP_\\d$"), {750, 405}},
        {QRegularExpression("^IMAGE_RANGEMODE_\\d$"), {1830, 420}},
        {QRegularExpression("^IMAGE_TIMERMODE_\\d$"), {255, 1305}},
        {QRegularExpression("^IMAGE_DP(COL)?_\\d$"), {105, 1050}},
        {QRegularExpression("^IMAGE_\\d+$"), {600, 1050}},
        {QRegularExpression("^IMAGE_T_B_\\d$"), {240, 465}},
        {QRegularExpression("^IMAGE_[A-Z]$"), {240, 465}},
        {QRegularExpression("^IMAGE_WEEK_[01]{7}$"), {3480, 315}},
    };
    for (const auto& [pattern, twips] : sizes)
        if (pattern.match(name).hasMatch())
            return {qRound(twips.width() / 15.0), qRound(twips.height() / 15.0)};
    return {};
}

} // namespace

TEST(MonitorPictures, EveryNameTheReadersCanBuildIsThereAtItsControlsSize)
{
    const QStringList names = resources::monitorBitmapNames();
    const std::set<QString> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), size_t(names.size()));

    // Names the panels build: the lamp patterns of the form x0x0x0x, digit codes, letters.
    QStringList wanted;
    for (int bits = 0; bits < 16; ++bits) {
        QString pattern = "0000000";
        for (int lamp = 0; lamp < 4; ++lamp)
            if (bits & (1 << lamp))
                pattern[2 * lamp] = '1';
        wanted << "IMAGE_WEEK_" + pattern;
    }
    for (const char* n : {"IMAGE_0", "IMAGE_9", "IMAGE_98", "IMAGE_99", "IMAGE_B", "IMAGE_Z",
                          "IMAGE_DPCOL_2", "IMAGE_DP_1", "IMAGE_T_B_1", "IMAGE_TIMERMODE_6",
                          "IMAGE_GROUP_4", "IMAGE_START_D", "IMAGE_RETURN_E"})
        wanted << n;
    for (const QString& n : wanted)
        EXPECT_TRUE(names.contains(n)) << n.toStdString();

    QSize buttonSize;
    for (const QString& n : names) {
        SCOPED_TRACE(n.toStdString());
        ASSERT_TRUE(hasBitmap(n));
        const QPixmap pm = LoadResPicture(n);
        ASSERT_FALSE(pm.isNull());
        EXPECT_EQ(LoadResPicture(n.toLower()).cacheKey(), pm.cacheKey());
        if (n.startsWith("IMAGE_START_") || n.startsWith("IMAGE_STOP_") || n.startsWith("IMAGE_RETURN_")) {
            if (buttonSize.isEmpty())
                buttonSize = pm.size();
            EXPECT_EQ(pm.size(), buttonSize);
        } else {
            EXPECT_EQ(pm.size(), panelControlSize(n));
        }
    }

    // The lower row shows the same cells smaller, drawn at its own size.
    const QPixmap small = resources::drawMonitorBitmap("image_8", {16, 31});
    EXPECT_EQ(small.size(), QSize(16, 31));
    EXPECT_GT(litPixels(small.toImage()), 0);
    EXPECT_TRUE(resources::drawMonitorBitmap("IMAGE_WEEK_1111111", {232, 21}).isNull());
    EXPECT_TRUE(resources::drawMonitorBitmap("IMAGE_8", {}).isNull());
}

TEST(MonitorPictures, DigitCellsLightOnlyTheirOwnSegments)
{
    const QImage eight = imageOf("IMAGE_8");
    EXPECT_EQ(litPixels(imageOf("IMAGE_99")), 0);
    std::set<QByteArray> seen;
    for (const char* code : {"0", "1", "2", "3", "4", "5", "6", "7", "9", "98", "A", "b", "H", "t"}) {
        SCOPED_TRACE(code);
        const QImage img =
            resources::drawMonitorBitmap(QStringLiteral("IMAGE_") + code, eight.size()).toImage();
        EXPECT_GT(litPixels(img), 0);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) > 200) {
                    ASSERT_GT(qGray(eight.pixel(x, y)), 200) << x << "," << y;
                }
        seen.insert(pixelsOf(img));
    }
    EXPECT_EQ(seen.size(), 14u);

    // The minus is the middle segment alone; a 1 lights the right side only.
    const QImage minus = imageOf("IMAGE_98");
    const int h = minus.height();
    EXPECT_EQ(litPixels(minus), litPixels(minus, QRect(0, h * 2 / 5, minus.width(), h / 5)));
    EXPECT_EQ(litBands(imageOf("IMAGE_1"), 2, Qt::Horizontal), 0b10);
}

TEST(MonitorPictures, IndicatorsLightWhatTheRecordSays)
{
    const struct {
        const char* name;
        int bands;
        Qt::Orientation along;
        int lit;
    } cases[] = {
        {"IMAGE_AU_0", 1, Qt::Horizontal, 0},         {"IMAGE_AU_1", 1, Qt::Horizontal, 1},
        {"IMAGE_ONOFF_0", 2, Qt::Horizontal, 0b10},   {"IMAGE_ONOFF_1", 2, Qt::Horizontal, 0b01},
        {"IMAGE_ONOFF_2", 2, Qt::Horizontal, 0},      {"IMAGE_GROUP_3", 3, Qt::Vertical, 0b100},
        {"IMAGE_GROUP_4", 3, Qt::Vertical, 0b011},    {"IMAGE_COUNTDIR_2", 4, Qt::Vertical, 0b0010},
        {"IMAGE_COUNTDIR_4", 4, Qt::Vertical, 0b1000}, {"IMAGE_KP_1", 1, Qt::Horizontal, 1},
        {"IMAGE_RANGEMODE_1", 2, Qt::Horizontal, 0b01}, {"IMAGE_RANGEMODE_2", 2, Qt::Horizontal, 0b10},
        {"IMAGE_TIMERMODE_1", 4, Qt::Vertical, 0b0001}, {"IMAGE_TIMERMODE_5", 4, Qt::Vertical, 0b0110},
        {"IMAGE_TIMERMODE_6", 4, Qt::Vertical, 0b1100}, {"IMAGE_T_B_0", 1, Qt::Horizontal, 0},
        {"IMAGE_T_B_1", 1, Qt::Horizontal, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(litBands(imageOf(c.name), c.bands, c.along), c.lit) << c.name;

    // K/P's control reaches 180 of its 750 twips off the panel: its letters keep clear of them.
    const QImage kp = imageOf("IMAGE_KP_1");
    EXPECT_EQ(litPixels(kp), litPixels(kp, QRect(kp.width() * 180 / 750, 0, kp.width(), kp.height())));

    // Lamp cells from the left, one per character of the pattern.
    for (const QString& n : resources::monitorBitmapNames()) {
        if (!n.startsWith("IMAGE_WEEK_"))
            continue;
        const QString pattern = n.mid(11);
        int expected = 0;
        for (int i = 0; i < 7; ++i)
            expected |= (pattern[i] == '1') << i;
        EXPECT_EQ(litBands(imageOf(n), 7, Qt::Horizontal), expected) << n.toStdString();
    }

    // The point sits low, on the digits' bottom line; the colon's dots above it.
    const QImage point = imageOf("IMAGE_DP_1");
    const int h = point.height(), w = point.width();
    EXPECT_EQ(litPixels(point), litPixels(point, QRect(0, h * 4 / 5, w, h)));
    EXPECT_EQ(litPixels(imageOf("IMAGE_DP_0")), 0);
    const QImage colon = imageOf("IMAGE_DPCOL_2");
    EXPECT_GT(litPixels(colon, QRect(0, 0, w, h / 2)), 0);
    EXPECT_EQ(litPixels(colon, QRect(0, h * 4 / 5, w, h)), 0);
    EXPECT_EQ(litPixels(imageOf("IMAGE_DPCOL_1")), litPixels(point));
}

TEST(EditorAndAppPictures, TabsButtonsIconAndSplashAreDrawn)
{
    std::set<QByteArray> distinct;
    for (const QString& n : resources::editorBitmapNames()) {
        SCOPED_TRACE(n.toStdString());
        const QPixmap pm = LoadResPicture(n.toLower());
        ASSERT_FALSE(pm.isNull());
        EXPECT_EQ(pm.size(), n.startsWith("IMAGE_CH") ? QSize(203, 41) : QSize(419, 56));
        distinct.insert(pixelsOf(pm.toImage()));
    }
    EXPECT_EQ(distinct.size(), 7u);
    for (const char* n : {"IMAGE_START_", "IMAGE_STOP_", "IMAGE_RETURN_"})
        EXPECT_NE(imageOf(QString(n) + "E"), imageOf(QString(n) + "D")) << n;

    const QPixmap icon = LoadResPicture(resources::kAppIconName);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());

    // See-through around the shape, solid inside, and never opaque black, so that keying
    // black out and honouring transparency give the same outline.
    const QImage splash = imageOf(resources::kSplashName).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(splash.isNull());
    for (QPoint corner : {QPoint(0, 0), QPoint(splash.width() - 1, 0), QPoint(0, splash.height() - 1),
                          QPoint(splash.width() - 1, splash.height() - 1)})
        EXPECT_EQ(qAlpha(splash.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(splash.pixel(splash.rect().center())), 255);
    int opaqueBlack = 0;
    for (int y = 0; y < splash.height(); ++y)
        for (int x = 0; x < splash.width(); ++x) {
            const QRgb c = splash.pixel(x, y);
            opaqueBlack += qAlpha(c) == 255 && (c & 0xFFFFFF) == 0;
        }
    EXPECT_EQ(opaqueBlack, 0);
}
