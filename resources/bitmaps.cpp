#include "resources/bitmaps.h"

namespace resources {

void registerBuiltInBitmaps()
{
    registerToolbarBitmaps();
    registerMonitorBitmaps();
    registerEditorBitmaps();
    registerAppBitmaps();
}

} // namespace resources
