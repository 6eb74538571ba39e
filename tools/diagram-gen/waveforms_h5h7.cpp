// The H5/H7 editor's timing diagrams: one table per list, one entry per mode.
//
// As for the H9 pictures, a picture draws what the mode's list text and the editor's
// settings tell for certain, and hatches what they leave open; each entry's comment
// says which is which.
#include "catalogue.h"

#include "editors/h5h7/h5h7_diagrams.h"
#include "editors/h5h7/h5h7_option_lists.h"


namespace diagram {

namespace {

const std::vector<Level> kSetLevel{{QStringLiteral("Set time"), 1}};

struct TimerMode {
    int funcMode;   // 0 timer, 1 twin timer, 2 2-stage timer
    int outputMode; // the panel's output list position
    int holdFlag;   // 1: b or b-1 with an output time that is not zero
    std::vector<Row> rows;
    std::vector<Marker> markers;
    const char* comment;
};

// Time plan of the one-set-value modes: the start signal (or power) at 8, a set time of
// 40, an output time of 16.
std::vector<TimerMode> timerModes()
{
    const Span setTime{8, 48, QStringLiteral("Set time")};
    const Row start = sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H8 L82"));
    const Row power = sig(QStringLiteral("Power"), QStringLiteral("L0 H8"));
    const Row elapsed = value(QStringLiteral("Elapsed time"), kSetLevel, QStringLiteral("0:0 8:0 48:1 X100"), {setTime});
    const Row timedOut = sig(QStringLiteral("OUT"), QStringLiteral("L0 H48 L64"), {{48, 64, QStringLiteral("Output time")}});
    const std::vector<Marker> timeUp{{48, QStringLiteral("time-up")}};

    // The repeat cycles: a cycle of 28, with an output time of 10 inside it when one is set.
    const Row running = sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H8"));
    const Row sawtooth = value(QStringLiteral("Elapsed time"), kSetLevel,
                               QStringLiteral("0:0 8:0 36:1 36:0 64:1 64:0 92:1 92:0 100:0.29"),
                               {{8, 36, QStringLiteral("Set time")}});
    const Row pulses = sig(QStringLiteral("OUT"), QStringLiteral("L0 H36 L46 H64 L74 H92"), {{36, 46, QStringLiteral("Output time")}});
    const Row untimed = sig(QStringLiteral("OUT"), QStringLiteral("L0 H36 X40"));
    const std::vector<Marker> cycles{{36, QStringLiteral("time-up")}, {64, QString()}, {92, QString()}};

    // The 2-stage timer: SV1 reached at 68 after power on, the forecast SV2 at 44.
    const std::vector<Level> twoLevels{{QStringLiteral("SV1"), 1}, {QStringLiteral("SV2 (forecast)"), 0.6}};

    return {
        {0, 0, 0, {start, elapsed, timedOut}, timeUp,
         "A: on a set time after the start signal, for the output time. The elapsed time after the time-up is not fixed."},
        {0, 1, 0, {start, elapsed, timedOut}, timeUp, "A-1: as A; what tells the two signal ON delays apart is not in their names."},
        {0, 2, 0, {power, elapsed, timedOut}, timeUp, "A-2: timed from power on, for the output time."},
        {0, 3, 0, {power, elapsed, timedOut}, timeUp, "A-3: as A-2; what tells the two power ON delays apart is not in their names."},
        {0, 4, 0, {running, sawtooth, untimed}, cycles,
         "b with output time 0: the cycle repeats; what the output does without an output time is not fixed."},
        {0, 4, 1, {running, sawtooth, pulses}, cycles,
         "b: the output time once per cycle. Whether it lies inside the cycle or is added to it is not fixed; "
         "drawn inside."},
        {0, 5, 0, {running, sawtooth, untimed}, cycles, "b-1 with output time 0: as b with output time 0."},
        {0, 5, 1, {running, sawtooth, pulses}, cycles, "b-1: as b; what tells the two repeat cycles apart is not in their names."},
        {0, 6, 0,
         {sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H10 L40")),
          value(QStringLiteral("Elapsed time"), kSetLevel, QStringLiteral("0:0 40:0 80:1 X100"),
                {{40, 80, QStringLiteral("Set time")}}),
          sig(QStringLiteral("OUT"), QStringLiteral("L0 H10 L80"))},
         {{80, QStringLiteral("time-up")}},
         "d: on with the signal, off a set time after the signal goes off (no output time)."},
        {0, 7, 0,
         {sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H10 L82")),
          value(QStringLiteral("Elapsed time"), kSetLevel, QStringLiteral("0:0 10:0 50:1 X100"),
                {{10, 50, QStringLiteral("Set time")}}),
          sig(QStringLiteral("OUT"), QStringLiteral("L0 H10 L50"))},
         {{50, QStringLiteral("time-up")}}, "E: on from the start signal for the set time."},
        {0, 8, 0,
         {sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H8 L28 H44 L54 H70")),
          value(QStringLiteral("Elapsed time"), kSetLevel,
                QStringLiteral("0:0 8:0 28:0.4 44:0.4 54:0.6 70:0.6 90:1 X100")),
          sig(QStringLiteral("OUT"), QStringLiteral("L0 H90 X96"))},
         {{90, QStringLiteral("time-up")}},
         "F: the elapsed time adds up over the signal's ON stretches and holds in between. How long the output "
         "stays on (no output time) is not fixed."},
        {0, 9, 0,
         {sig(QStringLiteral("Start\nsignal input"), QStringLiteral("H0")),
          sig(QStringLiteral("OUT"), QStringLiteral("L0 H10 L22 H40 L52 H70 L82 H100"),
              {{10, 40, QStringLiteral("Cycle time")}, {70, 82, QStringLiteral("ON (duty ratio)")}})},
         {},
         "Z: on for the ON duty ratio of each cycle time. Drawn running; whether a cycle starts with its ON or "
         "its OFF part is not fixed, so no start is drawn."},

        {1, 0, 0,
         {running, sig(QStringLiteral("OUT"), QStringLiteral("L0 H28 L43 H63 L78 H98"),
                       {{8, 28, QStringLiteral("OFF time")}, {28, 43, QStringLiteral("ON time")}})},
         {}, "Flicker OFF start: OFF set time first, then ON set time, repeated."},
        {1, 1, 0,
         {running, sig(QStringLiteral("OUT"), QStringLiteral("L0 H8 L23 H43 L58 H78 L93"),
                       {{8, 23, QStringLiteral("ON time")}, {23, 43, QStringLiteral("OFF time")}})},
         {}, "Flicker ON start: ON set time first, then OFF set time, repeated."},

        {2, 0, 0,
         {power, value(QStringLiteral("Elapsed time"), twoLevels, QStringLiteral("0:0 8:0 68:1 X100")),
          sig(QStringLiteral("OUT (SV2)"), QStringLiteral("L0 H44 X68")), sig(QStringLiteral("OUT (SV1)"), QStringLiteral("L0 H68"))},
         {{44, QStringLiteral("SV2")}, {68, QStringLiteral("SV1")}},
         "A: timed from power on; the SV1 output stays on while the power does. What the forecast output does "
         "once SV1 is reached is not fixed. The setting method (forecast or absolute value) only says how SV2 "
         "is set."},
        {2, 1, 0,
         {sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H8 L32 H44")),
          value(QStringLiteral("Elapsed time"), twoLevels, QStringLiteral("0:0 8:0 32:0.4 44:0.4 80:1 X100")),
          sig(QStringLiteral("OUT (SV2)"), QStringLiteral("L0 H56 X80")), sig(QStringLiteral("OUT (SV1)"), QStringLiteral("L0 H80 X86"))},
         {{56, QStringLiteral("SV2")}, {80, QStringLiteral("SV1")}},
         "F-1: the elapsed time adds up over the signal's ON stretches. How long the outputs stay on is not fixed."},
    };
}

QString timerTitle(int funcMode, int outputMode)
{
    switch (funcMode) {
    case 0: return englishText(216 + outputMode);
    case 1: return englishText(214 + outputMode);
    default: return englishText(302 + outputMode);
    }
}

// ---- Counters (group 0: the 1-stage and 2-stage counters and channel A of the total
// and batch counters) ----
//
// The output list: only the output time is certain of a letter. The editor gives one to
// C, R, K-1, P, Q, A and K-2, and their output lasts it; N, F, D, L and H have none, and
// how long their output stays is not fixed. What the present value does after the
// count-up (goes on, stops, starts again) is what tells the letters apart and is not
// fixed by their names: hatched in every picture.

struct CounterMode {
    int code;
    CounterOutput output;
    const char* comment;
};

const std::vector<CounterMode> kCounterModes = {
    {0, CounterOutput::OnNotFixed, "N: no output time."},
    {1, CounterOutput::OnNotFixed, "F: no output time."},
    {2, CounterOutput::OneShot, "C: output time."},
    {3, CounterOutput::OneShot, "R: output time."},
    {4, CounterOutput::OneShot, "K-1: output time."},
    {5, CounterOutput::OneShot, "P: output time."},
    {6, CounterOutput::OneShot, "Q: output time."},
    {7, CounterOutput::OneShot, "A: output time."},
    {8, CounterOutput::OneShot, "K-2: output time (up/down inputs only)."},
    {9, CounterOutput::OnNotFixed, "D: no output time (up/down inputs only)."},
    {10, CounterOutput::OnNotFixed, "L: no output time (up/down inputs only)."},
    {11, CounterOutput::OnNotFixed, "H: no output time (up/down inputs only)."},
};

QString counterOutputText(int code)
{
    return code < 8 ? h5h7lists::kCounterOutputs.at(code) : h5h7lists::kUpDownOutputs.at(code - 8);
}

// The input groups of the picture names: up, down, and the three up/down modes, which
// share one picture. A reset at 84 clears the count.
struct InputGroup {
    int group;
    std::vector<Row> rows;
    std::vector<Level> levels;
    QString presentValue;
    double countUp;
    const char* comment;
};

std::vector<InputGroup> inputGroups()
{
    const std::vector<Level> sv{{QStringLiteral("SV"), 1}};
    return {
        {0, {sig(QStringLiteral("Count input"), QStringLiteral("P4-40/6"))}, sv, QStringLiteral("0:0 4:0 40:1/6 X84 84:0"), 40,
         "Up: from 0 to the set value."},
        {1, {sig(QStringLiteral("Count input"), QStringLiteral("P4-40/6"))}, {{QStringLiteral("SV"), 1}, {QStringLiteral("0"), 0}},
         QStringLiteral("0:1 4:1 40:0/6 X84 84:1"), 40, "Down: from the set value to 0."},
        {2,
         {sig(QStringLiteral("Count input"), QStringLiteral("P4-52/8")),
          bus(QStringLiteral("Up / Down\ninput mode A, B or C"), QStringLiteral("0=UP 25=DOWN 37=UP"))},
         sv, QStringLiteral("0:0 4:0 22:0.75/3 34:0.25/2 52:1/3 X84 84:0"), 52,
         "Up / Down A, B, C: how the direction reaches the counter tells the three apart and is not fixed; "
         "drawn as a direction band."},
    };
}

QString inputConenglishText(int group)
{
    if (group < 2)
        return QStringLiteral("Input Mode ") + h5h7lists::kCountInputs.at(group);
    return QStringLiteral("Input Mode ") + h5h7lists::kCountInputs.mid(2).join(QStringLiteral("  /  "));
}

Diagram counter(const InputGroup& in, const CounterMode& out)
{
    Diagram d;
    d.title = counterOutputText(out.code);
    d.context << englishText(226) + QStringLiteral(", ") + englishText(227) << inputConenglishText(in.group);
    d.rows = in.rows;
    d.rows.push_back(sig(QStringLiteral("Reset"), QStringLiteral("L0 H84 L88")));
    d.rows.push_back(value(QStringLiteral("Present value"), in.levels, in.presentValue));
    d.rows.push_back(counterOutputRow(QStringLiteral("OUT"), out.output, {in.countUp}, {84}, 12));
    d.markers = {{in.countUp, in.group == 1 ? QStringLiteral("count-up (0)") : QStringLiteral("count-up")},
                 {84, QStringLiteral("reset")}};
    return d;
}

// ---- The other counter pictures: channel B of the total and batch counters, the dual
// counter (one picture for every choice), the tachometer's four outputs ----

Diagram totalCount()
{
    Diagram d;
    d.title = englishText(228);
    d.context << QStringLiteral("Channel B: the total count. The reset clears the counter, not the total.");
    d.rows = {sig(QStringLiteral("Count input"), QStringLiteral("P4-40/6 P58-94/6")),
              sig(QStringLiteral("Reset"), QStringLiteral("L0 H54 L58")),
              value(QStringLiteral("Present value"), {{QStringLiteral("SV"), 1}},
                    QStringLiteral("0:0 4:0 40:1/6 X54 54:0 58:0 94:1/6 X100")),
              value(QStringLiteral("Total count"), {}, QStringLiteral("0:0 4:0 40:6/6 58:6 94:12/6"))};
    d.markers = {{40, QStringLiteral("count-up")}, {54, QStringLiteral("reset")}, {94, QString()}};
    return d;
}

Diagram batchCount()
{
    Diagram d;
    d.title = englishText(229);
    d.context << QStringLiteral("Channel B: the batch count, one per count-up of the counter.")
              << QStringLiteral("How the counter starts again depends on its output mode.");
    d.rows = {sig(QStringLiteral("Count input"), QStringLiteral("P2-20/3 P34-52/3 P66-84/3")),
              value(QStringLiteral("Present value"), {{QStringLiteral("SV"), 1}},
                    QStringLiteral("0:0 2:0 20:1/3 X34 34:0 52:1/3 X66 66:0 84:1/3 X100")),
              value(QStringLiteral("Batch count"), {{QStringLiteral("Batch SV"), 3}},
                    QStringLiteral("0:0 20:0 20:1 52:1 52:2 84:2 84:3 100:3")),
              sig(QStringLiteral("Batch output"), QStringLiteral("L0 H84 X90"))};
    d.markers = {{20, QStringLiteral("count-up")}, {52, QString()}, {84, QStringLiteral("batch")}};
    return d;
}

// A counts at 12, 20, ... 52 and B at 16, 32 and 48; both sums reach their set value at 52.
Diagram dualCounter()
{
    Diagram d;
    d.title = englishText(230);
    d.context << QStringLiteral("Input Mode 0:ADD counts A + B, 1:SUB counts A \u2212 B");
    d.rows = {sig(QStringLiteral("Count input A"), QStringLiteral("P4-52/6")),
              sig(QStringLiteral("Count input B"), QStringLiteral("P0-48/3")),
              value(QStringLiteral("A + B\n0:ADD"), {{QStringLiteral("SV"), 9}},
                    QStringLiteral("0:0 4:0 12:1/1 16:2/1 20:3/1 28:4/1 32:5/1 36:6/1 44:7/1 48:8/1 52:9/1 X100")),
              value(QStringLiteral("A \u2212 B\n1:SUB"), {{QStringLiteral("SV"), 3}},
                    QStringLiteral("0:0 4:0 12:1/1 16:0/1 20:1/1 28:2/1 32:1/1 36:2/1 44:3/1 48:2/1 52:3/1 X100")),
              sig(QStringLiteral("OUT"), QStringLiteral("L0 H52 X58"))};
    d.markers = {{52, QStringLiteral("count-up")}};
    return d;
}

// The tachometer's outputs compare the speed with set values 1 and 2: HI above, LO
// below, named in the order of the set values. AREA names a band between the two; which
// output does what in it is not fixed: both hatched.
struct TachoMode {
    int code;
    double sv1, sv2;
    const char* out1; // "above", "below" or "" (not fixed)
    const char* out2;
};

const std::vector<TachoMode> kTachoModes = {
    {0, 1.0, 0.6, "above", "below"},
    {1, 1.0, 0.6, "", ""},
    {2, 0.8, 1.1, "above", "above"},
    {3, 1.0, 0.6, "below", "below"},
};

Diagram tachometer(const TachoMode& m)
{
    Diagram d;
    d.title = h5h7lists::kFreqOutputs.at(m.code);
    d.context << englishText(231);
    auto out = [](const char* how, double level) {
        return *how ? tachoOutput(level, QLatin1String(how) == QLatin1String("above")) : QStringLiteral("X0");
    };
    Row speed = value(QStringLiteral("Measured speed"), {{QStringLiteral("SV1"), m.sv1}, {QStringLiteral("SV2"), m.sv2}},
                      tachoSpeedWave());
    if (!*m.out1)
        speed.band = std::pair{m.sv1, m.sv2};
    d.rows = {sig(QStringLiteral("Input"), tachoInputWave()), speed, sig(QStringLiteral("OUT 1"), out(m.out1, m.sv1)),
              sig(QStringLiteral("OUT 2"), out(m.out2, m.sv2))};
    for (double level : {m.sv1, m.sv2}) {
        d.markers.push_back({tachoRise(level), QString()});
        d.markers.push_back({tachoFall(level), QString()});
    }
    return d;
}

} // namespace

std::vector<Picture> h5h7Pictures()
{
    PictureList out;
    for (const TimerMode& m : timerModes()) {
        Diagram d;
        d.title = timerTitle(m.funcMode, m.outputMode);
        d.context << englishText(195 + m.funcMode);
        if (m.funcMode == 0 && (m.outputMode == 4 || m.outputMode == 5))
            d.context.back() += m.holdFlag ? QStringLiteral("  \u00b7  with an output time")
                                           : QStringLiteral("  \u00b7  output time 0");
        d.rows = m.rows;
        d.markers = m.markers;
        out.add(H5DiagramPath(m.funcMode, m.outputMode, m.holdFlag), d);
    }
    // Input modes 0, 1 and 2 stand for the three groups; the up/down group adds the
    // output modes 8 to 11.
    for (const InputGroup& in : inputGroups())
        for (const CounterMode& m : kCounterModes)
            if (m.code < 8 || in.group == 2)
                out.add(H7DiagramPath(3, in.group, m.code), counter(in, m));
    out.add(H7DiagramPath(5, 0, 0), totalCount());
    out.add(H7DiagramPath(6, 0, 0), batchCount());
    out.add(H7DiagramPath(7, 0, 0), dualCounter());
    for (const TachoMode& m : kTachoModes)
        out.add(H7DiagramPath(8, 0, m.code), tachometer(m));
    return out.take();
}

} // namespace diagram
