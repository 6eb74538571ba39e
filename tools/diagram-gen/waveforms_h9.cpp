// The H9 editor's timing diagrams: one table per list, one entry per mode.
//
// What a picture draws is what the mode's list text and the editor's settings tell for
// certain: the inputs the mode uses, the set value, the moment the output turns on, and
// the output time where the editor offers one. Where the name leaves the rest open
// (most counter letters name a behaviour without describing it), the stretch is drawn
// hatched, and the entry's comment says why.
#include "catalogue.h"

#include "editors/h9/h9_diagram_names.h"


namespace diagram {

namespace {

// ---- Timer A (Output_ST), items 163 to 170 ----
//
// Time plan: the start signal at 8, a set time of 40 (time-up at 48), an output time of
// 16. The variants of one kind ("Signal ON delay 1" to "5", "Repeat cycle 1" and "2")
// differ in ways their names do not tell; they are drawn alike, each as its kind.

struct TimerMode {
    int code;
    std::vector<Row> rows;
    std::vector<Marker> markers;
    const char* comment;
};

const Span kSetTime{8, 48, QStringLiteral("Set time")};
const Span kOutputTime{48, 64, QStringLiteral("Output time")};
const std::vector<Level> kSetLevel{{QStringLiteral("Set time"), 1}};

std::vector<TimerMode> timerModes()
{
    const Row start = sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H8 L82"));
    const Row elapsed = value(QStringLiteral("Elapsed time"), kSetLevel, QStringLiteral("0:0 8:0 48:1 X100"), {kSetTime});
    const Row heldOut = sig(QStringLiteral("OUT"), QStringLiteral("L0 H48 L82"));
    const Row timedOut = sig(QStringLiteral("OUT"), QStringLiteral("L0 H48 L64"), {kOutputTime});
    const std::vector<Marker> timeUp{{48, QStringLiteral("time-up")}};
    // A cycle of 28 with an output time of 10 inside it.
    const std::vector<Row> repeat{
        sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H8")),
        value(QStringLiteral("Elapsed time"), kSetLevel, QStringLiteral("0:0 8:0 36:1 36:0 64:1 64:0 92:1 92:0 100:0.29"),
              {{8, 36, QStringLiteral("Set time")}}),
        sig(QStringLiteral("OUT"), QStringLiteral("L0 H36 L46 H64 L74 H92"), {{36, 46, QStringLiteral("Output time")}}),
    };
    const std::vector<Marker> cycles{{36, QStringLiteral("time-up")}, {64, QString()}, {92, QString()}};

    return {
        {0, {start, elapsed, heldOut}, timeUp,
         "No output time: on a set time after the signal, off with it. The elapsed time after the time-up is not fixed."},
        {1, {start, elapsed, timedOut}, timeUp, "With an output time: the output lasts the output time."},
        {2, {start, elapsed, timedOut}, timeUp, "As 1: what tells the ON delays 2, 3 and 5 apart is not in their names."},
        {3, repeat, cycles,
         "The output time recurs once per set time. Whether the output time lies inside the cycle or is added "
         "to it is not fixed; drawn inside."},
        {4,
         {sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H10 L40")),
          value(QStringLiteral("Elapsed time"), kSetLevel, QStringLiteral("0:0 40:0 80:1 X100"),
                {{40, 80, QStringLiteral("Set time")}}),
          sig(QStringLiteral("OUT"), QStringLiteral("L0 H10 L80"))},
         {{80, QStringLiteral("time-up")}},
         "On with the signal, off a set time after the signal goes off. The editor offers an output time here, "
         "but what it does in this mode is not fixed: not drawn."},
        {5, {start, elapsed, heldOut}, timeUp, "No output time, as 0: what tells ON delay 1 from 4 is not in the names."},
        {6, repeat, cycles, "As 3: what tells the two repeat cycles apart is not in their names."},
        {7, {start, elapsed, timedOut}, timeUp, "As 1."},
    };
}

// ---- Counter inputs, items 177 to 184 ----
//
// The count input's pulses and the traces that tell its direction. A picture that
// serves an input group (the Output_SC names) shows the rows of both modes of the group.

enum class Role { Count, Quadrature, Direction, Idle };

struct InputRow {
    Role role;
    const char* label;
    const char* note;
};

struct InputMode {
    int code;
    bool down; // counts from the set value down to 0
    std::vector<InputRow> rows;
    const char* comment;
};

const std::vector<InputMode>& inputModes()
{
    static const std::vector<InputMode> modes = {
        {0, false, {{Role::Count, "Input A", ""}, {Role::Direction, "Input B", "command"}},
         "A counts; B commands the direction. Drawn as a band: which level of B means up is not fixed."},
        {1, false, {{Role::Count, "Input A", ""}, {Role::Idle, "Input B", "individual"}},
         "Individual inputs: A counts up, B the other way (idle in the picture)."},
        {2, false, {{Role::Count, "Input A", ""}, {Role::Quadrature, "Input B", "quadrature"}},
         "A and B a quarter period apart; which one leads for up is not fixed."},
        {3, true, {{Role::Count, "Input A", ""}, {Role::Direction, "Input B", "command"}}, "As 0, counting down."},
        {4, true, {{Role::Count, "Input A", ""}, {Role::Idle, "Input B", "individual"}}, "As 1, counting down."},
        {5, true, {{Role::Count, "Input A", ""}, {Role::Quadrature, "Input B", "quadrature"}}, "As 2, counting down."},
        {6, false, {{Role::Count, "Input A", ""}}, "A counts up; the name says nothing of B: not drawn."},
        {7, true, {{Role::Count, "Input A", ""}}, "A counts down; the name says nothing of B: not drawn."},
    };
    return modes;
}

// The input rows for pulse trains such as "4-40/6" (see parseDigital). A down counter
// shows the quadrature phase the other way round.
std::vector<Row> inputRows(const std::vector<int>& inputModeCodes, const QStringList& trains)
{
    std::vector<Row> out;
    QSet<QString> seen;
    for (int code : inputModeCodes) {
        const InputMode& m = inputModes()[code];
        for (const InputRow& r : m.rows) {
            QString label = QLatin1String(r.label);
            if (*r.note)
                label += QLatin1Char('\n') + QLatin1String(r.note);
            if (seen.contains(label))
                continue;
            seen.insert(label);
            QStringList wave;
            switch (r.role) {
            case Role::Count:
                for (const QString& t : trains)
                    wave << QLatin1Char('P') + t;
                out.push_back(sig(label, wave.join(QLatin1Char(' '))));
                break;
            case Role::Quadrature:
                for (const QString& t : trains)
                    wave << QLatin1Char('P') + t + (m.down ? QStringLiteral("+0.75") : QStringLiteral("+0.25"));
                out.push_back(sig(label, wave.join(QLatin1Char(' '))));
                break;
            case Role::Direction:
                out.push_back(bus(label, m.down ? QStringLiteral("0=DOWN") : QStringLiteral("0=UP")));
                break;
            case Role::Idle: out.push_back(sig(label, QStringLiteral("L0"))); break;
            }
        }
    }
    return out;
}

QString inputText(int code) { return englishText(177 + code); }

// ---- Counter outputs, the fourteen items of the output list ----
//
// Only three things are certain of a counter letter: the output turns on at the
// count-up, the modes the editor gives an output time to (R, K, P, Q) end their output
// after it, and N-1 holds it until a reset (the two-counter mode shows the N-1 picture
// for its "Self-holding output" and the K-1 picture for its "One-shot output"). What the
// present value does after the count-up (goes on, stops, starts again) is what tells the
// letters apart and is not fixed by their names: hatched in every counter picture.

struct CounterMode {
    int code;
    CounterOutput output;
    const char* comment;
};

const std::vector<CounterMode>& counterModes()
{
    static const std::vector<CounterMode> modes = {
        {0, CounterOutput::SelfHolding, "N-1: held until reset (the two counters' self-holding output)."},
        {1, CounterOutput::OnNotFixed, "F-1: no output time; how long the output stays is not fixed."},
        {2, CounterOutput::OnNotFixed, "C-1: no output time; as F-1."},
        {3, CounterOutput::OneShot, "R-1: output time."},
        {4, CounterOutput::OneShot, "K-1: output time (the two counters' one-shot output)."},
        {5, CounterOutput::OneShot, "P-1: output time."},
        {6, CounterOutput::OnNotFixed, "N-2: no output time; that it holds like N-1 is likely but not fixed."},
        {7, CounterOutput::OnNotFixed, "F-2: as F-1."},
        {8, CounterOutput::OnNotFixed, "C-2: as C-1."},
        {9, CounterOutput::OneShot, "R-2: output time."},
        {10, CounterOutput::OneShot, "K-2: output time."},
        {11, CounterOutput::OneShot, "P-2: output time."},
        {12, CounterOutput::OneShot, "Q-1: output time."},
        {13, CounterOutput::OneShot, "Q-2: output time."},
    };
    return modes;
}

// The items of the editor's output lists (a design list there, not in the string table).
const QStringList kOutputItems = {"0 : N-1", "1 : F-1", "2 : C-1",  "3 : R-1",  "4 : K-1",  "5 : P-1",  "6 : N-2",
                                  "7 : F-2", "8 : C-2", "9 : R-2", "10 : K-2", "11 : P-2", "12 : Q-1", "13 : Q-2"};

QString outputText(int code) { return kOutputItems.at(code); }

// With a batch counter the list holds four of the outputs, numbered afresh.
QString batchOutputText(int code)
{
    static const QList<int> codes = {4, 10, 12, 13};
    static const QStringList items = {"0 : K-1", "1 : K-2", "2 : Q-1", "3 : Q-2"};
    return items.at(codes.indexOf(code));
}

// The present value between count-ups: up from 0 to the set value, or down from it to
// 0, in `steps` counts per train; not fixed from each count-up to the next reset.
QString presentValue(bool down, const std::vector<std::pair<double, double>>& trains, int steps,
                     const std::vector<double>& resets)
{
    const QString from = down ? QStringLiteral("1") : QStringLiteral("0");
    const QString to = down ? QStringLiteral("0") : QStringLiteral("1");
    QStringList w{QStringLiteral("0:") + from};
    for (size_t i = 0; i < trains.size(); ++i) {
        const auto [a, b] = trains[i];
        w << QStringLiteral("%1:%2").arg(a).arg(from) << QStringLiteral("%1:%2/%3").arg(b).arg(to).arg(steps);
        const double next = i < resets.size() ? resets[i] : 100;
        w << QStringLiteral("X%1").arg(next);
        if (i < resets.size())
            w << QStringLiteral("%1:%2").arg(next).arg(from);
    }
    return w.join(QLatin1Char(' '));
}

std::vector<Level> setValueLevels(bool down)
{
    return down ? std::vector<Level>{{QStringLiteral("SV"), 1}, {QStringLiteral("0"), 0}}
                : std::vector<Level>{{QStringLiteral("SV"), 1}};
}

// One counter: six counts to the count-up at 40, a reset at 84.
Diagram singleCounter(const std::vector<int>& inputCodes, int outputCode)
{
    const bool down = inputModes()[inputCodes.front()].down;
    Diagram d;
    d.title = outputText(outputCode);
    QStringList inputs;
    for (int c : inputCodes)
        inputs << inputText(c);
    d.context << englishText(226) << QStringLiteral("Input Mode ") + inputs.join(QStringLiteral("  /  "));
    d.rows = inputRows(inputCodes, {QStringLiteral("4-40/6")});
    d.rows.push_back(sig(QStringLiteral("Reset"), QStringLiteral("L0 H84 L88")));
    d.rows.push_back(value(QStringLiteral("Present value"), setValueLevels(down), presentValue(down, {{4, 40}}, 6, {84})));
    d.rows.push_back(counterOutputRow(QStringLiteral("OUT"), counterModes()[outputCode].output, {40}, {84}, 12));
    d.markers = {{40, down ? QStringLiteral("count-up (0)") : QStringLiteral("count-up")}, {84, QStringLiteral("reset")}};
    return d;
}

// ---- Dual-counter sub-modes (Output_DC), items 141 to 143 ----
//
// The first counter (channel A's panel) is the total or batch counter, with its own set
// value and a self-holding or one-shot output (items 300, 301); the second is a 1-stage
// counter with its input and output modes. Certain from the names: the total counter
// counts every input and is not cleared when the counter is reset; the batch counter
// counts the counter's count-ups. Both are drawn counting up whatever the counter's
// direction.

Row firstCounterOutput(const QString& label, int outputMode0, double at)
{
    return outputMode0 == 0 ? sig(label, QStringLiteral("L0 H%1").arg(at))
                            : sig(label, QStringLiteral("L0 H%1 L%2").arg(at).arg(at + 10),
                                  {{at, at + 10, QStringLiteral("Output time")}});
}

Diagram totalCounter(int outputMode0, int inputMode1, int outputMode1)
{
    const bool down = inputModes()[inputMode1].down;
    Diagram d;
    d.title = englishText(141);
    d.context << QStringLiteral("Counter: ") + inputText(inputMode1) + QStringLiteral(", ") + outputText(outputMode1)
              << QStringLiteral("Total counter: ") + englishText(300 + outputMode0);
    // Five counts to each count-up (34, 85), a reset at 52; the total reaches its set
    // value of 8 at the third count after the reset (73).
    d.rows = inputRows({inputMode1}, {QStringLiteral("4-34/5"), QStringLiteral("55-85/5")});
    d.rows.push_back(sig(QStringLiteral("Reset"), QStringLiteral("L0 H52 L55")));
    d.rows.push_back(
        value(QStringLiteral("Present value"), setValueLevels(down), presentValue(down, {{4, 34}, {55, 85}}, 5, {52})));
    d.rows.push_back(counterOutputRow(QStringLiteral("OUT"), counterModes()[outputMode1].output, {34, 85}, {52}, 10));
    d.rows.push_back(value(QStringLiteral("Total count"), {{QStringLiteral("Total SV"), 8}},
                           QStringLiteral("0:0 4:0 34:5/5 55:5 73:8/3 85:10/2 100:10")));
    d.rows.push_back(firstCounterOutput(QStringLiteral("Total output"), outputMode0, 73));
    d.markers = {{34, QStringLiteral("count-up")}, {52, QStringLiteral("reset")}, {73, QStringLiteral("total")}};
    return d;
}

Diagram batchCounter(int outputMode0, int inputMode1, int outputMode1)
{
    const bool down = inputModes()[inputMode1].down;
    Diagram d;
    d.title = englishText(142);
    d.context << QStringLiteral("Counter: ") + inputText(inputMode1) + QStringLiteral(", ") + batchOutputText(outputMode1)
              << QStringLiteral("Batch counter: ") + englishText(300 + outputMode0);
    // Three counts to each count-up (20, 51, 82), resets at 30 and 61; the batch set
    // value of 3 is reached at the third count-up.
    d.rows = inputRows({inputMode1}, {QStringLiteral("2-20/3"), QStringLiteral("33-51/3"), QStringLiteral("64-82/3")});
    d.rows.push_back(sig(QStringLiteral("Reset"), QStringLiteral("L0 H30 L33 H61 L64")));
    d.rows.push_back(value(QStringLiteral("Present value"), setValueLevels(down),
                           presentValue(down, {{2, 20}, {33, 51}, {64, 82}}, 3, {30, 61})));
    d.rows.push_back(
        counterOutputRow(QStringLiteral("OUT"), counterModes()[outputMode1].output, {20, 51, 82}, {30, 61}, 6));
    d.rows.push_back(value(QStringLiteral("Batch count"), {{QStringLiteral("Batch SV"), 3}},
                           QStringLiteral("0:0 20:0 20:1 51:1 51:2 82:2 82:3 100:3")));
    d.rows.push_back(firstCounterOutput(QStringLiteral("Batch output"), outputMode0, 82));
    d.markers = {{20, QStringLiteral("count-up")}, {51, QString()}, {82, QStringLiteral("batch")}};
    return d;
}

// The two counters side by side: the first with its fixed input "1 : Individual (Up)",
// the second with its own input mode and output "0 : N-1", as the editor asks for this
// picture only while it fills the second counter's lists.
Diagram twoCounters(int outputMode0, int inputMode1)
{
    const bool down = inputModes()[inputMode1].down;
    Diagram d;
    d.title = englishText(143);
    d.context << QStringLiteral("1st counter: ") + inputText(1) + QStringLiteral(", ") + englishText(300 + outputMode0)
              << QStringLiteral("2nd counter: ") + inputText(inputMode1) + QStringLiteral(", ") + outputText(0);
    d.rows.push_back(sig(QStringLiteral("1st counter\ninput A"), QStringLiteral("P4-40/6")));
    d.rows.push_back(value(QStringLiteral("1st counter\npresent value"), {{QStringLiteral("SV"), 1}}, QStringLiteral("0:0 4:0 40:1/6 X100")));
    d.rows.push_back(firstCounterOutput(QStringLiteral("OUT 1"), outputMode0, 40));
    for (Row r : inputRows({inputMode1}, {QStringLiteral("10-64/6")})) {
        QString rest = r.label.replace(QLatin1Char('\n'), QLatin1Char(' '));
        rest[0] = rest[0].toLower();
        r.label = QStringLiteral("2nd counter\n") + rest;
        d.rows.push_back(r);
    }
    d.rows.push_back(value(QStringLiteral("2nd counter\npresent value"), setValueLevels(down), presentValue(down, {{10, 64}}, 6, {})));
    d.rows.push_back(counterOutputRow(QStringLiteral("OUT 2"), CounterOutput::SelfHolding, {64}, {}, 0));
    d.markers = {{40, QStringLiteral("1st count-up")}, {64, QStringLiteral("2nd count-up")}};
    return d;
}

// ---- Tachometers (Output_SF, Output_DF), items 337 and 338 ----
//
// The measured speed rises through the set value and falls back. "ON" switches the
// output on above the set value; "OFF" is drawn as its opposite (off above the set
// value). Startup time and averaging do not change the picture: not drawn.

Diagram tachometer(int outputMode)
{
    Diagram d;
    d.title = englishText(337 + outputMode);
    d.context << englishText(140) + QStringLiteral("  \u00b7  channel B: ") + englishText(187);
    d.rows = {sig(QStringLiteral("Input A"), tachoInputWave()),
              value(QStringLiteral("Measured speed"), {{QStringLiteral("SV"), 1}}, tachoSpeedWave()),
              sig(QStringLiteral("OUT"), tachoOutput(1, outputMode == 0))};
    d.markers = {{37.5, QStringLiteral("above SV")}, {67.5, QStringLiteral("below SV")}};
    return d;
}

Diagram dualTachometer(int outputA, int outputB)
{
    Diagram d;
    d.title = englishText(145);
    d.context << QStringLiteral("Set value A: ") + englishText(337 + outputA) + QStringLiteral("  \u00b7  Set value B: ") +
                     englishText(337 + outputB);
    d.rows = {sig(QStringLiteral("Input A"), tachoInputWave()),
              value(QStringLiteral("Measured speed"), {{QStringLiteral("SV A"), 1}, {QStringLiteral("SV B"), 0.6}},
                    tachoSpeedWave()),
              sig(QStringLiteral("OUT A"), tachoOutput(1, outputA == 0)), sig(QStringLiteral("OUT B"), tachoOutput(0.6, outputB == 0))};
    d.markers = {{27.5, QString()}, {37.5, QString()}, {67.5, QString()}, {77.5, QString()}};
    return d;
}

// ---- 2-stage timer (Output_DT), items 300 and 301 per stage ----
//
// Each stage turns its output on at its time-up: held (self-holding) or for its output
// time (one-shot). Whether the second stage times from the start or from the first
// time-up is not fixed: the elapsed time is drawn to the first set value only.

Diagram twoStageTimer(int output0, int output1)
{
    Diagram d;
    d.title = englishText(144);
    d.context << QStringLiteral("1st stage: ") + englishText(300 + output0) + QStringLiteral("  \u00b7  2nd stage: ") +
                     englishText(300 + output1);
    d.rows = {sig(QStringLiteral("Start\nsignal input"), QStringLiteral("L0 H8")),
              value(QStringLiteral("Elapsed time"), {{QStringLiteral("1st set time"), 1}}, QStringLiteral("0:0 8:0 44:1 X100"),
                    {{8, 44, QStringLiteral("1st set time")}}),
              firstCounterOutput(QStringLiteral("OUT 1"), output0, 44),
              firstCounterOutput(QStringLiteral("OUT 2"), output1, 80)};
    d.markers = {{44, QStringLiteral("1st time-up")}, {80, QStringLiteral("2nd time-up")}};
    return d;
}

} // namespace

std::vector<Picture> h9Pictures()
{
    PictureList out;

    for (const TimerMode& m : timerModes()) {
        Diagram d;
        d.title = englishText(163 + m.code);
        d.context << QStringLiteral("Timer  \u00b7  channel A");
        d.rows = m.rows;
        d.markers = m.markers;
        out.add(H9DiagramPathST(static_cast<quint8>(m.code)), d);
    }

    // Counter B, and counter 2 of the two counters: by input group.
    const std::vector<std::vector<int>> groups = {{0, 2}, {1, 6}, {3, 5}, {4, 7}};
    for (const auto& group : groups)
        for (const CounterMode& m : counterModes()) {
            Diagram d = singleCounter(group, m.code);
            if (H9DiagramPathSC(static_cast<quint8>(group.front()), static_cast<quint8>(m.code)) ==
                H9DiagramPathDualCounter0(m.code == 0 ? 0 : 1))
                d.context << QStringLiteral("Also the 1st counter of ") + englishText(143) + QStringLiteral(": ") +
                                 englishText(m.code == 0 ? 300 : 301);
            out.add(H9DiagramPathSC(static_cast<quint8>(group.front()), static_cast<quint8>(m.code)), d);
        }
    // The first of the two counters by its output; these names fall among the above.
    for (int o : {0, 1})
        if (!out.has(H9DiagramPathDualCounter0(static_cast<quint8>(o))))
            qFatal("the two counters' first counter has no picture");

    for (int o : {0, 1}) {
        Diagram d = tachometer(o);
        out.add(H9DiagramPathSF(static_cast<quint8>(o)), d);
    }

    // Counter with total counter: every input mode and output; with batch counter the
    // four outputs its list offers; the two counters: the picture the editor asks for
    // while it refills the second counter's lists (output 0).
    for (int o0 : {0, 1})
        for (int in = 0; in <= 7; ++in) {
            for (int o1 = 0; o1 <= 13; ++o1)
                out.add(H9DiagramPathDC(0, o0, in, o1), totalCounter(o0, in, o1));
            for (int o1 : {4, 10, 12, 13})
                out.add(H9DiagramPathDC(1, o0, in, o1), batchCounter(o0, in, o1));
            out.add(H9DiagramPathDC(2, o0, in, 0), twoCounters(o0, in));
        }

    for (int a : {0, 1})
        for (int b : {0, 1}) {
            out.add(H9DiagramPathDT(a, b), twoStageTimer(a, b));
            out.add(H9DiagramPathDF(a, b), dualTachometer(a, b));
        }
    return out.take();
}

} // namespace diagram
