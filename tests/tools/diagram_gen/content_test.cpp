// What the diagrams claim agrees with the editors and with itself: an output time is
// marked only where the editor offers one, every count step of a counter falls on one
// of its input pulses, the waveform texts are read as written, and every named bitmap
// an editor asks for is drawn.
#include "catalogue.h"

#include "core/machine_type.h"
#include "editors/h5h7/frmModeSetting_H7.h"
#include "editors/h9/frmModeSetting_H9.h"
#include "platform/bitmaps.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "support/form_access.h"
#include "support/windows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace diagram;

namespace {

void pick(QComboBox* combo, int index)
{
    ASSERT_LT(index, combo->count());
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

bool rowEnabled(const DigitLabelArray& row) { return !row(0).testAttribute(Qt::WA_Disabled); }

const Diagram& pictureOf(const ImageControl* image)
{
    static const QMap<QString, Diagram> all = [] {
        QMap<QString, Diagram> m;
        for (const Picture& p : allPictures())
            m.insert(p.path, p.diagram);
        return m;
    }();
    static const Diagram none;
    const QString name = QDir(platform::appDataDir()).relativeFilePath(image->requestedFile());
    EXPECT_TRUE(all.contains(name)) << name.toStdString();
    return all.contains(name) ? *all.find(name) : none;
}

// Whether the row of that label carries an "Output time" dimension.
bool marksOutputTime(const Diagram& d, const QString& label)
{
    for (const Row& r : d.rows)
        if (r.label == label)
            return std::any_of(r.spans.begin(), r.spans.end(),
                               [](const Span& s) { return s.text == QLatin1String("Output time"); });
    ADD_FAILURE() << "no row " << label.toStdString() << " in " << d.title.toStdString();
    return false;
}

class DiagramContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setLanguage(platform::Language::English);
        platform::setAppDataDir(folder.path());
    }
    void TearDown() override
    {
        testsupport::closeEditorWindows();
        platform::setAppDataDir(QString());
    }
    QTemporaryDir folder; // no pictures needed: the names are what counts
};

} // namespace

TEST_F(DiagramContent, OutputTimeIsMarkedExactlyWhereTheEditorOffersOne)
{
    {
        frmModeSetting_H9& f = frmModeSetting_H9::instance();
        auto& u = ui(f);
        u.mFuncModeSelect_0->trigger();
        for (int o = 0; o < u.cboOutputModeA->count(); ++o) {
            SCOPED_TRACE(o);
            pick(u.cboOutputModeA, o);
            const bool marked = marksOutputTime(pictureOf(u.Image_Output_A), QStringLiteral("OUT"));
            // "Signal OFF delay" has an output time whose part in the mode is not fixed.
            EXPECT_EQ(marked, rowEnabled(*u.lblHoldTimeA) && o != 4);
        }
        for (int o = 0; o < u.cboOutputModeB->count(); ++o) {
            SCOPED_TRACE(o);
            pick(u.cboOutputModeB, o);
            EXPECT_EQ(marksOutputTime(pictureOf(u.Image_Output_B), QStringLiteral("OUT")), rowEnabled(*u.lblHoldCounterB));
        }
        for (QAction* mode : {u.mFuncModeSelect_2, u.mFuncModeSelect_3}) {
            mode->trigger();
            const QString first = mode == u.mFuncModeSelect_2 ? QStringLiteral("Total output") : QStringLiteral("Batch output");
            for (int o0 = 0; o0 < 2; ++o0)
                for (int o1 = 0; o1 < u.cboOutputMode_C_Dual_1->count(); ++o1) {
                    SCOPED_TRACE(o1);
                    pick(u.cboOutputMode_C_Dual_0, o0);
                    pick(u.cboOutputMode_C_Dual_1, o1);
                    const Diagram& d = pictureOf(u.Image_Output_A);
                    EXPECT_EQ(marksOutputTime(d, first), rowEnabled(*u.lblHoldCounter_C_Dual_0));
                    EXPECT_EQ(marksOutputTime(d, QStringLiteral("OUT")), rowEnabled(*u.lblHoldCounter_C_Dual_1));
                }
        }
        u.mFuncModeSelect_5->trigger();
        for (int a = 0; a < 2; ++a)
            for (int b = 0; b < 2; ++b) {
                pick(u.cboOutputMode_T_Dual_0, a);
                pick(u.cboOutputMode_T_Dual_1, b);
                const Diagram& d = pictureOf(u.Image_Output_A);
                EXPECT_EQ(marksOutputTime(d, QStringLiteral("OUT 1")), rowEnabled(*u.lblHoldTime_T_Dual_0));
                EXPECT_EQ(marksOutputTime(d, QStringLiteral("OUT 2")), rowEnabled(*u.lblHoldTime_T_Dual_1));
            }
        testsupport::closeEditorWindows();
    }

    nMacType = kMacTypeH8;
    frmModeSetting_H7& f = frmModeSetting_H7::instance();
    auto& u = ui(f);
    u.mFuncModeSelect_0->trigger();
    for (int o = 0; o < u.cboOutputMode_A_H5->count(); ++o) {
        SCOPED_TRACE(o);
        // A non-zero output time, so that b and b-1 show theirs.
        u.lblHoldTime_A_H5->setDigits(QStringLiteral("000010"));
        pick(u.cboOutputMode_A_H5, o);
        EXPECT_EQ(marksOutputTime(pictureOf(u.Image_Output_A), QStringLiteral("OUT")), rowEnabled(*u.lblHoldTime_A_H5));
    }
    u.mFuncModeSelect_3->trigger();
    pick(u.cboCountInputMode_1st_H7, 2); // the up/down inputs offer all twelve outputs
    ASSERT_EQ(u.cboOutputMode_1st_H7->count(), 12);
    for (int o = 0; o < 12; ++o) {
        SCOPED_TRACE(o);
        pick(u.cboOutputMode_1st_H7, o);
        EXPECT_EQ(marksOutputTime(pictureOf(u.Image_Output_A), QStringLiteral("OUT")), rowEnabled(*u.lblHoldCounter_1st_H7));
    }
}

// A counter's value steps only when a count pulse arrives: a step is a vertical jump
// of a value row, a pulse a rising edge of a pulse-train row of the same picture.
TEST(DiagramTables, EveryCountStepFallsOnAnInputPulse)
{
    int checked = 0;
    for (const Picture& p : allPictures()) {
        std::vector<double> edges;
        for (const Row& r : p.diagram.rows) {
            if (r.kind != RowKind::Digital || !r.wave.contains(QLatin1Char('P')))
                continue;
            const auto segs = parseDigital(r.wave, nullptr);
            ASSERT_TRUE(segs) << p.path.toStdString();
            for (const Segment& s : *segs)
                if (s.level == Lvl::High)
                    edges.push_back(s.from);
        }
        if (edges.empty())
            continue; // timers and tachometers: no count pulses
        for (const Row& r : p.diagram.rows) {
            if (r.kind != RowKind::Value)
                continue;
            const auto runs = parseValue(r.wave, nullptr);
            ASSERT_TRUE(runs) << p.path.toStdString();
            for (const ValueRun& run : *runs)
                for (size_t i = 1; i < run.points.size(); ++i) {
                    const double t0 = run.points[i - 1].first, t1 = run.points[i].first;
                    if (t0 != t1 || run.points[i - 1].second == run.points[i].second)
                        continue;
                    ++checked;
                    EXPECT_TRUE(std::any_of(edges.begin(), edges.end(), [&](double e) { return qAbs(e - t1) < 1e-6; }))
                        << p.path.toStdString() << ": " << r.label.toStdString() << " steps at " << t1;
                }
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(DiagramTables, WaveformTextsReadAsWritten)
{
    QString error;
    // Pulses: the i-th rising edge at from + i * period, the last one on `to`.
    const auto pulses = parseDigital(QStringLiteral("P10-40/3 H60 X80"), &error);
    ASSERT_TRUE(pulses) << error.toStdString();
    std::vector<double> rises;
    for (const Segment& s : *pulses)
        if (s.level == Lvl::High)
            rises.push_back(s.from);
    EXPECT_EQ(rises, (std::vector<double>{20, 30, 40, 60}));
    EXPECT_EQ(levelAt(*pulses, 45), Lvl::Low);
    EXPECT_EQ(levelAt(*pulses, 90), Lvl::NotFixed);
    EXPECT_EQ(pulses->back().to, 100);

    // A staircase of three steps, a not-fixed stretch, and a value held to the end.
    const auto value = parseValue(QStringLiteral("0:0 10:0 40:1/3 X60 60:0"), &error);
    ASSERT_TRUE(value) << error.toStdString();
    ASSERT_EQ(value->size(), 3u);
    EXPECT_EQ(value->at(0).points.back(), (std::pair<double, double>{40, 1}));
    EXPECT_EQ(value->at(0).points[3], (std::pair<double, double>{20, 1.0 / 3}));
    EXPECT_TRUE(value->at(1).notFixed);
    EXPECT_EQ(value->at(2).points.back(), (std::pair<double, double>{100, 0}));

    const auto band = parseBus(QStringLiteral("0=UP 25=COUNT_DOWN"), &error);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->at(1).text, "COUNT DOWN");
    EXPECT_EQ(band->at(0).to, 25);

    // Malformed texts are refused with a reason, never drawn half.
    for (const QString& bad : {QStringLiteral("L0 H50 L40"), QStringLiteral("H120"), QStringLiteral("Q10"),
                               QStringLiteral("P40-10/3")}) {
        error.clear();
        EXPECT_FALSE(parseDigital(bad, &error)) << bad.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(parseValue(QStringLiteral("10:1/3"), &error)); // a staircase needs a start
    EXPECT_FALSE(parseValue(QStringLiteral("50:0 40:1"), &error));
    EXPECT_FALSE(parseBus(QStringLiteral("10=UP"), &error));

    Diagram d;
    d.title = QStringLiteral("t");
    d.rows = {sig(QStringLiteral("OUT"), QStringLiteral("L0 H50"), {{60, 50, QStringLiteral("Output time")}})};
    EXPECT_FALSE(validate(d).isEmpty());
    d.rows[0].spans[0] = {50, 60, QStringLiteral("Output time")};
    EXPECT_TRUE(validate(d).isEmpty());
}

// Every bitmap name written in the editors' code is a registered picture.
TEST(EditorBitmaps, EveryNameTheEditorsAskForIsDrawn)
{
    static const QRegularExpression name(QStringLiteral("\"(IMAGE_[A-Z0-9_]+)\""));
    QSet<QString> names;
    QDirIterator it(QStringLiteral(TCPANEL_SOURCE_DIR "/src/editors"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (auto m = name.globalMatch(text); m.hasNext();)
            names.insert(m.next().captured(1));
    }
    EXPECT_GE(names.size(), 7);
    for (const QString& n : names) {
        EXPECT_TRUE(platform::hasBitmap(n)) << n.toStdString();
        EXPECT_FALSE(platform::LoadResPicture(n).isNull()) << n.toStdString();
    }
}
