#pragma once
// Registers every picture the program draws by name (see platform/bitmaps.h).
namespace resources {

void registerBuiltInBitmaps();

// One registrar per group of pictures.
void registerToolbarBitmaps();

} // namespace resources
