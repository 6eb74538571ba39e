#pragma once
// Puts the upload, the compare and the H5 and H7 downloads into the transfer
// window's job table (upload job 0, compare job 2, download variants 3 and 4). The
// program does so at start; calling it again changes nothing.
void InstallTransferJobRoutines();
// Takes them out again (the table's built-in entries come back).
void RemoveTransferJobRoutines();
