#include "resources/bitmaps.h"

namespace resources {

void registerBuiltInBitmaps()
{
    registerToolbarBitmaps();
}

} // namespace resources
