#pragma once
extern bool bHasFileName;
extern bool bSaveCancelled;
