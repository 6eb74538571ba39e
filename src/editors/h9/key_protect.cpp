#include "editors/h9/key_protect.h"

quint8 bKeyProtect = 0;
