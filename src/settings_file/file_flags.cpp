#include "settings_file/file_flags.h"

bool bHasFileName = false;
bool bSaveCancelled = false;
