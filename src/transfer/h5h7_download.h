#pragma once
// The H5 and H7 download sequences (an H8 set takes the H5 one in function modes 0 to
// 2 and the H7 one in modes 3 to 8). Both encode the set, open the port, identify the
// instrument, require the write-permission register, write the begin register, the
// flagged words of the image and the end register, pause 8 s, send the 0xDD request
// and pause 4 s. Key protection travels inside the image. Each returns 0, or non-zero
// after a failure whose message has been shown; the port is left open for the
// transfer window to close.
#include <QtGlobal>

int DownloadAll_H5();
int DownloadAll_H7();

// The block writers: 0, or the code of the first failed write (shown by the link).
// H5: the flagged words of 1074-1084, 1088-1102, 1120-1134 and 1152-1164.
int WriteBlocks_H5(qint32 slaveId);
// H7: the flagged words of 1074-1084, then the 21 words of 1696-1736.
int WriteBlocks_H7(qint32 slaveId);
