#pragma once
// Whether the edited set belongs to a settings file, and whether the last Save As was
// cancelled by the user. The editors reset the first when they load.
extern bool bHasFileName;
extern bool bSaveCancelled;
