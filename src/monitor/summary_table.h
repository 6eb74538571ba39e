#pragma once
// The configuration summary of a monitoring start, written from tables: one row per
// summary line, naming its label, how its value is written, the register the value is
// read from and where the value stays for the live reading. One routine reads the
// tables; each type's start chooses those of the function the instrument runs and makes
// the presets.
#include "core/monitor_state.h"
#include "monitor/register_block.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <span>

// Summary lines: label, " : ", value, CR LF, with the texts of the string table.
QString SummaryLine(int labelId, const QString& value);
// The first line of both boxes: res 294 " : " model name.
QString SummaryTypeLine(const QString& modelName);
constexpr const char* kLineEnd = "\r\n";

// What a start routine leaves for the two boxes: box B is left as it was when textB
// holds nothing, and emptied when it holds an empty text.
struct MonitorSummary {
    QString textA;
    std::optional<QString> textB;
};

// The start routines' reads: each refuses to run once Stop has ended monitoring, and
// a failed read ends the start (the link has reported it). A start reads a register
// once: asked again, it gives what the instrument sent the first time.
class StartReads {
public:
    explicit StartReads(RegisterSource& source) : source_(source) {}
    // False when monitoring has been stopped or the read failed.
    bool read(int address, int count, RegisterBlock& block);
    // One register's low byte into `keep`.
    bool low(int address, quint8* keep);

private:
    RegisterSource& source_;
    std::map<int, QByteArray> registers_; // address -> its four characters, as sent
};

// Which summary a line goes to: box A, box B, or both alike.
enum class SummaryBox { A, B, Both };

// How a line's value is written: the text of the registers read for it (the low byte
// of the first, unless the text says otherwise), or a fixed text that reads nothing.
class SummaryValue {
public:
    // The text of the registers read; nullopt when the value has none.
    using Text = std::optional<QString> (*)(const RegisterBlock& registers);

    // A value without a text fails the start, unless its line is to be left out instead.
    constexpr SummaryValue(Text text, int registers = 1, bool leftOutWithoutText = false)
        : text_(text), registers_(registers), leftOutWithoutText_(leftOutWithoutText)
    {
    }
    friend constexpr SummaryValue StringText(int stringId);
    friend constexpr SummaryValue FixedText(const char* text);

    // How many registers the value is read from: none for a fixed text.
    constexpr int registers() const { return registers_; }
    constexpr bool leftOutWithoutText() const { return leftOutWithoutText_; }
    std::optional<QString> text(const RegisterBlock& registers) const;

private:
    Text text_;
    int registers_;
    bool leftOutWithoutText_;
    int stringId_ = 0;
    const char* fixed_ = nullptr;
};
constexpr bool kLeftOutWithoutText = true;

// A text of the string table, in the user's language.
constexpr SummaryValue StringText(int stringId)
{
    SummaryValue v(nullptr, 0);
    v.stringId_ = stringId;
    return v;
}
// A text the same in every language.
constexpr SummaryValue FixedText(const char* text)
{
    SummaryValue v(nullptr, 0);
    v.fixed_ = text;
    return v;
}

// A line shown only while a register holds certain codes (its low byte); the register
// is one the start has read before, or it is read for the test.
struct SummaryCondition {
    int address = 0;
    bool (*holds)(int code) = nullptr; // none: the line is always shown
};

constexpr int kNoLabel = 0;

// One summary line: "label : value" and a line end, or, without a label, the value alone
// (a function's name, a text that is a whole line). A line whose condition does not hold
// reads nothing.
struct SummaryRow {
    SummaryBox box;
    int label; // string id
    SummaryValue value;
    int address = 0;                       // of the first register the value is read from
    quint8 DevReadback::*keptIn = nullptr; // where that register's low byte stays for the poll
    SummaryCondition when = {};
};

struct SummaryTexts {
    QString a;
    QString b;
};

// Reads the registers of the rows in their order and appends their lines. False when a
// read failed, Stop ended monitoring, or a value had no text: the start then fails.
bool AppendSummaryLines(StartReads& reads, std::span<const SummaryRow> rows, SummaryTexts& texts);

// Value texts more than one type writes. The text of a fixed list, nullopt for a code
// it lacks.
std::optional<QString> ListText(std::span<const char* const> list, int code);
// A run of string-table texts from `firstId`; the bare number outside the run.
QString StringRunText(int firstId, int count, int code);
// The input type: 0 NPN, any other PNP.
std::optional<QString> InputTypeText(const RegisterBlock& registers);
// The input signal width of an H5 and an H7: 0 is 20 ms, any other 1 ms.
std::optional<QString> SignalWidthText_H5H7(const RegisterBlock& registers);
