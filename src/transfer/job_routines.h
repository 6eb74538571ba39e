#pragma once
// Puts the upload, the compare and the H5 and H7 downloads into the transfer
// window's job table (upload job 0, compare job 2, download variants 3 and 4). The
// main window does so when it is made; calling it again changes nothing.
void InstallTransferJobRoutines();
