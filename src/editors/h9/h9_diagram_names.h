#pragma once
// The file names of the H9 editor's timing diagrams, built from the option bytes alone.
// Each result is a path relative to the program's data folder (platform::appDataDir()),
// with "/" between its parts, e.g. "Picture/733/Output_ST/image_Ind_Timer_Out_3_0.jpg".
// The editor shows whatever file it finds under such a name; the generator of the
// pictures names its files through these same functions.
//
// A file name is a prefix, the fields joined by "_" and "_0.jpg"; fields are decimal
// without leading zeros, a counter output mode is lower-case hexadecimal ("a" to "d"
// for 10 to 13). The ranges the editor asks for are given with each function.
#include <QString>

// Input group of a counter input mode (0 to 7): 0 for 0 and 2, 1 for 1 and 6, 3 for 3
// and 5, 4 for 4 and 7. Input modes that draw the same diagram share a group.
int H9CounterInputGroup(quint8 inputMode);

// Timer A, output mode 0 to 7 (Output_ST).
QString H9DiagramPathST(quint8 outputModeA);
// A single counter, input mode 0 to 7 and output mode 0 to 13 (Output_SC): counter B,
// and counter 1 of the two-counter mode.
QString H9DiagramPathSC(quint8 countInputMode, quint8 outputMode);
// Tachometer B, output 0 or 1 (Output_SF).
QString H9DiagramPathSF(quint8 outputModeB_F);
// Counter with total or batch counter (Output_DC): the sub-mode (0 to 2), counter 0's
// output (0, 1), counter 1's input mode itself (0 to 7, not its group) and counter 1's
// output code (0 to 13; with a batch counter 4, 10, 12 or 13).
QString H9DiagramPathDC(quint8 dualCounterMode, quint8 outputMode0, quint8 countInputMode1,
                        quint8 outputMode1);
// Counter 0 of the two-counter mode by its output (0 self-holding, 1 one-shot), in
// Output_SC with the fixed input of that counter: "..._Out_1_0_0.jpg" or "..._Out_1_4_0.jpg".
QString H9DiagramPathDualCounter0(quint8 outputMode0);
// 2-stage timer, the outputs of both stages (0, 1) (Output_DT).
QString H9DiagramPathDT(quint8 outputMode0, quint8 outputMode1);
// Tachometer with two set values, outputs A and B (0, 1) (Output_DF).
QString H9DiagramPathDF(quint8 outputModeA, quint8 outputModeB);
