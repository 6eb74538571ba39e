#include "core/key_protect.h"

quint8 bKeyProtect = 0;
