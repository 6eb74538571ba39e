#pragma once
// Key protection of the edited set: one flag for every instrument type, so both
// editors, the encoders and the settings images share it.
#include <QtGlobal>

// 0 off, 1 on.
extern quint8 bKeyProtect;
