#include "editors/h5h7/h5h7_diagrams.h"

QString H5DiagramPath(int funcMode, int outputMode, int holdFlag)
{
    return QStringLiteral("Picture/730/image_%1_%2_%3_0.jpg").arg(funcMode).arg(outputMode).arg(holdFlag);
}

QString H7DiagramPath(int mode, int inputMode, int outputMode)
{
    const int group = mode == 3 || mode == 4 ? 0 : mode - 4;
    const int input = inputMode < 2 ? inputMode : 2;
    return QStringLiteral("Picture/731/image_%1_%2_%3_1.jpg")
        .arg(group)
        .arg(input)
        .arg(QString::number(outputMode, 16).toUpper());
}

QStringList H5DiagramPaths()
{
    QStringList out;
    for (int output = 0; output <= 9; ++output) {
        out << H5DiagramPath(0, output, 0);
        if (output == 4 || output == 5)
            out << H5DiagramPath(0, output, 1);
    }
    for (int mode : {1, 2})
        for (int output = 0; output <= 1; ++output)
            out << H5DiagramPath(mode, output, 0);
    return out;
}

QStringList H7DiagramPaths()
{
    QStringList out;
    // The 1-stage and 2-stage counters, and channel A of the total and batch counters:
    // the up/down inputs (group 2) add the output modes 8 to 11.
    for (int input = 0; input <= 2; ++input)
        for (int output = 0; output <= (input == 2 ? 11 : 7); ++output)
            out << H7DiagramPath(3, input, output);
    out << H7DiagramPath(5, 0, 0) << H7DiagramPath(6, 0, 0) << H7DiagramPath(7, 0, 0);
    for (int output = 0; output <= 3; ++output)
        out << H7DiagramPath(8, 0, output);
    return out;
}
