#pragma once
// Every timing diagram the editors can ask for, under the name the editor builds for it
// (a path relative to the program's data folder).
#include "diagram.h"

#include <QSet>
#include <QString>

#include <vector>

namespace diagram {

struct Picture {
    QString path;
    Diagram diagram;
};

// The H9 editor's pictures (Picture/733/...), each name once.
std::vector<Picture> h9Pictures();
// The H5/H7 editor's timer (Picture/730) and counter (Picture/731) pictures, each once.
std::vector<Picture> h5h7Pictures();
// Both, H9 first.
std::vector<Picture> allPictures();

// ---- Shared by the tables ----

// The pictures of a list, each name once: choices that share a name share a picture,
// and the first one added draws it.
class PictureList {
public:
    void add(const QString& path, Diagram d);
    bool has(const QString& path) const { return names_.contains(path); }
    std::vector<Picture> take() { return std::move(pictures_); }

private:
    std::vector<Picture> pictures_;
    QSet<QString> names_;
};

// A text of the string table in English, without the blanks some items end in.
QString englishText(int id);

// How a counter's output behaves after its count reaches the set value, as far as the
// mode's name and its settings tell.
enum class CounterOutput {
    SelfHolding, // on from the count-up until a reset
    OneShot,     // on for the output time
    OnNotFixed,  // turns on at the count-up; how long it stays is not fixed
};

// The output row of a counter: on at each of `countUps`, off at each of `resets`.
Row counterOutputRow(const QString& label, CounterOutput kind, const std::vector<double>& countUps,
                     const std::vector<double>& resets, double outputTime);

// A tachometer's input and measured speed: the speed rises from 0.3 at 20 to 1.3 at
// 45, stays until 60 and falls back to 0.3 at 85 (in units of the set value).
QString tachoInputWave();
QString tachoSpeedWave();
// Where the speed crosses a set value at `level` on its way up, and on its way down.
double tachoRise(double level);
double tachoFall(double level);
// An output that is on while the speed is above `level` (or, with `above` false,
// while it is below).
QString tachoOutput(double level, bool above);

} // namespace diagram
