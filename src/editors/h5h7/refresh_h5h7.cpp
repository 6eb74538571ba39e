#include "editors/h5h7/refresh_h5h7.h"

#include "editors/h5h7/frmModeSetting_H7.h"

void RefreshDependentControlsH5H7(int kind)
{
    (void)kind;
}
