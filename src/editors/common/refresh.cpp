#include "editors/common/refresh.h"

#include "editors/h5h7/h5h7_refresh.h"
#include "editors/h9/h9_refresh.h"

void RefreshDependentControls(int kind)
{
    if (kind == 0)
        RefreshDependentControlsH9();
    else if (kind >= 1 && kind <= 3)
        RefreshDependentControlsH5H7(kind);
}
