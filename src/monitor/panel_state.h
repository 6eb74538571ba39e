#pragma once
// The imitation front panel as data: one record per panel, the picture each of its
// elements shows, and the value text the log writes from a digit row.
//
// Digit codes: 0 to 9 the digit, 98 a minus sign, 99 a blank cell.
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <vector>

constexpr quint8 kDigitMinus = 98;
constexpr quint8 kDigitBlank = 99;

using DigitRow = std::array<quint8, 6>;
using PointPair = std::array<quint8, 2>;

struct PanelState {
    quint8 byAU = 0;        // 0 dark, 1 lit
    quint8 byOnOff = 0;     // 0 OFF lit, 1 ON lit, 2 both dark
    quint8 bySpare = 0;     // never drawn
    quint8 byGroup = 0;     // 0 none, 1 A, 2 B, 3 C, 4 A and B
    quint8 byCountDir = 0;  // 0 none, 1 Up, 2 Dw, 3 AM, 4 PM
    quint8 byKP = 0;        // 0 dark, 1 lit
    quint8 byRangeMode = 0; // 0 both dark, 1 Mode, 2 Range
    quint8 byTimerMode = 0; // 0 none, 1 D, 2 H, 3 M, 4 S, 5 H and M, 6 M and S
    DigitRow byCharA{};     // upper row, index 0 leftmost
    DigitRow byCharB{};     // lower row
    PointPair byDPColA{};   // after digit 1 and digit 3: 0 dark, 1 point, 2 colon
    PointPair byDPColB{};
    PointPair byDPA{};      // after digit 2 and digit 4: 0 dark, 1 point
    PointPair byDPB{};
    QString sTB;            // "0" dark, "1" lit
    QString sCharSpB;       // a digit code as text ("99", "98", "0".."9") or a letter
    QString sWeek;          // seven "0"/"1", one per lamp from the left

    bool operator==(const PanelState&) const = default;

    // All eight point bytes to 0.
    void clearPoints();
    // Both rows' digit codes to 99.
    void blankDigits();
};

// The decoded records that presets and readers write, and the records drawn on
// panel A and panel B. They live for the whole run.
extern PanelState PanelNextA;
extern PanelState PanelShownA;
extern PanelState PanelNextB;
extern PanelState PanelShownB;

// The upper row's value text: "0012.34", "0012:34", "-012.34". Any byte value gives a
// text; a 98 in front gives "-", a blank cell a blank (the log then shows a value the
// panel could not show as blank, not as a number of 9s), elsewhere every code is
// written as its number.
QString FormatPanelText(const PointPair& pointOrColon, const PointPair& point, const DigitRow& digits);
// The same for a record's upper row.
QString FormatUpperRow(const PanelState& panel);

// The elements of one panel, in the order they are drawn.
struct PanelPicture {
    enum Element { AU, OnOff, Group, CountDir, KP, RangeMode, TimerMode,
                   DPColA, DPColB, DPA, DPB, CharA, CharB, TB, CharSpB, Week };
    Element element;
    int index; // within the element's row; 0 for single elements
    QString name;
};

// The picture names a record shows, in drawing order. A value outside an element's
// table names that element's dark (blank) picture, so no value reaches past a table.
std::vector<PanelPicture> PanelPictureNames(const PanelState& panel);
// The names of a panel with every element dark.
std::vector<PanelPicture> BlankPanelPictureNames();
// Every name the two lists above can give: what the picture set must hold.
std::vector<QString> AllPanelPictureNames();

// Draws the shown records on the window; the monitoring window installs it while it
// is loaded, and without it drawing does nothing.
void setPanelDrawer(std::function<void()> drawer);
void DrawMonitorPanel();

// The end of every good poll: while monitoring runs, the decoded records become the
// shown records (whole copies) and are drawn; after Stop nothing changes on screen.
void ShowDecodedPanels();
