#pragma once
// The names of the timing-diagram pictures of the H5/H7 editor, as pure functions of
// the values that choose them. Paths are relative to platform::appDataDir() and use
// "/"; the window prepends the folder and loads the file, and a file that is missing
// leaves the picture that was shown before.
#include <QString>
#include <QStringList>

// A timer diagram: "Picture/730/image_<funcMode>_<outputMode>_<holdFlag>_0.jpg", all
// three numbers in decimal. holdFlag is 1 only for timer A's output modes 4 and 5 (b,
// b-1) with an output time that is not zero.
QString H5DiagramPath(int funcMode, int outputMode, int holdFlag);

// A counter diagram: "Picture/731/image_<m>_<i>_<o>_1.jpg", where m is 0 for the
// 1-stage and 2-stage counter (modes 3 and 4) and mode - 4 otherwise, i the input mode
// when below 2 and else 2 (the up/down modes share one picture), o the output mode in
// upper-case hexadecimal ("A" for 10, "B" for 11).
QString H7DiagramPath(int mode, int inputMode, int outputMode);

// Every name the editor can ask for, each once: the timer modes with their output
// modes (and the hold flag of b and b-1), the counter panels with the output modes
// their input modes offer, the channel-B pictures of the total and batch counters, the
// dual counter's one picture and the tachometer's four.
QStringList H5DiagramPaths();
QStringList H7DiagramPaths();
