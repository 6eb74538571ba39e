#pragma once
#include <QtGlobal>
extern quint8 bKeyProtect;
