#pragma once
// A timing diagram as data: a title, a few lines of context, and rows of signals drawn
// against one time axis running from 0 to 100.
//
// Each row carries its waveform as a short text, so that a table of modes reads like
// the pictures it makes:
//
//   digital rows   "L0 H10 L85"      low from 0, high from 10, low again from 85;
//                  "X60"             from 60 on not fixed (drawn hatched);
//                  "P10-60/8"        8 pulses whose rising edges fall evenly on
//                                    (10, 60], the last one at 60; "P10-60/8+0.25"
//                                    shifts them by a quarter of their period.
//   bus rows       "0=UP 40=DOWN"    a band with its value written in it.
//   value rows     "0:0 10:0 60:1"   points time:value joined by straight lines, the
//                                    value in units of the row's first level;
//                  "60:1/8"          a staircase of 8 steps from the point before;
//                  "X75"             from the point before to 75 not fixed; the next
//                                    point starts afresh.
//                  The last point holds to the end of the axis.
//
// A value row names its levels ("SV" at 1, "SV2" at 0.6 ...), drawn as dashed lines.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace diagram {

enum class RowKind { Digital, Bus, Value };

// A dimension arrow between two times, with its text (an output time, a set time).
struct Span {
    double from = 0;
    double to = 0;
    QString text;
};

struct Level {
    QString name;
    double value = 1;
};

struct Row {
    RowKind kind = RowKind::Digital;
    QString label;
    QString wave;
    std::vector<Level> levels; // value rows
    std::vector<Span> spans;
    // A shaded band between two levels of a value row (a comparison area).
    std::optional<std::pair<double, double>> band;
};

// A moment that concerns every row: a count-up, a time-up.
struct Marker {
    double at = 0;
    QString text;
};

struct Diagram {
    QString title;
    QStringList context; // lines under the title
    std::vector<Row> rows;
    std::vector<Marker> markers;
};

// Row builders, so that a table entry reads as its picture.
Row sig(const QString& label, const QString& wave, std::vector<Span> spans = {});
Row bus(const QString& label, const QString& wave);
Row value(const QString& label, std::vector<Level> levels, const QString& wave, std::vector<Span> spans = {});

// ---- Parsed waveforms ----

enum class Lvl { Low, High, NotFixed };

// A stretch of a digital row.
struct Segment {
    double from = 0;
    double to = 0;
    Lvl level = Lvl::Low;
};

struct BusSegment {
    double from = 0;
    double to = 0;
    QString text;
};

// A run of a value row: a polyline, or a not-fixed stretch (two points, hatched).
struct ValueRun {
    bool notFixed = false;
    std::vector<std::pair<double, double>> points; // (time, value)
};

// Each parser returns nothing and sets `error` when the text is malformed: times must
// lie in 0..100 and never go back, and every token must be known.
std::optional<std::vector<Segment>> parseDigital(const QString& wave, QString* error);
std::optional<std::vector<BusSegment>> parseBus(const QString& wave, QString* error);
std::optional<std::vector<ValueRun>> parseValue(const QString& wave, QString* error);

// Whether any part of the diagram is drawn as not fixed.
bool hasNotFixed(const Diagram& d);
// The level of a digital row at time t (the later segment at an edge).
Lvl levelAt(const std::vector<Segment>& segments, double t);
// Checks every row of a diagram; the first problem, or "" when it is sound.
QString validate(const Diagram& d);

} // namespace diagram
