#pragma once
// The H9 download sequences. All six share one skeleton: check the set values, encode
// them, open the port, identify the instrument, write the begin register, the blocks,
// the common and the system-flag registers, write the end register, pause 8 s, send
// the 0xDD request, pause 4 s and write the key-protection register last. Each returns
// 0 after the key-protection register was written, non-zero after any failure whose
// message has been shown. The port is left open for the transfer window to close.

constexpr int kPauseAfterEndMs = 8000;
constexpr int kPauseAfterCommandDDMs = 4000;

int DownloadAll_H9();             // function group 0: timer A and channel B
int DownloadTimerA_H9();          // channel A alone
int DownloadPartB_H9();           // channel B alone
int DownloadTwoStageTimer_H9();   // mode 5
int DownloadDualCounter_H9();     // modes 2 to 4
int DownloadDualTacho_H9();       // mode 6
